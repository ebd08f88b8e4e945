// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

namespace corvane {

inline constexpr const char* kSettingsFileName = "settings.ini";
inline constexpr const char* kLayoutCentred = "BG_IMAGE_LAYOUT_CENTRED";
inline constexpr const char* kLayoutStretched = "BG_IMAGE_LAYOUT_STRETCHED";
inline constexpr const char* kLayoutTiled = "BG_IMAGE_LAYOUT_TILED";

// The seventeen values of settings.ini, in file order, already normalised.
struct Settings {
    std::string emulatorDirectory;
    std::string viewerPath;
    std::string defaultDatabaseName;
    std::string theme;
    bool fullScreen = true;
    bool screenshotsOn = false;
    std::string imageType = "PNG";
    int screenshotCount = 1;
    bool customBackground = false;
    std::string backgroundImage;
    std::string backgroundLayout = kLayoutCentred;
    std::string openMsxDirectory;
    std::string openMsxArguments;
    int languageId = 0;
    bool useDefaultViewer = false;
    std::string fmsxDirectory;
    std::string fmsxArguments;

    bool operator==(const Settings&) const = default;

    // The image type only means something while screenshots are shown; otherwise it is PNG.
    std::string effectiveImageType() const { return screenshotsOn ? imageType : "PNG"; }
};

// Reads baseDirectory/settings.ini; a missing or short file gives the defaults for what is missing.
Settings loadSettings(const std::string& baseDirectory);
// Replaces baseDirectory/settings.ini atomically; false on any failed step (file unchanged), and
// without writing when the file is there but cannot be read whole.
bool saveSettings(const std::string& baseDirectory, const Settings& settings);

}  // namespace corvane
