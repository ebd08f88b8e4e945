// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/DesktopShell.h"
#include "platform/ProcessStarter.h"
#include "platform/SystemTool.h"

namespace corvane {

// Freedesktop conventions: xdg-open for associated programs, the FileManager1 D-Bus interface
// for showing a file selected in its folder. Both tools are found as system tools.
class XdgDesktopShell : public DesktopShell {
public:
    // Gives the absolute path of a system tool, or none when it is not installed.
    using ToolFinder = std::function<std::optional<std::string>(std::string_view name)>;

    explicit XdgDesktopShell(ProcessStarter& starter, ToolFinder findTool = findSystemTool)
        : starter_(starter), findTool_(std::move(findTool)) {}

    bool openWithAssociatedProgram(const std::string& target) override;
    // Asks the file manager over D-Bus and waits for its answer; when no file manager answers,
    // opens the file's folder instead.
    bool revealFile(const std::string& path) override;

    // The dbus-send arguments that ask the file manager to show the file (an absolute path).
    static std::vector<std::string> showItemsArguments(const std::string& absolutePath);
    // "file://" and the path, percent-encoded so blanks, quotes and commas survive.
    static std::string fileUri(const std::string& absolutePath);

private:
    ProcessStarter& starter_;
    ToolFinder findTool_;
};

}  // namespace corvane
