#include "uitest.h"

#include "core/curve.h"
#include "framework/gdi/messagebox.h"
#include "framework/gdi/usermessage.h"
#include "framework/qtuserinterface.h"
#include "framework/vslider.h"
#include "image/bmpwriter.h"
#include "image/dib.h"
#include "support/fifoknocker.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QFileDialog>
#include <QGuiApplication>
#include <QImage>
#include <QKeyEvent>
#include <QListWidget>
#include <QMainWindow>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <QWidget>

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <fstream>
#include <optional>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include <sys/stat.h>

namespace {

namespace fs = std::filesystem;

constexpr char DataFilter[] =
    "Data Files (*.DAT)|*.dat|CSV Data Files(*.CSV)|*.csv|All files (*.*)|*.*|";
constexpr char ImageFilter[] =
    "Bitmap (*.BMP)|*.bmp|Device-Independent Bitmap (*.DIB)|*.dib|All files (*.*)|*.*|";

constexpr QRgb Yellow = qRgb(255, 255, 0);
constexpr QRgb Background = qRgb(192, 192, 192);
// Palette entry 1 of the test bitmaps (grey 17) XORed onto the background.
constexpr QRgb ImageGrey = qRgb(192 ^ 17, 192 ^ 17, 192 ^ 17);

TUserMessage Exclamation(const std::string& text, const std::string& caption) {
    return {text, caption, MB_OK, MB_ICONEXCLAMATION};
}

const TUserMessage Unreadable = Exclamation(
    "Unable to load image from the specified file. Cannot open file, or wrong file type.",
    "File Error");
const TUserMessage ImportOffer{
    "Kestrova can import this picture with File|Import Picture. Import it now?", "Import Picture",
    MB_YESNO, MB_ICONQUESTION};
const TUserMessage WowNotice =
    Exclamation("Such a huge file! Well, let's see if I can handle it...", "Wow!");
const TUserMessage ColourNote{"Although the program can handle 16- and 256-color bitmaps, use "
                              "of monochrome images is recommended for best results.",
                              "Note", MB_OK, MB_ICONINFORMATION};

// A 2 x 2 monochrome bitmap: top row palette entry 1, bottom row entry 0
// (black), so the image shows grey over the top half of its square.
TBmp TwoGreyTopPixels() {
    TBmp bmp;
    bmp.Bits = std::vector<std::uint8_t>{0, 0, 0, 0, 0xC0, 0, 0, 0};
    return bmp;
}

TBmp Huge8Bit() {
    TBmp bmp;
    bmp.Width = 1024;
    bmp.Height = 1024;
    bmp.BitCount = 8;
    return bmp;
}

class FilesTest : public UiTest {
protected:
    void TearDown() override {
        EXPECT_TRUE(Ui->FileAnswers.empty()) << "scripted file answers left over";
        EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr) << "a wait cursor stayed";
        UiTest::TearDown();
    }

    fs::path WriteText(const std::string& name, const std::string& text) const {
        fs::create_directories(ConfigDir);
        const fs::path path = ConfigDir / name;
        std::ofstream(path, std::ios::binary) << text;
        return path;
    }

    static std::string ReadText(const fs::path& path) {
        std::ifstream in(path, std::ios::binary);
        std::stringstream text;
        text << in.rdbuf();
        return text.str();
    }

    void OpenData(const fs::path& path) {
        Ui->FileAnswers.push_back(path.string());
        Command(CM_OPENDATA);
    }

    void SaveData(const fs::path& path) {
        Ui->FileAnswers.push_back(path.string());
        Command(CM_SAVEDATAAS);
    }

    // Answers OK to the first `boxes` boxes and, when `offered` is set, the
    // import offer that follows with it.
    void OpenImage(const std::string& path, std::size_t boxes = 0, std::optional<int> offered = {}) {
        Ui->FileAnswers.push_back(path);
        Ui->BoxAnswers.insert(Ui->BoxAnswers.end(), boxes, IDOK);
        if (offered)
            Ui->BoxAnswers.push_back(*offered);
        Command(CM_OPENIMAGE);
    }

