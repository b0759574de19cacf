#include "uitest.h"

#include "framework/commandenabler.h"
#include "framework/gdi/messagebox.h"
#include "framework/gdi/usermessage.h"
#include "framework/progressdialog.h"
#include "image/bmpwriter.h"
#include "image/dib.h"

#include <QAction>
#include <QBuffer>
#include <QGuiApplication>
#include <QImage>
#include <QMainWindow>
#include <QProgressDialog>
#include <QTest>
#include <QTimer>

#include <chrono>
#include <fstream>
#include <optional>
#include <string>
#include <thread>
#include <vector>

namespace {

constexpr QRgb Background = qRgb(192, 192, 192);
constexpr QRgb Red = qRgb(255, 0, 0), Green = qRgb(0, 255, 0), Blue = qRgb(0, 0, 255),
               White = qRgb(255, 255, 255);

const TUserMessage ImportOffer{
    "Kestrova can import this picture with File|Import Picture. Import it now?", "Import Picture",
    MB_YESNO, MB_ICONQUESTION};

TUserMessage Exclamation(const std::string& text, const std::string& caption) {
    return {text, caption, MB_OK, MB_ICONEXCLAMATION};
}

// Quadrants of plain colour, red and green on top, blue and white below,
// with one stray pixel of a fifth colour; 38 x 30 pixels.
QImage Quadrants(QImage::Format format = QImage::Format_RGB32) {
    QImage image(38, 30, QImage::Format_RGB32);
    for (int y = 0; y < 30; ++y)
        for (int x = 0; x < 38; ++x)
            image.setPixel(x, y, y < 15 ? (x < 19 ? Red : Green) : (x < 19 ? Blue : White));
    image.setPixel(37, 29, qRgb(1, 2, 3));
    return image.convertToFormat(format);
}

std::vector<std::uint8_t> Png(const QImage& image) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    EXPECT_TRUE(image.save(&buffer, "png"));
    return {bytes.begin(), bytes.end()};
}

// The centres of the image square's quadrants, in logical units.
constexpr int Near = -133 + 8934 / 4;
constexpr int Far = -133 + 8934 * 3 / 4;

class ImportTest : public UiTest {
protected:
    void TearDown() override {
        EXPECT_TRUE(Ui->FileAnswers.empty()) << "scripted file answers left over";
        EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr) << "a wait cursor stayed";
        UiTest::TearDown();
    }

    void Import(const std::string& path, std::size_t boxes = 0) {
        Ui->FileAnswers.push_back(path);
        Ui->BoxAnswers.insert(Ui->BoxAnswers.end(), boxes, IDOK);
        Command(CM_IMPORTPICTURE);
    }

    QRgb Pixel(const QImage& image, int lx, int ly) const {
        const TPoint at = Device(lx, ly);
        return image.pixel(at.X, at.Y);
    }

    void ExpectQuadrants(bool xored) {
        const QImage image = Grab();
        const auto shown = [&](QRgb colour) {
            return xored ? (colour ^ Background) | 0xFF000000u : colour;
        };
        EXPECT_EQ(Pixel(image, Near, Far), shown(Red));
        EXPECT_EQ(Pixel(image, Far, Far), shown(Green));
        EXPECT_EQ(Pixel(image, Near, Near), shown(Blue));
        EXPECT_EQ(Pixel(image, Far, Near), shown(White));
    }

    TTempFiles Files;
};

TEST_F(ImportTest, ImportsAPictureAsAnOrdinaryPaletteImageShownByXor) {
    Import(Files.Write(Png(Quadrants()), ".png"));
    EXPECT_TRUE(Ui->Boxes.empty());
    ASSERT_EQ(Ui->FileDialogs.size(), 1u);
    const TOpenSaveDialog::TData& dialog = Ui->FileDialogs[0].Data;
    EXPECT_EQ(dialog.Flags, OFN_FILEMUSTEXIST | OFN_HIDEREADONLY);
    for (const char* pattern : {"*.png", "*.jpg", "*.bmp", "*.gif", "*.tiff", "*.webp"})
        EXPECT_NE(dialog.Filter.find(pattern), std::string::npos) << pattern;

    const TDib* dib = Probe().Dib();
    ASSERT_NE(dib, nullptr);
    EXPECT_EQ(dib->GetBitCount(), 8);
    EXPECT_EQ(dib->GetNumColors(), 5) << "five colours kept exactly";
    EXPECT_EQ(Probe().ImageSrcRect(), (TRect{0, 0, 38, 30}));
    EXPECT_EQ(Probe().ImageMoved(), 0);
    EXPECT_EQ(Probe().BackupBits().GetSize(), dib->GetSizeImage());
    EXPECT_TRUE(MenuAction(CM_IMAGE)->isChecked());
    EXPECT_EQ(MessagePane(), "RIGHT button to stretch, SLIDER to rotate image");
    ExpectQuadrants(true);
}

