#include "framework/framewidget.h"

#include "framework/decoratedframe.h"

#include <QCloseEvent>
#include <QCoreApplication>

void TFrameWidget::closeEvent(QCloseEvent* event) {
    if (!Frame.CanClose()) {
        event->ignore();
        return;
    }
    event->accept();
    QCoreApplication::quit();
}

// Input to any widget of the program (the drawing window, its slider, a
// dialog) may change what commands can run; the frame asks again about its
// buttons once the event has been handled.
bool TFrameWidget::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
    case QEvent::Wheel:
        Frame.ScheduleIdle();
        break;
    default:
        break;
    }
    return QMainWindow::eventFilter(watched, event);
}