    // Whether `colour` is within a few pixels of the graph point (x, y)
    // on the default scale (0 to 100 on both axes).
    bool ColourNear(const QImage& image, double x, double y, QRgb colour) const {
        const TPoint at = Device(static_cast<int>(x * 86.68), static_cast<int>(y * 86.68));
        for (int dy = -4; dy <= 4; ++dy)
            for (int dx = -4; dx <= 4; ++dx)
                if (image.valid(at.X + dx, at.Y + dy) &&
                    image.pixel(at.X + dx, at.Y + dy) == colour)
                    return true;
        return false;
    }

    QRgb Pixel(const QImage& image, int lx, int ly) const {
        const TPoint at = Device(lx, ly);
        return image.pixel(at.X, at.Y);
    }

    // The image is gone: nothing painted, View|Image off and grayed, slider
    // hidden at the next paint.
    void ExpectNoImage() {
        EXPECT_EQ(Probe().Dib(), nullptr);
        EXPECT_FALSE(MenuAction(CM_IMAGE)->isChecked());
        EXPECT_FALSE(MenuAction(CM_IMAGE)->isChecked());
        EXPECT_FALSE(MenuItemEnabled("&View", CM_IMAGE));
        const QImage image = Grab();
        EXPECT_EQ(Pixel(image, 2100, 7000), Background);
        EXPECT_FALSE(Probe().RotationSlider()->IsVisible());
    }

    TTempFiles Bitmaps;
};

TEST_F(FilesTest, SavedCurvesReadBackIntoTheSameSlotsInDatAndCsv) {
    for (const char* name : {"curves.dat", "curves.CSV"}) {
        SCOPED_TRACE(name);
        if (Probe().CurrentCurve() > -1) {
            Ui->BoxAnswers.push_back(IDYES);
            Command(CM_FILENEW);
        }
        // Slot 0 with two points, slot 1 empty, slot 2 with one point.
        BeginCurve();
        AddPoint(1.5, 2);
        AddPoint(-0.001, 12345.678901);
        Command(CM_DRAW);
        ASSERT_NE(Window->MakeCurve(1), nullptr);
        Command(CM_DRAW);
        AddPoint(1e100, -7);
        Command(CM_DRAW);

        const fs::path path = ConfigDir / name;
        fs::create_directories(ConfigDir);
        SaveData(path);
        EXPECT_EQ(Probe().DataSaved(), 1);
        const char sep = fs::path(name).extension() == ".CSV" ? ',' : '\t';
        auto line = [sep](const char* x, int slot, const char* y) {
            return x + std::string(static_cast<std::size_t>(slot) + 1, sep) + y + "\r\n";
        };
        EXPECT_EQ(ReadText(path), line("1.5000000000e+00", 0, "2.0000000000e+00") +
                                      line("-1.0000000000e-03", 0, "1.2345678901e+04") +
                                      line("1.0000000000e+100", 2, "-7.0000000000e+00"));

        Ui->BoxAnswers.push_back(IDYES);
        Command(CM_FILENEW);
        OpenData(path);
        ASSERT_EQ(Probe().CurrentCurve(), 2);
        EXPECT_EQ(Points(0), (std::vector<TCurvePoint>{{1.5, 2}, {-0.001, 12345.678901}}));
        EXPECT_EQ(Probe().Curve(1)->GetCount(), 0u);
        EXPECT_EQ(Points(2), (std::vector<TCurvePoint>{{1e100, -7}}));
        for (int slot = 0; slot <= 2; ++slot)
            EXPECT_EQ(Probe().Curve(slot)->Pen, Probe().CurvePen(slot));
        EXPECT_EQ(Probe().PointCount(), 3u);
        EXPECT_EQ(MessagePane(), "Curves: 3  Points: 3");
        EXPECT_EQ(Probe().DataSaved(), 0);
    }
}

