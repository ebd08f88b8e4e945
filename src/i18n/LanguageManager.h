// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <string_view>

#include "common/TextSource.h"
#include "i18n/Language.h"

namespace corvane {

// Owns the one catalogue of the current language; the rest of the program asks it for texts.
class LanguageManager : public TextSource {
public:
    using CatalogueMaker = std::function<std::unique_ptr<Language>(int languageId)>;

    // Catalogues come from createCatalogue; tests pass their own maker to watch the lifecycle.
    LanguageManager();
    explicit LanguageManager(CatalogueMaker makeCatalogue);

    // Identifier 0, or one that differs from the current one, replaces the catalogue; an
    // identifier outside the ten languages gives English and records 9. Setting the current
    // non-zero identifier again keeps the catalogue.
    void setLanguage(int id);

    // 0 until the first setLanguage.
    int currentId() const { return currentId_; }
    const Language* current() const { return current_.get(); }

    // Both answer the empty text while there is no catalogue.
    std::string textForId(int id) const;
    std::string text(std::string_view key) const override;

    // Two-letter code of a language identifier; "en" for anything else.
    static std::string languageCode(int id);

private:
    CatalogueMaker makeCatalogue_;
    int currentId_ = 0;
    std::unique_ptr<Language> current_;
};

}  // namespace corvane
