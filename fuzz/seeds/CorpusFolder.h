// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>

namespace corvane::fuzz {

// The seed folder of one fuzz target, emptied when opened so that a run leaves exactly the
// seeds it wrote. Files are numbered in the order added.
class CorpusFolder {
public:
    CorpusFolder(const std::string& corpusRoot, std::string_view target);
    void add(std::string_view bytes);
    int count() const { return count_; }

private:
    std::string path_;
    int count_ = 0;
};

// The whole file, or a failure that ends the generator.
std::string fileBytes(const std::string& path);

}  // namespace corvane::fuzz
