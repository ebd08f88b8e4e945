// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

namespace corvane {

class CancelCheck;

// Digest text (upper case) of one member of a ZIP archive, the first member when memberName is
// empty; a member of exactly that name comes first, else one whose name differs only in letter
// case. Empty on any failure, and when cancel (may be null) stops the read.
std::string HashZipMember(const std::string& zipPath, const std::string& memberName,
                          CancelCheck* cancel = nullptr);

// Lower-case SHA-1 of a medium: the member `entry` of a ".zip" file, otherwise the file itself.
// Empty when it cannot be read, and when cancel (may be null) stops the read.
std::string MediumSha1(const std::string& file, const std::string& entry,
                       CancelCheck* cancel = nullptr);

}  // namespace corvane
