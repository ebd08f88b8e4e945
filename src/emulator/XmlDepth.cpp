// SPDX-License-Identifier: GPL-3.0-or-later
#include "emulator/XmlDepth.h"

namespace corvane {

namespace {

// Past the first `end` from pos on; the end of the text when there is none.
size_t after(std::string_view xml, size_t pos, std::string_view end) {
    const size_t found = xml.find(end, pos);
    return found == std::string_view::npos ? xml.size() : found + end.size();
}

struct Tag {
    size_t end = 0;  // just past its ">"
    bool empty = false;
};

// A start tag from its "<": quoted values may hold ">" and "/".
Tag startTag(std::string_view xml, size_t pos) {
    char quote = 0;
    char last = 0;  // the last byte outside a value and not blank
    for (++pos; pos < xml.size(); ++pos) {
        const char c = xml[pos];
        if (quote != 0) {
            if (c == quote)
                quote = 0;
            continue;
        }
        if ((c == '"' || c == '\'') && last == '=') {
            quote = c;
            last = c;
        } else if (c == '>') {
            return {pos + 1, last == '/'};
        } else if (c != ' ' && c != '\t' && c != '\n' && c != '\r') {
            last = c;
        }
    }
    return {xml.size(), false};
}

}  // namespace

bool nestsDeeperThan(std::string_view xml, int levels) {
    int depth = 0;
    size_t pos = xml.find('<');
    while (pos < xml.size()) {
        const std::string_view rest = xml.substr(pos);
        if (rest.starts_with("<!--")) {
            pos = after(xml, pos + 4, "-->");
        } else if (rest.starts_with("<![CDATA[")) {
            pos = after(xml, pos + 9, "]]>");
        } else if (rest.starts_with("<?") || rest.starts_with("<!")) {
            pos = after(xml, pos + 2, ">");
        } else if (rest.starts_with("</")) {
            depth = depth > 0 ? depth - 1 : 0;
            pos = after(xml, pos + 2, ">");
        } else {
            const Tag tag = startTag(xml, pos);
            if (!tag.empty && ++depth > levels)
                return true;
            pos = tag.end;
        }
        pos = xml.find('<', pos);
    }
    return false;
}

}  // namespace corvane