TEST_F(FilesTest, EachFileDialogHasItsSettingsAndOffersItsOwnLastName) {
    const fs::path data = WriteText("in.dat", "1 2\n");
    OpenData(data);
    SaveData(ConfigDir / "out"); // the default extension is added
    EXPECT_EQ(ReadText(ConfigDir / "out.DAT"), "1.0000000000e+00\t2.0000000000e+00\r\n");
    const std::string picture = Bitmaps.Write(TwoGreyTopPixels());
    OpenImage(picture);
    Ui->BoxAnswers.push_back(IDYES);
    Command(CM_FILENEW);
    OpenData(data);
    SaveData(ConfigDir / "out.DAT");
    OpenImage(picture);

    const auto& shown = Ui->FileDialogs;
    ASSERT_EQ(shown.size(), 6u);
    const unsigned mustExist = OFN_FILEMUSTEXIST | OFN_HIDEREADONLY;
    const unsigned overwrite = OFN_OVERWRITEPROMPT | OFN_HIDEREADONLY;
    for (std::size_t i = 0; i < shown.size(); ++i) {
        const bool image = i % 3 == 2, save = i % 3 == 1;
        EXPECT_EQ(shown[i].Save, save) << i;
        EXPECT_EQ(shown[i].Data.Flags, save ? overwrite : mustExist) << i;
        EXPECT_EQ(shown[i].Data.Filter, image ? ImageFilter : DataFilter) << i;
        EXPECT_EQ(shown[i].Data.DefaultExt, image ? "BMP" : "DAT") << i;
    }
    for (int i : {0, 1, 2})
        EXPECT_EQ(shown[i].Data.FileName, "") << i;
    EXPECT_EQ(shown[3].Data.FileName, data.string());
    EXPECT_EQ(shown[4].Data.FileName, (ConfigDir / "out.DAT").string());
    EXPECT_EQ(shown[5].Data.FileName, picture);
}

TEST_F(FilesTest, OpenEndsDrawingAndAddsCurvesAfterThoseHeld) {
    const fs::path path = WriteText("two.csv", "x,first,second\n1,2,3\n\n4;5;6\n");
    BeginCurve();
    AddPoint(10, 10);
    OpenData(path); // while drawing, the curve keeps its point
    EXPECT_EQ(Probe().DrawMode(), 0);
    EXPECT_FALSE(MenuAction(CM_DRAW)->isChecked());
    ASSERT_EQ(Probe().CurrentCurve(), 2);
    EXPECT_EQ(Points(0), (std::vector<TCurvePoint>{{10, 10}}));
    EXPECT_EQ(Points(1), (std::vector<TCurvePoint>{{1, 2}, {4, 5}}));
    EXPECT_EQ(Points(2), (std::vector<TCurvePoint>{{1, 3}, {4, 6}}));
    EXPECT_EQ(Probe().Curve(2)->Pen, Probe().CurvePen(2));
    EXPECT_EQ(Probe().PointCount(), 5u);
    EXPECT_EQ(MessagePane(), "Curves: 3  Points: 5");

    Command(CM_DRAW); // a new curve without a point is dropped by the opening
    ASSERT_EQ(Probe().CurrentCurve(), 3);
    OpenData(path);
    ASSERT_EQ(Probe().CurrentCurve(), 4);
    EXPECT_EQ(Points(3), Points(1));
    EXPECT_EQ(Points(4), Points(2));
    EXPECT_EQ(Probe().PointCount(), 9u);
    EXPECT_EQ(Ui->Boxes.size(), 1u) << "only the first-curve hint";
}

TEST_F(FilesTest, TwentyCurvesAreRefusedBeforeTheDialog) {
    std::string line = "1";
    for (int column = 0; column < MaxCurves; ++column) {
        line += ' ';
        line += std::to_string(column);
    }
    OpenData(WriteText("twenty.dat", line + "\n"));
    ASSERT_EQ(Probe().CurrentCurve(), 19);
    EXPECT_TRUE(Ui->Boxes.empty());

    Ui->BoxAnswers.push_back(IDOK);
    Command(CM_OPENDATA);
    EXPECT_EQ(Ui->FileDialogs.size(), 1u);
    EXPECT_EQ(BoxesShown(),
              (std::vector<TUserMessage>{Exclamation(
                  "Sorry, cannot show more than 20 curves. Use File|New to delete the old ones.",
                  "Error")}));
    EXPECT_EQ(Probe().CurrentCurve(), 19);
    EXPECT_EQ(Probe().PointCount(), 20u);
}

