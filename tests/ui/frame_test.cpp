#include "uitest.h"

#include "app/aboutdial.h"
#include "app/globals.h"
#include "framework/buttongadget.h"
#include "framework/decoratedframe.h"
#include "framework/gdi/messagebox.h"
#include "framework/helpviewer.h"

#include <QAction>
#include <QDialog>
#include <QFontMetrics>
#include <QLabel>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QStatusBar>
#include <QTest>
#include <QTextBrowser>
#include <QToolBar>
#include <QToolButton>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <vector>

namespace {

using FrameTest = UiTest;

QStringList ItemTexts(QMenu* menu) {
    QStringList texts;
    for (QAction* action : menu->actions())
        texts << (action->isSeparator() ? QStringLiteral("-") : action->text());
    return texts;
}

TEST_F(FrameTest, OpensMaximizedWithMenuOnTopAndToolBarAboveStatusBar) {
    QMainWindow* main = Frame->GetHandle();
    EXPECT_TRUE(main->isMaximized());
    EXPECT_EQ(main->windowTitle(), "Kestrova");
    QToolBar* toolBar = main->findChild<QToolBar*>();
    ASSERT_NE(toolBar, nullptr);
    EXPECT_EQ(main->toolBarArea(toolBar), Qt::BottomToolBarArea);
    const QWidget* client = Window->GetHandle();
    EXPECT_LT(main->menuBar()->geometry().bottom(), client->geometry().top());
    EXPECT_LE(client->geometry().bottom(), toolBar->geometry().top());
    EXPECT_LE(toolBar->geometry().bottom(), main->statusBar()->geometry().top());
}

TEST_F(FrameTest, MenuHasTheCommandsInOrderWithTheirInitialStates) {
    QMenuBar* bar = Frame->GetHandle()->menuBar();
    QStringList titles;
    for (QAction* action : bar->actions())
        titles << action->text();
    EXPECT_EQ(titles, (QStringList{"&File", "&Edit", "&View", "&Tool"}));
    // The Help title stands at the right end of the bar.
    auto* corner = qobject_cast<QMenuBar*>(bar->cornerWidget(Qt::TopRightCorner));
    ASSERT_NE(corner, nullptr);
    EXPECT_EQ(corner->actions().value(0)->text(), "&Help");

    EXPECT_EQ(ItemTexts(Popup("&File")),
              (QStringList{"&New\tCtrl+N", "Open &Data...\tCtrl+O", "Open &Image...\tCtrl+Shift+O",
                           "Save Data &As...\tCtrl+S", "-", "Import &Picture...\tCtrl+I", "-",
                           "&Recent", "-", "E&xit\tCtrl+Q"}));
    EXPECT_EQ(ItemTexts(Popup("&Edit")), (QStringList{"&Undo\tCtrl+Z", "&Redo\tCtrl+Shift+Z"}));
    EXPECT_EQ(ItemTexts(Popup("&View")),
              (QStringList{"&Scale...", "-", "&Background color...", "-", "S&ymbols", "&Lines",
                           "&Image", "-", "&Axis values", "-", "Zoom I&n\tCtrl++",
                           "Zoom &Out\tCtrl+-", "Bac&k\tAlt+Left", "&Forward\tAlt+Right", "-",
                           "Lou&pe\tCtrl+L", "-", "&True Colours"}));
    EXPECT_EQ(ItemTexts(Popup("&Tool")), (QStringList{"&Draw", "-", "&Calibrate..."}));
    EXPECT_EQ(ItemTexts(Popup("&Help")), (QStringList{"&Contents\tF1", "-", "&About..."}));

    EXPECT_TRUE(MenuAction(CM_SYMBOLS)->isChecked());
    EXPECT_TRUE(MenuAction(CM_LINES)->isChecked());
    EXPECT_FALSE(MenuAction(CM_IMAGE)->isChecked());
    EXPECT_TRUE(MenuAction(CM_AXISVALUES)->isChecked());
    EXPECT_FALSE(MenuAction(CM_TRUECOLOURS)->isChecked());
    EXPECT_FALSE(MenuAction(CM_SAVEDATAAS)->isEnabled());
    EXPECT_FALSE(MenuAction(CM_IMAGE)->isEnabled());
}

TEST_F(FrameTest, ToolBarAndStatusBarHoldTheirGadgetsInOrder) {
    QToolBar* toolBar = Frame->GetHandle()->findChild<QToolBar*>();
    QList<int> widths;
    QList<QSize> glyphs;
    for (QAction* action : toolBar->actions()) {
        QWidget* widget = toolBar->widgetForAction(action);
        if (auto* button = widget->findChild<QToolButton*>()) {
            glyphs << button->iconSize();
            // Shown at its own size, not shrunk to the bar's icon size.
            EXPECT_GE(button->width(), button->iconSize().width());
            EXPECT_GE(button->height(), button->iconSize().height());
        } else {
            widths << widget->width();
        }
    }
    EXPECT_EQ(widths, (QList<int>{6, 6, 6, 12, 6}));
    EXPECT_EQ(glyphs, (QList<QSize>{{100, 30}, {100, 30}, {50, 30}, {50, 30}, {80, 30}, {30, 30}}));
    ASSERT_NE(DrawButton, nullptr);
    EXPECT_EQ(DrawButton->GetCommand(), CM_DRAW);

    // Buttons start released; enabling follows the commands' rules.
    EXPECT_TRUE(ToolButton(CM_SCALE)->isEnabled());
    EXPECT_TRUE(ToolButton(CM_DRAW)->isEnabled());
    EXPECT_FALSE(ToolButton(CM_DELETELASTPOINT)->isEnabled());
    EXPECT_FALSE(ToolButton(CM_RECALL)->isEnabled());
    EXPECT_FALSE(ToolButton(CM_DRAW)->isChecked());

    QStringList panes;
    for (QLabel* label : Frame->GetHandle()->statusBar()->findChildren<QLabel*>())
        if (label->frameShadow() == QFrame::Sunken)
            panes << label->text();
    EXPECT_EQ(panes, (QStringList{"X=?", "Y=?", "Ready"}));
}

// Each pane shows the longest texts it can be given whole, with any digit
// in every place. CTest runs this once more at a scale factor of 2.
TEST_F(FrameTest, PanesShowTheirLongestTextsWhole) {
    if (const char* factor = std::getenv("QT_SCALE_FACTOR")) {
        ASSERT_EQ(Frame->GetHandle()->devicePixelRatioF(), std::atof(factor));
    }
    std::vector<QStringList> texts(3);
    for (char d = '0'; d <= '9'; ++d) {
        const QString digit(d);
        for (const char* axis : {"X", "Y"}) {
            const QString ten = digit.repeated(10);
            const QString number =
                QStringLiteral("-%1.%2e-1%3").arg(digit, ten.left(9), ten.left(2));
            texts[*axis == 'X' ? 0 : 1] << axis + QStringLiteral("=") + number
                                        << axis + QStringLiteral("=-0.000") + ten;
        }
        texts[2] << QStringLiteral("Point deleted. Curves: %1  Points: %2")
                        .arg(digit.repeated(2), digit.repeated(10));
    }
    texts[2] << "Ready" << "Rotation done." << "No data loaded." << "Use LEFT button to draw."
             << "RIGHT button to stretch, SLIDER to rotate image";
    const auto panes = Frame->GetHandle()->statusBar()->findChildren<QLabel*>();
    ASSERT_EQ(panes.size(), 3);
    for (int i = 0; i < 3; ++i) {
        const QFontMetrics metrics = panes[i]->fontMetrics();
        // A framed label indents its text by half an 'x'.
        const int room = panes[i]->contentsRect().width() - metrics.horizontalAdvance(u'x') / 2;
        for (const QString& text : texts[i])
            EXPECT_LE(metrics.horizontalAdvance(text), room) << text.toStdString();
    }
}

TEST_F(FrameTest, HintsFollowTheHighlightedItemPopupAndButton) {
    QMenuBar* bar = Frame->GetHandle()->menuBar();
    QMenu* view = Popup("&View");
    QTest::mouseMove(bar, bar->actionGeometry(view->menuAction()).center());
    QTest::mouseClick(bar, Qt::LeftButton, {}, bar->actionGeometry(view->menuAction()).center());
    ASSERT_TRUE(QTest::qWaitFor([&] { return view->isVisible(); }));
    EXPECT_EQ(Hint(), "Change scale, view modes");
    QTest::mouseMove(view, view->actionGeometry(MenuAction(CM_SYMBOLS)).center());
    EXPECT_EQ(Hint(), "Display a symbol at each data point");
    const QList<QAction*> items = view->actions();
    const auto separator =
        std::find_if(items.begin(), items.end(), [](const QAction* a) { return a->isSeparator(); });
    ASSERT_NE(separator, items.end());
    QTest::mouseMove(view, view->actionGeometry(*separator).center());
    EXPECT_EQ(Hint(), "") << "a separator shows no hint";
    view->hide();
    EXPECT_EQ(Hint(), "");

    QToolButton* del = ToolButton(CM_DELETELASTPOINT);
    QEnterEvent enter(QPointF(5, 5), QPointF(5, 5), QPointF(5, 5));
    QCoreApplication::sendEvent(del, &enter);
    EXPECT_EQ(Hint(), "Delete last point drawn or read");
    QEvent leave(QEvent::Leave);
    QCoreApplication::sendEvent(del, &leave);
    EXPECT_EQ(Hint(), "");
}

TEST_F(FrameTest, F1AndHelpContentsOpenTheViewerAndClosingLetsItGo) {
    QMainWindow* main = Frame->GetHandle();
    main->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(main));
    QTest::keyClick(main, Qt::Key_F1);
    ASSERT_NE(HelpViewerWindow(), nullptr);
    EXPECT_TRUE(HelpViewerWindow()->isVisible());
    HelpViewerWindow()->close();
    QCoreApplication::processEvents();
    Command(CM_HELPCONTENTS);
    ASSERT_NE(HelpViewerWindow(), nullptr);
    EXPECT_TRUE(HelpViewerWindow()->isVisible());
    main->close();
    EXPECT_TRUE(HelpViewerWindow() == nullptr || !HelpViewerWindow()->isVisible());
}

