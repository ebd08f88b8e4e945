// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>

#include "ui/common/CLocalized.h"

class QLabel;
class QLineEdit;

namespace corvane {

// A prompt and one line of text; the caller trims the answer.
class UserInputDlg : public CLocalized {
    Q_OBJECT
public:
    UserInputDlg(const LanguageManager& languages, const QString& prompt,
                 const QString& initialText = {}, QWidget* parent = nullptr);

    QString text() const;
    QLineEdit* edit() const { return edit_; }

    // Nothing when cancelled.
    static std::optional<QString> ask(const LanguageManager& languages, const QString& prompt,
                                      const QString& initialText, QWidget* parent);

private:
    QLabel* prompt_;
    QLineEdit* edit_;
};

}  // namespace corvane
