// The pipe-position window: "REFRESH" moves the picked pipe of the first chest.
#include "dialogs/PipePositionDialog.h"
#include "chest/CWindchest.h"
#include "dialogs/DialogField.h"
#include "platform/HeadlessUi.h"

#include <gtest/gtest.h>

namespace ventrel {
namespace {

TEST(PipePositionDialog, RefreshStoresTheTypedPositionIntoThePickedPipe) {
    HeadlessUi ui;
    auto chest = std::make_unique<CWindchest>();
    CWindchest *first = nullptr;
    PipePositionDialog dialog(ui, [&first] { return first; });
    dialog.SetField(PipePositionDialog::kX, "-35");
    dialog.SetField(PipePositionDialog::kY, "410");
    EXPECT_FALSE(dialog.Refresh()); // no chest yet
    first = chest.get();
    chest->m_stop_count = 2;
    chest->Stop(1).m_pipe_count = 3;
    EXPECT_FALSE(dialog.Refresh()); // nothing picked
    EXPECT_TRUE(ui.Messages().empty());

    chest->m_selected_stop = 1;
    chest->Stop(1).m_selected_pipe = 2;
    EXPECT_FALSE(dialog.Press(PipePositionDialog::kRefresh));
    EXPECT_EQ(chest->Stop(1).X(2), -35);
    EXPECT_EQ(chest->Stop(1).Y(2), 410);
    EXPECT_EQ(chest->Stop(1).X(1), 0);
    EXPECT_EQ(dialog.m_x, -35);

    dialog.SetField(PipePositionDialog::kY, "4 10");
    EXPECT_FALSE(dialog.Refresh());
    ASSERT_EQ(ui.Messages().size(), 1u);
    EXPECT_EQ(ui.Messages()[0].text, kEnterInteger);
    EXPECT_EQ(chest->Stop(1).Y(2), 410);

    EXPECT_FALSE(dialog.Press(PipePositionDialog::kUndo));
    EXPECT_TRUE(dialog.Press(PipePositionDialog::kOk));
    EXPECT_TRUE(PipePositionDialog::Editable(PipePositionDialog::kX));
    EXPECT_FALSE(PipePositionDialog::Editable(PipePositionDialog::kLength));
}

} // namespace
} // namespace ventrel
