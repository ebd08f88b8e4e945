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

    // A file must exist (xdg-open may start a program that then finds nothing); any other target
    // must be a web address. A non-zero exit of xdg-open is a failure.
    void openWithAssociatedProgram(const std::string& target, Done done) override;
    // Asks the file manager over D-Bus; when no file manager answers, opens the file's folder
    // instead. A missing file opens its folder, when that exists; a missing folder is a failure.
    void revealFile(const std::string& path, Done done) override;

    // The dbus-send arguments that ask the file manager to show the file (an absolute path).
    static std::vector<std::string> showItemsArguments(const std::string& absolutePath);
    // "file://" and the path, percent-encoded so blanks, quotes and commas survive.
    static std::string fileUri(const std::string& absolutePath);
    // Starts with a URI scheme of two or more characters and a colon ("https:", "mailto:"); a
    // drive letter is no scheme.
    static bool isWebAddress(const std::string& target);

private:
    // Hands an existing file, folder or a web address to xdg-open.
    void open(const std::string& target, Done done);

    ProcessStarter& starter_;
    ToolFinder findTool_;
};

}  // namespace corvane
