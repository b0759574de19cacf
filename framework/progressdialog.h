#pragma once

#include <functional>
#include <string>

class TWindow;

// Told how far the work has come, from 0 to 1000; answers false once the
// user has cancelled it.
using TProgressReport = std::function<bool(int permille)>;

// Runs `work` on a thread of its own while the window stays painted and the
// wait cursor shows. When the work takes longer than about half a second a
// progress bar titled `caption` appears over `owner`, with a Cancel button;
// the work learns of a cancel through its report and is waited for all the
// same. The work must leave the user interface alone. True unless the user
// cancelled.
bool RunWithProgress(TWindow* owner, const std::string& caption,
                     const std::function<void(const TProgressReport&)>& work);
