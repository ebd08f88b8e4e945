// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/properties/GamePropertiesDlg.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>

#include "emulator/Launcher.h"
#include "i18n/LanguageManager.h"
#include "model/Game.h"
#include "support/FakeEmulator.h"
#include "support/RecordingShell.h"
#include "support/RecordingStarter.h"
#include "support/ScriptedPrompter.h"
#include "support/TempDir.h"
#include "ui/KeyPress.h"
#include "ui/common/TextCodec.h"
#include "ui/common/WaitCursor.h"
#include "ui/properties/GamePropertiesCapturesDlg.h"
#include "ui/properties/GamePropertiesCorvaneDlg.h"
#include "ui/properties/GamePropertiesLauncherDlg.h"
#include "ui/properties/GamePropertiesMSXGENIDDlg.h"

namespace corvane {
namespace {

using test::FakeEmulator;
using test::RecordingShell;
using test::RecordingStarter;
using test::ScriptedPrompter;
using test::TempDir;
using F = PropertyField;

// Catalogue and test texts are UTF-8.
QStringList strings(std::initializer_list<const char*> texts) {
    QStringList list;
    for (const char* text : texts)
        list << QString::fromUtf8(text);
    return list;
}

QStringList tabTexts(const QTabWidget* tabs) {
    QStringList texts;
    for (int i = 0; i < tabs->count(); ++i)
        texts << tabs->tabText(i);
    return texts;
}

CorvaneDBEntry cartridgeEntry() {
    CorvaneDBEntry entry;
    entry.title = "Knightmare";
    entry.system = "MSX";
    entry.country = "JP";
    entry.database = "konami.xml";
    entry.sha1 = "0123456789abcdef0123456789abcdef01234567";
    entry.goodMsx = "Yes";
    entry.mapper = "Konami";
    entry.found = entry.isRom = true;
    return entry;
}

class GamePropertiesDlgTest : public ::testing::Test {
protected:
    GamePropertiesDlgTest() {
        languages.setLanguage(9);
        settings.emulatorDirectory = emulator.path();
        profile.name = "Knightmare";
        profile.slot1File = dir.file("Knight.rom");
        dir.write("Knight.rom", std::string(32 * 1024, 'k'));
    }

    std::unique_ptr<GamePropertiesDlg> open(const Game* game, const PropertiesSubject& subject) {
        auto dialog = std::make_unique<GamePropertiesDlg>(languages, launcher, emulator.path(),
                                                          game, "Games", subject);
        dialog->show();
        return dialog;
    }

