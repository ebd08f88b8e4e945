// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/common/TextCodec.h"

#include <QStringDecoder>
#include <algorithm>

#include "common/TextDecoding.h"
#include "common/TextSource.h"

namespace corvane {

namespace {
QString fromWindows1252(std::string_view bytes) {
    QString text;
    text.reserve(static_cast<qsizetype>(bytes.size()));
    for (char c : bytes)
        text.append(QChar(windows1252CodePoint(static_cast<unsigned char>(c))));
    return text;
}
}  // namespace

QString fromBytes(std::string_view bytes) {
    // Most names are plain ASCII, which needs no decoder.
    if (std::all_of(bytes.begin(), bytes.end(), [](char c) { return (c & 0x80) == 0; }))
        return QString::fromLatin1(bytes.data(), static_cast<qsizetype>(bytes.size()));
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text =
        decoder.decode(QByteArrayView(bytes.data(), static_cast<qsizetype>(bytes.size())));
    if (!decoder.hasError())
        return text;
    return fromWindows1252(bytes);
}

std::string toBytes(const QString& text) {
    const QByteArray utf8 = text.toUtf8();
    return std::string(utf8.constData(), static_cast<size_t>(utf8.size()));
}

QString menuItemText(std::string_view bytes) {
    return fromBytes(bytes).replace(QLatin1Char('&'), QStringLiteral("&&"));
}

std::string keptBytes(const QString& text, const std::string& original) {
    return text == fromBytes(original) ? original : toBytes(text);
}

QString catalogueText(const TextSource& texts, std::string_view key) {
    return fromBytes(texts.text(key));
}

}  // namespace corvane
