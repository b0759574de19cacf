#include "window/drawwindow.h"

#include "core/axisvalues.h"
#include "core/curve.h"
#include "core/curveflags.h"
#include "core/curvemessages.h"
#include "core/graphscale.h"
#include "core/logicalspace.h"
#include "core/scaleranges.h"
#include "datafile/countstext.h"
#include "framework/choosecolordialog.h"
#include "framework/clientdc.h"
#include "framework/commandenabler.h"
#include "framework/decoratedframe.h"
#include "framework/dialog.h"
#include "framework/gdi/messagebox.h"
#include "framework/gdi/usermessage.h"
#include "framework/helpviewer.h"
#include "framework/picturedecoder.h"
#include "framework/profile.h"
#include "framework/statusbar.h"
#include "framework/waitcursor.h"
#include "image/dib.h"
#include "image/pixelrotation.h"
#include "image/rotationframe.h"
#include "resources/tables/ids.h"
#include "window/drawwindowframe.h"
#include "window/panetexts.h"
#include "window/setscaledial.h"

#include <algorithm>
#include <iterator>
#include <limits>
#include <new>
#include <string>
#include <vector>

namespace {

constexpr char DataFilter[] = "Data Files (*.DAT)|*.dat|CSV Data Files(*.CSV)|*.csv|All files (*.*)|*.*|";
constexpr char ImageFilter[] =
    "Bitmap (*.BMP)|*.bmp|Device-Independent Bitmap (*.DIB)|*.dib|All files (*.*)|*.*|";

std::string PictureFilter() {
    return "Pictures|" + PictureFilePatterns() + "|All files (*.*)|*.*|";
}

constexpr char FirstCurveHint[] =
    "You are about to draw the first curve. Please make sure the graph scale is set properly "
    "(i.e., coordinates of the data points to be drawn correspond to the values you need). If it "
    "is not the case, use \"Scale...\" button to change it.";

// The background colour's settings: section, keys, default.
constexpr char StartupSection[] = "Startup";
constexpr const char* BkColorKeys[3] = {"BkColorRed", "BkColorGreen", "BkColorBlue"};
constexpr int DefaultBkComponent = 192;
// File|Recent's files have a section of their own.
constexpr char RecentSection[] = "Recent";

// View|True Colours' setting, in a section of its own; off by default.
constexpr char ViewSection[] = "View";
constexpr char TrueColoursKey[] = "TrueColours";

TColor ReadBkColor() {
    int rgb[3];
    for (int i = 0; i < 3; ++i)
        rgb[i] = std::clamp(
            GetPrivateProfileInt(StartupSection, BkColorKeys[i], DefaultBkComponent, IniFileName),
            0, 255);
    return TColor(rgb[0], rgb[1], rgb[2]);
}

// The longest texts "%-10.10g" writes into a position pane: ten digits with
// a sign, a point and a three-digit exponent, or after the four zeros of a
// small fraction.
std::vector<std::string> WidestPositionTexts(char axis) {
    return {FormatPositionPane(axis, -1.234567891e-100),
            FormatPositionPane(axis, -0.0001234567891)};
}

std::vector<std::string> MessagePaneTexts() {
    return {ReadyText,
            RotationDoneText,
            NoDataLoadedText,
            DrawingText,
            ImageLoadedText,
            PointDeletedPrefix + CountsText(MaxCurves, std::numeric_limits<std::uint32_t>::max())};
}

TPen SlotPen(int slot) {
    switch (slot) {
    case 0:
        return {TColor(255, 255, 0), 1, PS_SOLID};
    case 1:
        return {TColor(255, 0, 0), 1, PS_SOLID};
    case 2:
        return {TColor(0, 0, 255), 1, PS_DASH};
    case 3:
        return {TColor(255, 255, 255), 1, PS_DASHDOT};
    case 4:
        return {TColor(255, 255, 255), 1, PS_DASHDOTDOT};
    default:
        return {TColor(255, 255, 255), 1, PS_SOLID};
    }
}

// The custom colours of the colour dialog, shared by every use in a run.
std::array<TColor, 16> CustomColors;
bool CustomColorsFilled = false;

void FillCustomColors() {
    CustomColors[0] = TColor(1, 1, 1);
    for (int i = 1; i < 16; ++i)
        CustomColors[i] = TColor(16 * i, 16 * i, 16 * i);
    CustomColorsFilled = true;
}

// The window's response table: command id, handler, enabler.
struct TCommandEntry {
    int Id;
    void (TDrawWindow::*Handler)();
    void (TDrawWindow::*Enabler)(TCommandEnabler&);
};

constexpr TCommandEntry CommandTable[] = {
    {CM_FILENEW, &TDrawWindow::CmFileNew, nullptr},
    {CM_OPENDATA, &TDrawWindow::CmOpenData, nullptr},
    {CM_OPENIMAGE, &TDrawWindow::CmOpenImage, nullptr},
    {CM_IMPORTPICTURE, &TDrawWindow::CmImportPicture, &TDrawWindow::CeImportPicture},
    {CM_SAVEDATAAS, &TDrawWindow::CmSaveDataAs, &TDrawWindow::CeSaveDataAs},
    {CM_SCALE, &TDrawWindow::CmScale, nullptr},
    {CM_BKCOLOR, &TDrawWindow::CmBkColor, nullptr},
    {CM_SYMBOLS, &TDrawWindow::CmSymbols, nullptr},
    {CM_LINES, &TDrawWindow::CmLines, nullptr},
    {CM_IMAGE, &TDrawWindow::CmImage, &TDrawWindow::CeImage},
    {CM_AXISVALUES, &TDrawWindow::CmAxisValues, nullptr},
    {CM_TRUECOLOURS, &TDrawWindow::CmTrueColours, &TDrawWindow::CeTrueColours},
    {CM_DRAW, &TDrawWindow::ToggleDrawMode, nullptr},
    {CM_CALIBRATE, &TDrawWindow::CmCalibrate, &TDrawWindow::CeCalibrate},
    {CM_DELETELASTPOINT, &TDrawWindow::CmDeleteLastPoint, &TDrawWindow::CeDeleteLastPoint},
    {CM_RECALL, &TDrawWindow::CmRecall, &TDrawWindow::CeRecall},
    {CM_HELPCONTENTS, &TDrawWindow::CmHelpContents, nullptr},
    {CM_ABOUT, &TDrawWindow::CmAbout, nullptr},
    {CM_EXIT, &TDrawWindow::CmExit, nullptr},
    {CM_UNDO, &TDrawWindow::CmUndo, &TDrawWindow::CeUndo},
    {CM_REDO, &TDrawWindow::CmRedo, &TDrawWindow::CeRedo},
    {CM_ZOOMIN, &TDrawWindow::CmZoomIn, nullptr},
    {CM_ZOOMOUT, &TDrawWindow::CmZoomOut, nullptr},
    {CM_BACK, &TDrawWindow::CmBack, &TDrawWindow::CeBack},
    {CM_FORWARD, &TDrawWindow::CmForward, &TDrawWindow::CeForward},
    {CM_LOUPE, &TDrawWindow::CmLoupe, nullptr},
};

bool IsRecentFileCommand(int id) {
    return id >= CM_RECENTFILE1 && id < CM_RECENTFILE1 + RecentFileCount;
}

const TCommandEntry* FindCommand(int id) {
    const auto* entry = std::find_if(std::begin(CommandTable), std::end(CommandTable),
                                     [id](const TCommandEntry& e) { return e.Id == id; });
    return entry == std::end(CommandTable) ? nullptr : entry;
}

} // namespace

