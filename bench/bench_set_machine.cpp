// SPDX-License-Identifier: GPL-3.0-or-later
// Set Machine over a 100 MB database: its peak memory against the size of the file, since the
// rewrite streams, and its time against a plain copy of the file.
#include <benchmark/benchmark.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <functional>
#include <optional>
#include <string>

#include "BenchSupport.h"
#include "app/SetMachineOperation.h"
#include "common/Progress.h"
#include "model/DatabaseStore.h"
#include "model/Game.h"
#include "support/TempDir.h"

namespace {

constexpr long long kDatabaseBytes = 100LL << 20;
constexpr const char* kMachines[] = {"Sony_HB-F1XD", "Panasonic_FS-A1GT"};

// Written line by line, so that making it costs the benchmark no memory of its own.
struct Fixture {
    corvane::test::TempDir dir;
    std::string path = dir.file("Big.db");
    long long bytes = 0;
    Fixture() {
        std::FILE* out = std::fopen(path.c_str(), "wb");
        for (int i = 0; out && bytes < kDatabaseBytes; ++i) {
            corvane::Game g;
            g.name = "Profile number " + std::to_string(i);
            g.slot1File =
                "/home/user/MSX/Collection/Cartridges/profile" + std::to_string(i) + ".zip";
            g.slot1ZipEntry = "profile" + std::to_string(i) + ".rom";
            g.machine = "Philips_NMS_8245";
            g.company = "Konami";
            g.year = "1987";
            g.country = "JP";
            g.openMsxArguments = "-ext gfx9000 -command \"set throttle off\"";
            g.generation[1] = true;
            g.genre1 = 7;
            const std::string line = g.ToLine() + "\r\n";
            bytes += static_cast<long long>(std::fwrite(line.data(), 1, line.size(), out));
        }
        if (out)
            std::fclose(out);
    }
};

Fixture& fixture() {
    static Fixture f;
    return f;
}

// Set Machine as the window and corvane-cli run it, without a backup.
bool setMachine(const char* machine) {
    corvane::SetMachineRequest request;
    request.databaseName = "Big";
    request.options.machine = machine;
    corvane::SetMachineJob job(request, fixture().dir.path(),
                               corvane::LockWait{std::chrono::seconds(5), {}}, {}, {});
    corvane::NoProgress progress;
    job.run(progress);
    return job.outcome().result == corvane::RewriteOutcome::Result::Done;
}

struct PeakMemory {
    long beforeKb = 0;  // what the child had from this process when it began
    long peakKb = 0;
};

// Runs work in a child, whose peak resident memory is then the work's plus what this process held
// at the fork, which is little: the database was written line by line.
std::optional<PeakMemory> peakMemoryOf(const std::function<bool()>& work) {
    int ends[2];
    if (::pipe(ends) != 0)
        return std::nullopt;
    std::fflush(nullptr);
    const pid_t child = ::fork();
    if (child == 0) {
        ::close(ends[0]);
        rusage usage{};
        ::getrusage(RUSAGE_SELF, &usage);
        PeakMemory memory{usage.ru_maxrss, 0};
        const bool done = work();
        ::getrusage(RUSAGE_SELF, &usage);
        memory.peakKb = usage.ru_maxrss;
        const bool sent = ::write(ends[1], &memory, sizeof memory) == sizeof memory;
        ::_exit(done && sent ? 0 : 1);
    }
    ::close(ends[1]);
    PeakMemory memory;
    const bool read = child > 0 && ::read(ends[0], &memory, sizeof memory) == sizeof memory;
    ::close(ends[0]);
    int status = 0;
    if (child > 0)
        ::waitpid(child, &status, 0);
    if (!read || !WIFEXITED(status) || WEXITSTATUS(status) != 0)
        return std::nullopt;
    return memory;
}

void SetMachine(benchmark::State& state) {
    int run = 0;
    for (auto _ : state) {
        // Each run changes every profile: the machine differs from the one the last run set.
        if (!setMachine(kMachines[++run % 2]))
            state.SkipWithError("the rewrite failed");
    }
    state.SetBytesProcessed(state.iterations() * fixture().bytes);
}
BENCHMARK(SetMachine)->Unit(benchmark::kMillisecond)->Iterations(2)->Repetitions(2);

// The reference: the file copied as it is, a megabyte at a time, and put on disk as the rewrite
// puts its file.
void PlainCopy(benchmark::State& state) {
    const std::string copy = fixture().dir.file("Copy.db");
    std::string buffer(1 << 20, '\0');
    for (auto _ : state) {
        std::FILE* in = std::fopen(fixture().path.c_str(), "rb");
        std::FILE* out = std::fopen(copy.c_str(), "wb");
        if (!in || !out) {
            state.SkipWithError("cannot copy");
            break;
        }
        for (size_t n; (n = std::fread(buffer.data(), 1, buffer.size(), in)) > 0;)
            std::fwrite(buffer.data(), 1, n, out);
        std::fflush(out);
        ::fsync(::fileno(out));
        std::fclose(in);
        std::fclose(out);
    }
    state.SetBytesProcessed(state.iterations() * fixture().bytes);
}
BENCHMARK(PlainCopy)->Unit(benchmark::kMillisecond)->Iterations(2)->Repetitions(2);

}  // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    // Measured first, while this process holds nothing but the database's name.
    const double fileMb = static_cast<double>(fixture().bytes) / (1 << 20);
    const std::optional<PeakMemory> memory = peakMemoryOf([] { return setMachine(kMachines[0]); });
    // The meter's check, and what holding the database whole cost: every profile read into records.
    const std::optional<PeakMemory> whole =
        peakMemoryOf([] { return !corvane::DatabaseStore::readProfiles(fixture().path).empty(); });
    corvane::bench::BestTimeReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    corvane::bench::printRatio("set machine / plain copy", reporter.seconds("SetMachine"),
                               reporter.seconds("PlainCopy"));
    if (!memory) {
        std::printf("set machine peak memory: the rewrite failed\n");
        benchmark::Shutdown();
        return 1;
    }
    const double peakMb = static_cast<double>(memory->peakKb) / 1024;
    std::printf(
        "set machine over a %.1f MB database: peak resident memory %.1f MB (%.1f MB of it "
        "held before the rewrite began)\n",
        fileMb, peakMb, static_cast<double>(memory->beforeKb) / 1024);
    corvane::bench::printRatio("set machine peak memory / database size", peakMb, fileMb, 1.2);
    std::printf("%s\n", corvane::bench::verdict(peakMb <= 1.2 * fileMb));
    if (whole)
        corvane::bench::printRatio("all profiles read into records, peak memory / database size",
                                   static_cast<double>(whole->peakKb) / 1024, fileMb);
    benchmark::Shutdown();
    return 0;
}
