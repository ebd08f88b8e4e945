// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/UnreadableDatabase.h"

#include "common/TextSource.h"

namespace corvane {

std::string unreadableDatabaseText(const TextSource& texts, const std::string& database) {
    return texts.text("M_ERR_FILE_IO") + ": \"" + database + "\"";
}

}  // namespace corvane
