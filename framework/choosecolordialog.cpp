#include "framework/choosecolordialog.h"

#include "framework/gdi/messagebox.h"
#include "framework/userinterface.h"

int TChooseColorDialog::Execute() {
    return TUserInterface::Get().ChooseColor(Parent, Data) ? IDOK : IDCANCEL;
}
