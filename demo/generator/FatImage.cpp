// SPDX-License-Identifier: GPL-3.0-or-later
#include "generator/FatImage.h"

#include <string_view>

namespace corvane::demo {

namespace {

constexpr size_t kSectorSize = 512;
constexpr size_t kDirectoryEntrySize = 32;
constexpr int kFatCount = 2;
constexpr size_t kFirstDataCluster = 2;
// Above this many clusters a volume is FAT16.
constexpr size_t kMaxFat12Clusters = 4084;
constexpr uint16_t kEndOfChain = 0xFFF;
constexpr uint8_t kArchiveAttribute = 0x20;
// 1 January 2025, 12:00:00, in the directory's date and time format.
constexpr uint16_t kDate = ((2025 - 1980) << 9) | (1 << 5) | 1;
constexpr uint16_t kTime = 12 << 11;

void putWord(std::string& image, size_t offset, uint16_t value) {
    image[offset] = static_cast<char>(value & 0xFF);
    image[offset + 1] = static_cast<char>(value >> 8);
}

void putLong(std::string& image, size_t offset, uint32_t value) {
    putWord(image, offset, static_cast<uint16_t>(value & 0xFFFF));
    putWord(image, offset + 2, static_cast<uint16_t>(value >> 16));
}

bool validNamePart(std::string_view part, size_t maxSize) {
    if (part.size() > maxSize)
        return false;
    for (char c : part) {
        const bool allowed = (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '_' ||
                             c == '-' || c == '!' || c == '#' || c == '$' || c == '&';
        if (!allowed)
            return false;
    }
    return true;
}

bool validShortName(const FatFile& file) {
    return !file.name.empty() && validNamePart(file.name, 8) && validNamePart(file.extension, 3);
}

void putBootSector(std::string& image, const FatGeometry& g) {
    image.replace(0, 11,
                  "\xEB\xFE\x90"
                  "CORVANE ");
    putWord(image, 11, kSectorSize);
    image[13] = static_cast<char>(g.sectorsPerCluster);
    putWord(image, 14, 1);  // reserved sectors: the boot sector
    image[16] = static_cast<char>(kFatCount);
    putWord(image, 17, g.rootEntries);
    putWord(image, 19, g.totalSectors);
    image[21] = static_cast<char>(g.media);
    putWord(image, 22, g.sectorsPerFat);
    putWord(image, 24, g.sectorsPerTrack);
    putWord(image, 26, g.heads);
    putWord(image, 28, 0);  // hidden sectors
    image[30] = '\xC9';     // boot code: ret
    image[510] = '\x55';
    image[511] = '\xAA';
}

// FAT12 packs two 12-bit entries into three bytes.
void putFatEntry(std::string& fat, size_t cluster, uint16_t value) {
    const size_t at = cluster * 3 / 2;
    auto byte = [&fat](size_t i) { return static_cast<uint8_t>(fat[i]); };
    if (cluster % 2 == 0) {
        fat[at] = static_cast<char>(value & 0xFF);
        fat[at + 1] = static_cast<char>((byte(at + 1) & 0xF0) | ((value >> 8) & 0x0F));
    } else {
        fat[at] = static_cast<char>((byte(at) & 0x0F) | ((value & 0x0F) << 4));
        fat[at + 1] = static_cast<char>(value >> 4);
    }
}

}  // namespace

std::optional<std::string> buildFatImage(const FatGeometry& g, const std::vector<FatFile>& files) {
    const size_t clusterSize = kSectorSize * g.sectorsPerCluster;
    const size_t rootSectors = g.rootEntries * kDirectoryEntrySize / kSectorSize;
    const size_t dataStart = 1 + kFatCount * g.sectorsPerFat + rootSectors;
    if (g.sectorsPerCluster == 0 || g.rootEntries % (kSectorSize / kDirectoryEntrySize) != 0 ||
        dataStart >= g.totalSectors)
        return std::nullopt;
    const size_t clusters = (g.totalSectors - dataStart) / g.sectorsPerCluster;
    const size_t fatSize = g.sectorsPerFat * kSectorSize;
    if (clusters > kMaxFat12Clusters || (clusters + kFirstDataCluster) * 3 / 2 + 1 > fatSize ||
        files.size() > g.rootEntries)
        return std::nullopt;

    std::string image(g.totalSectors * kSectorSize, '\0');
    putBootSector(image, g);
    std::string fat(fatSize, '\0');
    putFatEntry(fat, 0, 0xF00 | g.media);
    putFatEntry(fat, 1, kEndOfChain);

    size_t nextCluster = kFirstDataCluster;
    for (size_t i = 0; i < files.size(); ++i) {
        const FatFile& file = files[i];
        if (!validShortName(file))
            return std::nullopt;
        const size_t count = (file.bytes.size() + clusterSize - 1) / clusterSize;
        if (nextCluster + count > clusters + kFirstDataCluster)
            return std::nullopt;
        const size_t first = count == 0 ? 0 : nextCluster;
        for (size_t c = 0; c < count; ++c) {
            const size_t cluster = nextCluster + c;
            putFatEntry(fat, cluster,
                        c + 1 == count ? kEndOfChain : static_cast<uint16_t>(cluster + 1));
        }
        // An empty file has no cluster.
        if (count > 0) {
            image.replace(dataStart * kSectorSize + (first - kFirstDataCluster) * clusterSize,
                          file.bytes.size(), file.bytes);
        }
        nextCluster += count;

        const size_t entry =
            (1 + kFatCount * g.sectorsPerFat) * kSectorSize + i * kDirectoryEntrySize;
        std::string shortName = file.name;
        shortName.resize(8, ' ');
        std::string extension = file.extension;
        extension.resize(3, ' ');
        image.replace(entry, 11, shortName + extension);
        image[entry + 11] = static_cast<char>(kArchiveAttribute);
        putWord(image, entry + 22, kTime);
        putWord(image, entry + 24, kDate);
        putWord(image, entry + 26, static_cast<uint16_t>(first));
        putLong(image, entry + 28, static_cast<uint32_t>(file.bytes.size()));
    }
    for (int copy = 0; copy < kFatCount; ++copy)
        image.replace((1 + copy * g.sectorsPerFat) * kSectorSize, fatSize, fat);
    return image;
}

}  // namespace corvane::demo
