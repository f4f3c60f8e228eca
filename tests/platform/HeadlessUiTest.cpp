// The headless Ui records what it shows and answers from its script.
#include "platform/HeadlessUi.h"

#include <gtest/gtest.h>
#include <sstream>

namespace ventrel {
namespace {

TEST(HeadlessUi, RecordsMessagesAndAnswersFromTheScript) {
    std::ostringstream echo;
    HeadlessUi ui(&echo);
    ui.QueueAnswer(MessageAnswer::Cancel);
    EXPECT_EQ(ui.MessageBox("first", "Ventrel", MessageButtons::OkCancel), MessageAnswer::Cancel);
    EXPECT_EQ(ui.MessageBox("second", "", MessageButtons::OkCancel), MessageAnswer::Ok);
    EXPECT_EQ(ui.MessageBox("third", "", MessageButtons::YesNo), MessageAnswer::Yes);
    ui.StatusMessage(Format("Pipe %d of %s", 3, "Montre8"));
    ASSERT_EQ(ui.Messages().size(), 3u);
    EXPECT_EQ(ui.Messages()[0].caption, "Ventrel");
    EXPECT_EQ(ui.LastStatus(), "Pipe 3 of Montre8");
    EXPECT_EQ(echo.str(), "Ventrel: first\nsecond\nthird\nPipe 3 of Montre8\n");
}

TEST(HeadlessUi, FileDialogsAreCancelledUnlessScripted) {
    HeadlessUi ui;
    ui.QueueFile(std::filesystem::path("/tmp/orgue.dat"));
    EXPECT_EQ(ui.AskFileName("*.dat", "Load WindChest"), std::filesystem::path("/tmp/orgue.dat"));
    EXPECT_FALSE(ui.AskFileName("*.dat", "Load WindChest"));
    EXPECT_EQ(ui.FileDialogTitles().size(), 2u);
    EXPECT_FALSE(ui.ChooseColour(0));
}

} // namespace
} // namespace ventrel
