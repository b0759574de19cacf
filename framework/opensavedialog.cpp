#include "framework/opensavedialog.h"

#include "framework/gdi/messagebox.h"
#include "framework/userinterface.h"

TOpenSaveDialog::TData::TData(unsigned flags, const std::string& filter,
                              const std::string& initialDir, const std::string& defaultExt)
    : Flags(flags), Filter(filter), InitialDir(initialDir), DefaultExt(defaultExt) {}

std::vector<TOpenSaveDialog::TFilter> TOpenSaveDialog::TData::Filters() const {
    std::vector<std::string> parts;
    std::string::size_type start = 0;
    for (auto bar = Filter.find('|'); bar != std::string::npos; bar = Filter.find('|', start)) {
        parts.push_back(Filter.substr(start, bar - start));
        start = bar + 1;
    }
    std::vector<TFilter> filters;
    for (std::size_t i = 0; i + 1 < parts.size(); i += 2)
        filters.push_back({parts[i], parts[i + 1]});
    return filters;
}

std::string TOpenSaveDialog::TData::WithDefaultExt(const std::string& name) const {
    if (DefaultExt.empty() || name.empty())
        return name;
    const auto slash = name.find_last_of('/');
    const std::string last = slash == std::string::npos ? name : name.substr(slash + 1);
    if (last.find('.') != std::string::npos)
        return name;
    return name + "." + DefaultExt;
}

TOpenSaveDialog::TOpenSaveDialog(TWindow* parent, TData& data, bool save)
    : Parent(parent), Data(data), Save(save) {}

int TOpenSaveDialog::Execute() {
    std::string chosen;
    if (!TUserInterface::Get().GetFileName(Parent, Data, Save, chosen))
        return IDCANCEL;
    Data.FileName = Save ? Data.WithDefaultExt(chosen) : chosen;
    return IDOK;
}
