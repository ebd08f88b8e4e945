// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <map>

#include "app/CCorvaneLauncherApp.h"
#include "i18n/LanguageIds.h"
#include "support/ScriptedPrompter.h"
#include "support/TempDir.h"
#include "ui/ModalDriver.h"
#include "ui/common/QtTranslations.h"
#include "ui/main/CCorvaneLauncherDlg.h"
#include "ui/settings/SettingsDlg.h"
#include "ui/settings/SettingsLanguage.h"

namespace corvane {
namespace {

using test::ScriptedPrompter;
using test::TempDir;

QString yesText() {
    return QCoreApplication::translate("QPlatformTheme", "&Yes");
}

QString yesButtonText() {
    QMessageBox box(QMessageBox::Question, QString(), QString(),
                    QMessageBox::Yes | QMessageBox::No);
    return box.button(QMessageBox::Yes)->text();
}

TEST(QtTranslationsTest, StandardTextsFollowTheCatalogueLanguage) {
    // What a user of each language reads on Yes, and in a file chooser.
    const std::map<int, QString> yes{
        {kLanguageCatalan, QStringLiteral("&Sí")},     {kLanguageDutch, QStringLiteral("&Ja")},
        {kLanguageFinnish, QStringLiteral("&Kyllä")},  {kLanguageFrench, QStringLiteral("&Oui")},
        {kLanguageGerman, QStringLiteral("&Ja")},      {kLanguageItalian, QStringLiteral("&Sì")},
        {kLanguagePortuguese, QStringLiteral("&Sim")}, {kLanguageSpanish, QStringLiteral("&Sí")},
        {kLanguageSwedish, QStringLiteral("&Ja")}};
    QtTranslations translations;
    for (const LanguageEntry& entry : kLanguages) {
        translations.select(entry.id);
        if (entry.id == kLanguageEnglish) {
            EXPECT_FALSE(translations.isInstalled());
            EXPECT_EQ(yesText(), QStringLiteral("&Yes"));
            continue;
        }
        ASSERT_TRUE(translations.isInstalled()) << entry.code;
        EXPECT_EQ(yesText(), yes.at(entry.id)) << entry.code;
        EXPECT_NE(QCoreApplication::translate("QFileDialog", "Files of type:"),
                  QStringLiteral("Files of type:"))
            << entry.code;
    }
    translations.select(kLanguageGerman);
    EXPECT_EQ(yesButtonText(), QStringLiteral("&Ja"));
    EXPECT_EQ(QCoreApplication::translate("QFileDialog", "Look in:"), QStringLiteral("Suchen in:"));
    translations.select(kLanguageEnglish);
    EXPECT_EQ(yesButtonText(), QStringLiteral("&Yes"));
    translations.select(kLanguageFrench);
    EXPECT_EQ(yesText(), QStringLiteral("&Oui"));
}

TEST(QtTranslationsTest, MissingFilesKeepEnglish) {
    {
        TempDir empty;
        QtTranslations translations(QString::fromStdString(empty.path()));
        translations.select(kLanguageGerman);
        EXPECT_FALSE(translations.isInstalled());
        EXPECT_EQ(yesText(), QStringLiteral("&Yes"));
    }
    {
        QtTranslations translations;
        translations.select(kLanguageGerman);
        EXPECT_EQ(yesText(), QStringLiteral("&Ja"));
    }
    // Gone with its owner.
    EXPECT_EQ(yesText(), QStringLiteral("&Yes"));
}

TEST(QtTranslationsTest, MainWindowSwitchesQtTextsWithTheLanguage) {
    TempDir dir;
    ScriptedPrompter prompter;
    dir.write("settings.ini", "\r\n\r\n\r\n\r\n1\r\n0\r\nPNG\r\n1\r\n0\r\n\r\n\r\n\r\n\r\n7\r\n");
    CCorvaneLauncherApp app(dir.path(), prompter);
    auto window = std::make_unique<CCorvaneLauncherDlg>(app);
    window->initialise();
    EXPECT_EQ(yesButtonText(), QStringLiteral("&Ja"));

    // Choosing English in Settings brings Qt's English back at once.
    test::onNextModal([](QDialog* dialog) {
        auto* settings = qobject_cast<SettingsDlg*>(dialog);
        ASSERT_NE(settings, nullptr);
        settings->language()->list()->setCurrentRow(0);
        settings->buttons()->button(QDialogButtonBox::Ok)->click();
    });
    window->openSettings();
    EXPECT_EQ(app.languages().currentId(), kLanguageEnglish);
    EXPECT_EQ(yesButtonText(), QStringLiteral("&Yes"));

    test::onNextModal([](QDialog* dialog) {
        auto* settings = qobject_cast<SettingsDlg*>(dialog);
        ASSERT_NE(settings, nullptr);
        settings->language()->list()->setCurrentRow(3);  // Finnish
        settings->buttons()->button(QDialogButtonBox::Ok)->click();
    });
    window->openSettings();
    EXPECT_EQ(yesButtonText(), QStringLiteral("&Kyllä"));
    window.reset();
    EXPECT_EQ(yesButtonText(), QStringLiteral("&Yes"));
}

}  // namespace
}  // namespace corvane
