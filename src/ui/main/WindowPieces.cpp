// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/main/WindowPieces.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QListView>
#include <QVBoxLayout>

#include "model/ValueLists.h"
#include "ui/common/TextCodec.h"
#include "ui/main/IndicatorLight.h"
#include "ui/resources/Artwork.h"

namespace corvane {

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

}  // namespace corvane
