// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/common/QtTranslations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

#include "i18n/LanguageIds.h"

namespace corvane {

namespace {

// Older full catalogues (Swedish has only one of those) keep the standard button texts under
// the button box; current Qt asks for them under the platform theme.
class QtCatalogue : public QTranslator {
public:
    using QTranslator::QTranslator;

    QString translate(const char* context, const char* sourceText, const char* disambiguation,
                      int n) const override {
        QString text = QTranslator::translate(context, sourceText, disambiguation, n);
        if (text.isEmpty() && qstrcmp(context, "QPlatformTheme") == 0)
            text = QTranslator::translate("QDialogButtonBox", sourceText, disambiguation, n);
        return text;
    }
};

}  // namespace

QtTranslations::QtTranslations(QString directory) : directory_(std::move(directory)) {}

QtTranslations::~QtTranslations() {
    remove();
}

QString QtTranslations::defaultDirectory() {
    return QLibraryInfo::path(QLibraryInfo::TranslationsPath);
}

QString QtTranslations::localeName(int languageId) {
    switch (languageId) {
        case kLanguageCatalan:
            return QStringLiteral("ca");
        case kLanguageGerman:
            return QStringLiteral("de");
        case kLanguageSpanish:
            return QStringLiteral("es");
        case kLanguageFinnish:
            return QStringLiteral("fi");
        case kLanguageFrench:
            return QStringLiteral("fr");
        case kLanguageItalian:
            return QStringLiteral("it");
        case kLanguageDutch:
            return QStringLiteral("nl");
        case kLanguagePortuguese:
            return QStringLiteral("pt_BR");  // the catalogue is written in Brazilian Portuguese
        case kLanguageSwedish:
            return QStringLiteral("sv");
        default:
            return {};
    }
}

void QtTranslations::select(int languageId) {
    if (languageId == languageId_)
        return;
    languageId_ = languageId;
    remove();
    const QString locale = localeName(languageId);
    if (locale.isEmpty())
        return;
    auto translator = std::make_unique<QtCatalogue>();
    // The base module's file where Qt has one; otherwise an older catalogue of all modules.
    if (!translator->load(QStringLiteral("qtbase_") + locale, directory_) &&
        !translator->load(QStringLiteral("qt_") + locale, directory_))
        return;
    QCoreApplication::installTranslator(translator.get());
    translator_ = std::move(translator);
}

void QtTranslations::remove() {
    if (!translator_)
        return;
    QCoreApplication::removeTranslator(translator_.get());
    translator_.reset();
}

}  // namespace corvane
