// SPDX-License-Identifier: GPL-3.0-or-later
// openMSX's own software database as the source of software data where the primary emulator is
// not installed.
#include <gtest/gtest.h>

#include <regex>
#include <set>

#include "common/Path.h"
#include "emulator/EmulatorDatabaseSet.h"
#include "emulator/SoftwareIndex.h"
#include "support/FakeEmulator.h"
#include "support/ScriptedPrompter.h"
#include "support/TempDir.h"

using namespace corvane;
using namespace corvane::test;

namespace {

const std::string kInstalled = "/usr/share/openmsx/softwaredb.xml";

std::string sha(char digit) {
    return std::string(40, digit);
}

// The shape of openMSX's file: hashes without an algorithm, remarks and starts as plain text.
std::string openMsxDb(const std::string& softwares) {
    return "<?xml version=\"1.0\" encoding=\"utf-8\"?>\n<!DOCTYPE softwaredb SYSTEM "
           "\"softwaredb1.dtd\">\n<softwaredb timestamp=\"1\">\n<![CDATA[credits]]>\n" +
           softwares + "</softwaredb>\n";
}

std::string software(const std::string& title, const std::string& company,
                     const std::string& dumps) {
    return "<software>\n\t<title>" + title +
           "</title>\n\t<genmsxid>12</genmsxid>\n"
           "\t<system>MSX</system>\n\t<company>" +
           company + "</company>\n\t<year>1987</year>\n\t<country>JP</country>\n" + dumps +
           "</software>\n";
}

// An openMSX installed under a prefix, its executable in bin/, and a home folder.
struct OpenMsxInstall {
    OpenMsxInstall() { prefix.write("bin/openmsx", "#!/bin/sh\n"); }

    std::string binFolder() const { return prefix.file("bin"); }
    void installDb(const std::string& xml) const {
        prefix.write("share/openmsx/softwaredb.xml", xml);
    }
    void userDb(const std::string& xml) const { home.write(".openMSX/share/softwaredb.xml", xml); }
    SoftwareSources sources(const std::string& corvanePath = {}) const {
        return {corvanePath, binFolder(), home.path()};
    }

    TempDir prefix;
    TempDir home;
};

}  // namespace

TEST(OpenMsxSoftwareDb, TheInstalledDatabaseIsReadWhole) {
    if (!fileExists(kInstalled))
        GTEST_SKIP() << kInstalled << " is not installed";
    // What the file holds, counted from its text.
    const std::string text = readFile(kInstalled);
    size_t softwares = 0;
    for (size_t at = text.find("<software>"); at != std::string::npos;
         at = text.find("<software>", at + 1))
        ++softwares;
    static const std::regex hashElement("<hash>([0-9a-f]{40})</hash>");
    std::set<std::string> hashes;
    for (std::sregex_iterator it(text.begin(), text.end(), hashElement), end; it != end; ++it)
        hashes.insert((*it)[1]);
    ASSERT_GT(softwares, 1000u);

    TempDir home;
    const SoftwareSources sources("", "/usr/bin", home.path());
    EXPECT_TRUE(sources.present());
    SoftwareIndex index;
    const std::atomic<bool> stop{false};
    ASSERT_EQ(index.build(sources, stop), IndexOutcome::Built);
    EXPECT_EQ(index.softwareCount(), softwares);
    EXPECT_EQ(index.size(), hashes.size());

    // The first entry of the file, through the full entry search.
    static const std::regex first(
        "<software>\\s*<title>([^<]*)</title>[\\s\\S]*?<company>([^<]*)</company>[\\s\\S]*?"
        "<hash>([0-9a-f]{40})</hash>");
    std::smatch match;
    ASSERT_TRUE(std::regex_search(text, match, first));
    ScriptedPrompter prompter;
    KeyTextSource texts;
    const EmulatorDatabaseSet set(sources, prompter, texts);
    const std::optional<CorvaneDBEntry> entry = set.findEntry(match[3].str());
    ASSERT_TRUE(entry && entry->found);
    EXPECT_EQ(entry->title, match[1].str());
    EXPECT_EQ(entry->company, match[2].str());
    EXPECT_EQ(entry->database, "softwaredb.xml");
    EXPECT_TRUE(entry->isRom);
    EXPECT_TRUE(prompter.messages.empty());
}

