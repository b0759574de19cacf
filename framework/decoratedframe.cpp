#include "framework/decoratedframe.h"

#include "framework/buttongadget.h"
#include "framework/commandenabler.h"
#include "framework/controlbar.h"
#include "framework/framewidget.h"
#include "framework/statusbar.h"
#include "framework/window.h"
#include "resources/tables/acceleratortable.h"
#include "resources/tables/menutemplate.h"
#include "resources/tables/stringtable.h"

#include <QCoreApplication>
#include <QIcon>
#include <QMenuBar>
#include <QShortcut>
#include <QStatusBar>
#include <QTimer>
#include <QToolBar>

#include <vector>

namespace {

constexpr char CommandProperty[] = "kestrovaCommand";

QString HintText(int id) {
    const char* text = LoadTableString(id);
    return text ? QString::fromUtf8(text) : QString();
}

int CommandOf(const QAction* action) {
    const QVariant id = action->property(CommandProperty);
    return id.isValid() ? id.toInt() : 0;
}

// The keys an accelerator may name; the plus key also answers as "=",
// the key it shares on common layouts.
std::vector<Qt::Key> QtKeys(int virtualKey) {
    switch (virtualKey) {
    case VK_F1:
        return {Qt::Key_F1};
    case VK_LEFT:
        return {Qt::Key_Left};
    case VK_RIGHT:
        return {Qt::Key_Right};
    case VK_I:
        return {Qt::Key_I};
    case VK_L:
        return {Qt::Key_L};
    case VK_N:
        return {Qt::Key_N};
    case VK_O:
        return {Qt::Key_O};
    case VK_Q:
        return {Qt::Key_Q};
    case VK_S:
        return {Qt::Key_S};
    case VK_Y:
        return {Qt::Key_Y};
    case VK_Z:
        return {Qt::Key_Z};
    case VK_OEM_PLUS:
        return {Qt::Key_Plus, Qt::Key_Equal};
    case VK_OEM_MINUS:
        return {Qt::Key_Minus};
    default:
        return {};
    }
}

QKeyCombination QtModifiers(unsigned flags, Qt::Key key) {
    Qt::KeyboardModifiers modifiers;
    if (flags & FCONTROL)
        modifiers |= Qt::ControlModifier;
    if (flags & FSHIFT)
        modifiers |= Qt::ShiftModifier;
    if (flags & FALT)
        modifiers |= Qt::AltModifier;
    return QKeyCombination(modifiers, key);
}

} // namespace

TDecoratedFrame::TDecoratedFrame(const std::string& title, std::unique_ptr<TWindow> client,
                                 bool trackMenuSelection)
    : Widget(new TFrameWidget(*this)), Client(std::move(client)),
      TrackMenuSelection(trackMenuSelection) {
    Widget->setWindowTitle(QString::fromStdString(title));
    Widget->setCentralWidget(Client->GetHandle());
    Client->SetFrame(this);
    if (QCoreApplication* application = QCoreApplication::instance())
        application->installEventFilter(Widget);
}

// The widgets go first (Qt deletes the client's widget and the bars with
// the main window), then the client object and the decorations.
TDecoratedFrame::~TDecoratedFrame() {
    delete Widget;
    Client.reset();
}

QMainWindow* TDecoratedFrame::GetHandle() const {
    return Widget;
}

void TDecoratedFrame::SetIcon(const char* iconName) {
    Widget->setWindowIcon(QIcon(QStringLiteral(":/icons/%1.png").arg(QString::fromLatin1(iconName))));
}

void TDecoratedFrame::SetAcceleratorTable(int id) {
    const TAcceleratorTable* table = FindAcceleratorTable(id);
    if (!table)
        return;
    for (int i = 0; i < table->Count; ++i) {
        const TAcceleratorTemplate& entry = table->Entries[i];
        const int command = entry.Command;
        for (Qt::Key key : QtKeys(entry.VirtualKey)) {
            auto* shortcut = new QShortcut(QKeySequence(QtModifiers(entry.Flags, key)), Widget);
            shortcut->setContext(Qt::ApplicationShortcut);
            QObject::connect(shortcut, &QShortcut::activated, Widget,
                             [this, command] { DispatchEnabledCommand(command); });
        }
    }
}

void TDecoratedFrame::AssignMenu(const char* menuName) {
    const TMenuTemplate* menu = FindMenuTemplate(menuName);
    if (!menu)
        return;
    QMenuBar* bar = Widget->menuBar();
    for (int p = 0; p < menu->PopupCount; ++p) {
        const TMenuPopupTemplate& popup = menu->Popups[p];
        // A leading backspace moves the title to the right end of the bar.
        const bool rightAligned = popup.Title[0] == '\b';
        QMenuBar* host = bar;
        if (rightAligned) {
            host = new QMenuBar(bar);
            bar->setCornerWidget(host, Qt::TopRightCorner);
        }
        QMenu* qmenu = host->addMenu(QString::fromUtf8(popup.Title + (rightAligned ? 1 : 0)));
        FillPopup(*qmenu, popup);
        QObject::connect(qmenu, &QMenu::aboutToHide, Widget, [this] {
            if (StatusBar)
                StatusBar->SetHintText(nullptr);
        });
    }
}