TEST_F(ImportTest, ATwoColourPictureStaysOneBitAndTheWindowOperationImportsWithoutADialog) {
    ASSERT_TRUE(Window->ImportPicture(Files.Write(Png(Quadrants(QImage::Format_Mono)), ".png")));
    EXPECT_TRUE(Ui->FileDialogs.empty());
    ASSERT_NE(Probe().Dib(), nullptr);
    EXPECT_EQ(Probe().Dib()->GetBitCount(), 1);
}

TEST_F(ImportTest, RefusalsSayWhyAndLeaveNoImage) {
    Import(Files.Write(Png(Quadrants()), ".png"));
    ASSERT_NE(Probe().Dib(), nullptr);

    std::vector<std::uint8_t> cut = Png(Quadrants());
    cut.resize(cut.size() / 2);
    Import(Files.Write(cut, ".png"), 1);
    EXPECT_EQ(BoxesShown().back(),
              Exclamation("The picture file is damaged or incomplete and cannot be imported.",
                          "Import Picture"));
    EXPECT_EQ(Probe().Dib(), nullptr);
    EXPECT_FALSE(MenuAction(CM_IMAGE)->isChecked());

    // The limit is read from the settings at each import.
    std::ofstream(ConfigDir / "kestrova.ini") << "[Import]\nMaxPixels=1000\n";
    Import(Files.Write(Png(Quadrants()), ".png"), 1);
    EXPECT_EQ(
        BoxesShown().back().Text,
        "This picture is 38 \u00D7 30 pixels, more than the 1000 pixels that can be imported. "
        "The limit is MaxPixels in the [Import] section of the settings file.");
    EXPECT_EQ(Probe().Dib(), nullptr);
}

// Open Image's refusals, each followed by the offer; Yes imports the file.
TEST_F(ImportTest, OpenImageOffersTheImportAfterEachRefusalOfAPictureItCanRead) {
    struct TCase {
        const char* Name;
        std::vector<std::uint8_t> File;
        std::vector<TUserMessage> Refusal;
        int Width;
        int Height;
    };
    const TUserMessage unreadable = Exclamation(
        "Unable to load image from the specified file. Cannot open file, or wrong file type.",
        "File Error");
    TBmp trueColour;
    trueColour.BitCount = 24;
    TBmp v4 = trueColour, v5 = trueColour, topDown = trueColour, oldStyle;
    v4.HeaderBytes = 108;
    v5.HeaderBytes = 124;
    topDown.Height = -2;
    oldStyle.HeaderBytes = 12;
    TBmp runLength;
    runLength.BitCount = 8;
    runLength.Compression = 1;
    runLength.SizeImage = 8;
    runLength.Bits = std::vector<std::uint8_t>{2, 1, 0, 0, 2, 3, 0, 1};
    TBmp runLengthWrongSize = runLength;
    runLengthWrongSize.SizeImage = 0;
    const std::vector<TCase> cases = {
        {"PNG through All files", Png(Quadrants()), {unreadable}, 38, 30},
        {"108-byte header", v4.Bytes(), {unreadable}, 2, 2},
        {"124-byte header", v5.Bytes(), {unreadable}, 2, 2},
        {"old-style header",
         oldStyle.Bytes(),
         {Exclamation(
             "This file has an old-style PM DIB header. Sorry, cannot handle this file type.",
             "File Error")},
         2,
         2},
        {"top-down", topDown.Bytes(), {Exclamation("Scan lines in reverse order!", "Error")}, 2, 2},
        {"run-length, size wrong",
         runLengthWrongSize.Bytes(),
         {Exclamation("Image Size error!", "Error")},
         2,
         2},
        {"run-length",
         runLength.Bytes(),
         {Exclamation("Sorry, this version cannot handle compressed bitmaps.", "Error")},
         2,
         2},
        {"24-bit",
         trueColour.Bytes(),
         {Exclamation("Sorry, this version cannot handle bitmaps with more than 256 colors. Use of "
                      "monochrome images is recommended for best results.",
                      "Error")},
         2,
         2},
    };
    for (const TCase& refused : cases) {
        SCOPED_TRACE(refused.Name);
        Ui->Boxes.clear();
        Ui->FileAnswers.push_back(Files.Write(refused.File, ".bmp"));
        Ui->BoxAnswers.insert(Ui->BoxAnswers.end(), refused.Refusal.size(), IDOK);
        Ui->BoxAnswers.push_back(IDYES);
        Command(CM_OPENIMAGE);
        std::vector<TUserMessage> expected = refused.Refusal;
        expected.push_back(ImportOffer);
        EXPECT_EQ(BoxesShown(), expected);
        ASSERT_NE(Probe().Dib(), nullptr);
        EXPECT_EQ(Probe().ImageSrcRect(), (TRect{0, 0, refused.Width, refused.Height}));
        EXPECT_TRUE(MenuAction(CM_IMAGE)->isChecked());
    }

    // A file no picture reader takes gets the refusal alone.
    Ui->Boxes.clear();
    Ui->FileAnswers.push_back(Files.Write({'n', 'o', 't', ' ', 'a', ' ', 'p', 'i', 'c'}, ".bmp"));
    Ui->BoxAnswers.push_back(IDOK);
    Command(CM_OPENIMAGE);
    EXPECT_EQ(BoxesShown(), std::vector<TUserMessage>{unreadable});
    EXPECT_EQ(Probe().Dib(), nullptr);
}

