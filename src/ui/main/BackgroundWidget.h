// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPixmap>
#include <QWidget>
#include <string>

namespace corvane {

// Draws the window's background picture: the built-in one, or the user's centred, stretched
// or tiled.
class BackgroundWidget : public QWidget {
    Q_OBJECT
public:
    enum class Layout { Centred, Stretched, Tiled };
    explicit BackgroundWidget(QWidget* parent = nullptr);

    void useDefault();
    // False when the file (named by its bytes) is not a picture; the built-in one stays.
    bool useCustom(const std::string& path, Layout layout);
    bool isCustom() const { return !custom_.isNull(); }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QPixmap custom_;
    QPixmap builtIn_;
    Layout layout_ = Layout::Centred;
};

}  // namespace corvane
