// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>

namespace corvane::test {

// A fresh directory under the system temporary folder, removed with everything in it.
class TempDir {
public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    const std::string& path() const { return path_; }
    std::string file(std::string_view name) const;
    // Writes bytes to name (relative to the directory) and returns the full path.
    std::string write(std::string_view name, std::string_view bytes) const;

private:
    std::string path_;
};

std::string readFile(const std::string& path);
bool runningAsRoot();

}  // namespace corvane::test
