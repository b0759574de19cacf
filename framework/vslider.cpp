#include "framework/vslider.h"

#include "framework/sliderwidget.h"
#include "framework/window.h"

#include <QMouseEvent>

TSliderWidget::TSliderWidget(TVSlider& owner, QWidget* parent)
    : QSlider(Qt::Vertical, parent), Owner(&owner) {
    setInvertedAppearance(true);
    setInvertedControls(true);
    setTickPosition(QSlider::NoTicks);
}

void TSliderWidget::mouseReleaseEvent(QMouseEvent* event) {
    QSlider::mouseReleaseEvent(event);
    if (Owner && event->button() == Qt::LeftButton)
        Owner->EvLButtonUp();
}

TVSlider::TVSlider(TWindow* parent, int id, int x, int y, int width, int height)
    : Parent(parent), Id(id), Widget(new TSliderWidget(*this, parent ? parent->GetHandle() : nullptr)) {
    Widget->setGeometry(x, y, width, height);
    QObject::connect(Widget, &QSlider::valueChanged, Widget, [this] { Notify(TB_THUMBTRACK); });
    QObject::connect(Widget, &QSlider::sliderReleased, Widget, [this] { Notify(TB_ENDTRACK); });
}

TVSlider::~TVSlider() {
    if (Widget) {
        Widget->Detach();
        delete Widget;
    }
}

void TVSlider::Notify(unsigned code) {
    if (!Quiet && Parent)
        Parent->EvChildNotify(Id, code);
}

void TVSlider::SetRange(int minValue, int maxValue) {
    Quiet = true;
    Widget->setRange(minValue, maxValue);
    Quiet = false;
}

void TVSlider::SetPosition(int position) {
    Quiet = true;
    Widget->setValue(position);
    Quiet = false;
}

int TVSlider::GetPosition() const {
    return Widget->value();
}

void TVSlider::Show(bool visible) {
    Widget->setVisible(visible);
}

bool TVSlider::IsVisible() const {
    return Widget && !Widget->isHidden();
}

void TVSlider::MoveWindow(int x, int y, int width, int height) {
    Widget->setGeometry(x, y, width, height);
}

int TVSlider::GetWidth() const {
    return Widget->width();
}

int TVSlider::GetHeight() const {
    return Widget->height();
}

int TVSlider::GetX() const {
    return Widget->x();
}

int TVSlider::GetY() const {
    return Widget->y();
}

void TVSlider::EvLButtonUp() {}

QSlider* TVSlider::GetHandle() const {
    return Widget;
}
