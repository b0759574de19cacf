#include "core/undohistory.h"

#include "testcurves.h"

#include <string>

namespace {

// The drawing window's curve table, changed the way the window changes it:
// each user action one recorded step.
class UndoHistory : public CurveTest {
  protected:
    TCurveTableRef Ref() { return {Curves, CurrentCurve, PointCount, DrawMode}; }

    void BeginCurve() {
        History.BeginStep("Begin Curve", Ref());
        Curves[++CurrentCurve] = std::make_unique<TCurve>(100);
        DrawMode = 1;
        History.EndStep(Ref(), false);
    }
    void EndCurve() {
        History.BeginStep("End Curve", Ref());
        DrawMode = 0;
        if (Curves[CurrentCurve]->GetCount() == 0) {
            History.Discard(Curves[CurrentCurve]);
            --CurrentCurve;
        }
        History.EndStep(Ref(), false);
    }
    void AddPoint(double x, double y) {
        History.BeginStep("Add Point", Ref());
        Curves[CurrentCurve]->AddPoint(x, y);
        ++PointCount;
        History.EndStep(Ref(), true);
    }
    void DeleteLastPoint() {
        History.BeginStep("Delete Point", Ref());
        Curves[CurrentCurve]->DeleteLastPoint();
        --PointCount;
        History.EndStep(Ref(), false);
    }
    void Read(int columns, int rows) {
        History.BeginStep("Open Data", Ref());
        for (int c = 0; c < columns; ++c) {
            Curves[++CurrentCurve] = std::make_unique<TCurve>(100);
            for (int r = 0; r < rows; ++r)
                Curves[CurrentCurve]->AddPoint(r, c * 1000 + r);
            PointCount += rows;
        }
        History.EndStep(Ref(), true);
    }
    void FileNew() {
        History.BeginStep("New", Ref());
        for (int slot = 0; slot <= CurrentCurve; ++slot)
            History.Discard(Curves[slot]);
        CurrentCurve = -1;
        PointCount = 0;
        History.EndStep(Ref(), false);
    }
    std::uint32_t CountOf(int slot) const { return Curves[slot] ? Curves[slot]->GetCount() : 0; }

