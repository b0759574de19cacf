#pragma once

#include "core/curve.h"
#include "core/graphscale.h"
#include "framework/gdi/gdiobjects.h"
#include "framework/opensavedialog.h"
#include "framework/textgadget.h"
#include "framework/window.h"
#include "image/pixelcopy.h"
#include "window/vspecialslider.h"

#include <array>
#include <cstdint>
#include <memory>
#include <optional>

class TAboutDial;
class TClientDC;
class TCommandEnabler;
class TCurve;
class TDib;
struct TDataBounds;

// The drawing window: the client of the main frame and the owner of all data
// in use for the life of the program: the curves and their pens, the
// background image with its pixel copy, the view flags, the rotation slider,
// the About dialog, the drag state and the three status-bar panes. It paints
// the whole picture in a fixed order (background, image by XOR, axes, dotted
// grid, curves) in a logical square -666..9334 stretched to the client area,
// and handles every command. Its members are public so the program's other
// parts and the tests can reach the state as the window holds it.
class TDrawWindow : public TWindow {
public:
    static constexpr int GridStep = 866;

    explicit TDrawWindow(TWindow* parent = nullptr);
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
    // The box around all points of the curves; true when they hold two or
    // more points, enough to fit the scale to.
    bool DataBounds(TDataBounds& bounds) const;

    void CmFileNew();
    void CmOpenData();
    void CmSaveDataAs();
    void CmOpenImage();
    void CmScale();
    void CmBkColor();
    void CmSymbols();
    void CmLines();
    void CmImage();
    void CmDeleteLastPoint();
    void CmRecall();
    // Puts the image's pixels back as loaded and the whole picture in view.
    void RecallImagePosition();
    void CmHelpContents();
    void CmAbout();
    void CeSaveDataAs(TCommandEnabler& ce);
    void CeImage(TCommandEnabler& ce);
    void CeDeleteLastPoint(TCommandEnabler& ce);
    void CeRecall(TCommandEnabler& ce);

    void EvCommand(int id) override;
    void EvCommandEnable(TCommandEnabler& ce) override;
    void EvSize(const TSize& size) override;
    void EvLButtonDblClk(const TPoint& point) override;
    void EvLButtonDown(const TPoint& point) override;
    void EvLButtonUp(const TPoint& point) override;
    void EvMouseMove(const TPoint& point) override;
    void EvRButtonDown(const TPoint& point) override;
    void EvRButtonUp(const TPoint& point) override;
    void EvChildNotify(int childId, unsigned code) override;
    // Every move of the rotation slider's thumb: sets the pending rotation
    // and shows it as the graph square turned about the origin, drawn by XOR
    // over the picture in place of the frame drawn before.
    void EvRotationSlider(unsigned code);

    TTextGadget XGadget;
    TTextGadget YGadget;
    TTextGadget MessageGadget;
    TColor BkColor;
    int CurrentCurve = -1;
    int ShowSymbols = 1;
    int ShowLines = 1;
    int ShowImage = 0;
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
    std::unique_ptr<TDib> Dib;
    TPixelCopy BackupBits;
    TRect ImageSrcRect;
    int ImageHeight = 0;
    int ImageWidth = 0;
    std::unique_ptr<TAboutDial> AboutDialog;
    std::unique_ptr<TClientDC> DragDC;
    TPen RubberPen;
    TBrush RubberBrush;
    TBrush RotationBrush;
    TPoint DragStart;
    TPoint DragEnd;
    TRect DragRect;
    const char* CursorCross = "CROSSCURSOR";
    const char* CursorDrag = "DRAGCURSOR";
    const char* CursorDropPoint = "DROPPOINTCURSOR";
    const char* CursorAlign = "ALIGNCURSOR";

private:
    // The closed outline through the four points, with the pen, brush and
    // mix mode selected in the device context.
    static void DrawRotationFrame(TDC& dc, TPoint p0, TPoint p1, TPoint p2, TPoint p3);
    // Turns the image's pixels by the pending rotation, the other way than
    // the frame showed it, and reports what came of it.
    void ApplyPendingRotation();
    void BeginDrag(const TPoint& point, const char* cursor);
    void EndDrag();
    void PlacePoint(const TPoint& logical);
    // Shows the all-slots-used error and answers true when no slot is free.
    bool RefuseWhenAllSlotsUsed();
    void ShowCounts(const char* prefix = "");
    void WriteBkColor() const;
};
