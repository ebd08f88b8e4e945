// SPDX-License-Identifier: GPL-3.0-or-later
// Filling a new database from a tree of 10,000 media (loose ROMs, disks and tapes, and ZIP
// archives of several members each) against `find | xargs sha1sum` over the same tree, run in
// the same process. Both read the tree from the page cache.
#include <benchmark/benchmark.h>
#include <sys/resource.h>
#include <unistd.h>

#include <array>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <limits>
#include <optional>
#include <string>
#include <tuple>
#include <vector>

#include "BenchSupport.h"
#include "app/FillOperation.h"
#include "common/Progress.h"
#include "media/Sha1Cache.h"
#include "model/DatabaseStore.h"
#include "platform/posix/PosixProcessStarter.h"
#include "selection/Favorites.h"
#include "support/ScriptedPrompter.h"
#include "support/TempDir.h"
#include "support/ZipFixture.h"

namespace {

constexpr int kMedia = 10000;
constexpr int kLooseRoms = 5000;
constexpr int kLooseDisks = 1200;
constexpr int kLooseTapes = 1000;
constexpr int kGroups = 10;
constexpr int kSetsPerGroup = 5;  // 50 folders of about 200 files
constexpr std::size_t kDiskSize = 737280;
constexpr int kRepetitions = 5;
constexpr double kAim = 0.75;

const char* const kReference = "FindXargsSha1sum/10000media";
const char* const kFill = "FillNewDatabase/10000media";

// xorshift64*: the same tree on every run.
class Random {
public:
    explicit Random(std::uint64_t seed) : x_(seed) {}
    std::uint64_t next() {
        x_ ^= x_ >> 12;
        x_ ^= x_ << 25;
        x_ ^= x_ >> 27;
        return x_ * 0x2545F4914F6CDD1Dull;
    }
    std::size_t below(std::size_t n) { return static_cast<std::size_t>(next() % n); }

private:
    std::uint64_t x_;
};

// Bytes shaped like a cartridge or a disk's files: runs of varied bytes (code and graphics),
// tables repeating a short pattern, and padding. Deflate shrinks them to roughly half.
void appendMixed(std::string& out, std::size_t count, Random& random) {
    const std::size_t end = out.size() + count;
    while (out.size() < end) {
        const std::size_t run = std::min(end - out.size(), 256 * (1 + random.below(32)));
        const std::size_t type = random.below(20);
        if (type < 11) {
            for (std::size_t i = 0; i < run; i += 8) {
                const std::uint64_t word = random.next();
                for (std::size_t b = 0; b < 8 && i + b < run; ++b)
                    out.push_back(static_cast<char>(word >> (8 * b)));
            }
        } else if (type < 16) {
            std::string pattern(4 + random.below(61), '\0');
            for (char& c : pattern)
                c = static_cast<char>(random.next());
            for (std::size_t i = 0; i < run; ++i)
                out.push_back(pattern[i % pattern.size()]);
        } else {
            out.append(run, random.below(2) ? '\xFF' : '\0');
        }
    }
}

std::string romBytes(Random& random) {
    // KB sizes as cartridges come, the small ones most common.
    static constexpr std::array<std::pair<std::size_t, std::size_t>, 8> kSizes{
        {{16, 15}, {24, 5}, {32, 25}, {48, 5}, {64, 15}, {128, 15}, {256, 12}, {512, 8}}};
    std::size_t pick = random.below(100);
    std::size_t kb = 16;
    for (const auto& [size, weight] : kSizes) {
        if (pick < weight) {
            kb = size;
            break;
        }
        pick -= weight;
    }
    std::string bytes;
    bytes.reserve(kb * 1024);
    bytes += "AB";  // the cartridge header's mark
    appendMixed(bytes, kb * 1024 - 2, random);
    return bytes;
}

// A 720 KB disk: files up to some point, formatted sectors after it.
std::string diskBytes(Random& random) {
    std::string bytes;
    bytes.reserve(kDiskSize);
    const std::size_t used = 512 * (200 + random.below(1200));
    appendMixed(bytes, used, random);
    bytes.append(kDiskSize - used, '\xE5');
    return bytes;
}

// A tape of a few tens of KB: blocks behind the tape header mark.
std::string tapeBytes(Random& random) {
    static const std::string kHeader("\x1F\xA6\xDE\xBA\xCC\x13\x7D\x74", 8);
    std::string bytes;
    const std::size_t size = 1024 * (10 + random.below(51));
    bytes.reserve(size + 1024);
    while (bytes.size() < size) {
        bytes += kHeader;
        appendMixed(bytes, std::min<std::size_t>(size - bytes.size(), 256 + random.below(8192)),
                    random);
    }
    return bytes;
}

struct Tree {
    corvane::test::TempDir dir;
    std::string root = dir.file("collection");
    int roms = 0, disks = 0, tapes = 0, archives = 0, members = 0;
    int romMembers = 0, diskMembers = 0, tapeMembers = 0;
    std::uint64_t bytes = 0;       // on disk, archives as written
    std::uint64_t mediaBytes = 0;  // every medium's own bytes, archive members uncompressed
    bool written = true;

