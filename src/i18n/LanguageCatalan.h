// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "i18n/Language.h"

namespace corvane {

// Catalan texts in the terms of Catalan desktop software: D'acord, Navega, Configuració;
// commands in the imperative, messages addressing the user as vós.
class LanguageCatalan final : public Language {
public:
    LanguageCatalan();

private:
    void fill() override;
    void fillKeys();
    void fillDialogIds();
    void fillMenuIds();
    void fillControlIds();
};

}  // namespace corvane
