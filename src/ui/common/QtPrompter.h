// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPointer>
#include <QWidget>

#include "common/Prompter.h"

namespace corvane {

class LanguageManager;

// Shows the engines' messages and questions as message boxes and the shared small dialogs.
class QtPrompter : public Prompter {
public:
    QtPrompter() = default;
    explicit QtPrompter(const LanguageManager& languages) : languages_(&languages) {}

    // The application owns the catalogue and needs the prompter first, so it is set late.
    void setLanguages(const LanguageManager& languages) { languages_ = &languages; }
    void setParentWindow(QWidget* parent) { parent_ = parent; }

    void message(const std::string& text, MessageKind kind) override;
    bool confirm(const std::string& text) override;
    bool confirmDestructive(const std::string& text) override;
    MultiAnswer multiConfirm(const std::string& text) override;

private:
    // A Yes/No question; Enter answers Yes only when yesByDefault.
    bool ask(const std::string& text, bool yesByDefault);

    const LanguageManager* languages_ = nullptr;
    QPointer<QWidget> parent_;
};

}  // namespace corvane
