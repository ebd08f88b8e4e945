// SPDX-License-Identifier: GPL-3.0-or-later
#include <QApplication>

#include "app/CCorvaneLauncherApp.h"
#include "platform/WorkingDirectory.h"
#include "ui/common/QtPrompter.h"
#include "ui/common/SingleInstance.h"
#include "ui/main/CCorvaneLauncherDlg.h"

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
    window.initialise();
    window.show();
    return QApplication::exec();
}
