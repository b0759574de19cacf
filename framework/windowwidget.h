#pragma once

#include "framework/gdi/types.h"

#include <QImage>
#include <QWidget>

class TWindow;

// The Qt side of a TWindow: holds the canvas and turns Qt's events into the
// window's GDI-style handlers. A paint event repaints the canvas only when
// the window was invalidated (or resized), then shows it.
class TWindowWidget : public QWidget {
public:
    TWindowWidget(TWindow& owner, QWidget* parent);

    void Detach() { Owner = nullptr; }
    QImage& Canvas() { return CanvasImage; }
    void RequestFullPaint() { NeedsPaint = true; }
    // Adds a box of device pixels (edges inclusive) drawn into the canvas;
    // it is shown when control is back in the event loop at the latest.
    void CanvasChanged(const TRect& box);
    // Shows what was gathered now.
    void ShowCanvasChanges();

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void EnsureCanvas();

    TWindow* Owner;
    QImage CanvasImage;
    bool NeedsPaint = true;
    TRect Gathered;
    bool HasGathered = false;
};
