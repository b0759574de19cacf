#include "framework/helpviewer.h"

#include "framework/filename.h"
#include "resources/buildinfo.h"

#include <QCoreApplication>
#include <QPointer>
#include <QTextBrowser>
#include <QUrl>

#include <vector>

namespace {

// Where the help file is looked for, in order.
std::vector<std::filesystem::path> HelpFilePlaces(const std::filesystem::path& programDir,
                                                  const std::string& helpFile) {
    return {programDir / helpFile,
            (programDir / InstalledDataFromProgramDir / helpFile).lexically_normal()};
}

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
    const std::filesystem::path programDir =
        FileNameFromQString(QCoreApplication::applicationDirPath());
    const auto name = [](const std::filesystem::path& place) {
        return FileNameToQString(place.string());
    };
    if (const std::optional<std::filesystem::path> found = FindHelpFile(programDir, helpFile)) {
        viewer->setSource(QUrl::fromLocalFile(name(*found)), QTextDocument::HtmlResource);
        viewer->setWindowTitle(viewer->documentTitle().isEmpty() ? QStringLiteral("Help")
                                                                 : viewer->documentTitle());
    } else {
        const std::vector<std::filesystem::path> places = HelpFilePlaces(programDir, helpFile);
        viewer->setWindowTitle(QStringLiteral("Help"));
        viewer->setPlainText(QStringLiteral("Cannot find the help file %1 or %2.")
                                 .arg(name(places.front()), name(places.back())));
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

std::optional<std::filesystem::path> FindHelpFile(const std::filesystem::path& programDir,
                                                  const std::string& helpFile) {
    for (const std::filesystem::path& place : HelpFilePlaces(programDir, helpFile)) {
        std::error_code error;
        if (std::filesystem::is_regular_file(place, error))
            return place;
    }
    return std::nullopt;
}

QTextBrowser* HelpViewerWindow() {
    return Viewer();
}
