// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/DatabaseFill.h"

#include "common/AsciiCase.h"
#include "common/Progress.h"
#include "emulator/EmulatorDatabaseSet.h"
#include "media/CSHADigest.h"
#include "media/CancelCheck.h"
#include "media/MediaHash.h"
#include "media/ProfileSha1.h"
#include "media/ZipArchive.h"
#include "model/Game.h"
#include "tools/InOrderWorkers.h"
#include "tools/MediaWalk.h"
#include "tools/ProfileDetails.h"

namespace corvane {

using Kind = FoundMedium::Kind;

struct HashedMedium {
    struct Member {
        std::string name;
        Kind kind = Kind::Rom;
        std::string sha1;
    };
    const FoundMedium* medium = nullptr;
    bool read = false;        // a loose file hashed, or an archive opened
    bool incomplete = false;  // an archive whose members could not all be read
    // members whose names a database line cannot hold, or that a lookup by name cannot find
    int refusedMembers = 0;
    std::string sha1;
    std::vector<Member> members;
};

namespace {

bool memberKind(const ZipArchive::MemberInfo& info, Kind& kind) {
    if (IsRomImage(info.name))
        kind = Kind::Rom;
    else if (IsDiskImage(info.name))
        kind = info.uncompressedSize <= kLargestDiskImage ? Kind::Disk : Kind::HardDisk;
    else if (IsTapeImage(info.name))
        kind = Kind::Tape;
    else
        return false;
    return true;
}

std::string mediumKey(const Game& game) {
    const MainMediumInfo medium = game.MainMedium();
    return medium.file + "|" + medium.entry;
}

std::string withName(const std::string& line, const std::string& name) {
    return name + line.substr(profileNameOfLine(line).size());
}

std::string withoutExtension(const std::string& name) {
    const size_t dot = name.rfind('.');
    return dot == std::string::npos ? name : name.substr(0, dot);
}

void placeMedium(Game& game, Kind kind, const std::string& file, const std::string& entry) {
    switch (kind) {
        case Kind::Rom:
            game.slot1File = file;
            game.slot1ZipEntry = entry;
            break;
        case Kind::Disk:
            game.diskAFile = file;
            game.diskAZipEntry = entry;
            break;
        case Kind::HardDisk:
            // The drive takes the archive itself: no member is named.
            game.hardDiskPrimary = file;
            game.slot1Special = "sunriseide";
            break;
        case Kind::Tape:
            game.tapeFile = file;
            game.tapeZipEntry = entry;
            break;
        case Kind::Zip:
            break;
    }
}

std::string titleOf(const EmulatorDatabaseSet* titles, const std::string& sha1) {
    if (titles == nullptr || sha1.empty())
        return {};
    const std::optional<CorvaneDBEntry> entry = titles->findEntry(sha1);
    return entry && entry->found ? entry->title : std::string{};
}

// The media members of an archive, hashed as they are read. A member that cannot be read ends
// the archive, as the members after it may be just as damaged; so does a stop.
void hashArchive(const std::string& path, HashedMedium& found, CancelCheck& cancel) {
    ZipArchive archive;
    if (!archive.open(path))
        return;
    found.read = true;
    // An archive without members holds no media; there is nothing more to read.
    if (!archive.goToFirst())
        return;
    // A profile finds its member again by name, and a name finds its first member.
    std::unordered_set<std::string> names;
    do {
        const std::optional<ZipArchive::MemberInfo> info = archive.currentInfo();
        if (!info) {
            found.incomplete = true;
            return;
        }
        const bool repeated = !names.insert(info->name).second;
        Kind kind{};
        if (!memberKind(*info, kind))
            continue;
        if (repeated || !fitsDatabaseLine(info->name)) {
            ++found.refusedMembers;
            continue;
        }
        CSHADigest digest;
        const bool read =
            archive.readCurrent([&digest, &cancel](const std::uint8_t* data, size_t count) {
                return cancel.keepGoing(count) && digest.Update(data, count);
            });
        if (!read) {
            found.incomplete = true;
            return;
        }
        digest.Final();
        found.members.push_back({info->name, kind, toLowerAscii(digest.DigestText())});
    } while (archive.goToNext());
}

}  // namespace

DatabaseFill::DatabaseFill(FillRequest request, Progress& progress)
    : request_(std::move(request)), progress_(progress) {}

bool DatabaseFill::addExisting(const std::vector<Game>& profiles, const Sha1Cache& known,
                               const std::string& database) {
    for (const Game& game : profiles) {
        names_.addExisting(game.name);
        existingMedia_.insert(mediumKey(game));
        // A hard disk in an archive is stored without its member, so its profile's SHA-1 is the
        // archive's first member's and tells nothing of the disk: an archive that already is a
        // profile's hard disk is taken to hold no new one.
        if (!game.name.empty() && !game.hardDiskPrimary.empty())
            hardDiskPaths_.insert(game.hardDiskPrimary);
    }
    // The workers only read the cache; what they hash is kept on this thread.
    auto produce = [&](size_t i) {
        CancelCheck cancel(progress_);
        return LookUpOrHash(profiles[i], database, known, &cancel);
    };
    auto consume = [&](size_t i, ProfileDigest digest) {
        const Game& game = profiles[i];
        if (game.name.empty())
            return true;
        if (digest.hashed && !digest.sha1.empty())
            existingComputed_.emplace_back(game.name, digest.sha1);
        existingSha1s_.insert(std::move(digest.sha1));
        return true;
    };
    return runInOrder<ProfileDigest>(profiles.size(), produce, consume,
                                     [this] { return !progress_.cancelled(); });
}

void DatabaseFill::take(const HashedMedium& found, const EmulatorDatabaseSet* titles,
                        const ProfileDetails* details, FillScan& scan) {
    const FoundMedium& medium = *found.medium;
    auto addProfile = [&](Kind kind, const std::string& fileName, const std::string& entry,
                          const std::string& sha1) {
        if (existingSha1s_.contains(sha1))
            return;
        if (kind == Kind::HardDisk && !entry.empty() && hardDiskPaths_.contains(medium.path))
            return;
        const std::string title = titleOf(titles, sha1);
        std::string wanted =
            request_.naming == FillNaming::Emulator && !title.empty() && fitsDatabaseLine(title)
                ? title
                : withoutExtension(fileName);
        if (wanted.find_first_not_of(" \t") == std::string::npos)
            wanted = fileName;
        Game game;
        game.name = names_.take(wanted);
        // The cache keys a profile's main medium; a hard disk in an archive names no member.
        const bool cached = kind != Kind::HardDisk || entry.empty();
        if (request_.extraData && details != nullptr)
            details->apply(game, sha1, !title.empty(), fileName);
        game.machine = request_.machine;
        placeMedium(game, kind, medium.path, entry);
        scan.lines.push_back(game.ToLine());
        scan.newProfiles.push_back(
            {std::move(wanted), sha1, cached, cached ? std::string{} : medium.path});
        ++scan.added;
    };

    progress_.setDetail(medium.name);
    if (medium.kind != Kind::Zip) {
        if (!found.read) {
            ++scan.notRead;
            return;
        }
        addProfile(medium.kind, medium.name, {}, found.sha1);
        return;
    }
    if (!found.read || found.incomplete)
        ++scan.notRead;
    scan.notRead += found.refusedMembers;
    for (const HashedMedium::Member& member : found.members)
        addProfile(member.kind, member.name, member.name, member.sha1);
}

FillScan DatabaseFill::scan(const EmulatorDatabaseSet* titles, const ProfileDetails* details) {
    FillScan scan;
    scan.existingSha1s = std::move(existingComputed_);
    MediaWalk walk(request_.media, request_.searchSubdirectories, progress_);
    for (const std::string& path : request_.paths)
        walk.add(path);
    scan.notRead = walk.notRead();
    if (walk.stopped()) {
        scan.stopped = true;
        return scan;
    }
    const std::vector<FoundMedium>& media = walk.found();
    progress_.setRange(static_cast<std::int64_t>(media.size()));
    std::string shownDirectory;
    auto produce = [this, &media](size_t i) {
        HashedMedium found;
        found.medium = &media[i];
        CancelCheck cancel(progress_);
        if (media[i].kind == Kind::Zip)
            hashArchive(media[i].path, found, cancel);
        else {
            // Every file has a digest, the empty one too: none means it could not be read.
            found.sha1 = MediumSha1(media[i].path, {}, &cancel);
            found.read = !found.sha1.empty();
        }
        return found;
    };
    auto consume = [&](size_t i, HashedMedium found) {
        if (media[i].directory != shownDirectory) {
            shownDirectory = media[i].directory;
            progress_.setStatus(shownDirectory);
        }
        take(found, titles, details, scan);
        progress_.setPosition(static_cast<std::int64_t>(i) + 1);
        return !progress_.cancelled();
    };
    scan.stopped = !runInOrder<HashedMedium>(media.size(), produce, consume,
                                             [this] { return !progress_.cancelled(); });
    return scan;
}

void DatabaseFill::settle(FillScan& scan, const std::vector<Game>& held) {
    FillNames names;
    std::vector<const Game*> arrivals;
    std::unordered_set<std::string> hardDisks;
    for (const Game& game : held) {
        names.addExisting(game.name);
        if (game.name.empty())
            continue;
        if (!existingMedia_.contains(mediumKey(game)))
            arrivals.push_back(&game);
        if (!game.hardDiskPrimary.empty())
            hardDisks.insert(game.hardDiskPrimary);
    }
    std::unordered_set<std::string> arrivedSha1s;
    auto produce = [&](size_t i) {
        const MainMediumInfo medium = arrivals[i]->MainMedium();
        return MediumSha1(medium.file, medium.entry);
    };
    auto consume = [&](size_t i, std::string sha1) {
        if (!sha1.empty())
            scan.existingSha1s.emplace_back(arrivals[i]->name, sha1);
        arrivedSha1s.insert(std::move(sha1));
        return true;
    };
    // Other writers wait for this, and the scan it completes is done: it is not stopped.
    runInOrder<std::string>(arrivals.size(), produce, consume, [] { return true; });

    size_t kept = 0;
    for (size_t i = 0; i < scan.lines.size(); ++i) {
        const FillScan::NewProfile& found = scan.newProfiles[i];
        if (arrivedSha1s.contains(found.sha1) ||
            (!found.hardDiskArchive.empty() && hardDisks.contains(found.hardDiskArchive)))
            continue;
        scan.lines[kept] = withName(scan.lines[i], names.take(scan.newProfiles[i].wanted));
        if (kept != i)
            scan.newProfiles[kept] = std::move(scan.newProfiles[i]);
        ++kept;
    }
    scan.lines.resize(kept);
    scan.newProfiles.resize(kept);
    scan.added = static_cast<int>(kept);
}

}  // namespace corvane
