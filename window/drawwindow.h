#pragma once

#include "core/calibration.h"
#include "core/curve.h"
#include "core/graphscale.h"
#include "core/undohistory.h"
#include "core/view.h"
#include "core/viewhistory.h"
#include "framework/gdi/gdiobjects.h"
#include "framework/opensavedialog.h"
#include "framework/recentfiles.h"
#include "framework/textgadget.h"
#include "framework/window.h"
#include "image/pixelcopy.h"
#include "resources/tables/ids.h"
#include "window/loupewindow.h"
#include "window/vspecialslider.h"

#include <array>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

class TClientDC;
class TCommandEnabler;
class TCurve;
class TDialog;
class TDib;
class TDrawWindowFrame;
class TStatusBar;
struct TDataBounds;
struct TScaleRanges;

// The drawing window: the client of the main frame and the owner of all data
// in use for the life of the program: the curves and their pens, the
// background image with its pixel copy, the view flags, the rotation slider,
// the About dialog, the drag state and the three status-bar panes. It paints
// the whole picture in a fixed order (background, image by XOR, axes, dotted
// grid, the values at the grid lines, curves) in a logical square
// -666..9334 stretched to the client area, and handles every command. Its
// state is its own: the data reader's sink, the Scale dialog and the
// application reach it through the operations below; the UI tests read
// internal facts through TDrawWindowProbe.
class TDrawWindow : public TWindow, public TLoupeSource {
public:
    static constexpr int GridStep = LogicalGridStep;

    // While it lives, every curve the window holds draws into the given
    // device context; it takes the context back from all of them when it
    // ends. A paint takes it too, so after anything that may paint (a
    // message box) Renew gives it again, to new curves as well.
    class TCurvesContext {
    public:
        TCurvesContext(TDrawWindow& window, TDC& dc);
        ~TCurvesContext();
        TCurvesContext(const TCurvesContext&) = delete;
        TCurvesContext& operator=(const TCurvesContext&) = delete;

        void Renew();

    private:
        TDrawWindow& Window;
        TDC& Dc;
    };

    // The frame gives the hint line, the Draw button and the About dialog;
    // without one the window does without them.
    explicit TDrawWindow(TWindow* parent = nullptr, TDrawWindowFrame* frame = nullptr);
    ~TDrawWindow() override;
    bool CanClose() override;
    void Paint(TDC& dc, bool erase, const TRect& rect) override;
    void SetupWindow() override;

    // Puts a device context of this window into the logical coordinates.
    void PrepareDC(TDC& dc) const;
    // The logical point of a client pixel, clamped to the client area; none
    // while the client area has no width or height.
    std::optional<TPoint> ClientToLogical(const TPoint& client) const;
    void ToggleDrawMode();
    // The menu check, the toolbar button and the message pane as drawing is
    // on or off.
    void ShowDrawMode();
    // The box around all points of the curves; true when they hold two or
    // more points, enough to fit the scale to. On a log axis only values
    // above zero count.
    bool DataBounds(TDataBounds& bounds) const;
    bool DataBounds(TDataBounds& bounds, TAxisKind xKind, TAxisKind yKind) const;
    // Sets the graph scale to the ranges (checked by the caller) on axes of
    // the given kinds: what the Scale and Calibrate dialogs apply. The
    // command that ran the dialog records the change as one step and
    // repaints.
    void SetScaleRanges(const TScaleRanges& ranges, TAxisKind xKind, TAxisKind yKind);
    // Puts the X, Y and message panes into the frame's status bar.
    void InsertStatusPanes(TStatusBar& statusBar);

    // A data file's reading, through its sink. MakeCurve puts a new curve
    // with the slot's pen into the slot and counts it at once, so a paint
    // while a message box is up draws it; null when memory runs out.
    TCurve* MakeCurve(int slot);
    // A point read into the curve in the slot; the data are then unsaved.
    void AddDataPoint(int slot, double x, double y);
    // The counts a reading ends with, and their text in the message pane.
    void SetCounts(int currentCurve, std::uint32_t pointCount, const std::string& countsText);
    // How far a long reading has got, in the message pane.
    void ShowReadingProgress(const std::string& text);

    // Opens a file named outside the file dialogs (on the command line,
    // dropped on the window, chosen from File|Recent): a .dat or .csv file
    // as File|Open Data reads it, any other as File|Import Picture imports
    // it, with the same messages.
    void OpenFile(const std::string& fileName);

