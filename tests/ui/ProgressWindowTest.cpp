// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/common/ProgressWindow.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QVBoxLayout>
#include <thread>

#include "i18n/LanguageIds.h"
#include "i18n/LanguageManager.h"

namespace corvane {
namespace {

class ProgressWindowTest : public ::testing::Test {
protected:
    ProgressWindowTest() { languages.setLanguage(kLanguageEnglish); }
    LanguageManager languages;
};

TEST_F(ProgressWindowTest, AQuickJobNeverShowsTheWindow) {
    ProgressWindow window(languages, QStringLiteral("Working"));
    QSignalSpy appeared(&window, &ProgressWindow::appeared);
    bool ran = false;
    window.run([&ran](Progress&) { ran = true; });
    EXPECT_TRUE(ran);
    EXPECT_TRUE(appeared.isEmpty());
    EXPECT_FALSE(window.isVisible());
}

TEST_F(ProgressWindowTest, CancelReachesTheJobAndNothingBehindTheWindowTakesInput) {
    QWidget behind;
    auto* button = new QPushButton(QStringLiteral("Remove"), &behind);
    (new QVBoxLayout(&behind))->addWidget(button);
    int clicks = 0;
    QObject::connect(button, &QPushButton::clicked, [&clicks] { ++clicks; });
    behind.show();
    const QPoint centre = button->mapTo(&behind, button->rect().center());

    ProgressWindow window(languages, QStringLiteral("Working"), &behind);
    window.setAppearDelay(std::chrono::milliseconds(0));
    bool acted = false;
    QObject::connect(
        &window, &ProgressWindow::appeared, &window,
        [&] {
            acted = true;
            EXPECT_TRUE(window.isVisible());
            EXPECT_EQ(QApplication::activeModalWidget(), &window);
            EXPECT_EQ(window.cancelButton()->text(), QStringLiteral("Cancel"));
            // A click on the window behind, as the window system delivers it, does not get
            // through while the job runs.
            QTest::mouseClick(behind.windowHandle(), Qt::LeftButton, {}, centre);
            EXPECT_FALSE(window.cancelled());
            QTest::mouseClick(window.cancelButton(), Qt::LeftButton);
        },
        Qt::QueuedConnection);
    bool sawCancel = false;
    window.run([&sawCancel](Progress& progress) {
        // Runs until told to stop: the test fails by hanging if Cancel never arrives.
        while (!progress.cancelled())
            std::this_thread::yield();
        sawCancel = true;
    });
    EXPECT_TRUE(acted);
    EXPECT_TRUE(sawCancel);
    EXPECT_EQ(clicks, 0);
    EXPECT_FALSE(window.isVisible());
    EXPECT_FALSE(window.cancelButton()->isEnabled());
    QTest::mouseClick(behind.windowHandle(), Qt::LeftButton, {}, centre);
    EXPECT_EQ(clicks, 1);
}

TEST_F(ProgressWindowTest, TheLatestValuesFromAnotherThreadAppearOnRefresh) {
    ProgressWindow window(languages, QStringLiteral("Scanning..."));
    window.show();
    window.refresh();
    EXPECT_FALSE(window.bar()->isVisibleTo(&window));  // nothing known of the size yet
    std::thread worker([&window] {
        window.setStatus("/first");
        window.setDetail("first.rom");
        window.setStatus("/media/caf\xe9");
        window.setDetail("Game \xe9.rom");
        window.setRange(std::int64_t{1} << 40);  // beyond int
        window.setPosition(std::int64_t{1} << 39);
    });
    worker.join();
    window.refresh();
    EXPECT_EQ(window.statusLine()->text(), QStringLiteral("/media/caf\u00e9"));
    EXPECT_EQ(window.detailLine()->text(), QStringLiteral("Game \u00e9.rom"));
    EXPECT_TRUE(window.bar()->isVisibleTo(&window));
    EXPECT_EQ(window.bar()->value(), window.bar()->maximum() / 2);
    // The close button asks for what Cancel does, and the window stays until the job ends.
    window.close();
    EXPECT_TRUE(window.cancelled());
    EXPECT_TRUE(window.isVisible());
}

TEST_F(ProgressWindowTest, LongStatusesAreShownByTheirEnds) {
    EXPECT_EQ(ProgressWindow::shownStatus(QStringLiteral("/short/folder")),
              QStringLiteral("/short/folder"));
    const QString thirtyNine(39, QLatin1Char('a'));
    EXPECT_EQ(ProgressWindow::shownStatus(thirtyNine), thirtyNine);
    EXPECT_EQ(
        ProgressWindow::shownStatus(QStringLiteral("/home/user/MSX collection/Konami/Games/Disks")),
        QStringLiteral("/home/user/MSX  ... ami/Games/Disks"));
    // Characters, not bytes nor halves of one: each 😀 is one.
    QString wide;
    for (int i = 0; i < 40; ++i)
        wide += QString::fromUcs4(U"\U0001F600", 1);
    const QString fifteen = wide.left(30);
    EXPECT_EQ(ProgressWindow::shownStatus(wide), fifteen + QStringLiteral(" ... ") + fifteen);
}

}  // namespace
}  // namespace corvane
