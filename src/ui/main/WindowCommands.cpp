// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/main/WindowCommands.h"

#include <QAction>

#include "i18n/LanguageManager.h"
#include "i18n/MenuIds.h"
#include "ui/common/TextCodec.h"

namespace corvane {

void WindowCommands::add(int id, std::function<void()> run) {
    runs_.insert(id, std::move(run));
}

void WindowCommands::run(int id) const {
    if (const auto it = runs_.constFind(id); it != runs_.cend())
        it.value()();
}

void WindowCommands::setAction(int id, QAction* action) {
    actions_.insert(id, action);
    QObject::connect(action, &QAction::triggered, action, [this, id] { run(id); });
}

void WindowCommands::retranslate(const LanguageManager& languages) const {
    for (auto it = actions_.begin(); it != actions_.end(); ++it) {
        if (it.key() < kFirstMenuId)
            continue;  // a key-only command has no entry to caption
        QString caption = fromBytes(languages.textForId(it.key()));
        // Every menu, popups included, shows the key after a tab, named in English in every
        // language as the captions always named it.
        const QKeySequence key = it.value()->shortcut();
        if (!key.isEmpty())
            caption += QLatin1Char('\t') + key.toString(QKeySequence::PortableText);
        it.value()->setText(caption);
    }
}

}  // namespace corvane
