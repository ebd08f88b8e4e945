// SPDX-License-Identifier: GPL-3.0-or-later
// File hashing throughput on a 256 MiB file held in the page cache, against sha1sum and
// openssl measured on the same file in the same run.
#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <fstream>
#include <limits>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "BenchSupport.h"
#include "common/AsciiCase.h"
#include "media/CSHADigest.h"
#include "support/TempDir.h"

using corvane::CSHADigest;

namespace {

constexpr std::uint64_t kFileSize = std::uint64_t{256} << 20;
constexpr int kCommandRuns = 7;

const char* const kSha1Extensions = "HashFile/SHA-extensions/256MiB";
const char* const kSha1Portable = "HashFile/portable/256MiB";
const char* const kPlainRead = "PlainRead/256MiB";

// Incompressible bytes, so nothing below us can shortcut the work.
bool writeInput(const std::string& path) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    std::vector<std::uint64_t> chunk(1 << 17);
    std::uint64_t x = 0x9E3779B97F4A7C15ull;
    for (std::uint64_t written = 0; written < kFileSize; written += chunk.size() * 8) {
        for (auto& word : chunk) {
            x ^= x << 13;
            x ^= x >> 7;
            x ^= x << 17;
            word = x;
        }
        out.write(reinterpret_cast<const char*>(chunk.data()),
                  static_cast<std::streamsize>(chunk.size() * 8));
    }
    return static_cast<bool>(out.flush());
}

// Reads the whole file through a 1 MiB buffer; also what puts it in the page cache.
bool plainRead(const std::string& path) {
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return false;
    const auto buffer = std::make_unique_for_overwrite<char[]>(1 << 20);
    ssize_t got = 0;
    std::uint64_t total = 0;
    while ((got = ::read(fd, buffer.get(), 1 << 20)) > 0)
        total += static_cast<std::uint64_t>(got);
    ::close(fd);
    return got == 0 && total == kFileSize;
}

// Best wall time over several runs, with the digest text of the run.
struct Timing {
    double seconds = std::numeric_limits<double>::infinity();
    std::string text;
    bool failed = false;

    template <typename Run>
    void measure(Run run) {
        if (failed)
            return;
        std::optional<std::string> result;
        const double elapsed = corvane::bench::wallSeconds([&] { result = run(); });
        failed = !result;
        if (result && elapsed < seconds) {
            seconds = elapsed;
            text = result->substr(0, 40);
        }
    }
};

// Runs a shell command and returns what it printed, or nothing when it fails.
std::optional<std::string> runCommand(const std::string& command) {
    FILE* pipe = ::popen((command + " 2>/dev/null").c_str(), "r");
    if (!pipe)
        return std::nullopt;
    std::string output;
    char line[512];
    while (std::fgets(line, sizeof line, pipe))
        output += line;
    if (::pclose(pipe) != 0)
        return std::nullopt;
    return output;
}

double megabytesPerSecond(double seconds) {
    return static_cast<double>(kFileSize) / 1e6 / seconds;
}

void registerHash(const char* name, CSHADigest::Engine engine, const std::string& path,
                  std::string* text) {
    benchmark::RegisterBenchmark(
        name,
        [engine, path, text](benchmark::State& state) {
            CSHADigest digest(engine);
            for (auto _ : state) {
                if (!digest.HashFile(path)) {
                    state.SkipWithError("HashFile failed");
                    break;
                }
            }
            *text = corvane::toLowerAscii(digest.DigestText());
            state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(kFileSize));
        })
        ->Unit(benchmark::kMillisecond)
        ->UseRealTime()
        ->MinTime(1.0)
        ->Repetitions(3);
}

void printReference(const char* label, const Timing& theirs, const Timing& ours, double aim) {
    if (theirs.failed) {
        std::printf("%-34s not available\n", label);
        return;
    }
    const double ratio = theirs.seconds / ours.seconds;
    std::printf("%-34s %8.0f MB/s   ours / it = %.2f (aim >= %.1f: %s)%s\n", label,
                megabytesPerSecond(theirs.seconds), ratio, aim,
                corvane::bench::verdict(ratio >= aim),
                theirs.text == ours.text ? "" : "   DIGEST DIFFERS");
}

}  // namespace

int main(int argc, char** argv) {
    corvane::test::TempDir dir;
    const std::string path = dir.file("input-256MiB.bin");
    if (!writeInput(path) || !plainRead(path)) {
        std::fprintf(stderr, "cannot create %s\n", path.c_str());
        return 1;
    }

    std::string extensionsText;
    std::string portableText;
    if (CSHADigest::engineAvailable(CSHADigest::Engine::ShaExtensions))
        registerHash(kSha1Extensions, CSHADigest::Engine::ShaExtensions, path, &extensionsText);
    registerHash(kSha1Portable, CSHADigest::Engine::Portable, path, &portableText);
    benchmark::RegisterBenchmark(
        kPlainRead,
        [path](benchmark::State& state) {
            for (auto _ : state)
                if (!plainRead(path))
                    state.SkipWithError("read failed");
            state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(kFileSize));
        })
        ->Unit(benchmark::kMillisecond)
        ->UseRealTime()
        ->MinTime(1.0);

    benchmark::Initialize(&argc, argv);
    // No colour codes where the output goes to a file.
    corvane::bench::BestTimeReporter reporter(::isatty(STDOUT_FILENO)
                                                  ? benchmark::ConsoleReporter::OO_Defaults
                                                  : benchmark::ConsoleReporter::OO_None);
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();

    // The references and our own single run, interleaved so that a busy moment of the machine
    // does not fall on one side only.
    const std::string quoted = "'" + path + "'";
    Timing ours;
    Timing sha1sum;
    Timing openssl;
    for (int run = 0; run < kCommandRuns; ++run) {
        ours.measure([&]() -> std::optional<std::string> {
            CSHADigest digest;
            if (!digest.HashFile(path))
                return std::nullopt;
            return corvane::toLowerAscii(digest.DigestText());
        });
        sha1sum.measure([&] { return runCommand("sha1sum " + quoted); });
        openssl.measure([&] { return runCommand("openssl dgst -sha1 -r " + quoted); });
    }

    std::printf("\nInput: %llu MiB in the page cache; MB = 10^6 bytes\n",
                static_cast<unsigned long long>(kFileSize >> 20));
    for (const auto& [name, label] : {std::pair{kPlainRead, "plain read (1 MiB buffer)"},
                                      std::pair{kSha1Portable, "HashFile, portable"},
                                      std::pair{kSha1Extensions, "HashFile, SHA extensions"}}) {
        if (const auto seconds = reporter.seconds(name))
            std::printf("%-34s %8.0f MB/s\n", label, megabytesPerSecond(*seconds));
    }
    if (!extensionsText.empty() && extensionsText != portableText)
        std::printf("the two engines disagree: %s %s\n", extensionsText.c_str(),
                    portableText.c_str());
    if (ours.failed)
        return 1;
    std::printf("\nBest of %d interleaved runs of each:\n", kCommandRuns);
    std::printf("%-34s %8.0f MB/s\n", "HashFile (default engine)",
                megabytesPerSecond(ours.seconds));
    printReference("sha1sum", sha1sum, ours, 2.0);
    printReference("openssl dgst -sha1", openssl, ours, 0.9);
    return 0;
}
