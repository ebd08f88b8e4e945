// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/FileRenamePlan.h"

#include <map>
#include <set>

#include "common/AsciiCase.h"
#include "common/DirectoryListing.h"
#include "common/Path.h"
#include "common/Progress.h"
#include "model/Game.h"
#include "tools/FileRenameRules.h"

namespace corvane {

namespace {

constexpr size_t kProfilesBetweenLooks = 5;

// A folder's names as they were when first looked at, and the names planned for it since. Old
// names stay in, so no planned name can be another planned file's old one.
struct FolderNames {
    bool listed = false;
    std::set<std::string, std::less<>> exact;
    std::set<std::string, std::less<>> folded;

    void add(const std::string& name) {
        exact.insert(name);
        folded.insert(toLowerAscii(name));
    }
};

enum class Kind { Rom, Disk, Tape, HardDisk };

struct FieldOfKind {
    std::string Game::*field;
    Kind kind;
};

// The fields in the order they are treated.
constexpr FieldOfKind kFields[] = {
    {&Game::slot1File, Kind::Rom},
    {&Game::slot2File, Kind::Rom},
    {&Game::diskAFile, Kind::Disk},
    {&Game::diskBFile, Kind::Disk},
    {&Game::tapeFile, Kind::Tape},
    {&Game::hardDiskPrimary, Kind::HardDisk},
    {&Game::hardDiskSecondary, Kind::HardDisk},
};

bool chosen(const RenameMedia& media, Kind kind) {
    switch (kind) {
        case Kind::Rom:
            return media.rom;
        case Kind::Disk:
            return media.disk;
        case Kind::Tape:
            return media.tape;
        case Kind::HardDisk:
            return media.hardDisk;
    }
    return false;
}

bool hasKindExtension(std::string_view path, Kind kind) {
    switch (kind) {
        case Kind::Rom:
            return IsRomImage(path);
        case Kind::Disk:
            return IsDiskImage(path);
        case Kind::Tape:
            return IsTapeImage(path);
        case Kind::HardDisk:
            return true;
    }
    return false;
}

class Planner {
public:
    Planner(const FileRenameRequest& request, const TitleOfFile& titleOf, Progress& progress)
        : request_(request), titleOf_(titleOf), progress_(progress) {}

    RenamePlan run(const std::vector<Game>& profiles) {
        progress_.setRange(static_cast<std::int64_t>(profiles.size()));
        for (size_t i = 0; i < profiles.size(); ++i) {
            if (i % kProfilesBetweenLooks == 0) {
                progress_.setPosition(static_cast<std::int64_t>(i));
                if (progress_.cancelled())
                    return stop(i);
            }
            if (!treat(i, profiles[i]))
                return stop(i);
        }
        plan_.profilesTreated = profiles.size();
        return std::move(plan_);
    }

private:
    RenamePlan stop(size_t treated) {
        plan_.stopped = true;
        plan_.profilesTreated = treated;
        return std::move(plan_);
    }

    // False when the user cancelled part-way: nothing of this profile is kept.
    bool treat(size_t index, const Game& game) {
        const size_t renamesBefore = plan_.renames.size();
        const size_t notRenamedBefore = plan_.notRenamed;
        const size_t listedBefore = plan_.listed.size();
        for (const FieldOfKind& entry : kFields) {
            const std::string& path = game.*entry.field;
            if (path.empty() || !chosen(request_.media, entry.kind))
                continue;
            if (IsZipFile(path)) {
                // Files in archives are never renamed; a cartridge, disk or tape counts.
                if (entry.kind != Kind::HardDisk)
                    notRenamed(index);
                continue;
            }
            if (!hasKindExtension(path, entry.kind))
                continue;
            if (planned_.contains(path))
                continue;
            // Hashing a large file for its title takes a while: the user sees which one.
            progress_.setDetail(std::string(lastComponent(path)));
            const std::optional<std::string> name = newName(game, path);
            if (progress_.cancelled()) {
                plan_.renames.resize(renamesBefore);
                plan_.notRenamed = notRenamedBefore;
                plan_.listed.resize(listedBefore);
                return false;
            }
            if (!name) {
                notRenamed(index);
                continue;
            }
            const size_t separator = lastSeparator(path);
            std::string to =
                separator == std::string::npos ? std::string() : path.substr(0, separator + 1);
            to += *name;
            folder(parentPath(path)).add(*name);
            planned_.insert(path);
            plan_.renames.push_back({path, std::move(to), index});
        }
        return true;
    }

    void notRenamed(size_t index) {
        ++plan_.notRenamed;
        if (plan_.listed.empty() || plan_.listed.back() != index)
            plan_.listed.push_back(index);
    }

    FolderNames& folder(std::string_view directory) {
        FolderNames& names = folders_[std::string(directory)];
        if (!names.listed) {
            names.listed = true;
            const std::string where = directory.empty() ? std::string(".") : std::string(directory);
            for (const std::string& name :
                 listDirectory(where).value_or(std::vector<std::string>{}))
                names.add(name);
        }
        return names;
    }

    std::optional<std::string> newName(const Game& game, const std::string& path) {
        if (!fileExists(path))
            return std::nullopt;
        FolderNames& names = folder(parentPath(path));
        const std::string_view name = lastComponent(path);
        switch (request_.rule) {
            case RenameRule::ShortFormat:
                return shortFormatName(name, [&names, name](std::string_view alias) {
                    return !equalsIgnoreCase(alias, name) &&
                           names.folded.contains(toLowerAscii(alias));
                });
            case RenameRule::ProfileName:
                return nameWithExtension(game.name, name, [&names](std::string_view candidate) {
                    return names.exact.contains(candidate);
                });
            case RenameRule::SoftwareTitle: {
                const std::optional<std::string> title = titleOf_ ? titleOf_(path) : std::nullopt;
                if (!title)
                    return std::nullopt;
                return nameWithExtension(*title, name, [&names](std::string_view candidate) {
                    return names.exact.contains(candidate);
                });
            }
        }
        return std::nullopt;
    }

    const FileRenameRequest& request_;
    const TitleOfFile& titleOf_;
    Progress& progress_;
    std::map<std::string, FolderNames, std::less<>> folders_;
    std::set<std::string, std::less<>> planned_;
    RenamePlan plan_;
};

}  // namespace

RenamePlan planRenames(const std::vector<Game>& profiles, const FileRenameRequest& request,
                       const TitleOfFile& titleOf, Progress& progress) {
    return Planner(request, titleOf, progress).run(profiles);
}

}  // namespace corvane
