#pragma once

#include <QMainWindow>

class TDecoratedFrame;

// The Qt side of a TDecoratedFrame: asks the frame before it closes.
class TFrameWidget : public QMainWindow {
public:
    explicit TFrameWidget(TDecoratedFrame& frame) : Frame(frame) {}

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    TDecoratedFrame& Frame;
};