    void write(const std::string& path, const std::string& content) {
        std::ofstream out(path, std::ios::binary | std::ios::trunc);
        out.write(content.data(), static_cast<std::streamsize>(content.size()));
        written = written && out.flush();
        bytes += content.size();
        mediaBytes += content.size();
    }
};

std::string numbered(const char* prefix, int number, const char* extension) {
    char name[64];
    std::snprintf(name, sizeof name, "%s %05d.%s", prefix, number, extension);
    return name;
}

// Loose media, then archives of two to six members until there are kMedia, spread round the
// folders; every tenth title repeats the one before it, as a game on cartridge and disk does.
void generate(Tree& tree) {
    Random random(0xC0FFEE1234567ull);
    std::vector<std::string> folders;
    for (int g = 0; g < kGroups; ++g)
        for (int s = 0; s < kSetsPerGroup; ++s)
            folders.push_back(tree.root + "/Group " + std::to_string(g) + "/Set " +
                              std::to_string(s));
    for (const std::string& folder : folders)
        std::filesystem::create_directories(folder);

    int medium = 0;
    int file = 0;
    auto title = [&] { return medium - (medium % 10 == 9 ? 1 : 0); };
    auto folder = [&] { return folders[static_cast<std::size_t>(file++) % folders.size()]; };
    static const std::array<const char*, 4> kRomExtensions{"rom", "ROM", "mx2", "rom"};
    for (int i = 0; i < kLooseRoms + kLooseDisks + kLooseTapes; ++i, ++medium) {
        const std::string at = folder() + "/";
        if (i % 7 < 5 && tree.roms < kLooseRoms) {
            tree.write(at + numbered("Title", title(), kRomExtensions[random.below(4)]),
                       romBytes(random));
            ++tree.roms;
        } else if (i % 7 == 5 && tree.disks < kLooseDisks) {
            tree.write(at + numbered("Title", title(), "dsk"), diskBytes(random));
            ++tree.disks;
        } else if (tree.tapes < kLooseTapes) {
            tree.write(at + numbered("Title", title(), "cas"), tapeBytes(random));
            ++tree.tapes;
        } else if (tree.roms < kLooseRoms) {
            tree.write(at + numbered("Title", title(), "rom"), romBytes(random));
            ++tree.roms;
        } else {
            tree.write(at + numbered("Title", title(), "dsk"), diskBytes(random));
            ++tree.disks;
        }
    }
    while (medium < kMedia) {
        const int count = std::min<int>(kMedia - medium, 2 + static_cast<int>(random.below(5)));
        std::vector<corvane::test::ZipMember> members;
        for (int m = 0; m < count; ++m, ++medium) {
            const std::size_t kind = random.below(20);
            corvane::test::ZipMember member;
            if (kind < 11) {
                member = {numbered("Title", title(), "rom"), romBytes(random)};
                ++tree.romMembers;
            } else if (kind < 15) {
                member = {numbered("Title", title(), "dsk"), diskBytes(random)};
                ++tree.diskMembers;
            } else {
                member = {numbered("Title", title(), "cas"), tapeBytes(random)};
                ++tree.tapeMembers;
            }
            tree.mediaBytes += member.bytes.size();
            members.push_back(std::move(member));
        }
        // Some archives carry a text file too, which is not a medium.
        if (tree.archives % 4 == 0)
            members.push_back({"readme.txt", "Loading instructions\r\n"});
        const std::string path = folder() + "/" + numbered("Pack", tree.archives, "zip");
        corvane::test::writeZip(path, members);
        std::error_code error;
        const std::uintmax_t size = std::filesystem::file_size(path, error);
        tree.written = tree.written && !error;
        tree.bytes += error ? 0 : size;
        ++tree.archives;
        tree.members += count;
    }
}

std::optional<int> runReference(const std::string& root) {
    const std::string command =
        "find '" + root + "' -type f -print0 | xargs -0 sha1sum > /dev/null";
    return corvane::PosixProcessStarter::run("/bin/sh", {"-c", command}, std::chrono::minutes(30));
}

void setFilesPerSecond(benchmark::State& state, double seconds) {
    state.counters["files/s"] = seconds > 0 ? static_cast<double>(kMedia) *
                                                  static_cast<double>(state.iterations()) / seconds
                                            : 0;
}

// Processor time, user and system, of every thread of this process (RUSAGE_SELF) or of the
// children it has waited for (RUSAGE_CHILDREN), in seconds.
double cpuSeconds(int who) {
    rusage usage{};
    ::getrusage(who, &usage);
    auto seconds = [](const timeval& t) {
        return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_usec) / 1e6;
    };
    return seconds(usage.ru_utime) + seconds(usage.ru_stime);
}

