// SPDX-License-Identifier: GPL-3.0-or-later
#include "emulator/EmulatorArguments.h"

#include <gtest/gtest.h>

#include <random>

#include "platform/CommandLine.h"

using namespace corvane;
using Args = std::vector<std::string>;

TEST(EmulatorArguments, ValuesStayOneArgumentAndTheTextReadsBack) {
    EmulatorArguments a;
    a.addOptionValue("/rom1", "x.rom\" -command \"exec touch PWNED; exit");
    a.addOptionValue("/diskA", "C:\\games\\");
    a.addCommandLine("-ext \"a b\"  c\\\"d ");
    a.addValue("");
    EXPECT_EQ(a.arguments(), (Args{"/rom1", "x.rom\" -command \"exec touch PWNED; exit", "/diskA",
                                   "C:\\games\\", "-ext", "a b", "c\"d", ""}));
    EXPECT_EQ(a.text(),
              " /rom1 \"x.rom\\\" -command \\\"exec touch PWNED; exit\" /diskA \"C:\\games\\\\\""
              " -ext \"a b\" \"c\\\"d\" \"\"");
    EmulatorArguments none;
    none.addCommandLine(" \t ");
    EXPECT_TRUE(none.arguments().empty());
    EXPECT_EQ(none.text(), "");
}

TEST(EmulatorArguments, TextReadsBackToTheVectorForAnyBytes) {
    const std::string alphabet = std::string(" \t\"\\\\\"\n;$()`ab-/") + "\xC3\xA9";
    std::mt19937 random(7);
    const auto pick = [&random](size_t limit) {
        return std::uniform_int_distribution<size_t>(0, limit)(random);
    };
    const auto text = [&](size_t maxLength) {
        std::string s;
        for (size_t n = pick(maxLength); n > 0; --n)
            s += alphabet[pick(alphabet.size() - 1)];
        return s;
    };
    for (int round = 0; round < 3000; ++round) {
        EmulatorArguments a;
        Args expected;
        for (size_t pieces = pick(6); pieces > 0; --pieces) {
            switch (pick(2)) {
                case 0: {
                    const std::string value = text(12);
                    a.addValue(value);
                    expected.push_back(value);
                    break;
                }
                case 1: {
                    const std::string option = text(6);
                    a.addOption(option);
                    expected.push_back(option);
                    break;
                }
                default: {
                    const std::string field = text(20);
                    a.addCommandLine(field);
                    for (const std::string& part : splitCommandLine(field))
                        expected.push_back(part);
                }
            }
        }
        ASSERT_EQ(a.arguments(), expected);
        ASSERT_EQ(splitCommandLine(a.text()), expected) << a.text();
    }
}
