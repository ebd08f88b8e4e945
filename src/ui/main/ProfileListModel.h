// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QAbstractListModel>
#include <QColor>
#include <optional>
#include <string>
#include <vector>

#include "model/Game.h"

namespace corvane {

// The shown profiles, held once, as lines sorted by name without regard to letter case.
class ProfileListModel : public QAbstractListModel {
    Q_OBJECT
public:
    explicit ProfileListModel(QObject* parent = nullptr);

    // marked[i] tells whether profiles[i] gets the mark colour.
    void setProfiles(std::vector<Game> profiles, std::vector<bool> marked, QColor markColour);
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
    const std::vector<Game>& profiles() const { return profiles_; }

private:
    struct Line {
        int profile;
        QString text;
        bool marked;
    };
    std::vector<Game> profiles_;
    std::vector<Line> lines_;
    QColor markColour_;
};

}  // namespace corvane
