// The program among the others on the desktop: files named on the command
// line or dropped on the window, File|Recent, the shortcut keys and
// File|Exit, tooltips, and the About box's build line.

#include "uitest.h"

#include "app/aboutdial.h"
#include "framework/decoratedframe.h"
#include "framework/gdi/messagebox.h"
#include "framework/helpviewer.h"
#include "image/bmpwriter.h"
#include "resources/buildinfo.h"

#include <QAction>
#include <QDialog>
#include <QDropEvent>
#include <QLabel>
#include <QMainWindow>
#include <QMenu>
#include <QMimeData>
#include <QTest>
#include <QTextBrowser>
#include <QToolButton>
#include <QUrl>

#include <fstream>
#include <functional>
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

    // A file that cannot be opened says what the menu command says.
    const std::string missingData = (ConfigDir / "gone.dat").string();
    const std::string missingPicture = (ConfigDir / "gone.bmp").string();
    Ui->BoxAnswers.insert(Ui->BoxAnswers.end(), 4, IDOK);
    Window->OpenFile(missingData);
    Window->OpenFile(missingPicture);
    Ui->FileAnswers = {missingData, missingPicture};
    Command(CM_OPENDATA);
    Command(CM_OPENIMAGE);
    ASSERT_EQ(Ui->Boxes.size(), 4u);
    for (std::size_t i = 0; i < 2; ++i) {
        EXPECT_EQ(Ui->Boxes[i].Text, Ui->Boxes[i + 2].Text);
        EXPECT_EQ(Ui->Boxes[i].Caption, Ui->Boxes[i + 2].Caption);
        EXPECT_EQ(Ui->Boxes[i].Flags, Ui->Boxes[i + 2].Flags);
    }
    EXPECT_EQ(Ui->Boxes[0].Text, "Unable to open file");
}

TEST_F(DesktopTest, StartFilesOpenInOrderAndTheirErrorsGoToStandardError) {
    StopApp();
    const std::string first = Write("a.dat", "1 1\n2 2\n");
    const std::string missing = (ConfigDir / "missing.dat").string();
    const std::string second = Write("b.DAT", "3 3\n");
    static int argc = 1;
    static char name[] = "kestrova";
    static char* argv[] = {name, nullptr};
    App = std::make_unique<TDrawApp>(argc, argv, std::vector<std::string>{first, missing, second});
    std::ostringstream err;
    std::streambuf* const old = std::cerr.rdbuf(err.rdbuf());
    Ui->BoxAnswers.push_back(IDOK);
    App->InitInstance();
    std::cerr.rdbuf(old);
    Frame = App->GetMainWindow();
    Window = static_cast<TDrawWindow*>(Frame->GetClientWindow());

    EXPECT_TRUE(Frame->GetHandle()->isVisible());
    EXPECT_EQ(err.str(), "kestrova: " + missing + ": Unable to open file\n");
    ASSERT_EQ(Probe().CurrentCurve(), 1);
    EXPECT_EQ(Points(0).size(), 2u);
    EXPECT_EQ(Points(1)[0].X, 3);
}

