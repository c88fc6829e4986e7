#pragma once

#include "platform/DateTime.h"
#include "platform/Format.h"

#include <QString>
#include <cstdint>

// The system's prompts: every question and every error box goes through
// these, so they decide how all of them look.

// Yes/No; true only for Yes (closing the box otherwise counts as No).
bool ConfirmMessage(const QString& Text);
template <typename... Args> bool ConfirmMessageFmt(const QString& Fmt, const Args&... args) {
    return ConfirmMessage(Format(Fmt, args...));
}
// Yes/No/Cancel; true only for Yes. Cancelled is true when the box ended
// with Cancel or was closed otherwise, false for Yes and No.
bool ConfirmCancelMessage(const QString& Text, bool& Cancelled);
void ErrorMessage(const QString& Text);
template <typename... Args> void ErrorMessageFmt(const QString& Fmt, const Args&... args) {
    ErrorMessage(Format(Fmt, args...));
}

// Opens a document, program or web address with the shell. Returns the
// shell's code: above 32 is success and empties ErrorText; 32 or below
// leaves its description in ErrorText and shows nothing.
int ShellOpenFile(const QString& FileName, const QString& Parameters, QString& ErrorText);

// The moment in whole seconds (milliseconds truncated) on a fixed scale.
int64_t DateTimeToSeconds(TDateTime Moment);
// B - A, each cut to its whole second first, as days, hours, minutes and
// seconds.
void DateTimeDifference(TDateTime A, TDateTime B, int& Days, int& Hours, int& Minutes,
                        int& Seconds);
// "1 day, 2 hours, 5 seconds": the time since Moment (SinceNow) or the
// duration Moment. Zero parts are left out; zero or negative gives "".
QString ElapsedTimeText(bool SinceNow, TDateTime Moment);

// The private temporary folder with a trailing '/'; shows an error box and
// gives "" when there is none.
QString GetTempDirectory();
// The file Name in the private temporary folder. Without the folder it
// raises the error GetTempDirectory shows, so that no file goes to the
// working folder in its stead.
QString TempFilePath(const QString& Name);
// A new, empty file in the private temporary folder, named after Name with
// a part of its own before the extension ("animals.html" gives
// "animals-a1B2c3.html"), so that it replaces no file, not even one that
// this program or another running beside it wrote there. Raises as
// TempFilePath does without the folder, and EFCreateError when no file can
// be made.
QString CreateTempFile(const QString& Name);

// The shell's special folder kind 5, the documents folder, is the one the
// system uses. Path is "" for a folder that is unknown or has no path.
constexpr int CSIDL_PERSONAL = 5;
void GetSpecialFolder(int Kind, QString& Path);

// FileName with its extension replaced by Extension (given without the
// dot), or appended when the file's own name has none.
void ChangeFileExtension(const QString& FileName, const QString& Extension, QString& Result);

// Raises the general exception with Message when Succeeded is false.
void CheckProcessStep(bool Succeeded, const QString& Message);
// Starts the program that the command line's first token names, with the
// rest as its arguments, split as a Windows command line is (double quotes
// group, backslashes escape a quote); no shell sees it. With Wait, blocks
// until the program ends and returns its exit code; without, returns 0 as
// soon as it runs, keeping nothing of it. Each failed step raises its message.
int RunProcess(const QString& CommandLine, bool Wait);
