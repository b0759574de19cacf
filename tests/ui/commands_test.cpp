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
    Command(CM_DRAW);
    ASSERT_EQ(Ui->Boxes.size(), 1u);
    EXPECT_EQ(Ui->Boxes[0].Caption, "Hint");
    EXPECT_EQ(Ui->Boxes[0].Flags, MB_OK | MB_ICONINFORMATION);
    EXPECT_EQ(Ui->Boxes[0].Text.rfind("You are about to draw the first curve.", 0), 0u);
    EXPECT_EQ(Probe().DrawMode(), 1);
    EXPECT_EQ(Probe().CurrentCurve(), 0);
    EXPECT_EQ(MessagePane(), "Use LEFT button to draw.");
    EXPECT_TRUE(MenuAction(CM_DRAW)->isChecked());
    EXPECT_EQ(DrawButton->GetButtonState(), TButtonGadget::Down);

    Command(CM_DRAW);
    EXPECT_EQ(Ui->Boxes.size(), 1u);
    EXPECT_EQ(Probe().DrawMode(), 0);
    EXPECT_EQ(Probe().CurrentCurve(), -1);
    EXPECT_EQ(Probe().Curve(0), nullptr);
    EXPECT_EQ(MessagePane(), "Curves: 0  Points: 0");
    EXPECT_FALSE(MenuAction(CM_DRAW)->isChecked());
    EXPECT_EQ(DrawButton->GetButtonState(), TButtonGadget::Up);
}

TEST_F(CommandsTest, TheDrawButtonTogglesLikeTheMenuItem) {
    Ui->BoxAnswers.push_back(IDOK);
    ToolButton(CM_DRAW)->click();
    EXPECT_EQ(Probe().DrawMode(), 1);
    EXPECT_TRUE(ToolButton(CM_DRAW)->isChecked());
    ToolButton(CM_DRAW)->click();
    EXPECT_EQ(Probe().DrawMode(), 0);
    EXPECT_FALSE(ToolButton(CM_DRAW)->isChecked());
}

TEST_F(CommandsTest, TheHintComesOnlyForTheCurveInSlotZero) {
    BeginCurve();
    AddPoint(10, 10);
    Command(CM_DRAW);
    EXPECT_EQ(Probe().CurrentCurve(), 0);
    EXPECT_EQ(MessagePane(), "Curves: 1  Points: 1");
    Command(CM_DRAW); // slot 1: no hint
    EXPECT_EQ(Probe().CurrentCurve(), 1);
    EXPECT_EQ(Probe().Curve(1)->Pen, Probe().CurvePen(1));
    EXPECT_EQ(Ui->Boxes.size(), 1u);
    Command(CM_DRAW);
    // After File New the next curve is in slot 0 again, with the hint.
    Ui->BoxAnswers.push_back(IDYES);
    Command(CM_FILENEW);
    BeginCurve();
    EXPECT_EQ(Ui->Boxes.size(), 3u);
    EXPECT_EQ(Ui->Boxes[2].Caption, "Hint");
}

TEST_F(CommandsTest, DrawRefusesATwentyFirstCurve) {
    BeginCurve();
    AddPoint(1, 1);
    for (int i = 1; i < 20; ++i) {
        Command(CM_DRAW);
        Command(CM_DRAW);
        AddPoint(i, i);
    }
    Command(CM_DRAW);
    ASSERT_EQ(Probe().CurrentCurve(), 19);
    Ui->BoxAnswers.push_back(IDOK);
    Command(CM_DRAW);
    EXPECT_EQ(Ui->Boxes.back().Text,
              "Sorry, cannot show more than 20 curves. Use File|New to delete the old ones.");
    EXPECT_EQ(Ui->Boxes.back().Caption, "Error");
    EXPECT_EQ(Ui->Boxes.back().Flags, MB_OK | MB_ICONEXCLAMATION);
    EXPECT_EQ(Probe().DrawMode(), 0);
    EXPECT_EQ(Probe().CurrentCurve(), 19);
    EXPECT_EQ(Probe().PointCount(), 20u);
}

TEST_F(CommandsTest, FileNewAsksOnlyWithCurvesAndNoKeepsThem) {
    Command(CM_FILENEW);
    EXPECT_TRUE(Ui->Boxes.empty());
    EXPECT_EQ(MessagePane(), "No data loaded.");

    BeginCurve();
    AddPoint(5, 5);
    Ui->BoxAnswers.push_back(IDNO);
    Command(CM_FILENEW); // ends drawing first, then asks
    EXPECT_EQ(Probe().DrawMode(), 0);
    EXPECT_EQ(Ui->Boxes.back().Text, "File New will delete all data from memory. Are you sure?");
    EXPECT_EQ(Ui->Boxes.back().Caption, "File New");
    EXPECT_EQ(Ui->Boxes.back().Flags, MB_YESNO | MB_ICONQUESTION);
    EXPECT_EQ(Probe().CurrentCurve(), 0);
    EXPECT_EQ(Probe().PointCount(), 1u);

    Ui->BoxAnswers.push_back(IDYES);
    Command(CM_FILENEW);
    EXPECT_EQ(Probe().CurrentCurve(), -1);
    EXPECT_EQ(Probe().PointCount(), 0u);
    EXPECT_EQ(Probe().Curve(0), nullptr);
    EXPECT_EQ(MessagePane(), "No data loaded.");
    EXPECT_FALSE(ToolButton(CM_DELETELASTPOINT)->isEnabled());
}

