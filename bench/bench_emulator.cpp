// SPDX-License-Identifier: GPL-3.0-or-later
// The software databases at the size of a full emulator installation: building the SHA-1 index
// from 30,000 software entries against xmllint parsing the same file in the same run, and
// 10,000 entry lookups against one loaded database set. Then openMSX's installed database, where
// there is one: the index built from it against xmllint on that file.
#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdio>
#include <optional>
#include <string>
#include <vector>

#include "BenchSupport.h"
#include "common/Path.h"
#include "emulator/EmulatorDatabaseSet.h"
#include "emulator/SoftwareIndex.h"
#include "platform/SystemTool.h"
#include "platform/posix/PosixProcessStarter.h"
#include "support/FakeEmulator.h"
#include "support/ScriptedPrompter.h"
#include "support/TempDir.h"

namespace {

constexpr int kSoftwareCount = 30000;
constexpr int kLookupCount = 10000;
constexpr int kCommandRuns = 5;

const char* const kIndexBuild = "SoftwareIndexBuild/30000software";
const char* const kSetLoad = "EmulatorDatabaseSetLoad/30000software";
const char* const kFindEntries = "FindEntry/10000sha1";
const char* const kOpenMsxBuild = "SoftwareIndexBuild/openMSX";
// openMSX's database as Debian installs it, found from the folder of its executable.
const char* const kOpenMsxFolder = "/usr/bin";
const char* const kOpenMsxDatabase = "/usr/share/openmsx/softwaredb.xml";

std::string sha(unsigned n) {
    char text[41];
    std::snprintf(text, sizeof text, "%08x%032x", 0x5eed0000U ^ (n * 2654435761U), n);
    return text;
}

// Every third software has a second cartridge dump, every fifth a tape release of two tapes in
// a group, every seventh a disk; the rest are single cartridges. Shaped like real files.
std::string generateDatabase(std::vector<std::string>& hashes) {
    std::string xml = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<db>\n";
    unsigned next = 0;
    const auto hash = [&]() {
        hashes.push_back(sha(next++));
        return "<hash algo=\"sha1\">" + hashes.back() + "</hash>";
    };
    for (int i = 0; i < kSoftwareCount; ++i) {
        xml += "<software>\n<title>Title number " + std::to_string(i) +
               "</title>\n<system>MSX</system>\n<company>Company " + std::to_string(i % 300) +
               "</company>\n<year>19" + std::to_string(83 + i % 15) +
               "</year>\n<country>JP</country>\n";
        xml += "<dump><original value=\"true\">GoodMSX</original><megarom><type>Konami</type>" +
               hash() + "<remark><text>Cartridge remark</text></remark></megarom></dump>\n";
        if (i % 3 == 0)
            xml += "<dump><rom><start>0x4000</start>" + hash() + "</rom></dump>\n";
        if (i % 5 == 0) {
            xml += "<dump><group><cas><format type=\"cas\">" + hash() +
                   "</format><start><command>RUN\"CAS:\"</command></start></cas><cas>"
                   "<format type=\"cas\">" +
                   hash() + "</format></cas></group></dump>\n";
        }
        if (i % 7 == 0) {
            xml += "<dump><dsk><format type=\"dsk\">" + hash() + "</format></dsk></dump>\n";
        }
        xml += "</software>\n";
    }
    return xml + "</db>\n";
}

// Prints the index build's time against xmllint's on the same file.
void printAgainstXmllint(const char* label, std::optional<double> build,
                         std::optional<double> xmllint) {
    if (build && xmllint) {
        std::printf("%-40s %8.1f ms\n%-40s %8.1f ms   ours / it = %.2f (aim <= 2.0: %s)\n", label,
                    *build * 1e3, "xmllint --noout", *xmllint * 1e3, *build / *xmllint,
                    corvane::bench::verdict(*build / *xmllint <= 2.0));
    } else if (build) {
        std::printf("xmllint not available; %s %.1f ms\n", label, *build * 1e3);
    }
}

// Best wall time of a few runs of xmllint on the file; nothing when it is missing or fails.
std::optional<double> timeXmllint(const std::string& file) {
    const std::optional<std::string> xmllint = corvane::findSystemTool("xmllint");
    if (!xmllint)
        return std::nullopt;
    corvane::PosixProcessStarter starter;
    return corvane::bench::bestSeconds(kCommandRuns, [&] {
        return starter.run(*xmllint, {"--noout", file}, std::chrono::minutes(2)) == 0;
    });
}

}  // namespace

