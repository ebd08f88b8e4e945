// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <random>
#include <regex>

#include "common/AsciiCase.h"
#include "emulator/EmulatorDatabaseSet.h"
#include "emulator/SoftwareIndex.h"
#include "support/FakeEmulator.h"
#include "support/ScriptedPrompter.h"

using namespace corvane;
using namespace corvane::test;
using Keys = std::set<std::string>;

namespace {

std::string sha(unsigned n) {
    char text[41];
    std::snprintf(text, sizeof text, "abcdef%034x", n);
    return text;
}

std::string hash(unsigned n) {
    return "<hash algo=\"sha1\">" + sha(n) + "</hash>";
}

// Writes "#n" as the sha1 hash element of sha(n), "@n" as the bare text of sha(n).
std::string xml(std::string text) {
    static const std::regex marker("([#@])([0-9]+)");
    std::string out;
    std::sregex_iterator it(text.begin(), text.end(), marker), end;
    size_t from = 0;
    for (; it != end; ++it) {
        const unsigned n = static_cast<unsigned>(std::stoul((*it)[2]));
        out += text.substr(from, static_cast<size_t>(it->position()) - from);
        out += (*it)[1] == "#" ? hash(n) : sha(n);
        from = static_cast<size_t>(it->position() + it->length());
    }
    return out + text.substr(from);
}

// clang-format off
const std::string kKonami = xml(R"(<?xml version="1.0" encoding="UTF-8"?>
<db>
  <software><title>Knightmare</title><system>MSX</system><company>Konami</company>
    <year>1986</year><country>JP</country>
    <dump><original value="true">GoodMSX</original>
      <megarom><type>Konami</type>#1<start>0x4000</start><remark><text>first</text></remark></megarom></dump>
    <dump><rom>#2<boot>BASIC</boot><type>Plain</type></rom></dump>
    <dump><rom>#3<remark><text>no mapper</text></remark></rom></dump>
  </software>
  <notsoftware><dump><rom>#90</rom></dump></notsoftware>
  <software><title>Tape Game</title><system>MSX</system>
    <dump><group><original>GoodMSX</original>
        <cas><format type="cas">#10</format><start><c>RUN"CAS:"</c></start><remark><t>side A</t></remark></cas>
        <cas><format type="cas">#11</format><start><c>BLOAD"CAS:",R</c></start><remark><t>side B</t></remark></cas>
      </group><original value="false"/><rom>#12</rom></dump>
  </software>
  <software><title>Disk Game</title><system>MSX2</system>
    <dump><original>GoodMSX</original><dsk><format type="dsk">#20</format><start><t>auto</t></start></dsk></dump>
  </software>
  <software><title>Odd</title><system>MSX</system><company/>
    <dump><rom><hash algo="sha1"/><hash>@31</hash><hash algo="md5">@32</hash><format>#33</format></rom>
      <cas><format>#34</format></cas><rom><hash algo="sha1">ABCDEF0000000000000000000000000000000023</hash></rom></dump>
  </software>
  <software><title>Repeat</title><dump><rom>#2</rom><rom>#40</rom></dump></software>
</db>)");
// clang-format on

const std::string kLater =
    xml("<db><software><title>Later</title><dump><rom>#1</rom></dump><dump><rom>#50</rom></dump>"
        "</software></db>");

class SoftwareDatabaseTest : public ::testing::Test {
protected:
    SoftwareDatabaseTest() {
        emulator.addDatabase("a-konami.xml", kKonami);
        emulator.addDatabase("B-later.XML", kLater);
        emulator.addDatabase("c-empty.xml", "");
        emulator.addDatabase("d-broken.xml", "<db><software><title>x</db>");
        emulator.addDatabase("e-bare.xml", "<db/>");
        emulator.addDatabase("notes.txt",
                             xml("<db><software><dump><rom>#60</rom></dump></software></db>"));
        std::filesystem::create_directories(emulator.path() + "/Databases/f-folder.xml");
    }

    FakeEmulator emulator;
    ScriptedPrompter prompter;
    KeyTextSource texts;
};

}  // namespace

