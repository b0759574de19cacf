#include "uitest.h"

#include "core/curve.h"
#include "core/curveflags.h"
#include "core/graphscale.h"
#include "framework/decoratedframe.h"
#include "framework/gdi/messagebox.h"
#include "framework/gdi/recordingdc.h"
#include "image/bmpwriter.h"
#include "image/dib.h"
#include "image/imageload.h"
#include "resources/tables/stringtable.h"

#include <QAction>
#include <QCheckBox>
#include <QImage>
#include <QLabel>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QStatusBar>
#include <QTest>
#include <QToolButton>

#include <fstream>
#include <sstream>

void UiTest::SetUp() {
    setenv("XDG_CONFIG_HOME", ConfigDir.c_str(), 1);
    // As a user who answered the 3-D controls question once: the tests of
    // that question start without these settings.
    std::ofstream(ConfigDir / "kestrova.ini") << "[Startup]\nShowCtl3DError=0\n";
    ResetCurveFlags();
    GraphScale = TGraphScale();
    auto ui = std::make_unique<TScriptedUserInterface>();
    Ui = ui.get();
    TUserInterface::Install(std::move(ui));
    StartApp();
}

void UiTest::TearDown() {
    StopApp();
    EXPECT_TRUE(Ui->BoxAnswers.empty()) << "scripted answers left over";
    TUserInterface::Install(nullptr);
}

void UiTest::StartApp() {
    static int argc = 1;
    static char name[] = "kestrova";
    static char* argv[] = {name, nullptr};
    App = std::make_unique<TDrawApp>(argc, argv);
    App->InitInstance();
    Frame = App->GetMainWindow();
    Window = static_cast<TDrawWindow*>(Frame->GetClientWindow());
    ASSERT_TRUE(QTest::qWaitForWindowExposed(Frame->GetHandle()));
}

void UiTest::StopApp() {
    App.reset();
    Frame = nullptr;
    Window = nullptr;
}

QAction* UiTest::MenuAction(int id) const {
    return Frame->FindMenuAction(id);
}

QMenu* UiTest::Popup(const char* title) const {
    const auto menus = Frame->GetHandle()->findChildren<QMenu*>();
    for (QMenu* menu : menus)
        if (menu->title() == QString::fromUtf8(title))
            return menu;
    return nullptr;
}

bool UiTest::MenuItemEnabled(const char* popup, int id) {
    QMenu* menu = Popup(popup);
    EXPECT_NE(menu, nullptr) << popup;
    if (!menu)
        return false;
    menu->popup(Frame->GetHandle()->geometry().center());
    const bool enabled = MenuAction(id)->isEnabled();
    menu->hide();
    return enabled;
}

QToolButton* UiTest::ToolButton(int id) const {
    const QString hint = QString::fromUtf8(LoadTableString(id));
    const auto buttons = Frame->GetHandle()->findChildren<QToolButton*>();
    for (QToolButton* button : buttons)
        if (button->statusTip() == hint)
            return button;
    return nullptr;
}

void UiTest::Command(int id) {
    if (QAction* action = MenuAction(id)) {
        // As a user does: the popup opens (and asks the enablers) first.
        for (QMenu* menu : Frame->GetHandle()->findChildren<QMenu*>()) {
            if (menu->actions().contains(action)) {
                menu->popup(Frame->GetHandle()->geometry().center());
                menu->hide();
            }
        }
        ASSERT_TRUE(action->isEnabled()) << id;
        action->trigger();
        return;
    }
    QToolButton* button = ToolButton(id);
    ASSERT_NE(button, nullptr) << id;
    ASSERT_TRUE(button->isEnabled()) << id;
    button->click();
}

std::string UiTest::Hint() const {
    return Frame->GetHandle()->statusBar()->currentMessage().toStdString();
}

namespace {

// Pane i of the status bar, left to right, as its label shows it.
std::string PaneText(const TDecoratedFrame& frame, int i) {
    const auto panes = frame.GetHandle()->statusBar()->findChildren<QLabel*>();
    EXPECT_EQ(panes.size(), 3) << "the X, Y and message panes";
    return panes.size() > i ? panes[i]->text().toStdString() : std::string();
}

} // namespace

std::string UiTest::XPane() const {
    return PaneText(*Frame, 0);
}

std::string UiTest::YPane() const {
    return PaneText(*Frame, 1);
}

std::string UiTest::MessagePane() const {
    return PaneText(*Frame, 2);
}

void UiTest::BeginCurve() {
    if (Probe().CurrentCurve() == -1)
        Ui->BoxAnswers.push_back(IDOK);
    Command(CM_DRAW);
    ASSERT_EQ(Probe().DrawMode(), 1);
}

void UiTest::AddPoint(double x, double y) {
    Probe().AddPoint(x, y);
    Frame->IdleAction();
}

std::vector<TCurvePoint> UiTest::Points(int slot) const {
    std::vector<TCurvePoint> points;
    TCurve& curve = *Probe().Curve(slot);
    curve.Rewind();
    for (TCurvePoint p; curve.NextPoint(p);)
        points.push_back(p);
    return points;
}

void UiTest::ExpectTextsFit(const QWidget& dialog) {
    for (const QLabel* label : dialog.findChildren<QLabel*>()) {
        if (label->text().isEmpty())
            continue;
        if (label->wordWrap())
            EXPECT_LE(label->heightForWidth(label->width()), label->height())
                << label->text().toStdString();
        else
            EXPECT_LE(label->fontMetrics().horizontalAdvance(label->text()), label->width())
                << label->text().toStdString();
    }
    // A check box needs room for its mark and its text; a push button only for
    // its text (its size hint has a style minimum the template need not meet).
    for (const QCheckBox* box : dialog.findChildren<QCheckBox*>())
        EXPECT_LE(box->sizeHint().width(), box->width()) << box->text().toStdString();
    for (const QPushButton* button : dialog.findChildren<QPushButton*>()) {
        const QString text = QString(button->text()).remove(QLatin1Char('&'));
        EXPECT_LT(button->fontMetrics().horizontalAdvance(text), button->width())
            << text.toStdString();
    }
}

void UiTest::ShowImage(int width, int height, const std::vector<std::string>& notices) {
    TBmp bmp;
    bmp.Width = width;
    bmp.Height = height;
    TTempFiles files;
    TImageLoad load = LoadImage(files.Write(bmp), Probe().BackupBits());
    ASSERT_NE(load.Dib, nullptr);
    std::vector<std::string> texts;
    for (const TUserMessage& message : load.Messages)
        texts.push_back(message.Text);
    ASSERT_EQ(texts, notices);
    Probe().SetImage(std::move(load.Dib));
    Command(CM_IMAGE);
    ASSERT_TRUE(MenuAction(CM_IMAGE)->isChecked());
}

QImage UiTest::Grab() const {
    Window->Invalidate(true);
    return Window->GetHandle()->grab().toImage().convertToFormat(QImage::Format_RGB32);
}

TPoint UiTest::Device(int lx, int ly) const {
    TRecordingDC dc;
    Window->PrepareDC(dc);
    return dc.LogicalToDevice({lx, ly});
}

std::vector<TUserMessage> UiTest::BoxesShown() const {
    std::vector<TUserMessage> shown;
    for (const auto& box : Ui->Boxes)
        shown.push_back({box.Text, box.Caption, box.Flags & 0x0Fu, box.Flags & 0xF0u});
    return shown;
}

std::string UiTest::IniText() const {
    std::ifstream in(ConfigDir / "kestrova.ini");
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}