void TDecoratedFrame::FillPopup(QMenu& qmenu, const TMenuPopupTemplate& popup) {
    if (TrackMenuSelection && popup.ItemCount > 0)
        qmenu.menuAction()->setStatusTip(HintText(popup.Items[0].Id - 1));
    for (int i = 0; i < popup.ItemCount; ++i) {
        const TMenuItemTemplate& item = popup.Items[i];
        if (item.Popup) {
            FillPopup(*qmenu.addMenu(QString::fromUtf8(item.Text)), *item.Popup);
            continue;
        }
        if (item.Id == 0) {
            qmenu.addSeparator();
            continue;
        }
        QAction* action = qmenu.addAction(QString::fromUtf8(item.Text));
        action->setProperty(CommandProperty, item.Id);
        if (TrackMenuSelection)
            action->setStatusTip(HintText(item.Id));
        action->setCheckable(item.Checked);
        action->setChecked(item.Checked);
        action->setEnabled(!item.Grayed);
        const int command = item.Id;
        QObject::connect(action, &QAction::triggered, Widget,
                         [this, command] { DispatchCommand(command); });
    }
    QObject::connect(&qmenu, &QMenu::aboutToShow, Widget, [this, &qmenu] { EnableMenu(qmenu); });
}

TStatusBar& TDecoratedFrame::Insert(std::unique_ptr<TStatusBar> statusBar, TLocation) {
    StatusBar = std::move(statusBar);
    Widget->setStatusBar(StatusBar->GetHandle());
    return *StatusBar;
}

// Qt keeps the bottom tool-bar area above the status bar, which is the
// order a later bottom insertion asks for.
TControlBar& TDecoratedFrame::Insert(std::unique_ptr<TControlBar> controlBar, TLocation) {
    ControlBar = std::move(controlBar);
    Widget->addToolBar(Qt::BottomToolBarArea, ControlBar->GetHandle());
    return *ControlBar;
}

void TDecoratedFrame::Create() {
    Client->Create();
    IdleAction();
}

void TDecoratedFrame::Show(TShowCmd how) {
    if (how == TShowCmd::Maximized)
        Widget->showMaximized();
    else
        Widget->show();
}

QAction* TDecoratedFrame::FindMenuAction(int id) const {
    const auto actions = Widget->findChildren<QAction*>();
    for (QAction* action : actions)
        if (CommandOf(action) == id)
            return action;
    return nullptr;
}

void TDecoratedFrame::CheckMenuItem(int id, bool checked) {
    if (QAction* action = FindMenuAction(id)) {
        action->setCheckable(true);
        action->setChecked(checked);
    }
}

void TDecoratedFrame::EnableMenu(QMenu& menu) {
    const auto actions = menu.actions();
    for (QAction* action : actions) {
        const int id = CommandOf(action);
        if (id == 0)
            continue;
        TCommandEnabler enabler(id);
        Client->EvCommandEnable(enabler);
        action->setEnabled(enabler.IsEnabled());
        action->setVisible(enabler.IsShown());
        // A shortcut named after the text stays.
        if (const std::optional<std::string>& text = enabler.GetText()) {
            const QString shown = action->text();
            const qsizetype tab = shown.indexOf(QLatin1Char('\t'));
            action->setText(QString::fromUtf8(*text) + (tab < 0 ? QString() : shown.mid(tab)));
        }
        if (const std::optional<bool> checked = enabler.GetCheck()) {
            action->setCheckable(true);
            action->setChecked(*checked);
        }
    }
}

void TDecoratedFrame::DispatchCommand(int id) {
    Client->EvCommand(id);
    IdleAction();
}

// A key reaches a command only while its menu item or button could: the
// menu's gray state is not kept up to date between openings.
void TDecoratedFrame::DispatchEnabledCommand(int id) {
    TCommandEnabler enabler(id);
    Client->EvCommandEnable(enabler);
    if (enabler.IsEnabled())
        DispatchCommand(id);
}

void TDecoratedFrame::IdleAction() {
    IdlePending = false;
    if (!ControlBar)
        return;
    for (const auto& button : ControlBar->Buttons()) {
        TCommandEnabler enabler(button->GetCommand());
        Client->EvCommandEnable(enabler);
        button->SetEnabled(enabler.IsEnabled());
    }
}

void TDecoratedFrame::ScheduleIdle() {
    if (IdlePending)
        return;
    IdlePending = true;
    QTimer::singleShot(0, Widget, [this] { IdleAction(); });
}

void TDecoratedFrame::CloseWindow() {
    Widget->close();
}

bool TDecoratedFrame::CanClose() {
    return Client->CanClose();
}
