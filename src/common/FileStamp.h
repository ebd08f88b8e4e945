// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>

namespace corvane {

// Tells whether a file was replaced or changed since it was last seen: every rewrite puts a new
// file in its place, and an append changes its size and time.
struct FileStamp {
    unsigned long long device = 0;
    unsigned long long inode = 0;
    long long size = 0;
    long long modifiedSeconds = 0;
    long long modifiedNanoseconds = 0;

    bool operator==(const FileStamp&) const = default;
};

// The stamp of the file a path names (a symbolic link followed); none when nothing is there.
std::optional<FileStamp> fileStamp(const std::string& path);

}  // namespace corvane
