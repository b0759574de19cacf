#include "uitest.h"

#include "core/calibration.h"
#include "core/graphscale.h"
#include "framework/gdi/messagebox.h"
#include "framework/gdi/recordingdc.h"
#include "image/bmpwriter.h"
#include "image/dib.h"
#include "window/loupewindow.h"

#include <QApplication>
#include <QCheckBox>
#include <QDialog>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <cmath>
#include <functional>
#include <string>
#include <vector>

namespace {

using TBox = TScriptedUserInterface::TBox;

// Tool|Calibrate... on the real window: clicks in client pixels, the
// Calibrate dialog the fourth click brings filled in while it is up.
class CalibrationTest : public UiTest {
protected:
    QWidget* Client() const { return Window->GetHandle(); }
    void Click(QPoint at) { QTest::mouseClick(Client(), Qt::LeftButton, {}, at); }
    TPoint Logical(QPoint at) const { return *Window->ClientToLogical({at.x(), at.y()}); }

    // The values typed for the four points (in the order clicked), the log
    // boxes set, then OK.
    static void Fill(QDialog& dialog, const std::vector<const char*>& values, bool logX,
                     bool logY) {
        const auto fields = dialog.findChildren<QLineEdit*>();
        for (int i = 0; i < 4; ++i) {
            fields[i]->clear();
            QTest::keyClicks(fields[i], QString::fromUtf8(values[i]));
        }
        const auto boxes = dialog.findChildren<QCheckBox*>();
        boxes[0]->setChecked(logX);
        boxes[1]->setChecked(logY);
        for (QPushButton* button : dialog.findChildren<QPushButton*>())
            if (button->text() == "&OK")
                button->click();
    }

    // Tool|Calibrate..., the four clicks, and `use` on the dialog the last
    // one brings; whatever is still open afterwards is cancelled.
    void Calibrate(const std::vector<QPoint>& clicks, const std::function<void(QDialog&)>& use) {
        Command(CM_CALIBRATE);
        for (std::size_t i = 0; i + 1 < clicks.size(); ++i)
            Click(clicks[i]);
        bool shown = false;
        QTimer::singleShot(0, [&] {
            auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
            ASSERT_NE(dialog, nullptr);
            shown = true;
            EXPECT_EQ(dialog->windowTitle().toStdString(), "Calibrate");
            use(*dialog);
            if (dialog->isVisible())
                dialog->reject();
        });
        Click(clicks.back());
        EXPECT_TRUE(shown) << "no Calibrate dialog after the fourth click";
    }

    static TBox Refusal(const std::string& text) { return {text, "", MB_OK | MB_ICONEXCLAMATION}; }

