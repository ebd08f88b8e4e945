// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace corvane::demo {

// The layout of a FAT12 volume as its boot sector describes it.
struct FatGeometry {
    uint16_t totalSectors;
    uint8_t sectorsPerCluster;
    uint16_t rootEntries;  // a multiple of 16: whole sectors
    uint8_t media;
    uint16_t sectorsPerFat;
    uint16_t sectorsPerTrack;
    uint16_t heads;
};

// A 3.5" double-sided double-density disk: 720 KB, as MSX-DOS formats it.
inline constexpr FatGeometry kDoubleSidedDisk{1440, 2, 112, 0xF9, 3, 9, 2};
// A small hard disk of 1 MB holding one FAT12 volume without a partition table.
inline constexpr FatGeometry kSmallHardDisk{2048, 4, 112, 0xF8, 2, 32, 2};

struct FatFile {
    std::string name;       // up to eight characters, upper case
    std::string extension;  // up to three
    std::string bytes;
};

// The bytes of a FAT12 volume with these files in its root folder, each in consecutive clusters,
// all dated 1 January 2025 so that the same files give the same image. Its boot sector starts
// like an MSX-DOS one and its boot code only returns, so a disk ROM that boots it goes on to
// Disk BASIC. None when a name is not a valid short name, the files do not fit or the geometry
// is not that of a FAT12 volume.
std::optional<std::string> buildFatImage(const FatGeometry& geometry,
                                         const std::vector<FatFile>& files);

}  // namespace corvane::demo
