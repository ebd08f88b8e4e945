// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/Settings.h"

#include <vector>

#include "common/AtomicFile.h"
#include "common/LineReader.h"
#include "common/Path.h"
#include "model/CParseIt.h"

namespace corvane {

namespace {

constexpr int kLineCount = 17;

bool flag(const std::string& value, bool byDefault) {
    if (value == "1")
        return true;
    if (value == "0")
        return false;
    return byDefault;
}

std::string layoutOf(const std::string& value) {
    if (value == kLayoutStretched || value == "Stretched")
        return kLayoutStretched;
    if (value == kLayoutTiled || value == "Tiled")
        return kLayoutTiled;
    return kLayoutCentred;
}

const char* bit(bool value) {
    return value ? "1" : "0";
}

}  // namespace

Settings loadSettings(const std::string& baseDirectory) {
    std::vector<std::string> lines;
    LineReader reader(joinPath(baseDirectory, kSettingsFileName));
    std::string line;
    while (lines.size() < kLineCount && reader.next(line))
        lines.push_back(line);
    lines.resize(kLineCount);

    Settings s;
    s.emulatorDirectory = lines[0];
    s.viewerPath = lines[1];
    s.defaultDatabaseName = lines[2];
    s.theme = lines[3];
    s.fullScreen = flag(lines[4], true);
    s.screenshotsOn = flag(lines[5], false);
    const std::string& type = lines[6];
    s.imageType = (type == "BMP" || type == "JPG" || type == "GIF") ? type : "PNG";
    s.screenshotCount = lines[7] == "2" ? 2 : 1;
    s.customBackground = flag(lines[8], false);
    s.backgroundImage = lines[9];
    s.backgroundLayout = layoutOf(lines[10]);
    s.openMsxDirectory = lines[11];
    s.openMsxArguments = lines[12];
    s.languageId = static_cast<int>(parseLeadingInteger(lines[13]));
    s.useDefaultViewer = lines[14] == "1";
    s.fmsxDirectory = lines[15];
    s.fmsxArguments = lines[16];
    return s;
}

namespace {
// A file that is there but cannot be read gave the defaults at start; writing what the dialog
// showed would replace the user's own settings with them.
bool readableOrMissing(const std::string& path) {
    LineReader reader(path);
    if (!reader.isOpen())
        return reader.missing();
    std::string line;
    while (reader.next(line)) {
    }
    return !reader.failed();
}
}  // namespace

bool saveSettings(const std::string& baseDirectory, const Settings& s) {
    const std::string path = joinPath(baseDirectory, kSettingsFileName);
    if (!readableOrMissing(path))
        return false;
    AtomicFileWriter out(path);
    if (!out.isOpen())
        return false;
    out.writeLine(s.emulatorDirectory);
    out.writeLine(s.viewerPath);
    out.writeLine(s.defaultDatabaseName);
    out.writeLine(s.theme);
    out.writeLine(bit(s.fullScreen));
    out.writeLine(bit(s.screenshotsOn));
    out.writeLine(s.effectiveImageType());
    out.writeLine(std::to_string(s.screenshotCount));
    out.writeLine(bit(s.customBackground));
    out.writeLine(s.backgroundImage);
    out.writeLine(s.backgroundLayout);
    out.writeLine(s.openMsxDirectory);
    out.writeLine(s.openMsxArguments);
    out.writeLine(std::to_string(s.languageId));
    out.writeLine(bit(s.useDefaultViewer));
    out.writeLine(s.fmsxDirectory);
    out.writeLine(s.fmsxArguments);
    return out.commit();
}

}  // namespace corvane
