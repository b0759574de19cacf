#include "framework/helpviewer.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QPointer>
#include <QTextBrowser>
#include <QUrl>

namespace {

QPointer<QTextBrowser>& Viewer() {
    static QPointer<QTextBrowser> viewer;
    return viewer;
}

void ShowContents(const std::string& helpFile) {
    QPointer<QTextBrowser>& viewer = Viewer();
    if (!viewer) {
        viewer = new QTextBrowser;
        viewer->setAttribute(Qt::WA_DeleteOnClose);
        viewer->setOpenExternalLinks(true);
        viewer->resize(720, 640);
    }
    const QString path =
        QDir(QCoreApplication::applicationDirPath()).filePath(QString::fromStdString(helpFile));
    if (QFileInfo::exists(path)) {
        viewer->setSource(QUrl::fromLocalFile(path), QTextDocument::HtmlResource);
        viewer->setWindowTitle(viewer->documentTitle().isEmpty() ? QStringLiteral("Help")
                                                                 : viewer->documentTitle());
    } else {
        viewer->setWindowTitle(QStringLiteral("Help"));
        viewer->setPlainText(QStringLiteral("Cannot find the help file %1.").arg(path));
    }
    viewer->show();
    viewer->raise();
}

} // namespace

void WinHelp(TWindow*, const std::string& helpFile, THelpCommand command) {
    if (command == HELP_CONTENTS)
        ShowContents(helpFile);
    else if (command == HELP_QUIT && Viewer())
        Viewer()->close();
}

QTextBrowser* HelpViewerWindow() {
    return Viewer();
}
