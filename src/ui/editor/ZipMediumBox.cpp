// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/editor/ZipMediumBox.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>

#include "ui/common/TextCodec.h"
#include "ui/editor/Captioned.h"
#include "ui/editor/EditorIds.h"
#include "ui/settings/PathRow.h"

namespace corvane {

ZipMediumBox::ZipMediumBox(int titleId, const char* englishTitle, QWidget* parent)
    : QGroupBox(QString::fromUtf8(englishTitle), parent),
      titleId_(titleId),
      fileLabel_(captioned<QLabel>(kIdEditorFile, "File", this)),
      file_(new PathRow(PathEdit::Kind::File, true, this)),
      zipEntryLabel_(captioned<QLabel>(kIdEditorNameInZip, "Name in ZIP", this)),
      zipEntry_(new QLineEdit(this)),
      grid_(new QGridLayout(this)) {
    CLocalized::setCatalogueId(this, titleId);
    fileLabel_->setBuddy(file_->edit());
    zipEntryLabel_->setBuddy(zipEntry_);
    grid_->addWidget(fileLabel_, 0, 0);
    grid_->addWidget(file_, 0, 1);
    grid_->addWidget(zipEntryLabel_, 1, 0);
    grid_->addWidget(zipEntry_, 1, 1);
    grid_->setColumnStretch(1, 1);
}

void ZipMediumBox::load(const ProfileForm::Medium& medium) {
    loaded_ = medium;
    file_->edit()->setText(fromBytes(medium.file));
    zipEntry_->setText(fromBytes(medium.zipEntry));
}

void ZipMediumBox::store(ProfileForm::Medium& medium) const {
    medium.file = keptBytes(file_->edit()->text(), loaded_.file);
    medium.zipEntry = keptBytes(zipEntry_->text(), loaded_.zipEntry);
}

void ZipMediumBox::setMediumEnabled(bool enabled) {
    fileLabel_->setEnabled(enabled);
    file_->setEnabled(enabled);
    zipEntryLabel_->setEnabled(enabled);
    zipEntry_->setEnabled(enabled);
}

}  // namespace corvane
