// The chest checker on small chests made to have each kind of finding, and on the examples.
#include "check/ChestCheck.h"
#include "check/CheckContext.h"
#include "chest/DatSourceMap.h"
#include "platform/HeadlessUi.h"
#include "platform/WorkFolder.h"

#include "TestFolder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <filesystem>

namespace ventrel {
namespace {

std::string Join(const std::vector<int> &values) {
    std::string text;
    for (size_t i = 0; i < values.size(); ++i)
        text += std::to_string(values[i]) + (i + 1 < values.size() ? " " : "\n");
    return text;
}

// One stop in the examples' style, a comment line before each list:
// line 1 JEU, 6 XY0, 8 diameters, 10 holes, 12 feet, 13 HAUTEURS, 14 lengths.
struct Stop {
    std::string name = "Bourdon8";
    std::string extra; // lines after the stop line
    int incx = 1;
    int x0 = 40, y0 = 40;
    std::vector<int> d, h, f, l;
    std::string after; // lines after the lengths

    // A clean rank of `n` pipes.
    explicit Stop(int n = 12) {
        for (int k = 0; k < n; ++k) {
            const double r = std::pow(0.944, k);
            d.push_back(int(60 * r));
            h.push_back(std::max(6, int(15 * r)));
            f.push_back(int(30 * r));
            l.push_back(int(1200 * r));
        }
    }
    Stop(std::vector<int> same, int x, int y, int code = 3) : incx(code), x0(x), y0(y) {
        d = h = f = same;
        l = std::vector<int>(same.size(), 1000);
    }
    std::string Text() const {
        return "JEU " + name + "\n" + extra + "NTUYAUX " + std::to_string(d.size()) +
               "\nTUYAU1 1\nINCX " + std::to_string(incx) + "\nFORME:ROND\nXY0 " +
               std::to_string(x0) + " " + std::to_string(y0) + "\n/ diametres\n" + Join(d) +
               "/ trous de la plaque\n" + Join(h) + "/ trous du faux sommier\n" + Join(f) +
               "HAUTEURS\n" + Join(l) + after;
    }
};

CheckResult Check(const std::string &text, const std::string *walls = nullptr,
                  CheckOptions options = {}, const WorkFolder &folder = {}) {
    const CheckSource chest{"t.dat", text};
    const CheckSource partitions{"walls.dat", walls ? *walls : ""};
    return CheckChest(chest, walls ? &partitions : nullptr, folder, options);
}

std::vector<const Finding *> Of(const CheckResult &result, const std::string &code) {
    std::vector<const Finding *> found;
    for (const Finding &finding : result.findings)
        if (finding.code == code)
            found.push_back(&finding);
    return found;
}

std::string All(const CheckResult &result) {
    std::string text;
    for (const Finding &finding : result.findings)
        text += FindingLine(finding) + "\n";
    return text;
}

TEST(ChestCheck, ACleanRankHasNoFinding) {
    const CheckResult result = Check(Stop().Text());
    EXPECT_TRUE(result.findings.empty()) << All(result);
    EXPECT_EQ(CheckExitStatus(result.findings), 0);
    EXPECT_EQ(result.chest->StopCount(), 1);
}

TEST(ChestCheck, ExamplesHaveNoFinding) {
    const std::filesystem::path examples = std::filesystem::path(VENTREL_SOURCE_DIR) / "examples";
    for (const char *name : {"grand-orgue.dat", "recit.dat", "pedale.dat", "octaves.dat",
                             "tourelle.dat", "barrages.dat"}) {
        std::string text;
        ASSERT_TRUE(ReadWholeFile(examples / name, text)) << name;
        const CheckResult result =
            CheckChest({name, text}, nullptr, WorkFolder::Both(examples), CheckOptions{});
        EXPECT_TRUE(result.findings.empty()) << name << "\n" << All(result);
    }
    std::string chest, walls;
    ASSERT_TRUE(ReadWholeFile(examples / "grand-orgue.dat", chest));
    ASSERT_TRUE(ReadWholeFile(examples / "barrages.dat", walls));
    const CheckSource partitions{"barrages.dat", walls};
    const CheckResult result = CheckChest({"grand-orgue.dat", chest}, &partitions,
                                          WorkFolder::Both(examples), CheckOptions{});
    EXPECT_TRUE(result.findings.empty()) << All(result);
}

TEST(ChestCheck, RecordingWhereFactsStandChangesNothingRead) {
    const std::filesystem::path examples = std::filesystem::path(VENTREL_SOURCE_DIR) / "examples";
    for (const char *name : {"grand-orgue.dat", "octaves.dat", "tourelle.dat", "barrages.dat"}) {
        std::string text;
        ASSERT_TRUE(ReadWholeFile(examples / name, text));
        HeadlessUi ui;
        CWindchest plain, recorded;
        DatSourceMap map;
        plain.ReadDat(text, WorkFolder::Both(examples), ui);
        recorded.ReadDat(text, WorkFolder::Both(examples), ui, &map);
        ASSERT_EQ(plain.m_stop_count, recorded.m_stop_count) << name;
        EXPECT_EQ(plain.m_rects, recorded.m_rects);
        EXPECT_EQ(plain.m_lines, recorded.m_lines);
        for (int s = 0; s < plain.StopCount(); ++s) {
            const CStop &a = plain.Stop(s), &b = recorded.Stop(s);
            EXPECT_EQ(a.m_name, b.m_name);
            EXPECT_EQ(a.m_diameter, b.m_diameter);
            EXPECT_EQ(a.m_hole, b.m_hole);
            EXPECT_EQ(a.m_foot, b.m_foot);
            EXPECT_EQ(a.m_length, b.m_length);
            EXPECT_EQ(a.m_x0, b.m_x0);
            EXPECT_EQ(a.m_turret_count, b.m_turret_count);
        }
        EXPECT_EQ(map.stops.size(), size_t(plain.StopCount()) + 0) << name;
    }
}

TEST(ChestCheck, AMissingOrExtraNumberIsFoundOnItsLine) {
    Stop shortHoles;
    shortHoles.h.pop_back();
    CheckResult result = Check(shortHoles.Text());
    auto found = Of(result, "list-count");
    ASSERT_EQ(found.size(), 1u) << All(result);
    EXPECT_EQ(FindingLine(*found[0]).substr(0, 13), "t.dat:10:1: e");
    EXPECT_NE(found[0]->message.find("35 numbers"), std::string::npos) << found[0]->message;
    EXPECT_EQ(found[0]->stop, 0);
    // The shifted values give no findings of their own; the last stop's lengths were taken as
    // feet, so its HEIGHTS keyword is missed and reading stops.
    ASSERT_EQ(result.findings.size(), 2u) << All(result);
    EXPECT_EQ(result.findings[1].code, "read-refused");
    EXPECT_EQ(CheckExitStatus(result.findings), 4);

    // A list written on several lines: the line that breaks the pattern of its block.
    Stop wrapped;
    std::string text = wrapped.Text();
    const std::string diameters = Join(wrapped.d);
    std::string split = diameters;
    size_t cut = 0;
    for (int i = 0; i < 4; ++i)
        cut = split.find(' ', cut + 1);
    split[cut] = '\n'; // 4 numbers, then 8
    std::string threeLines = split;
    threeLines.erase(threeLines.find(' ', cut + 1) - 2, 3); // drop one number of the 2nd line
    text.replace(text.find(diameters), diameters.size(), threeLines + "");
    result = Check(text);
    found = Of(result, "list-count");
    ASSERT_EQ(found.size(), 1u) << All(result);
    EXPECT_EQ(found[0]->line, 9) << All(result);

    Stop extraFoot;
    extraFoot.f.push_back(9);
    result = Check(extraFoot.Text());
    found = Of(result, "list-count");
    ASSERT_EQ(found.size(), 1u) << All(result);
    EXPECT_EQ(found[0]->line, 12);
}

TEST(ChestCheck, ExtraLengthsEndTheFileSilentlyAndAreFound) {
    Stop first;
    first.l.push_back(500);
    Stop second;
    second.name = "Flute4";
    second.y0 = 300;
    const CheckResult result = Check(first.Text() + second.Text());
    EXPECT_EQ(result.chest->StopCount(), 1) << "the reader stops at the extra number";
    const auto found = Of(result, "list-count");
    ASSERT_EQ(found.size(), 1u) << All(result);
    EXPECT_EQ(found[0]->line, 14);
    EXPECT_NE(found[0]->message.find("reading of the file ends"), std::string::npos);

    Stop shortLengths;
    shortLengths.l.pop_back();
    const CheckResult shorter = Check(shortLengths.Text() + second.Text());
    ASSERT_EQ(Of(shorter, "list-count").size(), 1u) << All(shorter);
    EXPECT_EQ(Of(shorter, "list-count")[0]->line, 14);
}

TEST(ChestCheck, OctaveGroupsAndPartitionLinesAreCounted) {
    const std::string octave = "UTenUT\nJEU Prestant4\nNTUYAUX 24\nTUYAU1 1\nINCX 1\nFORME:ROND\n"
                               "XY0 20 20\n83 42 18 1220\n49 24 11\n29 14 6 305\n";
    CheckResult result = Check(octave);
    auto found = Of(result, "list-count");
    ASSERT_EQ(found.size(), 1u) << All(result);
    EXPECT_EQ(found[0]->line, 9);

    const std::string walls = "BARRAGES\nRECT 0 10 0 10\nRECT 0 10 20\nLINE 0 0 5 5\n";
    result = Check(Stop().Text(), &walls);
    found = Of(result, "list-count");
    ASSERT_EQ(found.size(), 1u) << All(result);
    EXPECT_EQ(found[0]->file, "walls.dat");
    EXPECT_EQ(found[0]->line, 3);
}

TEST(ChestCheck, ARefusedChestIsAnErrorOnItsLineNotACrash) {
    std::string blank = Stop().Text();
    blank.replace(blank.find("FORME:ROND"), 10, "FORME: ROND");
    CheckResult result = Check(blank);
    auto found = Of(result, "read-refused");
    ASSERT_EQ(found.size(), 1u) << All(result);
    EXPECT_EQ(found[0]->line, 5);
    EXPECT_EQ(CheckExitStatus(result.findings), 4);

    std::string heights = Stop().Text();
    heights.replace(heights.find("HAUTEURS"), 8, "LENGTHS");
    result = Check(heights);
    ASSERT_EQ(Of(result, "read-refused").size(), 1u) << All(result);

    Stop second;
    second.y0 = 300;
    std::string lost = second.Text();
    lost.replace(lost.find("NTUYAUX"), 7, "N");
    result = Check(Stop().Text() + lost);
    found = Of(result, "read-stopped");
    ASSERT_EQ(found.size(), 1u) << All(result);
    EXPECT_EQ(result.chest->StopCount(), 1);
}

TEST(ChestCheck, SlipsOfThePenBreakTheRun) {
    Stop slip;
    slip.d[5] *= 10;  // 44 -> 440
    slip.l[11] /= 10; // the last length
    slip.f[3] = 5;    // under its hole of 12
    const CheckResult result = Check(slip.Text());
    const auto runs = Of(result, "out-of-run");
    ASSERT_EQ(runs.size(), 2u) << All(result);
    EXPECT_EQ(runs[0]->line, 8);
    EXPECT_EQ(runs[0]->column, 1 + int(Join(slip.d).find("440")));
    EXPECT_EQ(runs[0]->pipes, (std::vector<PipeRef>{{0, 5}}));
    EXPECT_EQ(runs[1]->line, 14);
    const auto foot = Of(result, "hole-over-foot");
    ASSERT_EQ(foot.size(), 1u) << All(result);
    EXPECT_EQ(foot[0]->line, 10);
    EXPECT_EQ(CheckExitStatus(result.findings), 3) << All(result);

    // A mixture's break back rises on one side only: no finding.
    Stop mixture;
    for (int k = 6; k < 12; ++k) {
        mixture.d[size_t(k)] = mixture.d[size_t(k - 6)];
        mixture.l[size_t(k)] = mixture.l[size_t(k - 6)];
    }
    EXPECT_TRUE(Of(Check(mixture.Text()), "out-of-run").empty());
}

TEST(ChestCheck, HolesValvesAndBodiesTooClose) {
    // Two pipes of 20 mm with 20 mm holes (drilled 22) on a line, a second stop below them.
    const Stop a({20, 20}, 100, 100);
    auto below = [&](int y0) {
        Stop b({20, 20}, 100, y0);
        b.name = "Flute4";
        return a.Text() + b.Text();
    };
    CheckResult result = Check(below(200));
    EXPECT_TRUE(result.findings.empty()) << All(result);

    // 26 mm apart: 4 mm of wood between the holes, but 28 mm valves overlap.
    result = Check(below(126));
    EXPECT_TRUE(Of(result, "hole-web").empty()) << All(result);
    EXPECT_EQ(Of(result, "valve-overlap").size(), 2u) << All(result);
    EXPECT_TRUE(Of(result, "body-overlap").empty());
    CheckOptions wider;
    wider.min_web = 5;
    result = Check(below(126), nullptr, wider);
    const auto web = Of(result, "hole-web");
    ASSERT_EQ(web.size(), 2u) << All(result);
    EXPECT_EQ(web[0]->pipes.size(), 2u);
    EXPECT_EQ(web[0]->line, 10);

    result = Check(below(115));
    EXPECT_EQ(Of(result, "body-overlap").size(), 2u) << All(result);
}

TEST(ChestCheck, StackedStopsListAFewHundredPairsAndCountTheRest) {
    // Forty stops of two pipes at the same place: each pipe sits on 39 others, 1 560 pairs of
    // each kind.
    std::string text;
    for (int s = 0; s < 40; ++s) {
        Stop stop({20, 20}, 100, 100);
        stop.name = "Stop" + std::to_string(s);
        text += stop.Text();
    }
    const CheckResult result = Check(text);
    for (const char *code : {"hole-web", "valve-overlap", "body-overlap"}) {
        SCOPED_TRACE(code);
        const auto found = Of(result, code);
        ASSERT_EQ(found.size(), size_t(CheckContext::kListedPerKind) + 1);
        const auto more = std::find_if(found.begin(), found.end(),
                                       [](const Finding *f) { return f->pipes.empty(); });
        ASSERT_NE(more, found.end());
        EXPECT_EQ((*more)->message,
                  "1060 more findings of this kind (" + std::string(code) + ") are not listed");
        EXPECT_EQ((*more)->severity, Severity::Error);
        EXPECT_EQ((*more)->file, "t.dat");
    }
}

TEST(ChestCheck, HolesByTheEdgeAPilotOrAWall) {
    CheckResult result = Check(Stop({20, 20}, 0, 100).Text());
    ASSERT_EQ(Of(result, "edge-web").size(), 1u) << All(result);
    EXPECT_NE(Of(result, "edge-web")[0]->message.find("runs off the plate"), std::string::npos);

    result = Check(Stop({20, 20}, 10, 10).Text());
    ASSERT_FALSE(Of(result, "pilot-web").empty()) << All(result);
    EXPECT_NE(Of(result, "pilot-web")[0]->message.find("pilot hole 1 "), std::string::npos);

    const std::string walls = "BARRAGES\nRECT 300 400 300 400\nLINE 0 110 400 110\n";
    result = Check(Stop({20, 20}, 100, 100).Text(), &walls);
    const auto crossing = Of(result, "partition-crossing");
    ASSERT_EQ(crossing.size(), 2u) << All(result);
    EXPECT_EQ(crossing[0]->file, "walls.dat");
    EXPECT_EQ(crossing[0]->line, 3);
}

TEST(ChestCheck, TheLayoutsSilentMendsAreReported) {
    Stop master({20, 20}, 100, 100, 1);
    master.extra = "SLIDER 2\n";
    Stop slider({20, 20}, 100, 300, 1);
    slider.name = "Flute4";
    slider.extra = "SLIDER 1\n";
    std::string text = master.Text() + slider.Text();
    text.replace(text.rfind("TUYAU1 1"), 8, "TUYAU1 2");
    CheckResult result = Check(text);
    ASSERT_EQ(Of(result, "slider-past-master").size(), 1u) << All(result);
    EXPECT_EQ(Of(result, "slider-past-master")[0]->line, 16);

    test::TestFolder folder;
    folder.Write("forme.poly", "3 0 0 100 0 200 0");
    Stop turret({20, 20, 20, 20, 20}, 100, 100, 1);
    turret.after = "TURRET forme.poly forme.poly 0 0 0 0 0 0\n";
    result = Check(turret.Text(), nullptr, {}, WorkFolder::Both(folder.Path()));
    ASSERT_EQ(result.chest->Stop(0).m_turret_count, 1);
    ASSERT_EQ(Of(result, "turret-short").size(), 1u) << All(result);
    EXPECT_EQ(Of(result, "turret-short")[0]->line, 15);
}

// Two clean stops apart on the plate; the second one's section begins at line 15.
std::string TwoStops(const std::string &between, const std::string &after = "") {
    Stop first, second;
    second.name = "Flute4";
    second.y0 = 300;
    second.after = after;
    return first.Text() + between + second.Text();
}

std::string WindowsLineEnds(std::string text) {
    for (size_t at = text.find('\n'); at != std::string::npos; at = text.find('\n', at + 2))
        text.insert(at, "\r");
    return text;
}

TEST(ChestCheck, TextAfterWhereTheReaderStoppedIsAnError) {
    struct Case {
        const char *what;
        std::string text;
        int line;
    };
    std::string misspelt = TwoStops("");
    misspelt.replace(misspelt.find("JEU Flute4"), 3, "JUE");
    std::string trailingBlank = TwoStops("INTER TUYAU MIN 20\n");
    trailingBlank.insert(trailingBlank.find("\nINTER"), " ");
    const Case cases[] = {
        {"a comment between two stops", TwoStops("/ le second jeu\n"), 15},
        {"a misspelt stop keyword", misspelt, 15},
        {"a gap line after a trailing blank", trailingBlank, 15},
        {"a gap line after a blank line", TwoStops("\nINTER TUYAU MIN 20\n"), 16},
        {"a gap line in a file with Windows line ends",
         WindowsLineEnds(TwoStops("INTER TUYAU MIN 20\n")), 15},
    };
    for (const Case &c : cases) {
        const CheckResult result = Check(c.text);
        EXPECT_EQ(result.chest->StopCount(), 1) << c.what;
        const auto found = Of(result, "unread-text");
        ASSERT_EQ(found.size(), 1u) << c.what << "\n" << All(result);
        EXPECT_EQ(found[0]->line, c.line) << c.what;
        EXPECT_EQ(found[0]->column, 1) << c.what;
        EXPECT_EQ(found[0]->severity, Severity::Error) << c.what;
        EXPECT_EQ(CheckExitStatus(result.findings), 4) << c.what;
    }
    // The stops lost are counted by their keyword, or the lines when none is left.
    EXPECT_NE(Of(Check(cases[0].text), "unread-text")[0]->message.find("the 1 stop from here"),
              std::string::npos);
    EXPECT_NE(Of(Check(misspelt), "unread-text")[0]->message.find("the 14 lines from here"),
              std::string::npos);
    // English keywords; a blank before the first stop loses the whole file.
    const CheckResult english = Check("ENGLISH\n INBETWEENPIPES 14\nSTOP Gedackt8\nNPIPES 1\n");
    ASSERT_EQ(Of(english, "unread-text").size(), 1u) << All(english);
    EXPECT_EQ(Of(english, "unread-text")[0]->line, 2);
    EXPECT_NE(Of(english, "unread-text")[0]->message.find("INBETWEENPIPES"), std::string::npos);
    // A partition file ends at its first line that is not a RECT or LINE.
    const std::string walls = "BARRAGES\nRECT 0 10 0 10\n/ the walls\nLINE 0 0 5 5\n";
    const CheckResult walled = Check(Stop().Text(), &walls);
    const auto wall = Of(walled, "unread-text");
    ASSERT_EQ(wall.size(), 1u) << All(walled);
    EXPECT_EQ(wall[0]->file, "walls.dat");
    EXPECT_EQ(wall[0]->line, 3);
}

TEST(ChestCheck, BlanksCommentsAndRemarksAfterTheLastStopAreNoFinding) {
    for (const std::string &text :
         {TwoStops("", "\n  \n/ fin du sommier\n\t\n"), TwoStops("\n\n"),
          WindowsLineEnds(TwoStops("", "/ fin\n\n")), TwoStops("", "/ fin") + " ",
          Stop().Text().insert(Stop().Text().size() - 1, " fin du jeu")}) {
        const CheckResult result = Check(text);
        EXPECT_TRUE(result.findings.empty()) << text << "\n" << All(result);
        EXPECT_GE(result.chest->StopCount(), 1);
    }
}

} // namespace
} // namespace ventrel
