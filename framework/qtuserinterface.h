#pragma once

#include "framework/userinterface.h"

// The user-interface service of a real run: QMessageBox, QFileDialog and
// QColorDialog, owned by the asking window.
class TQtUserInterface : public TUserInterface {
public:
    int MessageBox(TWindow* owner, const std::string& text, const std::string& caption,
                   unsigned flags) override;
    bool GetFileName(TWindow* owner, const TOpenSaveDialog::TData& data, bool save,
                     std::string& chosen) override;
    bool ChooseColor(TWindow* owner, TChooseColorDialog::TData& data) override;
};