// The least processor time one run of each side took. On a machine shared with other work the
// wall times say more about the neighbours than about us; these barely change.
struct LowestCpu {
    double reference = std::numeric_limits<double>::infinity();
    double fill = std::numeric_limits<double>::infinity();
} lowestCpu;

void noteCpu(benchmark::State& state, double& lowest, double seconds) {
    lowest = std::min(lowest, seconds);
    state.counters["cpu_s"] = seconds;
}

void registerBenchmarks(const std::string& root) {
    benchmark::RegisterBenchmark(
        kReference,
        [root](benchmark::State& state) {
            double total = 0;
            for (auto _ : state) {
                std::optional<int> status;
                const double cpu = cpuSeconds(RUSAGE_CHILDREN);
                const double seconds =
                    corvane::bench::wallSeconds([&] { status = runReference(root); });
                if (status != 0) {
                    state.SkipWithError("the command failed");
                    break;
                }
                noteCpu(state, lowestCpu.reference, cpuSeconds(RUSAGE_CHILDREN) - cpu);
                state.SetIterationTime(seconds);
                total += seconds;
            }
            setFilesPerSecond(state, total);
        })
        ->Unit(benchmark::kMillisecond)
        ->UseManualTime()
        ->Iterations(1)
        ->Repetitions(kRepetitions);

    benchmark::RegisterBenchmark(
        kFill,
        [root](benchmark::State& state) {
            double total = 0;
            for (auto _ : state) {
                // A fresh launcher folder each time: a new database, an empty SHA-1 cache.
                corvane::test::TempDir base;
                corvane::test::ScriptedPrompter prompter;
                corvane::test::KeyTextSource texts;
                corvane::DatabaseStore store(base.path());
                corvane::Favorites favorites(base.path());
                corvane::Sha1Cache cache;
                corvane::FillOperation operation(store, favorites, cache, texts);
                corvane::FillRequest request;
                request.target = corvane::FillTarget::New;
                request.databaseName = "Collection";
                request.paths = {root};
                corvane::NoProgress progress;
                std::optional<corvane::ToolReport> report;
                std::size_t profiles = 0;
                const double cpu = cpuSeconds(RUSAGE_SELF);
                const double seconds = corvane::bench::wallSeconds([&] {
                    if (operation.refusal(request))
                        return;
                    corvane::FillJob job = operation.prepare(request, std::string());
                    job.run(progress);
                    report = operation.finish(job);
                    profiles = job.scan().lines.size();
                });
                const double used = cpuSeconds(RUSAGE_SELF) - cpu;
                if (!report || report->result != corvane::OperationResult::Done ||
                    !report->notes.empty() || profiles != kMedia ||
                    corvane::DatabaseStore::readProfiles(base.file("Collection.db")).size() !=
                        kMedia) {
                    state.SkipWithError("the fill did not make one profile of every medium");
                    break;
                }
                noteCpu(state, lowestCpu.fill, used);
                state.SetIterationTime(seconds);
                total += seconds;
            }
            setFilesPerSecond(state, total);
        })
        ->Unit(benchmark::kMillisecond)
        ->UseManualTime()
        ->Iterations(1)
        ->Repetitions(kRepetitions);
}

}  // namespace

