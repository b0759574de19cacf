// The program among the others on the desktop: files named on the command
// line or dropped on the window, File|Recent, the shortcut keys and
// File|Exit, tooltips, and the About box's build line.

#include "uitest.h"

#include "app/aboutdial.h"
#include "framework/commandenabler.h"
#include "framework/decoratedframe.h"
#include "framework/gdi/messagebox.h"
#include "framework/helpviewer.h"
#include "image/bmpwriter.h"
#include "resources/buildinfo.h"

#include <QAction>
#include <QDialog>
#include <QDropEvent>
#include <QGuiApplication>
#include <QLabel>
#include <QMainWindow>
#include <QMenu>
#include <QMimeData>
#include <QTest>
#include <QTextBrowser>
#include <QToolButton>
#include <QUrl>

#include <fstream>
#include <iostream>
#include <sstream>

namespace {

namespace fs = std::filesystem;

class DesktopTest : public UiTest {
  protected:
    std::string Write(const std::string& name, const std::string& text) const {
        const fs::path path = ConfigDir / name;
        std::ofstream(path, std::ios::binary) << text;
        return path.string();
    }
    std::string Picture(const std::string& name) const {
        const std::vector<std::uint8_t> bytes = TBmp().Bytes();
        return Write(name, std::string(bytes.begin(), bytes.end()));
    }
    // The texts of File|Recent as the menu shows them when it opens.
    QStringList RecentTexts() {
        QMenu* recent = Popup("&Recent");
        EXPECT_NE(recent, nullptr);
        if (!recent)
            return {};
        recent->popup(Frame->GetHandle()->geometry().center());
        QStringList texts;
        for (QAction* action : recent->actions())
            if (action->isVisible())
                texts << action->text() + (action->isEnabled() ? "" : " (grayed)");
        recent->hide();
        return texts;
    }
    void Drop(const QList<QUrl>& urls) {
        QMimeData data;
        data.setUrls(urls);
        QWidget* widget = Window->GetHandle();
        QDragEnterEvent enter(QPoint(50, 50), Qt::CopyAction, &data, Qt::LeftButton, {});
        QCoreApplication::sendEvent(widget, &enter);
        EXPECT_TRUE(enter.isAccepted());
        QDropEvent drop(QPointF(50, 50), Qt::CopyAction, &data, Qt::LeftButton, {});
        QCoreApplication::sendEvent(widget, &drop);
        QCoreApplication::processEvents();
    }
};

TEST_F(DesktopTest, FilesOpenByTheirNamesWithTheMenuCommandsMessages) {
    const std::string data = Write("curve.CSV", "1,2,3\n4,5,6\n");
    const std::string picture = Picture("plot.png.bmp");
    Window->OpenFile(data);
    Window->OpenFile(picture);
    EXPECT_EQ(Probe().CurrentCurve(), 1) << "both columns of the CSV file";
    ASSERT_EQ(Points(1).size(), 2u);
    EXPECT_EQ(Points(1)[1].Y, 6);
    ASSERT_NE(Probe().Dib(), nullptr);
    EXPECT_TRUE(MenuAction(CM_IMAGE)->isChecked());

    // A file that cannot be opened says what the menu command says: a
    // picture's is File|Import Picture, which reads every kind.
    const std::string missingData = (ConfigDir / "gone.dat").string();
    const std::string missingPicture = (ConfigDir / "gone.bmp").string();
    Ui->BoxAnswers.insert(Ui->BoxAnswers.end(), 4, IDOK);
    Window->OpenFile(missingData);
    Window->OpenFile(missingPicture);
    Ui->FileAnswers = {missingData, missingPicture};
    Command(CM_OPENDATA);
    Command(CM_IMPORTPICTURE);
    ASSERT_EQ(Ui->Boxes.size(), 4u);
    for (std::size_t i = 0; i < 2; ++i) {
        EXPECT_EQ(Ui->Boxes[i].Text, Ui->Boxes[i + 2].Text);
        EXPECT_EQ(Ui->Boxes[i].Caption, Ui->Boxes[i + 2].Caption);
        EXPECT_EQ(Ui->Boxes[i].Flags, Ui->Boxes[i + 2].Flags);
    }
    EXPECT_EQ(Ui->Boxes[0].Text, "Unable to open file");
}

// Error boxes (not questions) of the start files also go to standard error,
// and only while they open.
TEST_F(DesktopTest, StartFilesOpenInOrderAndTheirErrorsGoToStandardError) {
    StopApp();
    const std::string first = Write("a.dat", "1 1\n2 2\n");
    const std::string missing = (ConfigDir / "missing.dat").string();
    const std::string second = Write("b.DAT", "3 3\n1e999 4\n");
    static int argc = 1;
    static char name[] = "kestrova";
    static char* argv[] = {name, nullptr};
    App = std::make_unique<TDrawApp>(argc, argv, std::vector<std::string>{first, missing, second});
    std::ostringstream err;
    std::streambuf* const old = std::cerr.rdbuf(err.rdbuf());
    Ui->BoxAnswers = {IDOK, IDCANCEL, IDOK};
    App->InitInstance();
    Frame = App->GetMainWindow();
    Window = static_cast<TDrawWindow*>(Frame->GetClientWindow());
    Window->OpenFile(missing);
    std::cerr.rdbuf(old);

    EXPECT_TRUE(Frame->GetHandle()->isVisible());
    ASSERT_EQ(Ui->Boxes.size(), 3u);
    EXPECT_EQ(Ui->Boxes[1].Text, "Number out of range encountered at line 2. Continue reading the file?");
    EXPECT_EQ(err.str(), "kestrova: " + missing + ": Unable to open file\n");
    ASSERT_EQ(Probe().CurrentCurve(), 1);
    EXPECT_EQ(Points(0).size(), 2u);
    EXPECT_EQ(Points(1)[0].X, 3);
}

TEST_F(DesktopTest, DroppedFilesOpenInOrderAndOnlyLocalFilesAreTaken) {
    // A Latin-1 name, as a file manager sends it: its bytes escaped.
    const std::string data = Write("caf\xE9.dat", "7 8\n");
    const std::string picture = Picture("drop.bmp");
    const QUrl dataUrl = QUrl::fromEncoded(
        "file://" + QByteArray::fromStdString(data).toPercentEncoding("/"), QUrl::StrictMode);
    Drop({dataUrl, QUrl("https://example.org/x.dat"),
          QUrl::fromLocalFile(QString::fromStdString(picture))});
    ASSERT_EQ(Probe().CurrentCurve(), 0);
    EXPECT_EQ(Points(0)[0].Y, 8);
    EXPECT_NE(Probe().Dib(), nullptr);

    QMimeData web;
    web.setUrls({QUrl("https://example.org/x.dat")});
    QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction, &web, Qt::LeftButton, {});
    QCoreApplication::sendEvent(Window->GetHandle(), &enter);
    EXPECT_FALSE(enter.isAccepted());
}

