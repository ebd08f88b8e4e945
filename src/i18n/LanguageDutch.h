// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "i18n/Language.h"

namespace corvane {

// Dutch texts; keys and identifiers mirror the English catalogue exactly.
class LanguageDutch final : public Language {
public:
    LanguageDutch();

private:
    void fill() override;
    void fillKeys();
    void fillDialogIds();
    void fillMenuIds();
    void fillControlIds();
};

}  // namespace corvane
