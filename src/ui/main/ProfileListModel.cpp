// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/main/ProfileListModel.h"

#include <QBrush>
#include <algorithm>

#include "common/AsciiCase.h"
#include "ui/common/TextCodec.h"
#include "ui/resources/Artwork.h"

namespace corvane {

ProfileListModel::ProfileListModel(QObject* parent) : QAbstractListModel(parent) {}

void ProfileListModel::setProfiles(std::vector<Game> profiles, std::vector<bool> marked,
                                   QColor markColour) {
    beginResetModel();
    profiles_ = std::move(profiles);
    markColour_ = markColour;
    lines_.clear();
    lines_.reserve(profiles_.size());
    for (size_t i = 0; i < profiles_.size(); ++i)
        lines_.push_back(
            {static_cast<int>(i), fromBytes(profiles_[i].name), i < marked.size() && marked[i]});
    std::stable_sort(lines_.begin(), lines_.end(), [this](const Line& a, const Line& b) {
        return compareIgnoreCase(profiles_[a.profile].name, profiles_[b.profile].name) < 0;
    });
    endResetModel();
}

void ProfileListModel::clear() {
    setProfiles({}, {}, markColour_);
}

int ProfileListModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(lines_.size());
}

QVariant ProfileListModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= rowCount())
        return {};
    const Line& line = lines_[static_cast<size_t>(index.row())];
    switch (role) {
        case Qt::DisplayRole:
            return line.text;
        case Qt::DecorationRole:
            return mediumIcon(profiles_[static_cast<size_t>(line.profile)].MainMedium().mediumKey);
        case Qt::BackgroundRole:
            return line.marked ? QVariant(QBrush(markColour_)) : QVariant();
        case Qt::ForegroundRole:
            return line.marked ? QVariant(QBrush(Qt::black)) : QVariant();
        default:
            return {};
    }
}

const Game* ProfileListModel::profileAtRow(int row) const {
    if (row < 0 || row >= rowCount())
        return nullptr;
    return &profiles_[static_cast<size_t>(lines_[static_cast<size_t>(row)].profile)];
}

const Game* ProfileListModel::findByName(const std::string& name) const {
    for (const Game& game : profiles_)
        if (game.name == name)
            return &game;
    return nullptr;
}

int ProfileListModel::rowOfName(const std::string& name) const {
    for (size_t row = 0; row < lines_.size(); ++row)
        if (profiles_[static_cast<size_t>(lines_[row].profile)].name == name)
            return static_cast<int>(row);
    return -1;
}

QString ProfileListModel::nameAtRow(int row) const {
    return (row >= 0 && row < rowCount()) ? lines_[static_cast<size_t>(row)].text : QString();
}

bool ProfileListModel::isMarked(int row) const {
    return row >= 0 && row < rowCount() && lines_[static_cast<size_t>(row)].marked;
}

}  // namespace corvane