TEST_F(CommandsTest, DeleteLastPointInEachCase) {
    EXPECT_FALSE(MenuItemEnabled("&File", CM_SAVEDATAAS));
    BeginCurve();
    AddPoint(1, 1);
    AddPoint(2, 2);
    AddPoint(3, 3);
    EXPECT_TRUE(MenuItemEnabled("&File", CM_SAVEDATAAS));
    EXPECT_TRUE(ToolButton(CM_DELETELASTPOINT)->isEnabled());

    Command(CM_DELETELASTPOINT); // three points: one goes, drawing goes on
    EXPECT_EQ(Probe().Curve(0)->GetCount(), 2u);
    EXPECT_EQ(Probe().PointCount(), 2u);
    EXPECT_EQ(Probe().DrawMode(), 1);
    EXPECT_EQ(MessagePane(), "Point deleted. Curves: 1  Points: 2");

    Command(CM_DELETELASTPOINT);
    Command(CM_DELETELASTPOINT); // one point, drawing: drawing ends, the curve goes
    EXPECT_EQ(Probe().DrawMode(), 0);
    EXPECT_EQ(Probe().CurrentCurve(), -1);
    EXPECT_EQ(Probe().PointCount(), 0u);
    EXPECT_FALSE(ToolButton(CM_DELETELASTPOINT)->isEnabled());
    EXPECT_FALSE(MenuItemEnabled("&File", CM_SAVEDATAAS));

    // A new curve with no point yet: only that curve is dropped.
    BeginCurve();
    AddPoint(4, 4);
    Command(CM_DRAW);
    Command(CM_DRAW);
    ASSERT_EQ(Probe().CurrentCurve(), 1);
    Command(CM_DELETELASTPOINT);
    EXPECT_EQ(Probe().CurrentCurve(), 0);
    EXPECT_EQ(Probe().Curve(0)->GetCount(), 1u);
    EXPECT_EQ(Probe().DrawMode(), 0);
    EXPECT_EQ(MessagePane(), "Point deleted. Curves: 1  Points: 1");

    // Deleting after a save does not make closing ask.
    Probe().MarkDataSaved();
    Command(CM_DELETELASTPOINT);
    EXPECT_EQ(Probe().DataSaved(), 1);
}

TEST_F(CommandsTest, SymbolsAndLinesKeepFlagSwitchAndCheckEqual) {
    for (int round = 0; round < 2; ++round) {
        Command(CM_SYMBOLS);
        Command(CM_LINES);
        const int expected = round == 0 ? 0 : 1;
        EXPECT_EQ(Probe().ShowSymbols(), expected);
        EXPECT_EQ(DrawSymbols, expected);
        EXPECT_EQ(MenuAction(CM_SYMBOLS)->isChecked(), expected == 1);
        EXPECT_EQ(Probe().ShowLines(), expected);
        EXPECT_EQ(DrawLines, expected);
        EXPECT_EQ(MenuAction(CM_LINES)->isChecked(), expected == 1);
    }
}

TEST_F(CommandsTest, ImageAndRecallStayDisabledWithoutAnImage) {
    EXPECT_FALSE(MenuItemEnabled("&View", CM_IMAGE));
    EXPECT_FALSE(ToolButton(CM_RECALL)->isEnabled());
}

TEST_F(CommandsTest, BackgroundColourStartsFromTheCurrentOneWithGreyCustomColours) {
    Ui->ColorAnswers.push_back(std::nullopt);
    Command(CM_BKCOLOR);
    ASSERT_EQ(Ui->OfferedCustomColors.size(), 16u);
    EXPECT_EQ(Ui->OfferedCustomColors[0], TColor(1, 1, 1));
    EXPECT_EQ(Ui->OfferedCustomColors[15], TColor(240, 240, 240));
    EXPECT_EQ(Window->GetBkgndColor(), TColor(192, 192, 192)); // cancelled

    Ui->ColorAnswers.push_back(TColor(10, 20, 30));
    Command(CM_BKCOLOR);
    EXPECT_EQ(Window->GetBkgndColor(), TColor(10, 20, 30));
    EXPECT_EQ(Window->GetBkgndColor(), TColor(10, 20, 30));
}

} // namespace
