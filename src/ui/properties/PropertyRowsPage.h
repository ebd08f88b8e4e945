// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>
#include <vector>

#include "app/ProfileProperties.h"

class QLabel;
class QLineEdit;

namespace corvane {

// A page of captioned values, one row each, in the order given; a row left out of the list
// leaves no gap. The values can be selected and copied but not changed.
class PropertyRowsPage : public QWidget {
    Q_OBJECT
public:
    const std::vector<PropertyRow>& rows() const { return rows_; }
    // The caption and the value shown for a field; nullptr when the page has no such row.
    QLabel* caption(PropertyField field) const;
    QLineEdit* value(PropertyField field) const;

protected:
    PropertyRowsPage(std::vector<PropertyRow> rows, QWidget* parent);

private:
    void createWidgets();
    int indexOf(PropertyField field) const;

    std::vector<PropertyRow> rows_;
    std::vector<QLabel*> captions_;
    std::vector<QLineEdit*> values_;
};

// The catalogue identifier of a field's caption.
int captionId(PropertyField field);

}  // namespace corvane
