// SPDX-License-Identifier: GPL-3.0-or-later
// Loading a 100,000-profile database into the main window (offscreen) against reading and
// parsing the same file without a window.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <fstream>

#include "BenchSupport.h"
#include "app/CCorvaneLauncherApp.h"
#include "model/DatabaseStore.h"
#include "support/ScriptedPrompter.h"
#include "support/TempDir.h"
#include "ui/main/CCorvaneLauncherDlg.h"
#include "ui/main/ProfileListModel.h"

namespace {

constexpr int kProfiles = 100000;

struct Fixture {
    corvane::test::TempDir dir;
    Fixture() {
        dir.write("settings.ini", "\r\n\r\nBig\r\n");
        std::ofstream out(dir.file("Big.db"), std::ios::binary);
        for (int i = 0; i < kProfiles; ++i) {
            out << corvane::bench::loadProfileLine(i, kProfiles) << "\r\n";
        }
    }
};

Fixture& fixture() {
    static Fixture f;
    return f;
}

void ParseWithoutWindow(benchmark::State& state) {
    const std::string path = fixture().dir.file("Big.db");
    for (auto _ : state) {
        auto games = corvane::DatabaseStore::readProfiles(path);
        benchmark::DoNotOptimize(games.data());
    }
    state.counters["profiles"] = kProfiles;
}
BENCHMARK(ParseWithoutWindow)->Unit(benchmark::kMillisecond)->MinTime(2);

void LoadIntoMainWindow(benchmark::State& state) {
    corvane::test::ScriptedPrompter prompter;
    corvane::CCorvaneLauncherApp app(fixture().dir.path(), prompter);
    corvane::CCorvaneLauncherDlg window(app);
    window.initialise();
    window.show();
    for (auto _ : state) {
        window.loadList();
        if (window.profileModel()->rowCount() != kProfiles)
            state.SkipWithError("wrong count");
    }
}
BENCHMARK(LoadIntoMainWindow)->Unit(benchmark::kMillisecond)->MinTime(2);

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", QByteArrayLiteral("offscreen"));
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    // Report the ratio of the two runs of this process.
    corvane::bench::BestTimeReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    corvane::bench::printRatio("main window load / plain parse",
                               reporter.seconds("LoadIntoMainWindow"),
                               reporter.seconds("ParseWithoutWindow"), 2);
    benchmark::Shutdown();
    return 0;
}
