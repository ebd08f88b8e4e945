// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/settings/SettingsGeneral.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QRadioButton>
#include <QVBoxLayout>

#include "emulator/EmulatorInstallation.h"
#include "i18n/LanguageManager.h"
#include "ui/common/CLocalized.h"
#include "ui/common/ItemBytes.h"
#include "ui/common/SignalBlocker.h"
#include "ui/settings/PathRow.h"
#include "ui/settings/SettingsIds.h"
#include "ui/settings/SettingsText.h"

namespace corvane {

namespace {

constexpr const char* kThemeDefault = "default";
constexpr const char* kThemeClassic = "classic";

#ifdef _WIN32
constexpr bool kExecutablesByPattern = true;
#else
constexpr bool kExecutablesByPattern = false;
#endif

}  // namespace

SettingsGeneral::SettingsGeneral(const LanguageManager& languages,
                                 const std::vector<std::string>& databases, QWidget* parent)
    : QWidget(parent), languages_(languages) {
    createWidgets(databases);
    connectWidgets();
    loadValues(Settings{});
}

void SettingsGeneral::createWidgets(const std::vector<std::string>& databases) {
    auto* pathGroup = new QGroupBox(QStringLiteral("Corvane Path"), this);
    CLocalized::setCatalogueId(pathGroup, kIdCorvanePath);
    emulatorPath_ = new PathRow(PathEdit::Kind::Folder, false, pathGroup);
    emulatorPath_->setFolderChooser(catalogueText(languages_, "M_SEL_DIR"));
    auto* pathLayout = new QVBoxLayout(pathGroup);
    pathLayout->addWidget(emulatorPath_);

    auto* viewerGroup = new QGroupBox(QStringLiteral("Info File Viewer"), this);
    CLocalized::setCatalogueId(viewerGroup, kIdInfoViewer);
    defaultViewer_ =
        new QRadioButton(QStringLiteral("Use Default Viewer for Each Info File"), viewerGroup);
    CLocalized::setCatalogueId(defaultViewer_, kIdUseDefaultViewer);
    specificViewer_ = new QRadioButton(QStringLiteral("Use Specific Viewer"), viewerGroup);
    CLocalized::setCatalogueId(specificViewer_, kIdUseSpecificViewer);
    viewerPath_ = new PathRow(PathEdit::Kind::File, true, viewerGroup);
    // Programs here carry no ".exe", so the first filter selects by the execute permission.
    const QString executables =
        kExecutablesByPattern ? QStringLiteral(" (*.exe)|*.exe|") : QStringLiteral(" (*)|*|");
    viewerPath_->setFileChooser(
        fromBytes(languages_.textForId(kIdInfoViewer)),
        catalogueText(languages_, "L_EXECUTABLES") + executables +
            catalogueText(languages_, "L_ALL_FILES") + QStringLiteral(" (*.*)|*.*||"),
        kExecutablesByPattern ? QStringLiteral("exe") : QString(), !kExecutablesByPattern);
    auto* viewerLayout = new QVBoxLayout(viewerGroup);
    viewerLayout->addWidget(defaultViewer_);
    viewerLayout->addWidget(specificViewer_);
    viewerLayout->addWidget(viewerPath_);

    auto* databaseGroup = new QGroupBox(QStringLiteral("Default Database"), this);
    CLocalized::setCatalogueId(databaseGroup, kIdDefaultDatabase);
    database_ = new QComboBox(databaseGroup);
    for (const std::string& name : databases)
        database_->addItem(fromBytes(name), itemBytes(name));
    database_->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    database_->setMinimumContentsLength(20);
    auto* databaseLayout = new QHBoxLayout(databaseGroup);
    databaseLayout->addWidget(database_);
    databaseLayout->addStretch(1);

    auto* windowGroup = new QGroupBox(QStringLiteral("Emulator Window"), this);
    CLocalized::setCatalogueId(windowGroup, kIdEmulatorWindow);
    fullScreen_ = new QCheckBox(QStringLiteral("Full Screen"), windowGroup);
    CLocalized::setCatalogueId(fullScreen_, kIdFullScreen);
    auto* themeLabel = new QLabel(QStringLiteral("Theme :"), windowGroup);
    CLocalized::setCatalogueId(themeLabel, kIdTheme);
    theme_ = new QComboBox(windowGroup);
    theme_->setMinimumContentsLength(20);
    themeLabel->setBuddy(theme_);
    auto* themeRow = new QHBoxLayout;
    themeRow->addWidget(themeLabel);
    themeRow->addWidget(theme_);
    themeRow->addStretch(1);
    auto* windowLayout = new QVBoxLayout(windowGroup);
    windowLayout->addWidget(fullScreen_);
    windowLayout->addLayout(themeRow);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(pathGroup);
    layout->addWidget(viewerGroup);
    layout->addWidget(databaseGroup);
    layout->addWidget(windowGroup);
    layout->addStretch(1);
}

void SettingsGeneral::connectWidgets() {
    connect(defaultViewer_, &QRadioButton::toggled, this, &SettingsGeneral::updateEnabling);
    // A newly typed, dropped or chosen Corvane Path brings its own themes.
    connect(emulatorPath_->edit(), &QLineEdit::textChanged, this,
            [this] { fillThemes(selectedTheme()); });
}

void SettingsGeneral::updateEnabling() {
    viewerPath_->setEnabled(!defaultViewer_->isChecked());
}

std::string SettingsGeneral::emulatorDirectory() const {
    return settingBytes(emulatorPath_->edit()->text(), loaded_.emulatorDirectory);
}

std::string SettingsGeneral::selectedTheme() const {
    if (theme_->currentIndex() < 0)
        return loaded_.theme;
    return bytesOfItem(theme_->currentData());
}

void SettingsGeneral::fillThemes(const std::string& selectedValue) {
    theme_->clear();
    const EmulatorInstallation installation(emulatorDirectory());
    if (!installation.isValid(false))
        return;
    theme_->addItem(catalogueText(languages_, "L_DEFAULT"), QByteArray(kThemeDefault));
    theme_->addItem(catalogueText(languages_, "L_CLASSIC"), QByteArray(kThemeClassic));
    for (const std::string& name : installation.themeNames())
        theme_->addItem(fromBytes(name), itemBytes(name));
    const int index = theme_->findData(itemBytes(selectedValue));
    theme_->setCurrentIndex(index >= 0 ? index : 0);
}

void SettingsGeneral::loadValues(const Settings& settings) {
    loaded_ = settings;
    // Themes are listed once, selecting the loaded one, not on the new text.
    signalBlocking(emulatorPath_->edit())->setText(fromBytes(settings.emulatorDirectory));
    fillThemes(settings.theme);
    {
        // Checking one of the pair unchecks the other.
        const auto filling = signalBlocking(defaultViewer_);
        (settings.useDefaultViewer ? defaultViewer_ : specificViewer_)->setChecked(true);
    }
    viewerPath_->edit()->setText(fromBytes(settings.viewerPath));
    database_->setCurrentIndex(database_->findData(itemBytes(settings.defaultDatabaseName)));
    fullScreen_->setChecked(settings.fullScreen);
    updateEnabling();
}

void SettingsGeneral::storeValues(Settings& settings) const {
    settings.emulatorDirectory = emulatorDirectory();
    settings.viewerPath = settingBytes(viewerPath_->edit()->text(), loaded_.viewerPath);
    settings.useDefaultViewer = defaultViewer_->isChecked();
    // Nothing chosen (no databases, or the default one was deleted) means no default database.
    settings.defaultDatabaseName =
        database_->currentIndex() >= 0 ? bytesOfItem(database_->currentData()) : std::string();
    settings.fullScreen = fullScreen_->isChecked();
    // An empty theme list (no valid Corvane Path) offers no choice: keep the theme as it was.
    if (theme_->currentIndex() >= 0)
        settings.theme = selectedTheme();
}

}  // namespace corvane
