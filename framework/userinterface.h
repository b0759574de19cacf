#pragma once

#include "framework/choosecolordialog.h"
#include "framework/opensavedialog.h"

#include <memory>
#include <string>

class TWindow;

// The one door through which the program asks the user something: message
// boxes, file dialogs and the colour dialog. The process has one installed
// service; the real one shows Qt dialogs, tests install a scripted one.
class TUserInterface {
public:
    virtual ~TUserInterface();

    // Buttons, icon and default button from MB_* flags; an empty caption
    // shows "Error". Answers the IDOK/IDYES/IDNO... of the button pressed.
    virtual int MessageBox(TWindow* owner, const std::string& text, const std::string& caption,
                           unsigned flags) = 0;
    // False when cancelled; otherwise the chosen path in `chosen`.
    virtual bool GetFileName(TWindow* owner, const TOpenSaveDialog::TData& data, bool save,
                             std::string& chosen) = 0;
    // False when cancelled; otherwise data.Color (and any custom colours)
    // changed as the user chose.
    virtual bool ChooseColor(TWindow* owner, TChooseColorDialog::TData& data) = 0;

    static TUserInterface& Get();
    // Makes `service` the process's service; returns the one it replaces.
    static std::unique_ptr<TUserInterface> Install(std::unique_ptr<TUserInterface> service);
};
