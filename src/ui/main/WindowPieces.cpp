// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/main/WindowPieces.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QListView>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>

#include "emulator/Launcher.h"
#include "model/ValueLists.h"
#include "ui/common/CLocalized.h"
#include "ui/common/PictureFile.h"
#include "ui/common/TextCodec.h"
#include "ui/main/IndicatorLight.h"
#include "ui/main/MainWindowIds.h"
#include "ui/main/SelectorPanel.h"
#include "ui/resources/Artwork.h"

namespace corvane {

namespace {

struct FilterPanelCaption {
    int id;
    const char* fallback;
};
// The eight filter panels, in the order they are laid out.
constexpr FilterPanelCaption kFilterPanels[] = {
    {kIdMediumPanel, "MEDIUM"}, {kIdSystemPanel, "SYSTEM"},   {kIdCompanyPanel, "COMPANY"},
    {kIdYearPanel, "YEAR"},     {kIdCountryPanel, "COUNTRY"}, {kIdGenerationPanel, "GENERATION"},
    {kIdSoundPanel, "SOUND"},   {kIdGenrePanel, "GENRE"}};

}  // namespace

QListView* profileListView(QWidget* parent, QAbstractItemModel* model, QObject* clickFilter) {
    auto* list = new QListView(parent);
    list->setObjectName(QStringLiteral("profileList"));
    list->setModel(model);
    list->setSelectionMode(QAbstractItemView::ExtendedSelection);
    list->setEditTriggers(QAbstractItemView::NoEditTriggers);
    list->setUniformItemSizes(true);
    list->viewport()->installEventFilter(clickFilter);
    list->setMinimumSize(360, 320);
    return list;
}

QLabel* newStatusLine(QWidget* parent) {
    auto* line = new QLabel(parent);
    line->setObjectName(QStringLiteral("statusLine"));
    line->setFrameShape(QFrame::StyledPanel);
    line->setAutoFillBackground(true);
    line->setTextFormat(Qt::PlainText);
    line->setMinimumHeight(line->fontMetrics().height() + 8);
    return line;
}

QHBoxLayout* indicatorRow(QWidget* parent, std::vector<IndicatorLight*>& lights) {
    auto* row = new QHBoxLayout;
    row->setSpacing(2);
    const auto add = [&](const std::vector<std::string>& names) {
        for (const std::string& name : names) {
            lights.push_back(new IndicatorLight(fromBytes(name), parent));
            row->addWidget(lights.back());
        }
    };
    add(soundNames());
    row->addSpacing(10);
    add(generationNames());
    row->addStretch();
    return row;
}

QWidget* screenshotColumn(QWidget* parent, QLabel* (&shots)[2], QSize size) {
    auto* pane = new QWidget(parent);
    auto* column = new QVBoxLayout(pane);
    column->setContentsMargins(0, 0, 0, 0);
    for (QLabel*& shot : shots) {
        shot = new QLabel(pane);
        shot->setFixedSize(size);
        shot->setPixmap(defaultScreenshot(size));
        column->addWidget(shot);
    }
    column->addStretch();
    return pane;
}

void showScreenshotFiles(QLabel* (&shots)[2], const ScreenshotFiles& files, QSize size) {
    const std::string* names[2] = {&files.image1, &files.image2};
    for (int i = 0; i < 2; ++i) {
        QPixmap picture;
        if (!loadPictureFile(picture, *names[i]))
            picture = defaultScreenshot(size);
        shots[i]->setPixmap(picture.scaled(size, Qt::KeepAspectRatio, Qt::SmoothTransformation));
    }
}

QGridLayout* filterPanelGrid(QWidget* parent, std::vector<SelectorPanel*>& panels) {
    auto* grid = new QGridLayout;
    grid->setSpacing(4);
    int column = 0;
    for (const FilterPanelCaption& caption : kFilterPanels) {
        auto* panel =
            new SelectorPanel(caption.id, QString::fromLatin1(caption.fallback), true, parent);
        grid->addWidget(panel, column / 4, column % 4);
        panels.push_back(panel);
        ++column;
    }
    return grid;
}

QPushButton* commandButton(QWidget* parent, int id, const char* fallback) {
    auto* button = new QPushButton(QString::fromLatin1(fallback), parent);
    CLocalized::setCatalogueId(button, id);
    button->setFocusPolicy(Qt::TabFocus);
    return button;
}

QToolButton* iconButton(QWidget* parent, int id, const char* fallback, const QIcon& icon) {
    auto* button = new QToolButton(parent);
    button->setIcon(icon);
    button->setIconSize(QSize(24, 24));
    button->setText(QString::fromLatin1(fallback));
    button->setToolTip(button->text());
    CLocalized::setCatalogueId(button, id);
    button->setToolButtonStyle(Qt::ToolButtonIconOnly);
    return button;
}

}  // namespace corvane
