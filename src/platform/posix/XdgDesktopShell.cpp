// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/posix/XdgDesktopShell.h"

#include <filesystem>
#include <system_error>

#include "common/Path.h"

namespace corvane {

namespace {

constexpr std::chrono::milliseconds kFileManagerTimeout{6000};

std::string currentDirectory() {
    std::error_code ec;
    const std::filesystem::path cwd = std::filesystem::current_path(ec);
    return ec ? std::string(".") : cwd.string();
}

std::string absolutePathOf(const std::string& path) {
    if (!path.empty() && path.front() == '/')
        return path;
    return joinPath(currentDirectory(), path);
}

// xdg-open would read a leading "-" as an option.
std::string operand(const std::string& target) {
    return (!target.empty() && target.front() == '-') ? "./" + target : target;
}

bool isUnreserved(unsigned char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '-' ||
           c == '.' || c == '_' || c == '~' || c == '/';
}

}  // namespace

bool XdgDesktopShell::openWithAssociatedProgram(const std::string& target) {
    const std::optional<std::string> opener = findTool_("xdg-open");
    return opener && starter_.start(*opener, {operand(target)});
}

bool XdgDesktopShell::revealFile(const std::string& path) {
    if (path.empty())
        return openWithAssociatedProgram(currentDirectory());
    const std::string absolute = absolutePathOf(path);
    if (const std::optional<std::string> busClient = findTool_("dbus-send")) {
        const std::optional<int> status =
            starter_.run(*busClient, showItemsArguments(absolute), kFileManagerTimeout);
        if (status && *status == 0)
            return true;
    }
    const std::string_view folder = parentPath(absolute);
    return openWithAssociatedProgram(folder.empty() ? std::string("/") : std::string(folder));
}

std::vector<std::string> XdgDesktopShell::showItemsArguments(const std::string& absolutePath) {
    // --print-reply makes dbus-send wait, so its exit status says whether a file manager answered.
    return {"--session",
            "--print-reply",
            "--reply-timeout=5000",
            "--dest=org.freedesktop.FileManager1",
            "--type=method_call",
            "/org/freedesktop/FileManager1",
            "org.freedesktop.FileManager1.ShowItems",
            "array:string:" + fileUri(absolutePath),
            "string:"};
}

std::string XdgDesktopShell::fileUri(const std::string& absolutePath) {
    static constexpr char kHex[] = "0123456789ABCDEF";
    std::string uri = "file://";
    for (const char ch : absolutePath) {
        const auto c = static_cast<unsigned char>(ch);
        if (isUnreserved(c)) {
            uri += ch;
        } else {
            uri += '%';
            uri += kHex[c >> 4];
            uri += kHex[c & 0x0F];
        }
    }
    return uri;
}

}  // namespace corvane
