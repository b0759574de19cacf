#include "datafile/replacementfile.h"

#include <atomic>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <string>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

constexpr std::size_t BufferBytes = 1 << 20;
constexpr int NameAttempts = 100;

// Short and free of the target's name, so any legal target name leaves
// room for it; the process id and a counter keep two saves apart.
fs::path TemporaryNameIn(const fs::path& folder) {
    static std::atomic<unsigned> counter{0};
    return folder / (".kestrova-" + std::to_string(::getpid()) + "-" +
                     std::to_string(counter.fetch_add(1)) + ".tmp");
}

// The folder refuses new entries (as opposed to being missing or full).
bool Forbidden(int error) {
    return error == EACCES || error == EPERM || error == EROFS;
}

// The name /proc gives an open descriptor, unnamed file or not.
std::string DescriptorPath(int descriptor) {
    return "/proc/self/fd/" + std::to_string(descriptor);
}

} // namespace

TReplacementFile::TReplacementFile(fs::path target)
    : Target(std::move(target)), Folder(Target.parent_path()) {
    if (Folder.empty())
        Folder = ".";
    if (!OpenUnnamed() && !OpenNamed() && Forbidden(errno))
        OpenInPlace();
    if (IsOpen()) {
        Buffer.resize(BufferBytes);
        setp(Buffer.data(), Buffer.data() + Buffer.size());
    }
}

TReplacementFile::~TReplacementFile() {
    if (Descriptor < 0)
        return;
    ::close(Descriptor);
    if (Mode == TMode::Named)
        ::unlink(TemporaryName.c_str());
}

// An unnamed file vanishes with the process whatever happens to it; it is
// only used where /proc can name it for linkat later.
bool TReplacementFile::OpenUnnamed() {
#ifdef O_TMPFILE
    Descriptor = ::open(Folder.c_str(), O_TMPFILE | O_WRONLY | O_CLOEXEC, 0666);
    if (Descriptor < 0)
        return false;
    if (::access(DescriptorPath(Descriptor).c_str(), F_OK) == 0) {
        Mode = TMode::Unnamed;
        return true;
    }
    ::close(Descriptor);
    Descriptor = -1;
#endif
    return false;
}

bool TReplacementFile::OpenNamed() {
    for (int attempt = 0; attempt < NameAttempts; ++attempt) {
        TemporaryName = TemporaryNameIn(Folder);
        Descriptor = ::open(TemporaryName.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (Descriptor >= 0) {
            Mode = TMode::Named;
            return true;
        }
        if (errno != EEXIST)
            return false;
    }
    return false;
}

// Only an existing regular file is written in place: opening a FIFO for
// writing would wait for a reader.
bool TReplacementFile::OpenInPlace() {
    struct stat status {};
    if (::stat(Target.c_str(), &status) != 0 || !S_ISREG(status.st_mode))
        return false;
    Descriptor = ::open(Target.c_str(), O_WRONLY | O_TRUNC | O_CLOEXEC);
    Mode = TMode::InPlace;
    return Descriptor >= 0;
}

TReplacementFile::int_type TReplacementFile::overflow(int_type c) {
    if (!WriteOut())
        return traits_type::eof();
    if (!traits_type::eq_int_type(c, traits_type::eof())) {
        *pptr() = traits_type::to_char_type(c);
        pbump(1);
    }
    return traits_type::not_eof(c);
}

std::streamsize TReplacementFile::xsputn(const char* data, std::streamsize count) {
    const auto bytes = static_cast<std::size_t>(count);
    if (bytes > static_cast<std::size_t>(epptr() - pptr())) {
        if (!WriteOut())
            return 0;
        if (bytes >= Buffer.size())
            return WriteAll(data, bytes) ? count : 0;
    }
    std::memcpy(pptr(), data, bytes);
    pbump(static_cast<int>(count));
    return count;
}

int TReplacementFile::sync() {
    return WriteOut() ? 0 : -1;
}

bool TReplacementFile::WriteOut() {
    if (!IsOpen() || Failed)
        return false;
    const char* const begin = pbase();
    const auto count = static_cast<std::size_t>(pptr() - begin);
    setp(Buffer.data(), Buffer.data() + Buffer.size());
    return WriteAll(begin, count);
}

bool TReplacementFile::WriteAll(const char* data, std::size_t count) {
    while (count > 0 && !Failed) {
        const ssize_t written = ::write(Descriptor, data, count);
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0) {
            Failed = true;
            break;
        }
        data += written;
        count -= static_cast<std::size_t>(written);
    }
    return !Failed;
}

bool TReplacementFile::TakeTargetMode() {
    struct stat status {};
    if (::stat(Target.c_str(), &status) != 0)
        return errno == ENOENT;
    return ::fchmod(Descriptor, status.st_mode & 07777) == 0;
}

bool TReplacementFile::LinkUnnamed(fs::path& name) {
    const std::string self = DescriptorPath(Descriptor);
    for (int attempt = 0; attempt < NameAttempts; ++attempt) {
        name = TemporaryNameIn(Folder);
        if (::linkat(AT_FDCWD, self.c_str(), AT_FDCWD, name.c_str(), AT_SYMLINK_FOLLOW) == 0)
            return true;
        if (errno != EEXIST)
            return false;
    }
    return false;
}

// The unnamed file gets a temporary name only for the moment between the
// link and the rename: linkat cannot replace an existing file.
bool TReplacementFile::Commit() {
    if (!WriteOut())
        return false;
    if (Mode != TMode::InPlace && !TakeTargetMode())
        return false;
    if (Mode == TMode::Unnamed && !LinkUnnamed(TemporaryName))
        return false;
    const int descriptor = Descriptor;
    Descriptor = -1;
    bool committed = ::close(descriptor) == 0;
    if (committed && Mode != TMode::InPlace &&
        std::rename(TemporaryName.c_str(), Target.c_str()) != 0)
        committed = false;
    if (!committed && Mode != TMode::InPlace)
        ::unlink(TemporaryName.c_str());
    return committed;
}
