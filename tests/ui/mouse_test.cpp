#include "uitest.h"

#include "core/curve.h"
#include "core/curveflags.h"
#include "core/graphscale.h"
#include "framework/cursors.h"
#include "framework/decoratedframe.h"
#include "framework/gdi/globalmemory.h"
#include "framework/gdi/messagebox.h"

#include <QApplication>
#include <QCoreApplication>
#include <QImage>
#include <QMouseEvent>
#include <QTest>
#include <QToolButton>
#include <QWidget>

#include <algorithm>
#include <clocale>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

// The real window driven with mouse events in client pixels, as the user's
// hand gives them; expectations are worked out from the pixels with the
// window's logical square, -666..9334 on both axes, y upwards.
class MouseTest : public UiTest {
protected:
    void TearDown() override {
        SetAllocationHook({});
        OutOfMemory = 0;
        UiTest::TearDown();
    }

    QWidget* Client() const { return Window->GetHandle(); }

    // Mouse events as the window gets them, also outside it while a button
    // is held; the buttons held are kept where QTest keeps them, for its
    // double click.
    void Send(QEvent::Type type, Qt::MouseButton button, QPoint at) {
        if (button != Qt::NoButton)
            QTestPrivate::qtestMouseButtons.setFlag(button, type == QEvent::MouseButtonPress);
        QMouseEvent event(type, at, Client()->mapToGlobal(at), button,
                          QTestPrivate::qtestMouseButtons, Qt::NoModifier);
        QApplication::sendEvent(Client(), &event);
    }
    void Press(Qt::MouseButton button, QPoint at) { Send(QEvent::MouseButtonPress, button, at); }
    void Release(Qt::MouseButton button, QPoint at) {
        Send(QEvent::MouseButtonRelease, button, at);
    }
    void Click(Qt::MouseButton button, QPoint at) {
        Press(button, at);
        Release(button, at);
    }
    void Move(QPoint to) { Send(QEvent::MouseMove, Qt::NoButton, to); }
    void Drag(Qt::MouseButton button, QPoint from, QPoint to) {
        Press(button, from);
        Move(to);
        Release(button, to);
    }

    TPoint Logical(QPoint p) const {
        const int w = Client()->width(), h = Client()->height();
        const int x = std::clamp(p.x(), 0, w), y = std::clamp(p.y(), 0, h);
        return {x * 10000 / w - 666, 9334 - y * 10000 / h};
    }
    // Graph values on the 8668-step grid of the range in force.
    static double GridX(int k) {
        return GraphScale.GetXMin() + k * (GraphScale.GetXMax() - GraphScale.GetXMin()) / 8668;
    }
    static double GridY(int k) {
        return GraphScale.GetYMin() + k * (GraphScale.GetYMax() - GraphScale.GetYMin()) / 8668;
    }

    // printf's own text, with a decimal point.
    static std::string Pane(const char* format, double value) {
        const std::string locale = std::setlocale(LC_NUMERIC, nullptr);
        std::setlocale(LC_NUMERIC, "C");
        char text[64];
        std::snprintf(text, sizeof text, format, value);
        std::setlocale(LC_NUMERIC, locale.c_str());
        return text;
    }

    bool HasCursor(const char* name) const {
        const QCursor shown = Client()->cursor(), wanted = LoadProgramCursor(name);
        return shown.hotSpot() == wanted.hotSpot() &&
               shown.pixmap().toImage() == wanted.pixmap().toImage();
    }
};