TEST_F(ImportTest, TrueColoursDrawsThePictureAsItIsUnderTheGridAndIsKept) {
    Import(Files.Write(Png(Quadrants()), ".png"));
    Command(CM_TRUECOLOURS);
    EXPECT_TRUE(MenuAction(CM_TRUECOLOURS)->isChecked());
    ExpectQuadrants(false);
    // The axes are drawn over the picture.
    EXPECT_EQ(Pixel(Grab(), 0, Far), qRgb(0, 0, 0));
    EXPECT_NE(IniText().find("[View]\nTrueColours=1\n"), std::string::npos);

    StopApp();
    StartApp();
    MenuItemEnabled("&View", CM_TRUECOLOURS); // the menu shows its state when it opens
    EXPECT_TRUE(MenuAction(CM_TRUECOLOURS)->isChecked());
    Command(CM_TRUECOLOURS);
    EXPECT_FALSE(MenuAction(CM_TRUECOLOURS)->isChecked());
    EXPECT_NE(IniText().find("TrueColours=0"), std::string::npos);
    Import(Files.Write(Png(Quadrants()), ".png"));
    ExpectQuadrants(true);
}

} // namespace

namespace {

// While one import runs, the window paints but takes no second one.
TEST_F(ImportTest, NoSecondImportWhileOneRuns) {
    QImage gradient(1500, 1500, QImage::Format_RGB32);
    for (int y = 0; y < gradient.height(); ++y)
        for (int x = 0; x < gradient.width(); ++x)
            gradient.setPixel(x, y, qRgb(x % 256, y % 256, (x + y) % 256));
    const std::string big = Files.Write(Png(gradient), ".png");
    const std::string small = Files.Write(Png(Quadrants()), ".png");
    bool asked = false;
    QTimer::singleShot(20, [&] {
        asked = true;
        TCommandEnabler ce(CM_IMPORTPICTURE);
        Window->EvCommandEnable(ce);
        EXPECT_FALSE(ce.IsEnabled());
        EXPECT_FALSE(Window->ImportPicture(small));
    });
    ASSERT_TRUE(Window->ImportPicture(big));
    EXPECT_TRUE(asked);
    EXPECT_EQ(Probe().Dib()->GetWidth(), 1500);
    TCommandEnabler ce(CM_IMPORTPICTURE);
    Window->EvCommandEnable(ce);
    EXPECT_TRUE(ce.IsEnabled());
}

// Long work gets a progress bar whose Cancel the work hears of; short work
// shows none.
TEST_F(ImportTest, ProgressBarShowsForLongWorkAndCancels) {
    bool sawBar = false;
    const bool quick = RunWithProgress(Window, "Import Picture",
                                       [&](const TProgressReport& report) { report(500); });
    EXPECT_TRUE(quick);

    QTimer::singleShot(900, [&] {
        if (auto* bar = Frame->GetHandle()->findChild<QProgressDialog*>();
            bar && bar->isVisible()) {
            sawBar = true;
            EXPECT_EQ(bar->windowTitle(), "Import Picture");
            bar->cancel();
        }
    });
    bool heardCancel = false;
    const bool finished =
        RunWithProgress(Window, "Import Picture", [&](const TProgressReport& report) {
            for (int step = 0; step < 300 && !heardCancel; ++step) {
                heardCancel = !report(step);
                std::this_thread::sleep_for(std::chrono::milliseconds(10));
            }
        });
    EXPECT_TRUE(sawBar);
    EXPECT_TRUE(heardCancel);
    EXPECT_FALSE(finished);
}

} // namespace
