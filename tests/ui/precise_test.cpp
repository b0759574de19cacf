#include "uitest.h"

#include "core/curve.h"
#include "core/graphscale.h"
#include "core/loupemapping.h"
#include "core/mousemapping.h"
#include "core/view.h"
#include "window/loupewindow.h"

#include <QApplication>
#include <QCursor>
#include <QImage>
#include <QMenu>
#include <QMouseEvent>
#include <QTest>
#include <QWheelEvent>
#include <QWidget>

#include <cmath>
#include <string>
#include <vector>

namespace {

// Undo and redo, zooming with the picture, the views' history, the keys and
// the loupe, driven as a user drives them.
class PreciseTest : public UiTest {
  protected:
    QWidget* Client() const { return Window->GetHandle(); }

    void Send(QWidget* to, QEvent::Type type, Qt::MouseButton button, QPoint at) {
        const Qt::MouseButtons held =
            type == QEvent::MouseButtonPress ? Qt::MouseButtons(button) : Qt::NoButton;
        QMouseEvent event(type, at, to->mapToGlobal(at), button, held, Qt::NoModifier);
        QApplication::sendEvent(to, &event);
    }
    void Click(QPoint at, QWidget* on = nullptr) {
        QWidget* to = on ? on : Client();
        Send(to, QEvent::MouseMove, Qt::NoButton, at);
        Send(to, QEvent::MouseButtonPress, Qt::LeftButton, at);
        Send(to, QEvent::MouseButtonRelease, Qt::LeftButton, at);
    }
    void Wheel(QPoint at, int delta) {
        QWheelEvent event(at, Client()->mapToGlobal(at), QPoint(), QPoint(0, delta), Qt::NoButton,
                          Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(Client(), &event);
    }
    void Key(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QTest::keyClick(Client(), key, modifiers);
    }
    // The pointer put over the drawing window and the window told, as a
    // real pointer move does.
    void PointAt(QPoint at) {
        QCursor::setPos(Client()->mapToGlobal(at));
        Send(Client(), QEvent::MouseMove, Qt::NoButton, at);
    }
    std::string MenuText(const char* popup, int id) {
        MenuItemEnabled(popup, id);
        return MenuAction(id)->text().toStdString();
    }
    TPoint Logical(QPoint p) const {
        return *ClientToLogical({p.x(), p.y()}, {Client()->width(), Client()->height()});
    }
    static TCurvePoint GraphPoint(TPoint logical) {
        return {GraphScale.ToGraphX(logical.X), GraphScale.ToGraphY(logical.Y)};
    }
    // Graph X and Y of a picture position under the view in force.
    TCurvePoint PictureValue(double px, double py) const {
        const TRect s = Probe().ImageSrcRect();
        const double size = ImageSquareHigh - ImageSquareLow;
        return {GraphScale.ToGraphX(ImageSquareLow + (px - s.Left) * size / s.Width()),
                GraphScale.ToGraphY(ImageSquareHigh - (py - s.Top) * size / s.Height())};
    }
};

TEST_F(PreciseTest, UndoAndRedoTakeBackPointsAndCurvesAndTheMenuNamesTheStep) {
    EXPECT_EQ(MenuText("&Edit", CM_UNDO), "&Undo\tCtrl+Z");
    EXPECT_FALSE(MenuItemEnabled("&Edit", CM_UNDO));
    BeginCurve();
    Click({100, 100});
    Click({200, 150});
    Click({300, 120});
    EXPECT_EQ(MenuText("&Edit", CM_UNDO), "&Undo Add Point\tCtrl+Z");
    Command(CM_UNDO);
    Command(CM_UNDO);
    EXPECT_EQ(Probe().PointCount(), 1u);
    EXPECT_EQ(MessagePane(), "Use LEFT button to draw.");
    EXPECT_EQ(MenuText("&Edit", CM_REDO), "&Redo Add Point\tCtrl+Shift+Z");
    Command(CM_REDO);
    ASSERT_EQ(Points(0).size(), 2u);
    EXPECT_EQ(Points(0)[1], GraphPoint(Logical({200, 150})));

    Command(CM_DRAW);
    Ui->BoxAnswers.push_back(IDYES);
    Command(CM_FILENEW);
    EXPECT_EQ(Probe().CurrentCurve(), -1);
    EXPECT_EQ(MenuText("&Edit", CM_UNDO), "&Undo New\tCtrl+Z");
    Command(CM_UNDO);
    EXPECT_EQ(Points(0).size(), 2u);
    Command(CM_UNDO); // the end of drawing
    EXPECT_EQ(Probe().DrawMode(), 1);
    EXPECT_TRUE(MenuAction(CM_DRAW)->isChecked());
    while (MenuItemEnabled("&Edit", CM_UNDO))
        Command(CM_UNDO);
    EXPECT_EQ(Probe().CurrentCurve(), -1);
    EXPECT_EQ(Probe().DrawMode(), 0);
    EXPECT_EQ(MessagePane(), "Curves: 0  Points: 0");
}

TEST_F(PreciseTest, UndoingBackToTheSavedPointsNeedsNoQuestionAtClose) {
    BeginCurve();
    Click({100, 100});
    Ui->FileAnswers.push_back((ConfigDir / "saved.dat").string());
    Command(CM_SAVEDATAAS);
    ASSERT_EQ(Probe().DataSaved(), 1);
    Click({200, 200});
    EXPECT_EQ(Probe().DataSaved(), 0);
    Command(CM_UNDO);
    EXPECT_EQ(Probe().DataSaved(), 1);
    EXPECT_TRUE(Window->CanClose()) << "no question: the points are the saved ones";
    Command(CM_UNDO);
    EXPECT_EQ(Probe().DataSaved(), 0);
}

TEST_F(PreciseTest, WheelZoomsAboutThePointerAndEveryPicturePixelKeepsItsValue) {
    ShowImage(4000, 3000, {"Such a huge file! Well, let's see if I can handle it..."});
    const std::vector<std::pair<double, double>> pixels = {{0, 0}, {1234.5, 777}, {3999, 2999}};
    std::vector<TCurvePoint> before;
    for (auto [x, y] : pixels)
        before.push_back(PictureValue(x, y));
    const QPoint at(Client()->width() / 3, Client()->height() / 4);
    const TCurvePoint underPointer = GraphPoint(Logical(at));

    Wheel(at, 120);
    const TRect zoomed = Probe().ImageSrcRect();
    EXPECT_LT(zoomed.Width(), 4000);
    EXPECT_GT(zoomed.Left, 0);
    for (std::size_t i = 0; i < pixels.size(); ++i) {
        const TCurvePoint now = PictureValue(pixels[i].first, pixels[i].second);
        EXPECT_NEAR(now.X, before[i].X, 1e-9);
        EXPECT_NEAR(now.Y, before[i].Y, 1e-9);
    }
    const TCurvePoint stillUnder = GraphPoint(Logical(at));
    const double pixelX =
        (GraphScale.GetXMax() - GraphScale.GetXMin()) * 8934.0 / 8668 / zoomed.Width();
    EXPECT_NEAR(stillUnder.X, underPointer.X, pixelX) << "the pointer stays on the same spot";

    EXPECT_EQ(MenuText("&Edit", CM_UNDO), "&Undo Zoom In\tCtrl+Z");
    Command(CM_BACK);
    EXPECT_EQ(Probe().ImageSrcRect(), (TRect{0, 0, 4000, 3000}));
    EXPECT_DOUBLE_EQ(GraphScale.GetXMax(), 100);
    Command(CM_FORWARD);
    EXPECT_EQ(Probe().ImageSrcRect(), zoomed);
    Command(CM_UNDO);
    EXPECT_EQ(Probe().ImageSrcRect(), (TRect{0, 0, 4000, 3000}));
    Wheel(at, -120);
    EXPECT_EQ(Probe().ImageSrcRect(), (TRect{0, 0, 4000, 3000})) << "the whole picture is shown";
}

TEST_F(PreciseTest, DragZoomAndStretchAreStepsOfTheViewHistory) {
    ShowImage(400, 300);
    const QPoint from(100, 100), to(400, 300);
    Send(Client(), QEvent::MouseButtonPress, Qt::LeftButton, from);
    Send(Client(), QEvent::MouseMove, Qt::NoButton, to);
    Send(Client(), QEvent::MouseButtonRelease, Qt::LeftButton, to);
    const double zoomedMax = GraphScale.GetXMax();
    ASSERT_NE(zoomedMax, 100);
    EXPECT_EQ(MenuText("&Edit", CM_UNDO), "&Undo Zoom\tCtrl+Z");
    Send(Client(), QEvent::MouseButtonPress, Qt::RightButton, from);
    Send(Client(), QEvent::MouseMove, Qt::NoButton, to);
    Send(Client(), QEvent::MouseButtonRelease, Qt::RightButton, to);
    const TRect stretched = Probe().ImageSrcRect();
    ASSERT_NE(stretched, (TRect{0, 0, 400, 300}));
    EXPECT_EQ(MenuText("&Edit", CM_UNDO), "&Undo Stretch\tCtrl+Z");
    EXPECT_EQ(GraphScale.GetXMax(), zoomedMax) << "a stretch leaves the scale as it was";

    Command(CM_BACK);
    EXPECT_EQ(Probe().ImageSrcRect(), (TRect{0, 0, 400, 300}));
    Command(CM_BACK);
    EXPECT_DOUBLE_EQ(GraphScale.GetXMax(), 100);
    EXPECT_FALSE(MenuItemEnabled("&View", CM_BACK));
    Command(CM_FORWARD);
    Command(CM_FORWARD);
    EXPECT_EQ(Probe().ImageSrcRect(), stretched);
}

TEST_F(PreciseTest, KeysNudgeThePointerPlacePointsAndCancelADrag) {
    BeginCurve();
    PointAt({200, 200});
    Key(Qt::Key_Right);
    Key(Qt::Key_Down, Qt::ShiftModifier);
    EXPECT_EQ(Client()->mapFromGlobal(QCursor::pos()), QPoint(201, 210));
    Key(Qt::Key_Space);
    Key(Qt::Key_Left);
    Key(Qt::Key_Return);
    ASSERT_EQ(Points(0).size(), 2u);
    EXPECT_EQ(Points(0)[0], GraphPoint(Logical({201, 210})));
    EXPECT_EQ(Points(0)[1], GraphPoint(Logical({200, 210})));
    Command(CM_DRAW);

    const QImage before = Grab();
    Send(Client(), QEvent::MouseButtonPress, Qt::LeftButton, {100, 100});
    Send(Client(), QEvent::MouseMove, Qt::NoButton, {300, 250});
    ASSERT_FALSE(Window->Canvas() == before) << "the rubber band shows";
    Key(Qt::Key_Escape);
    EXPECT_FALSE(Probe().Dragging());
    EXPECT_TRUE(Window->Canvas() == before) << "and is gone";
    Send(Client(), QEvent::MouseButtonRelease, Qt::LeftButton, {300, 250});
    EXPECT_DOUBLE_EQ(GraphScale.GetXMax(), 100) << "the cancelled drag changed nothing";
}

TEST_F(PreciseTest, TheLoupeFollowsHoldsAndPlacesPointsOnTheFinerStep) {
    Command(CM_LOUPE);
    TLoupeWindow* loupe = Probe().Loupe();
    ASSERT_NE(loupe, nullptr);
    EXPECT_TRUE(loupe->IsVisible());
    EXPECT_TRUE(MenuAction(CM_LOUPE)->isChecked());
    const QRect frame = loupe->GetHandle()->frameGeometry();
    const QRect client(Client()->mapToGlobal(QPoint(0, 0)), Client()->size());
    EXPECT_LE(frame.right(), client.right());
    EXPECT_GT(frame.left(), client.center().x()) << "at the top right of the drawing window";

    BeginCurve();
    const QPoint at(333, 222);
    PointAt(at);
    EXPECT_EQ(loupe->CrossHairPoint(), Logical(at));
    const int m = loupe->GetMagnification();
    const QPoint centre(TLoupeWindow::LoupeSize.Cx / 2, TLoupeWindow::LoupeSize.Cy / 2);
    const QPoint finer = centre + QPoint(m / 2, m / 2 + 1);
    Click(finer, loupe->GetHandle());
    const TPoint expected =
        *LoupeToLogical({finer.x(), finer.y()}, {Client()->width(), Client()->height()},
                        {at.x(), at.y()}, m, TLoupeWindow::LoupeSize);
    ASSERT_EQ(Points(0).size(), 1u);
    EXPECT_EQ(Points(0)[0], GraphPoint(expected));
    EXPECT_NE(expected, Logical(at)) << "between the pixels a click could reach";
    EXPECT_EQ(loupe->CrossHairPoint(), expected) << "held while the pointer is in it";
    EXPECT_EQ(MenuText("&Edit", CM_UNDO), "&Undo Add Point\tCtrl+Z");

    // Over the loupe an arrow moves the pointer one loupe pixel, and Space
    // places the point under the cross-hair there.
    QCursor::setPos(loupe->GetHandle()->mapToGlobal(finer));
    Key(Qt::Key_Right);
    const QPoint nudged = finer + QPoint(1, 0);
    EXPECT_EQ(loupe->GetHandle()->mapFromGlobal(QCursor::pos()), nudged);
    Key(Qt::Key_Space);
    ASSERT_EQ(Points(0).size(), 2u);
    EXPECT_EQ(Points(0)[1], GraphPoint(*LoupeToLogical(
                                {nudged.x(), nudged.y()}, {Client()->width(), Client()->height()},
                                {at.x(), at.y()}, m, TLoupeWindow::LoupeSize)));

    QWheelEvent in(centre, loupe->GetHandle()->mapToGlobal(centre), QPoint(), QPoint(0, 120),
                   Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(loupe->GetHandle(), &in);
    EXPECT_EQ(loupe->GetMagnification(), NextLoupeMagnification(m, 1));
    Command(CM_LOUPE);
    EXPECT_FALSE(loupe->IsVisible());
}

} // namespace
