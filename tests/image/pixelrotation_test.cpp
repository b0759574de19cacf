#include "testimages.h"

#include "image/pixelcopy.h"
#include "image/pixelrotation.h"

#include <algorithm>
#include <cmath>
#include <complex>
#include <limits>
#include <random>
#include <stdexcept>

namespace {

using Matrix = std::vector<std::uint8_t>;

TEST(RoundHalfDown, RoundsToNearestWithHalvesDownward) {
    const std::pair<double, double> cases[] = {{2.5, 2},  {2.6, 3},   {-2.5, -3}, {-2.4, -2},
                                               {0.5, 0},  {1.5, 1},   {-0.5, -1}, {0.0, 0},
                                               {-3, -3},  {7.49, 7},  {-7.51, -8}, {1e15 + 0.5, 1e15}};
    for (auto [v, expected] : cases)
        EXPECT_EQ(RoundHalfDown(v), expected) << v;
}

TEST(MostFrequentValue, SkipsTheLastByteAndPrefersTheSmallerValueOnATie) {
    const Matrix sevens{7, 7, 7, 7, 3, 3, 3, 3};
    EXPECT_EQ(MostFrequentValue(sevens.data(), 8, 256), 7);
    const Matrix tie{7, 7, 3, 3, 9};
    EXPECT_EQ(MostFrequentValue(tie.data(), 5, 256), 3);
    const Matrix lastOnly{4, 5, 5};
    EXPECT_EQ(MostFrequentValue(lastOnly.data(), 3, 256), 4) << "5 once, 4 once: the smaller";
    const Matrix single{9};
    EXPECT_EQ(MostFrequentValue(single.data(), 1, 256), 9);
    EXPECT_EQ(MostFrequentValue(nullptr, 0, 256), 0);
}

TEST(MostFrequentValue, LooksOnlyAtEveryStepthByte) {
    // 3000 bytes and 256 samples: step 11. Every 11th byte is 200, the many
    // others 1, so only the thinned-out sample names 200.
    Matrix data(3000, 1);
    for (std::size_t i = 0; i < data.size(); i += 11)
        data[i] = 200;
    EXPECT_EQ(MostFrequentValue(data.data(), 3000, 256), 200);
    for (int odd : {0, -5, 5000})
        EXPECT_EQ(MostFrequentValue(data.data(), 3000, odd), 200) << "samples " << odd << " -> 256";
    EXPECT_EQ(MostFrequentValue(data.data(), 3000, 3000), 1) << "every byte";
}

TEST(PixelPacking, MostSignificantBitsFirst) {
    const std::uint8_t a5 = 0xA5;
    Matrix pixels(10, 0x77);
    UnpackPixels1(&a5, pixels.data(), 8);
    EXPECT_EQ(pixels, (Matrix{1, 0, 1, 0, 0, 1, 0, 1, 0x77, 0x77}));
    std::uint8_t packed = 0;
    PackPixels1(pixels.data(), &packed, 1);
    EXPECT_EQ(packed, 0xA5);

    const std::uint8_t c3 = 0x3C;
    UnpackPixels4(&c3, pixels.data(), 2);
    EXPECT_EQ(pixels[0], 3);
    EXPECT_EQ(pixels[1], 12);
    const Matrix nibbles{0x13, 0x2C};
    PackPixels4(nibbles.data(), &packed, 1);
    EXPECT_EQ(packed, 0x3C) << "only the low nibbles count";
    const Matrix bytes{0xFF, 0xFE, 0x01, 0x02, 0x03, 0x04, 0x05, 0x06};
    PackPixels1(bytes.data(), &packed, 1);
    EXPECT_EQ(packed, 0xAA) << "only the lowest bits count";
}

TEST(PixelPacking, StopsAfterCountAndRoundTrips) {
    const Matrix packed{0xFF, 0xF0, 0x0F};
    Matrix pixels(12, 9);
    UnpackPixels1(packed.data(), pixels.data(), 11);
    EXPECT_EQ(pixels, (Matrix{1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 9}));
    UnpackPixels4(packed.data(), pixels.data(), 3);
    EXPECT_EQ(pixels[2], 15);
    EXPECT_EQ(pixels[3], 1) << "left as it was";

    std::mt19937 random(7);
    Matrix data(1000);
    for (auto& b : data)
        b = static_cast<std::uint8_t>(random());
    Matrix ones(8000), fours(2000), back(1000);
    UnpackPixels1(data.data(), ones.data(), 8000);
    PackPixels1(ones.data(), back.data(), 1000);
    EXPECT_EQ(back, data);
    UnpackPixels4(data.data(), fours.data(), 2000);
    PackPixels4(fours.data(), back.data(), 1000);
    EXPECT_EQ(back, data);
}

// The turn worked out another way: complex multiplication for the turn and
// ceil(v - 1/2) for the rounding, with rows and columns kept apart until
// the end.
Matrix ReferenceTurn(const Matrix& source, int w, int h, int cx, int cy, std::uint8_t background,
                     double s, int cosSign, double g) {
    Matrix target(source.size(), background);
    const std::complex<double> turn(cosSign * std::sqrt(1 - s * s), s);
    for (int row = 0; row < h; ++row)
        for (int col = 0; col < w; ++col) {
            const std::uint8_t v = source[static_cast<std::size_t>(row) * w + col];
            if (v == background)
                continue;
            const std::complex<double> turned =
                std::complex<double>(col - cx, (row - cy) * g) * turn;
            const long long toCol = static_cast<long long>(std::ceil(turned.real() - 0.5)) + cx;
            const long long toRow = static_cast<long long>(std::ceil(turned.imag() / g - 0.5)) + cy;
            const long long at = toRow * w + toCol;
            if (at >= 0 && at < static_cast<long long>(target.size()))
                target[static_cast<std::size_t>(at)] = v;
        }
    return target;
}

Matrix Turned(const Matrix& source, int w, int h, int cx, int cy, std::uint8_t background,
              double s, int cosSign = 1, double g = 1) {
    Matrix target(source.size(), 0xCD);
    Rotate2DMatrix(source.data(), target.data(), w, h, cx, cy, background, s, cosSign, g);
    return target;
}

TEST(Rotate2DMatrix, AgreesWithAReferenceWorkedOutAnotherWay) {
    std::mt19937 random(2024);
    struct TCase {
        int W, H, Cx, Cy;
        double Sine;
        int CosSign;
        double Aspect;
    };
    const TCase cases[] = {
        {64, 48, 0, 0, 0.0624, 1, 1.0},      {64, 48, 0, 0, -0.0624, 1, 1.0},
        {57, 33, 20, 11, 0.031149, 1, 1.0},  {80, 40, 79, 39, -0.5, 1, 1.0},
        {40, 80, 13, 70, 0.3, -1, 1.0},      {50, 50, 25, 25, 0.05, 1, 2.0},
        {50, 50, 25, 25, -0.05, 1, 0.5},     {31, 17, -10, 40, 0.9, 1, 1.7},
        {128, 16, 64, 8, 1.0, 1, 1.0},       {16, 128, 3, 3, -1.0, -1, 1.0},
        // Tall enough that the target is filled many rows ahead of the
        // pixels turned into it.
        {300, 200, 0, 0, -0.0624, 1, 1.0},   {300, 200, 150, 100, 0.0624, 1, 0.8},
        {200, 300, 199, 0, 0.2, -1, 1.0},
    };
    for (const TCase& c : cases)
        for (std::uint8_t background : {std::uint8_t{0}, std::uint8_t{3}}) {
            Matrix source(static_cast<std::size_t>(c.W) * c.H);
            for (auto& v : source)
                v = random() % 3 == 0 ? static_cast<std::uint8_t>(random() % 5) : background;
            EXPECT_EQ(
                Turned(source, c.W, c.H, c.Cx, c.Cy, background, c.Sine, c.CosSign, c.Aspect),
                ReferenceTurn(source, c.W, c.H, c.Cx, c.Cy, background, c.Sine, c.CosSign,
                              c.Aspect))
                << c.W << "x" << c.H << " about " << c.Cx << "," << c.Cy << " sine " << c.Sine
                << " background " << int{background};
        }
}

// A quarter turn needs no trigonometry at all: (x, y) goes to (-y, x).
TEST(Rotate2DMatrix, QuarterTurnMovesColumnsToRows) {
    const int w = 12, h = 12, cx = 4, cy = 5;
    Matrix source(w * h, 0);
    source[2 * w + 9] = 1;  // x = 5, y = -3
    source[5 * w + 4] = 2;  // the centre stays
    source[7 * w + 6] = 3;  // x = 2, y = 2
    const Matrix target = Turned(source, w, h, cx, cy, 0, 1.0);
    Matrix expected(w * h, 0);
    expected[(5 + cy) * w + (3 + cx)] = 1;
    expected[5 * w + 4] = 2;
    expected[(2 + cy) * w + (-2 + cx)] = 3;
    EXPECT_EQ(target, expected);
}

// What the slider is for: a scanned axis that leans by a small angle lies
// level after turning by the opposite sine.
TEST(Rotate2DMatrix, LevelsALeaningLine) {
    const int w = 400, h = 60;
    const double s = 0.0624; // the slider's largest turn
    const double slope = s / std::sqrt(1 - s * s);
    Matrix source(w * h, 0);
    for (int x = 0; x < 380; ++x)
        source[static_cast<std::size_t>(std::lround(x * slope)) * w + x] = 1;
    const Matrix target = Turned(source, w, h, 0, 0, 0, -s);
    for (int row = 0; row < h; ++row)
        for (int col = 0; col < w; ++col)
            if (target[row * w + col] == 1) {
                EXPECT_LE(row, 1) << "column " << col;
            }
    int onRowZero = 0;
    for (int col = 0; col < w; ++col)
        onRowZero += target[col];
    EXPECT_GT(onRowZero, 370);
}

TEST(Rotate2DMatrix, CarriesPixelsPastASideIntoTheNextRowAndDropsThosePastTheEnds) {
    // A half turn (sine 0, cosine -1) about column 9, row 3 of a 10 x 10
    // matrix: row 1, column 7 goes two columns past the last one of row 5.
    const int w = 10, h = 10;
    Matrix source(w * h, 0);
    source[1 * w + 7] = 4;
    source[9 * w + 0] = 5; // to row -3: past the first row, dropped
    Matrix expected(w * h, 0);
    expected[6 * w + 1] = 4;
    EXPECT_EQ(Turned(source, w, h, 9, 3, 0, 0.0, -1), expected);
}

TEST(Rotate2DMatrix, FillsWithTheBackgroundAndLaterPixelsWin) {
    const Matrix source{5, 5, 1, 2, 5, 5};
    EXPECT_EQ(Turned(source, 3, 2, 0, 0, 5, 0.0), source) << "places of the background filled";
    // An eighth turn: columns 1 and 2 of row 0 both land on column 1 of
    // row 1, and the later one stays.
    const Matrix row{0, 7, 8, 0, 0, 0, 0, 0};
    Matrix expected(8, 0);
    expected[5] = 8;
    EXPECT_EQ(Turned(row, 4, 2, 0, 0, 0, std::sqrt(0.5)), expected);
}

TEST(Rotate2DMatrix, RefusesAnInvalidArgumentAndChangesNothing) {
    const Matrix source(16, 1);
    Matrix target(16, 9);
    const auto expectRefused = [&](double s, int cosSign, double g, int w, int h) {
        try {
            Rotate2DMatrix(source.data(), target.data(), w, h, 0, 0, 0, s, cosSign, g);
            ADD_FAILURE() << "no error for sine " << s;
        } catch (const std::invalid_argument& error) {
            EXPECT_STREQ(error.what(), "Rotate2DMatrix error: Invalid argument");
        }
        EXPECT_EQ(target, Matrix(16, 9));
    };
    expectRefused(1.0000001, 1, 1, 4, 4);
    expectRefused(-1.5, 1, 1, 4, 4);
    expectRefused(std::nan(""), 1, 1, 4, 4);
    expectRefused(0.1, 0, 1, 4, 4);
    expectRefused(0.1, 2, 1, 4, 4);
    expectRefused(0.1, 1, 0, 4, 4);
    expectRefused(0.1, 1, std::numeric_limits<double>::infinity(), 4, 4);
    expectRefused(0.1, 1, 1, -4, 4);
}

TEST(Rotate2DMatrix, ExtremeAspectsStayWithinTheMatrix) {
    Matrix source(64 * 64, 0);
    for (std::size_t i = 0; i < source.size(); i += 3)
        source[i] = 1;
    // The most unequal resolutions a file can give.
    for (double g : {2147483647.0, 1.0 / 2147483647.0})
        EXPECT_EQ(Turned(source, 64, 64, 63, 0, 0, 0.5, 1, g),
                  ReferenceTurn(source, 64, 64, 63, 0, 0, 0.5, 1, g));
    // Beyond them the turned places leave any index range; the sanitizers
    // watch that the kernel drops them without overflowing.
    for (double g : {1e-300, 1e300}) {
        const Matrix target = Turned(source, 64, 64, 63, 0, 0, 0.5, 1, g);
        EXPECT_LE(std::count(target.begin(), target.end(), 1),
                  std::count(source.begin(), source.end(), 1));
    }
}

class RotateImageTest : public ImageTest {
protected:
    // A picture of one index per pixel, rows from the bottom.
    std::unique_ptr<TDib> Picture(const std::vector<std::vector<int>>& rows, int bits,
                                  std::int32_t xRes = 2835, std::int32_t yRes = 2835) {
        TBmp bmp;
        bmp.BitCount = static_cast<std::uint16_t>(bits);
        bmp.Width = static_cast<std::int32_t>(rows[0].size());
        bmp.Height = static_cast<std::int32_t>(rows.size());
        bmp.XPelsPerMeter = xRes;
        bmp.YPelsPerMeter = yRes;
        bmp.Bits = Packed(rows, bits);
        return Read(bmp);
    }
    static std::vector<std::vector<int>> Blank(int w, int h, int v = 0) {
        return std::vector<std::vector<int>>(h, std::vector<int>(w, v));
    }
    static Matrix BitsOf(const TDib& dib) {
        return Matrix(dib.GetBits(), dib.GetBits() + dib.GetSizeImage());
    }
};

const TUserMessage Distortion{"Invalid information on x and y resolution in bitmap header. "
                               "Rotation can distort the image.",
                               "Warning", MB_OK, MB_ICONEXCLAMATION};
const TUserMessage WrongSize{"Information on image size in bitmap header is wrong. Sorry, "
                              "cannot rotate the image...",
                              "Error", MB_OK, MB_ICONEXCLAMATION};
const TUserMessage TooDeep{"Sorry, cannot rotate images with more than 256 colors...", "Error",
                            MB_OK, MB_ICONEXCLAMATION};
const TUserMessage NoMemory{"Not enough memory. Sorry, cannot rotate the image!", "Error",
                             MB_OK, MB_ICONEXCLAMATION};

TEST_F(RotateImageTest, QuarterTurnAboutTheLowerLeftCornerAtEveryDepth) {
    // Widths whose rows need no padding, so the matrix is the picture.
    for (auto [bits, width] : {std::pair{1, 64}, {4, 40}, {8, 40}}) {
        auto rows = Blank(width, 40);
        const int ink = (1 << bits) - 1;
        rows[0][10] = ink; // on the bottom row, 10 right of the corner
        rows[3][7] = ink;
        const auto dib = Picture(rows, bits);
        ASSERT_TRUE(dib);
        EXPECT_TRUE(RotateImage(*dib, {0, 0}, 1.0, 1).empty());
        int inked = 0;
        for (int y = 0; y < 40; ++y)
            for (int x = 0; x < width; ++x)
                inked += PixelAt(*dib, x, y) == ink;
        EXPECT_EQ(inked, 2) << bits << " bits";
        EXPECT_EQ(PixelAt(*dib, 0, 10), ink);
        EXPECT_EQ(PixelAt(*dib, width - 3, 6), ink) << "(7, 3) to (-3, 7): the end of row 6";
    }
}

TEST_F(RotateImageTest, TurnsLikeTheMatrixKernelAboutTheGivenCentre) {
    auto rows = Blank(50, 30);
    std::mt19937 random(5);
    for (auto& row : rows)
        for (int& v : row)
            v = random() % 4 == 0 ? static_cast<int>(random() % 16) : 0;
    const auto dib = Picture(rows, 4);
    ASSERT_TRUE(dib);
    // The matrix is 56 pixels wide: 50 and 6 of padding.
    Matrix matrix(56 * 30);
    UnpackPixels4(dib->GetBits(), matrix.data(), 56 * 30);
    const Matrix expected = ReferenceTurn(matrix, 56, 30, 12, 20, 0, 0.04, 1, 1.0);

    EXPECT_TRUE(RotateImage(*dib, {12, 20}, 0.04, 1).empty());
    Matrix turned(56 * 30);
    UnpackPixels4(dib->GetBits(), turned.data(), 56 * 30);
    EXPECT_EQ(turned, expected);
}

// Turned straight in its packed bits: runs of paper passed over a word at a
// time, ink bits among paper bits, padding bits turned with the rest.
TEST_F(RotateImageTest, OneBitPicturesTurnLikeTheMatrixKernel) {
    auto rows = Blank(300, 40, 1);
    std::mt19937 random(8);
    for (auto& row : rows)
        for (int& v : row)
            v = random() % 9 == 0 ? 0 : 1;
    const auto dib = Picture(rows, 1);
    ASSERT_TRUE(dib);
    // The matrix is 320 pixels wide: 300 and 20 of padding.
    Matrix matrix(320 * 40);
    UnpackPixels1(dib->GetBits(), matrix.data(), 320 * 40);
    const Matrix expected = ReferenceTurn(matrix, 320, 40, 150, 25, 1, -0.06, 1, 1.0);

    EXPECT_TRUE(RotateImage(*dib, {150, 25}, -0.06, 1).empty());
    Matrix turned(320 * 40);
    UnpackPixels1(dib->GetBits(), turned.data(), 320 * 40);
    EXPECT_EQ(turned, expected);
}

TEST_F(RotateImageTest, BadResolutionWarnsEveryTimeAndTurnsWithSquarePixels) {
    auto rows = Blank(64, 32);
    for (int x = 5; x < 60; ++x)
        rows[16][x] = 1;
    const auto square = Picture(rows, 1);
    const auto unknown = Picture(rows, 1, 0, 2835);
    const auto negative = Picture(rows, 1, 2835, -1);
    RotateImage(*square, {32, 16}, 0.06, 1);
    for (TDib* dib : {unknown.get(), negative.get()})
        for (int time = 0; time < 2; ++time) {
            EXPECT_EQ(RotateImage(*dib, {32, 16}, time == 0 ? 0.06 : 0.0, 1),
                      std::vector{Distortion});
            EXPECT_EQ(BitsOf(*dib), BitsOf(*square));
        }
}

TEST_F(RotateImageTest, UnequalResolutionsTurnInPhysicalUnits) {
    auto rows = Blank(64, 64);
    for (int y = 0; y < 64; y += 3)
        for (int x = 0; x < 64; x += 2)
            rows[y][x] = 1;
    const auto wide = Picture(rows, 8, 4000, 2000);
    const auto square = Picture(rows, 8);
    Matrix matrix = BitsOf(*wide);
    EXPECT_TRUE(RotateImage(*wide, {30, 30}, 0.05, 1).empty());
    EXPECT_EQ(BitsOf(*wide), ReferenceTurn(matrix, 64, 64, 30, 30, 0, 0.05, 1, 2.0));
    RotateImage(*square, {30, 30}, 0.05, 1);
    EXPECT_NE(BitsOf(*wide), BitsOf(*square));
}

TEST_F(RotateImageTest, OneValueEverywhereStaysWhenNoRowIsPadded) {
    for (int value : {0, 1}) {
        const auto dib = Picture(Blank(64, 20, value), 1);
        const Matrix before = BitsOf(*dib);
        for (double s : {0.0625, -0.0625, 0.7, -1.0})
            RotateImage(*dib, {17, 9}, s, 1);
        EXPECT_EQ(BitsOf(*dib), before);
    }
}

TEST_F(RotateImageTest, PaddingPixelsTakePartInTheBackground) {
    // 100 pixels wide: 60 set, 40 clear, and 28 clear padding pixels a
    // row. Clear is the background, so the places a turn empties are clear
    // although most of the picture is set.
    auto rows = Blank(100, 40);
    for (auto& row : rows)
        for (int x = 0; x < 60; ++x)
            row[x] = 1;
    const auto dib = Picture(rows, 1);
    EXPECT_EQ(dib->GetSizeImage(), 16u * 40u) << "a 128-pixel matrix row";
    RotateImage(*dib, {0, 0}, 0.5, 1);
    EXPECT_EQ(PixelAt(*dib, 59, 0), 0) << "emptied by the turn";
    EXPECT_EQ(PixelAt(*dib, 0, 0), 1) << "the centre stays";
}

TEST_F(RotateImageTest, RefusesWhatItCannotTurnAndLeavesTheBits) {
    TBmp trueColor;
    trueColor.BitCount = 24;
    trueColor.Width = 4;
    auto dib = Read(trueColor);
    Matrix before = BitsOf(*dib);
    EXPECT_EQ(RotateImage(*dib, {0, 0}, 0.05, 1), std::vector{TooDeep});
    EXPECT_EQ(BitsOf(*dib), before);

    TBmp rle;
    rle.BitCount = 8;
    rle.Compression = 1;
    rle.SizeImage = 2;
    rle.Bits = Matrix{0, 1};
    dib = Read(rle);
    EXPECT_EQ(RotateImage(*dib, {0, 0}, 0.05, 1), std::vector{WrongSize});

    TBmp topDown;
    topDown.Height = -4;
    topDown.XPelsPerMeter = 0;
    dib = Read(topDown);
    EXPECT_EQ(RotateImage(*dib, {0, 0}, 0.05, 1), (std::vector{Distortion, WrongSize}));
}

TEST_F(RotateImageTest, NoRoomForAMatrixLeavesTheImageAsItWas) {
    auto rows = Blank(32, 8);
    rows[4][20] = 1;
    const auto dib = Picture(rows, 1);
    const Matrix before = BitsOf(*dib);
    Refuse = [](std::size_t) { return true; };
    EXPECT_EQ(RotateImage(*dib, {0, 0}, 0.5, 1), std::vector{NoMemory});
    EXPECT_EQ(BitsOf(*dib), before);
    Refuse = nullptr;
}

// A 30000 x 30000 1-bit picture once took sixteen times its bits.
TEST_F(RotateImageTest, TurnsWithOneMorePictureOfMemoryAtEveryDepth) {
    auto rows = Blank(40, 12);
    rows[5][9] = 1;
    for (int bits : {1, 4, 8}) {
        const auto dib = Picture(rows, bits);
        Requests.clear();
        EXPECT_TRUE(RotateImage(*dib, {3, 2}, 0.05, 1).empty());
        const auto block =
            static_cast<std::size_t>(dib->GetBits() - dib->GetInfo()) + dib->GetSizeImage();
        EXPECT_EQ(Requests, std::vector<std::size_t>{block}) << bits << " bits";
    }
}

// The turned bits come in a block of their own, which takes the header and
// colour table along; the recall copy taken before still undoes the turn.
TEST_F(RotateImageTest, TheTurnedBlockKeepsHeaderAndColoursAndRecallUndoesIt) {
    auto rows = Blank(40, 12);
    rows[5][9] = 1;
    rows[2][30] = 1;
    const std::pair<std::uint32_t, int> kinds[] = {{40, 1}, {40, 4}, {40, 8}, {12, 1}, {12, 8}};
    for (auto [headerBytes, bits] : kinds) {
        TBmp bmp;
        bmp.HeaderBytes = headerBytes;
        bmp.BitCount = static_cast<std::uint16_t>(bits);
        bmp.Width = 40;
        bmp.Height = 12;
        bmp.XPelsPerMeter = 3000;
        bmp.Bits = Packed(rows, bits);
        const auto dib = Read(bmp);
        ASSERT_TRUE(dib);
        const auto infoOf = [](const TDib& d) { return Matrix(d.GetInfo(), d.GetBits()); };
        const Matrix info = infoOf(*dib);
        const Matrix before = BitsOf(*dib);
        TPixelCopy recall;
        ASSERT_TRUE(recall.Take(*dib));
        RotateImage(*dib, {3, 2}, 0.5, 1);
        EXPECT_NE(BitsOf(*dib), before) << headerBytes << "-byte header, " << bits << " bits";
        EXPECT_EQ(infoOf(*dib), info);
        EXPECT_EQ(dib->GetXPelsPerMeter(), headerBytes == 40 ? 3000 : 0);
        EXPECT_TRUE(recall.CopyBackTo(*dib));
        EXPECT_EQ(BitsOf(*dib), before);
    }
}

TEST_F(RotateImageTest, InvalidSinePassesTheErrorOnWithTheImageUnchanged) {
    for (int bits : {1, 8}) {
        auto rows = Blank(32, 8);
        rows[2][5] = 1;
        const auto dib = Picture(rows, bits);
        const Matrix before = BitsOf(*dib);
        EXPECT_THROW(RotateImage(*dib, {0, 0}, 1.25, 1), std::invalid_argument);
        EXPECT_EQ(BitsOf(*dib), before);
    }
}

} // namespace
