// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ui/common/CLocalized.h"

class QLabel;

namespace corvane {

// The program's name, version and licence, and the libraries it runs on.
class AboutDlg : public CLocalized {
    Q_OBJECT
public:
    explicit AboutDlg(const LanguageManager& languages, QWidget* parent = nullptr);

    QLabel* versionLabel() const { return version_; }
    QLabel* creditsLabel() const { return credits_; }

    // One line per library: name, the version in use and its licence.
    static QStringList libraryCredits();

private:
    QLabel* version_;
    QLabel* credits_;
};

}  // namespace corvane