TEST_F(FilesTest, CancelledDialogsAndAMissingFileChangeNothing) {
    Window->CmSaveDataAs(); // no curves: not even a dialog
    EXPECT_TRUE(Ui->FileDialogs.empty());

    BeginCurve();
    AddPoint(1, 1);
    Command(CM_DRAW);
    const std::string picture = Bitmaps.Write(TwoGreyTopPixels());
    OpenImage(picture);
    const TDib* image = Probe().Dib();
    const std::string status = MessagePane();

    for (int id : {CM_OPENDATA, CM_SAVEDATAAS, CM_OPENIMAGE}) {
        Ui->FileAnswers.push_back(std::nullopt);
        Command(id);
    }
    EXPECT_EQ(Ui->FileDialogs.size(), 4u);
    EXPECT_EQ(Probe().CurrentCurve(), 0);
    EXPECT_EQ(Probe().PointCount(), 1u);
    EXPECT_EQ(Probe().DataSaved(), 0);
    EXPECT_EQ(Probe().Dib(), image);
    EXPECT_TRUE(MenuAction(CM_IMAGE)->isChecked());
    EXPECT_EQ(MessagePane(), status);

    // A FIFO would keep the reading waiting for a writer for good.
    const fs::path fifo = ConfigDir / "fifo.dat";
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    const TFifoKnocker knocker(fifo);
    for (const fs::path& path : {ConfigDir / "no such file.dat", fifo}) {
        Ui->BoxAnswers.push_back(IDOK);
        OpenData(path);
        EXPECT_EQ(BoxesShown().back(), Exclamation("Unable to open file", "File Error")) << path;
        EXPECT_EQ(Probe().CurrentCurve(), 0);
        EXPECT_EQ(MessagePane(), status);
    }
}

// A name that is not UTF-8 reaches the file system as the bytes it was.
TEST_F(FilesTest, ALatin1NameIsSavedAndOpenedUnderItsOwnBytes) {
    BeginCurve();
    AddPoint(1, 2);
    Command(CM_DRAW);
    const std::string name = "caf\xe9.dat";
    SaveData(ConfigDir / name);
    EXPECT_EQ(Probe().DataSaved(), 1);
    std::vector<std::string> names;
    for (const fs::directory_entry& entry : fs::directory_iterator(ConfigDir))
        names.push_back(entry.path().filename().string());
    EXPECT_NE(std::find(names.begin(), names.end(), name), names.end());

    OpenData(ConfigDir / name);
    EXPECT_EQ(Points(1), (std::vector<TCurvePoint>{{1, 2}}));
}

// Qt's own file dialog, offered such a name as the last one saved, hands it
// back byte for byte when accepted as it stands.
TEST_F(FilesTest, TheRealSaveDialogHandsBackALatin1NameUnchanged) {
    TOpenSaveDialog::TData data(OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT, DataFilter, "", "dat");
    data.FileName = (ConfigDir / "caf\xe9.dat").string();
    QTimer::singleShot(0, [] {
        auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        QMetaObject::invokeMethod(dialog, "accept");
        if (dialog->isVisible())
            dialog->reject();
    });
    std::string chosen;
    EXPECT_TRUE(TQtUserInterface().GetFileName(nullptr, data, true, chosen));
    EXPECT_EQ(chosen, data.FileName);
}

// Replacing a file whose name Qt cannot find still asks first; No keeps
// the dialog open.
TEST_F(FilesTest, TheRealSaveDialogAsksBeforeReplacingALatin1Name) {
    TOpenSaveDialog::TData data(OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT, DataFilter, "", "dat");
    data.FileName = WriteText("caf\xe9.dat", "1 2\n").string();
    QString question;
    bool keptOpen = false;
    QTimer::singleShot(0, [&] {
        auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        QTimer::singleShot(0, [&] {
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                question = box->text();
                box->button(QMessageBox::No)->click();
            }
        });
        QMetaObject::invokeMethod(dialog, "accept");
        keptOpen = dialog->isVisible();
        dialog->reject();
    });
    std::string chosen;
    EXPECT_FALSE(TQtUserInterface().GetFileName(nullptr, data, true, chosen));
    EXPECT_TRUE(keptOpen);
    EXPECT_EQ(question,
              QStringLiteral("caf\u00e9.dat already exists.\nDo you want to replace it?"));
}

