#include "framework/qtuserinterface.h"

#include "framework/allnamesfiledialog.h"
#include "framework/filename.h"
#include "framework/gdi/messagebox.h"
#include "framework/window.h"

#include <QColorDialog>
#include <QFileDialog>
#include <QMessageBox>

namespace {

QWidget* OwnerWidget(TWindow* owner) {
    return owner ? owner->GetHandle() : nullptr;
}

QMessageBox::Icon IconOf(unsigned flags) {
    switch (flags & 0xF0u) {
    case MB_ICONQUESTION:
        return QMessageBox::Question;
    case MB_ICONEXCLAMATION:
        return QMessageBox::Warning;
    case MB_ICONINFORMATION:
        return QMessageBox::Information;
    default:
        return QMessageBox::NoIcon;
    }
}

struct TButtonSet {
    QMessageBox::StandardButton First, Second;
    int FirstId, SecondId;
};

TButtonSet ButtonsOf(unsigned flags) {
    switch (flags & 0x0Fu) {
    case MB_YESNO:
        return {QMessageBox::Yes, QMessageBox::No, IDYES, IDNO};
    case MB_OKCANCEL:
        return {QMessageBox::Ok, QMessageBox::Cancel, IDOK, IDCANCEL};
    default:
        return {QMessageBox::Ok, QMessageBox::NoButton, IDOK, IDOK};
    }
}

QColor ToQColor(TColor c) {
    return QColor(c.Red(), c.Green(), c.Blue());
}

TColor FromQColor(const QColor& c) {
    return TColor(c.red(), c.green(), c.blue());
}

// Qt's filter syntax takes the patterns from the last parentheses; ours come
// as separate parts, so they are put in parentheses of their own.
QStringList NameFilters(const TOpenSaveDialog::TData& data) {
    QStringList filters;
    for (const TOpenSaveDialog::TFilter& f : data.Filters()) {
        QString patterns = QString::fromStdString(f.Pattern);
        patterns.replace(';', ' ');
        filters << QStringLiteral("%1 (%2 %3)")
                       .arg(QString::fromStdString(f.Description), patterns, patterns.toUpper());
    }
    return filters;
}

} // namespace

int TQtUserInterface::MessageBox(TWindow* owner, const std::string& text,
                                 const std::string& caption, unsigned flags) {
    const TButtonSet buttons = ButtonsOf(flags);
    QMessageBox box(IconOf(flags), caption.empty() ? QStringLiteral("Error") : QString::fromStdString(caption),
                    QString::fromStdString(text), buttons.First | buttons.Second,
                    OwnerWidget(owner));
    const bool secondIsDefault = (flags & 0xF00u) == MB_DEFBUTTON2 && buttons.Second != QMessageBox::NoButton;
    box.setDefaultButton(secondIsDefault ? buttons.Second : buttons.First);
    return box.exec() == buttons.Second ? buttons.SecondId : buttons.FirstId;
}

bool TQtUserInterface::GetFileName(TWindow* owner, const TOpenSaveDialog::TData& data, bool save,
                                   std::string& chosen) {
    TAllNamesFileDialog dialog(OwnerWidget(owner));
    dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    dialog.setNameFilters(NameFilters(data));
    if (!data.InitialDir.empty())
        dialog.setDirectory(FileNameToQString(data.InitialDir));
    if (!data.FileName.empty())
        dialog.selectFile(FileNameToQString(data.FileName));
    if (save)
        dialog.setDefaultSuffix(QString::fromStdString(data.DefaultExt));
    dialog.setOption(QFileDialog::DontConfirmOverwrite, !(data.Flags & OFN_OVERWRITEPROMPT));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return false;
    chosen = FileNameFromQString(dialog.selectedFiles().constFirst());
    return true;
}

bool TQtUserInterface::ChooseColor(TWindow* owner, TChooseColorDialog::TData& data) {
    if (data.CustColors)
        for (int i = 0; i < 16; ++i)
            QColorDialog::setCustomColor(i, ToQColor(data.CustColors[i]));
    QColorDialog dialog(ToQColor(data.Color), OwnerWidget(owner));
    const bool accepted = dialog.exec() == QDialog::Accepted;
    if (data.CustColors)
        for (int i = 0; i < 16; ++i)
            data.CustColors[i] = FromQColor(QColorDialog::customColor(i));
    if (accepted)
        data.Color = FromQColor(dialog.selectedColor());
    return accepted;
}
