#pragma once

#include <cstddef>
#include <cstdint>
#include <iosfwd>
#include <string_view>
#include <vector>

// Hands out the lines of a data file from a stream, one at a time, through
// one read-ahead buffer it owns. A line ends at a line feed, which is not
// part of it, and so is a carriage return right in front of the feed; the
// last line need not end with a feed. A line longer than the limit, or a
// read error of the stream (as opposed to its end), ends the lines.
class TLineReader {
public:
    enum class TResult { Line, TooLong, ReadError, End };

    TLineReader(std::istream& in, std::size_t maxLength);

    // On Line, `line` holds the line until the next call.
    TResult Next(std::string_view& line);
    // The bytes of the lines handed out so far, line ends included.
    std::uint64_t Consumed() const { return ConsumedBytes; }

private:
    // Reads more after the unread rest, noting a read error or the end.
    void Refill();
    TResult Deliver(std::size_t length, std::size_t consumed, std::string_view& line);

    std::istream& In;
    std::size_t MaxLength;
    std::vector<char> Buffer;
    std::size_t Begin = 0;
    std::size_t End = 0;
    bool AtEof = false;
    bool Failed = false;
    std::uint64_t ConsumedBytes = 0;
};
