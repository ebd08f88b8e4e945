// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/tools/FileManagerDlg.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>

#include "app/RenameOperation.h"
#include "common/Path.h"
#include "support/ZipFixture.h"
#include "ui/FillFixture.h"
#include "ui/KeyPress.h"
#include "ui/tools/FileRenameConfirmationDlg.h"
#include "ui/tools/FileRenameResultDlg.h"

namespace corvane {
namespace {

using test::readFile;

// Runs action on the next modal dialog of type Dialog that opens, from inside its exec loop.
template <class Dialog>
void onNextModal(std::function<void(Dialog&)> action) {
    auto* timer = new QTimer;
    timer->setInterval(10);
    QObject::connect(timer, &QTimer::timeout, [timer, action] {
        if (auto* dialog = qobject_cast<Dialog*>(QApplication::activeModalWidget())) {
            timer->stop();
            timer->deleteLater();
            action(*dialog);
        }
    });
    timer->start();
}

void confirm(FileRenameConfirmationDlg& confirmation) {
    confirmation.proceed()->click();
    confirmation.okButton()->click();
}

class FileManagerDlgTest : public test::FillFixture {
protected:
    std::unique_ptr<FileManagerDlg> open() {
        if (!app)
            startApp();
        rename = std::make_unique<RenameOperation>(app->store(), app->texts());
        auto dlg = std::make_unique<FileManagerDlg>(RenameSetup{*rename, app->softwareSources()},
                                                    app->prompter(), app->languages());
        dlg->show();
        return dlg;
    }
    std::unique_ptr<RenameOperation> rename;
};

TEST_F(FileManagerDlgTest, ConfirmedRunRenamesAndShowsWhatWasNotRenamed) {
    const std::string rom = media.write("Knightmare.rom", "k");
    test::writeZip(media.file("pack.zip"), {{"a.rom", "a"}});
    dir.write("Games.db", line("Knight", rom) + line("Zipped", media.file("pack.zip")));
    dir.write("Other.db", "");
    writeSettings("Games");
    auto dlg = open();
    EXPECT_EQ(dlg->databases()->count(), 2);
    EXPECT_EQ(dlg->databases()->currentText(), QStringLiteral("Games"));
    EXPECT_TRUE(dlg->rule(0)->isChecked());
    for (int i = 0; i < 4; ++i)
        EXPECT_TRUE(dlg->medium(i)->isChecked());

    // OK stays disabled until Proceed is ticked; Cancel there renames nothing.
    bool asked = false;
    onNextModal<FileRenameConfirmationDlg>([&asked](FileRenameConfirmationDlg& confirmation) {
        asked = true;
        EXPECT_FALSE(confirmation.okButton()->isEnabled());
        confirmation.proceed()->click();
        EXPECT_TRUE(confirmation.okButton()->isEnabled());
        confirmation.reject();
    });
    QTest::mouseClick(dlg->okButton(), Qt::LeftButton);
    EXPECT_TRUE(asked);
    EXPECT_EQ(readFile(dir.file("Games.db")),
              line("Knight", rom) + line("Zipped", media.file("pack.zip")));

    QString copied;
    std::vector<QString> counts;
    onNextModal<FileRenameConfirmationDlg>(confirm);
    onNextModal<FileRenameResultDlg>([&](FileRenameResultDlg& result) {
        counts = {result.renamedCount()->text(), result.notRenamedCount()->text()};
        test::typeKey(result.profiles(), Qt::Key_A, Qt::ControlModifier);
        test::typeKey(result.profiles(), Qt::Key_C, Qt::ControlModifier);
        copied = QApplication::clipboard()->text();
        result.accept();
    });
    const std::optional<OperationResult> outcome =
        runToEnd(dlg->run(), [&dlg] { QTest::mouseClick(dlg->okButton(), Qt::LeftButton); });
    EXPECT_EQ(outcome, OperationResult::Done);
    EXPECT_EQ(counts, (std::vector<QString>{QStringLiteral("1"), QStringLiteral("1")}));
    EXPECT_EQ(copied, QStringLiteral("Zipped"));
    EXPECT_EQ(readFile(dir.file("Games.db")),
              line("Knight", media.file("knight~1.rom")) + line("Zipped", media.file("pack.zip")));
    EXPECT_TRUE(shownTexts().empty());
}

TEST_F(FileManagerDlgTest, ChoicesMakeTheRequestAndNoMediumIsRefusedWithTheDialogOpen) {
    dir.write("Games.db", line("Knight", media.write("k.rom", "k")));
    writeSettings("Games");
    auto dlg = open();
    dlg->rule(2)->click();
    for (int i : {0, 1, 3})
        dlg->medium(i)->click();
    FileRenameRequest request = dlg->request();
    EXPECT_EQ(request.databaseName, "Games");
    EXPECT_EQ(request.rule, RenameRule::SoftwareTitle);
    EXPECT_TRUE(request.media.tape);
    EXPECT_FALSE(request.media.rom || request.media.disk || request.media.hardDisk);

    dlg->medium(2)->click();
    onNextModal<FileRenameConfirmationDlg>(confirm);
    QTest::mouseClick(dlg->okButton(), Qt::LeftButton);
    EXPECT_EQ(shownTexts(),
              std::vector<std::string>{"Specify at least a ROM, Disk, Tape or Hard Disk medium"});
    EXPECT_TRUE(dlg->isVisible());
    EXPECT_TRUE(fileExists(media.file("k.rom")));
}

}  // namespace
}  // namespace corvane
