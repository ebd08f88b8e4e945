// SPDX-License-Identifier: GPL-3.0-or-later
// Searching 100,000 profiles for part of a name against a plain line read of the same database.
// A third of the names are Windows-1252 with accented letters, a third UTF-8, the rest ASCII,
// so the search decodes and folds two thirds of them.
#include <benchmark/benchmark.h>

#include <fstream>
#include <optional>
#include <string>

#include "BenchSupport.h"
#include "model/DatabaseStore.h"
#include "model/Game.h"
#include "selection/ProfileSearch.h"
#include "support/TempDir.h"

namespace {

constexpr int kProfiles = 100000;

struct Fixture {
    corvane::test::TempDir dir;
    corvane::DatabaseStore store{dir.path()};
    corvane::ProfileSearch search{store};
    std::string path = dir.file("Big.db");
    Fixture() {
        std::ofstream out(path, std::ios::binary);
        for (int i = 0; i < kProfiles; ++i) {
            corvane::Game g;
            const std::string number = std::to_string(i);
            switch (i % 3) {
                case 0:
                    g.name = "Caf\xE9 Ol\xE9 Edition " + number;
                    break;
                case 1:
                    g.name =
                        "CAF\xC3\x89 \xD0\x9C\xD0\x9E\xD0\xA1\xD0\x9A\xD0\x92\xD0\x90 " + number;
                    break;
                default:
                    g.name = "Profile number " + number;
            }
            g.slot1File = "C:\\MSX\\Collection\\Cartridges\\profile" + number + ".zip";
            g.machine = "Philips NMS 8245";
            out << g.ToLine() << "\r\n";
        }
    }
};

Fixture& fixture() {
    static Fixture f;
    return f;
}

void PlainGetline(benchmark::State& state) {
    for (auto _ : state)
        benchmark::DoNotOptimize(corvane::bench::countLinesPlainly(fixture().path));
}
BENCHMARK(PlainGetline)->Unit(benchmark::kMillisecond)->MinTime(1);

void search(benchmark::State& state, const char* typed, size_t expected) {
    for (auto _ : state) {
        const auto hits = fixture().search.find(typed);
        if (!hits || hits->hits.size() != expected)
            state.SkipWithError("wrong hits");
        benchmark::DoNotOptimize(hits->hits.data());
    }
}

void SearchAscii(benchmark::State& state) {
    search(state, "number 1234", 3);
}
BENCHMARK(SearchAscii)->Unit(benchmark::kMillisecond)->MinTime(1);

void SearchAccented(benchmark::State& state) {
    search(state, "OL\xC3\x89 edition 1234", 3);
}
BENCHMARK(SearchAccented)->Unit(benchmark::kMillisecond)->MinTime(1);

}  // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    corvane::bench::BestTimeReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    const std::optional<double> plain = reporter.seconds("PlainGetline");
    corvane::bench::printRatio("search for ASCII text / plain getline",
                               reporter.seconds("SearchAscii"), plain, 3);
    corvane::bench::printRatio("search for accented text / plain getline",
                               reporter.seconds("SearchAccented"), plain, 3);
    benchmark::Shutdown();
    return 0;
}
