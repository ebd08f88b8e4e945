// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QSize>
#include <vector>

class QAbstractItemModel;
class QGridLayout;
class QHBoxLayout;
class QIcon;
class QPushButton;
class QToolButton;
class QLabel;
class QListView;
class QObject;
class QWidget;

namespace corvane {

class IndicatorLight;
class SelectorPanel;
struct ScreenshotFiles;

// Builders of the main window's plain parts, which hold no state of the window's own.

// The profile list: one line a profile, several selectable, none editable in place. The filter
// sees the clicks on its lines.
QListView* profileListView(QWidget* parent, QAbstractItemModel* model, QObject* clickFilter);
// The line under the list that tells company, year and size of the current profile.
QLabel* newStatusLine(QWidget* parent);
// The sound chips, then the generations, each a light that a profile's values switch on.
QHBoxLayout* indicatorRow(QWidget* parent, std::vector<IndicatorLight*>& lights);
// The eight filter panels, four in a row, each with the button that opens its value menu.
QGridLayout* filterPanelGrid(QWidget* parent, std::vector<SelectorPanel*>& panels);
// A command button under the list, captioned from the catalogue.
QPushButton* commandButton(QWidget* parent, int id, const char* fallback);
// A button that shows its icon alone and tells its catalogue caption in its tooltip.
QToolButton* iconButton(QWidget* parent, int id, const char* fallback, const QIcon& icon);
// The two screenshot frames, showing the built-in picture until a profile has its own.
QWidget* screenshotColumn(QWidget* parent, QLabel* (&shots)[2], QSize size);
// Shows a profile's screenshots in the frames, the built-in picture where one cannot be loaded.
void showScreenshotFiles(QLabel* (&shots)[2], const ScreenshotFiles& files, QSize size);

}  // namespace corvane
