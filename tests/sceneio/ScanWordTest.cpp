// The word scanner: separators, brackets, comments, word limit, numbers and quoted names.
#include "platform/HeadlessUi.h"
#include "sceneio/V_Lib.h"

#include <gtest/gtest.h>

#include <climits>
#include <clocale>
#include <cmath>
#include <cstdio>
#include <string>
#include <vector>

namespace ventrel {
namespace {

std::vector<std::string> Words(const std::string &text, bool two = false, unsigned comments = 0) {
    V_Lib lib;
    lib.SetText(text);
    lib.m_commentSwitch = comments;
    std::vector<std::string> words;
    for (;;) {
        const std::string_view word = two ? lib.ScanWord2() : lib.ScanWord();
        if (word.empty())
            return words;
        words.emplace_back(word);
    }
}

TEST(ScanWord, BracketsAreWordsOfTheirOwnAndSeparatorsSplit) {
    EXPECT_EQ(Words("coordIndex[0,1,2,-1] "),
              (std::vector<std::string>{"coordIndex", "[", "0", "1", "2", "-1", "]"}));
    EXPECT_EQ(Words("a\tb\r\nc,,d {e}"),
              (std::vector<std::string>{"a", "b", "c", "d", "{", "e", "}"}));
    // The semicolon separates for the second scanner only.
    EXPECT_EQ(Words("1;2; "), (std::vector<std::string>{"1;2;"}));
    EXPECT_EQ(Words("1;2; ", true), (std::vector<std::string>{"1", "2"}));
}

TEST(ScanWord, LastWordWithoutSeparatorIsLostButABracketIsNot) {
    EXPECT_EQ(Words("one two"), (std::vector<std::string>{"one"}));
    EXPECT_EQ(Words("one }"), (std::vector<std::string>{"one", "}"}));
}

TEST(ScanWord, CommentsOnlyWithTheSwitch) {
    EXPECT_EQ(Words("#VRML # x\n#Shape "), (std::vector<std::string>{"#VRML", "#", "x", "#Shape"}));
    EXPECT_EQ(Words("a # skipped words\nb ", false, 1), (std::vector<std::string>{"a", "b"}));
    // A comment inside a word: the parts around it make one word.
    EXPECT_EQ(Words("ab#c\nde ", false, 1), (std::vector<std::string>{"abde"}));
}

TEST(ScanWord, BraceDepthAndLineCount) {
    V_Lib lib;
    lib.SetText("{ a {\n} \n x ");
    while (!lib.ScanWord2().empty()) {
    }
    EXPECT_EQ(lib.m_braceDepth, 1);
    EXPECT_EQ(lib.m_line, 3);
}

TEST(ScanWord, WordsBeyondFiveHundredCharactersEndTheText) {
    HeadlessUi ui;
    V_Lib lib(&ui);
    lib.SetText(std::string(500, 'a') + " " + std::string(501, 'b') + " c ");
    EXPECT_EQ(lib.ScanWord().size(), 500u);
    EXPECT_TRUE(lib.ScanWord().empty());
    ASSERT_EQ(ui.Messages().size(), 1u);
    EXPECT_EQ(ui.Messages()[0].text, "** Buffer Mot overflow\n");
}

TEST(ScanWord, NumbersIgnoreTheLocale) {
    const std::string previous = std::setlocale(LC_NUMERIC, nullptr);
    std::setlocale(LC_NUMERIC, "fr_FR.UTF-8"); // where installed: a comma locale
    EXPECT_FLOAT_EQ(V_Lib::ToFloat("2.5"), 2.5f);
    EXPECT_FLOAT_EQ(V_Lib::ToFloat("+2.500000000e+00"), 2.5f);
    EXPECT_FLOAT_EQ(V_Lib::ToFloat("0."), 0.0f);
    EXPECT_FLOAT_EQ(V_Lib::ToFloat("-.5x"), -0.5f);
    EXPECT_FLOAT_EQ(V_Lib::ToFloat("TRUE"), 0.0f);
    EXPECT_TRUE(std::isinf(V_Lib::ToFloat("1e60")));
    std::setlocale(LC_NUMERIC, previous.c_str());
    EXPECT_EQ(V_Lib::ToLong("-12;"), -12);
    EXPECT_EQ(V_Lib::ToLong("FALSE"), 0);
    EXPECT_EQ(V_Lib::ToLong("99999999999999999999"), LONG_MAX);
}

// Each step of reading `text` as numbers: the word, its value as float and as integer bits, and
// where the scanner stands after it. `fast` takes plain numbers in one pass where it can.
std::vector<std::string> NumberSteps(const std::string &text, bool two, unsigned comments,
                                     bool asLong, bool fast) {
    V_Lib lib;
    lib.SetText(text);
    lib.m_useScan2 = two;
    lib.m_commentSwitch = comments;
    std::vector<std::string> steps;
    for (;;) {
        float value = 0;
        long integer = 0;
        const bool taken = fast && (asLong ? lib.NextLong(integer) : lib.NextFloat(value));
        if (!taken) {
            const std::string_view word = lib.Next();
            if (word.empty())
                return steps;
            value = V_Lib::ToFloat(word);
            integer = V_Lib::ToLong(word);
        }
        char bits[160];
        std::snprintf(bits, sizeof bits, "%s=%a/%ld @%zu line %ld depth %d",
                      std::string(lib.Word()).c_str(), asLong ? 0.0 : double(value),
                      asLong ? integer : 0L, lib.Position(), lib.m_line, lib.m_braceDepth);
        steps.emplace_back(bits);
    }
}

TEST(ScanWord, NumbersReadInOnePassAreTheWordsValues) {
    const std::string texts[] = {
        "1.5 2.25,3\n-4 ]\n",
        "[0, 1, 2, -1,\n 3,4,5,-1 ]",
        "+2.5 -.5x 1e60 1e-50 0x1F nan inf 1e 12abc - . + ",
        "1;2;3;; 4;5 6#x\n7 8 ",
        "9223372036854775807 99999999999999999999 -9223372036854775809 123456789012345678 ",
        std::string(499, '1') + " " + std::string(501, '2') + " 3 ",
        "{ 1 } 2",
    };
    for (const std::string &text : texts)
        for (const bool two : {false, true})
            for (const unsigned comments : {0u, 1u})
                for (const bool asLong : {false, true})
                    EXPECT_EQ(NumberSteps(text, two, comments, asLong, true),
                              NumberSteps(text, two, comments, asLong, false))
                        << text << (two ? " (second scanner)" : "") << (comments ? " #" : "")
                        << (asLong ? " integers" : " floats");
}

TEST(ScanWord, QuotedNamesAreCutAtTheNextQuote) {
    EXPECT_EQ(V_Lib::QuotedName("\"wood.jpg\""), "wood.jpg");
    EXPECT_EQ(V_Lib::QuotedName("\"wood.jpg\";"), "wood.jpg");
    EXPECT_EQ(V_Lib::QuotedName("\"my"), "my"); // "my wood.jpg" is cut at the blank
    EXPECT_EQ(V_Lib::QuotedName("../textures/a.jpg"), "../textures/a.jpg");
}

} // namespace
} // namespace ventrel
