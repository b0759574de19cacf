#pragma once

#include "framework/userinterface.h"

#include <deque>
#include <functional>
#include <optional>
#include <string>
#include <vector>

// A user-interface service for tests: records every message box and answers
// it from a script; a box nobody scripted fails the test. Colour and file
// dialogs answer from scripts of their own (nothing scripted: a failure).
class TScriptedUserInterface : public TUserInterface {
public:
    struct TBox {
        std::string Text;
        std::string Caption;
        unsigned Flags;
    };

    int MessageBox(TWindow* owner, const std::string& text, const std::string& caption,
                   unsigned flags) override;
    bool GetFileName(TWindow* owner, const TOpenSaveDialog::TData& data, bool save,
                     std::string& chosen) override;
    bool ChooseColor(TWindow* owner, TChooseColorDialog::TData& data) override;

    std::vector<TBox> Boxes;
    std::deque<int> BoxAnswers;
    // nullopt cancels the dialog.
    std::deque<std::optional<TColor>> ColorAnswers;
    // The custom colours the last colour dialog was offered.
    std::vector<TColor> OfferedCustomColors;

    // File dialogs: the settings each was shown with, and the answers (a
    // path, or nullopt to cancel).
    struct TFileDialog {
        TOpenSaveDialog::TData Data;
        bool Save;
    };
    std::vector<TFileDialog> FileDialogs;
    std::deque<std::optional<std::string>> FileAnswers;
    // Shows the program's real file dialogs instead (still recorded).
    bool RealFileDialogs = false;
    // Runs while a message box is up, before it is answered, as the event
    // loop of a real box would (a repaint, a resize).
    std::function<void()> DuringBox;
};
