#include "framework/window.h"

#include "framework/canvasdc.h"
#include "framework/cursors.h"
#include "framework/decoratedframe.h"
#include "framework/gdi/messagebox.h"
#include "framework/gdi/usermessage.h"
#include "framework/userinterface.h"
#include "framework/windowwidget.h"

#include <QApplication>
#include <QCursor>
#include <QFontMetrics>
#include <QPainter>
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
void TWindow::EvMouseWheel(const TPoint&, int) {}
bool TWindow::EvKeyDown(unsigned, unsigned) {
    return false;
}
void TWindow::EvCommand(int) {}
void TWindow::EvCommandEnable(TCommandEnabler&) {}
void TWindow::EvChildNotify(int, unsigned) {}
void TWindow::EvDropFiles(const std::vector<std::string>&) {}

void TWindow::DragAcceptFiles(bool accept) {
    if (Widget)
        Widget->setAcceptDrops(accept);
}

QWidget* TWindow::GetHandle() const {
    return Widget;
}

TPoint TWindow::GetPointerPos() const {
    if (!Widget)
        return {};
    const QPoint p = Widget->mapFromGlobal(QCursor::pos());
    return {p.x(), p.y()};
}

void TWindow::SetPointerPos(const TPoint& client) {
    if (Widget)
        QCursor::setPos(Widget->mapToGlobal(QPoint(client.X, client.Y)));
}

TPoint TWindow::ClientToScreen(const TPoint& client) const {
    if (!Widget)
        return client;
    const QPoint p = Widget->mapToGlobal(QPoint(client.X, client.Y));
    return {p.x(), p.y()};
}

void TWindow::SetFocus() {
    if (Widget) {
        Widget->setFocusPolicy(Qt::StrongFocus);
        Widget->setFocus();
    }
}

void TWindow::MakeToolWindow(const std::string& title, TSize clientSize) {
    if (!Widget)
        return;
    QWidget* owner = Parent ? Parent->GetHandle() : nullptr;
    Widget->setParent(owner ? owner->window() : nullptr,
                      Qt::Tool | Qt::WindowDoesNotAcceptFocus);
    Widget->setAttribute(Qt::WA_ShowWithoutActivating);
    Widget->setWindowTitle(QString::fromStdString(title));
    Widget->resize(clientSize.Cx, clientSize.Cy);
}

void TWindow::Show(bool visible) {
    if (Widget)
        Widget->setVisible(visible);
}

bool TWindow::IsVisible() const {
    return Widget && Widget->isVisible();
}

TRect TWindow::GetWindowRect() const {
    if (!Widget)
        return {};
    const QRect r = Widget->frameGeometry();
    return {r.left(), r.top(), r.left() + r.width(), r.top() + r.height()};
}

void TWindow::MoveWindowTo(const TPoint& screen) {
    if (Widget)
        Widget->move(screen.X, screen.Y);
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
    {
        TCanvasDC dc(canvas);
        Painting = true;
        Paint(dc, true, GetClientRect());
        Painting = false;
    }
    PaintOverlayText(canvas);
    if (!DeferredBoxes.empty())
        QMetaObject::invokeMethod(Widget, [this] { ShowDeferredBoxes(); }, Qt::QueuedConnection);
}

void TWindow::PaintOverlayText(QImage& canvas) const {
    if (OverlayText.empty())
        return;
    QPainter painter(&canvas);
    const QString text = QString::fromStdString(OverlayText);
    const QFontMetrics metrics(painter.font());
    const int height = metrics.height() + 2;
    const QRect box(0, canvas.height() - height, canvas.width(), height);
    painter.fillRect(box, Qt::white);
    painter.setPen(Qt::black);
    painter.drawText(box.adjusted(3, 0, -3, 0), Qt::AlignVCenter | Qt::AlignLeft, text);
}

int TWindow::GetDragDistance() {
    return QApplication::startDragDistance();
}
