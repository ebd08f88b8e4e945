// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFrame>

class QLabel;
class QToolButton;

namespace corvane {

// A caption over a value, with an optional button that opens a popup under the panel.
class SelectorPanel : public QFrame {
    Q_OBJECT
public:
    SelectorPanel(int captionId, const QString& fallbackCaption, bool withButton,
                  QWidget* parent = nullptr);

    void setValue(const QString& value);
    QString value() const;
    QToolButton* button() const { return button_; }
    QLabel* caption() const { return caption_; }

signals:
    void popupRequested();

private:
    QLabel* caption_;
    QLabel* value_;
    QToolButton* button_ = nullptr;
};

}  // namespace corvane
