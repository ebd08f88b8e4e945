// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/properties/GamePropertiesCapturesDlg.h"

#include <QGridLayout>
#include <QLabel>
#include <QPushButton>

#include "emulator/Launcher.h"
#include "ui/common/CLocalized.h"
#include "ui/properties/PropertiesIds.h"

namespace corvane {

namespace {

int captionIdOf(CaptureKind kind) {
    switch (kind) {
        case CaptureKind::QuickSaves:
            return kIdQuickSaves;
        case CaptureKind::Screenshots:
            return kIdScreenshots;
        case CaptureKind::VideoCaptures:
            return kIdVideoCaptures;
        case CaptureKind::AudioCaptures:
            return kIdAudioCaptures;
    }
    return 0;
}

}  // namespace

GamePropertiesCapturesDlg::GamePropertiesCapturesDlg(
    Launcher& launcher, std::array<CaptureCount, kCaptureKindCount> counts, QWidget* parent)
    : QWidget(parent), launcher_(launcher), found_(std::move(counts)) {
    createWidgets();
    connectWidgets();
}

void GamePropertiesCapturesDlg::createWidgets() {
    auto* layout = new QGridLayout(this);
    for (const CaptureFolder& folder : kCaptureFolders) {
        const size_t i = index(folder.kind);
        const int row = static_cast<int>(i);
        captions_[i] = new QLabel(this);
        CLocalized::setCatalogueId(captions_[i], captionIdOf(folder.kind));
        counts_[i] = new QLabel(QString::number(found_[i].count), this);
        counts_[i]->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        explore_[i] = new QPushButton(this);
        CLocalized::setCatalogueId(explore_[i], kIdExploreCapture);
        explore_[i]->setAutoDefault(false);
        // The row keeps its height without the button, so the rows stay evenly spaced.
        QSizePolicy policy = explore_[i]->sizePolicy();
        policy.setRetainSizeWhenHidden(true);
        explore_[i]->setSizePolicy(policy);
        explore_[i]->setVisible(found_[i].count > 0);
        layout->addWidget(captions_[i], row, 0);
        layout->addWidget(counts_[i], row, 1);
        layout->addWidget(explore_[i], row, 2);
    }
    layout->setColumnStretch(3, 1);
    layout->setRowStretch(static_cast<int>(kCaptureKindCount), 1);
}

void GamePropertiesCapturesDlg::connectWidgets() {
    for (size_t i = 0; i < kCaptureKindCount; ++i) {
        connect(explore_[i], &QPushButton::clicked, this,
                [this, i] { launcher_.exploreFile(found_[i].firstFile); });
    }
}

}  // namespace corvane