TEST_F(MouseTest, DrawingPlacesThePointWhereTheButtonIsReleased) {
    GraphScale.SetScale(0, 8668, 8668, 0, 10, -1, 20, 1);
    BeginCurve();
    Probe().MarkDataSaved();
    const QPoint press(100, 100), release(321, 234);

    Press(Qt::LeftButton, press);
    EXPECT_TRUE(HasCursor("DROPPOINTCURSOR"));
    const QImage before = Window->Canvas().copy();
    Move(release);
    EXPECT_TRUE(Window->Canvas() == before) << "no rubber band while placing a point";
    const TPoint at = Logical(release);
    EXPECT_EQ(XPane(), Pane("X=%-10.10g", GridX(at.X)));
    EXPECT_EQ(YPane(), Pane("Y=%-10.10g", GridY(at.Y)));
    Release(Qt::LeftButton, release);

    EXPECT_TRUE(HasCursor("CROSSCURSOR"));
    EXPECT_FALSE(Probe().Dragging());
    const std::vector<TCurvePoint> points = Points(0);
    ASSERT_EQ(points.size(), 1u);
    EXPECT_DOUBLE_EQ(points[0].X, GridX(at.X));
    EXPECT_DOUBLE_EQ(points[0].Y, GridY(at.Y));
    EXPECT_EQ(Probe().PointCount(), 1u);
    EXPECT_EQ(Probe().DataSaved(), 0);
    EXPECT_EQ(Probe().DrawMode(), 1);
    EXPECT_EQ(Probe().Curve(0)->Dc, nullptr) << "the click's context is gone";
    EXPECT_EQ(MessagePane(), "Curves: 1  Points: 1");
    // The symbol is drawn at once in the curve's yellow, without a repaint.
    bool yellow = false;
    for (int dy = -10; dy <= 10; ++dy)
        for (int dx = -10; dx <= 10; ++dx)
            yellow |= Window->Canvas().pixel(release + QPoint(dx, dy)) == qRgb(255, 255, 0);
    EXPECT_TRUE(yellow);
}

TEST_F(MouseTest, PointsLieOnTheGridAlsoInTheMargins) {
    BeginCurve();
    const std::vector<QPoint> clicks{
        {1, 1}, {57, 480}, {400, 300}, {Client()->width() - 1, Client()->height() - 1}};
    for (QPoint p : clicks)
        Click(Qt::LeftButton, p);
    const std::vector<TCurvePoint> points = Points(0);
    ASSERT_EQ(points.size(), clicks.size());
    for (std::size_t i = 0; i < clicks.size(); ++i) {
        const TPoint at = Logical(clicks[i]);
        EXPECT_DOUBLE_EQ(points[i].X, at.X * 100.0 / 8668) << i;
        EXPECT_DOUBLE_EQ(points[i].Y, at.Y * 100.0 / 8668) << i;
    }
    EXPECT_LT(points[0].X, 0.0);
    EXPECT_GT(points[0].Y, 100.0);
    EXPECT_EQ(MessagePane(), "Curves: 1  Points: 4");
}

TEST_F(MouseTest, DoubleClickPlacesOnePoint) {
    BeginCurve();
    const QPoint p(200, 200);
    Press(Qt::LeftButton, p);
    Release(Qt::LeftButton, p);
    QTest::mouseDClick(Client(), Qt::LeftButton, {}, p);
    Release(Qt::LeftButton, p);
    EXPECT_EQ(Probe().Curve(0)->GetCount(), 1u);
    EXPECT_EQ(Probe().PointCount(), 1u);
    EXPECT_EQ(Probe().LeftButtonDown(), 0);
}

TEST_F(MouseTest, NoMemoryForAPointEndsDrawingAndKeepsThePointsBefore) {
    BeginCurve();
    for (int i = 0; i < 100; ++i)
        AddPoint(i, i);
    SetAllocationHook([](std::size_t) { return false; });
    Ui->BoxAnswers.push_back(IDOK);
    Click(Qt::LeftButton, QPoint(300, 300));
    ASSERT_EQ(Ui->Boxes.size(), 2u);
    EXPECT_EQ(Ui->Boxes[1].Text, "Sorry, not enough memory for more data!");
    EXPECT_EQ(Ui->Boxes[1].Caption, "");
    EXPECT_EQ(Ui->Boxes[1].Flags, MB_OK | MB_ICONEXCLAMATION);
    EXPECT_EQ(Probe().DrawMode(), 0);
    EXPECT_EQ(Probe().Curve(0)->GetCount(), 100u);
    EXPECT_EQ(Probe().PointCount(), 100u);
    EXPECT_EQ(MessagePane(), "Curves: 1  Points: 100");
    EXPECT_FALSE(Probe().Dragging());
}