// The real Open Data dialog lists a name Qt's own view leaves out under
// that view, readable; picking it and pressing Enter opens it.
TEST_F(FilesTest, TheRealOpenDialogOffersALatin1NameAndOpensIt) {
    WriteText("caf\xe9.dat", "1 2\n");
    WriteText("caf\xe9.csv", "3 4\n");
    WriteText("plain.dat", "5 6\n");
    Ui->RealFileDialogs = true;
    QStringList offered;
    QTimer::singleShot(0, [&] {
        auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        const auto pick = [&] {
            dialog->setDirectory(QString::fromStdString(ConfigDir.string()));
            auto* list = dialog->findChild<QListWidget*>(QStringLiteral("nonUtf8Files"));
            ASSERT_NE(list, nullptr);
            ASSERT_TRUE(list->isVisible());
            for (int i = 0; i < list->count(); ++i)
                offered << list->item(i)->text();
            ASSERT_EQ(list->count(), 1);
            QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                              list->visualItemRect(list->item(0)).center());
            QTest::keyClick(list, Qt::Key_Return);
        };
        pick();
        if (dialog->isVisible())
            dialog->reject();
    });
    Command(CM_OPENDATA);
    EXPECT_EQ(offered, QStringList{QStringLiteral("caf\u00e9.dat")});
    ASSERT_NE(Probe().Curve(0), nullptr);
    EXPECT_EQ(Points(0), (std::vector<TCurvePoint>{{1, 2}}));
}

// The reading draws every point into the window as it comes; a repaint
// while one of its questions is up does not stop that.
TEST_F(FilesTest, PointsAreDrawnAtOnceWhileReading) {
    const fs::path path = WriteText("range.dat", "50 50\n1e999 20\n80 80\n");
    Grab();
    QImage atQuestion;
    bool waitCursorAtQuestion = true;
    Ui->DuringBox = [&] {
        atQuestion = Window->Canvas().copy();
        waitCursorAtQuestion = QGuiApplication::overrideCursor() != nullptr;
        Window->Invalidate(true);
        Window->GetHandle()->repaint();
    };
    Ui->BoxAnswers.push_back(IDOK);
    OpenData(path);
    Ui->DuringBox = nullptr;

    ASSERT_EQ(Ui->Boxes.size(), 1u);
    EXPECT_EQ(BoxesShown()[0],
              (TUserMessage{"Number out of range encountered at line 2. Continue reading the file?",
                            "", MB_OKCANCEL, 0}));
    EXPECT_FALSE(waitCursorAtQuestion);
    EXPECT_TRUE(ColourNear(atQuestion, 50, 50, Yellow));
    EXPECT_FALSE(ColourNear(atQuestion, 80, 80, Yellow));
    const QImage now = Window->Canvas(); // no paint since the reading
    EXPECT_TRUE(ColourNear(now, 50, 50, Yellow));
    EXPECT_TRUE(ColourNear(now, 80, 80, Yellow));
    EXPECT_TRUE(ColourNear(now, 65, 65, Yellow)) << "the segment between them";
    EXPECT_TRUE(now == Grab()) << "what a repaint shows";
    EXPECT_EQ(Probe().Curve(0)->Dc, nullptr) << "the reading's context is gone";
}

// A reading that goes on past half a second (here: the user took that long
// over a question) takes its waiting events at the next check, every 4096
// lines: closing is refused, Escape stops it there, and what was read stays.
TEST_F(FilesTest, EscapeStopsALongReadingWhereItGotAndClosingWaits) {
    std::string text = "1 1\n2 1e999\n";
    for (int i = 3; i <= 10000; ++i)
        text += std::to_string(i % 100) + " " + std::to_string(i % 97) + "\n";
    const fs::path path = WriteText("long.dat", text);
    Ui->DuringBox = [] { std::this_thread::sleep_for(std::chrono::milliseconds(600)); };
    Ui->BoxAnswers.push_back(IDOK);
    QCoreApplication::postEvent(Frame->GetHandle(), new QCloseEvent);
    QCoreApplication::postEvent(Window->GetHandle(),
                                new QKeyEvent(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier));
    OpenData(path);
    Ui->DuringBox = nullptr;

    EXPECT_EQ(Ui->Boxes.size(), 1u) << "the question only; no close question";
    EXPECT_EQ(Points(0).size(), 4095u) << "lines 1 to 4096, less the one out of range";
    EXPECT_EQ(MessagePane().rfind("Stopped at line 4096 (", 0), 0u) << MessagePane();
    EXPECT_NE(MessagePane().find("%). Curves: 1  Points: 4095"), std::string::npos);
    EXPECT_TRUE(Frame->GetHandle()->isVisible());
}