    const std::vector<QPoint> Ticks{{150, 300}, {500, 310}, {60, 400}, {70, 80}};
    TTempFiles Files;
};

void ExpectBoxes(const std::vector<TBox>& boxes, const std::vector<TBox>& expected) {
    ASSERT_EQ(boxes.size(), expected.size());
    for (std::size_t i = 0; i < boxes.size(); ++i) {
        EXPECT_EQ(boxes[i].Text, expected[i].Text) << i;
        EXPECT_EQ(boxes[i].Caption, expected[i].Caption) << i;
        EXPECT_EQ(boxes[i].Flags, expected[i].Flags) << i;
    }
}

TEST_F(CalibrationTest, FourClicksAndTheirValuesSetTheScaleThePictureStays) {
    TBmp bmp;
    bmp.Width = 40;
    bmp.Height = 30;
    Probe().SetImage(TDib::ReadFile(Files.Write(bmp)));
    Probe().MoveImage({3, 4, 30, 25});
    Command(CM_CALIBRATE);
    EXPECT_EQ(MessagePane(), "Click a point of known X (1 of 2)");
    EXPECT_FALSE(MenuItemEnabled("&Tool", CM_CALIBRATE)) << "not begun again halfway";
    Click(Ticks[0]);
    EXPECT_EQ(MessagePane(), "Click a point of known X (2 of 2)");
    Click(Ticks[1]);
    EXPECT_EQ(MessagePane(), "Click a point of known Y (1 of 2)");
    Click(Ticks[2]);
    EXPECT_EQ(MessagePane(), "Click a point of known Y (2 of 2)");
    QTimer::singleShot(0, [] {
        Fill(*qobject_cast<QDialog*>(QApplication::activeModalWidget()), {"2,5", "7.5", "10", "1e3"},
             false, true);
    });
    Click(Ticks[3]);

    EXPECT_EQ(MessagePane(), "Scale calibrated.");
    EXPECT_TRUE(MenuItemEnabled("&Tool", CM_CALIBRATE));
    EXPECT_EQ(GraphScale.GetXKind(), TAxisKind::Linear);
    EXPECT_EQ(GraphScale.GetYKind(), TAxisKind::Log10);
    const double ulps = 1e-14;
    EXPECT_NEAR(GraphScale.ToGraphX(Logical(Ticks[0]).X), 2.5, ulps * 10);
    EXPECT_NEAR(GraphScale.ToGraphX(Logical(Ticks[1]).X), 7.5, ulps * 10);
    EXPECT_NEAR(GraphScale.ToGraphY(Logical(Ticks[2]).Y), 10, ulps * 10);
    EXPECT_NEAR(GraphScale.ToGraphY(Logical(Ticks[3]).Y), 1000, ulps * 1000);
    EXPECT_EQ(Probe().ImageSrcRect(), (TRect{3, 4, 30, 25})) << "the picture does not move";
    EXPECT_TRUE(Ui->Boxes.empty());

    // One step of the undo history, axis kinds and all.
    const double calibratedMax = GraphScale.GetYMax();
    Command(CM_UNDO);
    EXPECT_EQ(GraphScale.GetYKind(), TAxisKind::Linear);
    EXPECT_EQ(GraphScale.GetXMax(), 100);
    Command(CM_REDO);
    EXPECT_EQ(GraphScale.GetYKind(), TAxisKind::Log10);
    EXPECT_EQ(GraphScale.GetYMax(), calibratedMax);
}

TEST_F(CalibrationTest, ASecondPointAtTheFirstOnesPlaceIsAskedForAgain) {
    Command(CM_CALIBRATE);
    Click(Ticks[0]);
    Ui->BoxAnswers = {IDOK, IDOK};
    Click({Ticks[0].x(), 50}); // the same X, higher up
    EXPECT_EQ(MessagePane(), "Click a point of known X (2 of 2)");
    Click(Ticks[1]);
    Click(Ticks[2]);
    Click({Ticks[3].x() + 40, Ticks[2].y()});
    EXPECT_EQ(MessagePane(), "Click a point of known Y (2 of 2)");
    ExpectBoxes(Ui->Boxes, {Refusal(CalibrationMessage(TCalibrationResult::SameXPosition)),
                            Refusal(CalibrationMessage(TCalibrationResult::SameYPosition))});
}

TEST_F(CalibrationTest, AClickInTheLoupeIsACalibrationClick) {
    Command(CM_LOUPE);
    Command(CM_CALIBRATE);
    QTest::mouseMove(Client(), Ticks[0]);
    QTest::mouseClick(Probe().Loupe()->GetHandle(), Qt::LeftButton, {}, QPoint(120, 120));
    EXPECT_EQ(MessagePane(), "Click a point of known X (2 of 2)");
}

TEST_F(CalibrationTest, EscapeTheRightButtonOrAZoomCancelsAndLeftClicksZoomAgain) {
    for (const int cancel : {0, 1, 2}) {
        Command(CM_CALIBRATE);
        Click(Ticks[0]);
        if (cancel == 0)
            QTest::keyClick(Client(), Qt::Key_Escape);
        else if (cancel == 1)
            QTest::mouseClick(Client(), Qt::RightButton, {}, Ticks[1]);
        else
            Command(CM_ZOOMIN);
        EXPECT_EQ(MessagePane(), "Calibration cancelled.") << cancel;
    }
    // A left drag is a zoom again, no calibration click.
    const double xMax = GraphScale.GetXMax();
    QTest::mousePress(Client(), Qt::LeftButton, {}, Ticks[0]);
    QTest::mouseMove(Client(), Ticks[1] + QPoint(0, 100));
    QTest::mouseRelease(Client(), Qt::LeftButton, {}, Ticks[1] + QPoint(0, 100));
    EXPECT_NE(GraphScale.GetXMax(), xMax);
    EXPECT_TRUE(Ui->Boxes.empty());
}

TEST_F(CalibrationTest, DialogRefusesWhatCannotCalibrateAndStaysOpen) {
    Calibrate(Ticks, [this](QDialog& dialog) {
        EXPECT_EQ(dialog.findChildren<QCheckBox*>().size(), 2);
        ExpectTextsFit(dialog);
        Ui->BoxAnswers = {IDOK, IDOK, IDOK, IDOK};
        Fill(dialog, {"1", "abc", "3", "4"}, false, false);
        Fill(dialog, {"1", "1,0", "3", "4"}, false, false);
        Fill(dialog, {"1", "2", "0", "4"}, false, true);
        Fill(dialog, {"0", "1e308", "3", "4"}, false, false);
        EXPECT_TRUE(dialog.isVisible());
    });
    ExpectBoxes(Ui->Boxes,
                {Refusal("Invalid number in Second X!"),
                 Refusal(CalibrationMessage(TCalibrationResult::EqualXValues)),
                 Refusal(CalibrationMessage(TCalibrationResult::YValueNotPositive)),
                 Refusal(CalibrationMessage(TCalibrationResult::OutsideDoubles))});
    EXPECT_EQ(MessagePane(), "Calibration cancelled.");
    EXPECT_EQ(GraphScale.GetXMax(), 100) << "the scale as it was";
    EXPECT_EQ(GraphScale.GetYKind(), TAxisKind::Linear);
}

// The values at the grid lines, as the paint asks for them: the recording
// context's fixed font is 6 pixels a character and 10 high.
class AxisValuesTest : public UiTest {
protected:
    std::vector<TRecordingDC::TCall> PaintedTexts() const {
        TRecordingDC dc;
        Window->Paint(dc, true, Window->GetClientRect());
        return dc.CallsOf(TRecordingDC::TOp::Text);
    }
};

TEST_F(AxisValuesTest, BelowAndLeftOfTheSquareCentredOnTheirLines) {
    const std::vector<TRecordingDC::TCall> texts = PaintedTexts();
    ASSERT_EQ(texts.size(), 20u) << "every grid line of a maximized window";
    const TPoint origin = Device(0, 0);
    for (int k = 0; k < 10; ++k) {
        const TRecordingDC::TCall& x = texts[k];
        const TRecordingDC::TCall& y = texts[10 + k];
        const int width = static_cast<int>(x.Text.size()) * TRecordingDC::CharWidth;
        EXPECT_EQ(x.Points[0].X, Device(866 * (k + 1), 0).X - width / 2) << x.Text;
        EXPECT_GT(x.Points[0].Y, origin.Y) << "below the X axis";
        EXPECT_EQ(y.Points[0].Y, Device(0, 866 * (k + 1)).Y - TRecordingDC::CharHeight / 2);
        EXPECT_LT(y.Points[0].X + static_cast<int>(y.Text.size()) * TRecordingDC::CharWidth,
                  origin.X)
            << "left of the Y axis";
        EXPECT_EQ(x.TextColor, TColor(0, 0, 0));
        EXPECT_EQ(x.TextOutline, TColor(255, 255, 255)) << "seen on a picture too";
    }
    EXPECT_EQ(texts[0].Text, "9.991");
    EXPECT_EQ(texts[19].Text, "99.91");
}

TEST_F(AxisValuesTest, CrowdedValuesAreThinnedAndTheToggleHidesThem) {
    Window->GetHandle()->resize(320, 400);
    // 866 logical units are under 28 pixels across: a value of five
    // characters (30 pixels) and the gap of 8 take every second line.
    std::vector<std::string> xTexts;
    for (const TRecordingDC::TCall& call : PaintedTexts())
        if (call.Points[0].Y > Device(0, 0).Y)
            xTexts.push_back(call.Text);
    EXPECT_EQ(xTexts, (std::vector<std::string>{"9.991", "29.97", "49.95", "69.94", "89.92"}));

    Command(CM_AXISVALUES);
    EXPECT_FALSE(MenuAction(CM_AXISVALUES)->isChecked());
    EXPECT_TRUE(PaintedTexts().empty());
    Command(CM_AXISVALUES);
    EXPECT_FALSE(PaintedTexts().empty());
}

} // namespace