    // Sets the graph scale over the graph square as one step of the undo
    // history and of the views, named as the Edit menu shows it ("Scale").
    void SetGraphScale(const char* stepName, double xmin, double ymin, double xmax, double ymax);
    // Zooms by factor (above 1 zooms in) about a client pixel, the picture's
    // shown part with the scale, so each picture pixel keeps its value.
    void ZoomAbout(const TPoint& client, double factor);

    void CmFileNew();
    void CmOpenData();
    void CmSaveDataAs();
    void CmOpenImage();
    void CmImportPicture();
    // Imports the picture file as the background image, as File|Import
    // Picture does once its file is chosen: the old image goes first, a
    // progress bar shows for a long import, and a refusal is told in a
    // message box. True when the picture was imported; false at once while
    // another import is under way.
    bool ImportPicture(const std::string& path);
    void CmScale();
    void CmBkColor();
    void CmSymbols();
    void CmLines();
    void CmImage();
    void CmAxisValues();
    // Asks for two points of known X and two of known Y, one click each
    // (the message pane says which), then for their values, and sets the
    // scale from them. Esc and the right button cancel.
    void CmCalibrate();
    void CmTrueColours();
    void CmDeleteLastPoint();
    void CmRecall();
    // Puts the image's pixels back as loaded and the whole picture in view.
    void RecallImagePosition();
    void CmHelpContents();
    void CmAbout();
    // File|Exit: closes the frame through the same question as its close
    // button.
    void CmExit();
    // File|Recent: opens the file of that place on the list (0 the newest).
    void CmRecentFile(int index);
    void CeSaveDataAs(TCommandEnabler& ce);
    void CeImportPicture(TCommandEnabler& ce);
    void CeImage(TCommandEnabler& ce);
    void CeTrueColours(TCommandEnabler& ce);
    void CeDeleteLastPoint(TCommandEnabler& ce);
    void CeRecall(TCommandEnabler& ce);
    void CeRecentFile(TCommandEnabler& ce);
    void CeCalibrate(TCommandEnabler& ce);
    void CmUndo();
    void CmRedo();
    void CmZoomIn();
    void CmZoomOut();
    void CmBack();
    void CmForward();
    void CmLoupe();
    void CeUndo(TCommandEnabler& ce);
    void CeRedo(TCommandEnabler& ce);
    void CeBack(TCommandEnabler& ce);
    void CeForward(TCommandEnabler& ce);

    void EvCommand(int id) override;
    void EvCommandEnable(TCommandEnabler& ce) override;
    void EvSize(const TSize& size) override;
    void EvLButtonDblClk(const TPoint& point) override;
    void EvLButtonDown(const TPoint& point) override;
    void EvLButtonUp(const TPoint& point) override;
    void EvMouseMove(const TPoint& point) override;
    void EvRButtonDown(const TPoint& point) override;
    void EvRButtonUp(const TPoint& point) override;
    void EvMouseWheel(const TPoint& point, int delta) override;
    bool EvKeyDown(unsigned key, unsigned modifiers) override;
    void EvChildNotify(int childId, unsigned code) override;
    // Files dropped on the window open in turn, as OpenFile opens them.
    void EvDropFiles(const std::vector<std::string>& files) override;
    // Every move of the rotation slider's thumb: sets the pending rotation
    // and shows it as the graph square turned about the origin, drawn by XOR
    // over the picture in place of the frame drawn before.
    void EvRotationSlider(unsigned code);

private:
    friend class TDrawWindowProbe;

