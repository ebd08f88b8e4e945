// SPDX-License-Identifier: GPL-3.0-or-later
// Import Extra Profile Data and Set Extra Data: their choices, and runs from the dialog and from
// the main window's list.
#include <gtest/gtest.h>

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QListView>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTest>

#include "app/ImportExtraDataOperation.h"
#include "i18n/MenuIds.h"
#include "media/MediaHash.h"
#include "ui/FillFixture.h"
#include "ui/ModalDriver.h"
#include "ui/WindowStart.h"
#include "ui/tools/ExtraDataOptionsBox.h"
#include "ui/tools/ImportExtraDataDlg.h"
#include "ui/tools/SetExtraDataDlg.h"

namespace corvane {
namespace {

using test::readFile;

constexpr ExtraDataField kFields[] = {ExtraDataField::Generation, ExtraDataField::Sound,
                                      ExtraDataField::Genre, ExtraDataField::InfoFile,
                                      ExtraDataField::Screenshots};

QStringList items(const QComboBox* combo) {
    QStringList out;
    for (int i = 0; i < combo->count(); ++i)
        out << combo->itemText(i);
    return out;
}

QStringList rowsOf(const QListView* list) {
    QStringList out;
    for (int row = 0; row < list->model()->rowCount(); ++row)
        out << list->model()->index(row, 0).data().toString();
    return out;
}

class ExtraDataDlgTest : public test::FillFixture {
protected:
    void SetUp() override {
        rom = media.write("abc.rom", "abc");
        dir.write("extra-data.dat", "#77\r\n8,0,0,\r\n" + MediumSha1(rom, "") + "\r\n");
    }
    void start(const std::string& current) {
        writeSettings(current);
        startApp();
        operation = std::make_unique<ImportExtraDataOperation>(app->store(), app->sha1Cache(),
                                                               app->texts());
    }
    std::vector<int> generations(const std::string& database) const {
        std::vector<int> out;
        for (const Game& game : DatabaseStore::readProfiles(dir.file(database + ".db")))
            out.push_back(game.generationValue());
        return out;
    }

    std::string rom;
    std::unique_ptr<ImportExtraDataOperation> operation;
};

TEST_F(ExtraDataDlgTest, ImportStartsWithEverythingSkippedAndRunsOnTheChosenDatabase) {
    dir.write("Games.db", line("Abc", rom));
    dir.write("Arcade.db", line("Abc", rom));
    const std::string arcade = readFile(dir.file("Arcade.db"));
    start("Games");
    ImportExtraDataDlg dlg(*operation, app->prompter(), app->languages());
    dlg.show();
    EXPECT_EQ(dlg.windowTitle(), QStringLiteral("Import Extra Profile Data"));
    EXPECT_TRUE(dlg.allDatabases()->isChecked());
    EXPECT_FALSE(dlg.databases()->isEnabled());
    EXPECT_EQ(items(dlg.databases()),
              (QStringList{QStringLiteral("Arcade"), QStringLiteral("Games")}));
    EXPECT_EQ(dlg.databases()->currentText(), QStringLiteral("Games"));
    for (ExtraDataField field : kFields)
        EXPECT_TRUE(dlg.options()->choice(field, 0)->isChecked());
    EXPECT_EQ(dlg.options()->choice(ExtraDataField::InfoFile, 2)->text(),
              QStringLiteral("Set if empty"));
    EXPECT_FALSE(dlg.backup()->isChecked());
    EXPECT_EQ(dlg.backup()->text(), QStringLiteral("Backup affected databases"));

    QTest::mouseClick(dlg.specificDatabase(), Qt::LeftButton);
    EXPECT_TRUE(dlg.databases()->isEnabled());
    QTest::mouseClick(dlg.options()->choice(ExtraDataField::Generation, 1), Qt::LeftButton);
    QTest::mouseClick(dlg.options()->choice(ExtraDataField::Screenshots, 2), Qt::LeftButton);
    const ExtraDataImportRequest request = dlg.request();
    EXPECT_FALSE(request.allDatabases);
    EXPECT_EQ(request.databaseName, "Games");
    EXPECT_EQ(request.options.generation, MergeMode::Overwrite);
    EXPECT_EQ(request.options.sound, MergeMode::Skip);
    EXPECT_EQ(request.options.screenshots, SetMode::SetIfEmpty);

    const auto result =
        runToEnd(dlg.run(), [&dlg] { QTest::mouseClick(dlg.okButton(), Qt::LeftButton); });
    EXPECT_EQ(result, OperationResult::Done);
    EXPECT_EQ(shownTexts(), std::vector<std::string>{"1 profiles were updated"});
    EXPECT_EQ(dlg.result(), QDialog::Accepted);
    EXPECT_EQ(generations("Games"), std::vector<int>{8});
    EXPECT_EQ(readFile(dir.file("Arcade.db")), arcade);
}

TEST_F(ExtraDataDlgTest, SetExtraDataActsOnTheSelectedLinesAndReselectsALoneOne) {
    dir.write("Games.db", line("A", rom) + line("B", rom) + line("C", rom));
    start("Games");
    CCorvaneLauncherDlg window(*app);
    test::startWindow(window);
    ASSERT_EQ(window.profileModel()->rowCount(), 3);

    QStringList offered;
    const auto answer = [&offered](int generationChoice) {
        test::onNextModal([&offered, generationChoice](QDialog* dialog) {
            auto* set = qobject_cast<SetExtraDataDlg*>(dialog);
            if (!set) {
                dialog->reject();
                return;
            }
            offered = rowsOf(set->profileList());
            QTest::mouseClick(set->options()->choice(ExtraDataField::Generation, generationChoice),
                              Qt::LeftButton);
            QTest::mouseClick(set->okButton(), Qt::LeftButton);
        });
    };

    // Ctrl+M acts on several selected lines.
    test::selectRows(window, {0, 2});
    QSignalSpy loaded(&window, &CCorvaneLauncherDlg::listLoaded);
    answer(2);
    test::typeKey(window.profileList(), Qt::Key_M, Qt::ControlModifier);
    ASSERT_TRUE(test::received(loaded));
    EXPECT_EQ(offered, (QStringList{QStringLiteral("A"), QStringLiteral("C")}));
    EXPECT_EQ(shownTexts(), std::vector<std::string>{"2 profiles were updated"});
    EXPECT_EQ(generations("Games"), (std::vector<int>{8, 0, 8}));

    // From the context menu on one line, which is selected again after the reload.
    const QRect second = window.profileList()->visualRect(window.profileModel()->index(1));
    ASSERT_NE(window.prepareContextMenu(second.center()), nullptr);
    QAction* entry = window.action(kMenuSetExtraData);
    ASSERT_NE(entry, nullptr);
    EXPECT_TRUE(window.contextMenu()->actions().contains(entry));
    EXPECT_TRUE(entry->isEnabled());
    loaded.clear();
    answer(1);
    entry->trigger();
    ASSERT_TRUE(test::received(loaded));
    EXPECT_EQ(offered, QStringList{QStringLiteral("B")});
    EXPECT_EQ(generations("Games"), (std::vector<int>{8, 8, 8}));
    EXPECT_EQ(window.selectedNames(), std::vector<std::string>{"B"});
}

}  // namespace
}  // namespace corvane
