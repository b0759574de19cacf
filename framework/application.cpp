#include "framework/application.h"

#include "framework/helpviewer.h"

#include <QApplication>
#include <QTextBrowser>

#include <clocale>

TApplication::TApplication(int& argc, char** argv) {
    if (!QCoreApplication::instance())
        QtApplication = std::make_unique<QApplication>(argc, argv);
    // Qt switches the C locale to the user's; numbers in files and panes
    // always use a decimal point.
    std::setlocale(LC_NUMERIC, "C");
}

TApplication::~TApplication() {
    MainWindow.reset();
    delete HelpViewerWindow();
}

void TApplication::SetDesktopEntry(const char* appId) {
    QGuiApplication::setDesktopFileName(QString::fromUtf8(appId));
}

void TApplication::SetMainWindow(std::unique_ptr<TDecoratedFrame> frame) {
    MainWindow = std::move(frame);
}

void TApplication::InitInstance() {
    InitMainWindow();
    if (!MainWindow)
        return;
    MainWindow->Create();
    MainWindow->Show(nCmdShow);
}

int TApplication::Run() {
    InitInstance();
    if (!MainWindow)
        return 1;
    return QApplication::exec();
}
