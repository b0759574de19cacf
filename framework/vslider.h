#pragma once

#include <QPointer>

class QSlider;
class TSliderWidget;
class TWindow;

// Notification codes a slider sends its parent (Win32's numbers).
enum TSliderNotification : unsigned {
    TB_THUMBTRACK = 5,
    TB_ENDTRACK = 8,
};

// A vertical slider control, a child of a window: position 0 at the top,
// the maximum at the bottom. The user's moves are told to the parent
// (EvChildNotify with the slider's id); positions set by the program are
// not. A derived slider can act after the base has handled a release of
// the left button (EvLButtonUp).
class TVSlider {
public:
    TVSlider(TWindow* parent, int id, int x, int y, int width, int height);
    virtual ~TVSlider();
    TVSlider(const TVSlider&) = delete;
    TVSlider& operator=(const TVSlider&) = delete;

    void SetRange(int minValue, int maxValue);
    void SetPosition(int position);
    int GetPosition() const;
    void Show(bool visible);
    bool IsVisible() const;
    void MoveWindow(int x, int y, int width, int height);
    int GetWidth() const;
    int GetHeight() const;
    int GetX() const;
    int GetY() const;
    int GetId() const { return Id; }

    virtual void EvLButtonUp();

    QSlider* GetHandle() const;

private:
    friend class TSliderWidget;
    void Notify(unsigned code);

    TWindow* Parent;
    int Id;
    QPointer<TSliderWidget> Widget;
    bool Quiet = false;
};
