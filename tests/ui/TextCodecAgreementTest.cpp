// SPDX-License-Identifier: GPL-3.0-or-later
// The engines decode and fold names themselves (they cannot use Qt); what they compare must be
// exactly the text the windows show.
#include <gtest/gtest.h>

#include <QChar>
#include <QString>
#include <array>
#include <random>
#include <string>

#include "common/CaseFolding.h"
#include "common/TextDecoding.h"
#include "ui/common/TextCodec.h"

namespace corvane {
namespace {

std::string hex(const std::string& bytes) {
    std::string out;
    for (char c : bytes) {
        static const char digits[] = "0123456789ABCDEF";
        const auto b = static_cast<unsigned char>(c);
        out += digits[b >> 4];
        out += digits[b & 15];
        out += ' ';
    }
    return out;
}

// Counts disagreements, reporting the first few.
class Agreement {
public:
    void check(const std::string& bytes) {
        ++checked;
        if (fromBytes(bytes).toStdU32String() == decodeText(bytes))
            return;
        if (++mismatches <= 5)
            ADD_FAILURE() << "bytes " << hex(bytes);
    }
    int checked = 0;
    int mismatches = 0;
};

// Bytes at the edges of the UTF-8 ranges, and a few ordinary ones.
constexpr std::array<unsigned char, 14> kEdges = {0x00, 0x41, 0x7F, 0x80, 0x81, 0x8F, 0x90,
                                                  0x9F, 0xA0, 0xBF, 0xC0, 0xC2, 0xE9, 0xFF};

std::string utf8(char32_t c) {
    std::string out;
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (c >> 18));
        out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
    return out;
}

}  // namespace

TEST(TextCodecAgreementTest, EngineDecodingIsTheWindowsDecoding) {
    Agreement agreement;
    std::string bytes;
    // Every string of one and two bytes, alone and after an ASCII letter and a byte order mark.
    for (int a = 0; a < 256; ++a) {
        for (int b = -1; b < 256; ++b) {
            bytes.assign(1, static_cast<char>(a));
            if (b >= 0)
                bytes += static_cast<char>(b);
            agreement.check(bytes);
            agreement.check("A" + bytes);
            agreement.check("\xEF\xBB\xBF" + bytes);
        }
    }
    // Three and four bytes: every lead and second byte, the others at the range edges.
    for (int lead = 0x80; lead < 256; ++lead) {
        for (int second = 0; second < 256; ++second) {
            for (unsigned char third : kEdges) {
                bytes = {static_cast<char>(lead), static_cast<char>(second),
                         static_cast<char>(third)};
                agreement.check(bytes);
                if (lead < 0xF0)
                    continue;
                for (unsigned char fourth : kEdges)
                    agreement.check(bytes + static_cast<char>(fourth));
            }
        }
    }
    // Encoded code points of every range (noncharacters, the last one, surrogates, past the end)
    // inside other text, whole and cut short.
    std::mt19937 random(1252);
    const std::array<std::pair<char32_t, char32_t>, 6> ranges = {{{0x80, 0x7FF},
                                                                  {0x800, 0xFFFF},
                                                                  {0xD800, 0xDFFF},
                                                                  {0xFDD0, 0xFDEF},
                                                                  {0x10000, 0x10FFFF},
                                                                  {0x110000, 0x1FFFFF}}};
    for (int round = 0; round < 20000; ++round) {
        bytes.clear();
        const int parts = static_cast<int>(random() % 5);
        for (int part = 0; part < parts; ++part) {
            const auto& [low, high] = ranges[random() % ranges.size()];
            switch (random() % 4) {
                case 0:
                    bytes += static_cast<char>(random() % 256);
                    break;
                case 1:
                    bytes += "Caf\xE9";
                    break;
                default:
                    bytes += utf8(low + static_cast<char32_t>(random() % (high - low + 1)));
            }
        }
        agreement.check(bytes);
        for (char32_t last : {0xFFFEu, 0xFFFFu, 0xFEFFu, 0x10FFFFu})
            agreement.check(bytes + utf8(last));
        if (!bytes.empty())
            agreement.check(bytes.substr(0, bytes.size() - 1));
    }
    EXPECT_EQ(agreement.mismatches, 0) << "of " << agreement.checked;
}

TEST(TextCodecAgreementTest, EngineCaseFoldingIsUnicodeSimpleFolding) {
    // Latin Extended-B is covered only for the Romanian comma letters.
    auto covered = [](char32_t c) {
        return c < 0x0180 || (c >= 0x0218 && c <= 0x021B) || (c >= 0x0370 && c < 0x0530) ||
               (c >= 0x1E00 && c < 0x1F00);
    };
    int differences = 0;
    for (char32_t c = 0; c < 0x1F00; ++c) {
        if (!covered(c))
            continue;
        const char32_t expected = QChar::toCaseFolded(c);
        if (foldCase(c) != expected && ++differences <= 5)
            ADD_FAILURE() << std::hex << "U+" << static_cast<unsigned>(c) << " folds to U+"
                          << static_cast<unsigned>(foldCase(c)) << ", not U+"
                          << static_cast<unsigned>(expected);
    }
    EXPECT_EQ(differences, 0);
    // Everything else is left alone.
    for (char32_t c : {0x0181u, 0x0531u, 0x2C00u, 0xFF21u, 0x10400u})
        EXPECT_EQ(foldCase(c), c);
}

}  // namespace corvane
