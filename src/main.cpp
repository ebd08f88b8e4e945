// SPDX-License-Identifier: GPL-3.0-or-later
#include <QApplication>
#include <QCommandLineParser>
#include <QFile>
#include <QMessageBox>
#include <csignal>
#include <cstdio>
#include <memory>
#include <string>
#include <string_view>

#include "app/BaseDirectoryChoice.h"
#include "app/CCorvaneLauncherApp.h"
#include "platform/Folders.h"
#include "platform/WorkingDirectory.h"
#include "ui/common/QtPrompter.h"
#include "ui/common/SingleInstance.h"
#include "ui/main/CCorvaneLauncherDlg.h"
#include "ui/main/StartupReport.h"

namespace {

// The desktop file names the application by this id, and so does the window.
constexpr const char* kDesktopFileName = "io.github.corvane.Launcher";

std::string environmentBytes(const char* name) {
    return qgetenv(name).toStdString();
}

// The bytes the value of an option was given in, the last time it was given, as the parser takes
// it: a folder name need not be UTF-8, and the parser's text would have lost what is not.
std::string valueBytes(int argc, char* argv[], const QString& option) {
    const std::string name = "--" + QFile::encodeName(option).toStdString();
    std::string value;
    for (int i = 1; i < argc; ++i) {
        const std::string_view argument = argv[i];
        if (argument == "--")
            break;
        if (argument == name && i + 1 < argc)
            value = argv[++i];
        else if (argument.starts_with(name + "="))
            value = argument.substr(name.size() + 1);
    }
    return value;
}

// Said as the option parser says its own complaints; a start from the desktop menu has no
// terminal to read them in, so it shows them too.
int refuseToStart(const QString& problem, bool fromDesktop) {
    std::fprintf(stderr, "%s\n",
                 qPrintable(QCoreApplication::applicationName() + QStringLiteral(": ") + problem));
    if (fromDesktop)
        QMessageBox::critical(nullptr, QCoreApplication::applicationName(), problem);
    return 1;
}

struct LauncherOptions {
    const QCommandLineOption baseDir{
        QStringLiteral("base-dir"),
        QStringLiteral("Keep the settings and databases in <dir>, an existing folder."),
        QStringLiteral("dir")};
    const QCommandLineOption userData{
        QStringLiteral("user-data"),
        QStringLiteral("Keep the settings and databases in the per-user data folder, "
                       "$XDG_DATA_HOME/corvane-launcher, made on the first start. The desktop "
                       "menu's entry starts the launcher so.")};

    void addTo(QCommandLineParser& parser) const {
        parser.setApplicationDescription(
            QStringLiteral("A front-end for MSX emulators. It keeps its settings and databases "
                           "in the folder it is started in, unless an option names another."));
        parser.addHelpOption();
        parser.addVersionOption();
        parser.addOption(baseDir);
        parser.addOption(userData);
    }
};

void nameApplication() {
    QCoreApplication::setApplicationName(QStringLiteral("Corvane Launcher"));
    QCoreApplication::setApplicationVersion(QStringLiteral(CORVANE_VERSION));
}

// Whether the arguments ask only for the help or the version. Those are answered without the
// window system, so that they work over a plain terminal; anything else, and options of the
// window system itself, go the usual way.
bool asksOnlyForText(int argc, char* argv[], const LauncherOptions& options) {
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments.append(QFile::decodeName(argv[i]));
    QCommandLineParser parser;
    options.addTo(parser);
    return parser.parse(arguments) &&
           (parser.isSet(QStringLiteral("help")) || parser.isSet(QStringLiteral("version")));
}

}  // namespace

int main(int argc, char* argv[]) {
    // A file-size limit would kill the program in the middle of a write, leaving its temporary
    // file behind; ignored, the write fails and is reported and cleaned up like a full disk.
    std::signal(SIGXFSZ, SIG_IGN);

    const LauncherOptions commandLine;
    if (asksOnlyForText(argc, argv, commandLine)) {
        QCoreApplication textOnly(argc, argv);
        nameApplication();
        QCommandLineParser parser;
        commandLine.addTo(parser);
        parser.process(textOnly);  // prints the text and ends the program
        return 0;
    }

    QApplication application(argc, argv);
    nameApplication();
    QGuiApplication::setDesktopFileName(QString::fromLatin1(kDesktopFileName));

    QCommandLineParser parser;
    commandLine.addTo(parser);
    parser.process(application);

    if (!parser.positionalArguments().isEmpty())
        return refuseToStart(
            QStringLiteral("unexpected argument '%1'").arg(parser.positionalArguments().front()),
            false);
    corvane::StartOptions options;
    if (parser.isSet(commandLine.baseDir))
        options.baseDirectory = valueBytes(argc, argv, commandLine.baseDir.names().front());
    options.userData = parser.isSet(commandLine.userData);
    // The menu entry gives --user-data alone; a start with more was typed in a terminal.
    const bool fromDesktop = options.userData && !options.baseDirectory;
    const corvane::StartEnvironment environment{
        .workingDirectory = corvane::workingDirectory(),
        .xdgDataHome = environmentBytes("XDG_DATA_HOME"),
        .home = corvane::homeFolder(),
    };
    // Every file the launcher keeps lives in its base directory. Its name is kept as the
    // system's bytes: a folder name need not be UTF-8.
    const corvane::BaseDirectoryChoice base = corvane::chooseBaseDirectory(options, environment);
    if (!base.problem.empty())
        return refuseToStart(QFile::decodeName(QByteArray::fromStdString(base.problem)),
                             fromDesktop);

    // Relative media paths in a database, and the emulators the launcher starts, are taken from
    // the working directory: in the base directory, as when the launcher is started inside it.
    if (!corvane::setWorkingDirectory(base.directory))
        return refuseToStart(QStringLiteral("cannot enter %1")
                                 .arg(QFile::decodeName(QByteArray::fromStdString(base.directory))),
                             fromDesktop);

    corvane::SingleInstance instance(corvane::SingleInstance::keyFor(base.directory));
    if (!instance.acquire())
        return 0;

    corvane::QtPrompter prompter;
    corvane::CCorvaneLauncherApp app(base.directory, prompter);
    prompter.setLanguages(app.languages());

    corvane::CCorvaneLauncherDlg window(app);
    prompter.setParentWindow(&window);
    QObject::connect(&instance, &corvane::SingleInstance::activationRequested, &window, [&window] {
        window.showNormal();
        window.raise();
        window.activateWindow();
    });
    // Only for the start-up benchmark: the file it names receives the moments it measures, and
    // the launcher quits once its list is shown and its software index built.
    std::unique_ptr<corvane::StartupReport> report;
    if (const QString path = qEnvironmentVariable("CORVANE_STARTUP_REPORT"); !path.isEmpty())
        report = std::make_unique<corvane::StartupReport>(path, window);
    window.initialise();
    window.show();
    return QApplication::exec();
}
