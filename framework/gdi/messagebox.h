#pragma once

// Message box styles and answers, with the numbers Win32 gives them. A box
// is asked for with one buttons value, optionally one icon and one default
// button, combined with |; it answers with the ID of the button pressed.

enum TMessageBoxStyle : unsigned {
    MB_OK = 0x0000u,
    MB_OKCANCEL = 0x0001u,
    MB_YESNO = 0x0004u,
    MB_ICONQUESTION = 0x0020u,
    MB_ICONEXCLAMATION = 0x0030u,
    MB_ICONINFORMATION = 0x0040u,
    MB_DEFBUTTON2 = 0x0100u,
};

enum TMessageBoxAnswer : int {
    IDOK = 1,
    IDCANCEL = 2,
    IDYES = 6,
    IDNO = 7,
};
