// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/settings/SettingsEmulators.h"

#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

#include "i18n/LanguageManager.h"
#include "ui/common/CLocalized.h"
#include "ui/settings/PathRow.h"
#include "ui/settings/SettingsIds.h"
#include "ui/settings/SettingsText.h"

namespace corvane {

namespace {

struct EmulatorIds {
    int group;
    int path;
    int arguments;
};

QGroupBox* emulatorGroup(const QString& title, EmulatorIds ids, const QString& chooserCaption,
                         PathRow*& path, QLineEdit*& arguments, QWidget* parent) {
    auto* group = new QGroupBox(title, parent);
    CLocalized::setCatalogueId(group, ids.group);
    path = new PathRow(PathEdit::Kind::Folder, false, group);
    path->setFolderChooser(chooserCaption);
    arguments = new QLineEdit(group);
    auto* pathLabel = new QLabel(QStringLiteral("Path"), group);
    CLocalized::setCatalogueId(pathLabel, ids.path);
    pathLabel->setBuddy(path->edit());
    auto* argumentsLabel = new QLabel(QStringLiteral("Arguments"), group);
    CLocalized::setCatalogueId(argumentsLabel, ids.arguments);
    argumentsLabel->setBuddy(arguments);
    auto* form = new QFormLayout(group);
    form->setFieldGrowthPolicy(QFormLayout::AllNonFixedFieldsGrow);
    form->addRow(pathLabel, path);
    form->addRow(argumentsLabel, arguments);
    return group;
}

}  // namespace

SettingsEmulators::SettingsEmulators(const LanguageManager& languages, QWidget* parent)
    : QWidget(parent) {
    // The page reacts to nothing: what is typed is read when the dialog closes.
    createWidgets(languages);
    loadValues(Settings{});
}

void SettingsEmulators::createWidgets(const LanguageManager& languages) {
    const QString chooserCaption = catalogueText(languages, "M_SEL_DIR");
    auto* layout = new QVBoxLayout(this);
    auto* defaultGroup = new QGroupBox(QStringLiteral("Default Emulator"), this);
    CLocalized::setCatalogueId(defaultGroup, kIdDefaultEmulator);
    defaultEmulator_ = new QComboBox(defaultGroup);
    // Program names stay as they are in every language; the item data is the stored choice.
    defaultEmulator_->addItem(fromBytes(languages.textForId(kIdAutomaticEmulator)),
                              static_cast<int>(DefaultEmulator::Automatic));
    defaultEmulator_->addItem(QStringLiteral("Corvane"),
                              static_cast<int>(DefaultEmulator::Corvane));
    defaultEmulator_->addItem(QStringLiteral("openMSX"),
                              static_cast<int>(DefaultEmulator::OpenMSX));
    defaultEmulator_->addItem(QStringLiteral("fMSX"), static_cast<int>(DefaultEmulator::FMSX));
    auto* defaultLayout = new QHBoxLayout(defaultGroup);
    defaultLayout->addWidget(defaultEmulator_);
    defaultLayout->addStretch(1);
    layout->addWidget(defaultGroup);
    layout->addWidget(emulatorGroup(QStringLiteral("openMSX Settings"),
                                    {kIdOpenMsxSettings, kIdOpenMsxPath, kIdOpenMsxArguments},
                                    chooserCaption, openMsxPath_, openMsxArguments_, this));
    layout->addWidget(emulatorGroup(QStringLiteral("fMSX Settings"),
                                    {kIdFmsxSettings, kIdFmsxPath, kIdFmsxArguments},
                                    chooserCaption, fmsxPath_, fmsxArguments_, this));
    layout->addStretch(1);
}

void SettingsEmulators::loadValues(const Settings& settings) {
    loaded_ = settings;
    openMsxPath_->edit()->setText(fromBytes(settings.openMsxDirectory));
    openMsxArguments_->setText(fromBytes(settings.openMsxArguments));
    fmsxPath_->edit()->setText(fromBytes(settings.fmsxDirectory));
    fmsxArguments_->setText(fromBytes(settings.fmsxArguments));
}

void SettingsEmulators::loadDefaultEmulator(DefaultEmulator choice) {
    defaultEmulator_->setCurrentIndex(defaultEmulator_->findData(static_cast<int>(choice)));
}

DefaultEmulator SettingsEmulators::defaultEmulator() const {
    return static_cast<DefaultEmulator>(defaultEmulator_->currentData().toInt());
}

void SettingsEmulators::storeValues(Settings& settings) const {
    settings.openMsxDirectory =
        settingBytes(openMsxPath_->edit()->text(), loaded_.openMsxDirectory);
    settings.openMsxArguments = settingBytes(openMsxArguments_->text(), loaded_.openMsxArguments);
    settings.fmsxDirectory = settingBytes(fmsxPath_->edit()->text(), loaded_.fmsxDirectory);
    settings.fmsxArguments = settingBytes(fmsxArguments_->text(), loaded_.fmsxArguments);
}

}  // namespace corvane
