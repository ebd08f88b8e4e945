// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ui/common/CLocalized.h"

class QCheckBox;
class QDialogButtonBox;
class QLabel;
class QPushButton;

namespace corvane {

// The warning before files are renamed: OK can be pressed only once "Proceed" is ticked.
class FileRenameConfirmationDlg : public CLocalized {
    Q_OBJECT
public:
    explicit FileRenameConfirmationDlg(const LanguageManager& languages, QWidget* parent = nullptr);

    QCheckBox* proceed() const { return proceed_; }
    QPushButton* okButton() const;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void createWidgets();
    void connectWidgets();
    void loadValues();

    QLabel* question_ = nullptr;
    QLabel* warning_ = nullptr;
    QCheckBox* proceed_ = nullptr;
    QDialogButtonBox* buttons_ = nullptr;
};

}  // namespace corvane
