// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <atomic>
#include <cstdint>
#include <deque>
#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "common/StringMap.h"
#include "emulator/SoftwareSources.h"

namespace corvane {

class Prompter;
class TextSource;

enum class IndexOutcome {
    Built,
    NoDatabases,  // the Databases folder holds no XML file: the user is owed M_ERR_NO_CORVANE_DB
    Stopped,      // asked to stop before the end: the index is incomplete
};

struct SoftwareSummary {
    std::string title;
    std::string system;
    std::string company;
    std::string year;
    std::string country;

    bool operator==(const SoftwareSummary&) const = default;
};

// SHA-1 text to the basic data of the software it is a dump of, over all the software databases
// of the sources. Cartridge and tape dumps only: disk hashes are not indexed.
class SoftwareIndex {
public:
    // Builds once. Sources without any database give an empty, built index; a Databases folder
    // without XML files shows M_ERR_NO_CORVANE_DB and leaves the index unbuilt. The files
    // passed over are named in a message.
    void build(const SoftwareSources& sources, Prompter& prompter, const TextSource& texts);
    // The same without telling the user anything, for a worker thread; stop is polled between
    // files and entries. Only Built marks the index built.
    IndexOutcome build(const SoftwareSources& sources, const std::atomic<bool>& stop);
    // After a change of the sources.
    void rebuild(const SoftwareSources& sources, Prompter& prompter, const TextSource& texts);

    bool isBuilt() const { return built_; }
    size_t size() const { return keys_.size(); }
    // Software entries that any key resolves to.
    size_t softwareCount() const { return software_.size(); }
    // Exact lookup of a lower-case SHA-1 text; null when absent.
    const SoftwareSummary* find(std::string_view sha1) const;
    // Every SHA-1 of the same software, the given one included; none when it is not indexed.
    std::optional<std::set<std::string>> otherDumps(std::string_view sha1) const;
    // The files refused as nested too deeply to be software databases, for the user to learn of.
    const std::vector<std::string>& passedOver() const { return passedOver_; }

private:
    struct Software {
        SoftwareSummary summary;
        std::vector<std::string> sha1s;  // the keys that resolved to this software
    };
    // False when stopped before the end of the file.
    bool indexFile(const SoftwareDbFile& file, const std::atomic<bool>& stop);
    void add(std::string_view sha1, uint32_t software);

    std::deque<Software> software_;
    StringMap<uint32_t> keys_;
    std::vector<std::string> passedOver_;
    bool built_ = false;
};

// The message that names the software databases passed over; empty when there are none.
std::string passedOverMessage(const std::vector<std::string>& files, const TextSource& texts);

}  // namespace corvane
