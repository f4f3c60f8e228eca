// Circle files, wooden-pipe board files and stop files.
#include "chest/CWindchest.h"
#include "chest/PipeBoards.h"
#include "chest/StopFile.h"
#include "platform/HeadlessUi.h"

#include <gtest/gtest.h>

namespace ventrel {
namespace {

TEST(CircleFile, EveryCircleBecomesAPipeOfTheFirstStop) {
    HeadlessUi ui;
    auto chest = std::make_unique<CWindchest>();
    chest->ReadCircles("3\n0 0 5\n100 0 5\n200 0 10\n", ui);
    ASSERT_EQ(chest->m_circle_count, 3);
    EXPECT_EQ(chest->m_circles[2], (CCircle{200, 0, 10}));
    ASSERT_EQ(chest->m_stop_count, 1);
    const CStop &stop = chest->Stop(0);
    EXPECT_EQ(stop.m_pipe_count, 3);
    EXPECT_EQ(stop.X(1), 100);
    EXPECT_EQ(stop.m_hole[2], 20);
    EXPECT_EQ(stop.m_foot[2], 20);
    EXPECT_EQ(stop.m_diameter[2], 1);
    EXPECT_EQ(stop.m_bounds, (CRectangle{0, 1000, 0, 1000}));
    EXPECT_TRUE(ui.Messages().empty());
}

TEST(CircleFile, MoreCirclesThanTheTablesHoldAreRefusedWithAMessage) {
    HeadlessUi ui;
    auto chest = std::make_unique<CWindchest>();
    std::string text = "2500\n";
    for (int i = 0; i < 2500; ++i)
        text += std::to_string(i) + " 0 3\n";
    chest->ReadCircles(text, ui);
    EXPECT_EQ(chest->m_circle_count, 1000);
    EXPECT_EQ(chest->Stop(0).m_pipe_count, 80);
    ASSERT_EQ(ui.Messages().size(), 3u);
    EXPECT_EQ(ui.Messages()[0].text, "TROP DE CERCLES");

    chest->ReadCircles("-4 1 2 3", ui);
    EXPECT_EQ(chest->m_circle_count, 0);
    EXPECT_EQ(chest->Stop(0).m_pipe_count, 0);
}

TEST(PipeBoards, FourBoardsPerPipe) {
    HeadlessUi ui;
    PipeBoards set;
    set.Read("PIPENUMBER 2\n10 1000 80 150 60\n12 800 70 100 40\n", ui);
    ASSERT_EQ(set.pipes.size(), 2u);
    const auto &boards = set.pipes[0].boards;
    EXPECT_EQ(boards[0].width, 80);
    EXPECT_EQ(boards[0].length, 790);
    EXPECT_EQ(boards[1].length, 1000);
    EXPECT_EQ(boards[2].width, 70);
    EXPECT_EQ(boards[3].length, 150);

    set.Read("pipes 2\n10 1000 80 150 60\n", ui);
    EXPECT_TRUE(set.pipes.empty()) << "the keyword must open the file";

    std::string many = "PIPENUMBER 150\n";
    for (int i = 0; i < 150; ++i)
        many += "10 1000 80 150 60\n";
    set.Read(many, ui);
    EXPECT_EQ(set.pipes.size(), 100u);
    EXPECT_FALSE(ui.Messages().empty());
}

TEST(StopFile, FillsAnEmptyChestAndAppendsToAFullerOne) {
    HeadlessUi ui;
    auto chest = std::make_unique<CWindchest>();
    std::string groups;
    for (int g = 0; g < 6; ++g)
        groups += std::to_string(160 >> g) + " " + std::to_string(80 >> g) + " " +
                  std::to_string(40 >> g) + " " + std::to_string(2400 >> g) + "\n";
    ASSERT_TRUE(ReadStopFile(*chest, groups, ui));
    ASSERT_EQ(chest->m_stop_count, 1);
    const CStop &stop = chest->Stop(0);
    EXPECT_EQ(stop.m_name, "stop");
    EXPECT_EQ(stop.m_pipe_count, 56);
    EXPECT_EQ(stop.m_y0, 0);
    EXPECT_EQ(stop.m_diameter[60], 5);
    EXPECT_EQ(stop.m_hole[1], static_cast<int>(40 / 1.0535));

    ASSERT_TRUE(ReadStopFile(*chest, groups, ui));
    EXPECT_EQ(chest->m_stop_count, 2);
    EXPECT_EQ(chest->Stop(1).m_y0, 150);
    EXPECT_EQ(chest->Stop(0).m_diameter[1], chest->Stop(1).m_diameter[1]);

    chest->m_stop_count = CWindchest::kMaxStops;
    EXPECT_FALSE(ReadStopFile(*chest, groups, ui));
}

} // namespace
} // namespace ventrel
