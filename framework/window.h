#pragma once

#include "framework/gdi/types.h"

#include <QPointer>

#include <string>
#include <vector>

class QImage;
class QWidget;
class TCommandEnabler;
class TDC;
struct TUserMessage;
class TDecoratedFrame;
class TWindowWidget;

// A window of the program: a Qt widget made with the object, a backing
// canvas the size of the client area, and GDI-style virtual handlers. A
// paint erases the canvas with the erase colour and calls Paint with a
// device context on it; client device contexts draw into the same canvas
// between paints. Invalidate asks for a full paint; anything else only
// shows the canvas again. The widget belongs to Qt's parent chain; the
// object outlives it safely.
class TWindow {
public:
    explicit TWindow(TWindow* parent = nullptr);
    TWindow(const TWindow&) = delete;
    TWindow& operator=(const TWindow&) = delete;
    virtual ~TWindow();

    // Runs SetupWindow once; the frame calls it when it makes its windows.
    void Create();
    virtual void SetupWindow() {}
    virtual bool CanClose() { return true; }
    virtual void Paint(TDC& dc, bool erase, const TRect& rect);

    // Mouse points are client pixels. While a button is held the window
    // keeps getting the mouse, also outside it (the capture).
    virtual void EvSize(const TSize& size);
    virtual void EvLButtonDown(const TPoint& point);
    virtual void EvLButtonUp(const TPoint& point);
    virtual void EvLButtonDblClk(const TPoint& point);
    virtual void EvMouseMove(const TPoint& point);
    virtual void EvRButtonDown(const TPoint& point);
    virtual void EvRButtonUp(const TPoint& point);
    // The wheel turned over the window by delta (WHEEL_DELTA a notch, above
    // zero away from the user), the pointer at point.
    virtual void EvMouseWheel(const TPoint& point, int delta);
    // A key (VK_...) pressed while the window has the keyboard, with the
    // modifiers held (MK_...). False passes the key on.
    virtual bool EvKeyDown(unsigned key, unsigned modifiers);
    // A command from a menu item, button or accelerator.
    virtual void EvCommand(int id);
    // Asked before a menu opens and when idle: may the command run now?
    virtual void EvCommandEnable(TCommandEnabler& enabler);
    // A notification from the child control with that id.
    virtual void EvChildNotify(int childId, unsigned code);
    // Files dropped on the window (see DragAcceptFiles), as the system
    // names them, in the order the drag gave them. Called once the drop is
    // over, so the drag's source is not kept waiting by what they start.
    virtual void EvDropFiles(const std::vector<std::string>& files);

    // Whether files dragged over the window may be dropped on it (they
    // may not until asked for).
    void DragAcceptFiles(bool accept);

    void Invalidate(bool erase = true);
    // A line of text every paint puts over the foot of the picture, on a
    // box of its own; empty for none.
    void SetOverlayText(const std::string& text) { OverlayText = text; }
    TRect GetClientRect() const;
    // How far, in pixels, the pointer must move with a button held before
    // the platform counts it as a drag rather than a click.
    static int GetDragDistance();
    void SetBkgndColor(TColor color);
    TColor GetBkgndColor() const { return BkgndColor; }
    // Makes the named cursor resource the window's cursor.
    void SetCursor(const char* name);
    // A message box owned by this window; answers IDOK, IDYES, IDNO...
    // Asked for during a paint, a box with only an OK button is shown as
    // soon as the paint is over (a modal box cannot run inside Qt's paint)
    // and IDOK is answered at once.
    int MessageBox(const std::string& text, const std::string& caption, unsigned flags);
    // The same for a message the domain decided on.
    int MessageBox(const TUserMessage& message);
    // Checks or unchecks an item of the menu of the frame this window is in.
    void CheckMenuItem(int id, bool checked);

    // The pointer in client pixels, and moving it there; a move sends no
    // mouse message of its own on every platform, so callers act on it.
    TPoint GetPointerPos() const;
    void SetPointerPos(const TPoint& client);
    TPoint ClientToScreen(const TPoint& client) const;
    void SetFocus();

    // Makes the window a small top-level tool window over its parent's
    // window, with a title bar the user moves it by. It never takes the
    // keyboard from the window it serves. Hidden until shown.
    void MakeToolWindow(const std::string& title, TSize clientSize);
    void Show(bool visible);
    bool IsVisible() const;
    // The outer frame of a top-level window, in screen pixels, and moving its
    // top left corner.
    TRect GetWindowRect() const;
    void MoveWindowTo(const TPoint& screen);

    TWindow* GetParent() const { return Parent; }
    QWidget* GetHandle() const;
    TDecoratedFrame* GetFrame() const;
    void SetFrame(TDecoratedFrame* frame) { Frame = frame; }
    // The canvas the client device contexts draw into.
    QImage& Canvas();

private:
    friend class TWindowWidget;
    friend class TClientDC;
    struct TDeferredBox {
        std::string Text, Caption;
        unsigned Flags;
    };
    void PaintCanvas();
    void PaintOverlayText(QImage& canvas) const;
    void ShowDeferredBoxes();

    TWindow* Parent;
    TDecoratedFrame* Frame = nullptr;
    QPointer<TWindowWidget> Widget;
    TColor BkgndColor{255, 255, 255};
    bool Created = false;
    bool Painting = false;
    std::vector<TDeferredBox> DeferredBoxes;
    std::string OverlayText;
};