TDrawWindow::TCurvesContext::TCurvesContext(TDrawWindow& window, TDC& dc) : Window(window), Dc(dc) {
    Renew();
}

TDrawWindow::TCurvesContext::~TCurvesContext() {
    for (const std::unique_ptr<TCurve>& curve : Window.Curves)
        if (curve)
            curve->Dc = nullptr;
}

void TDrawWindow::TCurvesContext::Renew() {
    for (const std::unique_ptr<TCurve>& curve : Window.Curves)
        if (curve)
            curve->Dc = &Dc;
}

TDrawWindow::TDrawWindow(TWindow* parent, TDrawWindowFrame* frame)
    : TWindow(parent), Frame(frame),
      XGadget(0, TTextGadget::Recessed, TTextGadget::Left, 14, "X=?"),
      YGadget(0, TTextGadget::Recessed, TTextGadget::Left, 14, "Y=?"),
      MessageGadget(0, TTextGadget::Recessed, TTextGadget::Left, 35, ReadyText),
      DataOpenData(OFN_FILEMUSTEXIST | OFN_HIDEREADONLY, DataFilter, "", "DAT"),
      DataSaveData(OFN_OVERWRITEPROMPT | OFN_HIDEREADONLY, DataFilter, "", "DAT"),
      ImageOpenData(OFN_FILEMUSTEXIST | OFN_HIDEREADONLY, ImageFilter, "", "BMP"),
      PictureOpenData(OFN_FILEMUSTEXIST | OFN_HIDEREADONLY, PictureFilter(), "", ""),
      RecentFiles(IniFileName, RecentSection) {
    XGadget.FitTexts(WidestPositionTexts('X'));
    YGadget.FitTexts(WidestPositionTexts('Y'));
    MessageGadget.FitTexts(MessagePaneTexts());
    BkColor = ReadBkColor();
    TrueColours = GetPrivateProfileInt(ViewSection, TrueColoursKey, 0, IniFileName) != 0 ? 1 : 0;
    SetBkgndColor(BkColor);
    SetCursor(CursorCross);
    DrawSymbols = 1;
    DrawLines = 1;
    RubberPen = {TColor(0, 255, 255), 2, PS_SOLID};
    RotationPen = {TColor(0, 255, 255), 2, PS_SOLID};
    RubberBrush = TBrush::Hollow();
    RotationBrush = TBrush::Hollow();
    GraphScale.SetScale(0, GraphExtent, GraphExtent, 0, 0.0, 0.0, 100.0, 100.0);
    for (int slot = 0; slot < MaxCurves; ++slot)
        CurvePens[slot] = SlotPen(slot);
    RotationSlider = std::make_unique<TVSpecialSlider>(this, IDW_ROTATIONSLIDER, 0, 0, 20, 100);
    RotationSlider->SetRange(0, 100);
    PendingRotation = 0;
    RotationFrameHidden = 1;
}

