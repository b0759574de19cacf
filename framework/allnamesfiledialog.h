#pragma once

#include <QFileDialog>

#include <optional>
#include <string>

class QListWidget;
class QListWidgetItem;

// Qt's file dialog, which also offers the files whose names are not UTF-8:
// Qt's own view leaves them out, so whenever the dialog shows a folder (and
// when the name filter changes) they are read from it as bytes and listed
// under the view, headed by a label; the list hides when there are none.
// Picking one puts its name into the file-name field (escaped as in
// framework/filename.h, so it comes back byte for byte); a double-click,
// Enter or the accept button then opens it, or replaces it after the same
// question Qt asks. Everything else is Qt's dialog as it is.
class TAllNamesFileDialog : public QFileDialog {
public:
    explicit TAllNamesFileDialog(QWidget* parent);

    void accept() override;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void ListOtherNames();
    void Pick(const QListWidgetItem* item);
    // The path the file-name field names when that is a regular file whose
    // name is not UTF-8, which Qt's own checks cannot find.
    std::optional<std::string> OtherFileNamed() const;
    // Qt grays the accept button for a file it cannot find.
    void EnableAcceptForOtherFile();
    bool ConfirmReplace(const std::string& path);

    QWidget* Others;
    QListWidget* OtherList;
};
