// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "i18n/Language.h"

namespace corvane {

// French texts for every key and identifier of the English catalogue.
class LanguageFrench final : public Language {
public:
    LanguageFrench();

private:
    void fill() override;
    void fillKeys();
    void fillDialogIds();
    void fillMenuIds();
    void fillControlIds();
};

}  // namespace corvane
