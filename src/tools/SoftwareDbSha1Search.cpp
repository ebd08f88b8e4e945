// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/SoftwareDbSha1Search.h"

#include <tinyxml.h>

#include "common/AsciiCase.h"
#include "common/Progress.h"
#include "emulator/SoftwareXml.h"

namespace corvane {

SoftwareDbSha1Search::SoftwareDbSha1Search(SoftwareSources sources)
    : sources_(std::move(sources)) {}

SoftwareDbSha1Search::~SoftwareDbSha1Search() = default;

std::optional<CorvaneDBEntry> SoftwareDbSha1Search::lookUp(const Document& document,
                                                           const std::string& sha1) const {
    CorvaneDBEntry entry = CorvaneDBEntry::search(sha1, *document.xml, document.shape);
    if (!entry.found)
        return std::nullopt;
    entry.database = document.name;
    return entry;
}

SoftwareSearchResult SoftwareDbSha1Search::find(const std::string& sha1, Progress& progress) {
    SoftwareSearchResult result;
    if (sha1.empty())
        return result;
    // Listed once: the files a search read stay the ones the next one continues after.
    if (!files_)
        files_ = sources_.files().value_or(std::vector<SoftwareDbFile>{});
    const std::string key = toLowerAscii(sha1);
    progress.setRange(static_cast<std::int64_t>(files_->size()));
    progress.setPosition(static_cast<std::int64_t>(next_));
    for (const Document& document : documents_)
        if ((result.entry = lookUp(document, key)))
            return result;
    while (next_ < files_->size()) {
        if (progress.cancelled()) {
            result.stopped = true;
            return result;
        }
        const SoftwareDbFile& file = (*files_)[next_];
        progress.setDetail(file.name);
        auto xml = std::make_unique<TiXmlDocument>();
        const bool loaded = softwarexml::loadDocument(*xml, file.path) == softwarexml::Load::Loaded;
        progress.setPosition(static_cast<std::int64_t>(++next_));
        if (!loaded)
            continue;
        documents_.push_back({file.name, file.shape, std::move(xml)});
        if ((result.entry = lookUp(documents_.back(), key)))
            return result;
    }
    return result;
}

}  // namespace corvane
