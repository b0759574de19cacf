#pragma once

#include "framework/gdi/usermessage.h"

#include <functional>
#include <string>

class TCtl3dSwitch;
class TPlatformProbes;

// The 3-D controls steps, run once at start before the main window exists.
// Messages go to boxes without an owner: `ask` shows one and answers the
// button pressed.
using TAskUser = std::function<int(const TUserMessage&)>;

// Copies the library the program brings beside itself, "CTL3D32.D~~", into
// the system directory as "CTL3D32.DLL" when that is missing, keeps the
// copy's date and time, and names the new file in a box. Nothing is ever
// replaced, and whatever stops the copy is silent; a copy that fails part
// of the way is removed, so a later start can try again.
void InstallCtl3dLibrary(const TPlatformProbes& probes, const TAskUser& ask);

// Switches 3-D controls on and tests that they work. While "ShowCtl3DError"
// in the settings file is 1 (the default), controls that do not work bring
// a Yes/No question, and Yes writes 0 so it is not asked again; once they
// work again after that, 1 is written back.
void EnableCtl3dControls(TCtl3dSwitch& ctl3d, const std::string& iniFile, const TAskUser& ask);
