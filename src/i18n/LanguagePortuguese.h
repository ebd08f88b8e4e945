// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "i18n/Language.h"

namespace corvane {

// Portuguese texts for every key and identifier of the English catalogue, in Brazilian
// desktop wording (arquivo, pasta, banco de dados).
class LanguagePortuguese final : public Language {
public:
    LanguagePortuguese();

private:
    void fill() override;
    void fillKeys();
    void fillDialogIds();
    void fillMenuIds();
    void fillControlIds();
};

}  // namespace corvane