// Settings first; the curves, pens, image copy, gadgets and the framework
// window then go with the members.
TDrawWindow::~TDrawWindow() {
    WriteBkColor();
}

void TDrawWindow::WriteBkColor() const {
    const int rgb[3] = {BkColor.Red(), BkColor.Green(), BkColor.Blue()};
    for (int i = 0; i < 3; ++i)
        WritePrivateProfileString(StartupSection, BkColorKeys[i], std::to_string(rgb[i]),
                                  IniFileName);
}

// The window takes the keyboard, for the arrow keys, Space, Enter and
// Escape.
void TDrawWindow::SetupWindow() {
    TWindow::SetupWindow();
    if (Frame)
        AboutDialog = Frame->MakeAboutDialog(*this);
    DragAcceptFiles(true);
    SetFocus();
}

void TDrawWindow::PrepareDC(TDC& dc) const {
    const TRect client = GetClientRect();
    const TLogicalMapping mapping = LogicalMapping({client.Width(), client.Height()});
    dc.SetMapMode(MM_ANISOTROPIC);
    dc.SetWindowExt(mapping.WindowExt);
    dc.SetViewportExt(mapping.ViewportExt);
    dc.SetViewportOrg(mapping.ViewportOrg);
    dc.SetWindowOrg(mapping.WindowOrg);
    dc.SetBkMode(TRANSPARENT);
}

