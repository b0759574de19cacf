#include "scripteduserinterface.h"

#include "framework/gdi/messagebox.h"
#include "framework/qtuserinterface.h"

#include <gtest/gtest.h>

int TScriptedUserInterface::MessageBox(TWindow*, const std::string& text,
                                       const std::string& caption, unsigned flags) {
    Boxes.push_back({text, caption, flags});
    if (DuringBox)
        DuringBox();
    if (BoxAnswers.empty()) {
        ADD_FAILURE() << "unexpected message box \"" << caption << "\": " << text;
        return IDCANCEL;
    }
    const int answer = BoxAnswers.front();
    BoxAnswers.pop_front();
    return answer;
}

bool TScriptedUserInterface::GetFileName(TWindow* owner, const TOpenSaveDialog::TData& data,
                                         bool save, std::string& chosen) {
    FileDialogs.push_back({data, save});
    if (RealFileDialogs)
        return TQtUserInterface().GetFileName(owner, data, save, chosen);
    if (FileAnswers.empty()) {
        ADD_FAILURE() << "unexpected file dialog";
        return false;
    }
    const std::optional<std::string> answer = FileAnswers.front();
    FileAnswers.pop_front();
    if (answer)
        chosen = *answer;
    return answer.has_value();
}

bool TScriptedUserInterface::ChooseColor(TWindow*, TChooseColorDialog::TData& data) {
    OfferedCustomColors.assign(data.CustColors, data.CustColors + 16);
    if (ColorAnswers.empty()) {
        ADD_FAILURE() << "unexpected colour dialog";
        return false;
    }
    const std::optional<TColor> answer = ColorAnswers.front();
    ColorAnswers.pop_front();
    if (answer)
        data.Color = *answer;
    return answer.has_value();
}
