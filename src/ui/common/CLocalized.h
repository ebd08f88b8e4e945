// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>

namespace corvane {

class LanguageManager;

// Base of every dialog: at first show the title comes from the dialog's catalogue identifier
// and every control marked with setCatalogueId gets its caption from the catalogue.
class CLocalized : public QDialog {
    Q_OBJECT
public:
    CLocalized(int dialogId, const LanguageManager& languages, QWidget* parent = nullptr);

    // Marks a label, button or group box to be captioned from the catalogue identifier.
    static void setCatalogueId(QWidget* control, int id);
    // Captions the window and its marked controls now (also done once at first show).
    static void localize(QWidget* window, int windowId, const LanguageManager& languages);

    const LanguageManager& languages() const { return languages_; }
    QString textForKey(const char* key) const;
    QString textForId(int id) const;

protected:
    void showEvent(QShowEvent* event) override;

private:
    int dialogId_;
    const LanguageManager& languages_;
    bool localized_ = false;
};

}  // namespace corvane