void TDrawWindow::Paint(TDC& dc, bool, const TRect&) {
    const TWaitCursor wait;
    PrepareDC(dc);
    if (Dib && ShowImage) {
        if (PendingRotation != 0)
            ApplyPendingRotation();
        RotationSlider->SetPosition(RotationSliderMiddle);
        RotationSlider->Show(true);
    } else {
        RotationSlider->Show(false);
    }
    // The whole canvas was erased for this paint, a preview frame with it:
    // the next slider move has no old frame to take away.
    RotationFrameHidden = 1;
    PaintPicture(dc);
    if (Loupe && Loupe->IsVisible())
        Loupe->Invalidate();
}

void TDrawWindow::PaintPicture(TDC& dc) {
    if (Dib && ShowImage)
        dc.StretchBlt(ImageSquareLow, ImageSquareHigh, ImageSquareHigh - ImageSquareLow,
                      ImageSquareLow - ImageSquareHigh, Dib->GetBlitSource(), ImageSrcRect,
                      TrueColours ? SRCCOPY : SRCINVERT);

    // Axes and grid stand out from any background: black on light ones,
    // white on dark ones.
    const TColor ink = ContrastingColor(BkColor);
    const TPen previousPen = dc.SelectObject(TPen{ink, 1, PS_SOLID});
    dc.MoveTo(0, 0);
    dc.LineTo(GraphExtent, 0);
    dc.MoveTo(0, 0);
    dc.LineTo(0, GraphExtent);

    dc.SelectObject(TPen{ink, 1, PS_DOT});
    for (int x = GridStep; x <= GraphExtent; x += GridStep) {
        dc.MoveTo(x, 0);
        dc.LineTo(x, GraphExtent);
    }
    for (int y = GridStep; y <= GraphExtent; y += GridStep) {
        dc.MoveTo(0, y);
        dc.LineTo(GraphExtent, y);
    }
    dc.SelectObject(previousPen);
    if (ShowAxisValues)
        PaintAxisValues(dc, ink);

    // The paint's device context ends with the paint; no curve keeps it.
    const TCurvesContext context(*this, dc);
    for (int i = 0; i <= CurrentCurve; ++i)
        if (TCurve* curve = Curves[i].get())
            curve->Draw();
}

// X values hang below the axis, centred on their lines; Y values stand left
// of it, their middles on their lines. In the axes' ink with an outline of
// the other of black and white, they read on the background and on a
// picture alike. Thinning looks at the boxes as they come out in pixels, so
// it follows the window's size and the font.
void TDrawWindow::PaintAxisValues(TDC& dc, TColor ink) const {
    const TColor previousColor = dc.SetTextColor(ink);
    const std::optional<TColor> previousOutline = dc.SetTextOutline(ContrastingColor(ink));
    const auto measure = [&dc](TPoint place, const std::string& text) {
        return TLabelBox{dc.LogicalToDevice(place), dc.GetTextExtent(text)};
    };
    for (const TAxis axis : {TAxis::X, TAxis::Y}) {
        const bool isX = axis == TAxis::X;
        const TTextAnchor anchor = isX ? TTextAnchor{THorizontalAnchor::Center, TVerticalAnchor::Top}
                                       : TTextAnchor{THorizontalAnchor::Right,
                                                     TVerticalAnchor::Middle};
        for (const TAxisLabel& label : AxisLabelsToShow(GraphScale, axis, GridStep, measure))
            dc.TextOut(label.Place.X, label.Place.Y, label.Text, anchor);
    }
    dc.SetTextOutline(previousOutline);
    dc.SetTextColor(previousColor);
}

// Whatever comes of the turn, it is no longer pending; the paint goes on
// and draws the image as it now is.
void TDrawWindow::ApplyPendingRotation() {
    const TPoint centre{ImageSrcRect.Left, ImageSrcRect.Top};
    for (const TUserMessage& message :
         RotateImage(*Dib, centre, -PendingRotationSine(PendingRotation), 1))
        MessageBox(message);
    ImageMoved = 1;
    PendingRotation = 0;
    if (Frame)
        Frame->SetHintText("");
    MessageGadget.SetText(RotationDoneText);
}