// A curve the reading begins after a question draws at once as well, in its
// slot's red, and lets go of the context with the others.
TEST_F(FilesTest, ACurveBegunAfterAQuestionIsDrawnAtOnce) {
    const fs::path path = WriteText("late.dat", "50 50\n1e999 20\n30 30 70\n");
    Grab();
    Ui->DuringBox = [&] { Window->GetHandle()->repaint(); };
    Ui->BoxAnswers.push_back(IDOK);
    OpenData(path);
    Ui->DuringBox = nullptr;

    ASSERT_EQ(Probe().CurrentCurve(), 1);
    const QImage now = Window->Canvas(); // no paint since the reading
    EXPECT_TRUE(ColourNear(now, 30, 70, qRgb(255, 0, 0)));
    EXPECT_TRUE(now == Grab()) << "what a repaint shows";
    for (int slot : {0, 1})
        EXPECT_EQ(Probe().Curve(slot)->Dc, nullptr) << slot;
}

TEST_F(FilesTest, OnlyACleanSaveLetsTheWindowCloseWithoutAsking) {
    QMainWindow* main = Frame->GetHandle();
    BeginCurve();
    AddPoint(1, 1);
    Command(CM_DRAW);
    fs::create_directories(ConfigDir);
    SaveData(ConfigDir / "saved.dat");
    EXPECT_EQ(Probe().DataSaved(), 1);
    EXPECT_TRUE(main->close());
    EXPECT_EQ(Ui->Boxes.size(), 1u) << "only the first-curve hint";

    main->show();
    AddPoint(2, 2);
    Ui->BoxAnswers.push_back(IDOK);
    SaveData(ConfigDir / "no folder" / "saved.dat");
    EXPECT_EQ(BoxesShown().back(), Exclamation("Unable to open file for writing", "File Error"));
    EXPECT_EQ(Probe().DataSaved(), 0);
    SaveData(ConfigDir / "saved.dat");
    EXPECT_EQ(Probe().DataSaved(), 1);

    OpenData(ConfigDir / "saved.dat");
    EXPECT_EQ(Probe().DataSaved(), 0);
    Ui->BoxAnswers.push_back(IDNO);
    EXPECT_FALSE(main->close());
    EXPECT_EQ(Ui->Boxes.back().Text, "Close Kestrova?");
}

TEST_F(FilesTest, RefusedBitmapsShowTheirMessagesInOrderAndLeaveNoImage) {
    struct TCase {
        const char* Name;
        TBmp Bmp;
        std::vector<TUserMessage> Messages;
        // File|Import Picture could take it: the refusal ends in its offer,
        // answered No here.
        bool Importable = true;
    };
    std::vector<TCase> cases;
    cases.push_back({"one pixel wide", TBmp{}, {Unreadable}, false});
    cases.back().Bmp.Width = 1;
    cases.push_back({"old-style header", TBmp{}, {}});
    cases.back().Bmp.HeaderBytes = 12;
    cases.back().Messages = {Exclamation(
        "This file has an old-style PM DIB header. Sorry, cannot handle this file type.",
        "File Error")};
    TBmp runLength;
    runLength.BitCount = 8;
    runLength.Compression = 1;
    runLength.SizeImage = 5;
    runLength.Bits = std::vector<std::uint8_t>(5, 0);
    cases.push_back(
        {"compressed, size wrong", runLength, {Exclamation("Image Size error!", "Error")}});
    const TUserMessage compressed =
        Exclamation("Sorry, this version cannot handle compressed bitmaps.", "Error");
    runLength.SizeImage = 8;
    runLength.Bits = std::vector<std::uint8_t>(8, 0);
    cases.push_back({"compressed", runLength, {compressed}});
    TBmp hugeCompressed = Huge8Bit();
    hugeCompressed.Compression = 1;
    hugeCompressed.SizeImage = 1024 * 1024;
    cases.push_back({"huge and compressed", hugeCompressed, {WowNotice, compressed}});
    TBmp trueColour;
    trueColour.BitCount = 24;
    cases.push_back(
        {"24-bit",
         trueColour,
         {Exclamation("Sorry, this version cannot handle bitmaps with more than 256 colors. Use of "
                      "monochrome images is recommended for best results.",
                      "Error")}});

    for (const TCase& refused : cases) {
        SCOPED_TRACE(refused.Name);
        OpenImage(Bitmaps.Write(TwoGreyTopPixels()));
        ASSERT_NE(Probe().Dib(), nullptr);
        Ui->Boxes.clear();
        OpenImage(Bitmaps.Write(refused.Bmp), refused.Messages.size(),
                  refused.Importable ? std::optional<int>(IDNO) : std::nullopt);
        std::vector<TUserMessage> expected = refused.Messages;
        if (refused.Importable)
            expected.push_back(ImportOffer);
        EXPECT_EQ(BoxesShown(), expected);
        ExpectNoImage();
    }
}

