// SPDX-License-Identifier: GPL-3.0-or-later
#include "emulator/SoftwareIndex.h"

#include <tinyxml.h>

#include "common/Prompter.h"
#include "common/TextSource.h"
#include "emulator/DumpHashes.h"
#include "emulator/SoftwareXml.h"

namespace corvane {

namespace xml = softwarexml;

void SoftwareIndex::build(const SoftwareSources& sources, Prompter& prompter,
                          const TextSource& texts) {
    if (built_)
        return;
    const std::atomic<bool> never{false};
    if (build(sources, never) == IndexOutcome::NoDatabases)
        prompter.message(texts.text("M_ERR_NO_CORVANE_DB"), MessageKind::Plain);
    if (const std::string message = passedOverMessage(passedOver_, texts); !message.empty())
        prompter.message(message, MessageKind::Error);
}

std::string passedOverMessage(const std::vector<std::string>& files, const TextSource& texts) {
    if (files.empty())
        return {};
    std::string message = texts.text("M_SOFTWARE_DB_NOT_READ");
    for (size_t i = 0; i < files.size(); ++i)
        message += (i == 0 ? "" : ", ") + files[i];
    return message;
}

IndexOutcome SoftwareIndex::build(const SoftwareSources& sources, const std::atomic<bool>& stop) {
    if (built_)
        return IndexOutcome::Built;
    const std::optional<std::vector<SoftwareDbFile>> files = sources.files();
    if (!files)
        return IndexOutcome::NoDatabases;
    for (const SoftwareDbFile& file : *files) {
        if (!indexFile(file, stop))
            return IndexOutcome::Stopped;
    }
    built_ = true;
    return IndexOutcome::Built;
}

void SoftwareIndex::rebuild(const SoftwareSources& sources, Prompter& prompter,
                            const TextSource& texts) {
    keys_.clear();
    software_.clear();
    passedOver_.clear();
    built_ = false;
    build(sources, prompter, texts);
}

const SoftwareSummary* SoftwareIndex::find(std::string_view sha1) const {
    const auto it = keys_.find(sha1);
    return it == keys_.end() ? nullptr : &software_[it->second].summary;
}

std::optional<std::set<std::string>> SoftwareIndex::otherDumps(std::string_view sha1) const {
    const auto it = keys_.find(sha1);
    if (it == keys_.end())
        return std::nullopt;
    const std::vector<std::string>& sha1s = software_[it->second].sha1s;
    return std::set<std::string>(sha1s.begin(), sha1s.end());
}

bool SoftwareIndex::indexFile(const SoftwareDbFile& file, const std::atomic<bool>& stop) {
    if (stop.load(std::memory_order_relaxed))
        return false;
    TiXmlDocument document;
    const xml::Load load = xml::loadDocument(document, file.path);
    if (load == xml::Load::TooDeep)
        passedOver_.push_back(file.path);
    if (load != xml::Load::Loaded)
        return true;
    for (const TiXmlElement* software = document.RootElement()->FirstChildElement("software");
         software; software = software->NextSiblingElement("software")) {
        if (stop.load(std::memory_order_relaxed))
            return false;
        const auto id = static_cast<uint32_t>(software_.size());
        software_.push_back({{std::string(xml::childText(*software, "title")),
                              std::string(xml::childText(*software, "system")),
                              std::string(xml::childText(*software, "company")),
                              std::string(xml::childText(*software, "year")),
                              std::string(xml::childText(*software, "country"))},
                             {}});
        // Of the format hashes only the tapes': disk hashes are not indexed.
        xml::forEachDumpHash(*software, file.shape, [&](const xml::DumpHash& dump) {
            const char* type = dump.format ? dump.format->Attribute("type") : nullptr;
            if (!dump.format || (type && std::string_view(type) == "cas"))
                add(xml::text(dump.hash), id);
            return true;
        });
        // Software whose every hash was already known is never found; keep memory to the keys.
        if (software_.back().sha1s.empty())
            software_.pop_back();
    }
    return true;
}

void SoftwareIndex::add(std::string_view sha1, uint32_t software) {
    if (sha1.empty())
        return;
    // The first occurrence wins, in this file or an earlier one.
    if (keys_.try_emplace(std::string(sha1), software).second) {
        software_[software].sha1s.emplace_back(sha1);
    }
}

}  // namespace corvane