TEST_F(DesktopTest, DroppedFilesOpenInOrderAndOnlyLocalFilesAreTaken) {
    const std::string data = Write("drop.dat", "7 8\n");
    const std::string picture = Picture("drop.bmp");
    Drop({QUrl::fromLocalFile(QString::fromStdString(data)), QUrl("https://example.org/x.dat"),
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
// could be chosen; Ctrl+Q asks the same question as closing the window.
class ShortcutTest : public DesktopTest, public testing::WithParamInterface<int> {
  public:
    void CurveWithPoint() {
        BeginCurve();
        AddPoint(1, 1);
        Command(CM_DRAW);
    }
    TScriptedUserInterface& Script() { return *Ui; }
    int CurrentCurve() const { return Probe().CurrentCurve(); }
    bool MainVisible() const { return Frame->GetHandle()->isVisible(); }
    // The one file dialog asked for, with its default extension.
    bool OneDialog(const char* defExt, bool save) const {
        return Ui->FileDialogs.size() == 1 && Ui->FileDialogs[0].Data.DefaultExt == defExt &&
               Ui->FileDialogs[0].Save == save;
    }
};

struct TShortcutCase {
    const char* Key;
    int Command;
    // Sets up what the command acts on and scripts its answers.
    std::function<void(ShortcutTest&)> Prepare;
    // Whether the command ran.
    std::function<bool(ShortcutTest&)> Ran;
};

const TShortcutCase ShortcutCases[] = {
    {"Ctrl+N", CM_FILENEW,
     [](ShortcutTest& t) {
         t.CurveWithPoint();
         t.Script().BoxAnswers.push_back(IDYES);
     },
     [](ShortcutTest& t) { return t.CurrentCurve() == -1; }},
    {"Ctrl+O", CM_OPENDATA, [](ShortcutTest& t) { t.Script().FileAnswers.push_back(std::nullopt); },
     [](ShortcutTest& t) { return t.OneDialog("DAT", false); }},
    {"Ctrl+Shift+O", CM_OPENIMAGE,
     [](ShortcutTest& t) { t.Script().FileAnswers.push_back(std::nullopt); },
     [](ShortcutTest& t) { return t.OneDialog("BMP", false); }},
    {"Ctrl+S", CM_SAVEDATAAS,
     [](ShortcutTest& t) {
         t.CurveWithPoint();
         t.Script().FileAnswers.push_back(std::nullopt);
     },
     [](ShortcutTest& t) { return t.OneDialog("DAT", true); }},
    {"Ctrl+Q", CM_EXIT,
     [](ShortcutTest& t) {
         t.CurveWithPoint();
         t.Script().BoxAnswers.push_back(IDYES);
     },
     [](ShortcutTest& t) { return !t.MainVisible(); }},
    {"F1", CM_HELPCONTENTS, [](ShortcutTest&) {},
     [](ShortcutTest&) { return HelpViewerWindow() && HelpViewerWindow()->isVisible(); }},
};

TEST_P(ShortcutTest, TheKeyBesideTheItemRunsItsCommand) {
    const TShortcutCase& c = ShortcutCases[GetParam()];
    const QString text = MenuAction(c.Command)->text();
    ASSERT_EQ(text.section(QLatin1Char('\t'), 1), c.Key);
    c.Prepare(*this);
    QMainWindow* main = Frame->GetHandle();
    main->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(main));
    QTest::keySequence(main, QKeySequence(c.Key));
    EXPECT_TRUE(c.Ran(*this)) << c.Key;
    if (HelpViewerWindow())
        HelpViewerWindow()->close();
}

INSTANTIATE_TEST_SUITE_P(Keys, ShortcutTest,
                         testing::Range(0, static_cast<int>(std::size(ShortcutCases))));

TEST_F(DesktopTest, AKeyDoesNothingWhileItsItemIsGrayed) {
    QMainWindow* main = Frame->GetHandle();
    main->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(main));
    QTest::keySequence(main, QKeySequence("Ctrl+S")); // no points: nothing to save
    EXPECT_TRUE(Ui->FileDialogs.empty());
}

TEST_F(DesktopTest, ExitWithUnsavedCurvesAsksAndNoKeepsTheWindow) {
    BeginCurve();
    AddPoint(1, 1);
    Command(CM_DRAW);
    Ui->BoxAnswers.push_back(IDNO);
    Command(CM_EXIT);
    ASSERT_EQ(Ui->Boxes.size(), 2u);
    EXPECT_EQ(Ui->Boxes.back().Text, "Close Kestrova?");
    EXPECT_TRUE(Frame->GetHandle()->isVisible());
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

TEST_F(DesktopTest, AboutNamesTheVersionAndTheBuild) {
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
