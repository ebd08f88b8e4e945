// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "common/StringMap.h"
#include "emulator/CorvaneDBEntry.h"
#include "emulator/SoftwareSources.h"

class TiXmlDocument;

namespace corvane {

class Prompter;
class TextSource;

// The software databases of the sources, parsed whole for one tool action. Every dump is
// indexed once at load, so looking up many SHA-1s costs no walk of the documents.
class EmulatorDatabaseSet {
public:
    // Loads every file of the sources in order; files that do not parse are skipped. Sources
    // without any database give an empty set silently; a Databases folder without XML files
    // shows M_ERR_NO_CORVANE_DB.
    EmulatorDatabaseSet(const SoftwareSources& sources, Prompter& prompter,
                        const TextSource& texts);
    ~EmulatorDatabaseSet();
    EmulatorDatabaseSet(const EmulatorDatabaseSet&) = delete;
    EmulatorDatabaseSet& operator=(const EmulatorDatabaseSet&) = delete;

    size_t xmlFileCount() const { return xmlFileCount_; }
    // File names of the documents that parsed, in search order.
    std::vector<std::string> documentNames() const;

    // The entry of the first document, in order, that holds the dump; found is clear when none
    // does. None for an empty SHA-1 or when no XML file was found.
    std::optional<CorvaneDBEntry> findEntry(std::string_view sha1) const;
    // The same answer by walking every document; the reference the index must agree with.
    std::optional<CorvaneDBEntry> findEntryByWalk(std::string_view sha1) const;

private:
    struct Document {
        std::string name;
        SoftwareDbShape shape;
        std::unique_ptr<TiXmlDocument> xml;
    };
    struct Place {
        uint32_t document;
        DumpLocation location;
    };
    void indexDocument(uint32_t document);
    CorvaneDBEntry notFound(const std::string& sha1) const;

    size_t xmlFileCount_ = 0;
    std::vector<Document> documents_;
    StringMap<Place> index_;
};

}  // namespace corvane
