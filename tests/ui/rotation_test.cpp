#include "uitest.h"

#include "framework/canvasdc.h"
#include "framework/gdi/messagebox.h"
#include "framework/vslider.h"
#include "image/bmpwriter.h"
#include "image/dib.h"
#include "image/imageload.h"
#include "image/pixelcopy.h"
#include "image/pixelrotation.h"
#include "image/rotationframe.h"

#include <QApplication>
#include <QCoreApplication>
#include <QImage>
#include <QMouseEvent>
#include <QSlider>
#include <QToolButton>
#include <QWidget>

#include <cmath>
#include <cstdint>
#include <numbers>
#include <vector>

namespace {

constexpr char SliderHint[] = "Move the slider's thumb to rotate the coordinate system.";

// The rotation slider of the real window: its thumb moved as the slider
// tells a move, the button released over it as the hand does, and the
// paints that follow looked at in the canvas and in the image's bits.
class RotationTest : public UiTest {
protected:
    // A 64 x 64 monochrome picture, white but for a black bar of columns
    // 16 to 23 over the upper half: enough for any turn to move pixels.
    static TBmp Picture() {
        TBmp bmp;
        bmp.Width = 64;
        bmp.Height = 64;
        std::vector<std::uint8_t> bits(bmp.PixelBytes(), 0xFF);
        for (std::uint64_t row = 32; row < 64; ++row)
            bits[row * bmp.RowBytes() + 2] = 0x00;
        bmp.Bits = bits;
        return bmp;
    }

    // Loaded and shown as the Open Image command leaves it, then painted.
    void ShowImage(const TBmp& bmp) {
        TImageLoad load = LoadImage(Files.Write(bmp), Probe().BackupBits());
        ASSERT_NE(load.Dib, nullptr);
        Probe().SetImage(std::move(load.Dib));
        Command(CM_IMAGE);
        ASSERT_TRUE(MenuAction(CM_IMAGE)->isChecked());
        Repaint();
        ASSERT_TRUE(Probe().RotationSlider()->IsVisible());
    }

    // The bits the image would have after RotateImage turned it as the
    // paint does for the pending rotation.
    std::vector<std::uint8_t> TurnedBits(const TBmp& bmp, int pendingRotation) {
        TPixelCopy copy;
        TImageLoad load = LoadImage(Files.Write(bmp), copy);
        RotateImage(*load.Dib, {0, 0}, -PendingRotationSine(pendingRotation), 1);
        return Bits(*load.Dib);
    }
    static std::vector<std::uint8_t> Bits(const TDib& dib) {
        return {dib.GetBits(), dib.GetBits() + dib.GetSizeImage()};
    }

