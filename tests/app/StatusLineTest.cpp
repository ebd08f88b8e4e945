// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "app/CCorvaneLauncherApp.h"
#include "support/ScriptedPrompter.h"
#include "support/TempDir.h"

using namespace corvane;
using namespace corvane::test;

TEST(StatusLineTest, OwnDataThenTheMainMediumsSize) {
    TempDir dir;
    ScriptedPrompter prompter;
    CCorvaneLauncherApp app(dir.path(), prompter);
    Game g;
    g.name = "Knightmare";
    g.basicDataSpecified = "T";
    g.company = "Konami";
    g.year = "1986";
    g.slot1File = dir.write("knight.rom", std::string(3 * 1024 + 5, 'x'));
    EXPECT_EQ(app.statusLine(g), "Konami 1986 - 3 KB");

    // Unspecified data and no software index: only the size; nothing at all without a medium.
    g.basicDataSpecified.clear();
    EXPECT_EQ(app.statusLine(g), "3 KB");
    g.slot1File.clear();
    EXPECT_EQ(app.statusLine(g), "");
    // Specified but blank data still leaves the single blank between them, as the window shows.
    g.basicDataSpecified = "T";
    g.company.clear();
    g.year.clear();
    EXPECT_EQ(app.statusLine(g), " ");
}
