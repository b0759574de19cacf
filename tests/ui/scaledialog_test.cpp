#include "uitest.h"

#include "core/curve.h"
#include "core/graphscale.h"
#include "framework/gdi/messagebox.h"
#include "support/commalocale.h"
#include "window/setscaledial.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QCoreApplication>
#include <QDialog>
#include <QImage>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <functional>
#include <string>
#include <vector>

namespace {

// The Scale dialog run on the real window, its fields typed into and its
// buttons clicked while it is open.
class ScaleDialogTest : public UiTest {
protected:
    // Runs the dialog; `use` acts on it once it is up. Whatever is still open
    // afterwards is cancelled, so a failed check cannot leave it waiting.
    int Run(const std::function<void(TSetScaleDial&)>& use) {
        TSetScaleDial dialog(Window);
        QTimer::singleShot(0, [&] {
            use(dialog);
            if (QDialog* window = dialog.GetHandle(); window && window->isVisible())
                window->reject();
        });
        return dialog.Execute();
    }

    static std::string Text(TSetScaleDial& d, int id) {
        return qobject_cast<QLineEdit*>(d.GetDlgItem(id))->text().toStdString();
    }
    static void Type(TSetScaleDial& d, int id, const char* text) {
        auto* field = qobject_cast<QLineEdit*>(d.GetDlgItem(id));
        field->clear();
        QTest::keyClicks(field, QString::fromUtf8(text));
    }
    static void TypeRanges(TSetScaleDial& d, const char* minX, const char* maxX, const char* minY,
                           const char* maxY) {
        Type(d, IDC_MINX, minX);
        Type(d, IDC_MAXX, maxX);
        Type(d, IDC_MINY, minY);
        Type(d, IDC_MAXY, maxY);
    }
    static QCheckBox* Box(TSetScaleDial& d, int id) {
        return qobject_cast<QCheckBox*>(d.GetDlgItem(id));
    }
    static void Click(TSetScaleDial& d, int id) {
        QTest::mouseClick(d.GetDlgItem(id), Qt::LeftButton);
    }
    static bool IsOpen(TSetScaleDial& d) { return d.GetHandle() && d.GetHandle()->isVisible(); }

    static void ExpectScale(double xmin, double xmax, double ymin, double ymax) {
        EXPECT_EQ(GraphScale.GetXMin(), xmin);
        EXPECT_EQ(GraphScale.GetXMax(), xmax);
        EXPECT_EQ(GraphScale.GetYMin(), ymin);
        EXPECT_EQ(GraphScale.GetYMax(), ymax);
    }

