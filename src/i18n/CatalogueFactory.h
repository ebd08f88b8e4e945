// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <memory>
#include <vector>

#include "i18n/Language.h"

namespace corvane {

struct CatalogueEntry {
    int languageId;
    std::unique_ptr<Language> catalogue;
};

// The catalogue of a language identifier; English for a language not translated yet.
std::unique_ptr<Language> createCatalogue(int languageId);

// One freshly filled catalogue per language that has its own, English first. Checks that
// must hold for every language loop over this list.
std::vector<CatalogueEntry> allCatalogues();

}  // namespace corvane
