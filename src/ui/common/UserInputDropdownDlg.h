// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "ui/common/CLocalized.h"

class QComboBox;

namespace corvane {

// A prompt and a drop-down of names; returns the chosen one.
class UserInputDropdownDlg : public CLocalized {
    Q_OBJECT
public:
    UserInputDropdownDlg(const LanguageManager& languages, const QString& prompt,
                         const std::vector<std::string>& names, const std::string& preselected = {},
                         QWidget* parent = nullptr);

    // The chosen name's bytes.
    std::string chosen() const;
    QComboBox* combo() const { return combo_; }

    static std::optional<std::string> ask(const LanguageManager& languages, const QString& prompt,
                                          const std::vector<std::string>& names,
                                          const std::string& preselected, QWidget* parent);

private:
    QComboBox* combo_;
};

}  // namespace corvane