TEST_F(MouseTest, LeftDragZoomsToTheRectangle) {
    const QPoint from(500, 100), to(150, 400); // dragged up and to the left
    Press(Qt::LeftButton, from);
    EXPECT_TRUE(HasCursor("DRAGCURSOR"));
    Move(to);
    Release(Qt::LeftButton, to);
    EXPECT_TRUE(HasCursor("CROSSCURSOR"));
    EXPECT_FALSE(Probe().Dragging());

    const TPoint a = Logical(from), b = Logical(to);
    EXPECT_EQ(Probe().DragRect(), (TRect{b.X, b.Y, a.X, a.Y}));
    EXPECT_DOUBLE_EQ(GraphScale.GetXMin(), b.X * 100.0 / 8668);
    EXPECT_DOUBLE_EQ(GraphScale.GetXMax(), a.X * 100.0 / 8668);
    EXPECT_DOUBLE_EQ(GraphScale.GetYMin(), b.Y * 100.0 / 8668);
    EXPECT_DOUBLE_EQ(GraphScale.GetYMax(), a.Y * 100.0 / 8668);
    EXPECT_EQ(MessagePane(), "Curves: 0  Points: 0");
}

TEST_F(MouseTest, DragPastTheRightEdgeReachesTheEdgeOfTheClientArea) {
    const QPoint from(100, 100), beyond(Client()->width() + 250, 300);
    Drag(Qt::LeftButton, from, beyond);
    EXPECT_DOUBLE_EQ(GraphScale.GetXMin(), Logical(from).X * 100.0 / 8668);
    EXPECT_DOUBLE_EQ(GraphScale.GetXMax(), 9334 * 100.0 / 8668);
}

TEST_F(MouseTest, ClickOrLineWithoutAreaChangesNothing) {
    ASSERT_EQ(MessagePane(), "Ready");
    Click(Qt::LeftButton, QPoint(300, 200));
    Drag(Qt::LeftButton, QPoint(100, 200), QPoint(500, 200));
    Drag(Qt::LeftButton, QPoint(100, 50), QPoint(100, 450));
    EXPECT_EQ(GraphScale.GetXMin(), 0.0);
    EXPECT_EQ(GraphScale.GetXMax(), 100.0);
    EXPECT_EQ(GraphScale.GetYMin(), 0.0);
    EXPECT_EQ(GraphScale.GetYMax(), 100.0);
    EXPECT_EQ(MessagePane(), "Ready");
    EXPECT_FALSE(Probe().Dragging());
    EXPECT_TRUE(HasCursor("CROSSCURSOR"));
}

TEST_F(MouseTest, SlipsShorterThanTheDragDistanceAreClicks) {
    const int distance = std::max(4, QApplication::startDragDistance());
    const QPoint at(300, 200), slip = at + QPoint(distance - 2, 1);
    Grab();
    const QImage painted = Window->Canvas().copy();
    Drag(Qt::LeftButton, at, slip);
    EXPECT_EQ(GraphScale.GetXMax(), 100.0) << "no zoom";
    EXPECT_TRUE(Window->Canvas() == painted) << "no band left behind";

    ShowImage(400, 300);
    BeginCurve();
    Drag(Qt::RightButton, at, slip);
    EXPECT_EQ(Probe().DrawMode(), 0) << "the curve ends all the same";
    EXPECT_EQ(Probe().ImageSrcRect(), (TRect{0, 0, 400, 300})) << "no stretch";
    EXPECT_EQ(Probe().ImageMoved(), 0);

    // From the drag distance on, a drag.
    const QPoint far = at + QPoint(distance - 1, 1);
    Drag(Qt::RightButton, at, far);
    EXPECT_EQ(Probe().ImageMoved(), 1);
    Drag(Qt::LeftButton, at, far);
    EXPECT_NE(GraphScale.GetXMax(), 100.0);
}

