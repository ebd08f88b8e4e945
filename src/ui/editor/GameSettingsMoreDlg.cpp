// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/editor/GameSettingsMoreDlg.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>
#include <algorithm>

#include "i18n/LanguageManager.h"
#include "model/ValueLists.h"
#include "ui/common/TextCodec.h"
#include "ui/editor/Captioned.h"
#include "ui/editor/EditorIds.h"

namespace corvane {

namespace {

constexpr int kSoundColumns = 4;

// "Select..." (no genre), then the genres by name; each item carries its genre's id.
QComboBox* newGenreBox(const LanguageManager& languages, QWidget* parent) {
    auto* box = new QComboBox(parent);
    box->addItem(catalogueText(languages, "L_SELECT"), 0);
    for (const Genre& genre : genreList())
        box->addItem(fromBytes(genre.name), genre.id);
    box->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    return box;
}

void selectGenre(QComboBox* box, int id) {
    box->setCurrentIndex(std::max(box->findData(id), 0));
}

}  // namespace

GameSettingsMoreDlg::GameSettingsMoreDlg(const LanguageManager& languages, QWidget* parent)
    : QWidget(parent) {
    createWidgets(languages);
    connect(genre1_, &QComboBox::currentIndexChanged, this, &GameSettingsMoreDlg::updateEnabling);
    updateEnabling();
}

void GameSettingsMoreDlg::createWidgets(const LanguageManager& languages) {
    auto* generationBox = captioned<QGroupBox>(kIdEditorGeneration, "MSX Generation", this);
    auto* generationLayout = new QHBoxLayout(generationBox);
    for (const std::string& name : generationNames()) {
        generations_.push_back(new QCheckBox(fromBytes(name), generationBox));
        generationLayout->addWidget(generations_.back());
    }
    generationLayout->addStretch(1);

    auto* soundBox = captioned<QGroupBox>(kIdEditorSound, "Sound", this);
    auto* soundLayout = new QGridLayout(soundBox);
    for (const std::string& name : soundNames()) {
        const int index = static_cast<int>(sounds_.size());
        sounds_.push_back(new QCheckBox(fromBytes(name), soundBox));
        soundLayout->addWidget(sounds_.back(), index / kSoundColumns, index % kSoundColumns);
    }

    auto* genreGroup = captioned<QGroupBox>(kIdEditorGenre, "Genre", this);
    genre1_ = newGenreBox(languages, genreGroup);
    genre2_ = newGenreBox(languages, genreGroup);
    auto* genreLayout = new QHBoxLayout(genreGroup);
    genreLayout->addWidget(genre1_);
    genreLayout->addWidget(captioned<QLabel>(kIdEditorAnd, "and", genreGroup));
    genreLayout->addWidget(genre2_);
    genreLayout->addStretch(1);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(generationBox);
    layout->addWidget(soundBox);
    layout->addWidget(genreGroup);
    layout->addStretch(1);
}

void GameSettingsMoreDlg::updateEnabling() {
    genre2_->setEnabled(genre1_->currentIndex() > 0);
}

void GameSettingsMoreDlg::load(const ProfileForm& form) {
    for (size_t i = 0; i < generations_.size(); ++i)
        generations_[i]->setChecked(form.generation[i]);
    for (size_t i = 0; i < sounds_.size(); ++i)
        sounds_[i]->setChecked(form.sound[i]);
    selectGenre(genre1_, form.genre1);
    selectGenre(genre2_, form.genre2);
    updateEnabling();
}

void GameSettingsMoreDlg::store(ProfileForm& form) const {
    for (size_t i = 0; i < generations_.size(); ++i)
        form.generation[i] = generations_[i]->isChecked();
    for (size_t i = 0; i < sounds_.size(); ++i)
        form.sound[i] = sounds_[i]->isChecked();
    form.genre1 = genre1_->currentData().toInt();
    form.genre2 = genre2_->currentData().toInt();
}

}  // namespace corvane