    TDrawWindowFrame* Frame;
    TTextGadget XGadget;
    TTextGadget YGadget;
    TTextGadget MessageGadget;
    TColor BkColor;
    int CurrentCurve = -1;
    int ShowSymbols = 1;
    int ShowLines = 1;
    int ShowImage = 0;
    int ShowAxisValues = 1;
    // View|True Colours: the image copied as it is instead of XORed; kept
    // in the settings.
    int TrueColours = 0;
    // An import is under way; the window keeps painting meanwhile.
    bool Importing = false;
    int DrawMode = 0;
    int LeftButtonDown = 0;
    int RightButtonDown = 0;
    int DataSaved = 0;
    int ImageMoved = 0;
    std::uint32_t PointCount = 0;
    std::unique_ptr<TVSpecialSlider> RotationSlider;
    int PendingRotation = 0;
    int RotationFrameHidden = 1;
    // The turned corners of the frame last drawn; its fourth is the origin.
    std::array<TPoint, 3> RotationFrameCorners{};
    std::array<TPen, MaxCurves> CurvePens;
    TPen RotationPen;
    std::array<std::unique_ptr<TCurve>, MaxCurves> Curves;
    TOpenSaveDialog::TData DataOpenData;
    TOpenSaveDialog::TData DataSaveData;
    TOpenSaveDialog::TData ImageOpenData;
    TOpenSaveDialog::TData PictureOpenData;
    std::unique_ptr<TDib> Dib;
    TPixelCopy BackupBits;
    TRect ImageSrcRect;
    int ImageHeight = 0;
    int ImageWidth = 0;
    std::unique_ptr<TDialog> AboutDialog;
    TRecentFiles RecentFiles;
    std::unique_ptr<TClientDC> DragDC;
    TPen RubberPen;
    TBrush RubberBrush;
    TBrush RotationBrush;
    TPoint DragStart;
    TPoint DragEnd;
    TRect DragRect;
    const char* CursorCross = IDCUR_CROSS;
    const char* CursorDrag = IDCUR_DRAG;
    const char* CursorDropPoint = IDCUR_DROPPOINT;
    const char* CursorAlign = IDCUR_ALIGN;
    // The clicks of a calibration in progress.
    TCalibrationClicks Calibration;
    // Every change to the curves and the view, for Undo and Redo.
    TUndoHistory History;
    // The views the user went to, for Back and Forward.
    TViewHistory Views{TView{0, 100, 0, 100, {}}};
    // Wheel turns short of a notch (fine-stepped wheels), kept for the next.
    int WheelRest = 0;
    std::unique_ptr<TLoupeWindow> Loupe;

    // The closed outline through the four points, with the pen, brush and
    // mix mode selected in the device context.
    static void DrawRotationFrame(TDC& dc, TPoint p0, TPoint p1, TPoint p2, TPoint p3);
    // Turns the image's pixels by the pending rotation, the other way than
    // the frame showed it, and reports what came of it.
    void ApplyPendingRotation();
    // The held curves, each slot's or null.
    std::array<TCurve*, MaxCurves> HeldCurves() const;
    void BeginDrag(const TPoint& point, const char* cursor);
    // Ends the drag; a click (press and release closer than the drag
    // distance) takes its rubber band off.
    void EndDrag(bool click);
    // A drag's moves draw the rubber band: a zoom or a stretch, not a press
    // that places a point or takes a calibration click.
    bool DrawsRubberBand() const;
    // Adds a point to the current curve as one undoable step and shows the
    // new counts.
    void PlacePoint(const TPoint& logical);
    // The values at the grid lines in the axes' ink, below the square for X
    // and left of it for Y, every n-th where they would crowd.
    void PaintAxisValues(TDC& dc, TColor ink) const;
    // A calibration click (in the window or the loupe) at the logical
    // point: taken and marked, refused, or the last one, which brings the
    // dialog.
    void TakeCalibrationClick(const TPoint& logical);
    // Ends a calibration in progress, with a drag it began; nothing else.
    void CancelCalibration();
    // Shows the all-slots-used error and answers true when no slot is free.
    bool RefuseWhenAllSlotsUsed();
    // What Open Data does before it asks for a file: ends drawing, and
    // answers false (after the error) when no slot is free.
    bool ReadyForData();
    // Open Data once it has the file's name.
    void ReadDataFile(const std::string& fileName);
    void ShowCounts(const char* prefix = "");
    // The first steps of loading any image: the old one hidden and gone.
    void DropImage();
    // The last steps: the image shown whole and unmoved.
    void ShowLoadedImage(std::unique_ptr<TDib> dib);
    // After Open Image refused a file the import can read: offers it, and
    // imports it on Yes.
    void OfferImport(const std::string& path);
    void WriteBkColor() const;
    // The image, axes, grid and curves, for the paint and for the loupe.
    void PaintPicture(TDC& dc);

    // A change of the curves is recorded between BeginStep and EndStep;
    // clearsSaved: it makes the curves differ from the file last saved.
    TCurveTableRef CurveTable();
    void BeginStep(const char* name);
    void EndStep(bool clearsSaved);
    // The scale and the shown part of the picture as they are now.
    TView ViewNow() const;
    void ShowView(const TView& view);
    // Shows the view as one step of the undo history and of the views.
    void ChangeView(const char* stepName, const TView& next);
    void RecordViewChange(const char* stepName, const TView& before);
    void ShowHistoryStep(const std::optional<TView>& view);
    TPoint ZoomCentre() const;
    bool NudgePointer(const TPoint& by);
    bool PlacePointAtPointer();
    bool CancelDrag();
    // The loupe's view of this window.
    TSize LoupeSourceSize() const override;
    void PaintMagnified(TDC& dc) override;
    std::string PositionText(const TPoint& logical) const override;
    void LoupeClick(const TPoint& logical) override;
};
