#include "app/aboutdial.h"

namespace {

constexpr int AboutTextId = 301;

constexpr char AboutText[] =
    "Kestrova 1.0\n\nA graph digitizer: load a scanned plot, set the scale, "
    "line the picture up and click along its curves to turn them into numbers.";

static_assert(sizeof(AboutText) - 1 <= 240, "the About text holds at most 240 characters");

} // namespace

TAboutDial::TAboutDial(TWindow* parent) : TDialog(parent, "ABOUTDIAL") {}

void TAboutDial::SetupWindow() {
    TDialog::SetupWindow();
    SetDlgItemText(AboutTextId, AboutText);
}
