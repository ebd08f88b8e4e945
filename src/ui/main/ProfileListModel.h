// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QAbstractListModel>
#include <QColor>
#include <optional>
#include <string>
#include <unordered_map>
#include <vector>

#include "model/Game.h"

namespace corvane {

// The shown profiles, held once as their database lines, sorted by name without regard to
// letter case. A line becomes a full record only when something asks for it (the rows on screen,
// the selection); the record is then kept, at a stable address, until the next list.
class ProfileListModel : public QAbstractListModel {
    Q_OBJECT
public:
    explicit ProfileListModel(QObject* parent = nullptr);

    // marked[i] tells whether profiles[i] gets the mark colour.
    void setProfiles(std::vector<std::string> profiles, std::vector<bool> marked,
                     QColor markColour);
    void clear();

    int rowCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;

    const Game* profileAtRow(int row) const;
    // The first shown profile whose name is exactly name.
    const Game* findByName(const std::string& name) const;
    // The first line whose name is exactly name, or -1.
    int rowOfName(const std::string& name) const;
    QString nameAtRow(int row) const;
    bool isMarked(int row) const;
    // The first shown profile of each of the names that are shown, in the order of names.
    std::vector<Game> profilesNamed(const std::vector<std::string>& names) const;

private:
    const Game& record(int profile) const;

    struct Line {
        int profile;
        bool marked;
    };
    std::vector<std::string> profiles_;
    mutable std::unordered_map<int, Game> records_;
    std::vector<Line> lines_;
    QColor markColour_;
};

}  // namespace corvane
