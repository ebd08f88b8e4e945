// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/main/ProfileListModel.h"

#include <QBrush>
#include <algorithm>
#include <string_view>

#include "common/AsciiCase.h"
#include "ui/common/TextCodec.h"
#include "ui/resources/Artwork.h"

namespace corvane {

ProfileListModel::ProfileListModel(QObject* parent) : QAbstractListModel(parent) {}

void ProfileListModel::setProfiles(std::vector<std::string> profiles, std::vector<bool> marked,
                                   QColor markColour) {
    beginResetModel();
    profiles_ = std::move(profiles);
    records_.clear();
    markColour_ = markColour;
    // The sort compares names folded once into one buffer, so each comparison is a plain byte
    // comparison that touches no line; equal names keep file order.
    struct Key {
        size_t offset;
        size_t length;
        int index;
    };
    std::string folded;
    std::vector<Key> keys;
    keys.reserve(profiles_.size());
    for (size_t i = 0; i < profiles_.size(); ++i) {
        const std::string_view name = profileNameOfLine(profiles_[i]);
        keys.push_back({folded.size(), name.size(), static_cast<int>(i)});
        for (char c : name)
            folded.push_back(toLowerAscii(c));
    }
    const std::string_view all(folded);
    std::sort(keys.begin(), keys.end(), [all](const Key& a, const Key& b) {
        const int c = all.substr(a.offset, a.length).compare(all.substr(b.offset, b.length));
        return c < 0 || (c == 0 && a.index < b.index);
    });
    std::vector<int> order;
    order.reserve(keys.size());
    for (const Key& key : keys)
        order.push_back(key.index);
    lines_.clear();
    lines_.reserve(profiles_.size());
    for (int i : order) {
        const auto index = static_cast<size_t>(i);
        lines_.push_back({i, index < marked.size() && marked[index]});
    }
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
            return nameAtRow(index.row());
        case Qt::DecorationRole:
            return mediumIcon(record(line.profile).MainMedium().mediumKey);
        case Qt::BackgroundRole:
            return line.marked ? QVariant(QBrush(markColour_)) : QVariant();
        case Qt::ForegroundRole:
            return line.marked ? QVariant(QBrush(Qt::black)) : QVariant();
        default:
            return {};
    }
}

const Game& ProfileListModel::record(int profile) const {
    const auto [it, added] = records_.try_emplace(profile);
    if (added)
        it->second.FromLine(profiles_[static_cast<size_t>(profile)]);
    return it->second;
}

const Game* ProfileListModel::profileAtRow(int row) const {
    if (row < 0 || row >= rowCount())
        return nullptr;
    return &record(lines_[static_cast<size_t>(row)].profile);
}

const Game* ProfileListModel::findByName(const std::string& name) const {
    for (size_t i = 0; i < profiles_.size(); ++i)
        if (profileNameOfLine(profiles_[i]) == name)
            return &record(static_cast<int>(i));
    return nullptr;
}

int ProfileListModel::rowOfName(const std::string& name) const {
    for (size_t row = 0; row < lines_.size(); ++row)
        if (profileNameOfLine(profiles_[static_cast<size_t>(lines_[row].profile)]) == name)
            return static_cast<int>(row);
    return -1;
}

std::vector<Game> ProfileListModel::profilesNamed(const std::vector<std::string>& names) const {
    // One pass over the list for the whole selection, however many names it holds.
    std::unordered_map<std::string_view, int> firstOfName;
    for (size_t i = 0; i < profiles_.size(); ++i)
        firstOfName.try_emplace(profileNameOfLine(profiles_[i]), static_cast<int>(i));
    std::vector<Game> found;
    for (const std::string& name : names)
        if (const auto it = firstOfName.find(name); it != firstOfName.end())
            found.push_back(record(it->second));
    return found;
}

QString ProfileListModel::nameAtRow(int row) const {
    // Decoded when shown: only the rows on screen are ever asked for.
    if (row < 0 || row >= rowCount())
        return QString();
    return fromBytes(profileNameOfLine(
        profiles_[static_cast<size_t>(lines_[static_cast<size_t>(row)].profile)]));
}

bool ProfileListModel::isMarked(int row) const {
    return row >= 0 && row < rowCount() && lines_[static_cast<size_t>(row)].marked;
}

}  // namespace corvane
