// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <string>
#include <string_view>

namespace corvane {

class TextSource;

// The one place bytes become text: UTF-8, or Windows-1252 for bytes that are not valid UTF-8
// (databases written on Windows).
QString fromBytes(std::string_view bytes);
// Text becomes UTF-8 bytes.
std::string toBytes(const QString& text);
// A name shown as a menu item: decoded, with "&" shown literally instead of as a mnemonic.
QString menuItemText(std::string_view bytes);
// The bytes for a text the user may have edited: the original bytes when the text is unchanged,
// so values that are not UTF-8 (written on Windows) survive a round trip through a widget.
std::string keptBytes(const QString& text, const std::string& original);
// A catalogue text by key, decoded.
QString catalogueText(const TextSource& texts, std::string_view key);

}  // namespace corvane