int main(int argc, char** argv) {
    Tree tree;
    std::printf("Writing the tree of %d media...\n", kMedia);
    std::fflush(stdout);
    generate(tree);
    if (!tree.written) {
        std::fprintf(stderr, "cannot write the tree under %s\n", tree.root.c_str());
        return 1;
    }
    // Both sides measure warm-cache hashing: one untimed read of the whole tree puts it in the
    // page cache first (it is far smaller than the memory a benchmark machine has).
    if (runReference(tree.root) != 0) {
        std::fprintf(stderr, "find | xargs sha1sum failed on %s\n", tree.root.c_str());
        return 1;
    }
    registerBenchmarks(tree.root);

    // The repetitions of the two take turns, so a busy moment of the machine does not fall on
    // one side only, unless the command line says otherwise.
    std::vector<char*> arguments(argv, argv + argc);
    std::string interleave = "--benchmark_enable_random_interleaving=true";
    arguments.insert(arguments.begin() + 1, interleave.data());
    int count = static_cast<int>(arguments.size());
    benchmark::Initialize(&count, arguments.data());
    corvane::bench::BestTimeReporter reporter(::isatty(STDOUT_FILENO)
                                                  ? benchmark::ConsoleReporter::OO_Defaults
                                                  : benchmark::ConsoleReporter::OO_None);
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();

    std::printf(
        "\nInput: %d media in %d folders, %.1f MB on disk (%llu bytes), %.1f MB of media"
        " bytes\n",
        kMedia, kGroups * kSetsPerGroup, static_cast<double>(tree.bytes) / 1e6,
        static_cast<unsigned long long>(tree.bytes), static_cast<double>(tree.mediaBytes) / 1e6);
    std::printf("  loose: %d ROMs (16-512 KB), %d disks (720 KB), %d tapes (10-60 KB)\n", tree.roms,
                tree.disks, tree.tapes);
    std::printf("  %d ZIP archives (deflated) of %d members: %d ROMs, %d disks, %d tapes\n",
                tree.archives, tree.members, tree.romMembers, tree.diskMembers, tree.tapeMembers);
    const std::optional<double> reference = reporter.seconds(kReference);
    const std::optional<double> fill = reporter.seconds(kFill);
    std::printf("%-24s %10s %14s %14s\n", "best of each", "wall", "files/s", "least CPU");
    for (const auto& [label, seconds, cpu] :
         {std::tuple{"find | xargs sha1sum", reference, lowestCpu.reference},
          std::tuple{"Fill Database (new)", fill, lowestCpu.fill}}) {
        if (seconds)
            std::printf("%-24s %7.0f ms %14.0f %12.0f ms\n", label, *seconds * 1e3,
                        kMedia / *seconds, cpu * 1e3);
    }
    corvane::bench::printRatio("fill / find | xargs sha1sum", fill, reference, kAim);
    if (fill && reference)
        std::printf("aim %s; processor time fill / reference = %.2fx\n",
                    corvane::bench::verdict(*fill <= kAim * *reference),
                    lowestCpu.fill / lowestCpu.reference);
    return 0;
}