TEST_F(SoftwareDatabaseTest, IndexOfCartridgeAndTapeDumps) {
    SoftwareIndex index;
    index.build(emulator.path(), prompter, texts);
    ASSERT_TRUE(index.isBuilt());
    EXPECT_EQ(*index.find(sha(3)), (SoftwareSummary{"Knightmare", "MSX", "Konami", "1986", "JP"}));
    EXPECT_EQ(index.otherDumps(sha(2)), (Keys{sha(1), sha(2), sha(3)}));
    // The earlier file and the earlier software keep a repeated SHA-1.
    EXPECT_EQ(index.find(sha(50))->title, "Later");
    EXPECT_EQ(index.otherDumps(sha(50)), Keys{sha(50)});
    EXPECT_EQ(index.otherDumps(sha(40)), Keys{sha(40)});
    EXPECT_EQ(index.otherDumps(sha(11)), (Keys{sha(10), sha(11)}));
    // Behind a group, disks, outside "software", malformed, upper case, not an XML file.
    for (unsigned n : {12u, 20u, 90u, 31u, 32u, 33u, 34u, 35u, 60u})
        EXPECT_EQ(index.find(sha(n)), nullptr) << n;
    EXPECT_EQ(index.otherDumps(sha(35)), std::nullopt);
    EXPECT_EQ(index.size(), 8u);  // the upper-case text is a key no lower-case SHA-1 reaches

    emulator.addDatabase(
        "0-new.xml",
        xml("<db><software><title>New</title><dump><rom>#1</rom></dump></software></db>"));
    index.build(emulator.path(), prompter, texts);  // built once
    EXPECT_EQ(index.find(sha(1))->title, "Knightmare");
    index.rebuild(emulator.path(), prompter, texts);
    EXPECT_EQ(index.find(sha(1))->title, "New");
    index.rebuild(std::string("/nonexistent"), prompter, texts);
    EXPECT_TRUE(index.isBuilt() && index.size() == 0);
    EXPECT_TRUE(prompter.messages.empty());
}

TEST(SoftwareIndex, NoXmlFileIsReported) {
    FakeEmulator emulator;
    emulator.addDatabase("readme.txt", "");
    ScriptedPrompter prompter;
    KeyTextSource texts;
    SoftwareIndex index;
    index.build(emulator.path(), prompter, texts);
    EXPECT_FALSE(index.isBuilt());
    const EmulatorDatabaseSet set(emulator.path(), prompter, texts);
    EXPECT_EQ(set.findEntry(sha(1)), std::nullopt);
    ASSERT_EQ(prompter.messages.size(), 2u);
    EXPECT_EQ(prompter.messages[1].text, "M_ERR_NO_CORVANE_DB");
    emulator.removeDatabasesDirectory();  // an invalid path is silent
    EXPECT_EQ(EmulatorDatabaseSet(emulator.path(), prompter, texts).findEntry(sha(1)),
              std::nullopt);
    EXPECT_EQ(prompter.messages.size(), 2u);
}

TEST_F(SoftwareDatabaseTest, EntriesFollowTheDatabaseRules) {
    const EmulatorDatabaseSet set(emulator.path(), prompter, texts);
    EXPECT_EQ(set.documentNames(),
              (std::vector<std::string>{"a-konami.xml", "B-later.XML", "e-bare.xml"}));
    CorvaneDBEntry knightmare{"Knightmare", "MSX", "Konami", "1986",   "JP", "a-konami.xml",
                              sha(1),       "Yes", "Konami", "0x4000", "",   "first",
                              true,         true,  false,    false};
    EXPECT_EQ(set.findEntry(toUpperAscii(sha(1))), knightmare);
    EXPECT_EQ(set.findEntry(sha(2))->mapper, "Plain");  // the later of "boot" and "type"
    EXPECT_EQ(set.findEntry(sha(2))->goodMsx, "No");    // MSX without an "original" flag
    EXPECT_EQ(set.findEntry(sha(3))->mapper, "Mirrored ROM");
    EXPECT_EQ(set.findEntry(sha(50))->database, "B-later.XML");

    // Of a group's tapes only the one holding the hash describes the dump.
    const CorvaneDBEntry sideB = *set.findEntry(sha(11));
    EXPECT_TRUE(sideB.isTape && !sideB.isRom && !sideB.isDisk);
    EXPECT_EQ(sideB.mediaStart + "|" + sideB.remark + "|" + sideB.goodMsx,
              "BLOAD\"CAS:\",R|side B|Yes");
    EXPECT_EQ(set.findEntry(sha(10))->remark, "side A");
    const CorvaneDBEntry disk = *set.findEntry(sha(20));
    EXPECT_TRUE(disk.isDisk && !disk.isTape);
    EXPECT_EQ(disk.goodMsx + "|" + disk.mediaStart, "Not MSX|auto");
    // A "format" needs no type here; in a medium neither tape nor disk it gives no kind.
    const CorvaneDBEntry odd = *set.findEntry(sha(33));
    EXPECT_TRUE(odd.found && !odd.isRom && !odd.isDisk && !odd.isTape);
    EXPECT_TRUE(set.findEntry(sha(34))->isTape);
    for (unsigned n : {12u, 31u, 32u, 35u, 60u, 90u}) {
        CorvaneDBEntry unknown;
        unknown.sha1 = sha(n);
        EXPECT_EQ(set.findEntry(sha(n)), unknown) << n;
    }
    EXPECT_EQ(set.findEntry(""), std::nullopt);
}

