// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/main/AboutDlg.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QDialogButtonBox>
#include <QLabel>
#include <QPushButton>

#include "app/CCorvaneLauncherApp.h"
#include "i18n/LanguageIds.h"
#include "i18n/LanguageManager.h"
#include "i18n/MenuIds.h"
#include "support/ScriptedPrompter.h"
#include "support/TempDir.h"
#include "ui/ModalDriver.h"
#include "ui/WindowStart.h"

using namespace corvane;
using namespace corvane::test;

namespace {

// Every text the box shows, top to bottom.
QStringList shownTexts(const QDialog& dialog) {
    QStringList texts;
    for (const QLabel* label : dialog.findChildren<QLabel*>())
        if (!label->text().isEmpty())
            texts << label->text();
    return texts;
}

}  // namespace

TEST(AboutDlgTest, NamesTheProgramItsVersionLicenceAndLibraries) {
    LanguageManager languages;
    languages.setLanguage(kLanguageEnglish);
    AboutDlg dialog(languages);
    dialog.show();
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("About Corvane Launcher"));
    EXPECT_EQ(dialog.versionLabel()->text(), QStringLiteral("Version " CORVANE_VERSION));
    const QString all = shownTexts(dialog).join(QLatin1Char('\n'));
    EXPECT_TRUE(all.contains(QStringLiteral("Corvane Launcher\n"))) << all.toStdString();
    EXPECT_TRUE(all.contains(QStringLiteral("GNU General Public License, version 3 or any later")));
    EXPECT_TRUE(all.contains(QStringLiteral("Built with these libraries:")));
    // The libraries the running program uses, each with its version and licence.
    const QStringList credits = dialog.creditsLabel()->text().split(QLatin1Char('\n'));
    ASSERT_EQ(credits.size(), 4);
    EXPECT_EQ(credits[0], QStringLiteral("Qt ") + QLatin1String(qVersion()) +
                              QStringLiteral(" (LGPL-3.0-only)"));
    EXPECT_TRUE(credits[1].startsWith(QStringLiteral("zlib 1.")));
    EXPECT_TRUE(credits[2].startsWith(QStringLiteral("minizip ")));
    EXPECT_EQ(credits[3], QStringLiteral("TinyXML 2.6.2 (Zlib)"));
    EXPECT_EQ(dialog.findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)->text(),
              QStringLiteral("OK"));
}

TEST(AboutDlgTest, SpeaksTheChosenLanguage) {
    LanguageManager languages;
    languages.setLanguage(kLanguageGerman);
    AboutDlg dialog(languages);
    dialog.show();
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Über Corvane Launcher"));
    EXPECT_EQ(dialog.versionLabel()->text(), QStringLiteral("Version " CORVANE_VERSION));
    const QString all = shownTexts(dialog).join(QLatin1Char('\n'));
    EXPECT_TRUE(all.contains(QStringLiteral("Lizenziert unter der GNU General Public License")));
    EXPECT_TRUE(all.contains(QStringLiteral("Erstellt mit diesen Bibliotheken:")));
    EXPECT_FALSE(all.contains(QStringLiteral("Built with")));

    languages.setLanguage(kLanguageFinnish);
    AboutDlg finnish(languages);
    finnish.show();
    EXPECT_EQ(finnish.versionLabel()->text(), QStringLiteral("Versio " CORVANE_VERSION));
}

TEST(AboutDlgTest, TheHelpMenuOpensIt) {
    TempDir dir;
    ScriptedPrompter prompter;
    CCorvaneLauncherApp app(dir.path(), prompter);
    CCorvaneLauncherDlg window(app);
    startWindow(window);
    QString title;
    QString version;
    onNextModal([&](QDialog* dialog) {
        title = dialog->windowTitle();
        if (auto* about = qobject_cast<AboutDlg*>(dialog))
            version = about->versionLabel()->text();
        dialog->accept();
    });
    window.action(kMenuAbout)->trigger();
    EXPECT_EQ(title, QStringLiteral("About Corvane Launcher"));
    EXPECT_EQ(version, QStringLiteral("Version " CORVANE_VERSION));
    EXPECT_TRUE(prompter.messages.empty());
}
