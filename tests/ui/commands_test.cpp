#include "uitest.h"

#include "app/globals.h"
#include "core/curve.h"
#include "core/curveflags.h"
#include "framework/buttongadget.h"
#include "framework/decoratedframe.h"
#include "framework/gdi/messagebox.h"

#include <QAction>
#include <QToolButton>

namespace {

using CommandsTest = UiTest;

TEST_F(CommandsTest, DrawTwiceLeavesNoCurveAndShowsTheCountsAgain) {
    Ui->BoxAnswers.push_back(IDOK);
    Command(241);
    ASSERT_EQ(Ui->Boxes.size(), 1u);
    EXPECT_EQ(Ui->Boxes[0].Caption, "Hint");
    EXPECT_EQ(Ui->Boxes[0].Flags, MB_OK | MB_ICONINFORMATION);
    EXPECT_EQ(Ui->Boxes[0].Text.rfind("You are about to draw the first curve.", 0), 0u);
    EXPECT_EQ(Window->DrawMode, 1);
    EXPECT_EQ(Window->CurrentCurve, 0);
    EXPECT_EQ(Window->MessageGadget.GetText(), "Use LEFT button to draw.");
    EXPECT_TRUE(MenuAction(241)->isChecked());
    EXPECT_EQ(DrawButton->GetButtonState(), TButtonGadget::Down);

    Command(241);
    EXPECT_EQ(Ui->Boxes.size(), 1u);
    EXPECT_EQ(Window->DrawMode, 0);
    EXPECT_EQ(Window->CurrentCurve, -1);
    EXPECT_EQ(Window->Curves[0], nullptr);
    EXPECT_EQ(Window->MessageGadget.GetText(), "Curves: 0  Points: 0");
    EXPECT_FALSE(MenuAction(241)->isChecked());
    EXPECT_EQ(DrawButton->GetButtonState(), TButtonGadget::Up);
}

TEST_F(CommandsTest, TheDrawButtonTogglesLikeTheMenuItem) {
    Ui->BoxAnswers.push_back(IDOK);
    ToolButton(241)->click();
    EXPECT_EQ(Window->DrawMode, 1);
    EXPECT_TRUE(ToolButton(241)->isChecked());
    ToolButton(241)->click();
    EXPECT_EQ(Window->DrawMode, 0);
    EXPECT_FALSE(ToolButton(241)->isChecked());
}

TEST_F(CommandsTest, TheHintComesOnlyForTheCurveInSlotZero) {
    BeginCurve();
    AddPoint(10, 10);
    Command(241);
    EXPECT_EQ(Window->CurrentCurve, 0);
    EXPECT_EQ(Window->MessageGadget.GetText(), "Curves: 1  Points: 1");
    Command(241); // slot 1: no hint
    EXPECT_EQ(Window->CurrentCurve, 1);
    EXPECT_EQ(Window->Curves[1]->Pen, &Window->CurvePens[1]);
    EXPECT_EQ(Ui->Boxes.size(), 1u);
    Command(241);
    // After File New the next curve is in slot 0 again, with the hint.
    Ui->BoxAnswers.push_back(IDYES);
    Command(201);
    BeginCurve();
    EXPECT_EQ(Ui->Boxes.size(), 3u);
    EXPECT_EQ(Ui->Boxes[2].Caption, "Hint");
}

TEST_F(CommandsTest, DrawRefusesATwentyFirstCurve) {
    BeginCurve();
    AddPoint(1, 1);
    for (int i = 1; i < 20; ++i) {
        Command(241);
        Command(241);
        AddPoint(i, i);
    }
    Command(241);
    ASSERT_EQ(Window->CurrentCurve, 19);
    Ui->BoxAnswers.push_back(IDOK);
    Command(241);
    EXPECT_EQ(Ui->Boxes.back().Text,
              "Sorry, cannot show more than 20 curves. Use File|New to delete the old ones.");
    EXPECT_EQ(Ui->Boxes.back().Caption, "Error");
    EXPECT_EQ(Ui->Boxes.back().Flags, MB_OK | MB_ICONEXCLAMATION);
    EXPECT_EQ(Window->DrawMode, 0);
    EXPECT_EQ(Window->CurrentCurve, 19);
    EXPECT_EQ(Window->PointCount, 20u);
}

TEST_F(CommandsTest, FileNewAsksOnlyWithCurvesAndNoKeepsThem) {
    Command(201);
    EXPECT_TRUE(Ui->Boxes.empty());
    EXPECT_EQ(Window->MessageGadget.GetText(), "No data loaded.");

    BeginCurve();
    AddPoint(5, 5);
    Ui->BoxAnswers.push_back(IDNO);
    Command(201); // ends drawing first, then asks
    EXPECT_EQ(Window->DrawMode, 0);
    EXPECT_EQ(Ui->Boxes.back().Text, "File New will delete all data from memory. Are you sure?");
    EXPECT_EQ(Ui->Boxes.back().Caption, "File New");
    EXPECT_EQ(Ui->Boxes.back().Flags, MB_YESNO | MB_ICONQUESTION);
    EXPECT_EQ(Window->CurrentCurve, 0);
    EXPECT_EQ(Window->PointCount, 1u);

    Ui->BoxAnswers.push_back(IDYES);
    Command(201);
    EXPECT_EQ(Window->CurrentCurve, -1);
    EXPECT_EQ(Window->PointCount, 0u);
    EXPECT_EQ(Window->Curves[0], nullptr);
    EXPECT_EQ(Window->MessageGadget.GetText(), "No data loaded.");
    EXPECT_FALSE(ToolButton(261)->isEnabled());
}

TEST_F(CommandsTest, DeleteLastPointInEachCase) {
    EXPECT_FALSE(MenuItemEnabled("&File", 209));
    BeginCurve();
    AddPoint(1, 1);
    AddPoint(2, 2);
    AddPoint(3, 3);
    EXPECT_TRUE(MenuItemEnabled("&File", 209));
    EXPECT_TRUE(ToolButton(261)->isEnabled());

    Command(261); // three points: one goes, drawing goes on
    EXPECT_EQ(Window->Curves[0]->GetCount(), 2u);
    EXPECT_EQ(Window->PointCount, 2u);
    EXPECT_EQ(Window->DrawMode, 1);
    EXPECT_EQ(Window->MessageGadget.GetText(), "Point deleted. Curves: 1  Points: 2");

    Command(261);
    Command(261); // one point, drawing: drawing ends, the curve goes
    EXPECT_EQ(Window->DrawMode, 0);
    EXPECT_EQ(Window->CurrentCurve, -1);
    EXPECT_EQ(Window->PointCount, 0u);
    EXPECT_FALSE(ToolButton(261)->isEnabled());
    EXPECT_FALSE(MenuItemEnabled("&File", 209));

    // A new curve with no point yet: only that curve is dropped.
    BeginCurve();
    AddPoint(4, 4);
    Command(241);
    Command(241);
    ASSERT_EQ(Window->CurrentCurve, 1);
    Command(261);
    EXPECT_EQ(Window->CurrentCurve, 0);
    EXPECT_EQ(Window->Curves[0]->GetCount(), 1u);
    EXPECT_EQ(Window->DrawMode, 0);
    EXPECT_EQ(Window->MessageGadget.GetText(), "Point deleted. Curves: 1  Points: 1");

    // Deleting after a save does not make closing ask.
    Window->DataSaved = 1;
    Command(261);
    EXPECT_EQ(Window->DataSaved, 1);
}

TEST_F(CommandsTest, SymbolsAndLinesKeepFlagSwitchAndCheckEqual) {
    for (int round = 0; round < 2; ++round) {
        Command(225);
        Command(227);
        const int expected = round == 0 ? 0 : 1;
        EXPECT_EQ(Window->ShowSymbols, expected);
        EXPECT_EQ(DrawSymbols, expected);
        EXPECT_EQ(MenuAction(225)->isChecked(), expected == 1);
        EXPECT_EQ(Window->ShowLines, expected);
        EXPECT_EQ(DrawLines, expected);
        EXPECT_EQ(MenuAction(227)->isChecked(), expected == 1);
    }
}

TEST_F(CommandsTest, ImageAndRecallStayDisabledWithoutAnImage) {
    EXPECT_FALSE(MenuItemEnabled("&View", 231));
    EXPECT_FALSE(ToolButton(263)->isEnabled());
}

TEST_F(CommandsTest, BackgroundColourStartsFromTheCurrentOneWithGreyCustomColours) {
    Ui->ColorAnswers.push_back(std::nullopt);
    Command(223);
    ASSERT_EQ(Ui->OfferedCustomColors.size(), 16u);
    EXPECT_EQ(Ui->OfferedCustomColors[0], TColor(1, 1, 1));
    EXPECT_EQ(Ui->OfferedCustomColors[15], TColor(240, 240, 240));
    EXPECT_EQ(Window->BkColor, TColor(192, 192, 192)); // cancelled

    Ui->ColorAnswers.push_back(TColor(10, 20, 30));
    Command(223);
    EXPECT_EQ(Window->BkColor, TColor(10, 20, 30));
    EXPECT_EQ(Window->GetBkgndColor(), TColor(10, 20, 30));
}

} // namespace
