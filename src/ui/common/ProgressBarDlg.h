// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ui/common/CLocalized.h"

class QLabel;
class QProgressBar;

namespace corvane {

// A progress window shown while the operation runs, modal to the whole application; Cancel only
// raises a flag that the running loop polls.
class ProgressBarDlg : public CLocalized {
    Q_OBJECT
public:
    ProgressBarDlg(const LanguageManager& languages, const QString& caption,
                   QWidget* parent = nullptr);

    void setRange(int low, int high);
    void setPos(int pos);
    bool cancelled() const { return cancelled_; }

protected:
    void reject() override { cancelled_ = true; }

private:
    QLabel* caption_;
    QProgressBar* bar_;
    bool cancelled_ = false;
};

}  // namespace corvane
