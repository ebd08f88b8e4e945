// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>

#include "ui/settings/PathEdit.h"

class QPushButton;

namespace corvane {

// A path box with its Browse button and, where the value may be cleared, an Eject button.
// Disabling the row disables all three.
class PathRow : public QWidget {
    Q_OBJECT
public:
    PathRow(PathEdit::Kind kind, bool withEject, QWidget* parent = nullptr);

    // Browse opens a folder chooser with this caption.
    void setFolderChooser(const QString& caption);
    // Browse opens a file chooser; the filter is in the catalogue's "Name (..)|pattern|..||"
    // form. executablesFirst: the first filter lists only programs (this platform's programs
    // carry no extension a pattern could select).
    void setFileChooser(const QString& caption, const QString& chooserFilter,
                        const QString& defaultSuffix, bool executablesFirst = false);

    PathEdit* edit() const { return edit_; }
    QPushButton* browseButton() const { return browse_; }
    QPushButton* ejectButton() const { return eject_; }

private:
    void browse();
    QString startDirectory() const;

    PathEdit* edit_;
    QPushButton* browse_;
    QPushButton* eject_ = nullptr;
    QString caption_;
    QString chooserFilter_;
    QString defaultSuffix_;
    bool executablesFirst_ = false;
};

}  // namespace corvane
