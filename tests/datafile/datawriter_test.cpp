#include "tablesink.h"

#include "datafile/datawriter.h"
#include "support/commalocale.h"
#include "support/tempfolder.h"

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <random>
#include <dlfcn.h>
#include <sys/resource.h>

#include <fcntl.h>
#include <linux/fs.h>
#include <sys/ioctl.h>
#include <sys/wait.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

// While set, closing a file reports an error after really closing it, as
// a network file system does when the write-back it deferred fails.
bool FailEveryClose = false;

} // namespace

extern "C" int close(int descriptor) {
    using TClose = int (*)(int);
    static const auto realClose = reinterpret_cast<TClose>(dlsym(RTLD_NEXT, "close"));
    const int result = realClose(descriptor);
    if (!FailEveryClose)
        return result;
    errno = EIO;
    return -1;
}

namespace {

using Writing = DataFileTest;
using TPoints = std::vector<TCurvePoint>;

// Curves in slots 0, 1, ... holding the given points.
class TSlots {
public:
    explicit TSlots(const std::vector<TPoints>& slots) {
        for (const TPoints& points : slots) {
            Owned.push_back(std::make_unique<TCurve>(100));
            for (const TCurvePoint& p : points)
                Owned.back()->AddPoint(p.X, p.Y);
            Curves.push_back(Owned.back().get());
        }
    }
    std::span<TCurve* const> Span() const { return Curves; }

private:
    std::vector<std::unique_ptr<TCurve>> Owned;
    std::vector<TCurve*> Curves;
};

std::string Written(const TSlots& slots, char separator) {
    std::ostringstream out;
    const TDataWriteResult result = WriteData(out, slots.Span(), separator);
    EXPECT_TRUE(result.Saved);
    EXPECT_FALSE(result.Message);
    return out.str();
}

std::string Printf(const char* format, double value) {
    char text[64];
    std::snprintf(text, sizeof text, format, value);
    return text;
}

std::string Contents(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

const TUserMessage DiskFull{"Sorry, cannot write more. Disk full?", "File Error", MB_OK,
                            MB_ICONEXCLAMATION};
const TUserMessage CannotOpen{"Unable to open file for writing", "File Error", MB_OK,
                              MB_ICONEXCLAMATION};

TEST_F(Writing, CommaOnlyForCsvNames) {
    for (const char* name : {"a.csv", "/x/B.CSV", "c.Csv", ".csv"})
        EXPECT_EQ(DataSeparator(name), ',') << name;
    for (const char* name : {"a.dat", "a.txt", "csv", "a.csv.dat", "a_csv", ""})
        EXPECT_EQ(DataSeparator(name), '\t') << name;
}

TEST_F(Writing, OneLinePerPointWithSlotPlusOneSeparators) {
    const TSlots slots({{{1.5, -0.001}}, {}, {{12345, 1e100}, {-1e-100, 0}}});
    EXPECT_EQ(Written(slots, ','),
              "1.5000000000e+00,-1.0000000000e-03\r\n"
              "1.2345000000e+04,,,1.0000000000e+100\r\n"
              "-1.0000000000e-100,,,0.0000000000e+00\r\n");
}

TEST_F(Writing, NumbersAsPrintfWritesThem) {
    std::mt19937_64 random(7);
    std::uniform_real_distribution<double> mantissa(-10, 10);
    std::uniform_int_distribution<int> exponent(-320, 308);
    TPoints points;
    std::string expected;
    for (int i = 0; i < 2000; ++i) {
        const double v = std::ldexp(mantissa(random), exponent(random) * 3);
        const TCurvePoint p{v, -v / 3};
        if (!std::isfinite(p.X) || !std::isfinite(p.Y))
            continue;
        points.push_back(p);
        expected += Printf("%12.10e", p.X) + "\t" + Printf("%12.10e", p.Y) + "\r\n";
    }
    EXPECT_EQ(Written(TSlots({points}), '\t'), expected);
}

// A stream that takes so many bytes and then fails, like a full disk.
class TFullDisk : public std::stringbuf {
public:
    explicit TFullDisk(std::streamsize room) : Room(room) {}

protected:
    std::streamsize xsputn(const char* s, std::streamsize n) override {
        if (n > Room)
            return 0;
        Room -= n;
        return std::stringbuf::xsputn(s, n);
    }

private:
    std::streamsize Room;
};

TEST_F(Writing, WriteErrorStopsAfterTheCurveItHappenedIn) {
    const TSlots slots({{{1, 1}, {2, 2}}, {{3, 3}, {4, 4}, {5, 5}}, {{6, 6}}});
    const std::string line0 = "1.0000000000e+00\t1.0000000000e+00\r\n";
    TFullDisk disk(static_cast<std::streamsize>(3 * line0.size() + 3));
    std::ostream out(&disk);
    const TDataWriteResult result = WriteData(out, slots.Span(), '\t');
    EXPECT_FALSE(result.Saved);
    EXPECT_EQ(result.Message, DiskFull);
    EXPECT_EQ(disk.str().find("6.0"), std::string::npos) << "no curve after the failed one";
}

// The program runs under the user's locale; data files keep the point.
TEST_F(Writing, DecimalPointUnderCommaLocale) {
    KESTROVA_WITH_COMMA_LOCALE(comma);
    const std::string written = Written(TSlots({{{1.5, -2.25}}}), '\t');
    TTableSink sink;
    sink.Read(written + "1,5\t2,25\n");
    EXPECT_EQ(written, "1.5000000000e+00\t-2.2500000000e+00\r\n");
    EXPECT_EQ(sink.Points(0), (TPoints{{1.5, -2.25}, {1, 5}}));
    EXPECT_EQ(sink.Points(1), (TPoints{{1, 2}}));
    EXPECT_EQ(sink.Points(2), (TPoints{{1, 25}}));
}

// A file-size limit makes a write fail part of the way, as a full disk would.
TDataWriteResult SaveFailingPartWay(const fs::path& file, std::span<TCurve* const> curves) {
    rlimit saved{};
    getrlimit(RLIMIT_FSIZE, &saved);
    const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit small = saved;
    small.rlim_cur = 1000;
    setrlimit(RLIMIT_FSIZE, &small);
    const TDataWriteResult result = SaveDataFile(file, curves);
    setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, previousHandler);
    return result;
}

TPoints Diagonal(int count) {
    TPoints points;
    for (int i = 0; i < count; ++i)
        points.push_back({double(i), double(i)});
    return points;
}

class SavedFile : public Writing {
protected:
    std::vector<fs::path> Files() const {
        return {fs::directory_iterator(Folder), fs::directory_iterator()};
    }
    TTempFolder Temp;
    fs::path Folder = Temp.Path();
};

// Written and read back into an empty table: the same curves in the same
// slots, the values to 11 significant digits.
TEST_F(SavedFile, ReadsBackAsTheSameCurves) {
    std::mt19937_64 random(3);
    std::uniform_real_distribution<double> value(-1e6, 1e6);
    std::vector<TPoints> slots(4);
    for (int slot : {0, 2})
        for (int i = 0; i < 300; ++i)
            slots[slot].push_back({value(random), value(random) * 1e-9});
    const fs::path file = Folder / "round.CSV";
    EXPECT_TRUE(SaveDataFile(file, TSlots(slots).Span()).Saved);

    TTableSink sink;
    TDataReader(sink, -1, 0).ReadFile(file);
    EXPECT_TRUE(sink.Messages.empty());
    EXPECT_EQ(sink.CurrentCurve, 2) << "an empty last curve leaves no trace";
    EXPECT_EQ(sink.Curves[1]->GetCount(), 0u);
    for (int slot : {0, 2}) {
        TPoints expected;
        for (const TCurvePoint& p : slots[slot])
            expected.push_back({std::strtod(Printf("%.10e", p.X).c_str(), nullptr),
                                std::strtod(Printf("%.10e", p.Y).c_str(), nullptr)});
        EXPECT_EQ(sink.Points(slot), expected) << "slot " << slot;
    }
}

TEST_F(SavedFile, FailedSaveKeepsTheOldFile) {
    const fs::path file = Folder / "data.dat";
    std::ofstream(file) << "old";
    fs::permissions(file, fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    const TSlots slots({Diagonal(100)});
    const TDataWriteResult failed = SaveFailingPartWay(file, slots.Span());

    EXPECT_FALSE(failed.Saved);
    EXPECT_EQ(failed.Message, DiskFull);
    EXPECT_EQ(Contents(file), "old");
    EXPECT_EQ(Files(), std::vector{file}) << "the temporary file is gone";

    const TDataWriteResult saved_ = SaveDataFile(file, slots.Span());
    EXPECT_TRUE(saved_.Saved);
    EXPECT_EQ(Contents(file).size(), 100 * 35u);
    EXPECT_EQ(Files(), std::vector{file});
    EXPECT_EQ(fs::status(file).permissions(),
              fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
}

TEST_F(SavedFile, FailingCloseAfterGoodFlushesIsAFailedSave) {
    const fs::path file = Folder / "data.dat";
    FailEveryClose = true;
    const TDataWriteResult result = SaveDataFile(file, TSlots({{{1, 2}}}).Span());
    FailEveryClose = false;
    EXPECT_FALSE(result.Saved);
    EXPECT_EQ(result.Message, DiskFull);
    EXPECT_TRUE(Files().empty());
}

TEST_F(SavedFile, SavingOverALinkWritesItsFile) {
    const fs::path file = Folder / "target.dat";
    const fs::path link = Folder / "link.csv";
    std::ofstream(file) << "old";
    fs::create_symlink(file, link);
    EXPECT_TRUE(SaveDataFile(link, TSlots({{{1, 2}}}).Span()).Saved);
    EXPECT_TRUE(fs::is_symlink(link));
    EXPECT_EQ(Contents(file), "1.0000000000e+00,2.0000000000e+00\r\n") << "separator from the name chosen";
}

TEST_F(SavedFile, UnwritableNameIsRefused) {
    const TSlots slots({{{1, 2}}});
    for (const fs::path& name : {Folder, Folder / "missing folder" / "a.dat"}) {
        const TDataWriteResult result = SaveDataFile(name, slots.Span());
        EXPECT_FALSE(result.Saved) << name;
        EXPECT_EQ(result.Message, CannotOpen) << name;
    }
    EXPECT_TRUE(Files().empty());
}

// The temporary name must not grow the chosen one past the longest legal
// name; and a save killed part of the way leaves no trace.
TEST_F(SavedFile, LongestNameAndCrashLeaveNothingBehind) {
    const fs::path file = Folder / (std::string(251, 'n') + ".dat");
    std::ofstream(file) << "old";
    const TSlots slots({Diagonal(100)});
    EXPECT_TRUE(SaveDataFile(file, slots.Span()).Saved);
    EXPECT_EQ(Contents(file).size(), 100 * 35u);

    const fs::path crashed = Folder / "crashed.dat";
    std::ofstream(crashed) << "old";
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        // Past the limit the default action of SIGXFSZ ends the process.
        const rlimit noCore{0, 0};
        setrlimit(RLIMIT_CORE, &noCore);
        const rlimit small{1000, 1000};
        setrlimit(RLIMIT_FSIZE, &small);
        std::signal(SIGXFSZ, SIG_DFL);
        SaveDataFile(crashed, slots.Span());
        std::_Exit(0);
    }
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    EXPECT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == SIGXFSZ) << status;
    EXPECT_EQ(Contents(crashed), "old");
    std::vector<fs::path> files = Files();
    std::sort(files.begin(), files.end());
    EXPECT_EQ(files, (std::vector{crashed, file}));
}

// A folder that refuses new files while it lives: read-only, or for root
// (whom permissions do not stop) immutable, where the file system can.
class SealedFolder {
public:
    explicit SealedFolder(fs::path folder) : Folder(std::move(folder)) { Sealed = Seal(true); }
    ~SealedFolder() { Seal(false); }
    bool Sealed = false;

private:
    bool Seal(bool on) const {
        if (::geteuid() != 0) {
            fs::permissions(Folder, on ? fs::perms::owner_read | fs::perms::owner_exec
                                       : fs::perms::owner_all);
            return true;
        }
        const int fd = ::open(Folder.c_str(), O_RDONLY | O_DIRECTORY);
        int flags = 0;
        bool done = fd >= 0 && ::ioctl(fd, FS_IOC_GETFLAGS, &flags) == 0;
        flags = on ? flags | FS_IMMUTABLE_FL : flags & ~FS_IMMUTABLE_FL;
        done = done && ::ioctl(fd, FS_IOC_SETFLAGS, &flags) == 0;
        if (fd >= 0)
            ::close(fd);
        return done;
    }
    fs::path Folder;
};

TEST_F(SavedFile, FolderWithoutRoomForATemporaryFileIsWrittenInPlace) {
    const fs::path file = Folder / "data.dat";
    std::ofstream(file) << "old";
    const TSlots slots({Diagonal(100)});
    const SealedFolder sealed(Folder);
    if (!sealed.Sealed)
        GTEST_SKIP() << "this file system cannot refuse new files to root";

    const TDataWriteResult saved = SaveDataFile(file, slots.Span());
    EXPECT_TRUE(saved.Saved);
    EXPECT_FALSE(saved.Message);
    EXPECT_EQ(Contents(file).size(), 100 * 35u);

    EXPECT_EQ(SaveFailingPartWay(file, slots.Span()).Message, DiskFull);
    EXPECT_EQ(SaveDataFile(Folder / "new.dat", slots.Span()).Message, CannotOpen);
    EXPECT_EQ(Files(), std::vector{file});
}

} // namespace
