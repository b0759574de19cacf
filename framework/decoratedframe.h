#pragma once

#include <QPointer>

#include <memory>
#include <string>

class QAction;
class QMainWindow;
class QMenu;
class TControlBar;
struct TMenuPopupTemplate;
class TFrameWidget;
class TStatusBar;
class TWindow;

// The main frame: a caption, a menu built from a menu template, keyboard
// accelerators, the client window in the middle and decorations inserted at
// the bottom, each directly below the client and above those inserted
// before. Every command goes to the client; the client is asked before a
// menu opens, and for the tool-bar buttons once the events of any input,
// command or paint are handled, whether a command is enabled; and whether
// the frame may close. The frame owns its client and
// decorations.
class TDecoratedFrame {
public:
    enum class TLocation { Bottom };
    enum class TShowCmd { Normal, Maximized };

    TDecoratedFrame(const std::string& title, std::unique_ptr<TWindow> client,
                    bool trackMenuSelection);
    ~TDecoratedFrame();
    TDecoratedFrame(const TDecoratedFrame&) = delete;
    TDecoratedFrame& operator=(const TDecoratedFrame&) = delete;

    void SetIcon(const char* iconName);
    void SetAcceleratorTable(int id);
    void AssignMenu(const char* menuName);
    TStatusBar& Insert(std::unique_ptr<TStatusBar> statusBar, TLocation where);
    TControlBar& Insert(std::unique_ptr<TControlBar> controlBar, TLocation where);

    // Makes the windows: the client's set-up runs now.
    void Create();
    void Show(TShowCmd how);

    void CheckMenuItem(int id, bool checked);
    // Sends a command to the client, then brings the buttons up to date.
    void DispatchCommand(int id);
    // The same for a shortcut key: only when the client enables the command.
    void DispatchEnabledCommand(int id);
    // Asks the client about every tool-bar button; ScheduleIdle does it
    // once the event queue is empty.
    void IdleAction();
    void ScheduleIdle();
    // The client's answer to the close request.
    bool CanClose();
    // Closes the frame as its title bar's close button does: only when the
    // client agrees, and then the program ends.
    void CloseWindow();

    TWindow* GetClientWindow() const { return Client.get(); }
    QMainWindow* GetHandle() const;
    // The menu-bar action of a command (null when the menu has none).
    QAction* FindMenuAction(int id) const;

private:
    void FillPopup(QMenu& menu, const TMenuPopupTemplate& popup);
    void EnableMenu(QMenu& menu);

    QPointer<TFrameWidget> Widget;
    std::unique_ptr<TWindow> Client;
    std::unique_ptr<TStatusBar> StatusBar;
    std::unique_ptr<TControlBar> ControlBar;
    bool TrackMenuSelection;
    bool IdlePending = false;
};
