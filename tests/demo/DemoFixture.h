// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "common/Path.h"
#include "generator/DemoGenerator.h"
#include "model/DatabaseStore.h"
#include "support/TempDir.h"

namespace corvane::test {

// The demo base directory as the build makes it, from the assembled demo programs, in a new
// folder of dir.
inline std::string generateDemo(const TempDir& dir, const std::string& folder = "demo") {
    std::optional<demo::DemoPrograms> programs = demo::DemoPrograms::load(CORVANE_DEMO_PROGRAMS);
    if (!programs) {
        ADD_FAILURE() << "the assembled demo programs are missing in " << CORVANE_DEMO_PROGRAMS;
        return {};
    }
    demo::DemoGenerator generator(std::move(*programs), "/usr/bin");
    const std::string path = dir.file(folder);
    EXPECT_TRUE(generator.generate(path)) << generator.error();
    return path;
}

inline std::vector<Game> demoProfiles(const std::string& demoDirectory) {
    return DatabaseStore::readProfiles(
        joinPath(demoDirectory, std::string(demo::DemoGenerator::kDatabaseName) + ".db"));
}

inline const Game* profileNamed(const std::vector<Game>& profiles, const std::string& name) {
    for (const Game& g : profiles) {
        if (g.name == name)
            return &g;
    }
    return nullptr;
}

}  // namespace corvane::test
