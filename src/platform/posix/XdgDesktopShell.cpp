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

void XdgDesktopShell::openWithAssociatedProgram(const std::string& target, Done done) {
    if (!fileExists(target) && !isWebAddress(target)) {
        done(false);
        return;
    }
    open(target, std::move(done));
}

void XdgDesktopShell::revealFile(const std::string& path, Done done) {
    if (path.empty()) {
        open(currentDirectory(), std::move(done));
        return;
    }
    const std::string absolute = absolutePathOf(path);
    const std::string_view parent = parentPath(absolute);
    const std::string folder = parent.empty() ? std::string("/") : std::string(parent);
    if (!fileExists(absolute)) {
        // Nothing to select; the folder it was in still shows the user where to look.
        if (isDirectory(folder))
            open(folder, std::move(done));
        else
            done(false);
        return;
    }
    const std::optional<std::string> busClient = findTool_("dbus-send");
    if (!busClient) {
        open(folder, std::move(done));
        return;
    }
    // The handler may run after this shell is gone; it keeps what it needs by value.
    const std::optional<std::string> opener = findTool_("xdg-open");
    ProcessStarter& starter = starter_;
    starter_.runInBackground(
        *busClient, showItemsArguments(absolute), kFileManagerTimeout,
        [&starter, opener, folder, done = std::move(done)](std::optional<int> status) {
            if (status == 0)
                done(true);
            else if (opener)
                starter.runInBackground(*opener, {operand(folder)}, std::nullopt,
                                        [done](std::optional<int> s) { done(s == 0); });
            else
                done(false);
        });
}

void XdgDesktopShell::open(const std::string& target, Done done) {
    const std::optional<std::string> opener = findTool_("xdg-open");
    if (!opener) {
        done(false);
        return;
    }
    // xdg-open may wait for the program it starts, so it has no time limit.
    starter_.runInBackground(
        *opener, {operand(target)}, std::nullopt,
        [done = std::move(done)](std::optional<int> status) { done(status == 0); });
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

bool XdgDesktopShell::isWebAddress(const std::string& target) {
    const size_t colon = target.find(':');
    if (colon == std::string::npos || colon < 2 || colon + 1 == target.size())
        return false;
    const auto alpha = [](unsigned char c) {
        return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
    };
    if (!alpha(static_cast<unsigned char>(target[0])))
        return false;
    for (size_t i = 1; i < colon; ++i) {
        const auto c = static_cast<unsigned char>(target[i]);
        if (!alpha(c) && !(c >= '0' && c <= '9') && c != '+' && c != '-' && c != '.')
            return false;
    }
    return true;
}

}  // namespace corvane
