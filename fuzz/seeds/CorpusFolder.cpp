// SPDX-License-Identifier: GPL-3.0-or-later
#include "seeds/CorpusFolder.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>

namespace corvane::fuzz {

namespace {

[[noreturn]] void stop(const std::string& what) {
    std::fprintf(stderr, "fuzz-seeds: %s\n", what.c_str());
    std::exit(1);
}

}  // namespace

CorpusFolder::CorpusFolder(const std::string& corpusRoot, std::string_view target)
    : path_(corpusRoot + "/" + std::string(target)) {
    std::error_code error;
    std::filesystem::remove_all(path_, error);
    if (!std::filesystem::create_directories(path_, error))
        stop("cannot make " + path_);
}

void CorpusFolder::add(std::string_view bytes) {
    char name[16];
    std::snprintf(name, sizeof name, "seed-%02d", ++count_);
    std::ofstream out(path_ + "/" + name, std::ios::binary);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (!out)
        stop("cannot write " + path_ + "/" + name);
}

std::string fileBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in)
        stop("cannot read " + path);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

}  // namespace corvane::fuzz