TEST_F(MouseTest, RubberBandIsDrawnByXorAndTakenOffAgain) {
    Grab();
    const QImage painted = Window->Canvas().copy();
    const QPoint start(100, 100), first(300, 250), second(200, 150);

    Press(Qt::LeftButton, start);
    EXPECT_TRUE(Window->Canvas() == painted);
    Move(first);
    const QImage band = Window->Canvas().copy();
    // Every pixel changed is the one below XOR cyan, on the outline only.
    int changed = 0;
    for (int y = 0; y < band.height(); ++y)
        for (int x = 0; x < band.width(); ++x)
            if (band.pixel(x, y) != painted.pixel(x, y)) {
                ++changed;
                ASSERT_EQ(band.pixel(x, y), painted.pixel(x, y) ^ 0x0000FFFFu) << x << "," << y;
                const bool nearX = std::abs(x - start.x()) <= 2 || std::abs(x - first.x()) <= 2;
                const bool nearY = std::abs(y - start.y()) <= 2 || std::abs(y - first.y()) <= 2;
                ASSERT_TRUE(nearX || nearY) << x << "," << y;
            }
    // Two pixels wide along all four sides.
    EXPECT_GE(changed, 2 * 2 * ((first.x() - start.x()) + (first.y() - start.y())) - 16);

    Move(second);
    EXPECT_EQ(Window->Canvas().pixel(first.x() - 1, 200), painted.pixel(first.x() - 1, 200))
        << "the first band is taken off";
    EXPECT_NE(Window->Canvas().pixel(second.x() - 1, 120), painted.pixel(second.x() - 1, 120));
    Move(QPoint(40, 30)); // up and left of the start, beyond the corner
    Move(start);
    EXPECT_TRUE(Window->Canvas() == painted) << "every pixel back";
    Release(Qt::LeftButton, start);
}

TEST_F(MouseTest, PanesShowThePointerWithADecimalPoint) {
    const QPoint p(333, 222);
    const TPoint at = Logical(p);
    // Factors of 2 keep the value exact: 12.5 and -0.25 at that pixel.
    GraphScale.SetScale(0, 8668, 8668, 0, 12.5 - at.X / 2.0, -0.25 - at.Y / 2.0,
                        12.5 - at.X / 2.0 + 4334, -0.25 - at.Y / 2.0 + 4334);
    Move(p);
    EXPECT_EQ(XPane(), "X=12.5      ");
    EXPECT_EQ(YPane(), "Y=-0.25     ");

    GraphScale.SetScale(0, 8668, 8668, 0, 0, 0, 100, 100);
    Move(QPoint(-40, Client()->height() + 40)); // clamped to the lower left corner
    EXPECT_EQ(XPane(), "X=-7.683433318");
    EXPECT_EQ(YPane(), "Y=-7.683433318");
}

TEST_F(MouseTest, RightPressEndsDrawingAlsoWithoutAnImage) {
    BeginCurve();
    Click(Qt::LeftButton, QPoint(200, 200));
    Move(QPoint(210, 210));
    const std::string x = XPane(), y = YPane();

    Press(Qt::RightButton, QPoint(300, 300));
    EXPECT_EQ(Probe().DrawMode(), 0);
    EXPECT_EQ(Probe().CurrentCurve(), 0);
    EXPECT_EQ(MessagePane(), "Curves: 1  Points: 1");
    EXPECT_FALSE(Probe().Dragging());
    EXPECT_TRUE(HasCursor("CROSSCURSOR"));
    Move(QPoint(400, 100)); // no image: the panes stay
    EXPECT_EQ(XPane(), x);
    EXPECT_EQ(YPane(), y);
    Release(Qt::RightButton, QPoint(400, 100));
    EXPECT_EQ(Probe().RightButtonDown(), 0);
    EXPECT_EQ(MessagePane(), "Curves: 1  Points: 1");

    // A curve begun and left without a point goes again.
    Command(CM_DRAW);
    Click(Qt::RightButton, QPoint(300, 300));
    EXPECT_EQ(Probe().DrawMode(), 0);
    EXPECT_EQ(Probe().CurrentCurve(), 0);
    EXPECT_EQ(Probe().Curve(1), nullptr);
}

