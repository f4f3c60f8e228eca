// The "Printing Scale" and line-width dialogs: their presets and what their OK accepts.
#include "dialogs/ValueDialog.h"
#include "dialogs/AboutBox.h"
#include "platform/HeadlessUi.h"

#include <gtest/gtest.h>

namespace ventrel {
namespace {

TEST(ValueDialog, PrintingScaleOpensOnFiveAndTakesPositiveNumbers) {
    HeadlessUi ui;
    ValueDialog dialog = ValueDialog::PrintingScale();
    EXPECT_EQ(dialog.Title(), "Printing Scale");
    EXPECT_EQ(dialog.Label(), "Scale");
    EXPECT_EQ(dialog.ControlId(), 1001);
    EXPECT_EQ(dialog.Text(), "5");
    dialog.SetText("abc");
    EXPECT_FALSE(dialog.Ok(ui));
    EXPECT_EQ(ui.Messages().back().text, "Please enter a number.");
    // The drawing divides by the scale: zero and below are refused.
    dialog.SetText("0");
    EXPECT_FALSE(dialog.Ok(ui));
    dialog.SetText("-1");
    EXPECT_FALSE(dialog.Ok(ui));
    dialog.SetText("0.25");
    EXPECT_TRUE(dialog.Ok(ui));
    EXPECT_DOUBLE_EQ(dialog.Value(), 0.25);
}

TEST(ValueDialog, LineWidthTakesTheWidthsThereArePensFor) {
    HeadlessUi ui;
    ValueDialog dialog = ValueDialog::LineWidth(2);
    EXPECT_EQ(dialog.ControlId(), 1068);
    EXPECT_EQ(dialog.Text(), "2");
    dialog.SetText("2.5");
    EXPECT_FALSE(dialog.Ok(ui));
    EXPECT_EQ(ui.Messages().back().text, "Please enter an integer.");
    dialog.SetText("5");
    EXPECT_FALSE(dialog.Ok(ui));
    EXPECT_EQ(ui.Messages().back().text, "Please enter an integer between 0 and 4.");
    dialog.SetText("0");
    EXPECT_TRUE(dialog.Ok(ui));
    EXPECT_DOUBLE_EQ(dialog.Value(), 0);
}

TEST(AboutBox, NamesTheVersion) {
    EXPECT_NE(AboutBox::Text().find("Version 1.10"), std::string::npos);
}

} // namespace
} // namespace ventrel