void TDrawWindow::EvChildNotify(int childId, unsigned code) {
    if (childId == IDW_ROTATIONSLIDER)
        EvRotationSlider(code);
}

void TDrawWindow::EvRotationSlider(unsigned) {
    CancelCalibration();
    TClientDC dc(*this);
    dc.SelectObject(RotationPen);
    dc.SelectObject(RotationBrush);
    dc.SetROP2(R2_XORPEN);
    PrepareDC(dc);
    PendingRotation = SliderPendingRotation(RotationSlider->GetPosition());
    const TPoint origin{0, 0};
    if (RotationFrameHidden) {
        if (Frame)
            Frame->SetHintText("Move the slider's thumb to rotate the coordinate system.");
    } else {
        DrawRotationFrame(dc, origin, RotationFrameCorners[0], RotationFrameCorners[1],
                          RotationFrameCorners[2]);
    }
    // The frame shows the turn the pixels will get, in the picture's own
    // units: a parallelogram when the picture is stretched unevenly.
    const double stretch =
        Dib ? PictureStretch(ImageSrcRect, Dib->GetXPelsPerMeter(), Dib->GetYPelsPerMeter()) : 1.0;
    RotationFrameCorners = TurnedGraphSquareCorners(PendingRotation, stretch);
    DrawRotationFrame(dc, origin, RotationFrameCorners[0], RotationFrameCorners[1],
                      RotationFrameCorners[2]);
    RotationFrameHidden = 0;
}

void TDrawWindow::DrawRotationFrame(TDC& dc, TPoint p0, TPoint p1, TPoint p2, TPoint p3) {
    const TPoint corners[4] = {p0, p1, p2, p3};
    dc.Polygon(corners, 4);
}

void TDrawWindow::EvSize(const TSize& size) {
    Invalidate(true);
    const int width = RotationSlider->GetWidth(), height = RotationSlider->GetHeight();
    RotationSlider->MoveWindow(size.Cx - width, size.Cy - height, width, height);
}

// The second press of a double click is not a click.
void TDrawWindow::EvLButtonDblClk(const TPoint&) {}

void TDrawWindow::EvCommand(int id) {
    if (IsRecentFileCommand(id))
        CmRecentFile(id - CM_RECENTFILE1);
    else if (const TCommandEntry* entry = FindCommand(id))
        (this->*entry->Handler)();
}

void TDrawWindow::EvCommandEnable(TCommandEnabler& ce) {
    if (IsRecentFileCommand(ce.GetId()))
        CeRecentFile(ce);
    else if (const TCommandEntry* entry = FindCommand(ce.GetId()); entry && entry->Enabler)
        (this->*entry->Enabler)(ce);
}

bool TDrawWindow::RefuseWhenAllSlotsUsed() {
    if (CurrentCurve < MaxCurves - 1)
        return false;
    MessageBox("Sorry, cannot show more than " + std::to_string(MaxCurves) +
                   " curves. Use File|New to delete the old ones.",
               "Error", MB_OK | MB_ICONEXCLAMATION);
    return true;
}

void TDrawWindow::ShowCounts(const char* prefix) {
    MessageGadget.SetText(prefix + CountsText(CurrentCurve + 1, PointCount));
}

// The curves go into the undo history whole; answered No, the step is the
// end of drawing alone, or nothing.
void TDrawWindow::CmFileNew() {
    BeginStep("New");
    if (DrawMode)
        ToggleDrawMode();
    if (CurrentCurve > -1 && MessageBox("File New will delete all data from memory. Are you sure?",
                                        "File New", MB_YESNO | MB_ICONQUESTION) == IDNO) {
        EndStep(false);
        return;
    }
    for (int i = 0; i <= CurrentCurve; ++i)
        History.Discard(Curves[i]);
    CurrentCurve = -1;
    PointCount = 0;
    EndStep(false);
    MessageGadget.SetText(NoDataLoadedText);
    Invalidate(true);
}

