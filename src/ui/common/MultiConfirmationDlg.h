// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "common/Prompter.h"
#include "ui/common/CLocalized.h"

namespace corvane {

// A question with Yes, Yes to all, No, No to all and Cancel; the dialog's result is the answer.
class MultiConfirmationDlg : public CLocalized {
    Q_OBJECT
public:
    MultiConfirmationDlg(const LanguageManager& languages, const QString& question,
                         QWidget* parent = nullptr);

    MultiAnswer answer() const { return answer_; }
    static MultiAnswer ask(const LanguageManager& languages, const QString& question,
                           QWidget* parent);

protected:
    void reject() override;

private:
    MultiAnswer answer_ = MultiAnswer::Cancel;
};

}  // namespace corvane