TEST_F(FilesTest, ColourNoticesComeBeforeASuccessfulLoad) {
    OpenImage(Bitmaps.Write(Huge8Bit()), 2);
    EXPECT_EQ(BoxesShown(), (std::vector<TUserMessage>{WowNotice, ColourNote}));
    ASSERT_NE(Probe().Dib(), nullptr);
    EXPECT_EQ(Probe().ImageSrcRect(), (TRect{0, 0, 1024, 1024}));

    TBmp sixteen;
    sixteen.BitCount = 4;
    Ui->Boxes.clear();
    OpenImage(Bitmaps.Write(sixteen), 1);
    EXPECT_EQ(BoxesShown(), (std::vector<TUserMessage>{ColourNote}));
    ASSERT_NE(Probe().Dib(), nullptr);
    EXPECT_EQ(Probe().ImageSrcRect(), (TRect{0, 0, 2, 2}));
}

TEST_F(FilesTest, ALoadedImageIsShownByXorWithViewImageOnAndRecallPutsItBack) {
    OpenImage(Bitmaps.Write(TwoGreyTopPixels()));
    EXPECT_TRUE(Ui->Boxes.empty());
    ASSERT_NE(Probe().Dib(), nullptr);
    EXPECT_TRUE(MenuAction(CM_IMAGE)->isChecked());
    EXPECT_TRUE(MenuAction(CM_IMAGE)->isChecked());
    EXPECT_TRUE(MenuItemEnabled("&View", CM_IMAGE));
    EXPECT_EQ(Probe().ImageSrcRect(), (TRect{0, 0, 2, 2}));
    EXPECT_EQ(Probe().ImageWidth(), 2);
    EXPECT_EQ(Probe().ImageHeight(), 2);
    EXPECT_EQ(Probe().ImageMoved(), 0);
    EXPECT_EQ(MessagePane(), "RIGHT button to stretch, SLIDER to rotate image");
    EXPECT_FALSE(ToolButton(CM_RECALL)->isEnabled());
    QImage image = Grab();
    EXPECT_EQ(Pixel(image, 2100, 7000), ImageGrey);
    EXPECT_EQ(Pixel(image, 2100, 2100), Background);
    EXPECT_TRUE(Probe().RotationSlider()->IsVisible());

    // As after a stretch and a rotation: part of the picture, pixels changed.
    Probe().MoveImage({0, 1, 1, 2});
    std::fill_n(Probe().Dib()->GetBits(), 8, std::uint8_t{0xFF});
    Frame->IdleAction();
    Command(CM_RECALL);
    EXPECT_EQ(Probe().ImageSrcRect(), (TRect{0, 0, 2, 2}));
    EXPECT_EQ(Probe().ImageMoved(), 0);
    const std::uint8_t* bits = Probe().Dib()->GetBits();
    EXPECT_EQ(std::vector<std::uint8_t>(bits, bits + 8), *TwoGreyTopPixels().Bits);
    EXPECT_FALSE(ToolButton(CM_RECALL)->isEnabled());
    image = Grab();
    EXPECT_EQ(Pixel(image, 2100, 7000), ImageGrey);
    EXPECT_EQ(Pixel(image, 2100, 2100), Background);
}

} // namespace
