#pragma once

#include <QSlider>

class TVSlider;

// The Qt side of a TVSlider: tells it when the left button was released.
class TSliderWidget : public QSlider {
public:
    TSliderWidget(TVSlider& owner, QWidget* parent);

    void Detach() { Owner = nullptr; }

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    TVSlider* Owner;
};
