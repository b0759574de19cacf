// Error boxes echoed to a stream while a TMessageEcho lives, and the
// service it stood in for back in place afterwards.

#include "framework/gdi/messagebox.h"
#include "framework/messageecho.h"
#include "framework/userinterface.h"

#include <gtest/gtest.h>

#include <sstream>
#include <vector>

namespace {

class TRecordingInterface : public TUserInterface {
public:
    explicit TRecordingInterface(std::vector<std::string>& shown) : Shown(shown) {}
    int MessageBox(TWindow*, const std::string& text, const std::string&, unsigned) override {
        Shown.push_back(text);
        return IDNO;
    }
    bool GetFileName(TWindow*, const TOpenSaveDialog::TData&, bool, std::string&) override {
        return false;
    }
    bool ChooseColor(TWindow*, TChooseColorDialog::TData&) override { return false; }

private:
    std::vector<std::string>& Shown;
};

TEST(MessageEcho, ErrorBoxesAlsoGoToTheStreamWhileItLives) {
    std::vector<std::string> shown;
    auto previous = TUserInterface::Install(std::make_unique<TRecordingInterface>(shown));
    TUserInterface& recorder = TUserInterface::Get();
    std::ostringstream err;
    {
        const TMessageEcho echo(err, "kestrova: /tmp/a b.dat");
        TUserInterface& ui = TUserInterface::Get();
        EXPECT_EQ(ui.MessageBox(nullptr, "Unable to open file", "File Error",
                                MB_OK | MB_ICONEXCLAMATION),
                  IDNO);
        ui.MessageBox(nullptr, "Picture has 256 colours", "Note", MB_OK | MB_ICONINFORMATION);
        ui.MessageBox(nullptr, "Continue reading the file?", "", MB_OKCANCEL);
        ui.MessageBox(nullptr, "Too long line encountered", "", MB_OK | MB_ICONEXCLAMATION);
    }
    EXPECT_EQ(err.str(), "kestrova: /tmp/a b.dat: Unable to open file\n"
                         "kestrova: /tmp/a b.dat: Too long line encountered\n");
    EXPECT_EQ(shown.size(), 4u);

    EXPECT_EQ(&TUserInterface::Get(), &recorder);
    recorder.MessageBox(nullptr, "after", "", MB_OK | MB_ICONEXCLAMATION);
    EXPECT_EQ(err.str().find("after"), std::string::npos);
    TUserInterface::Install(std::move(previous));
}

} // namespace
