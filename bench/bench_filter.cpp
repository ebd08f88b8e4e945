// SPDX-License-Identifier: GPL-3.0-or-later
// Loading a 20,000-profile database with the company filter set while the emulator is present:
// every profile without data of its own is looked up by the SHA-1 of its 8 KiB ROM. The first
// pass of a run hashes every medium; a second pass must hash none. References measured in the
// same run: the same load without a filter, and sha1sum over the same media.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <cstdio>
#include <fstream>
#include <string>
#include <unordered_map>

#include "BenchSupport.h"
#include "app/ProfileListLoader.h"
#include "emulator/SoftwareIndex.h"
#include "media/Sha1Cache.h"
#include "model/Game.h"
#include "selection/ProfileFilter.h"
#include "support/ScriptedPrompter.h"
#include "support/TempDir.h"

using namespace corvane;

namespace {

constexpr int kProfiles = 20000;
constexpr size_t kRomSize = 8 * 1024;
constexpr const char* kDatabase = "Bench";

struct Fixture {
    test::TempDir dir;
    std::string database;
    std::unordered_map<std::string, SoftwareSummary> software;
    test::KeyTextSource texts;
    FilterState state;
    int expectedShown = 0;
};

Fixture* fixture = nullptr;

// Distinct bytes per profile, so every medium has its own SHA-1.
std::string romBytes(int index) {
    std::string bytes(kRomSize, '\0');
    uint32_t x = 2654435761u * static_cast<uint32_t>(index + 1);
    for (char& c : bytes) {
        x ^= x << 13;
        x ^= x >> 17;
        x ^= x << 5;
        c = static_cast<char>(x);
    }
    return bytes;
}

bool build(Fixture& f) {
    f.database = f.dir.file(std::string(kDatabase) + ".db");
    std::ofstream db(f.database, std::ios::binary);
    std::vector<std::string> roms;
    Sha1Cache scratch;
    for (int i = 0; i < kProfiles; ++i) {
        Game game;
        game.name = "Profile " + std::to_string(i);
        game.slot1File = f.dir.write("roms/" + std::to_string(i) + ".rom", romBytes(i));
        // A tenth of the profiles carry their own data; of the rest, three in four are known to
        // the software index and a third of those are by the company filtered for.
        if (i % 10 == 0) {
            game.basicDataSpecified = "T";
            game.company = i % 20 == 0 ? "Konami" : "Ascii";
            f.expectedShown += i % 20 == 0;
        } else if (i % 4 != 0) {
            const std::string sha1 = scratch.get(game, "scratch");
            const bool konami = i % 3 == 0;
            f.software[sha1] = {game.name, "MSX", konami ? "Konami" : "Hal", "1986", "JP"};
            f.expectedShown += konami;
        }
        db << game.ToLine() << "\r\n";
    }
    f.state.company = "konami";
    return static_cast<bool>(db.flush());
}

const SoftwareSummary* lookup(std::string_view sha1) {
    const auto it = fixture->software.find(std::string(sha1));
    return it == fixture->software.end() ? nullptr : &it->second;
}

// One load of the database as the main window does it; the number of shown profiles.
int load(const std::function<bool(const Game&)>& accept) {
    NoProgress progress;
    const auto shown = loadProfileList(fixture->database, accept, progress);
    return shown.read == ReadResult::Done ? static_cast<int>(shown.lines.size()) : -1;
}

int filteredLoad(Sha1Cache& cache, int& hashed) {
    ProfileFilter filter(fixture->state, fixture->texts, true, cache, kDatabase, lookup);
    const int shown = load([&filter](const Game& g) { return filter.accepts(g); });
    hashed = filter.mediaHashed();
    return shown;
}

void checkShown(benchmark::State& state, int shown) {
    if (shown != fixture->expectedShown)
        state.SkipWithError("wrong number of profiles shown");
}

void FirstPass(benchmark::State& state) {
    int hashed = 0;
    for (auto _ : state) {
        state.PauseTiming();
        Sha1Cache cache;  // a new run: nothing hashed yet
        state.ResumeTiming();
        checkShown(state, filteredLoad(cache, hashed));
    }
    state.counters["hashed"] = hashed;
    if (hashed != kProfiles - kProfiles / 10)
        state.SkipWithError("the first pass must hash every medium it needs");
}

void SecondPass(benchmark::State& state) {
    Sha1Cache cache;
    int hashed = 0;
    filteredLoad(cache, hashed);
    for (auto _ : state) {
        checkShown(state, filteredLoad(cache, hashed));
        if (hashed != 0)
            state.SkipWithError("a second pass hashed a medium again");
    }
    state.counters["hashed"] = hashed;
}

void UnfilteredLoad(benchmark::State& state) {
    for (auto _ : state)
        if (load({}) != kProfiles)
            state.SkipWithError("load failed");
}

// Best of several runs of sha1sum over the same media, in seconds.
double sha1sumSeconds() {
    const std::string command =
        "cd '" + fixture->dir.path() + "/roms' && ls | xargs sha1sum > /dev/null 2>&1";
    return bench::bestSeconds(3, [&] { return std::system(command.c_str()) == 0; }).value_or(-1);
}

}  // namespace

int main(int argc, char** argv) {
    Fixture f;
    fixture = &f;
    if (!build(f)) {
        std::fprintf(stderr, "cannot write the fixture\n");
        return 1;
    }
    const char* first = "Filter/FirstPass/20000profiles/8KiB-ROMs";
    const char* second = "Filter/SecondPass/20000profiles";
    const char* plain = "Load/NoFilter/20000profiles";
    benchmark::RegisterBenchmark(first, FirstPass)->Unit(benchmark::kMillisecond)->UseRealTime();
    benchmark::RegisterBenchmark(second, SecondPass)->Unit(benchmark::kMillisecond)->UseRealTime();
    benchmark::RegisterBenchmark(plain, UnfilteredLoad)
        ->Unit(benchmark::kMillisecond)
        ->UseRealTime();

    benchmark::Initialize(&argc, argv);
    bench::BestTimeReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();

    const double firstSeconds = reporter.seconds(first).value_or(-1);
    const double secondSeconds = reporter.seconds(second).value_or(-1);
    const double plainSeconds = reporter.seconds(plain).value_or(-1);
    const double sha1sum = sha1sumSeconds();
    if (secondSeconds > 0 && plainSeconds > 0)
        std::printf("second pass / load without filter = %.2f\n", secondSeconds / plainSeconds);
    if (firstSeconds > 0 && sha1sum > 0)
        std::printf("first pass %.0f ms, sha1sum over the same %d media %.0f ms: ratio %.2f\n",
                    firstSeconds * 1e3, kProfiles, sha1sum * 1e3, firstSeconds / sha1sum);
    return 0;
}
