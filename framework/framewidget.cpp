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
