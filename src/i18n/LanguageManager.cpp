// SPDX-License-Identifier: GPL-3.0-or-later
#include "i18n/LanguageManager.h"

#include <algorithm>
#include <utility>

#include "i18n/CatalogueFactory.h"
#include "i18n/LanguageIds.h"

namespace corvane {

LanguageManager::LanguageManager() : makeCatalogue_(createCatalogue) {}

LanguageManager::LanguageManager(CatalogueMaker makeCatalogue)
    : makeCatalogue_(std::move(makeCatalogue)) {}

void LanguageManager::setLanguage(int id) {
    if (id != 0 && id == currentId_ && current_) {
        return;
    }
    // Only one catalogue is alive at a time: drop the old one before filling the new one.
    current_.reset();
    if (!isLanguageId(id)) {
        id = kLanguageEnglish;
    }
    current_ = makeCatalogue_(id);
    currentId_ = id;
}

std::string LanguageManager::textForId(int id) const {
    return current_ ? current_->textForId(id) : std::string();
}

std::string LanguageManager::text(std::string_view key) const {
    return current_ ? current_->textForKey(key) : std::string();
}

std::string LanguageManager::languageCode(int id) {
    const auto it = std::ranges::find(kLanguages, id, &LanguageEntry::id);
    return std::string(it == kLanguages.end() ? std::string_view("en") : it->code);
}

}  // namespace corvane
