// SPDX-License-Identifier: GPL-3.0-or-later
#include "crash/DirectorySnapshot.h"

#include <filesystem>
#include <fstream>

namespace corvane::crash {

std::string fileBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary | std::ios::ate);
    std::string bytes(in ? static_cast<size_t>(in.tellg()) : 0, '\0');
    in.seekg(0);
    in.read(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    bytes.resize(static_cast<size_t>(in.gcount()));
    return bytes;
}

void writeSnapshot(const std::string& folder, const DirectorySnapshot& files) {
    namespace fs = std::filesystem;
    fs::create_directories(folder);
    for (const fs::directory_entry& entry : fs::directory_iterator(folder))
        fs::remove_all(entry.path());
    for (const auto& [path, bytes] : files) {
        const fs::path file = fs::path(folder) / path;
        fs::create_directories(file.parent_path());
        std::ofstream(file, std::ios::binary)
            .write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    }
}

DirectorySnapshot takeSnapshot(const std::string& folder) {
    namespace fs = std::filesystem;
    DirectorySnapshot files;
    std::error_code error;
    for (fs::recursive_directory_iterator it(folder, error), end; !error && it != end;
         it.increment(error)) {
        if (it->is_regular_file(error))
            files.emplace(fs::relative(it->path(), folder).string(), fileBytes(it->path()));
    }
    return files;
}

}  // namespace corvane::crash
