#include "framework/window.h"

#include "framework/canvasdc.h"
#include "framework/cursors.h"
#include "framework/decoratedframe.h"
#include "framework/gdi/messagebox.h"
#include "framework/gdi/usermessage.h"
#include "framework/userinterface.h"
#include "framework/windowwidget.h"

#include <QApplication>
#include <QMetaObject>

TWindow::TWindow(TWindow* parent)
    : Parent(parent), Widget(new TWindowWidget(*this, parent ? parent->GetHandle() : nullptr)) {}

TWindow::~TWindow() {
    if (Widget) {
        Widget->Detach();
        delete Widget;
    }
}

void TWindow::Create() {
    if (Created)
        return;
    Created = true;
    SetupWindow();
}

void TWindow::Paint(TDC&, bool, const TRect&) {}
void TWindow::EvSize(const TSize&) {}
void TWindow::EvLButtonDown(const TPoint&) {}
void TWindow::EvLButtonUp(const TPoint&) {}
void TWindow::EvLButtonDblClk(const TPoint&) {}
void TWindow::EvMouseMove(const TPoint&) {}
void TWindow::EvRButtonDown(const TPoint&) {}
void TWindow::EvRButtonUp(const TPoint&) {}
void TWindow::EvCommand(int) {}
void TWindow::EvCommandEnable(TCommandEnabler&) {}
void TWindow::EvChildNotify(int, unsigned) {}

QWidget* TWindow::GetHandle() const {
    return Widget;
}

TDecoratedFrame* TWindow::GetFrame() const {
    for (const TWindow* w = this; w; w = w->Parent)
        if (w->Frame)
            return w->Frame;
    return nullptr;
}

QImage& TWindow::Canvas() {
    return Widget->Canvas();
}

void TWindow::Invalidate(bool) {
    if (!Widget)
        return;
    Widget->RequestFullPaint();
    Widget->update();
}

TRect TWindow::GetClientRect() const {
    if (!Widget)
        return {};
    return {0, 0, Widget->width(), Widget->height()};
}

void TWindow::SetBkgndColor(TColor color) {
    BkgndColor = color;
}

void TWindow::SetCursor(const char* name) {
    if (Widget)
        Widget->setCursor(LoadProgramCursor(name));
}

int TWindow::MessageBox(const std::string& text, const std::string& caption, unsigned flags) {
    constexpr unsigned ButtonsMask = 0x0Fu;
    if (Painting && (flags & ButtonsMask) == MB_OK) {
        DeferredBoxes.push_back({text, caption, flags});
        return IDOK;
    }
    return TUserInterface::Get().MessageBox(this, text, caption, flags);
}

int TWindow::MessageBox(const TUserMessage& message) {
    return MessageBox(message.Text, message.Caption, message.Flags());
}

void TWindow::ShowDeferredBoxes() {
    std::vector<TDeferredBox> boxes;
    boxes.swap(DeferredBoxes);
    for (const TDeferredBox& box : boxes)
        TUserInterface::Get().MessageBox(this, box.Text, box.Caption, box.Flags);
}

void TWindow::CheckMenuItem(int id, bool checked) {
    if (TDecoratedFrame* frame = GetFrame())
        frame->CheckMenuItem(id, checked);
}

// Erase with the erase colour, then let the window draw the whole picture.
void TWindow::PaintCanvas() {
    QImage& canvas = Widget->Canvas();
    canvas.fill(QColor(BkgndColor.Red(), BkgndColor.Green(), BkgndColor.Blue()));
    TCanvasDC dc(canvas);
    Painting = true;
    Paint(dc, true, GetClientRect());
    Painting = false;
    if (!DeferredBoxes.empty())
        QMetaObject::invokeMethod(Widget, [this] { ShowDeferredBoxes(); }, Qt::QueuedConnection);
}

int TWindow::GetDragDistance() {
    return QApplication::startDragDistance();
}
