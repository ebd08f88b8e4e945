// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/common/AvailabilityTip.h"

#include <QAbstractButton>
#include <QAction>

#include "i18n/LanguageManager.h"
#include "i18n/MenuIds.h"
#include "ui/common/TextCodec.h"

namespace corvane {

namespace {

// A menu caption as the user reads it in a sentence: no mnemonic, no trailing dots.
QString plainCaption(QString caption) {
    caption.remove(QLatin1Char('&'));
    while (caption.endsWith(QLatin1Char('.')))
        caption.chop(1);
    return caption.trimmed();
}

}  // namespace

QString availabilityText(const Availability& availability, const LanguageManager& languages) {
    if (availability.available())
        return {};
    QString text = catalogueText(languages, availability.missing);
    // The captions are the menus' own, so the path reads right in every language.
    if (availability.metInSettings)
        text += plainCaption(catalogueText(languages, "LOC_MENU_OPTIONS")) + QStringLiteral(" > ") +
                plainCaption(fromBytes(languages.textForId(kMenuSettings)));
    return text;
}

void applyAvailability(QAction* entry, const Availability& availability,
                       const LanguageManager& languages) {
    entry->setEnabled(availability.available());
    entry->setToolTip(availabilityText(availability, languages));
}

void applyAvailability(QAbstractButton* button, const Availability& availability,
                       const LanguageManager& languages, const QString& name) {
    button->setEnabled(availability.available());
    const QString need = availabilityText(availability, languages);
    if (name.isEmpty() || need.isEmpty())
        button->setToolTip(name.isEmpty() ? need : name);
    else
        button->setToolTip(name + QLatin1Char('\n') + need);
}

}  // namespace corvane
