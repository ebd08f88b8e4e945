// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/common/QtPrompter.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QPushButton>
#include <QTest>
#include <QVBoxLayout>

#include "i18n/LanguageIds.h"
#include "i18n/LanguageManager.h"
#include "ui/common/ProgressBarDlg.h"

namespace corvane {
namespace {

TEST(QtPrompterTest, ProgressWindowTakesAllInputAndCancels) {
    LanguageManager languages;
    languages.setLanguage(kLanguageEnglish);
    QWidget window;
    auto* button = new QPushButton(QStringLiteral("Remove"), &window);
    (new QVBoxLayout(&window))->addWidget(button);
    int clicks = 0;
    QObject::connect(button, &QPushButton::clicked, [&clicks] { ++clicks; });
    window.show();
    QtPrompter prompter(languages);
    prompter.setParentWindow(&window);

    std::unique_ptr<Progress> progress = prompter.progress("Copying", 10);
    auto* dialog = window.findChild<ProgressBarDlg*>();
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(QApplication::activeModalWidget(), dialog);
    EXPECT_FALSE(progress->pump());

    // A click on the window behind, as the window system delivers it, does not get through
    // while the operation runs.
    const QPoint centre = button->mapTo(&window, button->rect().center());
    QTest::mouseClick(window.windowHandle(), Qt::LeftButton, {}, centre);
    EXPECT_FALSE(progress->pump());
    EXPECT_EQ(clicks, 0);

    QTest::keyClick(dialog, Qt::Key_Escape);
    EXPECT_TRUE(progress->pump());
    progress.reset();
    QTest::mouseClick(window.windowHandle(), Qt::LeftButton, {}, centre);
    EXPECT_EQ(clicks, 1);
}

}  // namespace
}  // namespace corvane
