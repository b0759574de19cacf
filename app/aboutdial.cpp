#include "app/aboutdial.h"

#include "resources/buildinfo.h"
#include "resources/tables/ids.h"

namespace {

constexpr char AboutText[] = "Kestrova version " KESTROVA_VERSION
                             "\nA graph digitizer: it turns the curves of scanned plots into numbers.";

static_assert(sizeof(AboutText) - 1 <= 240, "the About text holds at most 240 characters");

} // namespace

TAboutDial::TAboutDial(TWindow* parent) : TDialog(parent, IDD_ABOUT) {}

void TAboutDial::SetupWindow() {
    TDialog::SetupWindow();
    SetDlgItemText(IDC_ABOUTTEXT, AboutText);
}
