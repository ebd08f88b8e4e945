// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/properties/GamePropertiesDlg.h"

#include <QDialogButtonBox>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>
#include <QVBoxLayout>

#include "emulator/EmulatorInstallation.h"
#include "i18n/LanguageManager.h"
#include "model/Game.h"
#include "ui/common/DialogIds.h"
#include "ui/common/IgnoreEnterEtc.h"
#include "ui/properties/GamePropertiesCapturesDlg.h"
#include "ui/properties/GamePropertiesCorvaneDlg.h"
#include "ui/properties/GamePropertiesLauncherDlg.h"
#include "ui/properties/GamePropertiesMSXGENIDDlg.h"
#include "ui/properties/PropertiesIds.h"

namespace corvane {

GamePropertiesDlg::GamePropertiesDlg(const LanguageManager& languages, Launcher& launcher,
                                     const std::string& corvanePath, const Game* profile,
                                     const std::string& database, const PropertiesSubject& subject,
                                     QWidget* parent)
    : CLocalized(kDlgProperties, languages, parent) {
    createWidgets(launcher, corvanePath, profile, database, subject);
    connectWidgets();
}

void GamePropertiesDlg::createWidgets(Launcher& launcher, const std::string& corvanePath,
                                      const Game* profile, const std::string& database,
                                      const PropertiesSubject& subject) {
    const LanguageManager& texts = languages();
    tabs_ = new QTabWidget(this);
    for (const PropertiesPage page : propertiesPages(profile, subject.entry.has_value())) {
        switch (page) {
            case PropertiesPage::Launcher:
                launcher_ =
                    new GamePropertiesLauncherDlg(*profile, database, subject.sha1, texts, tabs_);
                tabs_->addTab(launcher_, textForKey("L_LAUNCHER"));
                break;
            case PropertiesPage::CorvaneDatabase:
                corvane_ = new GamePropertiesCorvaneDlg(*subject.entry, texts, tabs_);
                tabs_->addTab(corvane_, textForKey("L_CORVANE_DB"));
                break;
            case PropertiesPage::Captures:
                captures_ = new GamePropertiesCapturesDlg(
                    launcher, profileCaptures(EmulatorInstallation(corvanePath), *profile), tabs_);
                tabs_->addTab(captures_, textForKey("L_CAPTURES"));
                break;
            case PropertiesPage::GenerationMsx:
                generationMsx_ =
                    new GamePropertiesMSXGENIDDlg(texts, launcher, profile->generationMsxId, tabs_);
                // The site's own name, the same in every language.
                tabs_->addTab(generationMsx_, QStringLiteral("Generation-MSX"));
                break;
        }
    }
    // Every tab in sight: the view is made wide enough for them all.
    tabs_->tabBar()->setUsesScrollButtons(false);
    // Only the OK button closes the view; Enter and Escape on a page stay there.
    IgnoreEnterEtc::install(tabs_);

    buttons_ = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    QPushButton* ok = buttons_->button(QDialogButtonBox::Ok);
    CLocalized::setCatalogueId(ok, kIdOk);
    // Enter and Escape close the view until the user moves into a page.
    ok->setDefault(true);
    ok->setFocus();

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(tabs_);
    layout->addWidget(buttons_);
}

void GamePropertiesDlg::connectWidgets() {
    connect(buttons_, &QDialogButtonBox::accepted, this, &QDialog::accept);
}

}  // namespace corvane
