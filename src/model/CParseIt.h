// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace corvane {

// One field of a parsed line, readable as text or as a number.
class CParseField {
public:
    CParseField() = default;
    explicit CParseField(std::string text) : text_(std::move(text)) {}
    virtual ~CParseField() = default;

    const std::string& text() const { return text_; }
    // Decimal value: leading blanks and one sign accepted, stops at the first non-digit, 0
    // without digits.
    int asInt() const;
    long asLong() const;
    double asDouble() const;
    void set(const CParseField& other) { text_ = other.text_; }
    void set(std::string_view text) { text_.assign(text); }

private:
    std::string text_;
};

// Splits a line on a set of delimiter characters. Every delimiter ends a field; nothing is
// trimmed or unquoted, so k delimiters give k + 1 fields and an empty text gives one field.
class CParseIt {
public:
    CParseIt() = default;
    virtual ~CParseIt() = default;

    virtual bool IsDelimiter(char c) const;
    virtual void Reset();
    virtual int GetCount() const { return static_cast<int>(fields_.size()); }
    virtual const std::string& GetDelimiters() const { return delimiters_; }
    virtual void SetDelimiters(std::string_view delimiters);
    // Fails when the parser already holds a text; reuse it only after Reset.
    virtual bool Parse(std::string_view text, std::string_view delimiters);
    virtual void Split();
    // i counts from 1; out of range clears out and returns false.
    virtual bool GetField(int i, std::string& out) const;
    const CParseField* field(int i) const;

private:
    static constexpr size_t kMaxDelimiters = 9;
    std::string delimiters_ = ",";
    std::string text_;
    bool hasText_ = false;
    std::vector<CParseField> fields_;
};

// Parses a decimal integer the way numeric fields are read.
long parseLeadingInteger(std::string_view text);

}  // namespace corvane
