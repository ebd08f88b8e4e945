// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <memory>

class QTranslator;

namespace corvane {

// Qt's own texts (standard buttons, file choosers) in the catalogue's language, from the
// translations Qt installs. A language Qt has no file for keeps Qt's English.
class QtTranslations {
public:
    explicit QtTranslations(QString directory = defaultDirectory());
    ~QtTranslations();
    QtTranslations(const QtTranslations&) = delete;
    QtTranslations& operator=(const QtTranslations&) = delete;

    // Replaces the installed translation by the one of the catalogue language.
    void select(int languageId);
    // Whether a translation is installed now (false for English and for a missing file).
    bool isInstalled() const { return translator_ != nullptr; }

    static QString defaultDirectory();
    // Qt's name for the language of a catalogue; empty for English, which Qt speaks already.
    static QString localeName(int languageId);

private:
    void remove();

    QString directory_;
    std::unique_ptr<QTranslator> translator_;
    int languageId_ = -1;
};

}  // namespace corvane
