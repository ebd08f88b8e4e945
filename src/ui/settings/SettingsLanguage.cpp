// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/settings/SettingsLanguage.h"

#include <QLabel>
#include <QListWidget>
#include <QVBoxLayout>
#include <algorithm>

#include "i18n/LanguageIds.h"
#include "i18n/LanguageManager.h"
#include "ui/common/CLocalized.h"
#include "ui/common/TextCodec.h"
#include "ui/resources/Flags.h"
#include "ui/settings/SettingsIds.h"

namespace corvane {

SettingsLanguage::SettingsLanguage(const LanguageManager& languages, QWidget* parent)
    : QWidget(parent), languages_(languages) {
    // The page reacts to nothing: the chosen language is read when the dialog closes.
    createWidgets();
    loadValues(Settings{});
}

void SettingsLanguage::createWidgets() {
    list_ = new QListWidget(this);
    auto* label = new QLabel(QStringLiteral("Language :"), this);
    CLocalized::setCatalogueId(label, kIdLanguageLabel);
    label->setBuddy(list_);
    list_->setViewMode(QListView::IconMode);
    list_->setIconSize(QSize(48, 32));
    list_->setMovement(QListView::Static);
    list_->setResizeMode(QListView::Adjust);
    list_->setWrapping(true);
    list_->setSelectionMode(QAbstractItemView::SingleSelection);
    for (const LanguageEntry& entry : kLanguages) {
        auto* item = new QListWidgetItem(languageFlagIcon(entry.id),
                                         fromBytes(languages_.textForId(entry.id)), list_);
        item->setData(Qt::UserRole, entry.id);
        item->setTextAlignment(Qt::AlignHCenter | Qt::AlignTop);
    }
    // Cells as wide as the longest language name, so no name is cut in any language.
    int widest = 0;
    for (int row = 0; row < list_->count(); ++row)
        widest = std::max(widest, list_->fontMetrics().horizontalAdvance(list_->item(row)->text()));
    list_->setGridSize(QSize(std::max(96, widest + 24), 72));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(label);
    layout->addWidget(list_, 1);
}

void SettingsLanguage::loadValues(const Settings&) {
    const int current = languages_.currentId();
    for (int row = 0; row < list_->count(); ++row) {
        if (list_->item(row)->data(Qt::UserRole).toInt() == current) {
            list_->setCurrentRow(row);
            return;
        }
    }
    list_->setCurrentRow(-1);
}

void SettingsLanguage::storeValues(Settings& settings) const {
    const QListWidgetItem* item = list_->currentItem();
    if (item && item->isSelected())
        settings.languageId = item->data(Qt::UserRole).toInt();
}

}  // namespace corvane