// The curves show in the new scale at once; after Cancel the picture is
// painted again all the same.
void TDrawWindow::CmScale() {
    const TView before = ViewNow();
    TSetScaleDial(this).Execute();
    RecordViewChange("Scale", before);
    Invalidate(true);
}

std::array<TCurve*, MaxCurves> TDrawWindow::HeldCurves() const {
    std::array<TCurve*, MaxCurves> curves;
    for (int i = 0; i < MaxCurves; ++i)
        curves[i] = Curves[i].get();
    return curves;
}

bool TDrawWindow::DataBounds(TDataBounds& bounds) const {
    return ::DataBounds(HeldCurves().data(), CurrentCurve, bounds);
}

bool TDrawWindow::DataBounds(TDataBounds& bounds, TAxisKind xKind, TAxisKind yKind) const {
    return ::DataBounds(HeldCurves().data(), CurrentCurve, bounds, xKind, yKind);
}

void TDrawWindow::SetScaleRanges(const TScaleRanges& ranges, TAxisKind xKind, TAxisKind yKind) {
    GraphScale.SetScale(0, GraphExtent, GraphExtent, 0, ranges.MinX, ranges.MinY, ranges.MaxX,
                        ranges.MaxY, xKind, yKind);
}

void TDrawWindow::InsertStatusPanes(TStatusBar& statusBar) {
    statusBar.Insert(XGadget);
    statusBar.Insert(YGadget);
    statusBar.Insert(MessageGadget);
}

TCurve* TDrawWindow::MakeCurve(int slot) {
    std::unique_ptr<TCurve>& curve = Curves[slot];
    curve.reset(new (std::nothrow) TCurve(100));
    if (!curve)
        return nullptr;
    curve->Pen = &CurvePens[slot];
    CurrentCurve = slot;
    return curve.get();
}

void TDrawWindow::AddDataPoint(int slot, double x, double y) {
    Curves[slot]->AddPoint(x, y);
    DataSaved = 0;
}

void TDrawWindow::SetCounts(int currentCurve, std::uint32_t pointCount,
                            const std::string& countsText) {
    CurrentCurve = currentCurve;
    PointCount = pointCount;
    MessageGadget.SetText(countsText);
}

void TDrawWindow::ShowReadingProgress(const std::string& text) {
    MessageGadget.SetText(text);
}

void TDrawWindow::CmBkColor() {
    if (!CustomColorsFilled)
        FillCustomColors();
    TChooseColorDialog::TData data;
    data.Flags = CC_RGBINIT;
    data.Color = BkColor;
    data.CustColors = CustomColors.data();
    if (TChooseColorDialog(this, data).Execute() != IDOK)
        return;
    BkColor = data.Color;
    SetBkgndColor(BkColor);
    Invalidate(true);
}

void TDrawWindow::CmSymbols() {
    ShowSymbols = ShowSymbols ? 0 : 1;
    DrawSymbols = ShowSymbols;
    CheckMenuItem(CM_SYMBOLS, ShowSymbols != 0);
    Invalidate(true);
}

void TDrawWindow::CmLines() {
    ShowLines = ShowLines ? 0 : 1;
    DrawLines = ShowLines;
    CheckMenuItem(CM_LINES, ShowLines != 0);
    Invalidate(true);
}

void TDrawWindow::CmImage() {
    ShowImage = ShowImage ? 0 : 1;
    CheckMenuItem(CM_IMAGE, ShowImage != 0);
    Invalidate(true);
}

void TDrawWindow::CmAxisValues() {
    ShowAxisValues = ShowAxisValues ? 0 : 1;
    CheckMenuItem(CM_AXISVALUES, ShowAxisValues != 0);
    Invalidate(true);
}