TEST(OpenMsxSoftwareDb, TheUsersDatabaseWinsAndTheFileShapeIsRead) {
    OpenMsxInstall openMsx;
    openMsx.installDb(openMsxDb(
        software("Installed", "Konami",
                 "\t\t<dump><original value=\"true\">GoodMSX</original><megarom><type>Konami"
                 "</type><hash>" +
                     sha('1') + "</hash><remark>ROM version</remark></megarom></dump>\n" +
                     "\t\t<dump><rom><start>0x8000</start><type>Normal</type><hash>" + sha('2') +
                     "</hash></rom></dump>\n"
                     "\t\t<dump><rom><hash algo=\"md5\">" +
                     sha('3') + "</hash></rom></dump>\n")));
    openMsx.userDb(openMsxDb(
        software("Mine", "Me",
                 "<dump><original value=\"false\">Translated</original><rom><hash>" + sha('2') +
                     "</hash></rom><rom><hash>" + sha('4') + "</hash></rom></dump>")));

    ScriptedPrompter prompter;
    KeyTextSource texts;
    SoftwareIndex index;
    index.build(openMsx.sources(), prompter, texts);
    ASSERT_TRUE(index.isBuilt());
    // A SHA-1 in both files is the user's; the rest of the installation's file still counts.
    EXPECT_EQ(index.find(sha('2'))->title, "Mine");
    EXPECT_EQ(*index.find(sha('1')), (SoftwareSummary{"Installed", "MSX", "Konami", "1987", "JP"}));
    EXPECT_EQ(index.otherDumps(sha('1')), (std::set<std::string>{sha('1')}));
    EXPECT_EQ(index.find(sha('3')), nullptr);  // a hash of another algorithm
    EXPECT_EQ(index.size(), 3u);

    const EmulatorDatabaseSet set(openMsx.sources(), prompter, texts);
    EXPECT_EQ(set.documentNames(), (std::vector<std::string>{"softwaredb.xml", "softwaredb.xml"}));
    const CorvaneDBEntry installed = *set.findEntry(sha('1'));
    EXPECT_EQ(installed.mapper + "|" + installed.remark + "|" + installed.goodMsx,
              "Konami|ROM version|Yes");
    const CorvaneDBEntry mine = *set.findEntry(sha('2'));
    EXPECT_EQ(mine.title + "|" + mine.goodMsx + "|" + mine.mapper, "Mine|No|Mirrored ROM");
    EXPECT_FALSE(set.findEntry(sha('3'))->found);
    EXPECT_TRUE(prompter.messages.empty());

    // Only the user's file, or only the installation's, is read as well.
    const SoftwareSources userOnly("", "", openMsx.home.path());
    EXPECT_TRUE(userOnly.present());
    EXPECT_EQ(EmulatorDatabaseSet(userOnly, prompter, texts).findEntry(sha('1'))->found, false);
    const SoftwareSources installOnly("", openMsx.binFolder(), openMsx.prefix.file("nobody"));
    EXPECT_EQ(EmulatorDatabaseSet(installOnly, prompter, texts).findEntry(sha('2'))->title,
              "Installed");
    // Nothing to read: no entry at all, and nothing said.
    const SoftwareSources none("", openMsx.home.file("bin"), openMsx.prefix.path());
    EXPECT_FALSE(none.present());
    EXPECT_EQ(EmulatorDatabaseSet(none, prompter, texts).findEntry(sha('1')), std::nullopt);
    EXPECT_TRUE(prompter.messages.empty());
}

TEST(OpenMsxSoftwareDb, APrimaryInstallationWithDatabasesIsReadAsBefore) {
    OpenMsxInstall openMsx;
    openMsx.installDb(openMsxDb(
        software("openMSX's", "Konami", "<dump><rom><hash>" + sha('1') + "</hash></rom></dump>")));
    FakeEmulator emulator;
    // A hash without algo="sha1" is no SHA-1 in the primary emulator's files.
    emulator.addDatabase(
        "db.xml", "<db><software><title>Primary</title><dump><rom><hash algo=\"sha1\">" + sha('2') +
                      "</hash><remark><text>wrapped</text></remark></rom><rom><hash>" + sha('5') +
                      "</hash></rom></dump></software></db>");
    ScriptedPrompter prompter;
    KeyTextSource texts;
    const SoftwareSources sources = openMsx.sources(emulator.path());
    EXPECT_TRUE(sources.usesCorvane());
    const EmulatorDatabaseSet set(sources, prompter, texts);
    EXPECT_EQ(set.documentNames(), std::vector<std::string>{"db.xml"});
    EXPECT_FALSE(set.findEntry(sha('1'))->found);
    EXPECT_FALSE(set.findEntry(sha('5'))->found);
    EXPECT_EQ(set.findEntry(sha('2'))->remark, "wrapped");

    // A Databases folder without XML files is still reported, not replaced by openMSX's.
    emulator.removeDatabasesDirectory();
    emulator.write("Databases/readme.txt", "");
    SoftwareIndex index;
    index.build(sources, prompter, texts);
    EXPECT_FALSE(index.isBuilt());
    ASSERT_EQ(prompter.messages.size(), 1u);
    EXPECT_EQ(prompter.messages[0].text, "M_ERR_NO_CORVANE_DB");

    // Without the Databases folder openMSX's database is the source.
    emulator.removeDatabasesDirectory();
    EXPECT_FALSE(sources.usesCorvane());
    index.rebuild(sources, prompter, texts);
    ASSERT_TRUE(index.isBuilt());
    EXPECT_EQ(index.find(sha('1'))->title, "openMSX's");
    EXPECT_EQ(prompter.messages.size(), 1u);
}
