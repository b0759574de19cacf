// The drawing window's file commands: data files in and out, the
// background image in, and the image's recall to how it was loaded; files
// named outside the dialogs (command line, drops, File|Recent) and the
// list of recent files.

#include "window/drawwindow.h"
#include "window/panetexts.h"

#include "core/curve.h"
#include "datafile/datafilename.h"
#include "datafile/datareader.h"
#include "datafile/datawriter.h"
#include "framework/clientdc.h"
#include "framework/commandenabler.h"
#include "framework/gdi/messagebox.h"
#include "framework/gdi/usermessage.h"
#include "framework/picturedecoder.h"
#include "framework/progressdialog.h"
#include "framework/waitcursor.h"
#include "image/dib.h"
#include "image/imageload.h"
#include "window/drawwindowsink.h"
#include "window/pictureimport.h"

#include <array>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <span>
#include <string>
#include <utility>

namespace {

constexpr char ImportCaption[] = "Import Picture";
constexpr char ImportOffer[] =
    "Kestrova can import this picture with File|Import Picture. Import it now?";

// A file the reading could open, so one worth offering again.
bool Readable(const std::string& fileName) {
    std::error_code error;
    return std::filesystem::is_regular_file(fileName, error) &&
           std::ifstream(fileName, std::ios::binary).is_open();
}

// A menu shows an ampersand that is doubled; a single one marks a letter.
std::string MenuText(const std::string& text) {
    std::string shown;
    for (const char c : text) {
        if (c == '&')
            shown += '&';
        shown += c;
    }
    return shown;
}

} // namespace

bool TDrawWindow::ReadyForData() {
    if (DrawMode)
        ToggleDrawMode();
    return !RefuseWhenAllSlotsUsed();
}

// The reading, with the end of drawing before it, is one step of the undo
// history: its curves come and go whole.
void TDrawWindow::CmOpenData() {
    BeginStep("Open Data");
    if (ReadyForData() && TFileOpenDialog(this, DataOpenData).Execute() == IDOK)
        ReadDataFile(DataOpenData.FileName);
    EndStep(true);
}

void TDrawWindow::ReadDataFile(const std::string& fileName) {
    {
        TClientDC dc(*this);
        TDrawWindowSink sink(*this, dc);
        TDataReader(sink, CurrentCurve, PointCount).ReadFile(fileName);
    }
    if (Readable(fileName))
        RecentFiles.Add(fileName);
}

// Pictures go through the import, which reads every kind Open Image reads
// and more.
void TDrawWindow::OpenFile(const std::string& fileName) {
    if (!IsDataFileName(fileName)) {
        ImportPicture(fileName);
        return;
    }
    BeginStep("Open Data");
    if (ReadyForData())
        ReadDataFile(fileName);
    EndStep(true);
}

void TDrawWindow::EvDropFiles(const std::vector<std::string>& files) {
    for (const std::string& file : files)
        OpenFile(file);
}

// A file gone since it was listed leaves the list when it is chosen.
void TDrawWindow::CmRecentFile(int index) {
    if (index < 0 || static_cast<std::size_t>(index) >= RecentFiles.Files().size())
        return;
    const std::string file = RecentFiles.Files()[static_cast<std::size_t>(index)];
    std::error_code error;
    if (!std::filesystem::exists(file, error)) {
        RecentFiles.Remove(file);
        MessageBox("The file " + file + " no longer exists. It has been taken off the list.",
                   "Note", MB_OK | MB_ICONINFORMATION);
        return;
    }
    OpenFile(file);
}

// The places of the list name their files; with no file at all the first
// says so, grayed.
void TDrawWindow::CeRecentFile(TCommandEnabler& ce) {
    const std::vector<std::string>& files = RecentFiles.Files();
    const auto index = static_cast<std::size_t>(ce.GetId() - CM_RECENTFILE1);
    if (index < files.size()) {
        ce.SetText("&" + std::to_string(index + 1) + " " + MenuText(files[index]));
    } else if (index == 0) {
        ce.SetText("(none)");
        ce.Enable(false);
    } else {
        ce.Show(false);
    }
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
        RecentFiles.Add(DataSaveData.FileName);
        History.MarkSaved();
    }
}

// From the moment a file is chosen the old image is gone, whatever the new
// one comes to; View|Image is grayed while no image is loaded (its enabler
// follows Dib).
void TDrawWindow::CmOpenImage() {
    if (TFileOpenDialog(this, ImageOpenData).Execute() != IDOK)
        return;
    DropImage();
    TImageLoad load;
    {
        const TWaitCursor wait;
        load = LoadImage(ImageOpenData.FileName, BackupBits);
    }
    for (const TUserMessage& message : load.Messages)
        MessageBox(message);
    if (!load.Dib) {
        if (load.Refused)
            OfferImport(ImageOpenData.FileName);
        return;
    }
    ShowLoadedImage(std::move(load.Dib));
    RecentFiles.Add(ImageOpenData.FileName);
}

void TDrawWindow::OfferImport(const std::string& path) {
    if (!CanImportPicture(path))
        return;
    if (MessageBox(ImportOffer, ImportCaption, MB_YESNO | MB_ICONQUESTION) == IDYES)
        ImportPicture(path);
}

void TDrawWindow::CmImportPicture() {
    if (TFileOpenDialog(this, PictureOpenData).Execute() != IDOK)
        return;
    ImportPicture(PictureOpenData.FileName);
}

// Like Open Image, the old image goes first: a large picture then never
// shares memory with the one it replaces. A cancelled import keeps nothing,
// even when its work had come to an end.
bool TDrawWindow::ImportPicture(const std::string& path) {
    if (Importing)
        return false;
    Importing = true;
    DropImage();
    const std::int64_t limit = ReadImportPixelLimit(IniFileName);
    TImageLoad load;
    const bool finished = RunWithProgress(this, ImportCaption, [&](const TProgressReport& report) {
        load = ImportPictureFile(path, limit, BackupBits, report);
    });
    Importing = false;
    if (!finished)
        return false;
    for (const TUserMessage& message : load.Messages)
        MessageBox(message);
    if (!load.Dib)
        return false;
    ShowLoadedImage(std::move(load.Dib));
    RecentFiles.Add(path);
    return true;
}

// Points clicked for a calibration lay on the picture that goes.
void TDrawWindow::DropImage() {
    CancelCalibration();
    Invalidate(true);
    if (ShowImage)
        CmImage();
    Dib.reset();
}

void TDrawWindow::ShowLoadedImage(std::unique_ptr<TDib> dib) {
    Dib = std::move(dib);
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
    CancelCalibration();
    RecallImage(Dib.get(), BackupBits, ImageSrcRect, ImageMoved);
    Views.Push(ViewNow());
    Invalidate(true);
}
