// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/common/CLocalized.h"

#include <QAbstractButton>
#include <QGroupBox>
#include <QLabel>
#include <QVariant>

#include "i18n/LanguageManager.h"
#include "ui/common/TextCodec.h"

namespace corvane {

namespace {
constexpr const char* kCatalogueIdProperty = "catalogueId";
}

CLocalized::CLocalized(int dialogId, const LanguageManager& languages, QWidget* parent)
    : QDialog(parent), dialogId_(dialogId), languages_(languages) {}

void CLocalized::setCatalogueId(QWidget* control, int id) {
    control->setProperty(kCatalogueIdProperty, id);
}

void CLocalized::localize(QWidget* window, int windowId, const LanguageManager& languages) {
    if (!languages.current())
        return;
    if (windowId != 0)
        window->setWindowTitle(fromBytes(languages.textForId(windowId)));
    const auto& identifiers = languages.current()->identifiers();
    for (QWidget* control : window->findChildren<QWidget*>()) {
        const QVariant id = control->property(kCatalogueIdProperty);
        if (!id.isValid())
            continue;
        const auto it = identifiers.find(id.toInt());
        if (it == identifiers.end())
            continue;  // keeps the caption it was built with
        const QString caption = fromBytes(it->second);
        if (auto* button = qobject_cast<QAbstractButton*>(control))
            button->setText(caption);
        else if (auto* label = qobject_cast<QLabel*>(control))
            label->setText(caption);
        else if (auto* group = qobject_cast<QGroupBox*>(control))
            group->setTitle(caption);
        else
            control->setToolTip(caption);
    }
}

QString CLocalized::textForKey(const char* key) const {
    return catalogueText(languages_, key);
}

QString CLocalized::textForId(int id) const {
    return fromBytes(languages_.textForId(id));
}

void CLocalized::showEvent(QShowEvent* event) {
    if (!localized_) {
        localized_ = true;
        localize(this, dialogId_, languages_);
    }
    QDialog::showEvent(event);
}

}  // namespace corvane
