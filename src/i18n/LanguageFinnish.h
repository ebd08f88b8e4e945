// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "i18n/Language.h"

namespace corvane {

// Finnish texts under the same keys and identifiers as the English catalogue.
class LanguageFinnish final : public Language {
public:
    LanguageFinnish();

private:
    void fill() override;
    void fillKeys();
    void fillDialogIds();
    void fillMenuIds();
    void fillControlIds();
};

}  // namespace corvane