TEST_F(MouseTest, OtherButtonDuringALeftDragHasNoEffect) {
    BeginCurve();
    const QPoint target(250, 350);
    Press(Qt::LeftButton, QPoint(100, 100));
    Click(Qt::RightButton, QPoint(400, 400));
    EXPECT_EQ(Probe().DrawMode(), 1) << "a right press does not end drawing mid-click";
    EXPECT_EQ(Probe().RightButtonDown(), 0);
    Move(target);
    Release(Qt::LeftButton, target);
    ASSERT_EQ(Probe().Curve(0)->GetCount(), 1u);
    EXPECT_DOUBLE_EQ(Points(0)[0].X, Logical(target).X * 100.0 / 8668);

    Command(CM_DRAW);
    const QPoint from(100, 100), to(300, 300);
    Press(Qt::LeftButton, from);
    Move(QPoint(200, 200));
    Click(Qt::RightButton, QPoint(500, 50));
    Move(to);
    Release(Qt::LeftButton, to);
    EXPECT_DOUBLE_EQ(GraphScale.GetXMin(), Logical(from).X * 100.0 / 8668);
    EXPECT_DOUBLE_EQ(GraphScale.GetXMax(), Logical(to).X * 100.0 / 8668);
    EXPECT_EQ(Probe().LeftButtonDown(), 0);
    EXPECT_EQ(Probe().RightButtonDown(), 0);
}

TEST_F(MouseTest, RightDragStretchesTheImageAndRecallPutsItBack) {
    ShowImage(400, 300);
    ASSERT_FALSE(ToolButton(CM_RECALL)->isEnabled());
    Grab();
    const QImage painted = Window->Canvas().copy();
    const QPoint from(150, 80), to(450, 380);
    Press(Qt::RightButton, from);
    EXPECT_TRUE(HasCursor("ALIGNCURSOR"));
    Move(to);
    EXPECT_NE(Window->Canvas().pixel(from.x(), 200), painted.pixel(from.x(), 200)) << "rubber band";
    Release(Qt::RightButton, to);
    EXPECT_TRUE(HasCursor("CROSSCURSOR"));

    // The part under the rectangle, measured over the graph square, rows
    // counted from the top of the picture.
    const TPoint a = Logical(from), b = Logical(to);
    const double kx = 400 * (1.0 / 8668), ky = 300 * (1.0 / 8668);
    const TRect narrowed{static_cast<int>(a.X * kx), static_cast<int>((8668 - a.Y) * ky),
                         static_cast<int>(b.X * kx), static_cast<int>((8668 - b.Y) * ky)};
    EXPECT_EQ(Probe().ImageSrcRect(), narrowed);
    EXPECT_EQ(Probe().ImageMoved(), 1);
    EXPECT_EQ(MessagePane(), "Curves: 0  Points: 0");

    // Dragged over the whole client area and beyond: wider each time, but
    // never past the picture's borders.
    const QPoint beyond(Client()->width() + 30, Client()->height() + 30);
    Drag(Qt::RightButton, QPoint(0, 0), beyond);
    const TRect wider = Probe().ImageSrcRect();
    EXPECT_LT(wider.Left, narrowed.Left);
    EXPECT_LT(wider.Top, narrowed.Top);
    EXPECT_GT(wider.Right, narrowed.Right);
    EXPECT_GT(wider.Bottom, narrowed.Bottom);
    for (int i = 0; i < 30; ++i)
        Drag(Qt::RightButton, QPoint(0, 0), beyond);
    EXPECT_EQ(Probe().ImageSrcRect(), (TRect{0, 0, 400, 300}));

    QCoreApplication::processEvents(); // what the event loop does next, no menu opened
    ASSERT_TRUE(ToolButton(CM_RECALL)->isEnabled());
    Command(CM_RECALL);
    EXPECT_EQ(Probe().ImageSrcRect(), (TRect{0, 0, 400, 300}));
    EXPECT_EQ(Probe().ImageMoved(), 0);
}

