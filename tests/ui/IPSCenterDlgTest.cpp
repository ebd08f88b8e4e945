// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/tools/IPSCenterDlg.h"

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QDir>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QUrl>
#include <filesystem>

#include "i18n/LanguageIds.h"
#include "i18n/LanguageManager.h"
#include "support/ScriptedPrompter.h"
#include "support/TempDir.h"
#include "ui/ChooserAndDrop.h"
#include "ui/common/TextCodec.h"
#include "ui/settings/PathRow.h"

namespace corvane {
namespace {

using test::readFile;

// Writes "XY" at offset 1.
const std::string kPatch = std::string("PATCH") + std::string("\0\0\1\0\2", 5) + "XYEOF";

class IPSCenterDlgTest : public ::testing::Test {
protected:
    test::TempDir dir;
    test::ScriptedPrompter prompter;
    LanguageManager languages;
    IpsOperation operation{languages};
    IPSCenterDlg dialog{operation, prompter, languages};

    void SetUp() override {
        languages.setLanguage(kLanguageEnglish);
        dialog.show();
    }

    std::optional<OperationResult> pressOk() {
        std::optional<OperationResult> result;
        QObject context;
        QObject::connect(&dialog.run(), &ToolRun::ended, &context,
                         [&result](OperationResult ended) { result = ended; });
        // The run has ended, or was refused, once the click returns.
        QTest::mouseClick(dialog.okButton(), Qt::LeftButton);
        return result;
    }
    std::string lastMessage() const {
        return prompter.messages.empty() ? std::string() : prompter.messages.back().text;
    }
};

TEST_F(IPSCenterDlgTest, TheFieldsFollowTheirSwitchesAndEmptyFieldsAreRefusedInOrder) {
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("IPS Center"));
    EXPECT_FALSE(dialog.enforceSha1()->isChecked());
    EXPECT_FALSE(dialog.expectedSha1()->isEnabled());
    EXPECT_TRUE(dialog.separateTarget()->isChecked());
    EXPECT_TRUE(dialog.targetRow()->browseButton()->isEnabled());
    QTest::mouseClick(dialog.enforceSha1(), Qt::LeftButton);
    EXPECT_TRUE(dialog.expectedSha1()->isEnabled());
    dialog.patchSource()->click();
    EXPECT_FALSE(dialog.targetRow()->edit()->isEnabled());
    EXPECT_FALSE(dialog.targetRow()->browseButton()->isEnabled());
    dialog.separateTarget()->click();
    EXPECT_TRUE(dialog.targetRow()->edit()->isEnabled());

    // Blanks alone are an empty field; the window stays open after each refusal.
    dialog.patchRow()->edit()->setText(QStringLiteral("  "));
    EXPECT_EQ(pressOk(), std::nullopt);
    EXPECT_EQ(lastMessage(), "IPS file field empty");
    EXPECT_EQ(prompter.messages.back().kind, MessageKind::Error);
    dialog.patchRow()->edit()->setText(QStringLiteral("fix.ips"));
    pressOk();
    EXPECT_EQ(lastMessage(), "Source file field empty");
    dialog.sourceRow()->edit()->setText(QStringLiteral("game.rom"));
    pressOk();
    EXPECT_EQ(lastMessage(), "Target file field empty");
    EXPECT_TRUE(dialog.isVisible());
}

TEST_F(IPSCenterDlgTest, APatchThroughTheWindowClearsItForTheNextOne) {
    const std::string patch = dir.write("fix.ips", kPatch);
    const std::string source = dir.write("game.rom", "abcd");
    ASSERT_TRUE(test::dropUrls(dialog.patchRow()->edit(), {QUrl::fromLocalFile(fromBytes(patch))}));
    EXPECT_EQ(toBytes(dialog.patchRow()->edit()->text()), patch);
    QTest::keyClicks(dialog.sourceRow()->edit(), fromBytes(" " + source + " "));
    dialog.patchSource()->click();
    QTest::mouseClick(dialog.enforceSha1(), Qt::LeftButton);
    QTest::keyClicks(dialog.expectedSha1(),
                     QStringLiteral("0000000000000000000000000000000000000000"));
    EXPECT_EQ(pressOk(), OperationResult::FileError);
    EXPECT_EQ(lastMessage(), "SHA1 values do not match");
    EXPECT_EQ(readFile(source), "abcd");
    // A failure keeps what was typed.
    EXPECT_TRUE(dialog.enforceSha1()->isChecked());

    dialog.expectedSha1()->setText(QStringLiteral("81FE8BFE87576C3ECB22426F8E57847382917ACF"));
    EXPECT_EQ(pressOk(), OperationResult::Done);
    EXPECT_EQ(lastMessage(), "Patch was applied successfully");
    EXPECT_EQ(readFile(source), "aXYd");
    EXPECT_TRUE(dialog.isVisible());
    for (PathRow* row : {dialog.patchRow(), dialog.sourceRow(), dialog.targetRow()})
        EXPECT_TRUE(row->edit()->text().isEmpty());
    EXPECT_FALSE(dialog.enforceSha1()->isChecked());
    EXPECT_TRUE(dialog.expectedSha1()->text().isEmpty());
    EXPECT_FALSE(dialog.expectedSha1()->isEnabled());
}

}  // namespace
}  // namespace corvane
