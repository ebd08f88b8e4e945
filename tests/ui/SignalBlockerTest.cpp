// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QSignalSpy>

#include "ui/common/SignalBlocker.h"

namespace corvane {
namespace {

TEST(SignalBlockerTest, SilencesForOneCallOrOneBlockAndRestoresTheFormerState) {
    QCheckBox box;
    QSignalSpy toggles(&box, &QCheckBox::toggled);

    signalBlocking(&box)->setChecked(true);
    EXPECT_TRUE(box.isChecked());
    EXPECT_FALSE(box.signalsBlocked());
    {
        const auto filling = signalBlocking(&box);
        filling->setChecked(false);
        box.setChecked(true);
        EXPECT_TRUE(box.signalsBlocked());
    }
    EXPECT_EQ(toggles.size(), 0);
    box.setChecked(false);
    EXPECT_EQ(toggles.size(), 1);

    // An object that was silent before stays silent afterwards.
    box.blockSignals(true);
    signalBlocking(&box)->setChecked(true);
    EXPECT_TRUE(box.signalsBlocked());
    box.blockSignals(false);
    EXPECT_EQ(toggles.size(), 1);
}

}  // namespace
}  // namespace corvane
