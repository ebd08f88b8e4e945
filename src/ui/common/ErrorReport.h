// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

#include "app/OperationResult.h"

namespace corvane {

class LanguageManager;
class Prompter;

// Shows the catalogue message of a failed change as an error; a null key (the change went
// through, or needs no word) shows nothing.
void reportError(Prompter& prompter, const LanguageManager& languages, const char* key);

// Shows that message as an error.
void reportResult(Prompter& prompter, const LanguageManager& languages, OperationResult result);

// Shows that the database is there but could not be read, naming it.
void reportUnreadable(Prompter& prompter, const LanguageManager& languages,
                      const std::string& database);

}  // namespace corvane
