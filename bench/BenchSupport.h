// SPDX-License-Identifier: GPL-3.0-or-later
// What every benchmark program needs to measure a reference in the same run and print how we
// compare. Header only: each benchmark is an executable of its own.
#pragma once

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <fstream>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "model/Game.h"

namespace corvane::bench {

// Profile i of a list of count, for the loading benchmarks: names in shuffled order, so the
// list's sort has work to do.
inline std::string loadProfileLine(int i, int count) {
    Game g;
    g.name = "Profile " + std::to_string((i * 7919) % count);
    g.slot1File = "/collection/roms/some folder/profile" + std::to_string(i) + ".rom";
    g.company = "Konami";
    g.year = "1987";
    g.generation[1] = true;
    g.sound[0] = true;
    g.genre1 = 7;
    return g.ToLine();
}

// The reference for reading a database: its non-empty lines counted with std::getline.
inline size_t countLinesPlainly(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::string line;
    size_t lines = 0;
    while (std::getline(in, line))
        lines += !line.empty();
    return lines;
}

// Wall time of one call, in seconds.
template <typename Call>
double wallSeconds(Call&& call) {
    const auto start = std::chrono::steady_clock::now();
    call();
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

// Best wall time of a few runs of an external command; run says whether it succeeded. Nothing
// when one run fails, as when the command is missing.
template <typename Run>
std::optional<double> bestSeconds(int runs, Run&& run) {
    std::optional<double> best;
    for (int i = 0; i < runs; ++i) {
        bool succeeded = false;
        const double seconds = wallSeconds([&] { succeeded = run(); });
        if (!succeeded)
            return std::nullopt;
        if (!best || seconds < *best)
            best = seconds;
    }
    return best;
}

// Keeps the fastest repetition of every benchmark, by function name, while printing as usual.
class BestTimeReporter : public benchmark::ConsoleReporter {
public:
    explicit BestTimeReporter(OutputOptions options = OO_Defaults) : ConsoleReporter(options) {}

    void ReportRuns(const std::vector<Run>& runs) override {
        for (const Run& run : runs) {
            if (run.run_type != Run::RT_Iteration || run.error_occurred)
                continue;
            const double seconds =
                run.GetAdjustedRealTime() / benchmark::GetTimeUnitMultiplier(run.time_unit);
            auto [it, inserted] = best_.try_emplace(run.run_name.function_name, seconds);
            if (!inserted)
                it->second = std::min(it->second, seconds);
        }
        ConsoleReporter::ReportRuns(runs);
    }

    // In seconds; nothing when the benchmark did not run or failed.
    std::optional<double> seconds(const std::string& name) const {
        const auto it = best_.find(name);
        return it == best_.end() ? std::nullopt : std::optional<double>(it->second);
    }

private:
    std::map<std::string, double> best_;
};

inline const char* verdict(bool met) {
    return met ? "met" : "NOT met";
}

// Prints "label = 1.23x" and the aim, when there is one, once both times are known.
inline void printRatio(const char* label, std::optional<double> ours,
                       std::optional<double> reference, std::optional<double> aimAtMost = {}) {
    if (!ours || !reference)
        return;
    std::printf("%s = %.2fx", label, *ours / *reference);
    if (aimAtMost)
        std::printf(" (aim: at most %gx)", *aimAtMost);
    std::printf("\n");
}

}  // namespace corvane::bench
