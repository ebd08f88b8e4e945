// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>

#include "ui/common/CLocalized.h"

class QComboBox;

namespace corvane {

// A prompt and a drop-down of names; returns the chosen one.
class UserInputDropdownDlg : public CLocalized {
    Q_OBJECT
public:
    UserInputDropdownDlg(const LanguageManager& languages, const QString& prompt,
                         const QStringList& names, const QString& preselected = {},
                         QWidget* parent = nullptr);

    QString chosen() const;
    QComboBox* combo() const { return combo_; }

    static std::optional<QString> ask(const LanguageManager& languages, const QString& prompt,
                                      const QStringList& names, const QString& preselected,
                                      QWidget* parent);

private:
    QComboBox* combo_;
};

}  // namespace corvane