TEST_F(DesktopTest, RecentFilesNewestFirstKeptAcrossStartsAndMissingOnesDropOut) {
    EXPECT_EQ(RecentTexts(), QStringList{"(none) (grayed)"});
    const std::string data = Write("R&D.dat", "1 1\n");
    const std::string picture = Picture("scan.bmp");
    Window->OpenFile(data);
    Window->OpenFile(picture);
    Window->OpenFile(data);
    Ui->BoxAnswers.push_back(IDOK);
    Window->OpenFile((ConfigDir / "never.dat").string()); // not opened: not listed
    const QStringList listed{QString::fromStdString("&1 " + (ConfigDir / "R&&D.dat").string()),
                             QString::fromStdString("&2 " + picture)};
    EXPECT_EQ(RecentTexts(), listed);

    StopApp();
    StartApp();
    EXPECT_EQ(RecentTexts(), listed);
    EXPECT_NE(IniText().find("[Recent]\nFile1=" + data + "\nFile2=" + picture + "\n"),
              std::string::npos)
        << IniText();

    Command(CM_RECENTFILE1 + 1);
    EXPECT_NE(Probe().Dib(), nullptr);
    EXPECT_EQ(RecentTexts().value(0).toStdString(), "&1 " + picture);

    fs::remove(data);
    Ui->BoxAnswers.push_back(IDOK);
    Command(CM_RECENTFILE1 + 1);
    ASSERT_EQ(Ui->Boxes.size(), 2u);
    EXPECT_EQ(Ui->Boxes.back().Text,
              "The file " + data + " no longer exists. It has been taken off the list.");
    EXPECT_EQ(Ui->Boxes.back().Caption, "Note");
    EXPECT_EQ(RecentTexts(), QStringList{QString::fromStdString("&1 " + picture)});
    EXPECT_EQ(Probe().CurrentCurve(), -1);
}

TEST_F(DesktopTest, SavedDataFilesAreRecentToo) {
    BeginCurve();
    AddPoint(1, 1);
    Command(CM_DRAW);
    const std::string saved = (ConfigDir / "saved.csv").string();
    Ui->FileAnswers.push_back(saved);
    Command(CM_SAVEDATAAS);
    EXPECT_EQ(RecentTexts(), QStringList{QString::fromStdString("&1 " + saved)});
}

