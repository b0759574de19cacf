#pragma once

#include <QMainWindow>

class TDecoratedFrame;

// The Qt side of a TDecoratedFrame: asks the frame before it closes, and
// watches the program's input so the frame can bring its buttons up to date.
class TFrameWidget : public QMainWindow {
public:
    explicit TFrameWidget(TDecoratedFrame& frame) : Frame(frame) {}

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    TDecoratedFrame& Frame;
};
