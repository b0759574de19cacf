#include "framework/windowwidget.h"

#include "framework/decoratedframe.h"
#include "framework/keys.h"
#include "framework/window.h"

#include <QDropEvent>
#include <QMimeData>
#include <QKeyEvent>
#include <QMetaObject>
#include <QMouseEvent>
#include <QPainter>
#include <QUrl>

#include <string>
#include <vector>

#include <algorithm>

namespace {

TPoint ClientPoint(const QMouseEvent* event) {
    const QPoint p = event->position().toPoint();
    return {p.x(), p.y()};
}

// The local files a drag carries, as the system names them (the URL's
// escaped bytes, so a name that is not UTF-8 comes through whole); links
// to anything else are left out.
std::vector<std::string> LocalFiles(const QMimeData* data) {
    std::vector<std::string> files;
    if (!data || !data->hasUrls())
        return files;
    const QList<QUrl> urls = data->urls();
    for (const QUrl& url : urls)
        if (url.isLocalFile())
            files.push_back(
                QByteArray::fromPercentEncoding(url.path(QUrl::FullyEncoded).toLatin1()).toStdString());
    return files;
}

unsigned VirtualKey(int key) {
    switch (key) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return VK_RETURN;
    case Qt::Key_Escape:
        return VK_ESCAPE;
    case Qt::Key_Space:
        return VK_SPACE;
    case Qt::Key_Left:
        return VK_LEFT;
    case Qt::Key_Up:
        return VK_UP;
    case Qt::Key_Right:
        return VK_RIGHT;
    case Qt::Key_Down:
        return VK_DOWN;
    default:
        return 0;
    }
}

unsigned KeyModifiers(Qt::KeyboardModifiers modifiers) {
    return (modifiers & Qt::ShiftModifier ? MK_SHIFT : 0u) |
           (modifiers & Qt::ControlModifier ? MK_CONTROL : 0u);
}

} // namespace

TWindowWidget::TWindowWidget(TWindow& owner, QWidget* parent) : QWidget(parent), Owner(&owner) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true);
}

void TWindowWidget::EnsureCanvas() {
    if (CanvasImage.size() != size()) {
        CanvasImage = QImage(size(), QImage::Format_RGB32);
        NeedsPaint = true;
    }
}

void TWindowWidget::CanvasChanged(const TRect& box) {
    if (HasGathered) {
        Gathered.Left = std::min(Gathered.Left, box.Left);
        Gathered.Top = std::min(Gathered.Top, box.Top);
        Gathered.Right = std::max(Gathered.Right, box.Right);
        Gathered.Bottom = std::max(Gathered.Bottom, box.Bottom);
        return;
    }
    Gathered = box;
    HasGathered = true;
    // A context that lives on (a drag's) is shown between its events.
    QMetaObject::invokeMethod(this, &TWindowWidget::ShowCanvasChanges, Qt::QueuedConnection);
}

void TWindowWidget::ShowCanvasChanges() {
    if (!HasGathered)
        return;
    HasGathered = false;
    update(QRect(QPoint(Gathered.Left, Gathered.Top), QPoint(Gathered.Right, Gathered.Bottom)));
}

void TWindowWidget::paintEvent(QPaintEvent* event) {
    EnsureCanvas();
    if (NeedsPaint && Owner) {
        NeedsPaint = false;
        Owner->PaintCanvas();
        if (TDecoratedFrame* frame = Owner->GetFrame())
            frame->ScheduleIdle();
    }
    QPainter painter(this);
    painter.drawImage(event->rect(), CanvasImage, event->rect());
}

void TWindowWidget::resizeEvent(QResizeEvent*) {
    EnsureCanvas();
    if (Owner)
        Owner->EvSize({width(), height()});
}

void TWindowWidget::mousePressEvent(QMouseEvent* event) {
    if (!Owner)
        return;
    if (event->button() == Qt::LeftButton)
        Owner->EvLButtonDown(ClientPoint(event));
    else if (event->button() == Qt::RightButton)
        Owner->EvRButtonDown(ClientPoint(event));
}

void TWindowWidget::mouseReleaseEvent(QMouseEvent* event) {
    if (!Owner)
        return;
    if (event->button() == Qt::LeftButton)
        Owner->EvLButtonUp(ClientPoint(event));
    else if (event->button() == Qt::RightButton)
        Owner->EvRButtonUp(ClientPoint(event));
}

// The second press of a double click arrives here and not as a press.
void TWindowWidget::mouseDoubleClickEvent(QMouseEvent* event) {
    if (Owner && event->button() == Qt::LeftButton)
        Owner->EvLButtonDblClk(ClientPoint(event));
}

void TWindowWidget::mouseMoveEvent(QMouseEvent* event) {
    if (Owner)
        Owner->EvMouseMove(ClientPoint(event));
}

void TWindowWidget::dragEnterEvent(QDragEnterEvent* event) {
    if (!LocalFiles(event->mimeData()).empty())
        event->acceptProposedAction();
}

void TWindowWidget::dropEvent(QDropEvent* event) {
    std::vector<std::string> files = LocalFiles(event->mimeData());
    if (files.empty() || !Owner)
        return;
    event->acceptProposedAction();
    QMetaObject::invokeMethod(
        this,
        [this, files = std::move(files)] {
            if (Owner)
                Owner->EvDropFiles(files);
        },
        Qt::QueuedConnection);
}

void TWindowWidget::wheelEvent(QWheelEvent* event) {
    const int delta = event->angleDelta().y();
    if (!Owner || delta == 0) {
        event->ignore();
        return;
    }
    const QPoint p = event->position().toPoint();
    Owner->EvMouseWheel({p.x(), p.y()}, delta);
}

void TWindowWidget::keyPressEvent(QKeyEvent* event) {
    const unsigned key = VirtualKey(event->key());
    if (!Owner || key == 0 || !Owner->EvKeyDown(key, KeyModifiers(event->modifiers())))
        QWidget::keyPressEvent(event);
}
