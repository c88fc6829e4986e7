#pragma once

#include "platform/DateTime.h"

#include <QPoint>
#include <QRect>
#include <QString>
#include <QStringList>
#include <cstdint>
#include <functional>
#include <memory>

class IPrintEngine;
class QDialog;
class QWidget;

// The kinds of modal message dialog the system shows.
enum TMsgDlgType : uint8_t { mtWarning, mtError, mtInformation, mtConfirmation, mtCustom };

// Buttons of a message dialog, as a set of bits.
enum TMsgDlgBtn : uint8_t { mbYes = 1, mbNo = 2, mbOK = 4, mbCancel = 8 };
using TMsgDlgButtons = uint8_t;

// Modal results, numbered as the class library numbers them.
enum TModalResult : int {
    mrNone = 0,
    mrOk = 1,
    mrCancel = 2,
    mrAbort = 3,
    mrRetry = 4,
    mrIgnore = 5,
    mrYes = 6,
    mrNo = 7
};

// What an Open or Save dialog is asked, and what it answers: on OK,
// FileName holds the chosen path and FilterIndex the chosen filter (from 1).
struct TFileDialogOptions {
    QString Title;  // empty: the dialog's own title
    QString Filter; // "Game File (*.gtg)|*.gtg|All Files (*.*)|*.*"
    int FilterIndex = 1;
    QString InitialDir;
    QString FileName;            // proposed name in, chosen path out
    QString DefaultExt;          // without the dot, added when the name has none
    bool OverwritePrompt = true; // Save only
};

// Where a window goes when it is shown, numbered as the class library
// numbers a form's Position.
enum TPosition : uint8_t {
    poDesigned,
    poDefault,
    poDefaultPosOnly,
    poDefaultSizeOnly,
    poScreenCenter,
    poDesktopCenter,
    poMainFormCenter,
    poOwnerFormCenter
};

// The window a dialog of parent's opens over: parent's window while it is
// shown, else the window the user is working in (a hidden window's dialog,
// such as the Open dialog before a game is shown); null when there is none.
QWidget* DialogOwner(QWidget* parent);

// Where a window is on the screen, its frame included. For a window the
// window manager placed itself (maximised) the geometry Qt keeps is only the
// place last asked for; the window system knows where it really is.
QRect FrameOnScreen(const QWidget& window);

// The top-left corner that centres a window of Size on Centre's rectangle,
// moved as little as needed to keep it inside Bounds (where it fits).
QPoint CentredPosition(const QSize& Size, const QRect& Centre, const QRect& Bounds);

// A timer on the main thread. OnTimer runs once per interval while enabled.
class ITimer {
public:
    virtual ~ITimer() = default;
    virtual void SetInterval(int msecs) = 0;
    virtual int Interval() const = 0;
    virtual void SetEnabled(bool enabled) = 0;
    virtual bool Enabled() const = 0;
    std::function<void()> OnTimer;
};

// Everything the system asks of the desktop that a test must control. Windows
// and controls reach it through services(); tests install a fake.
class Services {
public:
    virtual ~Services() = default;

    // A modal message dialog; returns the modal result of the button chosen
    // (mrCancel, or mrNo when there is no Cancel, when closed otherwise).
    virtual int MessageDlg(const QString& text, TMsgDlgType type, TMsgDlgButtons buttons);

    // The wall clock as a date-time.
    virtual TDateTime Now();

    // The uniform random generator: Random(n) in 0..n-1, RandomFloat in [0, 1).
    // Randomize re-seeds it from the clock.
    virtual int Random(int range);
    virtual double RandomFloat();
    virtual void Randomize();
    void SetRandSeed(uint32_t seed) { FRandSeed = seed; }
    uint32_t RandSeed() const { return FRandSeed; }

    virtual std::unique_ptr<ITimer> CreateTimer();

    // Performs the shell's "open" on a document, program or web address;
    // returns a Windows-style code (above 32 is success, 2 file not found, ...).
    virtual int ShellOpen(const QString& fileName, const QString& parameters);

    // The documents folder (empty when unknown), a private temporary folder,
    // the user's home folder and the folder the program runs from.
    virtual QString DocumentsFolder();
    virtual QString TempFolder();
    virtual QString HomeFolder();
    virtual QString ProgramFolder();

    // Shows the help file at a numbered context in the help viewer; raises
    // when the file cannot be read.
    virtual void ShowHelp(const QString& helpFile, int context);

    // Runs pending window messages once.
    virtual void ProcessMessages();
    // One pass of a nested wait: runs pending window messages, first waiting
    // for one when there are none, so the wait does not spin.
    virtual void HandleMessage();

    // Runs a dialog modally, centred over its owner unless it places itself,
    // and returns its modal result (mrCancel when it was closed without
    // one). Windows never call exec() themselves.
    virtual int ExecModal(QDialog& dialog);

    // Puts a window where Position says, from its show event: centred on
    // the primary screen (poScreenCenter), on the whole desktop
    // (poDesktopCenter) or over its owner (poOwnerFormCenter: DialogOwner,
    // the screen when there is none), always inside the desktop. Other
    // positions are left to the window system.
    virtual void PlaceWindow(QWidget& window, TPosition position);

    // The Open and Save file dialogs; true on OK (see TFileDialogOptions).
    virtual bool OpenFileDialog(QWidget* parent, TFileDialogOptions& options);
    virtual bool SaveFileDialog(QWidget* parent, TFileDialogOptions& options);

    // The browser control that shows and prints an HTML page, its control a
    // child of parent.
    virtual std::unique_ptr<IPrintEngine> CreatePrintEngine(QWidget* parent);

protected:
    uint32_t NextRandom();

private:
    uint32_t FRandSeed = 0;
};

// "Game File (*.gtg)|*.gtg|All Files (*.*)|*.*" as Qt name filters:
// "Game File (*.gtg)", "All Files (*)". Patterns come from the part after each
// "|"; "*.*" matches every name, as it does on Windows.
QStringList QtNameFilters(const QString& filter);
// The extension each filter's first pattern names ("*.gtx": "gtx"), or ""
// for a pattern that names none ("*.*", "*.g?g").
QStringList FilterExtensions(const QString& filter);

// The program's title: the caption of its custom message boxes and the title
// line of its HTML pages; the program's name until set. Kept apart from Qt's
// display name, which Qt adds to every window's caption on X11.
QString ApplicationTitle();
void SetApplicationTitle(const QString& title);

// The process-wide services; a test installs its fake with SetServices and
// puts back the previous ones when done (nullptr restores the real ones).
Services& services();

// The programs' help document, "Glyphtrove.hlp" in the program's folder.
QString HelpFileBesideProgram();
Services* SetServices(Services* replacement);
