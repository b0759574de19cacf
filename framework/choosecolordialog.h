#pragma once

#include "framework/gdi/types.h"

class TWindow;

enum TChooseColorFlags : unsigned {
    CC_RGBINIT = 0x00000001u,
};

// The colour dialog: starts on Data.Color, offers the 16 custom colours of
// Data.CustColors and writes back the ones the user changed; Execute
// answers IDOK with the chosen colour in Data.Color, or IDCANCEL.
class TChooseColorDialog {
public:
    struct TData {
        unsigned Flags = CC_RGBINIT;
        TColor Color;
        TColor* CustColors = nullptr; // 16 entries
    };

    TChooseColorDialog(TWindow* parent, TData& data) : Parent(parent), Data(data) {}
    int Execute();

private:
    TWindow* Parent;
    TData& Data;
};
