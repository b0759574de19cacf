#pragma once

#include <QPointer>

#include <map>
#include <string>

class QDialog;
class QWidget;
class TWindow;
struct TDialogTemplate;

// A dialog made from a dialog template: controls placed in dialog units
// (x times a quarter of the dialog font's average character width, y times
// an eighth of its height). Button 1 (OK) asks CanClose and closes on yes;
// button 2, Esc and the close box close without asking. Execute runs it
// modally; Create and Show make a modeless window, at most one at a time.
// Its window exists while it is shown; SetupWindow runs each time one is
// made.
class TDialog {
public:
    TDialog(TWindow* parent, const char* templateName);
    virtual ~TDialog();
    TDialog(const TDialog&) = delete;
    TDialog& operator=(const TDialog&) = delete;

    virtual void SetupWindow() {}
    virtual bool CanClose() { return true; }

    // Modal: answers IDOK or IDCANCEL.
    int Execute();
    // Modeless: makes the window if it does not exist yet.
    void Create();
    void Show();
    bool IsWindow() const;

    void SetDlgItemText(int id, const std::string& text);
    // At most maxChars characters of the control's text.
    std::string GetDlgItemText(int id, int maxChars) const;
    void CheckDlgButton(int id, bool checked);
    bool IsDlgButtonChecked(int id) const;
    void EnableDlgItem(int id, bool enabled);
    QWidget* GetDlgItem(int id) const;
    // Puts the keyboard focus on the control, its text selected when it is
    // an edit field, so typing replaces it.
    void FocusDlgItem(int id);

    QDialog* GetHandle() const;

private:
    void Build();
    void Ok();

    TWindow* Parent;
    const TDialogTemplate* Template;
    QPointer<QDialog> Window;
    std::map<int, QPointer<QWidget>> Items;
};