TEST_F(MouseTest, OtherButtonDuringARightDragHasNoEffect) {
    ShowImage(400, 300);
    const QPoint from(150, 80), to(450, 380);
    Press(Qt::RightButton, from);
    Click(Qt::LeftButton, QPoint(20, 20));
    Drag(Qt::LeftButton, QPoint(30, 30), QPoint(60, 60));
    EXPECT_EQ(Probe().LeftButtonDown(), 0);
    EXPECT_EQ(GraphScale.GetXMax(), 100.0) << "no zoom";
    Move(to);
    Release(Qt::RightButton, to);
    const TPoint a = Logical(from);
    EXPECT_EQ(Probe().ImageSrcRect().Left, static_cast<int>(a.X * (400 * (1.0 / 8668))));
    EXPECT_EQ(Probe().ImageMoved(), 1);
}

TEST_F(MouseTest, RightDragWithoutAreaOrWithTheImageHiddenLeavesTheImage) {
    ShowImage(400, 300);
    Click(Qt::RightButton, QPoint(200, 200));
    Drag(Qt::RightButton, QPoint(100, 200), QPoint(300, 200));
    EXPECT_EQ(Probe().ImageSrcRect(), (TRect{0, 0, 400, 300}));
    EXPECT_EQ(Probe().ImageMoved(), 0);

    // The view switched off in the middle of a drag: the drag still ends
    // with its button, and the next left drag zooms from its own start.
    Press(Qt::RightButton, QPoint(100, 100));
    Window->CmImage();
    Move(QPoint(300, 300));
    Release(Qt::RightButton, QPoint(300, 300));
    EXPECT_FALSE(Probe().Dragging());
    EXPECT_EQ(Probe().ImageSrcRect(), (TRect{0, 0, 400, 300}));
    const QPoint from(200, 150), to(400, 350);
    Drag(Qt::LeftButton, from, to);
    EXPECT_DOUBLE_EQ(GraphScale.GetXMin(), Logical(from).X * 100.0 / 8668);
}

TEST_F(MouseTest, ClientAreaWithoutWidthIgnoresTheMouse) {
    BeginCurve();
    Move(QPoint(100, 100));
    const std::string x = XPane();
    Client()->resize(0, Client()->height());
    ASSERT_EQ(Window->GetClientRect().Right, 0);
    Press(Qt::LeftButton, QPoint(0, 100));
    Move(QPoint(0, 50));
    Release(Qt::LeftButton, QPoint(0, 50));
    EXPECT_EQ(XPane(), x);
    EXPECT_EQ(Probe().Curve(0)->GetCount(), 0u);
    EXPECT_EQ(Probe().PointCount(), 0u);
    EXPECT_FALSE(Probe().Dragging());
    EXPECT_EQ(Probe().LeftButtonDown(), 0);

    Command(CM_DRAW);
    Client()->resize(0, Client()->height());
    ASSERT_EQ(Window->GetClientRect().Right, 0);
    Drag(Qt::LeftButton, QPoint(0, 100), QPoint(50, 300)); // band drawn on no canvas at all
    EXPECT_EQ(GraphScale.GetXMax(), 100.0);
    EXPECT_FALSE(Probe().Dragging());
}

} // namespace
