// The drawing window's file commands: data files in and out, the
// background image in, and the image's recall to how it was loaded.

#include "window/drawwindow.h"
#include "window/panetexts.h"

#include "core/curve.h"
#include "datafile/datareader.h"
#include "datafile/datawriter.h"
#include "framework/clientdc.h"
#include "framework/gdi/messagebox.h"
#include "framework/gdi/usermessage.h"
#include "framework/waitcursor.h"
#include "image/dib.h"
#include "image/imageload.h"
#include "window/drawwindowsink.h"

#include <array>
#include <span>
#include <string>
#include <utility>

// The reading, with the end of drawing before it, is one step of the undo
// history: its curves come and go whole.
void TDrawWindow::CmOpenData() {
    BeginStep("Open Data");
    if (DrawMode)
        ToggleDrawMode();
    if (!RefuseWhenAllSlotsUsed() && TFileOpenDialog(this, DataOpenData).Execute() == IDOK) {
        TClientDC dc(*this);
        TDrawWindowSink sink(*this, dc);
        TDataReader(sink, CurrentCurve, PointCount).ReadFile(DataOpenData.FileName);
    }
    EndStep(true);
}

void TDrawWindow::CmSaveDataAs() {
    if (CurrentCurve == -1)
        return;
    if (TFileSaveDialog(this, DataSaveData).Execute() != IDOK)
        return;
    const std::array<TCurve*, MaxCurves> curves = HeldCurves();
    TDataWriteResult result;
    {
        const TWaitCursor wait;
        result = SaveDataFile(DataSaveData.FileName,
                              std::span(curves.data(), static_cast<std::size_t>(CurrentCurve) + 1));
    }
    if (result.Message)
        MessageBox(*result.Message);
    if (result.Saved) {
        DataSaved = 1;
        History.MarkSaved();
    }
}

// From the moment a file is chosen the old image is gone, whatever the new
// one comes to; View|Image is grayed while no image is loaded (its enabler
// follows Dib).
void TDrawWindow::CmOpenImage() {
    if (TFileOpenDialog(this, ImageOpenData).Execute() != IDOK)
        return;
    Invalidate(true);
    if (ShowImage)
        CmImage();
    Dib.reset();
    TImageLoad load;
    {
        const TWaitCursor wait;
        load = LoadImage(ImageOpenData.FileName, BackupBits);
    }
    for (const TUserMessage& message : load.Messages)
        MessageBox(message);
    if (!load.Dib)
        return;
    Dib = std::move(load.Dib);
    if (!ShowImage)
        CmImage();
    ImageWidth = Dib->GetWidth();
    ImageHeight = Dib->GetHeight();
    ImageSrcRect = TRect{0, 0, ImageWidth, ImageHeight};
    ImageMoved = 0;
    Views.Reset(ViewNow());
    MessageGadget.SetText(ImageLoadedText);
}

void TDrawWindow::RecallImagePosition() {
    if (!Dib)
        return;
    RecallImage(Dib.get(), BackupBits, ImageSrcRect, ImageMoved);
    Views.Push(ViewNow());
    Invalidate(true);
}