    TempDir dir;
    FakeEmulator emulator;
    Settings settings;
    RecordingStarter starter;
    RecordingShell shell;
    ScriptedPrompter prompter;
    LanguageManager languages;
    Launcher launcher{dir.path(), settings, starter, shell, prompter, languages};
    Game profile;
};

}  // namespace

TEST_F(GamePropertiesDlgTest, TabsForProfileAndEntry) {
    const auto both = open(&profile, {"sha", cartridgeEntry()});
    EXPECT_EQ(both->windowTitle(), QStringLiteral("Properties"));
    EXPECT_EQ(tabTexts(both->tabs()),
              (strings({"Launcher", "Corvane Database", "Captures", "Generation-MSX"})));
    EXPECT_TRUE(both->launcherPage() && both->corvanePage() && both->capturesPage() &&
                both->generationMsxPage());
    EXPECT_EQ(both->tabs()->widget(1), both->corvanePage());
    EXPECT_EQ(both->corvanePage()->value(F::Title)->text(), QStringLiteral("Knightmare"));
    const QList<QAbstractButton*> buttons = both->buttons()->buttons();
    ASSERT_EQ(buttons.size(), 1);
    EXPECT_EQ(buttons.front()->text(), QStringLiteral("OK"));

    const auto profileOnly = open(&profile, {"sha", std::nullopt});
    EXPECT_EQ(tabTexts(profileOnly->tabs()), (strings({"Launcher", "Captures", "Generation-MSX"})));
    EXPECT_EQ(profileOnly->corvanePage(), nullptr);

    const auto entryOnly = open(nullptr, {"", cartridgeEntry()});
    EXPECT_EQ(tabTexts(entryOnly->tabs()), strings({"Corvane Database"}));
    EXPECT_EQ(entryOnly->launcherPage(), nullptr);
    EXPECT_EQ(entryOnly->capturesPage(), nullptr);
    EXPECT_EQ(entryOnly->generationMsxPage(), nullptr);

    // Enter closes the view from its button; the pages keep it to themselves.
    EXPECT_TRUE(test::showActive(both.get()));
    both->launcherPage()->value(F::Name)->setFocus();
    test::typeKey(both->launcherPage()->value(F::Name), Qt::Key_Return);
    test::typeKey(both->launcherPage()->value(F::Name), Qt::Key_Escape);
    EXPECT_TRUE(both->isVisible());
    both->buttons()->buttons().front()->setFocus();
    test::typeKey(both->buttons()->buttons().front(), Qt::Key_Return);
    EXPECT_EQ(both->result(), QDialog::Accepted);
    EXPECT_FALSE(both->isVisible());
}

TEST_F(GamePropertiesDlgTest, LauncherPageInGermanWithTheZipRow) {
    languages.setLanguage(7);
    profile.slot1File = dir.file("Knight.zip");
    profile.slot1ZipEntry = "Knight.rom";
    profile.basicDataSpecified = "T";
    profile.country = "DE";
    const auto dialog = open(&profile, {"sha", std::nullopt});
    EXPECT_EQ(dialog->windowTitle(), QStringLiteral("Eigenschaften"));
    EXPECT_EQ(tabTexts(dialog->tabs()).front(), QStringLiteral("Launcher"));
    const GamePropertiesLauncherDlg* page = dialog->launcherPage();
    EXPECT_EQ(page->caption(F::InZip)->text(), QStringLiteral("Im ZIP"));
    EXPECT_EQ(page->caption(F::Size)->text(), QStringLiteral("Größe"));
    EXPECT_EQ(page->value(F::Country)->text(), QStringLiteral("Deutschland"));
    EXPECT_TRUE(page->value(F::Sha1)->isReadOnly());
    // The rows follow one another without gaps.
    EXPECT_LT(page->value(F::Name)->y(), page->value(F::Database)->y());
    EXPECT_LT(page->value(F::File)->y(), page->value(F::InZip)->y());
    EXPECT_LT(page->value(F::InZip)->y(), page->value(F::Medium)->y());
    EXPECT_EQ(page->value(F::Medium)->y() - page->value(F::InZip)->y(),
              page->value(F::InZip)->y() - page->value(F::File)->y());
}

TEST_F(GamePropertiesDlgTest, CapturesAreCountedAndShownInTheFileManager) {
    emulator.write("Screenshots/Knight_0000.png", "p");
    emulator.write("Screenshots/Knight_0001.png", "p");
    emulator.write("Screenshots/Knight_01.png", "p");
    emulator.write("QuickSave/knight_07.STA", "s");
    emulator.write("Video Capture/Knight_0000.cap", "v");
    const auto dialog = open(&profile, {"sha", std::nullopt});
    const GamePropertiesCapturesDlg* page = dialog->capturesPage();
    const QStringList expected = strings({"1", "2", "0", "0"});
    const QStringList captions =
        strings({"Quick Saves :", "Screenshots :", "Video Captures :", "Audio Captures :"});
    for (const CaptureFolder& folder : kCaptureFolders) {
        const int i = static_cast<int>(folder.kind);
        EXPECT_EQ(page->caption(folder.kind)->text(), captions[i]);
        EXPECT_EQ(page->count(folder.kind)->text(), expected[i]);
        EXPECT_EQ(page->exploreButton(folder.kind)->isVisibleTo(page),
                  expected[i] != QStringLiteral("0"));
        EXPECT_EQ(page->exploreButton(folder.kind)->text(), QStringLiteral("Explore"));
    }

    QTest::mouseClick(page->exploreButton(CaptureKind::Screenshots), Qt::LeftButton);
    QTest::mouseClick(page->exploreButton(CaptureKind::QuickSaves), Qt::LeftButton);
    EXPECT_EQ(shell.revealed,
              (std::vector<std::string>{emulator.path() + "/Screenshots/Knight_0000.png",
                                        emulator.path() + "/QuickSave/knight_07.STA"}));
    EXPECT_TRUE(prompter.messages.empty());
    shell.result = false;
    QTest::mouseClick(page->exploreButton(CaptureKind::Screenshots), Qt::LeftButton);
    ASSERT_EQ(prompter.messages.size(), 1u);
    EXPECT_EQ(prompter.messages[0].text, "Error starting the file manager");
    EXPECT_TRUE(dialog->isVisible());  // a button of a page does not close the view
}

TEST_F(GamePropertiesDlgTest, GenerationMsxLinkOrNotImported) {
    profile.generationMsxId = "1234";
    const auto linked = open(&profile, {"sha", std::nullopt});
    linked->tabs()->setCurrentWidget(linked->generationMsxPage());
    QLabel* link = linked->generationMsxPage()->label();
    const QString address = QStringLiteral("https://www.generation-msx.nl/msxdb/softwareinfo/1234");
    EXPECT_TRUE(link->text().contains(QStringLiteral("href=\"") + address + QLatin1Char('"')));
    EXPECT_TRUE(link->text().contains(QStringLiteral(">1234</a>")));
    EXPECT_FALSE(link->openExternalLinks());
    QTest::mouseClick(link, Qt::LeftButton, {}, link->rect().center());
    EXPECT_EQ(shell.opened, std::vector<std::string>{toBytes(address)});
    shell.result = false;
    QTest::mouseClick(link, Qt::LeftButton, {}, link->rect().center());
    ASSERT_EQ(prompter.messages.size(), 1u);
    EXPECT_EQ(prompter.messages[0].text, "Error starting the info viewer");

    // An id that is no number cannot become markup or another address.
    profile.generationMsxId = "<b>1</b>\"";
    const auto odd = open(&profile, {"sha", std::nullopt});
    EXPECT_EQ(odd->generationMsxPage()->link(),
              "https://www.generation-msx.nl/msxdb/softwareinfo/%3Cb%3E1%3C%2Fb%3E%22");
    EXPECT_TRUE(odd->generationMsxPage()->label()->text().contains(
        QStringLiteral(">&lt;b&gt;1&lt;/b&gt;&quot;</a>")));

    profile.generationMsxId.clear();
    const auto plain = open(&profile, {"sha", std::nullopt});
    plain->tabs()->setCurrentWidget(plain->generationMsxPage());
    QLabel* note = plain->generationMsxPage()->label();
    EXPECT_EQ(note->text(), QStringLiteral("Not Imported"));
    EXPECT_EQ(note->textFormat(), Qt::PlainText);
    QTest::mouseClick(note, Qt::LeftButton, {}, note->rect().center());
    EXPECT_EQ(shell.opened.size(), 2u);
}

namespace {

// Notes whether the wait cursor was up when the user was asked.
class CursorWatchingPrompter : public ScriptedPrompter {
public:
    void message(const std::string& text, MessageKind kind) override {
        cursorUp.push_back(QApplication::overrideCursor() != nullptr);
        ScriptedPrompter::message(text, kind);
    }
    bool confirm(const std::string& text) override {
        cursorUp.push_back(QApplication::overrideCursor() != nullptr);
        return ScriptedPrompter::confirm(text);
    }
    std::vector<bool> cursorUp;
};

}  // namespace

TEST(WaitCursorTest, TheUserIsAskedWithTheNormalCursor) {
    CursorWatchingPrompter prompter;
    prompter.confirmAnswers = {false};
    ASSERT_EQ(QApplication::overrideCursor(), nullptr);
    {
        WaitCursor wait(prompter);
        ASSERT_NE(QApplication::overrideCursor(), nullptr);
        EXPECT_EQ(QApplication::overrideCursor()->shape(), Qt::WaitCursor);
        wait.message("M_ERR_NO_CORVANE_DB", MessageKind::Plain);
        EXPECT_FALSE(wait.confirm("Sure?"));
        EXPECT_EQ(QApplication::overrideCursor()->shape(), Qt::WaitCursor);
    }
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
    EXPECT_EQ(prompter.cursorUp, (std::vector<bool>{false, false}));
    ASSERT_EQ(prompter.messages.size(), 1u);
    EXPECT_EQ(prompter.messages[0].text, "M_ERR_NO_CORVANE_DB");
}

}  // namespace corvane
