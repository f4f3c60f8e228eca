// The word scanner: separators, brackets, comments, word limit, numbers and quoted names.
#include "platform/HeadlessUi.h"
#include "sceneio/V_Lib.h"

#include <gtest/gtest.h>

#include <climits>
#include <clocale>
#include <cmath>
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

TEST(ScanWord, QuotedNamesAreCutAtTheNextQuote) {
    EXPECT_EQ(V_Lib::QuotedName("\"wood.jpg\""), "wood.jpg");
    EXPECT_EQ(V_Lib::QuotedName("\"wood.jpg\";"), "wood.jpg");
    EXPECT_EQ(V_Lib::QuotedName("\"my"), "my"); // "my wood.jpg" is cut at the blank
    EXPECT_EQ(V_Lib::QuotedName("../textures/a.jpg"), "../textures/a.jpg");
}

} // namespace
} // namespace ventrel
