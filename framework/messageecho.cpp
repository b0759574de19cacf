#include "framework/messageecho.h"

#include "framework/gdi/messagebox.h"
#include "framework/userinterface.h"

#include <ostream>

namespace {

constexpr unsigned IconMask = 0x00F0u;

} // namespace

// Passes everything to the service it stands in for, echoing error boxes.
class TMessageEcho::TEchoingInterface : public TUserInterface {
public:
    TEchoingInterface(std::unique_ptr<TUserInterface> inner, std::ostream& out, std::string prefix)
        : Inner(std::move(inner)), Out(out), Prefix(std::move(prefix)) {}

    int MessageBox(TWindow* owner, const std::string& text, const std::string& caption,
                   unsigned flags) override {
        if ((flags & IconMask) == MB_ICONEXCLAMATION)
            Out << Prefix << ": " << text << std::endl;
        return Inner->MessageBox(owner, text, caption, flags);
    }
    bool GetFileName(TWindow* owner, const TOpenSaveDialog::TData& data, bool save,
                     std::string& chosen) override {
        return Inner->GetFileName(owner, data, save, chosen);
    }
    bool ChooseColor(TWindow* owner, TChooseColorDialog::TData& data) override {
        return Inner->ChooseColor(owner, data);
    }

    std::unique_ptr<TUserInterface> Release() { return std::move(Inner); }

private:
    std::unique_ptr<TUserInterface> Inner;
    std::ostream& Out;
    std::string Prefix;
};

TMessageEcho::TMessageEcho(std::ostream& out, std::string prefix) {
    TUserInterface::Get(); // makes the real service when none is installed yet
    auto echo = std::make_unique<TEchoingInterface>(TUserInterface::Install(nullptr), out,
                                                    std::move(prefix));
    Echo = echo.get();
    TUserInterface::Install(std::move(echo));
}

TMessageEcho::~TMessageEcho() {
    const std::unique_ptr<TUserInterface> echo = TUserInterface::Install(Echo->Release());
}
