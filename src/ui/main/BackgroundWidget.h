// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPixmap>
#include <QWidget>
#include <string>

namespace corvane {

struct Settings;

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
    // The picture and layout the settings choose. One that cannot be loaded switches the
    // custom background off in the settings, for this run only.
    void applySettings(Settings& settings);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QPixmap custom_;
    QPixmap builtIn_;
    Layout layout_ = Layout::Centred;
};

}  // namespace corvane
