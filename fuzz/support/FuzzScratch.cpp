// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/FuzzScratch.h"

#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>

namespace corvane::fuzz {

namespace {

// TMPDIR when set; otherwise memory when the system offers it, since the engines sync every file
// they replace, which on a disk makes the targets that save files ten times slower.
std::string baseFolder() {
    const char* tmp = std::getenv("TMPDIR");
    if (tmp && *tmp)
        return tmp;
    if (access("/dev/shm", W_OK | X_OK) == 0)
        return "/dev/shm";
    return "/tmp";
}

class ScratchFolder {
public:
    ScratchFolder() {
        std::string pattern = baseFolder() + "/corvane-fuzz-XXXXXX";
        if (!mkdtemp(pattern.data()))
            fail("cannot make the scratch folder");
        path_ = pattern;
    }
    ~ScratchFolder() {
        std::error_code ignored;
        std::filesystem::remove_all(path_, ignored);
    }
    const std::string& path() const { return path_; }

private:
    std::string path_;
};

}  // namespace

const std::string& scratchDirectory() {
    static const ScratchFolder folder;
    return folder.path();
}

std::string writeScratchFile(std::string_view name, std::string_view bytes) {
    const std::string path = scratchDirectory() + "/" + std::string(name);
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    out.close();
    if (!out)
        fail("cannot write a scratch file");
    return path;
}

std::string readWholeFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::vector<std::string> splitOn(std::string_view text, char separator) {
    std::vector<std::string> parts;
    size_t start = 0;
    for (size_t at; (at = text.find(separator, start)) != std::string_view::npos; start = at + 1)
        parts.emplace_back(text.substr(start, at - start));
    parts.emplace_back(text.substr(start));
    return parts;
}

void fail(const char* what) {
    std::fprintf(stderr, "fuzz check failed: %s\n", what);
    std::fflush(stderr);
    __builtin_trap();
}

}  // namespace corvane::fuzz
