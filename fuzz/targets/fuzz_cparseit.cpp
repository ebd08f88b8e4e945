// SPDX-License-Identifier: GPL-3.0-or-later
// CParseIt: the input is the delimiters, a NUL, then the text. Every delimiter ends a field and
// nothing is trimmed, so the fields joined by the delimiters found give the text back.
#include "model/CParseIt.h"
#include "support/FuzzScratch.h"

using namespace corvane;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view input = fuzz::inputText(data, size);
    const size_t nul = input.find('\0');
    if (nul == std::string_view::npos)
        return 0;
    const std::string_view delimiters = input.substr(0, nul);
    const std::string_view text = input.substr(nul + 1);

    CParseIt parser;
    if (!parser.Parse(text, delimiters))
        fuzz::fail("a fresh parser refused a text");
    if (parser.Parse(text, delimiters))
        fuzz::fail("a parser holding a text took another without Reset");
    const int count = parser.GetCount();
    std::string joined;
    std::string field;
    for (int i = 1; i <= count; ++i) {
        if (!parser.GetField(i, field))
            fuzz::fail("a field inside the count is missing");
        const CParseField* typed = parser.field(i);
        if (!typed || typed->text() != field)
            fuzz::fail("field() and GetField disagree");
        (void)typed->asInt();
        (void)typed->asLong();
        (void)typed->asDouble();
        joined += field;
        if (i < count) {
            const size_t at = joined.size();
            if (at >= text.size() || !parser.IsDelimiter(text[at]))
                fuzz::fail("a field ends where the text holds no delimiter");
            joined += text[at];
        }
    }
    if (joined != text)
        fuzz::fail("the fields do not make up the text");
    if (parser.GetField(0, field) || parser.GetField(count + 1, field) || !field.empty())
        fuzz::fail("a field outside the count was given");
    parser.Reset();
    if (!parser.Parse(text, delimiters) || parser.GetCount() != count)
        fuzz::fail("a reset parser reads the same text differently");
    return 0;
}
