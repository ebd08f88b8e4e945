// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QSize>
#include <vector>

class QAbstractItemModel;
class QHBoxLayout;
class QLabel;
class QListView;
class QObject;
class QWidget;

namespace corvane {

class IndicatorLight;

// Builders of the main window's plain parts, which hold no state of the window's own.

// The profile list: one line a profile, several selectable, none editable in place. The filter
// sees the clicks on its lines.
QListView* profileListView(QWidget* parent, QAbstractItemModel* model, QObject* clickFilter);
// The line under the list that tells company, year and size of the current profile.
QLabel* newStatusLine(QWidget* parent);
// The sound chips, then the generations, each a light that a profile's values switch on.
QHBoxLayout* indicatorRow(QWidget* parent, std::vector<IndicatorLight*>& lights);
// The two screenshot frames, showing the built-in picture until a profile has its own.
QWidget* screenshotColumn(QWidget* parent, QLabel* (&shots)[2], QSize size);

}  // namespace corvane
