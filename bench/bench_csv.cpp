// SPDX-License-Identifier: GPL-3.0-or-later
// Exporting 100,000 profiles in four databases to CSV, with every SHA-1 already in the cache,
// against a plain read of the same databases followed by a write (and fsync) of as many bytes
// as the export gives, measured in the same run.
#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <unistd.h>

#include <cstdio>
#include <fstream>
#include <optional>
#include <string>

#include "BenchSupport.h"
#include "app/CsvExportOperation.h"
#include "common/Progress.h"
#include "i18n/LanguageIds.h"
#include "i18n/LanguageManager.h"
#include "media/MediaHash.h"
#include "media/Sha1Cache.h"
#include "model/DatabaseStore.h"
#include "model/Game.h"
#include "support/FakeEmulator.h"
#include "support/TempDir.h"

namespace {

constexpr int kDatabases = 4;
constexpr int kProfiles = 100000;
// Profiles share media, so that the sizes come from real files without 100,000 of them.
constexpr int kMedia = 1000;

const char* const kExport = "Export/100000-profiles/4-databases";
const char* const kReference = "PlainReadAndWrite/100000-profiles/4-databases";

std::string databaseName(int d) {
    return "Database" + std::to_string(d);
}

struct Fixture {
    corvane::test::TempDir dir;
    corvane::test::FakeEmulator emulator;
    corvane::LanguageManager languages;
    corvane::Sha1Cache cache;
    std::string output = dir.file("out.csv");
    std::string reference = dir.file("reference.csv");
    size_t exportedBytes = 0;

    Fixture() {
        languages.setLanguage(corvane::kLanguageEnglish);
        std::vector<std::string> media;
        std::vector<std::string> sha1s;
        std::string xml = "<softwaredb>";
        for (int m = 0; m < kMedia; ++m) {
            media.push_back(dir.write("media/game" + std::to_string(m) + ".rom",
                                      std::string(16384, char('a' + m % 26)) + std::to_string(m)));
            sha1s.push_back(corvane::MediumSha1(media.back(), ""));
            xml += "<software><title>Game " + std::to_string(m) +
                   "</title><system>MSX</system><company>Konami</company><year>1987</year>"
                   "<country>JP</country><dump><rom><type>ASCII8</type><hash algo=\"sha1\">" +
                   sha1s.back() + "</hash></rom></dump></software>";
        }
        emulator.addDatabase("software.xml", xml + "</softwaredb>");
        for (int d = 0; d < kDatabases; ++d) {
            std::ofstream out(dir.file(databaseName(d) + ".db"), std::ios::binary);
            for (int i = d; i < kProfiles; i += kDatabases) {
                corvane::Game g;
                g.name = "Profile number " + std::to_string(i);
                g.slot1File = media[i % kMedia];
                g.machine = "Philips NMS 8245";
                g.generation[1] = true;
                g.sound[0] = true;
                g.genre1 = 7;
                out << g.ToLine() << "\r\n";
                cache.store(g.name, databaseName(d), sha1s[i % kMedia]);
            }
        }
    }
};

Fixture& fixture() {
    static Fixture f;
    return f;
}

bool exportAll(Fixture& f) {
    corvane::DatabaseStore store(f.dir.path());
    corvane::CsvExportOperation operation(store, f.cache, f.languages);
    corvane::CsvExportRequest request{.all = true, .database = "", .file = f.output};
    if (operation.refusal(request))
        return false;
    corvane::CsvExportJob job =
        operation.prepare(request, corvane::SoftwareSources(f.emulator.path()));
    corvane::NoProgress progress;
    job.run(progress);
    return operation.finish(job).result == corvane::OperationResult::Done &&
           job.rows() == kProfiles;
}

// Every line of every database read, then the export's byte count written and made durable,
// as the export's own file is.
bool readAndWritePlainly(Fixture& f) {
    size_t lines = 0;
    for (int d = 0; d < kDatabases; ++d)
        lines += corvane::bench::countLinesPlainly(f.dir.file(databaseName(d) + ".db"));
    const std::string bytes(f.exportedBytes, 'x');
    const int fd = ::open(f.reference.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    if (fd < 0)
        return false;
    const bool written =
        ::write(fd, bytes.data(), bytes.size()) == ssize_t(bytes.size()) && ::fsync(fd) == 0;
    ::close(fd);
    return written && lines == kProfiles;
}

}  // namespace

int main(int argc, char** argv) {
    Fixture& f = fixture();
    if (!exportAll(f)) {
        std::fprintf(stderr, "the export failed in %s\n", f.dir.path().c_str());
        return 1;
    }
    f.exportedBytes = corvane::test::readFile(f.output).size();

    benchmark::RegisterBenchmark(kExport,
                                 [&](benchmark::State& state) {
                                     for (auto _ : state)
                                         if (!exportAll(f))
                                             state.SkipWithError("export failed");
                                 })
        ->Unit(benchmark::kMillisecond)
        ->UseRealTime()
        ->MinTime(1.0);
    benchmark::RegisterBenchmark(kReference,
                                 [&](benchmark::State& state) {
                                     for (auto _ : state)
                                         if (!readAndWritePlainly(f))
                                             state.SkipWithError("plain read or write failed");
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

    std::printf(
        "\nInput: %d profiles in %d databases over %d media, a software database of %d "
        "entries; %zu bytes of CSV\n",
        kProfiles, kDatabases, kMedia, kMedia, f.exportedBytes);
    const auto ours = reporter.seconds(kExport);
    corvane::bench::printRatio("Export / (plain read + write)", ours, reporter.seconds(kReference),
                               3.0);
    return ours ? 0 : 1;
}