    std::array<std::unique_ptr<TCurve>, MaxCurves> Curves;
    int CurrentCurve = -1;
    std::uint32_t PointCount = 0;
    int DrawMode = 0;
    TUndoHistory History;
};

TEST_F(UndoHistory, PointsComeAndGoWithTheirValuesAndBox) {
    BeginCurve();
    AddPoint(1, 10);
    AddPoint(5, 50);
    AddPoint(3, 30);
    EXPECT_EQ(History.UndoName(), "Add Point");
    History.Undo(Ref());
    History.Undo(Ref());
    EXPECT_EQ(CountOf(0), 1u);
    EXPECT_EQ(PointCount, 1u);
    EXPECT_EQ(Curves[0]->GetXMax(), 1) << "the box shrinks with the points";
    EXPECT_EQ(History.RedoName(), "Add Point");
    History.Redo(Ref());
    History.Redo(Ref());
    EXPECT_EQ(PointsOf(*Curves[0]), (std::vector<TCurvePoint>{{1, 10}, {5, 50}, {3, 30}}));
    EXPECT_EQ(Curves[0]->GetXMax(), 5);
    EXPECT_FALSE(History.CanRedo());

    DeleteLastPoint();
    DeleteLastPoint();
    History.Undo(Ref());
    History.Undo(Ref());
    EXPECT_EQ(PointsOf(*Curves[0]), (std::vector<TCurvePoint>{{1, 10}, {5, 50}, {3, 30}}));
    EXPECT_EQ(PointCount, 3u);
}

TEST_F(UndoHistory, BeginAndEndOfACurveAreStepsOfTheirOwn) {
    BeginCurve();
    EndCurve(); // no point: the empty curve is dropped
    EXPECT_EQ(CurrentCurve, -1);
    History.Undo(Ref());
    ASSERT_NE(Curves[0], nullptr);
    EXPECT_EQ(DrawMode, 1) << "drawing is on again, into the same empty curve";
    EXPECT_EQ(History.UndoName(), "Begin Curve");
    History.Undo(Ref());
    EXPECT_EQ(Curves[0], nullptr);
    EXPECT_EQ(CurrentCurve, -1);
    EXPECT_EQ(DrawMode, 0);
    EXPECT_FALSE(History.CanUndo());
    EXPECT_EQ(History.UndoName(), "");
}

TEST_F(UndoHistory, AReadIsOneStepThatMovesTheCurvesInsteadOfCopyingThem) {
    BeginCurve();
    AddPoint(1, 1);
    EndCurve();
    Read(3, 1000);
    const TCurve* read = Curves[2].get();
    const std::size_t blockRequests = Requests.size();
    History.Undo(Ref());
    EXPECT_EQ(CurrentCurve, 0);
    EXPECT_EQ(PointCount, 1u);
    EXPECT_EQ(Curves[1], nullptr);
    EXPECT_EQ(CountOf(0), 1u);
    History.Redo(Ref());
    EXPECT_EQ(Curves[2].get(), read) << "the same curve comes back";
    EXPECT_EQ(CountOf(2), 1000u);
    EXPECT_EQ(PointCount, 3001u);
    EXPECT_EQ(Requests.size(), blockRequests) << "no point block was taken";
}

TEST_F(UndoHistory, FileNewKeepsTheDroppedCurvesForUndo) {
    Read(2, 10);
    BeginCurve();
    AddPoint(7, 7);
    const TCurve* drawn = Curves[2].get();
    FileNew();
    EXPECT_EQ(History.UndoName(), "New");
    History.Undo(Ref());
    EXPECT_EQ(Curves[2].get(), drawn);
    EXPECT_EQ(CurrentCurve, 2);
    EXPECT_EQ(PointCount, 21u);
    EXPECT_EQ(DrawMode, 1);
    AddPoint(8, 8); // a new change drops the redo of New, freeing nothing in use
    EXPECT_FALSE(History.CanRedo());
    EXPECT_EQ(CountOf(2), 2u);
}

TEST_F(UndoHistory, AStepInsideAStepIsPartOfIt) {
    BeginCurve();
    AddPoint(1, 1);
    History.BeginStep("Open Data", Ref());
    EndCurve(); // reading a file ends the drawing first
    Read(1, 5);
    History.EndStep(Ref(), false);
    EXPECT_EQ(History.UndoName(), "Open Data");
    EXPECT_EQ(DrawMode, 0);
    History.Undo(Ref());
    EXPECT_EQ(DrawMode, 1) << "one undo takes back the read and the end of drawing";
    EXPECT_EQ(CurrentCurve, 0);
    EXPECT_EQ(History.UndoName(), "Add Point");
    History.MarkSaved();
    History.Redo(Ref());
    EXPECT_FALSE(History.IsAtSavedState()) << "the inner read made the outer step unsaved";
}

TEST_F(UndoHistory, AStepThatChangedNothingIsNotKept) {
    History.BeginStep("New", Ref()); // File New answered No
    History.EndStep(Ref(), false);
    History.RecordView("Zoom", {0, 100, 0, 100, {}}, {0, 100, 0, 100, {}});
    EXPECT_FALSE(History.CanUndo());
}

TEST_F(UndoHistory, ViewStepsAnswerTheViewToShow) {
    const TView wide{0, 100, 0, 100, {0, 0, 40, 30}};
    const TView narrow{10, 20, 10, 20, {4, 3, 8, 6}};
    BeginCurve();
    History.RecordView("Zoom", wide, narrow);
    EXPECT_EQ(History.UndoName(), "Zoom");
    EXPECT_EQ(History.Undo(Ref()), wide);
    EXPECT_EQ(DrawMode, 1) << "a view step leaves the curves alone";
    EXPECT_EQ(History.Redo(Ref()), narrow);
    EXPECT_EQ(History.Undo(Ref()), wide);
    EXPECT_EQ(History.Undo(Ref()), std::nullopt) << "beginning a curve changes no view";
    EXPECT_EQ(History.Undo(Ref()), std::nullopt) << "nothing left to undo";
}

// The saved place: Add Point and a read make the curves differ from the
// file; deleting a point, File New and views do not (as without undo).
TEST_F(UndoHistory, SavedStateFollowsUndoAndRedo) {
    BeginCurve();
    AddPoint(1, 1);
    EXPECT_FALSE(History.IsAtSavedState()) << "never saved";
    History.MarkSaved();
    EXPECT_TRUE(History.IsAtSavedState());
    AddPoint(2, 2);
    EXPECT_FALSE(History.IsAtSavedState());
    History.Undo(Ref());
    EXPECT_TRUE(History.IsAtSavedState()) << "back to what was saved";
    History.Undo(Ref());
    EXPECT_FALSE(History.IsAtSavedState()) << "the saved point is undone";
    History.Redo(Ref());
    History.RecordView("Zoom", {0, 100, 0, 100, {}}, {0, 50, 0, 50, {}});
    DeleteLastPoint();
    EXPECT_TRUE(History.IsAtSavedState());
    History.Undo(Ref());
    History.Undo(Ref());
    History.Undo(Ref());
    AddPoint(3, 3); // a new branch: the saved place cannot be reached again
    History.Undo(Ref());
    History.Redo(Ref());
    EXPECT_FALSE(History.IsAtSavedState());
}

} // namespace