TEST_F(FrameTest, AboutIsModelessAndOneWindowForItsObject) {
    Command(CM_ABOUT);
    ASSERT_TRUE(Probe().AboutDialog()->IsWindow());
    QDialog* about = Probe().AboutDialog()->GetHandle();
    EXPECT_TRUE(about->isVisible());
    EXPECT_FALSE(about->isModal());
    EXPECT_EQ(about->windowTitle(), "About");
    EXPECT_NE(Probe().AboutDialog()->GetDlgItemText(IDC_ABOUTTEXT, 240).find("Kestrova"),
              std::string::npos);
    ExpectTextsFit(*about);
    Command(CM_ABOUT);
    EXPECT_EQ(Probe().AboutDialog()->GetHandle(), about);
    EXPECT_EQ(Frame->GetHandle()->findChildren<QDialog*>().size(), 1);
    // Ok closes it; the next command shows it again.
    QTest::mouseClick(Probe().AboutDialog()->GetDlgItem(IDOK), Qt::LeftButton);
    EXPECT_FALSE(about->isVisible());
    Command(CM_ABOUT);
    EXPECT_TRUE(Probe().AboutDialog()->GetHandle()->isVisible());
}

TEST_F(FrameTest, ClosingAsksOnlyWhileCurvesAreUnsaved) {
    QMainWindow* main = Frame->GetHandle();
    EXPECT_TRUE(main->close()); // no curves: no question
    EXPECT_TRUE(Ui->Boxes.empty());

    main->show();
    BeginCurve();
    AddPoint(1, 1);
    Ui->BoxAnswers.push_back(IDNO);
    EXPECT_FALSE(main->close());
    ASSERT_EQ(Ui->Boxes.size(), 2u);
    EXPECT_EQ(Ui->Boxes[1].Text, "Close Kestrova?");
    EXPECT_EQ(Ui->Boxes[1].Caption, "Close");
    EXPECT_EQ(Ui->Boxes[1].Flags, MB_YESNO | MB_ICONQUESTION | MB_DEFBUTTON2);

    Probe().MarkDataSaved(); // as after Save Data As
    EXPECT_TRUE(main->close());
    EXPECT_EQ(Ui->Boxes.size(), 2u);

    main->show();
    AddPoint(2, 2); // drawn since the save
    Ui->BoxAnswers.push_back(IDYES);
    EXPECT_TRUE(main->close());
}

TEST_F(FrameTest, FirstStartAsksOnceAboutThe3dControls) {
    StopApp();
    std::filesystem::remove(ConfigDir / "kestrova.ini");
    Ui->BoxAnswers.push_back(IDYES);
    StartApp();
    ASSERT_EQ(Ui->Boxes.size(), 1u);
    EXPECT_EQ(Ui->Boxes[0].Text.rfind("Sorry, cannot use Microsoft 3-D Controls Library", 0), 0u);
    EXPECT_EQ(Ui->Boxes[0].Caption, "Kestrova Ctl3d error");
    EXPECT_EQ(Ui->Boxes[0].Flags, MB_YESNO | MB_ICONQUESTION | MB_DEFBUTTON2);
    StopApp();
    EXPECT_EQ(IniText().rfind("[Startup]\nShowCtl3DError=0\n", 0), 0u);
    StartApp();
    EXPECT_EQ(Ui->Boxes.size(), 1u) << "not asked again";
}

} // namespace
