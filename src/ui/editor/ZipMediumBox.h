// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QGroupBox>

#include "app/ProfileForm.h"

class QGridLayout;
class QLabel;
class QLineEdit;

namespace corvane {

class PathRow;

// One medium of the editor: its file with Browse and Eject, and its member inside a ZIP file.
class ZipMediumBox : public QGroupBox {
    Q_OBJECT
public:
    ZipMediumBox(int titleId, const char* englishTitle, QWidget* parent = nullptr);

    void load(const ProfileForm::Medium& medium);
    // A text left as it was keeps the bytes it was loaded with.
    void store(ProfileForm::Medium& medium) const;
    // Off while a special cartridge is chosen; the box still shows and stores its medium.
    void setMediumEnabled(bool enabled);

    PathRow* fileRow() const { return file_; }
    QLineEdit* zipEntryEdit() const { return zipEntry_; }
    QLabel* zipEntryLabel() const { return zipEntryLabel_; }
    int titleId() const { return titleId_; }
    // Further rows go below the member's.
    QGridLayout* grid() const { return grid_; }

private:
    int titleId_;
    QLabel* fileLabel_;
    PathRow* file_;
    QLabel* zipEntryLabel_;
    QLineEdit* zipEntry_;
    QGridLayout* grid_;
    ProfileForm::Medium loaded_;
};

}  // namespace corvane
