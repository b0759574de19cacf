#include "framework/allnamesfiledialog.h"

#include "framework/filename.h"
#include "framework/nonutf8names.h"

#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QFileSystemModel>
#include <QFrame>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QVBoxLayout>

#include <filesystem>
#include <system_error>

namespace {

// The extra list has room for about this many names before it scrolls.
constexpr int ListRows = 4;

} // namespace

TAllNamesFileDialog::TAllNamesFileDialog(QWidget* parent)
    : QFileDialog(parent), Others(new QWidget(this)), OtherList(new QListWidget(Others)) {
    // Only Qt's own dialog has a view to add to.
    setOption(DontUseNativeDialog);
    auto* label = new QLabel(QStringLiteral("Files whose names are not UTF-8:"), Others);
    OtherList->setObjectName(QStringLiteral("nonUtf8Files"));
    OtherList->setFixedHeight(OtherList->fontMetrics().height() * ListRows +
                              2 * OtherList->frameWidth() + ListRows);
    auto* column = new QVBoxLayout(Others);
    column->setContentsMargins(0, 0, 0, 0);
    column->addWidget(label);
    column->addWidget(OtherList);
    Others->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
    // Right under Qt's view, in the frame that holds it; below the whole
    // dialog should a Qt not name that frame so.
    auto* frame = findChild<QFrame*>(QStringLiteral("frame"));
    if (frame && frame->layout()) {
        frame->layout()->addWidget(Others);
    } else {
        auto* grid = static_cast<QGridLayout*>(layout());
        grid->addWidget(Others, grid->rowCount(), 0, 1, grid->columnCount());
    }
    Others->hide();

    connect(OtherList, &QListWidget::itemClicked, this,
            [this](QListWidgetItem* item) { Pick(item); });
    connect(OtherList, &QListWidget::currentItemChanged, this,
            [this](QListWidgetItem* item) { Pick(item); });
    // The click before it has picked the name.
    connect(OtherList, &QListWidget::itemDoubleClicked, this, [this] { accept(); });
    if (auto* model = findChild<QFileSystemModel*>())
        connect(model, &QFileSystemModel::rootPathChanged, this, [this] {
            if (isVisible())
                ListOtherNames();
        });
    connect(this, &QFileDialog::filterSelected, this, [this] {
        if (isVisible())
            ListOtherNames();
    });
    // Runs after Qt's own update of the accept button, connected first.
    if (auto* field = findChild<QLineEdit*>(QStringLiteral("fileNameEdit")))
        connect(field, &QLineEdit::textChanged, this, [this] { EnableAcceptForOtherFile(); });
}

void TAllNamesFileDialog::showEvent(QShowEvent* event) {
    ListOtherNames();
    QFileDialog::showEvent(event);
}

void TAllNamesFileDialog::ListOtherNames() {
    const std::string folder = FileNameFromQString(directory().absolutePath());
    const std::vector<std::string> names =
        NonUtf8FileNames(folder, FilterPatterns(selectedNameFilter().toStdString()));
    OtherList->clear();
    for (const std::string& name : names) {
        auto* item = new QListWidgetItem(QString::fromStdString(ReadableFileName(name)), OtherList);
        item->setData(Qt::UserRole, FileNameToQString(name));
    }
    Others->setVisible(!names.empty());
    EnableAcceptForOtherFile();
}

void TAllNamesFileDialog::Pick(const QListWidgetItem* item) {
    if (item)
        selectFile(item->data(Qt::UserRole).toString());
}

std::optional<std::string> TAllNamesFileDialog::OtherFileNamed() const {
    const QStringList files = selectedFiles();
    if (files.size() != 1)
        return std::nullopt;
    std::string path = FileNameFromQString(files.constFirst());
    std::error_code error;
    if (IsUtf8(path) || !std::filesystem::is_regular_file(path, error))
        return std::nullopt;
    return path;
}

void TAllNamesFileDialog::EnableAcceptForOtherFile() {
    if (!OtherFileNamed())
        return;
    const auto which = acceptMode() == AcceptSave ? QDialogButtonBox::Save : QDialogButtonBox::Open;
    if (auto* buttons = findChild<QDialogButtonBox*>())
        if (QPushButton* button = buttons->button(which))
            button->setEnabled(true);
}

bool TAllNamesFileDialog::ConfirmReplace(const std::string& path) {
    const std::string name = std::filesystem::path(path).filename().string();
    const QString question =
        QCoreApplication::translate("QFileDialog", "%1 already exists.\nDo you want to replace it?")
            .arg(QString::fromStdString(ReadableFileName(name)));
    return QMessageBox::warning(this, windowTitle(), question, QMessageBox::Yes | QMessageBox::No,
                                QMessageBox::No) == QMessageBox::Yes;
}

void TAllNamesFileDialog::accept() {
    const std::optional<std::string> path = OtherFileNamed();
    if (!path) {
        QFileDialog::accept();
        return;
    }
    if (acceptMode() == AcceptSave && !testOption(DontConfirmOverwrite) && !ConfirmReplace(*path))
        return;
    const QString file = selectedFiles().constFirst();
    emit fileSelected(file);
    emit filesSelected({file});
    QDialog::accept();
}
