#pragma once

#include <iosfwd>
#include <memory>
#include <string>

class TUserInterface;

// While it lives, every error box the program shows (one with the
// exclamation icon) is also written to a stream, as "PREFIX: TEXT" on a
// line of its own: work asked for from a shell then tells its failures
// there too. The boxes themselves show and answer as before. Made and
// ended on the user-interface thread, one at a time.
class TMessageEcho {
public:
    TMessageEcho(std::ostream& out, std::string prefix);
    ~TMessageEcho();
    TMessageEcho(const TMessageEcho&) = delete;
    TMessageEcho& operator=(const TMessageEcho&) = delete;

private:
    class TEchoingInterface;
    TEchoingInterface* Echo;
};
