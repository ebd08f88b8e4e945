// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "emulator/CorvaneDBEntry.h"
#include "emulator/SoftwareSources.h"

class TiXmlDocument;

namespace corvane {

class Progress;

struct SoftwareSearchResult {
    std::optional<CorvaneDBEntry> entry;  // set only for a hit
    bool stopped = false;
};

// Looks up SHA-1s in the emulator's software databases, one search after another. A file is read
// only when a search gets to it and is kept for the next searches, so no database is parsed twice
// and a hit in the first file does not wait for the others.
class SoftwareDbSha1Search {
public:
    explicit SoftwareDbSha1Search(SoftwareSources sources);
    ~SoftwareDbSha1Search();
    SoftwareDbSha1Search(const SoftwareDbSha1Search&) = delete;
    SoftwareDbSha1Search& operator=(const SoftwareDbSha1Search&) = delete;

    // The first document in file order that holds the dump. The bar counts the files; Cancel
    // stops after the file being read. Files that do not parse are passed over.
    SoftwareSearchResult find(const std::string& sha1, Progress& progress);
    // How many files have been read so far.
    size_t filesRead() const { return next_; }

private:
    struct Document {
        std::string name;
        SoftwareDbShape shape;
        std::unique_ptr<TiXmlDocument> xml;
    };
    std::optional<CorvaneDBEntry> lookUp(const Document& document, const std::string& sha1) const;

    SoftwareSources sources_;
    std::optional<std::vector<SoftwareDbFile>> files_;
    size_t next_ = 0;
    std::vector<Document> documents_;
};

}  // namespace corvane
