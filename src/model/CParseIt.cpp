// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/CParseIt.h"

#include <cstdlib>

namespace corvane {

long parseLeadingInteger(std::string_view text) {
    size_t i = 0;
    while (i < text.size() && (text[i] == ' ' || text[i] == '\t'))
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        negative = text[i] == '-';
        ++i;
    }
    unsigned long value = 0;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
        // Saturate rather than overflow on absurdly long digit runs.
        if (value < 100000000000000000UL)
            value = value * 10 + static_cast<unsigned>(text[i] - '0');
    }
    const long v = static_cast<long>(value);
    return negative ? -v : v;
}

int CParseField::asInt() const {
    return static_cast<int>(parseLeadingInteger(text_));
}
long CParseField::asLong() const {
    return parseLeadingInteger(text_);
}
double CParseField::asDouble() const {
    return std::strtod(text_.c_str(), nullptr);
}

bool CParseIt::IsDelimiter(char c) const {
    return !delimiters_.empty() && delimiters_.find(c) != std::string::npos;
}

void CParseIt::Reset() {
    text_.clear();
    hasText_ = false;
    fields_.clear();
    delimiters_ = ",";
}

void CParseIt::SetDelimiters(std::string_view delimiters) {
    delimiters_.assign(delimiters.substr(0, kMaxDelimiters));
}

bool CParseIt::Parse(std::string_view text, std::string_view delimiters) {
    if (hasText_)
        return false;
    SetDelimiters(delimiters);
    text_.assign(text);
    hasText_ = true;
    Split();
    return true;
}

void CParseIt::Split() {
    fields_.clear();
    size_t start = 0;
    for (size_t i = 0; i < text_.size(); ++i) {
        if (IsDelimiter(text_[i])) {
            fields_.emplace_back(text_.substr(start, i - start));
            start = i + 1;
        }
    }
    fields_.emplace_back(text_.substr(start));
}

bool CParseIt::GetField(int i, std::string& out) const {
    const CParseField* f = field(i);
    if (!f) {
        out.clear();
        return false;
    }
    out = f->text();
    return true;
}

const CParseField* CParseIt::field(int i) const {
    if (i < 1 || i > GetCount())
        return nullptr;
    return &fields_[static_cast<size_t>(i - 1)];
}

}  // namespace corvane
