// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>
#include <array>

#include "emulator/CaptureFiles.h"

class QLabel;
class QPushButton;

namespace corvane {

class Launcher;

// How many quick saves, screenshots, video and audio captures the emulator holds of the profile,
// each with a button that shows the first of them in the file manager.
class GamePropertiesCapturesDlg : public QWidget {
    Q_OBJECT
public:
    GamePropertiesCapturesDlg(Launcher& launcher,
                              std::array<CaptureCount, kCaptureKindCount> counts,
                              QWidget* parent = nullptr);

    QLabel* caption(CaptureKind kind) const { return captions_[index(kind)]; }
    QLabel* count(CaptureKind kind) const { return counts_[index(kind)]; }
    // Hidden when there is nothing to show.
    QPushButton* exploreButton(CaptureKind kind) const { return explore_[index(kind)]; }

private:
    void createWidgets();
    void connectWidgets();
    static size_t index(CaptureKind kind) { return static_cast<size_t>(kind); }

    Launcher& launcher_;
    std::array<CaptureCount, kCaptureKindCount> found_;
    std::array<QLabel*, kCaptureKindCount> captions_{};
    std::array<QLabel*, kCaptureKindCount> counts_{};
    std::array<QPushButton*, kCaptureKindCount> explore_{};
};

}  // namespace corvane
