#pragma once

// The question "may this command run now?", asked of the window that handles
// commands before a menu opens and when idle for the tool-bar buttons. A
// command nobody answers for stays enabled.
class TCommandEnabler {
public:
    explicit TCommandEnabler(int id) : Id(id) {}

    int GetId() const { return Id; }
    void Enable(bool enable) { Enabled = enable; }
    bool IsEnabled() const { return Enabled; }

private:
    int Id;
    bool Enabled = true;
};
