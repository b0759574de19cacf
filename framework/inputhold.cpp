#include "framework/inputhold.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QEvent>
#include <QKeyEvent>
#include <QObject>

class TInputHold::TFilter : public QObject {
public:
    bool Escaped = false;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        switch (event->type()) {
        case QEvent::KeyPress:
            if (static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape)
                Escaped = true;
            return true;
        case QEvent::Close:
            event->ignore();
            return true;
        case QEvent::KeyRelease:
        case QEvent::ShortcutOverride:
        case QEvent::Shortcut:
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonRelease:
        case QEvent::MouseButtonDblClick:
        case QEvent::MouseMove:
        case QEvent::Wheel:
        case QEvent::ContextMenu:
        case QEvent::TouchBegin:
        case QEvent::TouchUpdate:
        case QEvent::TouchEnd:
            return true;
        default:
            return QObject::eventFilter(watched, event);
        }
    }
};

TInputHold::TInputHold() : Filter(std::make_unique<TFilter>()) {
    QCoreApplication::instance()->installEventFilter(Filter.get());
}

TInputHold::~TInputHold() {
    QCoreApplication::instance()->removeEventFilter(Filter.get());
}

bool TInputHold::Pump() {
    QCoreApplication::processEvents();
    return Filter->Escaped;
}