// Each key a menu item names runs that item's command, only while the item
// could be chosen; Ctrl+Q asks the question closing the window asks.
TEST_F(DesktopTest, TheKeyBesideEachItemRunsItsCommandWhileTheItemCouldBeChosen) {
    QMainWindow* main = Frame->GetHandle();
    main->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(main));
    const auto press = [&](int id) {
        QTest::keySequence(main, QKeySequence(MenuAction(id)->text().section('\t', 1)));
    };
    press(CM_SAVEDATAAS); // no points: grayed, so no dialog
    EXPECT_TRUE(Ui->FileDialogs.empty());
    Ui->FileAnswers = {std::nullopt, std::nullopt};
    press(CM_OPENDATA);
    press(CM_OPENIMAGE);
    ASSERT_EQ(Ui->FileDialogs.size(), 2u);
    EXPECT_EQ(Ui->FileDialogs[0].Data.DefaultExt, "DAT");
    EXPECT_EQ(Ui->FileDialogs[1].Data.DefaultExt, "BMP");
    press(CM_HELPCONTENTS);
    ASSERT_NE(HelpViewerWindow(), nullptr);
    HelpViewerWindow()->close();

    BeginCurve();
    AddPoint(1, 1);
    Command(CM_DRAW);
    Ui->FileAnswers = {std::nullopt};
    press(CM_SAVEDATAAS);
    ASSERT_EQ(Ui->FileDialogs.size(), 3u);
    EXPECT_TRUE(Ui->FileDialogs[2].Save);
    Ui->BoxAnswers = {IDNO, IDYES};
    press(CM_EXIT);
    EXPECT_EQ(Ui->Boxes.back().Text, "Close Kestrova?");
    EXPECT_TRUE(main->isVisible());
    press(CM_FILENEW);
    EXPECT_EQ(Probe().CurrentCurve(), -1);

    BeginCurve();
    AddPoint(1, 1);
    Ui->BoxAnswers = {IDYES};
    press(CM_EXIT);
    EXPECT_EQ(Ui->Boxes.back().Text, "Close Kestrova?");
    EXPECT_FALSE(main->isVisible());
}

// A client that refuses Open Data and records the commands it gets.
class TRefusingClient : public TWindow {
  public:
    std::vector<int> Commands;
    void EvCommand(int id) override { Commands.push_back(id); }
    void EvCommandEnable(TCommandEnabler& ce) override { ce.Enable(ce.GetId() != CM_OPENDATA); }
};

TEST(Accelerators, AKeyReachesOnlyACommandItsClientEnables) {
    auto client = std::make_unique<TRefusingClient>();
    const TRefusingClient& commands = *client;
    TDecoratedFrame frame("Keys", std::move(client), false);
    frame.SetAcceleratorTable(IDA_MAIN);
    frame.Create();
    frame.Show(TDecoratedFrame::TShowCmd::Normal);
    frame.GetHandle()->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(frame.GetHandle()));
    for (const char* key : {"Ctrl+O", "Ctrl+N", "Ctrl+Shift+O"})
        QTest::keySequence(frame.GetHandle(), QKeySequence(key));
    EXPECT_EQ(commands.Commands, (std::vector<int>{CM_FILENEW, CM_OPENIMAGE}));
}

TEST_F(DesktopTest, DialogItemsEndInDotsAndButtonsShowTheirHintAsTooltip) {
    for (int id : {CM_OPENDATA, CM_OPENIMAGE, CM_SAVEDATAAS, CM_SCALE, CM_BKCOLOR, CM_ABOUT})
        EXPECT_TRUE(MenuAction(id)->text().section(QLatin1Char('\t'), 0, 0).endsWith("..."))
            << MenuAction(id)->text().toStdString();
    for (int id : {CM_SCALE, CM_DRAW, CM_DELETELASTPOINT, CM_RECALL, CM_HELPCONTENTS, CM_ABOUT}) {
        QToolButton* button = ToolButton(id);
        ASSERT_NE(button, nullptr) << id;
        EXPECT_EQ(button->toolTip(), button->statusTip()) << id;
    }
}

TEST_F(DesktopTest, AboutNamesTheVersionAndTheBuildAndWindowsNameTheirEntry) {
    EXPECT_EQ(QGuiApplication::desktopFileName(), DesktopAppId);
    Command(CM_ABOUT);
    TDialog& about = *Probe().AboutDialog();
    EXPECT_EQ(about.GetDlgItemText(IDC_ABOUTTEXT, 240).rfind(std::string("Kestrova version ") +
                                                                 KestrovaVersion + "\n",
                                                             0),
              0u);
    QStringList texts;
    for (const QLabel* label : about.GetHandle()->findChildren<QLabel*>())
        texts << label->text();
    EXPECT_TRUE(texts.contains(QString::fromUtf8(BuildDescription))) << texts.join('|').toStdString();
}

} // namespace
