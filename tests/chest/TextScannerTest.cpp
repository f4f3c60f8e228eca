// The text scanner: keywords at the cursor and searched forward, tolerant numbers, words.
#include "chest/CTextScanner.h"
#include "platform/HeadlessUi.h"

#include <gtest/gtest.h>

namespace ventrel {
namespace {

TEST(TextScanner, MatchIsExactAtTheCursorAndFindSearchesForward) {
    HeadlessUi ui;
    CTextScanner scan("JEU Montre8\nNTUYAUX 56\n", ui);
    EXPECT_FALSE(scan.Match("jeu"));
    EXPECT_FALSE(scan.Match("NTUYAUX"));
    EXPECT_TRUE(scan.Match("JEU"));
    EXPECT_TRUE(scan.Find("NTUYAUX"));
    EXPECT_EQ(scan.ReadInt(), 56);
    EXPECT_FALSE(scan.Find("JEU"));
    EXPECT_EQ(scan.ReadInt(), 0) << "at the end of the text";
}

TEST(TextScanner, NumbersSkipAnythingBeforeThemAndCommentLinesWhenAtTheirStart) {
    HeadlessUi ui;
    CTextScanner scan("XY0 -30 40\n/ 99 ignored\n7 - x-\n2147483699999", ui);
    scan.Find("XY0");
    EXPECT_EQ(scan.ReadInt(), -30);
    EXPECT_EQ(scan.ReadInt(), 40);
    scan.NextLine();
    EXPECT_EQ(scan.ReadInt(), 7) << "a line starting with a slash is skipped";
    EXPECT_EQ(scan.ReadInt(), 0) << "a lone minus reads as 0";
    EXPECT_EQ(scan.ReadInt(), 0);
    EXPECT_EQ(scan.ReadInt(), 2147483647) << "too many digits saturate";
}

TEST(TextScanner, SkipToWordSkipsTheMinusSoAnOriginIsReadPositive) {
    HeadlessUi ui;
    CTextScanner scan("XY0 -30 40", ui);
    scan.Find("XY0");
    scan.SkipToWord();
    EXPECT_EQ(scan.ReadInt(), 30);
}

TEST(TextScanner, WordsStopAtBlanksAndKeepPunctuationOfFileNames) {
    HeadlessUi ui;
    CTextScanner scan("tour-1_a.poly,2% next", ui);
    EXPECT_EQ(scan.ReadWord(), "tour-1_a.poly,2%");
    scan.SkipToWord();
    EXPECT_EQ(scan.ReadWord(), "next");
}

TEST(TextScanner, LineSkipPastTheEndStopsThereAndSaysSo) {
    HeadlessUi ui;
    CTextScanner scan("no line feed", ui);
    scan.NextLine();
    EXPECT_TRUE(scan.AtEnd());
    EXPECT_EQ(ui.LastStatus(), "Erreur débordement in LEX index");
}

} // namespace
} // namespace ventrel
