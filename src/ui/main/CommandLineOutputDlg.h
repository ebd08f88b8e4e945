// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ui/common/CLocalized.h"

class QPlainTextEdit;

namespace corvane {

// Shows the argument string an emulator is about to get; Launch goes on, Cancel starts nothing.
// The whole string is shown, wrapped, and can be selected and copied but not changed.
class CommandLineOutputDlg : public CLocalized {
    Q_OBJECT
public:
    CommandLineOutputDlg(const LanguageManager& languages, const QString& arguments,
                         QWidget* parent = nullptr);
    QPlainTextEdit* edit() const { return edit_; }

private:
    QPlainTextEdit* edit_;
};

}  // namespace corvane
