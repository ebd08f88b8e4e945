// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/tools/DragAndDrop.h"

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QPushButton>
#include <QTest>
#include <algorithm>
#include <filesystem>

#include "ui/ChooserAndDrop.h"
#include "ui/FillFixture.h"
#include "ui/common/ProgressWindow.h"
#include "ui/common/TextCodec.h"
#include "ui/tools/PathList.h"

namespace corvane {
namespace {

class DragAndDropTest : public test::FillFixture {
protected:
    std::unique_ptr<DragAndDrop> open(const std::vector<std::string>& paths) {
        startApp();
        auto dlg = std::make_unique<DragAndDrop>(setup(), app->prompter(), app->languages(), paths);
        dlg->show();
        return dlg;
    }
    void choose(QPushButton* button, const std::string& path) {
        test::answerNextChooser([this, path](QFileDialog& chooser) {
            filters = chooser.nameFilters();
            suffix = chooser.defaultSuffix();
            test::typeInto(chooser, fromBytes(path));
            static_cast<QDialog&>(chooser).accept();
        });
        QTest::mouseClick(button, Qt::LeftButton);
    }

    QStringList filters;
    QString suffix;
};

TEST_F(DragAndDropTest, TheListTakesEachPathOnceAndAddNeedsOne) {
    dir.write("Games.db", line("Kept"));
    writeSettings("Games");
    const std::string rom = media.write("a.rom", "a");
    auto dlg = open({});
    EXPECT_EQ(dlg->windowTitle(), QStringLiteral("Add to Current Database"));
    EXPECT_EQ(dlg->addButton()->text(), QStringLiteral("Add"));
    for (QCheckBox* box : {dlg->subdirectories(), dlg->backup(), dlg->extraData()})
        EXPECT_TRUE(box->isChecked()) << box->text().toStdString();
    EXPECT_EQ(dlg->naming()->currentText(), QStringLiteral("Use file name"));
    EXPECT_EQ(dlg->machine()->currentText(), QStringLiteral("MSX2 - C-BIOS"));

    QTest::mouseClick(dlg->addButton(), Qt::LeftButton);
    choose(dlg->addFileButton(), rom);
    EXPECT_EQ(filters, QStringList{QStringLiteral("All Files (*)")});
    EXPECT_EQ(suffix, QStringLiteral("rom"));
    choose(dlg->addFileButton(), rom);
    test::answerNextChooser([this](QFileDialog& chooser) {
        chooser.setDirectory(fromBytes(media.path()));
        static_cast<QDialog&>(chooser).accept();
    });
    QTest::mouseClick(dlg->addDirectoryButton(), Qt::LeftButton);
    test::answerNextChooser([this](QFileDialog& chooser) {
        chooser.setDirectory(fromBytes(media.path()));
        static_cast<QDialog&>(chooser).accept();
    });
    QTest::mouseClick(dlg->addDirectoryButton(), Qt::LeftButton);
    EXPECT_EQ(shownTexts(),
              (std::vector<std::string>{"No files or directories selected", "File already exists",
                                        "Directory already exists"}));
    EXPECT_EQ(dlg->paths()->paths(), (std::vector<std::string>{rom, media.path()}));
    EXPECT_TRUE(dlg->isVisible());
    EXPECT_EQ(test::readFile(dir.file("Games.db")), line("Kept"));

    dlg->paths()->selectAll();
    QTest::mouseClick(dlg->removeButton(), Qt::LeftButton);
    EXPECT_TRUE(dlg->paths()->paths().empty());
}

TEST_F(DragAndDropTest, AddAppendsFilesAndFoldersToTheCurrentDatabase) {
    dir.write("Games.db", line("Kept", media.write("known.rom", "known")));
    writeSettings("Games");
    const std::string single = media.write("loose/Single.rom", "single");
    media.write("loose/Ignored.rom", "not dropped");
    const std::string folder = media.file("folder");
    media.write("folder/Game.rom", "game");
    media.write("folder/deeper/Game.dsk", "disk");
    media.write("folder/deeper/known copy.rom", "known");
    auto dlg = open({single, folder, single});
    EXPECT_EQ(dlg->paths()->paths(), (std::vector<std::string>{single, folder}));
    dlg->backup()->setChecked(false);
    test::FirstFileGate gate;
    bool acted = false;
    dlg->run().setWindowSetup(gate.setup([&](ProgressWindow& window) {
        acted = true;
        EXPECT_EQ(dlg->run().progressWindow(), &window);
        EXPECT_EQ(window.windowTitle(), QStringLiteral("Adding files..."));
    }));
    const std::optional<OperationResult> result =
        runToEnd(dlg->run(), [&] { QTest::mouseClick(dlg->addButton(), Qt::LeftButton); });
    EXPECT_TRUE(acted);
    EXPECT_EQ(result, OperationResult::Done);
    EXPECT_EQ(shownTexts(),
              std::vector<std::string>{"3 new profiles were added to database \"Games\""});
    EXPECT_EQ(dlg->result(), QDialog::Accepted);
    std::vector<std::string> names = profileNames("Games");
    ASSERT_EQ(names.size(), 4u);
    EXPECT_EQ(names[0], "Kept");
    EXPECT_EQ(names[1], "Single");
    std::sort(names.begin() + 2, names.end());
    EXPECT_EQ(names[2], "Game");
    EXPECT_EQ(names[3], "Game__0");
    EXPECT_FALSE(std::filesystem::exists(dir.file("Games_0.db")));
}

}  // namespace
}  // namespace corvane
