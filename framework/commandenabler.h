#pragma once

#include <optional>
#include <string>
#include <utility>

// The question "may this command run now?", asked of the window that handles
// commands before a menu opens and when idle for the tool-bar buttons. A
// command nobody answers for stays enabled. For a menu item the answer may
// also give the item's text (an ampersand marks the access letter) and check
// mark, and hide the item; items nobody says that of stay as they are.
class TCommandEnabler {
public:
    explicit TCommandEnabler(int id) : Id(id) {}

    int GetId() const { return Id; }
    void Enable(bool enable) { Enabled = enable; }
    bool IsEnabled() const { return Enabled; }
    // A menu item's text for now (its shortcut stays shown beside it).
    void SetText(std::string text) { Text = std::move(text); }
    const std::optional<std::string>& GetText() const { return Text; }
    void Show(bool show) { Shown = show; }
    bool IsShown() const { return Shown; }
    void SetCheck(bool checked) { Checked = checked; }
    std::optional<bool> GetCheck() const { return Checked; }

private:
    int Id;
    bool Enabled = true;
    bool Shown = true;
    std::optional<std::string> Text;
    std::optional<bool> Checked;
};
