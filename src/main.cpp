// SPDX-License-Identifier: GPL-3.0-or-later
#include <QApplication>
#include <memory>

#include "app/CCorvaneLauncherApp.h"
#include "platform/WorkingDirectory.h"
#include "ui/common/QtPrompter.h"
#include "ui/common/SingleInstance.h"
#include "ui/main/CCorvaneLauncherDlg.h"
#include "ui/main/StartupReport.h"

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Corvane Launcher"));

    corvane::SingleInstance instance;
    if (!instance.acquire())
        return 0;

    // The base directory is where the launcher was started; every file it keeps lives there. Its
    // name is kept as the system's bytes: a folder name need not be UTF-8.
    corvane::QtPrompter prompter;
    corvane::CCorvaneLauncherApp app(corvane::workingDirectory(), prompter);
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
