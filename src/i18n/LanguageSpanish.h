// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "i18n/Language.h"

namespace corvane {

// Spanish (Spain) texts in the terms of Spanish desktop software: Aceptar, Examinar,
// Configuración, usted form in messages, infinitives for commands.
class LanguageSpanish final : public Language {
public:
    LanguageSpanish();

private:
    void fill() override;
    void fillKeys();
    void fillDialogIds();
    void fillMenuIds();
    void fillControlIds();
};

}  // namespace corvane
