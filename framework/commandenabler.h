#pragma once

#include <optional>

// The question "may this command run now?", asked of the window that handles
// commands before a menu opens and when idle for the tool-bar buttons. A
// command nobody answers for stays enabled. A menu item's check mark is set
// too when the answer says how it is to be.
class TCommandEnabler {
public:
    explicit TCommandEnabler(int id) : Id(id) {}

    int GetId() const { return Id; }
    void Enable(bool enable) { Enabled = enable; }
    bool IsEnabled() const { return Enabled; }
    void SetCheck(bool checked) { Checked = checked; }
    std::optional<bool> GetCheck() const { return Checked; }

private:
    int Id;
    bool Enabled = true;
    std::optional<bool> Checked;
};
