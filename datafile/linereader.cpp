#include "datafile/linereader.h"

#include <cstring>
#include <istream>

namespace {

constexpr std::size_t ReadAhead = 64 * 1024;

} // namespace

TLineReader::TLineReader(std::istream& in, std::size_t maxLength)
    : In(in), MaxLength(maxLength), Buffer(ReadAhead + maxLength + 2) {}

TLineReader::TResult TLineReader::Next(std::string_view& line) {
    for (;;) {
        const char* const begin = Buffer.data() + Begin;
        const std::size_t available = End - Begin;
        if (const void* feed = std::memchr(begin, '\n', available)) {
            const auto length = static_cast<std::size_t>(static_cast<const char*>(feed) - begin);
            const bool carriageReturn = length > 0 && begin[length - 1] == '\r';
            return Deliver(length - (carriageReturn ? 1 : 0), length + 1, line);
        }
        // Without a feed in sight, more than MaxLength + 1 characters (a
        // carriage return may still come before the feed) make the line too
        // long whatever follows.
        if (available > MaxLength + 1)
            return TResult::TooLong;
        if (Failed)
            return TResult::ReadError;
        if (AtEof) {
            if (available == 0)
                return TResult::End;
            return Deliver(available, available, line);
        }
        Refill();
    }
}

TLineReader::TResult TLineReader::Deliver(std::size_t length, std::size_t consumed,
                                          std::string_view& line) {
    if (length > MaxLength)
        return TResult::TooLong;
    line = std::string_view(Buffer.data() + Begin, length);
    Begin += consumed;
    ConsumedBytes += consumed;
    return TResult::Line;
}

void TLineReader::Refill() {
    const std::size_t rest = End - Begin;
    std::memmove(Buffer.data(), Buffer.data() + Begin, rest);
    Begin = 0;
    End = rest;
    const std::size_t wanted = Buffer.size() - End;
    try {
        In.read(Buffer.data() + End, static_cast<std::streamsize>(wanted));
    } catch (const std::ios_base::failure&) {
        // A stream set to throw reports its state this way; the state
        // below tells a read error from the end of the stream.
    }
    Failed = In.bad();
    // Lines that arrived before an error are still handed out.
    const auto got = static_cast<std::size_t>(In.gcount());
    End += got;
    AtEof = got < wanted;
}