// Written at once, so that the choice outlives a crash as well.
void TDrawWindow::CmTrueColours() {
    TrueColours = TrueColours ? 0 : 1;
    CheckMenuItem(CM_TRUECOLOURS, TrueColours != 0);
    WritePrivateProfileString(ViewSection, TrueColoursKey, std::to_string(TrueColours), IniFileName);
    Invalidate(true);
}

// The window keeps handling events while an import runs; a second one
// would share its pixel copy.
void TDrawWindow::CeImportPicture(TCommandEnabler& ce) {
    ce.Enable(!Importing);
}

void TDrawWindow::CeTrueColours(TCommandEnabler& ce) {
    ce.SetCheck(TrueColours != 0);
}

void TDrawWindow::ToggleDrawMode() {
    const int wasDrawing = DrawMode;
    if (!wasDrawing)
        CancelCalibration();
    BeginStep(wasDrawing ? "End Curve" : "Begin Curve");
    DrawMode = 0;
    if (wasDrawing) {
        if (Curves[CurrentCurve] && Curves[CurrentCurve]->GetCount() == 0) {
            History.Discard(Curves[CurrentCurve]);
            --CurrentCurve;
        }
    } else if (!RefuseWhenAllSlotsUsed()) {
        if (!MakeCurve(CurrentCurve + 1)) {
            MessageBox(NoMemoryForCurveMessage());
        } else {
            if (CurrentCurve == 0)
                MessageBox(FirstCurveHint, "Hint", MB_OK | MB_ICONINFORMATION);
            DrawMode = 1;
        }
    }
    EndStep(false);
    ShowDrawMode();
}

void TDrawWindow::ShowDrawMode() {
    if (DrawMode)
        MessageGadget.SetText(DrawingText);
    else
        ShowCounts();
    CheckMenuItem(CM_DRAW, DrawMode != 0);
    if (Frame)
        Frame->SetDrawButtonDown(DrawMode != 0);
}

void TDrawWindow::CmDeleteLastPoint() {
    if (CurrentCurve < 0 || !Curves[CurrentCurve])
        return;
    BeginStep("Delete Point");
    TCurve& curve = *Curves[CurrentCurve];
    if (curve.GetCount() == 0) {
        if (DrawMode) {
            ToggleDrawMode();
        } else {
            History.Discard(Curves[CurrentCurve]);
            --CurrentCurve;
        }
    } else if (curve.GetCount() == 1) {
        if (DrawMode)
            ToggleDrawMode();
        History.Discard(Curves[CurrentCurve]);
        --CurrentCurve;
        --PointCount;
    } else {
        curve.DeleteLastPoint();
        --PointCount;
    }
    EndStep(false);
    ShowCounts(PointDeletedPrefix);
    Invalidate(true);
}

void TDrawWindow::CmRecall() {
    RecallImagePosition();
}

void TDrawWindow::CmHelpContents() {
    WinHelp(this, HelpFileName, HELP_CONTENTS);
}

void TDrawWindow::CmAbout() {
    if (!AboutDialog)
        return;
    AboutDialog->Create();
    AboutDialog->Show();
}

void TDrawWindow::CeSaveDataAs(TCommandEnabler& ce) {
    ce.Enable(PointCount > 0);
}

void TDrawWindow::CeImage(TCommandEnabler& ce) {
    ce.Enable(Dib != nullptr);
}

void TDrawWindow::CeDeleteLastPoint(TCommandEnabler& ce) {
    ce.Enable(PointCount > 0);
}

void TDrawWindow::CeRecall(TCommandEnabler& ce) {
    ce.Enable(Dib != nullptr && ImageMoved != 0);
}

void TDrawWindow::CmExit() {
    if (TDecoratedFrame* frame = GetFrame())
        frame->CloseWindow();
}

bool TDrawWindow::CanClose() {
    WinHelp(this, HelpFileName, HELP_QUIT);
    if (CurrentCurve == -1 || DataSaved == 1)
        return true;
    return MessageBox("Close Kestrova?", "Close", MB_YESNO | MB_ICONQUESTION | MB_DEFBUTTON2) ==
           IDYES;
}
