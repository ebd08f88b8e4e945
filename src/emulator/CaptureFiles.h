// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <string_view>

namespace corvane {

class EmulatorInstallation;
class Game;

// What the primary emulator saves while a profile runs, each kind in a folder of its own.
enum class CaptureKind { QuickSaves, Screenshots, VideoCaptures, AudioCaptures };
inline constexpr size_t kCaptureKindCount = 4;

struct CaptureFolder {
    CaptureKind kind;
    std::string_view directory;  // under the Corvane Path
    std::string_view extension;
    size_t digits;  // of the number after the base name
};

inline constexpr std::array<CaptureFolder, kCaptureKindCount> kCaptureFolders{{
    {CaptureKind::QuickSaves, "QuickSave", "sta", 2},
    {CaptureKind::Screenshots, "Screenshots", "png", 4},
    {CaptureKind::VideoCaptures, "Video Capture", "cap", 2},
    {CaptureKind::AudioCaptures, "Audio Capture", "wav", 2},
}};

struct CaptureCount {
    size_t count = 0;
    std::string firstFile;  // full path of the first match in listing order; empty when none

    bool operator==(const CaptureCount&) const = default;
};

// The regular files of directory named base name, "_", exactly digits decimal digits, "." and
// the extension. Letter case is ignored, as the emulator's home platform does for the
// screenshots it shows. An empty base name matches nothing: a profile without a medium has no
// captures, even though the emulator may have saved files named "_00.sta".
CaptureCount countCaptures(const std::string& directory, std::string_view baseName,
                           std::string_view extension, size_t digits);

// The four counts of a profile's captures, in the order of kCaptureFolders. All are zero when the
// installation has no path, which would otherwise name folders under the working directory.
std::array<CaptureCount, kCaptureKindCount> profileCaptures(const EmulatorInstallation& emulator,
                                                            const Game& profile);

}  // namespace corvane
