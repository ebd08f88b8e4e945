// SPDX-License-Identifier: GPL-3.0-or-later
#include "emulator/EmulatorDatabaseSet.h"

#include <tinyxml.h>

#include "common/AsciiCase.h"
#include "emulator/DumpHashes.h"
#include "emulator/SoftwareXml.h"

namespace corvane {

namespace xml = softwarexml;

EmulatorDatabaseSet::EmulatorDatabaseSet(const SoftwareSources& sources, Prompter& prompter,
                                         const TextSource& texts) {
    const std::optional<std::vector<SoftwareDbFile>> files =
        xml::databaseFilesToRead(sources, prompter, texts);
    if (!files)
        return;
    xmlFileCount_ = files->size();
    for (const SoftwareDbFile& file : *files) {
        auto document = std::make_unique<TiXmlDocument>();
        if (xml::loadDocument(*document, file.path) != xml::Load::Loaded)
            continue;
        documents_.push_back({file.name, file.shape, std::move(document)});
        indexDocument(static_cast<uint32_t>(documents_.size() - 1));
    }
}

EmulatorDatabaseSet::~EmulatorDatabaseSet() = default;

std::vector<std::string> EmulatorDatabaseSet::documentNames() const {
    std::vector<std::string> names;
    for (const Document& document : documents_)
        names.push_back(document.name);
    return names;
}

// Visits the hashes in the order the walk compares them, so the first place stored for a text
// is the one the walk would stop at.
void EmulatorDatabaseSet::indexDocument(uint32_t document) {
    const TiXmlElement* root = documents_[document].xml->RootElement();
    const SoftwareDbShape shape = documents_[document].shape;
    for (const TiXmlElement* software = root->FirstChildElement("software"); software;
         software = software->NextSiblingElement("software")) {
        xml::forEachDumpHash(*software, shape, [&](const xml::DumpHash& dump) {
            const std::string_view text = xml::text(dump.hash);
            if (!text.empty())
                index_.try_emplace(std::string(text), Place{document, dump.location});
            return true;
        });
    }
}

std::optional<CorvaneDBEntry> EmulatorDatabaseSet::findEntry(std::string_view sha1) const {
    if (sha1.empty() || xmlFileCount_ == 0)
        return std::nullopt;
    const std::string lower = toLowerAscii(sha1);
    const auto it = index_.find(lower);
    if (it == index_.end())
        return notFound(lower);
    CorvaneDBEntry entry = CorvaneDBEntry::describe(lower, it->second.location);
    entry.database = documents_[it->second.document].name;
    return entry;
}

std::optional<CorvaneDBEntry> EmulatorDatabaseSet::findEntryByWalk(std::string_view sha1) const {
    if (sha1.empty() || xmlFileCount_ == 0)
        return std::nullopt;
    const std::string lower = toLowerAscii(sha1);
    for (const Document& document : documents_) {
        CorvaneDBEntry entry = CorvaneDBEntry::search(lower, *document.xml, document.shape);
        if (entry.found) {
            entry.database = document.name;
            return entry;
        }
    }
    return notFound(lower);
}

CorvaneDBEntry EmulatorDatabaseSet::notFound(const std::string& sha1) const {
    CorvaneDBEntry entry;
    entry.sha1 = sha1;
    return entry;
}

}  // namespace corvane
