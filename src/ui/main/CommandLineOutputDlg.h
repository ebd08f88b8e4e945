// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ui/common/CLocalized.h"

class QLineEdit;

namespace corvane {

// Shows the argument string an emulator is about to get; Launch goes on, Cancel starts nothing.
class CommandLineOutputDlg : public CLocalized {
    Q_OBJECT
public:
    CommandLineOutputDlg(const LanguageManager& languages, const QString& arguments,
                         QWidget* parent = nullptr);
    QLineEdit* edit() const { return edit_; }

private:
    QLineEdit* edit_;
};

}  // namespace corvane
