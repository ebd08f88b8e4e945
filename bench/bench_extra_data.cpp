// SPDX-License-Identifier: GPL-3.0-or-later
// Importing a 5,000-record extra-data file into 20,000 profiles of small real media, in four
// databases, against a plain read and write of the same databases; how much of it is hashing;
// and a second run in the same process, which the SHA-1 cache answers without hashing.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <optional>
#include <string>
#include <vector>

#include "BenchSupport.h"
#include "common/Progress.h"
#include "media/MediaHash.h"
#include "media/Sha1Cache.h"
#include "model/Game.h"
#include "support/TempDir.h"
#include "tools/ImportExtraDataHandler.h"

namespace {

constexpr int kProfiles = 20000;
constexpr int kDatabases = 4;
constexpr int kRecords = 5000;
constexpr size_t kMediumBytes = 2048;

std::string databaseName(int index) {
    return "Db" + std::to_string(index);
}

struct Fixture {
    corvane::test::TempDir dir;
    std::vector<std::string> databases;
    std::vector<std::string> media;

    Fixture() {
        std::filesystem::create_directory(dir.file("media"));
        std::vector<std::ofstream> outs;
        for (int d = 0; d < kDatabases; ++d) {
            databases.push_back(databaseName(d));
            outs.emplace_back(dir.file(databases.back() + ".db"), std::ios::binary);
        }
        std::string extra;
        for (int i = 0; i < kProfiles; ++i) {
            std::string bytes = "medium " + std::to_string(i) + "\n";
            bytes.resize(kMediumBytes, static_cast<char>(i % 251));
            media.push_back(dir.write("media/m" + std::to_string(i) + ".rom", bytes));
            corvane::Game game;
            game.name = "Profile " + std::to_string(i);
            game.slot1File = media.back();
            game.machine = "MSX2 - C-BIOS";
            outs[static_cast<size_t>(i / (kProfiles / kDatabases))] << game.ToLine() << "\r\n";
            // Every fourth medium has a record.
            if (i % (kProfiles / kRecords) == 0)
                extra += "#" + std::to_string(1 + i / 4) + "\r\n2,17,3|5,\r\n" +
                         corvane::MediumSha1(media.back(), "") + "\r\n";
        }
        dir.write("extra-data.dat", extra);
    }
};

Fixture& fixture() {
    static Fixture f;
    return f;
}

corvane::ExtraDataImportRequest request() {
    corvane::ExtraDataImportRequest r;
    r.options.generation = corvane::MergeMode::Overwrite;
    r.options.sound = corvane::MergeMode::Merge;
    r.options.genre = corvane::MergeMode::Merge;
    r.options.infoFile = corvane::SetMode::SetIfEmpty;
    return r;
}

// The reference: each database read line by line and written to a file beside it.
void PlainReadWrite(benchmark::State& state) {
    for (auto _ : state) {
        for (const std::string& name : fixture().databases) {
            std::ifstream in(fixture().dir.file(name + ".db"), std::ios::binary);
            std::ofstream out(fixture().dir.file(name + ".copy"), std::ios::binary);
            std::string line;
            while (std::getline(in, line))
                out << line << '\n';
        }
    }
}
BENCHMARK(PlainReadWrite)->Unit(benchmark::kMillisecond)->MinTime(1);

// Hashing every medium once, as a first import must.
void HashOnly(benchmark::State& state) {
    for (auto _ : state)
        for (const std::string& medium : fixture().media)
            benchmark::DoNotOptimize(corvane::MediumSha1(medium, ""));
}
BENCHMARK(HashOnly)->Unit(benchmark::kMillisecond)->MinTime(1);

// A first import: nothing cached yet.
void ImportCold(benchmark::State& state) {
    const corvane::ImportExtraDataHandler handler(fixture().dir.path(), true);
    for (auto _ : state) {
        corvane::Sha1Cache cache;
        corvane::NoProgress progress;
        const auto outcome = handler.Import(request(), fixture().databases, {}, cache, progress);
        if (outcome.count != kRecords)
            state.SkipWithError("wrong count");
    }
}
BENCHMARK(ImportCold)->Unit(benchmark::kMillisecond)->MinTime(1);

// A later import in the same process: the cache answers every profile.
void ImportCached(benchmark::State& state) {
    const corvane::ImportExtraDataHandler handler(fixture().dir.path(), true);
    corvane::Sha1Cache cache;
    corvane::NoProgress progress;
    handler.Import(request(), fixture().databases, {}, cache, progress);
    for (auto _ : state) {
        const auto outcome = handler.Import(request(), fixture().databases, {}, cache, progress);
        if (!outcome.hashed.empty())
            state.SkipWithError("the second run hashed media");
    }
}
BENCHMARK(ImportCached)->Unit(benchmark::kMillisecond)->MinTime(1);

}  // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    // Made before any measurement, so that no benchmark's first run pays for it.
    fixture();
    corvane::bench::BestTimeReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    const std::optional<double> plain = reporter.seconds("PlainReadWrite");
    const std::optional<double> cold = reporter.seconds("ImportCold");
    corvane::bench::printRatio("first import / plain read and write", cold, plain);
    corvane::bench::printRatio("cached import / plain read and write",
                               reporter.seconds("ImportCached"), plain);
    if (const auto hashing = reporter.seconds("HashOnly"); hashing && cold)
        std::printf("share of the first import spent hashing = %.0f%%\n", 100 * *hashing / *cold);
    benchmark::Shutdown();
    return 0;
}
