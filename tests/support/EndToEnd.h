#pragma once

#include "support/FakeServices.h"

#include <QJsonObject>
#include <QPoint>
#include <QProcess>
#include <QRect>
#include <QString>
#include <QStringList>
#include <functional>
#include <gtest/gtest.h>

// Running a real program on an X server of the test's own (Xvfb), driven
// with xdotool as a user would drive it.

// Generous: a loaded machine starts programs slowly.
constexpr int WaitLimitMs = 60000;

// Polls until Ready holds or the limit passes; true when it held.
bool WaitUntil(const std::function<bool()>& Ready, int LimitMs = WaitLimitMs);

// Runs xdotool on the display; its output, trimmed, and whether it succeeded.
QString XDoTool(const QString& Display, const QStringList& Arguments, bool* Succeeded = nullptr);

// An X server on a display number it picks itself, running once it has
// answered a request. It never resets: a server resets when its last client
// leaves, and the reset drops every connection still being set up, such as
// the program's while it starts between two xdotool calls.
class VirtualScreen {
public:
    VirtualScreen();
    ~VirtualScreen();
    bool Running() const;
    QString Display() const { return ":" + QString::fromLatin1(FNumber); }

private:
    void Start();
    void Stop();

    // What the server says goes to the log only when it fails: with
    // -displayfd it reports every display number already taken on its way.
    void ReportFailure(const char* What);

    QProcess FServer;
    QByteArray FNumber;
    bool FAnswered = false;
};

// A window manager (openbox) on the virtual screen, for what only one does:
// maximising, framing, stacking. Running once it has started up.
class WindowManager {
public:
    WindowManager(const VirtualScreen& Screen, const QString& Folder);
    ~WindowManager();
    bool Running() const;

private:
    QProcess FManager;
    bool FStarted = false;
};

// The test's own client of the X server (tests/x11client), for what the
// tests, running offscreen, cannot do themselves: it holds a text as the
// PRIMARY selection, reads the CLIPBOARD and takes screenshots.
class X11Client {
public:
    explicit X11Client(const VirtualScreen& Screen);
    ~X11Client();
    // True once Text is the selection that a middle click pastes.
    bool Own(const QString& Text);
    QString Clipboard() const;
    // Saves the whole screen as a PNG picture; true when it did.
    bool Shot(const QString& File) const;
    // Where the window's frame is as the X server has it (the window itself
    // without a window manager); empty when the window is unknown.
    QRect Frame(const QString& Window) const;

private:
    void Disown();
    QString Run(const QStringList& Arguments, bool* Succeeded = nullptr) const;

    // The one that holds the selection.
    QProcess FTool;
};

// The whole virtual screen, kept under Name as screenshots are
// (tests/support/Screenshot.h) when they are asked for, once it has
// finished drawing.
void KeepScreen(const VirtualScreen& Screen, const QString& Name);

// A window's place once it has settled, with the program's report then.
struct TSettledWindow {
    QRect Place;
    QJsonObject State;
    bool Settled() const { return !Place.isEmpty(); }
};

// One run of a program on the virtual screen, with its home, configuration
// folder and state file in the test's folder. The program runs as a
// portable copy there, beside its help file, so the settings it keeps start
// fresh and stay out of the build tree and the user's own.
class ProgramRun {
public:
    // Unset names environment variables the program runs without.
    ProgramRun(const VirtualScreen& Screen, const QString& Folder, const QString& Binary,
               const QStringList& Arguments, const QStringList& Unset = {});
    ~ProgramRun();

    QProcess& Program() { return FProgram; }
    const VirtualScreen& Screen() const { return FScreen; }
    // The folder of the portable copy, where its settings files go.
    QString ProgramFolder() const { return FFolder + "/program"; }
    // Where the program's QSettings go.
    QString ConfigFolder() const { return FFolder + "/config"; }

    // What the program reports in its state file (GLYPHTROVE_STATE_FILE).
    QJsonObject State() const;
    bool WaitForState(const std::function<bool(const QJsonObject&)>& Ready) const;

    // Runs xdotool on the program's screen; its output, trimmed.
    QString XDoTool(const QStringList& Arguments) const;
    // The visible windows whose names start with Name, bottom of the stack first.
    QStringList VisibleWindows(const QString& Name) const;
    // The first visible window whose name starts with Name, or "".
    QString WaitForWindow(const QString& Name) const;
    // A visible window whose name starts with Name, other than Not, or "".
    QString WaitForAnotherWindow(const QString& Name, const QString& Not) const;
    // True once no visible window's name starts with Name.
    bool WaitForWindowGone(const QString& Name) const;
    // The window's top-left corner on the screen.
    QPoint WindowOrigin(const QString& Window) const;
    // Where the window is on the screen, as the X server has it.
    QRect WindowRect(const QString& Window) const;
    // Whether the window is mapped, and so placed when a window manager runs.
    bool Shown(const QString& Window) const;
    // Where the window is once it is shown and stays put: the X server gives
    // the same place on two polls in a row. Empty when it never settled.
    QRect WaitForSettledRect(const QString& Window) const;
    // The window's settled place once Ready holds for the report and the
    // report is unchanged across those polls, its window under Key having the
    // size the X server gives it: the window manager has placed the window
    // and the program has taken that size in and laid it out. Not settled
    // when that never happened.
    TSettledWindow WaitForSettledWindow(const QString& Window, const QString& Key,
                                        const std::function<bool(const QJsonObject&)>& Ready) const;
    // Gives the window the keyboard and types the keys.
    void Type(const QString& Window, const QString& Keys) const;
    // Clicks the mouse button there (1 left, 2 middle, 3 right).
    void Click(QPoint Point, int Button = 1) const;
    void Drag(QPoint From, QPoint To) const;
    bool Ended();

private:
    const VirtualScreen& FScreen;
    QString FDisplay;
    QString FFolder;
    QString FStateFile;
    QProcess FProgram;
};

// A test of real programs on an X server of its own, with its files in the
// fake services' folder; it fails at once without Xvfb or xdotool.
class EndToEndTest : public ::testing::Test {
protected:
    void SetUp() override;

    FakeServices Fake;
    VirtualScreen Screen;
};

// Printing a game whose folder holds the user's own page of its name: Garden
// Birds in a folder of the test's beside "Garden Birds.html". While it
// lives, TMPDIR puts the private temporary folder of the programs started
// meanwhile into the test's folder, apart from other tests'.
class PrintBesideUsersPage {
public:
    explicit PrintBesideUsersPage(const QString& Folder);
    ~PrintBesideUsersPage();
    QString Game() const { return FGames + "/Garden Birds.gtg"; }
    // Ctrl+P in Window; with the print preview and its preview dialog on the
    // screen (kept as the screenshot Shot), Escape in the dialog. Then the
    // user's page keeps its bytes, nothing new lies beside the game, the
    // preview showed one page of the program's own in its private temporary
    // folder, and that page goes.
    void PrintAndCheck(const ProgramRun& Run, const QString& Window, const QString& Shot) const;

private:
    QString UsersPage() const { return FGames + "/Garden Birds.html"; }
    // The HTML pages in the programs' private temporary folder.
    QStringList Pages() const;

    QString FGames;
    QString FTemporary;
    QByteArray FPreviousTemporary;
    bool FHadTemporary;
};
