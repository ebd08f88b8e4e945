// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/editor/GameSettingsScreenshotDlg.h"

#include <QGridLayout>
#include <QLabel>
#include <QRadioButton>
#include <QVBoxLayout>

#include "i18n/LanguageManager.h"
#include "ui/common/TextCodec.h"
#include "ui/editor/Captioned.h"
#include "ui/editor/EditorChoosers.h"
#include "ui/editor/EditorIds.h"
#include "ui/settings/PathRow.h"

namespace corvane {

GameSettingsScreenshotDlg::GameSettingsScreenshotDlg(const LanguageManager& languages,
                                                     QWidget* parent)
    : QWidget(parent),
      default_(captioned<QRadioButton>(
          kIdEditorDefaultImages, "Use default location (Screenshots directory in Corvane)", this)),
      specific_(captioned<QRadioButton>(kIdEditorSpecificImages, "Use specific image files", this)),
      image1_(new PathRow(PathEdit::Kind::File, true, this)),
      image2_(new PathRow(PathEdit::Kind::File, true, this)) {
    auto* images = new QGridLayout;
    // Indented under their choice.
    images->setContentsMargins(24, 0, 0, 0);
    const std::pair<int, const char*> captions[] = {{kIdEditorImage1, "Image 1"},
                                                    {kIdEditorImage2, "Image 2"}};
    for (int row = 0; row < 2; ++row) {
        PathRow* path = imageRow(row);
        auto* label = captioned<QLabel>(captions[row].first, captions[row].second, this);
        label->setBuddy(path->edit());
        setEditorChooser(path, ChooserKind::Image,
                         fromBytes(languages.textForId(captions[row].first)), languages);
        images->addWidget(label, row, 0);
        images->addWidget(path, row, 1);
    }
    images->setColumnStretch(1, 1);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(default_);
    layout->addWidget(specific_);
    layout->addLayout(images);
    layout->addStretch(1);
    connect(specific_, &QRadioButton::toggled, this, &GameSettingsScreenshotDlg::updateEnabling);
    default_->setChecked(true);
    updateEnabling();
}

void GameSettingsScreenshotDlg::updateEnabling() {
    image1_->setEnabled(specific_->isChecked());
    image2_->setEnabled(specific_->isChecked());
}

void GameSettingsScreenshotDlg::load(const ProfileForm& form) {
    loaded_ = form;
    (form.specificImages ? specific_ : default_)->setChecked(true);
    image1_->edit()->setText(fromBytes(form.image1));
    image2_->edit()->setText(fromBytes(form.image2));
    updateEnabling();
}

void GameSettingsScreenshotDlg::store(ProfileForm& form) const {
    form.specificImages = specific_->isChecked();
    form.image1 = keptBytes(image1_->edit()->text(), loaded_.image1);
    form.image2 = keptBytes(image2_->edit()->text(), loaded_.image2);
}

}  // namespace corvane
