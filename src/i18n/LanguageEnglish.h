// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "i18n/Language.h"

namespace corvane {

// The reference catalogue: every other language carries exactly its keys and identifiers.
class LanguageEnglish final : public Language {
public:
    LanguageEnglish();

private:
    void fill() override;
    void fillKeys();
    void fillDialogIds();
    void fillMenuIds();
    void fillControlIds();
};

}  // namespace corvane
