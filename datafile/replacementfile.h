#pragma once

#include <filesystem>
#include <streambuf>
#include <vector>

// A stream buffer whose bytes become a file's new contents only once they
// are all written: a crash or an error on the way leaves the file as it
// was, and nothing else behind. Where the system offers it, the bytes go to
// an unnamed file in the target's folder, given a name only when complete;
// otherwise to a temporary file with a short name of its own beside the
// target, so a target name of any legal length works. Where the folder
// refuses new files but the target exists and can be written, the bytes go
// straight into it. The replacement takes the mode of the file it
// replaces. It owns the descriptor and its output buffer.
class TReplacementFile : public std::streambuf {
public:
    // The target is used as given: resolve links before.
    explicit TReplacementFile(std::filesystem::path target);
    TReplacementFile(const TReplacementFile&) = delete;
    TReplacementFile& operator=(const TReplacementFile&) = delete;
    // Discards what was written unless it was committed.
    ~TReplacementFile() override;

    // False when nothing can be written to the target: the folder or the
    // file cannot be written.
    bool IsOpen() const { return Descriptor >= 0; }
    // Writes out the rest and puts the file in the target's place. False on
    // any error; the target then keeps its old contents, unless it was
    // being written in place.
    bool Commit();

protected:
    int_type overflow(int_type c) override;
    std::streamsize xsputn(const char* data, std::streamsize count) override;
    int sync() override;

private:
    enum class TMode { Unnamed, Named, InPlace };

    bool OpenUnnamed();
    bool OpenNamed();
    bool OpenInPlace();
    // Hands the buffered bytes to the system; false on an error.
    bool WriteOut();
    bool WriteAll(const char* data, std::size_t count);
    // Gives the unnamed file a free short name in the folder.
    bool LinkUnnamed(std::filesystem::path& name);
    // Copies the target's mode, when there is a target, onto the new file.
    bool TakeTargetMode();

    std::filesystem::path Target;
    std::filesystem::path Folder;
    std::filesystem::path TemporaryName;
    TMode Mode = TMode::Unnamed;
    int Descriptor = -1;
    bool Failed = false;
    std::vector<char> Buffer;
};
