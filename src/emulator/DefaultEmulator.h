// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

namespace corvane {

// Which emulator LAUNCH, Enter and double-click start. Kept in a file of its own beside
// settings.ini, whose fixed lines have no room for it.
enum class DefaultEmulator { Automatic = 0, Corvane = 1, OpenMSX = 2, FMSX = 3 };

inline constexpr const char* kDefaultEmulatorFileName = "default-emulator.txt";

// The stored choice; a missing, unreadable or unknown file content means Automatic.
DefaultEmulator readDefaultEmulator(const std::string& baseDirectory);
// Replaces the file atomically; false when it could not be written.
bool writeDefaultEmulator(const std::string& baseDirectory, DefaultEmulator choice);

}  // namespace corvane