    // Only what was asked for: a paint happens when something invalidated.
    void Repaint() { Window->GetHandle()->repaint(); }
    void MoveThumb(int position) { Probe().RotationSlider()->GetHandle()->setValue(position); }
    void ReleaseThumb() {
        QSlider* slider = Probe().RotationSlider()->GetHandle();
        const QPoint at = slider->rect().center();
        QMouseEvent release(QEvent::MouseButtonRelease, at, slider->mapToGlobal(at), Qt::LeftButton,
                            Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(slider, &release);
    }

    // The canvas with the frame of the pending rotation XORed onto it.
    QImage WithFrame(const QImage& canvas, int pendingRotation) const {
        QImage framed = canvas.copy();
        TCanvasDC dc(framed);
        Window->PrepareDC(dc);
        dc.SelectObject(TPen{TColor(0, 255, 255), 2, PS_SOLID});
        dc.SelectObject(TBrush::Hollow());
        dc.SetROP2(R2_XORPEN);
        const auto c = TurnedGraphSquareCorners(pendingRotation);
        const TPoint outline[4] = {{0, 0}, c[0], c[1], c[2]};
        dc.Polygon(outline, 4);
        return framed;
    }

    // True when a pixel next to the logical point differs between the two.
    bool ChangedNear(const QImage& a, const QImage& b, int lx, int ly) const {
        const TPoint d = Device(lx, ly);
        for (int dy = -1; dy <= 1; ++dy)
            for (int dx = -1; dx <= 1; ++dx)
                if (a.pixel(d.X + dx, d.Y + dy) != b.pixel(d.X + dx, d.Y + dy))
                    return true;
        return false;
    }

    // The user lines the preview's lower edge up with the tilted x axis of
    // a picture stretched unevenly onto the square (926 x 732 pixels) and
    // lets go: the axis comes out straight.
    void ExpectLinedUpAxisComesOutStraight(std::int32_t xPelsPerMeter) {
        TBmp bmp;
        bmp.Width = 926;
        bmp.Height = 732;
        bmp.XPelsPerMeter = xPelsPerMeter;
        bmp.Bits = std::vector<std::uint8_t>(bmp.PixelBytes(), 0xFF);
        ShowImage(bmp);
        const QImage before = Window->Canvas().copy();
        MoveThumb(25);
        const QImage framed = Window->Canvas().copy();

        // The lower edge on the screen: the frame's pixels below the middle
        // of the square, away from its left and right edges. Device rows go
        // down.
        const TPoint low = Device(1700, 4334), high = Device(7000, 0);
        double n = 0, sx = 0, sy = 0, sxx = 0, sxy = 0;
        for (int y = low.Y; y < before.height(); ++y)
            for (int x = low.X; x < high.X; ++x)
                if (framed.pixel(x, y) != before.pixel(x, y)) {
                    n += 1, sx += x, sy += y, sxx += double(x) * x, sxy += double(x) * y;
                }
        ASSERT_GT(n, 100);
        const double screenSlope = (n * sxy - sx * sy) / (n * sxx - sx * sx);
        // Picture pixels per device pixel across the image square.
        const double perX = 926.0 / (Device(8801, 0).X - Device(-133, 0).X);
        const double perY = 732.0 / (Device(0, -133).Y - Device(0, 8801).Y);
        const double slope = -screenSlope * perY / perX; // rows going up
        ASSERT_GT(slope, 0.01) << "the edge leans up to the right";

        // The axis drawn there, from the turn's centre (the lower left
        // corner).
        TDib& dib = *Probe().Dib();
        const int rowBytes = static_cast<int>(bmp.RowBytes());
        for (int x = 0; x < 900; ++x) {
            const int row = static_cast<int>(std::lround(x * slope));
            std::uint8_t& byte = dib.GetBits()[row * rowBytes + x / 8];
            byte = static_cast<std::uint8_t>(byte & ~(0x80 >> (x % 8)));
        }
        ReleaseThumb();
        Settle();
        ASSERT_EQ(Probe().ImageMoved(), 1);

        n = sx = sy = sxx = sxy = 0;
        for (int row = 0; row < 732; ++row)
            for (int x = 0; x < 926; ++x)
                if (!(dib.GetBits()[row * rowBytes + x / 8] & (0x80 >> (x % 8)))) {
                    n += 1, sx += x, sy += row, sxx += double(x) * x, sxy += double(x) * row;
                }
        ASSERT_GT(n, 700) << "the axis, less pixels that met or fell below the bottom row";
        const double turned = std::atan((n * sxy - sx * sy) / (n * sxx - sx * sx));
        EXPECT_NEAR(turned * 180 / std::numbers::pi, 0, 0.05);
    }

    // The events a user's action leaves queued: paints, then what follows
    // them; no menu is opened and no idle time forced.
    static void Settle() {
        for (int i = 0; i < 3; ++i)
            QCoreApplication::processEvents();
    }

    TTempFiles Files;
};

TEST_F(RotationTest, MovingTheThumbDrawsTheTurnedSquareInPlaceOfTheLastOne) {
    ShowImage(Picture());
    const QImage painted = Window->Canvas().copy();
    const std::vector<std::uint8_t> bits = Bits(*Probe().Dib());

    MoveThumb(0);
    EXPECT_EQ(Probe().PendingRotation(), 541);
    EXPECT_EQ(Probe().RotationFrameHidden(), 0);
    EXPECT_EQ(Hint(), SliderHint);
    const QImage up = Window->Canvas().copy();
    // Every changed pixel is the old one XOR cyan; each edge of the square
    // turned counter-clockwise is there, the origin's corner included.
    int changed = 0;
    for (int y = 0; y < up.height(); ++y)
        for (int x = 0; x < up.width(); ++x)
            if (up.pixel(x, y) != painted.pixel(x, y)) {
                ++changed;
                ASSERT_EQ(up.pixel(x, y), painted.pixel(x, y) ^ 0x00FFFFu) << x << "," << y;
            }
    EXPECT_GT(changed, 0);
    EXPECT_TRUE(ChangedNear(up, painted, -270, 4325)) << "left edge";
    EXPECT_TRUE(ChangedNear(up, painted, 3785, 8921)) << "top edge";
    EXPECT_TRUE(ChangedNear(up, painted, 8380, 4866)) << "right edge";
    EXPECT_TRUE(ChangedNear(up, painted, 4325, 270)) << "bottom edge";
    EXPECT_TRUE(up == WithFrame(painted, 541));

    // The second move takes the first frame away and draws its own.
    MoveThumb(100);
    EXPECT_EQ(Probe().PendingRotation(), -541);
    EXPECT_TRUE(Window->Canvas() == WithFrame(painted, -541));
    EXPECT_EQ(Bits(*Probe().Dib()), bits) << "moving the thumb leaves the pixels";
}

TEST_F(RotationTest, ReleasingAtTheMiddleTurnsNothingAndLeavesNoStaleFrame) {
    ShowImage(Picture());
    const QImage painted = Window->Canvas().copy();
    const std::vector<std::uint8_t> bits = Bits(*Probe().Dib());

    MoveThumb(30);
    MoveThumb(50);
    ReleaseThumb();
    Repaint();
    EXPECT_TRUE(Window->Canvas() == painted);
    EXPECT_EQ(Bits(*Probe().Dib()), bits);
    EXPECT_NE(MessagePane(), "Rotation done.");
    EXPECT_EQ(Probe().ImageMoved(), 0);
    EXPECT_EQ(Probe().PendingRotation(), 0);

    // The paint wiped the last frame: the next move draws only its own.
    MoveThumb(0);
    EXPECT_TRUE(Window->Canvas() == WithFrame(painted, 541));
}

TEST_F(RotationTest, ReleasingAwayFromTheMiddleTurnsTheImageTheOtherWay) {
    const TBmp bmp = Picture();
    ShowImage(bmp);
    const std::vector<std::uint8_t> bits = Bits(*Probe().Dib());
    Frame->IdleAction();
    ASSERT_FALSE(ToolButton(CM_RECALL)->isEnabled());

    MoveThumb(0);
    ReleaseThumb();
    Repaint();
    const std::vector<std::uint8_t> turned = TurnedBits(bmp, 541);
    ASSERT_NE(turned, bits);
    EXPECT_EQ(Bits(*Probe().Dib()), turned);
    EXPECT_EQ(Probe().ImageMoved(), 1);
    EXPECT_EQ(Probe().PendingRotation(), 0);
    EXPECT_EQ(Probe().RotationFrameHidden(), 1);
    EXPECT_EQ(Probe().RotationSlider()->GetPosition(), 50);
    EXPECT_EQ(MessagePane(), "Rotation done.");
    EXPECT_EQ(Hint(), "");
    EXPECT_TRUE(Ui->Boxes.empty());
    Frame->IdleAction();
    EXPECT_TRUE(ToolButton(CM_RECALL)->isEnabled());

    // Recall undoes it; the next turn starts from the pixels as loaded.
    Command(CM_RECALL);
    Repaint();
    EXPECT_EQ(Bits(*Probe().Dib()), bits);
}

TEST_F(RotationTest, APendingRotationWaitsForThePictureToBeShown) {
    const TBmp bmp = Picture();
    ShowImage(bmp);
    const std::vector<std::uint8_t> bits = Bits(*Probe().Dib());

    MoveThumb(100);
    Command(CM_IMAGE);
    Repaint();
    EXPECT_FALSE(Probe().RotationSlider()->IsVisible());
    EXPECT_EQ(Probe().PendingRotation(), -541);
    EXPECT_EQ(Bits(*Probe().Dib()), bits);

    Command(CM_IMAGE);
    Repaint();
    EXPECT_EQ(Bits(*Probe().Dib()), TurnedBits(bmp, -541));
    EXPECT_EQ(Probe().PendingRotation(), 0);
    EXPECT_EQ(MessagePane(), "Rotation done.");
}

TEST_F(RotationTest, ResolutionFieldsOfZeroAreWarnedOfAtEveryTurn) {
    TBmp bmp = Picture();
    bmp.XPelsPerMeter = 0;
    bmp.YPelsPerMeter = 0;
    ShowImage(bmp);
    const TScriptedUserInterface::TBox warning{
        "Invalid information on x and y resolution in bitmap header. Rotation can distort the "
        "image.",
        "Warning", MB_OK | MB_ICONEXCLAMATION};

    // A modal box cannot run inside a paint: the warning comes right after
    // the paint that applied the turn.
    for (int turn = 1; turn <= 2; ++turn) {
        bool boxAfterTurn = false;
        Ui->DuringBox = [&] {
            boxAfterTurn = Probe().PendingRotation() == 0 && Probe().ImageMoved() == 1;
        };
        Ui->BoxAnswers.push_back(IDOK);
        Probe().SetMessage("Ready");
        MoveThumb(25);
        ReleaseThumb();
        Repaint();
        EXPECT_EQ(Ui->Boxes.size(), static_cast<std::size_t>(turn - 1)) << "not inside the paint";
        QCoreApplication::processEvents();
        ASSERT_EQ(Ui->Boxes.size(), static_cast<std::size_t>(turn));
        EXPECT_EQ(Ui->Boxes.back().Text, warning.Text);
        EXPECT_EQ(Ui->Boxes.back().Caption, warning.Caption);
        EXPECT_EQ(Ui->Boxes.back().Flags, warning.Flags);
        EXPECT_TRUE(boxAfterTurn) << "shown once the turn is applied";
        EXPECT_EQ(MessagePane(), "Rotation done.");
    }
    Ui->DuringBox = nullptr;
}

TEST_F(RotationTest, RecallLightsUpAsSoonAsAPaintTurnsThePicture) {
    ShowImage(Picture());
    Settle();
    ASSERT_FALSE(ToolButton(CM_RECALL)->isEnabled());
    MoveThumb(25);
    ReleaseThumb();
    Settle();
    EXPECT_EQ(Probe().ImageMoved(), 1);
    EXPECT_TRUE(ToolButton(CM_RECALL)->isEnabled());
    ToolButton(CM_RECALL)->click();
    Settle();
    EXPECT_FALSE(ToolButton(CM_RECALL)->isEnabled());

    // A turn applied by a paint of another cause, without any input.
    MoveThumb(75);
    Window->Invalidate(true);
    Settle();
    EXPECT_EQ(Probe().ImageMoved(), 1);
    EXPECT_TRUE(ToolButton(CM_RECALL)->isEnabled());
}

TEST_F(RotationTest, LiningThePreviewUpWithATiltedAxisMakesItStraight) {
    ExpectLinedUpAxisComesOutStraight(2835);
}

TEST_F(RotationTest, LiningUpAlsoHoldsForPixelsTwiceAsHighAsWide) {
    ExpectLinedUpAxisComesOutStraight(2 * 2835);
}

} // namespace
