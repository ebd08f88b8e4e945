// SPDX-License-Identifier: GPL-3.0-or-later
// Reading a 100,000-profile database into profile records against a plain line read.
#include <benchmark/benchmark.h>

#include <fstream>
#include <optional>
#include <string>

#include "BenchSupport.h"
#include "common/LineReader.h"
#include "model/DatabaseStore.h"
#include "model/Game.h"
#include "support/TempDir.h"

namespace {

constexpr int kProfiles = 100000;

struct Fixture {
    corvane::test::TempDir dir;
    std::string path = dir.file("Big.db");
    Fixture() {
        std::ofstream out(path, std::ios::binary);
        for (int i = 0; i < kProfiles; ++i) {
            corvane::Game g;
            g.name = "Profile number " + std::to_string(i);
            g.slot1File = "C:\\MSX\\Collection\\Cartridges\\profile" + std::to_string(i) + ".zip";
            g.slot1ZipEntry = "profile" + std::to_string(i) + ".rom";
            g.machine = "Philips NMS 8245";
            g.company = "Konami";
            g.year = "1987";
            g.country = "JP";
            g.system = "MSX";
            g.basicDataSpecified = "T";
            g.generation[1] = true;
            g.sound = {true, true, false, false, false, false, false, i % 2 == 0};
            g.genre1 = 7;
            g.genre2 = 25;
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

void ReadProfiles(benchmark::State& state) {
    for (auto _ : state) {
        auto games = corvane::DatabaseStore::readProfiles(fixture().path);
        if (games.size() != kProfiles)
            state.SkipWithError("wrong count");
        benchmark::DoNotOptimize(games.data());
    }
}
BENCHMARK(ReadProfiles)->Unit(benchmark::kMillisecond)->MinTime(1);

// The same read with every line parsed into one reused record: the parsing without the cost of
// keeping 100,000 records of 32 texts each.
void ParseOnly(benchmark::State& state) {
    for (auto _ : state) {
        corvane::LineReader reader(fixture().path);
        corvane::Game game;
        std::string line;
        size_t named = 0;
        while (reader.next(line)) {
            game.FromLine(line);
            named += !game.name.empty();
        }
        benchmark::DoNotOptimize(named);
    }
}
BENCHMARK(ParseOnly)->Unit(benchmark::kMillisecond)->MinTime(1);

}  // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    corvane::bench::BestTimeReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    const std::optional<double> plain = reporter.seconds("PlainGetline");
    corvane::bench::printRatio("profiles read / plain getline", reporter.seconds("ReadProfiles"),
                               plain, 4);
    corvane::bench::printRatio("parsing into one record / plain getline",
                               reporter.seconds("ParseOnly"), plain);
    benchmark::Shutdown();
    return 0;
}
