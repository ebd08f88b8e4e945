// SPDX-License-Identifier: GPL-3.0-or-later
#include "i18n/CatalogueFactory.h"

#include <algorithm>
#include <array>

#include "i18n/LanguageCatalan.h"
#include "i18n/LanguageDutch.h"
#include "i18n/LanguageEnglish.h"
#include "i18n/LanguageFinnish.h"
#include "i18n/LanguageFrench.h"
#include "i18n/LanguageGerman.h"
#include "i18n/LanguageIds.h"
#include "i18n/LanguageItalian.h"
#include "i18n/LanguagePortuguese.h"
#include "i18n/LanguageSpanish.h"
#include "i18n/LanguageSwedish.h"

namespace corvane {

namespace {

using CatalogueMaker = std::unique_ptr<Language> (*)();

template <class Catalogue>
std::unique_ptr<Language> make() {
    return std::make_unique<Catalogue>();
}

struct RegisteredCatalogue {
    int languageId;
    CatalogueMaker make;
};

// ---------------------------------------------------------------------------------------
// Every language that has its own catalogue, one line each. Adding a translation means
// including its header above and adding its line here; nothing else refers to the classes.
// ---------------------------------------------------------------------------------------
constexpr std::array kCatalogues{
    RegisteredCatalogue{kLanguageEnglish, &make<LanguageEnglish>},
    RegisteredCatalogue{kLanguageCatalan, &make<LanguageCatalan>},
    RegisteredCatalogue{kLanguageDutch, &make<LanguageDutch>},
    RegisteredCatalogue{kLanguageFinnish, &make<LanguageFinnish>},
    RegisteredCatalogue{kLanguageFrench, &make<LanguageFrench>},
    RegisteredCatalogue{kLanguageGerman, &make<LanguageGerman>},
    RegisteredCatalogue{kLanguageItalian, &make<LanguageItalian>},
    RegisteredCatalogue{kLanguageSpanish, &make<LanguageSpanish>},
    RegisteredCatalogue{kLanguagePortuguese, &make<LanguagePortuguese>},
    RegisteredCatalogue{kLanguageSwedish, &make<LanguageSwedish>},
};

}  // namespace

std::unique_ptr<Language> createCatalogue(int languageId) {
    const auto it = std::ranges::find(kCatalogues, languageId, &RegisteredCatalogue::languageId);
    return it == kCatalogues.end() ? std::make_unique<LanguageEnglish>() : it->make();
}

std::vector<CatalogueEntry> allCatalogues() {
    std::vector<CatalogueEntry> all;
    all.reserve(kCatalogues.size());
    for (const RegisteredCatalogue& registered : kCatalogues) {
        all.push_back({registered.languageId, registered.make()});
    }
    return all;
}

}  // namespace corvane
