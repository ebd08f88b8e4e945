// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/tools/ExtraDataOptionsBox.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QRadioButton>
#include <QVBoxLayout>
#include <span>

#include "ui/common/CaptionedControl.h"
#include "ui/tools/ExtraDataIds.h"

namespace corvane {

namespace {

constexpr const char* kMergeCaptions[] = {"Skip", "Overwrite", "Merge"};
constexpr const char* kSetCaptions[] = {"Skip", "Overwrite", "Set if empty"};

int index(ExtraDataField field) {
    return static_cast<int>(field);
}

}  // namespace

ExtraDataOptionsBox::ExtraDataOptionsBox(QWidget* parent)
    : QGroupBox(QStringLiteral("Extra Data Options"), parent) {
    CLocalized::setCatalogueId(this, kIdExtraDataOptions);
    // Each choice is its own group: radios sharing a parent would otherwise exclude each other.
    const auto addChoices = [this](ExtraDataField field, QWidget* parent, std::span<const int> ids,
                                   const char* const* captions) {
        auto* group = new QButtonGroup(this);
        for (int i = 0; i < 3; ++i)
            group->addButton(captioned<QRadioButton>(parent, captions[i], ids[i]), i);
        group->button(0)->setChecked(true);
        groups_[index(field)] = group;
    };

    auto* merges = new QGridLayout;
    const std::tuple<ExtraDataField, const char*, int, std::span<const int>> rows[] = {
        {ExtraDataField::Generation, "Generation", kIdGenerationLabel, kIdGenerationModes},
        {ExtraDataField::Sound, "Sound", kIdSoundLabel, kIdSoundModes},
        {ExtraDataField::Genre, "Genre", kIdGenreLabel, kIdGenreModes}};
    int row = 0;
    for (const auto& [field, caption, labelId, ids] : rows) {
        merges->addWidget(captioned<QLabel>(this, caption, labelId), row, 0);
        addChoices(field, this, ids, kMergeCaptions);
        for (int i = 0; i < 3; ++i)
            merges->addWidget(groups_[index(field)]->button(i), row, i + 1);
        ++row;
    }
    merges->setColumnStretch(4, 1);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(merges);
    const std::tuple<ExtraDataField, const char*, int, std::span<const int>> sets[] = {
        {ExtraDataField::InfoFile, "Info File - Generation-MSX Site Link", kIdInfoFileGroup,
         kIdInfoFileModes},
        {ExtraDataField::Screenshots, "Screenshots", kIdScreenshotsGroup, kIdScreenshotModes}};
    for (const auto& [field, caption, groupId, ids] : sets) {
        auto* box = captioned<QGroupBox>(this, caption, groupId);
        addChoices(field, box, ids, kSetCaptions);
        auto* boxLayout = new QHBoxLayout(box);
        for (int i = 0; i < 3; ++i)
            boxLayout->addWidget(groups_[index(field)]->button(i));
        boxLayout->addStretch();
        layout->addWidget(box);
    }
}

QRadioButton* ExtraDataOptionsBox::choice(ExtraDataField field, int choiceIndex) const {
    return static_cast<QRadioButton*>(groups_[index(field)]->button(choiceIndex));
}

int ExtraDataOptionsBox::chosen(ExtraDataField field) const {
    return groups_[index(field)]->checkedId();
}

ExtraDataOptions ExtraDataOptionsBox::options() const {
    static constexpr MergeMode kMerges[] = {MergeMode::Skip, MergeMode::Overwrite,
                                            MergeMode::Merge};
    static constexpr SetMode kSets[] = {SetMode::Skip, SetMode::Overwrite, SetMode::SetIfEmpty};
    return {.generation = kMerges[chosen(ExtraDataField::Generation)],
            .sound = kMerges[chosen(ExtraDataField::Sound)],
            .genre = kMerges[chosen(ExtraDataField::Genre)],
            .infoFile = kSets[chosen(ExtraDataField::InfoFile)],
            .screenshots = kSets[chosen(ExtraDataField::Screenshots)]};
}

}  // namespace corvane
