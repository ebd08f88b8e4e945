// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/tools/ExportCSVDlg.h"

#include <gtest/gtest.h>

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include "support/CsvRows.h"
#include "ui/ChooserAndDrop.h"
#include "ui/FillFixture.h"
#include "ui/common/ProgressWindow.h"
#include "ui/common/TextCodec.h"

namespace corvane {
namespace {

using test::readFile;

class ExportCSVDlgTest : public test::FillFixture {
protected:
    void SetUp() override {
        dir.write("Zeta.db", line("Z1") + line("Z2"));
        dir.write("Alpha.db", line("A1"));
        writeSettings("Zeta");
        startApp();
        operation =
            std::make_unique<CsvExportOperation>(app->store(), app->sha1Cache(), app->texts());
    }
    std::unique_ptr<ExportCSVDlg> open() {
        auto dlg = std::make_unique<ExportCSVDlg>(
            CsvExportSetup{*operation, app->softwareSources()}, app->prompter(), app->languages());
        dlg->show();
        return dlg;
    }
    std::optional<OperationResult> pressOk(ExportCSVDlg& dlg) {
        return runToEnd(dlg.run(), [&dlg] { QTest::mouseClick(dlg.okButton(), Qt::LeftButton); });
    }
    // The first value of every row.
    static std::vector<std::string> exportedNames(const std::string& file) {
        std::vector<std::string> names;
        const std::vector<std::string> lines = test::csvLines(readFile(file));
        for (size_t i = 1; i < lines.size(); ++i)
            names.push_back(test::parseCsvRow(lines[i]).at(0));
        return names;
    }

    std::unique_ptr<CsvExportOperation> operation;
};

TEST_F(ExportCSVDlgTest, ChoicesStartAsTheyShouldAndSpecificEnablesTheList) {
    auto dlg = open();
    EXPECT_EQ(dlg->windowTitle(), QStringLiteral("Export to CSV"));
    EXPECT_TRUE(dlg->allChoice()->isChecked());
    EXPECT_FALSE(dlg->databases()->isEnabled());
    ASSERT_EQ(dlg->databases()->count(), 2);
    EXPECT_EQ(dlg->databases()->currentText(), QStringLiteral("Zeta"));
    EXPECT_EQ(dlg->specificChoice()->text(), QStringLiteral("Specific :"));
    EXPECT_EQ(dlg->browseButton()->text(), QStringLiteral("Browse"));
    EXPECT_EQ(dlg->file()->text(), QString());

    QTest::mouseClick(dlg->specificChoice(), Qt::LeftButton);
    EXPECT_TRUE(dlg->databases()->isEnabled());
    dlg->allChoice()->click();
    EXPECT_FALSE(dlg->databases()->isEnabled());

    // The chooser takes a file that does not exist yet, and gives it the extension.
    test::answerNextChooser([this](QFileDialog& chooser) {
        test::typeInto(chooser, fromBytes(media.file("new")));
        static_cast<QDialog&>(chooser).accept();
    });
    QTest::mouseClick(dlg->browseButton(), Qt::LeftButton);
    EXPECT_EQ(dlg->file()->text(), fromBytes(media.file("new.csv")));
}

TEST_F(ExportCSVDlgTest, RefusalAndTheQuestionKeepTheDialogOpen) {
    auto dlg = open();
    dlg->file()->setText(QStringLiteral("  "));
    QTest::mouseClick(dlg->okButton(), Qt::LeftButton);
    EXPECT_EQ(shownTexts(), std::vector<std::string>{"Empty filename"});

    const std::string out = media.write("out.csv", "kept");
    dlg->file()->setText(fromBytes(" " + out + " "));
    prompter.confirmAnswers = {false};
    QTest::mouseClick(dlg->okButton(), Qt::LeftButton);
    EXPECT_EQ(prompter.confirmations, std::vector<std::string>{"File already exists. Replace?"});
    EXPECT_EQ(readFile(out), "kept");
    EXPECT_TRUE(dlg->isVisible());

    // Yes: only the chosen database, and the dialog closes.
    QTest::mouseClick(dlg->specificChoice(), Qt::LeftButton);
    dlg->databases()->setCurrentIndex(dlg->databases()->findText(QStringLiteral("Alpha")));
    prompter.confirmAnswers = {true};
    EXPECT_EQ(pressOk(*dlg), OperationResult::Done);
    EXPECT_EQ(exportedNames(out), std::vector<std::string>{"A1"});
    EXPECT_EQ(shownTexts().back(), "CSV file was successfully generated");
    EXPECT_EQ(prompter.messages.back().kind, MessageKind::Info);
    EXPECT_FALSE(dlg->isVisible());
    EXPECT_EQ(dlg->result(), QDialog::Accepted);
}

TEST_F(ExportCSVDlgTest, CancelInTheProgressWindowGivesThePartialFile) {
    auto dlg = open();
    const std::string out = media.file("all.csv");
    dlg->file()->setText(fromBytes(out));
    dlg->run().setWindowSetup([](ProgressWindow& window) { window.reject(); });
    EXPECT_EQ(pressOk(*dlg), OperationResult::Done);
    EXPECT_EQ(shownTexts().back(), "CSV file was partially generated");
    const std::vector<std::string> lines = test::csvLines(readFile(out));
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_TRUE(lines[0].starts_with("Name in Launcher,Launcher Database,"));
    EXPECT_FALSE(dlg->isVisible());
}

}  // namespace
}  // namespace corvane
