// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/common/TextCodec.h"

#include <QStringDecoder>
#include <algorithm>

#include "common/TextSource.h"

namespace corvane {

namespace {
// Windows-1252 differs from Latin-1 only in 0x80..0x9F; 0 marks the five unassigned bytes.
constexpr char16_t kCp1252High[32] = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

QString fromWindows1252(std::string_view bytes) {
    QString text;
    text.reserve(static_cast<qsizetype>(bytes.size()));
    for (char c : bytes) {
        const auto b = static_cast<unsigned char>(c);
        char16_t u = b;
        if (b >= 0x80 && b < 0xA0)
            u = kCp1252High[b - 0x80] ? kCp1252High[b - 0x80] : b;
        text.append(QChar(u));
    }
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
