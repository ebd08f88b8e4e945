// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/IpsOperation.h"
#include "ui/common/CLocalized.h"
#include "ui/tools/ToolRun.h"

class QCheckBox;
class QDialogButtonBox;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace corvane {

class PathRow;
class Prompter;

// The IPS Center: applies a patch to a ROM or disk image, into a new file or over the source.
// Stays open after every run; a successful one empties the fields for the next patch.
class IPSCenterDlg : public CLocalized {
    Q_OBJECT
public:
    IPSCenterDlg(IpsOperation& operation, Prompter& prompter, const LanguageManager& languages,
                 QWidget* parent = nullptr);

    PathRow* patchRow() const { return patch_; }
    PathRow* sourceRow() const { return source_; }
    PathRow* targetRow() const { return target_; }
    QCheckBox* enforceSha1() const { return enforce_; }
    QLineEdit* expectedSha1() const { return expected_; }
    QRadioButton* separateTarget() const { return separate_; }
    QRadioButton* patchSource() const { return direct_; }
    QPushButton* okButton() const;
    ToolRun& run() { return run_; }
    // The fields as a request.
    IpsRequest request() const;

public slots:
    // Checks the fields and patches; the dialog stays open whatever comes of it.
    void startPatch();

private:
    void createWidgets();
    void connectWidgets();
    void loadValues();
    void applyOutputRule();

    IpsOperation& operation_;
    PathRow* patch_ = nullptr;
    PathRow* source_ = nullptr;
    QCheckBox* enforce_ = nullptr;
    QLineEdit* expected_ = nullptr;
    QRadioButton* separate_ = nullptr;
    PathRow* target_ = nullptr;
    QRadioButton* direct_ = nullptr;
    QDialogButtonBox* buttons_ = nullptr;
    ToolRun run_;
};

}  // namespace corvane
