#pragma once

#include <string>
#include <vector>

class TWindow;

// Flags of the file dialogs, with the numbers Win32 gives them.
enum TOpenFileFlags : unsigned {
    OFN_OVERWRITEPROMPT = 0x00000002u,
    OFN_HIDEREADONLY = 0x00000004u,
    OFN_FILEMUSTEXIST = 0x00001000u,
};

// The settings of a file dialog that a window keeps between uses: flags, a
// filter list "description|pattern|description|pattern|...", the initial
// directory, the default extension and the file name last chosen.
class TOpenSaveDialog {
public:
    struct TFilter {
        std::string Description;
        std::string Pattern;
    };

    struct TData {
        TData(unsigned flags, const std::string& filter, const std::string& initialDir,
              const std::string& defaultExt);

        unsigned Flags;
        std::string Filter;
        std::string InitialDir;
        std::string DefaultExt;
        std::string FileName;

        std::vector<TFilter> Filters() const;
        // The name with ".ext" added when its last part has no extension.
        std::string WithDefaultExt(const std::string& name) const;
    };

    // Runs the dialog; IDOK with Data.FileName set, or IDCANCEL.
    int Execute();

protected:
    TOpenSaveDialog(TWindow* parent, TData& data, bool save);

private:
    TWindow* Parent;
    TData& Data;
    bool Save;
};

class TFileOpenDialog : public TOpenSaveDialog {
public:
    TFileOpenDialog(TWindow* parent, TData& data) : TOpenSaveDialog(parent, data, false) {}
};

class TFileSaveDialog : public TOpenSaveDialog {
public:
    TFileSaveDialog(TWindow* parent, TData& data) : TOpenSaveDialog(parent, data, true) {}
};
