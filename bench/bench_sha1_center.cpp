// SPDX-License-Identifier: GPL-3.0-or-later
// The SHA1 Center's launcher search over 100,000 profiles in four databases, each profile with a
// medium of its own, for the SHA-1 of the last one, so that every profile is looked at: cold
// (every medium hashed) and warm (the SHA-1 cache filled by an earlier search), each against a
// plain line read of the same databases.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>
#include <optional>
#include <string>

#include "BenchSupport.h"
#include "app/Sha1CenterOperation.h"
#include "common/Progress.h"
#include "media/MediaHash.h"
#include "model/DatabaseStore.h"
#include "model/Game.h"
#include "support/ScriptedPrompter.h"
#include "support/TempDir.h"

namespace {

constexpr int kProfiles = 100000;
constexpr int kDatabases = 4;

struct Fixture {
    corvane::test::TempDir dir;
    corvane::test::KeyTextSource texts;
    corvane::DatabaseStore store{dir.path()};
    std::string lastMedium;
    Fixture() {
        std::ofstream databases[kDatabases];
        for (int d = 0; d < kDatabases; ++d)
            databases[d].open(dir.file("Games" + std::to_string(d) + ".db"), std::ios::binary);
        for (int i = 0; i < kProfiles; ++i) {
            const std::string folder = dir.file("media/" + std::to_string(i / 1000));
            if (i % 1000 == 0)
                std::filesystem::create_directories(folder);
            corvane::Game g;
            g.name = "Profile number " + std::to_string(i);
            g.slot1File = folder + "/profile" + std::to_string(i) + ".rom";
            std::ofstream(g.slot1File, std::ios::binary) << "medium " << i << '\n';
            g.machine = "Philips NMS 8245";
            databases[i * kDatabases / kProfiles] << g.ToLine() << "\r\n";
            lastMedium = g.slot1File;
        }
    }
    double plainRead() const {
        size_t lines = 0;
        for (int d = 0; d < kDatabases; ++d)
            lines +=
                corvane::bench::countLinesPlainly(dir.file("Games" + std::to_string(d) + ".db"));
        return static_cast<double>(lines);
    }
    bool find(corvane::Sha1Cache& cache) {
        corvane::Sha1CenterOperation operation(store, cache, corvane::SoftwareSources(""), texts);
        corvane::Sha1CenterJob job =
            operation.prepare({lastMedium, true, corvane::Sha1Target::Launcher});
        corvane::NoProgress progress;
        job.run(progress);
        const corvane::Sha1CenterOutcome outcome = operation.finish(job);
        return outcome.profile && outcome.profile->profile == "Profile number 99999";
    }
};

Fixture& fixture() {
    static Fixture f;
    return f;
}

void PlainRead(benchmark::State& state) {
    for (auto _ : state)
        benchmark::DoNotOptimize(fixture().plainRead());
}
BENCHMARK(PlainRead)->Unit(benchmark::kMillisecond)->MinTime(1);

void SearchCold(benchmark::State& state) {
    for (auto _ : state) {
        corvane::Sha1Cache cache;
        if (!fixture().find(cache))
            state.SkipWithError("not found");
    }
}
BENCHMARK(SearchCold)->Unit(benchmark::kMillisecond)->Iterations(3);

void SearchWarm(benchmark::State& state) {
    corvane::Sha1Cache cache;
    fixture().find(cache);
    for (auto _ : state)
        if (!fixture().find(cache))
            state.SkipWithError("not found");
}
BENCHMARK(SearchWarm)->Unit(benchmark::kMillisecond)->MinTime(1);

}  // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    // Making 100,000 media files is no part of any measurement.
    fixture();
    corvane::bench::BestTimeReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    const std::optional<double> plain = reporter.seconds("PlainRead");
    corvane::bench::printRatio("cold launcher search / plain read", reporter.seconds("SearchCold"),
                               plain);
    corvane::bench::printRatio("warm launcher search / plain read", reporter.seconds("SearchWarm"),
                               plain);
    benchmark::Shutdown();
    return 0;
}
