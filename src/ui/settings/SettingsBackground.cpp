// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/settings/SettingsBackground.h"

#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QRadioButton>
#include <QVBoxLayout>

#include "i18n/LanguageManager.h"
#include "ui/common/CLocalized.h"
#include "ui/common/ItemBytes.h"
#include "ui/common/SignalBlocker.h"
#include "ui/settings/PathRow.h"
#include "ui/settings/SettingsIds.h"
#include "ui/settings/SettingsText.h"

namespace corvane {

SettingsBackground::SettingsBackground(const LanguageManager& languages, QWidget* parent)
    : QWidget(parent) {
    createWidgets(languages);
    connectWidgets();
    loadValues(Settings{});
}

void SettingsBackground::createWidgets(const LanguageManager& languages) {
    auto* group = new QGroupBox(QStringLiteral("Background Image"), this);
    CLocalized::setCatalogueId(group, kIdBackgroundImage);
    defaultImage_ = new QRadioButton(QStringLiteral("Default"), group);
    CLocalized::setCatalogueId(defaultImage_, kIdDefaultBackground);
    customImage_ = new QRadioButton(QStringLiteral("Custom image"), group);
    CLocalized::setCatalogueId(customImage_, kIdCustomBackground);
    imagePath_ = new PathRow(PathEdit::Kind::File, true, group);
    imagePath_->setFileChooser(fromBytes(languages.textForId(kIdBackgroundImage)),
                               catalogueText(languages, "L_IMAGES") +
                                   QStringLiteral(" (*.png,*.bmp,*.jpg,*.gif)|"
                                                  "*.png;*.bmp;*.jpg;*.gif|") +
                                   catalogueText(languages, "L_ALL_FILES") +
                                   QStringLiteral(" (*.*)|*.*||"),
                               QStringLiteral("png"));
    layout_ = new QComboBox(group);
    for (const char* key : {kLayoutCentred, kLayoutStretched, kLayoutTiled})
        layout_->addItem(catalogueText(languages, key), itemBytes(key));
    layoutLabel_ = new QLabel(QStringLiteral("Layout :"), group);
    CLocalized::setCatalogueId(layoutLabel_, kIdLayout);
    layoutLabel_->setBuddy(layout_);

    auto* layoutRow = new QHBoxLayout;
    layoutRow->addWidget(layoutLabel_);
    layoutRow->addWidget(layout_);
    layoutRow->addStretch(1);
    auto* groupLayout = new QVBoxLayout(group);
    groupLayout->addWidget(defaultImage_);
    groupLayout->addWidget(customImage_);
    groupLayout->addWidget(imagePath_);
    groupLayout->addLayout(layoutRow);
    auto* pageLayout = new QVBoxLayout(this);
    pageLayout->addWidget(group);
    pageLayout->addStretch(1);
}

void SettingsBackground::connectWidgets() {
    connect(customImage_, &QRadioButton::toggled, this, &SettingsBackground::updateEnabling);
}

void SettingsBackground::updateEnabling() {
    imagePath_->setEnabled(customImage_->isChecked());
    layout_->setEnabled(customImage_->isChecked());
    layoutLabel_->setEnabled(customImage_->isChecked());
}

void SettingsBackground::loadValues(const Settings& settings) {
    loaded_ = settings;
    {
        // Checking one of the pair unchecks the other.
        const auto filling = signalBlocking(customImage_);
        (settings.customBackground ? customImage_ : defaultImage_)->setChecked(true);
    }
    imagePath_->edit()->setText(fromBytes(settings.backgroundImage));
    const int index = layout_->findData(itemBytes(settings.backgroundLayout));
    layout_->setCurrentIndex(index >= 0 ? index : 0);
    updateEnabling();
}

void SettingsBackground::storeValues(Settings& settings) const {
    settings.customBackground = customImage_->isChecked();
    settings.backgroundImage = settingBytes(imagePath_->edit()->text(), loaded_.backgroundImage);
    settings.backgroundLayout = bytesOfItem(layout_->currentData());
}

}  // namespace corvane
