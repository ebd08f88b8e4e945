// SPDX-License-Identifier: GPL-3.0-or-later
#include "selection/HelpFile.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "i18n/LanguageIds.h"
#include "support/RecordingShell.h"
#include "support/ScriptedPrompter.h"
#include "support/TempDir.h"

using namespace corvane;

TEST(HelpFileTest, LanguageFileThenFallbackOpenedThroughTheShell) {
    test::TempDir dir;
    test::RecordingShell shell;
    test::ScriptedPrompter prompter;
    test::KeyTextSource texts;
    // A folder of the right name is no help file.
    std::filesystem::create_directory(dir.file("Corvane Launcher.chm"));
    openHelp(dir.path(), kLanguageGerman, shell, prompter, texts);
    EXPECT_TRUE(shell.opened.empty());
    ASSERT_EQ(prompter.messages.size(), 1u);
    std::filesystem::remove(dir.file("Corvane Launcher.chm"));

    const std::string fallback = dir.write("Corvane Launcher.chm", "help");
    const std::string german = dir.write("Corvane Launcher_de.chm", "Hilfe");
    const std::string english = dir.write("Corvane Launcher_en.chm", "help");
    EXPECT_EQ(helpFilePath(dir.path(), kLanguageSwedish), fallback);
    EXPECT_EQ(helpFilePath(dir.path(), 42), english);
    openHelp(dir.path(), kLanguageGerman, shell, prompter, texts);
    EXPECT_EQ(shell.opened, std::vector<std::string>{german});
    EXPECT_EQ(prompter.messages.size(), 1u);

    // The desktop's opener failing reports when it ends.
    shell.deferred = true;
    openHelp(dir.path(), kLanguageGerman, shell, prompter, texts);
    EXPECT_EQ(prompter.messages.size(), 1u);
    shell.answer(false);
    ASSERT_EQ(prompter.messages.size(), 2u);
    EXPECT_EQ(prompter.messages[1].text, "M_ERR_NO_HELP");
    EXPECT_EQ(prompter.messages[1].kind, MessageKind::Error);
}