int main(int argc, char** argv) {
    corvane::test::FakeEmulator emulator;
    std::vector<std::string> hashes;
    const std::string file = emulator.addDatabase("software.xml", generateDatabase(hashes));
    corvane::test::ScriptedPrompter prompter;
    corvane::test::KeyTextSource texts;

    benchmark::RegisterBenchmark(kIndexBuild,
                                 [&](benchmark::State& state) {
                                     corvane::SoftwareIndex index;
                                     for (auto _ : state) {
                                         index.rebuild(emulator.path(), prompter, texts);
                                     }
                                     state.counters["keys"] = static_cast<double>(index.size());
                                 })
        ->Unit(benchmark::kMillisecond)
        ->UseRealTime()
        ->Repetitions(3);

    benchmark::RegisterBenchmark(kSetLoad,
                                 [&](benchmark::State& state) {
                                     for (auto _ : state) {
                                         corvane::EmulatorDatabaseSet set(emulator.path(), prompter,
                                                                          texts);
                                         benchmark::DoNotOptimize(set.xmlFileCount());
                                     }
                                 })
        ->Unit(benchmark::kMillisecond)
        ->UseRealTime()
        ->Repetitions(3);

    // Half the lookups hit (spread over the file), half miss.
    std::vector<std::string> queries;
    for (int i = 0; i < kLookupCount; ++i) {
        queries.push_back(i % 2 ? sha(1000000 + i)
                                : hashes[static_cast<size_t>(i) * 7919 % hashes.size()]);
    }
    const corvane::EmulatorDatabaseSet loaded(emulator.path(), prompter, texts);
    benchmark::RegisterBenchmark(kFindEntries,
                                 [&](benchmark::State& state) {
                                     size_t found = 0;
                                     for (auto _ : state) {
                                         found = 0;
                                         for (const std::string& q : queries) {
                                             found += loaded.findEntry(q)->found;
                                         }
                                     }
                                     state.counters["found"] = static_cast<double>(found);
                                 })
        ->Unit(benchmark::kMillisecond)
        ->UseRealTime()
        ->Repetitions(3);

    // The user's own openMSX database must not take part: an empty home folder.
    const corvane::test::TempDir home;
    const corvane::SoftwareSources openMsx("", kOpenMsxFolder, home.path());
    const bool haveOpenMsx = corvane::fileExists(kOpenMsxDatabase);
    size_t openMsxSoftware = 0;
    if (haveOpenMsx) {
        benchmark::RegisterBenchmark(kOpenMsxBuild,
                                     [&](benchmark::State& state) {
                                         corvane::SoftwareIndex index;
                                         for (auto _ : state) {
                                             index.rebuild(openMsx, prompter, texts);
                                         }
                                         openMsxSoftware = index.softwareCount();
                                         state.counters["keys"] = static_cast<double>(index.size());
                                     })
            ->Unit(benchmark::kMillisecond)
            ->UseRealTime()
            ->Repetitions(3);
    }

    benchmark::Initialize(&argc, argv);
    corvane::bench::BestTimeReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();

    std::printf("\nInput: %d software entries, %zu dumps, %.1f MB; commands: best of %d\n",
                kSoftwareCount, hashes.size(),
                static_cast<double>(corvane::test::readFile(file).size()) / 1e6, kCommandRuns);
    printAgainstXmllint("SoftwareIndex build", reporter.seconds(kIndexBuild), timeXmllint(file));
    if (const std::optional<double> lookups = reporter.seconds(kFindEntries)) {
        std::printf("%-40s %8.2f ms   (aim < 50 ms: %s)\n", "findEntry x 10000", *lookups * 1e3,
                    corvane::bench::verdict(*lookups < 0.05));
    }
    if (const std::optional<double> build = reporter.seconds(kOpenMsxBuild)) {
        std::printf("\nInput: %s, %zu software entries, %.1f MB\n", kOpenMsxDatabase,
                    openMsxSoftware,
                    static_cast<double>(corvane::test::readFile(kOpenMsxDatabase).size()) / 1e6);
        printAgainstXmllint("SoftwareIndex build (openMSX)", build, timeXmllint(kOpenMsxDatabase));
    } else if (!haveOpenMsx) {
        std::printf("\n%s is not installed: openMSX's database not measured\n", kOpenMsxDatabase);
    }
    return 0;
}