    // Curves of the given points, one curve each, as drawing leaves them.
    void Curve(std::initializer_list<TCurvePoint> points) {
        BeginCurve();
        for (const TCurvePoint& p : points)
            AddPoint(p.X, p.Y);
        Command(CM_DRAW);
    }
};

TEST_F(ScaleDialogTest, FieldsShowTheScaleRightAlignedInTen) {
    const int result = Run([](TSetScaleDial& d) {
        EXPECT_EQ(d.GetHandle()->windowTitle().toStdString(), "Scale");
        ExpectTextsFit(*d.GetHandle());
        EXPECT_EQ(Text(d, IDC_MINX), "         0");
        EXPECT_EQ(Text(d, IDC_MAXX), "       100");
        EXPECT_EQ(Text(d, IDC_MINY), "         0");
        EXPECT_EQ(Text(d, IDC_MAXY), "       100");
        EXPECT_FALSE(Box(d, IDC_FITX)->isChecked());
        EXPECT_FALSE(Box(d, IDC_FITY)->isChecked());
        Click(d, IDCANCEL);
    });
    EXPECT_EQ(result, IDCANCEL);

    GraphScale.SetScale(0, 8668, 8668, 0, -0.5, 1.0 / 3, 1234567.891, 2e12);
    Run([](TSetScaleDial& d) {
        EXPECT_EQ(Text(d, IDC_MINX), "      -0.5");
        EXPECT_EQ(Text(d, IDC_MAXX), "1234567.891");
        EXPECT_EQ(Text(d, IDC_MINY), "0.3333333333");
        EXPECT_EQ(Text(d, IDC_MAXY), "     2e+12");
    });
}

TEST_F(ScaleDialogTest, LogBoxesShowTheAxesAndNeedRangesAboveZero) {
    GraphScale.SetScale(0, 8668, 8668, 0, 1, 0, 1000, 100, TAxisKind::Log10, TAxisKind::Linear);
    Ui->BoxAnswers = {IDOK, IDOK};
    const int result = Run([](TSetScaleDial& d) {
        EXPECT_TRUE(Box(d, IDC_LOGX)->isChecked());
        EXPECT_FALSE(Box(d, IDC_LOGY)->isChecked());
        ExpectTextsFit(*d.GetHandle());
        TypeRanges(d, "0", "10", "-5", "5");
        Click(d, IDOK);
        EXPECT_TRUE(IsOpen(d)) << "0 on a log axis";
        Type(d, IDC_MINX, "0.01");
        Click(d, IDC_LOGY);
        Click(d, IDOK);
        EXPECT_TRUE(IsOpen(d)) << "-5 on a log axis";
        Click(d, IDC_LOGY);
        Click(d, IDOK);
    });
    EXPECT_EQ(result, IDOK);
    ASSERT_EQ(Ui->Boxes.size(), 2u);
    EXPECT_EQ(Ui->Boxes[0].Text, "A log axis takes only ranges above zero!");
    EXPECT_EQ(Ui->Boxes[0].Flags, MB_OK | MB_ICONEXCLAMATION);
    ExpectScale(0.01, 10, -5, 5);
    EXPECT_EQ(GraphScale.GetXKind(), TAxisKind::Log10);
    EXPECT_EQ(GraphScale.GetYKind(), TAxisKind::Linear);
}

TEST_F(ScaleDialogTest, FittingALogAxisTakesOnlyValuesAboveZero) {
    Curve({{-3, 0}, {2, 5}, {50, -1}});
    Run([](TSetScaleDial& d) {
        Click(d, IDC_FITX);
        Click(d, IDC_FITY);
        Click(d, IDC_LOGX);
        Click(d, IDOK);
    });
    ExpectScale(2, 50, -1, 5);
    EXPECT_EQ(GraphScale.GetXKind(), TAxisKind::Log10);
}

TEST_F(ScaleDialogTest, TheTenDigitsShownAreWhatOkApplies) {
    GraphScale.SetScale(0, 8668, 8668, 0, 1.0 / 3, 0, 2.0 / 3, 100);
    EXPECT_EQ(Run([](TSetScaleDial& d) { Click(d, IDOK); }), IDOK);
    ExpectScale(0.3333333333, 0.6666666667, 0, 100);
}

TEST_F(ScaleDialogTest, FittingNeedsTwoPointsInAll) {
    auto boxesEnabled = [this] {
        bool enabled[2] = {};
        Run([&](TSetScaleDial& d) {
            enabled[0] = Box(d, IDC_FITX)->isEnabled();
            enabled[1] = Box(d, IDC_FITY)->isEnabled();
        });
        EXPECT_EQ(enabled[0], enabled[1]);
        return enabled[0];
    };
    EXPECT_FALSE(boxesEnabled());
    Curve({{3, 4}});
    Curve({}); // left without a point: dropped
    EXPECT_FALSE(boxesEnabled());
    Curve({{5, 6}});
    EXPECT_TRUE(boxesEnabled());
}

TEST_F(ScaleDialogTest, OkAppliesTheTypedRanges) {
    const int result = Run([](TSetScaleDial& d) {
        TypeRanges(d, "-5", "5", "1e-3", "2.5E2");
        Click(d, IDOK);
        EXPECT_FALSE(IsOpen(d));
    });
    EXPECT_EQ(result, IDOK);
    ExpectScale(-5, 5, 0.001, 250);
    EXPECT_TRUE(Ui->Boxes.empty());
}

// Each checked box fits its range to all curves, over whatever its fields
// hold; a range whose box is clear is the one typed.
TEST_F(ScaleDialogTest, CheckedBoxesFitTheirRangesAndTheOthersAreTyped) {
    const struct {
        bool FitX, FitY;
        const char *MinX, *MaxX, *MinY, *MaxY;
        double XMin, XMax, YMin, YMax;
    } rows[] = {
        {true, true, "abc", "", "7", "7", 1, 5, 10, 20},
        {true, false, "abc", "", "-1", "1", 1, 5, -1, 1},
        {false, true, "-1", "1", "", "abc", -1, 1, 10, 20},
    };
    Curve({{2, 10}, {5, 12}});
    Curve({{1, 20}, {3, 15}});
    for (const auto& row : rows) {
        SCOPED_TRACE(testing::Message() << "fit X " << row.FitX << ", fit Y " << row.FitY);
        Run([&](TSetScaleDial& d) {
            TypeRanges(d, row.MinX, row.MaxX, row.MinY, row.MaxY);
            if (row.FitX)
                Click(d, IDC_FITX);
            if (row.FitY)
                Click(d, IDC_FITY);
            Click(d, IDOK);
        });
        ExpectScale(row.XMin, row.XMax, row.YMin, row.YMax);
    }
}

TEST_F(ScaleDialogTest, InvalidRangesKeepTheDialogOpen) {
    Curve({{4, 10}, {4, 12}}); // one X only
    GraphScale.SetScale(0, 8668, 8668, 0, -1, -2, 1, 2);
    const int result = Run([this](TSetScaleDial& d) {
        struct {
            const char *MinX, *MaxX, *MinY, *MaxY;
        } const refused[] = {
            {"1", "1", "0", "1"},          // empty
            {"0", "1", "3", "2"},          // reversed
            {"-1e400", "1e400", "0", "1"}, // a span no double holds
        };
        for (const auto& r : refused) {
            TypeRanges(d, r.MinX, r.MaxX, r.MinY, r.MaxY);
            Ui->BoxAnswers.push_back(IDOK);
            Click(d, IDOK);
            ASSERT_TRUE(IsOpen(d)) << r.MinX << " " << r.MaxX << " " << r.MinY << " " << r.MaxY;
            EXPECT_EQ(Text(d, IDC_MINX), r.MinX);
        }
        // A fitted range of no width is refused too; the fields keep what
        // was typed.
        TypeRanges(d, "0", "1", "0", "1");
        Click(d, IDC_FITX);
        Ui->BoxAnswers.push_back(IDOK);
        Click(d, IDOK);
        ASSERT_TRUE(IsOpen(d));
        EXPECT_EQ(Text(d, IDC_MINX), "0");
        EXPECT_EQ(Text(d, IDC_MAXX), "1");
        EXPECT_TRUE(Box(d, IDC_FITX)->isChecked());
        Click(d, IDCANCEL);
    });
    EXPECT_EQ(result, IDCANCEL);
    ASSERT_EQ(Ui->Boxes.size(), 5u); // the first-curve hint, then four refusals
    for (std::size_t i = 1; i < Ui->Boxes.size(); ++i) {
        EXPECT_EQ(Ui->Boxes[i].Text, "Invalid ranges!");
        EXPECT_EQ(Ui->Boxes[i].Caption, "");
        EXPECT_EQ(Ui->Boxes[i].Flags, MB_OK | MB_ICONEXCLAMATION);
    }
    ExpectScale(-1, 1, -2, 2);
}

TEST_F(ScaleDialogTest, EachFieldHoldsOneNumberAndACommaReadsAsThePoint) {
    Run([](TSetScaleDial& d) {
        TypeRanges(d, "  2.5e1 ", "1234567890123456789999", "-1,5", ".5");
        Click(d, IDOK);
    });
    ExpectScale(25, 1234567890123456789999.0, -1.5, 0.5);
}

TEST_F(ScaleDialogTest, AFieldHoldingAnythingElseIsNamedAndTakesTheFocus) {
    Curve({{1, 10}, {5, 20}});
    GraphScale.SetScale(0, 8668, 8668, 0, -1, -2, 1, 2);
    const struct {
        int Id;
        const char* Text;
        const char* Message;
    } rows[] = {
        {IDC_MINX, "1e3abc", "Invalid number in Min X!"},
        {IDC_MAXX, "2,5,1", "Invalid number in Max X!"},
        {IDC_MINY, "", "Invalid number in Min Y!"},
        {IDC_MAXY, "abc", "Invalid number in Max Y!"},
    };
    Run([&](TSetScaleDial& d) {
        for (const auto& row : rows) {
            TypeRanges(d, "0", "1", "0", "1");
            Type(d, row.Id, row.Text);
            Ui->BoxAnswers.push_back(IDOK);
            Click(d, IDOK);
            ASSERT_TRUE(IsOpen(d)) << row.Text;
            EXPECT_EQ(d.GetHandle()->focusWidget(), d.GetDlgItem(row.Id)) << row.Text;
            EXPECT_EQ(Ui->Boxes.back().Text, row.Message);
            EXPECT_EQ(Ui->Boxes.back().Flags, MB_OK | MB_ICONEXCLAMATION);
        }
        // The text of a range fitted to the curves is not read.
        TypeRanges(d, "abc", "", "0", "1");
        Click(d, IDC_FITX);
        Click(d, IDOK);
    });
    ExpectScale(1, 5, 0, 1);
}

TEST_F(ScaleDialogTest, ADecimalPointAlsoUnderACommaLocale) {
    KESTROVA_WITH_COMMA_LOCALE(comma);
    GraphScale.SetScale(0, 8668, 8668, 0, 0.25, 0, 1, 1);
    Run([](TSetScaleDial& d) {
        EXPECT_EQ(Text(d, IDC_MINX), "      0.25");
        TypeRanges(d, "-1,5", "2.5", "0", "1");
        Click(d, IDOK);
    });
    ExpectScale(-1.5, 2.5, 0, 1);
}

// Through the View menu, as a user does: tabbing from field to field and
// typing, then OK; or Cancel. The window is painted again either way.
class ScaleCommandTest : public ScaleDialogTest {
protected:
    void RunCommand(const std::function<void(QDialog&)> use) {
        QTimer::singleShot(0, [&] {
            auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
            ASSERT_NE(dialog, nullptr);
            use(*dialog);
            if (dialog->isVisible())
                dialog->reject();
        });
        Command(CM_SCALE);
    }
    // The controls Tab visits, in its order.
    static std::vector<QWidget*> TabOrder(QDialog& dialog) {
        std::vector<QWidget*> order;
        for (QWidget* w = dialog.nextInFocusChain(); w != &dialog; w = w->nextInFocusChain())
            if ((w->focusPolicy() & Qt::TabFocus) && w->isEnabled() && w->isVisible())
                order.push_back(w);
        return order;
    }
    // Marks the painted canvas; a full paint takes the mark away.
    void Mark() {
        Grab();
        Window->Canvas().setPixel(3, 3, qRgb(1, 2, 3));
    }
    bool Repainted() {
        QCoreApplication::processEvents();
        return Window->Canvas().pixel(3, 3) != qRgb(1, 2, 3);
    }
};

TEST_F(ScaleCommandTest, TabGoesThroughTheFieldsRowByRowThenTheBoxesAndButtons) {
    Curve({{1, 1}, {2, 2}});
    RunCommand([](QDialog& dialog) {
        const std::vector<QWidget*> order = TabOrder(dialog);
        ASSERT_EQ(order.size(), 8u);
        const char* const kinds[] = {"QLineEdit", "QLineEdit", "QLineEdit",   "QLineEdit",
                                     "QCheckBox", "QCheckBox", "QPushButton", "QPushButton"};
        for (std::size_t i = 0; i < order.size(); ++i)
            EXPECT_STREQ(order[i]->metaObject()->className(), kinds[i]) << i;
        // Min X, Max X, then Min Y, Max Y.
        EXPECT_LT(order[0]->x(), order[1]->x());
        EXPECT_EQ(order[0]->y(), order[1]->y());
        EXPECT_EQ(order[2]->x(), order[0]->x());
        EXPECT_GT(order[2]->y(), order[0]->y());
        EXPECT_EQ(order[3]->x(), order[1]->x());
        EXPECT_EQ(order[3]->y(), order[2]->y());
        EXPECT_EQ(static_cast<QAbstractButton*>(order[4])->text(), "Maximize X-range");
        EXPECT_EQ(static_cast<QAbstractButton*>(order[5])->text(), "Maximize Y-range");
        EXPECT_EQ(static_cast<QAbstractButton*>(order[6])->text(), "&OK");
        EXPECT_EQ(static_cast<QAbstractButton*>(order[7])->text(), "&Cancel");
        EXPECT_TRUE(static_cast<QPushButton*>(order[6])->isDefault());
    });
}

TEST_F(ScaleCommandTest, ClicksReachTheFieldsAndBoxesInsideTheFrames) {
    Curve({{1, 1}, {2, 2}});
    RunCommand([](QDialog& dialog) {
        const std::vector<QWidget*> order = TabOrder(dialog);
        ASSERT_EQ(order.size(), 8u);
        for (int i = 0; i < 6; ++i) {
            const QPoint centre = order[i]->mapTo(&dialog, order[i]->rect().center());
            QTest::mouseClick(dialog.windowHandle(), Qt::LeftButton, {}, centre);
            if (auto* box = qobject_cast<QCheckBox*>(order[i]))
                EXPECT_TRUE(box->isChecked()) << i;
            else
                EXPECT_EQ(dialog.focusWidget(), order[i]) << i;
        }
    });
}

TEST_F(ScaleCommandTest, TypedRangesApplyAndThePictureIsRepainted) {
    Mark();
    RunCommand([](QDialog& dialog) {
        const char* typed[] = {"-10", "10", "-20", "20"}; // in tab order: X then Y
        const std::vector<QWidget*> order = TabOrder(dialog);
        ASSERT_GE(order.size(), 4u);
        for (int i = 0; i < 4; ++i) {
            auto* field = qobject_cast<QLineEdit*>(order[i]);
            field->selectAll();
            QTest::keyClicks(field, QString::fromUtf8(typed[i]));
        }
        QTest::keyClick(order[3], Qt::Key_Return); // OK is the default button
        EXPECT_FALSE(dialog.isVisible());
    });
    ExpectScale(-10, 10, -20, 20);
    EXPECT_TRUE(Repainted());
}

TEST_F(ScaleCommandTest, CancelLeavesTheScaleAndRepaintsAllTheSame) {
    Mark();
    RunCommand([](QDialog& dialog) {
        const std::vector<QWidget*> order = TabOrder(dialog);
        ASSERT_GE(order.size(), 6u);
        QTest::keyClicks(order[0], "50");
        QTest::mouseClick(order.back(), Qt::LeftButton); // Cancel
        EXPECT_FALSE(dialog.isVisible());
    });
    ExpectScale(0, 100, 0, 100);
    EXPECT_TRUE(Repainted());
}

} // namespace