TEST(EmulatorDatabaseSet, IndexAnswersLikeTheWalk) {
    FakeEmulator emulator;
    std::mt19937 random(20240607);
    const auto pick = [&](unsigned n) { return static_cast<unsigned>(random() % n); };
    const char* media[] = {"rom", "megarom", "cas", "dsk", "sccpluscart", "original", "other"};
    for (int file = 0; file < 4; ++file) {
        std::string text = "<db>";
        for (int software = 0; software < 40; ++software) {
            text += "<software><title>T" + std::to_string(file * 100 + software) +
                    "</title><system>" + (pick(2) ? "MSX" : "MSX2") + "</system>";
            for (unsigned dump = pick(3) + 1; dump > 0; --dump) {
                const bool group = pick(2);
                text += group ? "<dump><group>" : "<dump>";
                for (unsigned medium = pick(3) + 1; medium > 0; --medium) {
                    const std::string name = media[pick(7)];
                    // A small pool of hashes makes repeats within and across files common.
                    const std::string h = hash(pick(60));
                    text += "<" + name + ">" +
                            (pick(2) ? h : "<format type=\"" + name + "\">" + h + "</format>");
                    if (pick(3) == 0)
                        text += "<start><x>s" + std::to_string(pick(9)) + "</x></start>";
                    if (pick(3) == 0)
                        text += "<type>M" + std::to_string(pick(9)) + "</type>";
                    text += "</" + name + ">";
                }
                text += group ? "</group>" : "";
                if (pick(3) == 0)
                    text += "<rom>" + hash(pick(60)) + "</rom>";
                text += "</dump>";
            }
            text += "</software>";
        }
        emulator.addDatabase("r" + std::to_string(file) + ".xml", text + "</db>");
    }
    ScriptedPrompter prompter;
    KeyTextSource texts;
    const EmulatorDatabaseSet set(emulator.path(), prompter, texts);
    int found = 0;
    for (unsigned n = 0; n < 62; ++n) {
        const std::optional<CorvaneDBEntry> indexed = set.findEntry(sha(n));
        EXPECT_EQ(indexed, set.findEntryByWalk(sha(n))) << n;
        found += indexed->found;
    }
    EXPECT_GT(found, 40);
}

// Software the index finds only when the file is read: the hash of sha(n) at the given depth of
// elements, among markup that nests nothing (quoted ">", "/>", comments, CDATA, instructions).
std::string nestedTo(int levels, unsigned n) {
    std::string text =
        xml("<db><software><title>Deep</title><dump><rom>#" + std::to_string(n) + "</rom></dump>");
    for (int level = 3; level <= levels; ++level)
        text += "<x a=\"/>\" b='>'><!-- <x> --><![CDATA[<x>]]><?pi <x>?><y/><z c = \"1\" />";
    for (int level = 3; level <= levels; ++level)
        text += "</x>";
    return text + "</software></db>";
}

// Files cut off inside a multi-byte UTF-8 sequence, where the parser steps over the end of the
// text: each must be skipped as broken without reading past the data. Files nested deeper than
// any software database are never parsed (the parser's recursion would exhaust the stack) and
// are named to the user.
TEST(SoftwareIndex, FilesEndingInsideAMultiByteSequenceOrNestedTooDeep) {
    FakeEmulator emulator;
    emulator.addDatabase("a-good.xml", kLater);
    // The parser reads multi-byte sequences only in documents declared or marked as UTF-8.
    int n = 0;
    for (const char* head : {"<?xml version=\"1.0\" encoding=\"UTF-8\"?>", "\xef\xbb\xbf", ""}) {
        for (const char* body : {"<db a=\"", "<db a='", "<db>", "<db><t>", "<db>&", "<db a=\"&"}) {
            for (const char* tail : {"\xc8", "\xe2", "\xf0", "\xe2\x82"}) {
                emulator.addDatabase("cut" + std::to_string(n++) + ".xml",
                                     std::string(head) + body + tail);
            }
        }
    }
    emulator.addDatabase("deep-64.xml", nestedTo(64, 70));
    const std::string deeper = emulator.addDatabase("deep-65.xml", nestedTo(65, 71));
    std::string sixtyThousand;
    for (int level = 0; level < 60000; ++level)
        sixtyThousand += "<a>";
    for (int level = 0; level < 60000; ++level)
        sixtyThousand += "</a>";
    const std::string deepest = emulator.addDatabase("deep-60000.xml", sixtyThousand);
    ScriptedPrompter prompter;
    KeyTextSource texts;
    SoftwareIndex index;
    index.build(emulator.path(), prompter, texts);
    ASSERT_TRUE(index.isBuilt());
    EXPECT_EQ(index.find(sha(50))->title, "Later");
    EXPECT_EQ(index.find(sha(70))->title, "Deep");
    EXPECT_EQ(index.find(sha(71)), nullptr);
    ASSERT_EQ(prompter.messages.size(), 1u);
    EXPECT_EQ(prompter.messages[0].text, "M_SOFTWARE_DB_NOT_READ" + deepest + ", " + deeper);
    const EmulatorDatabaseSet set(emulator.path(), prompter, texts);
    EXPECT_EQ(set.findEntry(sha(50))->title, "Later");
    EXPECT_EQ(set.findEntry(sha(70))->title, "Deep");
    EXPECT_FALSE(set.findEntry(sha(71))->found);
}
