// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/common/ProgressBarDlg.h"

#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

#include "ui/common/DialogIds.h"

namespace corvane {

ProgressBarDlg::ProgressBarDlg(const LanguageManager& languages, const QString& caption,
                               QWidget* parent)
    : CLocalized(kDlgProgress, languages, parent),
      caption_(new QLabel(caption, this)),
      bar_(new QProgressBar(this)) {
    // The operation it shows is still changing files: no other window may act meanwhile.
    setWindowModality(Qt::ApplicationModal);
    auto* cancel = new QPushButton(QStringLiteral("Cancel"), this);
    setCatalogueId(cancel, kIdProgressCancel);
    bar_->setMinimumWidth(360);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(caption_);
    layout->addWidget(bar_);
    layout->addWidget(cancel, 0, Qt::AlignHCenter);
    connect(cancel, &QPushButton::clicked, this, [this] { cancelled_ = true; });
}

void ProgressBarDlg::setRange(int low, int high) {
    bar_->setRange(low, high);
}

void ProgressBarDlg::setPos(int pos) {
    bar_->setValue(pos);
}

}  // namespace corvane
