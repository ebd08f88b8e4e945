// SPDX-License-Identifier: GPL-3.0-or-later
#include "selection/HelpFile.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <regex>
#include <set>

#include "common/Path.h"
#include "i18n/LanguageIds.h"
#include "support/RecordingShell.h"
#include "support/ScriptedPrompter.h"
#include "support/TempDir.h"

using namespace corvane;

TEST(HelpFileTest, OwnFilesByFormatAndLanguageThenTheShippedGuide) {
    test::TempDir base;
    test::TempDir installed;
    test::TempDir sources;
    const std::vector<std::string> guides{installed.path(), sources.path()};
    // Folders of the right names are no help files.
    std::filesystem::create_directory(base.file("Corvane Launcher.html"));
    std::filesystem::create_directory(installed.file("Corvane Launcher.html"));
    EXPECT_EQ(helpFilePath(base.path(), kLanguageGerman, guides), std::nullopt);

    const std::string fromSources = sources.write("Corvane Launcher.html", "guide");
    EXPECT_EQ(helpFilePath(base.path(), kLanguageGerman, guides), fromSources);
    std::filesystem::remove(installed.file("Corvane Launcher.html"));
    const std::string shipped = installed.write("Corvane Launcher.html", "guide");
    EXPECT_EQ(helpFilePath(base.path(), kLanguageGerman, guides), shipped);
    const std::string shippedGerman = installed.write("Corvane Launcher_de.html", "Anleitung");
    EXPECT_EQ(helpFilePath(base.path(), kLanguageGerman, guides), shippedGerman);
    EXPECT_EQ(helpFilePath(base.path(), kLanguageFrench, guides), shipped);

    // Anything in the base directory comes before the shipped guide, the language's own file
    // before the general one, a page before compiled help.
    const std::string chm = base.write("Corvane Launcher.chm", "help");
    EXPECT_EQ(helpFilePath(base.path(), kLanguageGerman, guides), chm);
    const std::string germanChm = base.write("Corvane Launcher_de.chm", "Hilfe");
    EXPECT_EQ(helpFilePath(base.path(), kLanguageGerman, guides), germanChm);
    EXPECT_EQ(helpFilePath(base.path(), kLanguageFrench, guides), chm);
    std::filesystem::remove(base.file("Corvane Launcher.html"));
    const std::string page = base.write("Corvane Launcher.html", "guide");
    EXPECT_EQ(helpFilePath(base.path(), kLanguageGerman, guides), page);
    const std::string germanPage = base.write("Corvane Launcher_de.html", "Anleitung");
    const std::string englishPage = base.write("Corvane Launcher_en.html", "guide");
    EXPECT_EQ(helpFilePath(base.path(), kLanguageGerman, guides), germanPage);
    EXPECT_EQ(helpFilePath(base.path(), kLanguageSwedish, guides), page);
    // An identifier of no language asks for the English file.
    EXPECT_EQ(helpFilePath(base.path(), 42, guides), englishPage);
}

TEST(HelpFileTest, OpenedThroughTheShellOrReportedMissing) {
    test::TempDir base;
    test::TempDir installed;
    test::RecordingShell shell;
    test::ScriptedPrompter prompter;
    test::KeyTextSource texts;
    openHelp(base.path(), kLanguageGerman, shell, prompter, texts, {installed.path()});
    EXPECT_TRUE(shell.opened.empty());
    ASSERT_EQ(prompter.messages.size(), 1u);
    EXPECT_EQ(prompter.messages[0].text, "M_ERR_NO_HELP");

    const std::string shipped = installed.write("Corvane Launcher.html", "guide");
    openHelp(base.path(), kLanguageGerman, shell, prompter, texts, {installed.path()});
    EXPECT_EQ(shell.opened, std::vector<std::string>{shipped});
    EXPECT_EQ(prompter.messages.size(), 1u);

    // The desktop's opener failing reports when it ends.
    shell.deferred = true;
    openHelp(base.path(), kLanguageGerman, shell, prompter, texts, {installed.path()});
    EXPECT_EQ(prompter.messages.size(), 1u);
    shell.answer(false);
    ASSERT_EQ(prompter.messages.size(), 2u);
    EXPECT_EQ(prompter.messages[1].text, "M_ERR_NO_HELP");
    EXPECT_EQ(prompter.messages[1].kind, MessageKind::Error);
}

// A program run from its build tree opens the guide in its sources, and every picture, page and
// chapter that guide links to is there.
TEST(HelpFileTest, GuideInTheSourcesIsFoundAndWhole) {
    ASSERT_FALSE(shippedGuideDirectories().empty());
    const std::string sources = shippedGuideDirectories().back();
    test::TempDir base;
    const std::optional<std::string> guide = helpFilePath(base.path(), kLanguageEnglish, {sources});
    ASSERT_EQ(guide, joinPath(sources, "Corvane Launcher.html"));

    const std::string page = test::readFile(*guide);
    std::set<std::string> chapters;
    const std::regex id(R"re(\bid="([^"]+)")re");
    for (auto it = std::sregex_iterator(page.begin(), page.end(), id); it != std::sregex_iterator();
         ++it)
        chapters.insert((*it)[1]);
    const std::regex reference(R"re(\b(?:src|href)="([^"]*)")re");
    int files = 0;
    for (auto it = std::sregex_iterator(page.begin(), page.end(), reference);
         it != std::sregex_iterator(); ++it) {
        const std::string target = (*it)[1];
        EXPECT_FALSE(target.empty());
        if (target.starts_with("#")) {
            EXPECT_TRUE(chapters.contains(target.substr(1))) << target;
        } else if (target.find(':') == std::string::npos) {
            ++files;
            EXPECT_TRUE(std::filesystem::is_regular_file(joinPath(sources, target))) << target;
        }
    }
    EXPECT_GT(files, 0);
}
