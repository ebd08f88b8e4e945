// SPDX-License-Identifier: GPL-3.0-or-later
// Patching a 16 MiB image with a 1 MiB IPS patch into a new file, against cp of the same source
// measured in the same run. The patcher makes its output durable (fsync) before it replaces the
// target, so cp followed by sync of the copy is measured too.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <optional>
#include <string>

#include "BenchSupport.h"
#include "support/TempDir.h"
#include "tools/IPSPatcherHandler.h"

using corvane::IPSPatcherHandler;
using corvane::IPSResult;

namespace {

constexpr std::size_t kSourceSize = std::size_t{16} << 20;
constexpr std::size_t kPatchSize = std::size_t{1} << 20;
constexpr int kCommandRuns = 7;

const char* const kApplyToTarget = "Apply/16MiB-source/1MiB-patch";
const char* const kPatchInMemory = "Patch/in-memory/1MiB-patch";

std::string randomBytes(std::size_t count, std::uint64_t seed) {
    std::string out(count, '\0');
    std::uint64_t x = seed;
    for (char& c : out) {
        x ^= x << 13;
        x ^= x >> 7;
        x ^= x << 17;
        c = static_cast<char>(x >> 56);
    }
    return out;
}

std::string bigEndian(std::size_t value, int bytes) {
    std::string out;
    for (int shift = 8 * (bytes - 1); shift >= 0; shift -= 8)
        out += static_cast<char>((value >> shift) & 0xFF);
    return out;
}

// Records of 1 KiB, one every 16 KiB of the image, and every eighth followed by a 4 KiB run,
// until the patch is 1 MiB.
std::string makePatch() {
    constexpr std::size_t kRecordBytes = 1024;
    constexpr std::size_t kStride = 16 * 1024;
    constexpr std::size_t kRunBytes = 8;
    const std::string data = randomBytes(kRecordBytes - 5, 7);
    std::string patch = "PATCH";
    for (std::size_t i = 0; patch.size() + kRecordBytes + kRunBytes + 3 <= kPatchSize; ++i) {
        patch += bigEndian(i * kStride, 3) + bigEndian(data.size(), 2) + data;
        if (i % 8 == 7)
            patch += bigEndian(i * kStride + 2048, 3) + bigEndian(0, 2) + bigEndian(4096, 2) + 'r';
    }
    patch += "EOF";
    return patch;
}

bool writeFile(const std::string& path, const std::string& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    return static_cast<bool>(out.flush());
}

bool runShell(const std::string& command) {
    return std::system((command + " 2>/dev/null").c_str()) == 0;
}

}  // namespace

int main(int argc, char** argv) {
    corvane::test::TempDir dir;
    const std::string source = dir.file("source.rom");
    const std::string patchPath = dir.file("patch.ips");
    const std::string target = dir.file("target.rom");
    const std::string copy = dir.file("copy.rom");
    const std::string sourceBytes = randomBytes(kSourceSize, 0x9E3779B97F4A7C15ull);
    const std::string patch = makePatch();
    if (!writeFile(source, sourceBytes) || !writeFile(patchPath, patch)) {
        std::fprintf(stderr, "cannot create the input files in %s\n", dir.path().c_str());
        return 1;
    }

    benchmark::RegisterBenchmark(
        kApplyToTarget,
        [&](benchmark::State& state) {
            for (auto _ : state) {
                IPSPatcherHandler handler;
                if (handler.Apply(patchPath, source, target) != IPSResult::Applied)
                    state.SkipWithError("Apply failed");
            }
        })
        ->Unit(benchmark::kMillisecond)
        ->UseRealTime()
        ->MinTime(1.0);
    benchmark::RegisterBenchmark(
        kPatchInMemory,
        [&](benchmark::State& state) {
            for (auto _ : state) {
                std::string image = sourceBytes;
                if (IPSPatcherHandler::Patch(patch, image) != IPSResult::Applied)
                    state.SkipWithError("Patch failed");
                benchmark::DoNotOptimize(image.data());
            }
        })
        ->Unit(benchmark::kMillisecond)
        ->UseRealTime()
        ->MinTime(1.0);

    benchmark::Initialize(&argc, argv);
    corvane::bench::BestTimeReporter reporter(::isatty(STDOUT_FILENO)
                                                  ? benchmark::ConsoleReporter::OO_Defaults
                                                  : benchmark::ConsoleReporter::OO_None);
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();

    const std::string quoted = "'" + source + "' '" + copy + "'";
    const auto cp =
        corvane::bench::bestSeconds(kCommandRuns, [&] { return runShell("cp " + quoted); });
    const auto cpSync = corvane::bench::bestSeconds(
        kCommandRuns, [&] { return runShell("cp " + quoted + " && sync '" + copy + "'"); });

    std::printf("\nInput: a %zu MiB source, a %zu KiB patch of %zu bytes\n", kSourceSize >> 20,
                kPatchSize >> 10, patch.size());
    const auto ours = reporter.seconds(kApplyToTarget);
    if (ours)
        std::printf("Apply into a new file:   %8.2f ms\n", *ours * 1e3);
    if (cp)
        std::printf("cp:                      %8.2f ms\n", *cp * 1e3);
    if (cpSync)
        std::printf("cp + sync of the copy:   %8.2f ms\n", *cpSync * 1e3);
    corvane::bench::printRatio("Apply / cp", ours, cp);
    corvane::bench::printRatio("Apply / (cp + sync)", ours, cpSync);
    return ours ? 0 : 1;
}
