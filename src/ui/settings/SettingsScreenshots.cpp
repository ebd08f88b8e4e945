// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/settings/SettingsScreenshots.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QLabel>
#include <QVBoxLayout>

#include "ui/common/CLocalized.h"
#include "ui/common/SignalBlocker.h"
#include "ui/common/TextCodec.h"
#include "ui/settings/SettingsIds.h"

namespace corvane {

SettingsScreenshots::SettingsScreenshots(QWidget* parent) : QWidget(parent) {
    createWidgets();
    connectWidgets();
    loadValues(Settings{});
}

void SettingsScreenshots::createWidgets() {
    enabled_ = new QCheckBox(QStringLiteral("Enable screenshots"), this);
    count_ = new QComboBox(this);
    imageType_ = new QComboBox(this);
    CLocalized::setCatalogueId(enabled_, kIdEnableScreenshots);
    count_->addItems({QStringLiteral("1"), QStringLiteral("2")});
    imageType_->addItems({QStringLiteral("PNG"), QStringLiteral("BMP"), QStringLiteral("JPG"),
                          QStringLiteral("GIF")});

    auto* countLabel = new QLabel(QStringLiteral("Number of screenshots :"), this);
    CLocalized::setCatalogueId(countLabel, kIdScreenshotCount);
    auto* typeLabel = new QLabel(QStringLiteral("Image type :"), this);
    CLocalized::setCatalogueId(typeLabel, kIdImageType);
    auto* note = new QLabel(
        QStringLiteral("Note: optimal image size is 272x240 (RAlt+F11 in Corvane)"), this);
    CLocalized::setCatalogueId(note, kIdScreenshotNote);
    note->setWordWrap(true);

    auto* form = new QFormLayout;
    form->setFieldGrowthPolicy(QFormLayout::FieldsStayAtSizeHint);
    form->addRow(countLabel, count_);
    form->addRow(typeLabel, imageType_);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(enabled_);
    layout->addLayout(form);
    layout->addSpacing(12);
    layout->addWidget(note);
    layout->addStretch(1);
}

void SettingsScreenshots::connectWidgets() {
    connect(enabled_, &QCheckBox::toggled, this, &SettingsScreenshots::updateEnabling);
}

void SettingsScreenshots::updateEnabling() {
    count_->setEnabled(enabled_->isChecked());
    imageType_->setEnabled(enabled_->isChecked());
}

void SettingsScreenshots::loadValues(const Settings& settings) {
    signalBlocking(enabled_)->setChecked(settings.screenshotsOn);
    count_->setCurrentIndex(settings.screenshotCount == 2 ? 1 : 0);
    const int type = imageType_->findText(fromBytes(settings.imageType));
    imageType_->setCurrentIndex(type >= 0 ? type : 0);
    updateEnabling();
}

void SettingsScreenshots::storeValues(Settings& settings) const {
    settings.screenshotsOn = enabled_->isChecked();
    settings.screenshotCount = count_->currentIndex() + 1;
    // While screenshots are off the type list is not a choice the user made.
    settings.imageType = toBytes(imageType_->currentText());
}

}  // namespace corvane
