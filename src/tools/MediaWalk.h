// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "model/StoredField.h"
#include "tools/FillRequest.h"

namespace corvane {

class Progress;

// A file the fill makes profiles of: one medium, or an archive whose media it looks at.
struct FoundMedium {
    enum class Kind { Rom, Disk, HardDisk, Tape, Zip };
    std::string path;
    std::string name;       // the file name, as found
    std::string directory;  // the folder scanned when it was found, shown while it is hashed
    Kind kind = Kind::Rom;
};

// Disk images above this size (720 KB) are hard disks.
inline constexpr std::uint64_t kLargestDiskImage = 737280;

// The medium kind of a loose file by its name and size, among the kinds chosen; none for a file
// that is not looked at.
bool classifyMedium(const std::string& name, std::uint64_t size, const FillMedia& media,
                    FoundMedium::Kind& kind);

// Finds the media files under the paths of a fill, in order: each folder's entries by name,
// a subfolder's files where the subfolder stands. Unreadable folders and media files are
// counted and passed over; a folder reached twice (through a symbolic link) is scanned once.
// The folder being scanned is reported as the status.
class MediaWalk {
public:
    MediaWalk(const FillMedia& media, bool subdirectories, Progress& progress);

    // A folder is scanned; anything else is looked at as one file.
    void add(const std::string& path);

    std::vector<FoundMedium>& found() { return found_; }
    // Folders and media files that could not be read or stored.
    int notRead() const { return notRead_; }
    bool stopped() const { return stopped_; }

private:
    void scan(const std::string& directory);
    void consider(const std::string& path, const std::string& name, const std::string& directory,
                  std::uint64_t size);

    FillMedia media_;
    bool subdirectories_;
    Progress& progress_;
    std::vector<FoundMedium> found_;
    std::set<std::pair<std::uint64_t, std::uint64_t>> visited_;  // device and inode
    int notRead_ = 0;
    bool stopped_ = false;
};

}  // namespace corvane
