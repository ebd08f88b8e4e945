// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/main/BackgroundWidget.h"

#include <QPaintEvent>
#include <QPainter>

#include "model/Settings.h"
#include "ui/common/PictureFile.h"
#include "ui/resources/Artwork.h"

namespace corvane {

BackgroundWidget::BackgroundWidget(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_StyledBackground, false);
}

void BackgroundWidget::useDefault() {
    custom_ = QPixmap();
    update();
}

bool BackgroundWidget::useCustom(const std::string& path, Layout layout) {
    QPixmap picture;
    if (!loadPictureFile(picture, path)) {
        useDefault();
        return false;
    }
    custom_ = picture;
    layout_ = layout;
    update();
    return true;
}

void BackgroundWidget::paintEvent(QPaintEvent* event) {
    QPainter p(this);
    if (custom_.isNull()) {
        // Drawing the built-in picture is costly; children repaint often during loads.
        if (builtIn_.size() != size())
            builtIn_ = defaultBackground(size());
        p.drawPixmap(event->rect(), builtIn_, event->rect());
        return;
    }
    p.fillRect(rect(), palette().window());
    switch (layout_) {
        case Layout::Stretched:
            p.drawPixmap(rect(), custom_);
            break;
        case Layout::Tiled:
            p.drawTiledPixmap(rect(), custom_);
            break;
        case Layout::Centred:
            p.drawPixmap((width() - custom_.width()) / 2, (height() - custom_.height()) / 2,
                         custom_);
            break;
    }
}

void BackgroundWidget::applySettings(Settings& settings) {
    if (!settings.customBackground) {
        useDefault();
        return;
    }
    Layout layout = Layout::Centred;
    if (settings.backgroundLayout == kLayoutStretched)
        layout = Layout::Stretched;
    if (settings.backgroundLayout == kLayoutTiled)
        layout = Layout::Tiled;
    if (!useCustom(settings.backgroundImage, layout))
        settings.customBackground = false;
}

}  // namespace corvane
