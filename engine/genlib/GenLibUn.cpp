#include "engine/genlib/GenLibUn.h"

#include "platform/Exception.h"
#include "platform/Services.h"

#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryFile>
#include <cerrno>

bool ConfirmMessage(const QString& Text) {
    return services().MessageDlg(Text, mtConfirmation, mbYes | mbNo) == mrYes;
}

bool ConfirmCancelMessage(const QString& Text, bool& Cancelled) {
    const int answer = services().MessageDlg(Text, mtConfirmation, mbYes | mbNo | mbCancel);
    Cancelled = answer != mrYes && answer != mrNo;
    return answer == mrYes;
}

void ErrorMessage(const QString& Text) {
    services().MessageDlg(Text, mtError, mbOK);
}

namespace {

QString ShellErrorText(int Code) {
    switch (Code) {
    case 0:
        return "The operating system is out of memory or resources";
    case 2:
        return "The specified file was not found";
    case 3:
        return "The specified path was not found";
    case 5:
        return "The operating system denied access to the specified file";
    case 8:
        return "There was not enough memory to complete the operation";
    case 11:
        return "The .EXE file is invalid (non-Win32 .EXE or error in .EXE image)";
    case 26:
        return "A sharing violation occurred";
    case 27:
        return "The filename association is incomplete or invalid";
    case 28:
        return "The DDE transaction could not be completed because the request timed out";
    case 29:
        return "The DDE transaction failed";
    case 30:
        return "The DDE transaction could not be completed because other DDE transactions were "
               "being processed";
    case 31:
        return "There is no application associated with the given filename extension";
    case 32:
        return "The specified dynamic-link library was not found";
    }
    return "unknown error";
}

void SplitSeconds(int64_t Total, int& Days, int& Hours, int& Minutes, int& Seconds) {
    Days = int(Total / 86400);
    const int64_t rest = Total - int64_t(Days) * 86400;
    Hours = int(rest / 3600);
    Minutes = int((rest - Hours * 3600) / 60);
    Seconds = int((rest - Hours * 3600) % 60);
}

void AppendPart(QString& Text, int Value, const char* Unit) {
    if (Value == 0)
        return;
    if (!Text.isEmpty())
        Text += ", ";
    Text += Format("%d %s", Value, QString(Unit));
    if (Value > 1)
        Text += "s";
}

// Negative for a moment still to come or a negative duration (whose time
// of day the date-time scale would count forward).
int64_t ElapsedSeconds(bool SinceNow, TDateTime Moment) {
    if (SinceNow)
        return DateTimeToSeconds(services().Now()) - DateTimeToSeconds(Moment);
    return Moment < 0 ? -1 : DateTimeToSeconds(Moment);
}

// The folder of a Windows shell-folder identifier, where Linux has one.
QString ShellFolderPath(int Identifier) {
    switch (Identifier) {
    case 0x00: // desktop
    case 0x10: // desktop folder
        return QStandardPaths::writableLocation(QStandardPaths::DesktopLocation);
    case 0x02: // programs
    case 0x0B: // start menu
        return QStandardPaths::writableLocation(QStandardPaths::ApplicationsLocation);
    case 0x05: // personal: the documents folder
        return services().DocumentsFolder();
    case 0x14: // fonts
        return QStandardPaths::writableLocation(QStandardPaths::FontsLocation);
    case 0x1A: // application data
        return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
    case 0x20: // internet cache
        return QStandardPaths::writableLocation(QStandardPaths::GenericCacheLocation);
    }
    return QString();
}

} // namespace

int ShellOpenFile(const QString& FileName, const QString& Parameters, QString& ErrorText) {
    const int code = services().ShellOpen(FileName, Parameters);
    ErrorText = code > 32 ? QString() : ShellErrorText(code);
    return code;
}

int64_t DateTimeToSeconds(TDateTime Moment) {
    return DateTimeToMSecs(Moment) / 1000;
}

void DateTimeDifference(TDateTime A, TDateTime B, int& Days, int& Hours, int& Minutes,
                        int& Seconds) {
    SplitSeconds(DateTimeToSeconds(B) - DateTimeToSeconds(A), Days, Hours, Minutes, Seconds);
}

QString ElapsedTimeText(bool SinceNow, TDateTime Moment) {
    const int64_t total = ElapsedSeconds(SinceNow, Moment);
    if (total <= 0)
        return QString();
    int days, hours, minutes, seconds;
    SplitSeconds(total, days, hours, minutes, seconds);
    QString text;
    AppendPart(text, days, "day");
    AppendPart(text, hours, "hour");
    AppendPart(text, minutes, "minute");
    AppendPart(text, seconds, "second");
    return text;
}

QString GetTempDirectory() {
    try {
        return TempFilePath(QString());
    } catch (const Exception& error) {
        ErrorMessage(error.Message());
        return QString();
    }
}

QString TempFilePath(const QString& Name) {
    errno = 0;
    QString folder = services().TempFolder();
    if (folder.isEmpty())
        throw Exception::CreateFmt("Cannot find a valid TEMP directory (%d)", errno);
    if (!folder.endsWith('/'))
        folder += '/';
    return folder + Name;
}

QString CreateTempFile(const QString& Name) {
    const QFileInfo name(Name);
    const QString extension = name.suffix().isEmpty() ? QString() : "." + name.suffix();
    QTemporaryFile file(TempFilePath(name.completeBaseName() + "-XXXXXX" + extension));
    file.setAutoRemove(false);
    if (!file.open())
        throw EFCreateError(Format("Cannot create file %s", file.fileTemplate()));
    return file.fileName();
}

void GetSpecialFolder(int Kind, QString& Path) {
    // Entries 0..11, 12..23 and 24..29 of the shell's identifiers.
    const int index = Kind & 0x7F;
    Path.clear();
    if (index < 12)
        Path = ShellFolderPath(index);
    else if (index < 24)
        Path = ShellFolderPath(index - 12 + 0x10);
    else if (index < 30)
        Path = ShellFolderPath(index - 24 + 0x1D);
}

void ChangeFileExtension(const QString& FileName, const QString& Extension, QString& Result) {
    // Only a dot in the file's own name starts an extension, not one in a
    // folder name ("my.puzzles/animals").
    const int lastDot = FileName.lastIndexOf('.');
    if (lastDot < 0 || lastDot < FileName.lastIndexOf('/'))
        Result = FileName + "." + Extension;
    else
        Result = FileName.left(lastDot + 1) + Extension;
}

namespace {

bool IsBlank(QChar C) {
    return C == ' ' || C == '\t';
}

void SkipBlanks(const QString& Line, int& Pos) {
    while (Pos < Line.size() && IsBlank(Line[Pos]))
        ++Pos;
}

// The program name ends at the first blank, or at the closing quote when it
// starts with one; backslashes are path separators there, not escapes.
QString TakeProgramName(const QString& Line, int& Pos) {
    QString name;
    if (Pos < Line.size() && Line[Pos] == '"') {
        ++Pos;
        while (Pos < Line.size() && Line[Pos] != '"')
            name += Line[Pos++];
        if (Pos < Line.size())
            ++Pos;
        return name;
    }
    while (Pos < Line.size() && !IsBlank(Line[Pos]))
        name += Line[Pos++];
    return name;
}

// One argument: 2n backslashes before a quote give n and the quote toggles
// quoting, 2n+1 give n and a literal quote; a doubled quote inside quotes
// is one literal quote; other backslashes stand as they are.
QString TakeArgument(const QString& Line, int& Pos) {
    QString argument;
    bool quoted = false;
    while (Pos < Line.size() && (quoted || !IsBlank(Line[Pos]))) {
        int backslashes = 0;
        while (Pos < Line.size() && Line[Pos] == '\\') {
            ++backslashes;
            ++Pos;
        }
        if (Pos < Line.size() && Line[Pos] == '"') {
            argument += QString(backslashes / 2, '\\');
            if (backslashes % 2 == 1) {
                argument += '"';
            } else if (quoted && Pos + 1 < Line.size() && Line[Pos + 1] == '"') {
                argument += '"';
                ++Pos;
            } else {
                quoted = !quoted;
            }
            ++Pos;
        } else {
            argument += QString(backslashes, '\\');
            if (Pos < Line.size() && (quoted || !IsBlank(Line[Pos])))
                argument += Line[Pos++];
        }
    }
    return argument;
}

QStringList SplitCommandLine(const QString& Line) {
    QStringList parts;
    int pos = 0;
    SkipBlanks(Line, pos);
    parts << TakeProgramName(Line, pos);
    for (SkipBlanks(Line, pos); pos < Line.size(); SkipBlanks(Line, pos))
        parts << TakeArgument(Line, pos);
    return parts;
}

} // namespace

void CheckProcessStep(bool Succeeded, const QString& Message) {
    if (!Succeeded)
        throw Exception(Message);
}

int RunProcess(const QString& CommandLine, bool Wait) {
    static const QString CreateProcessError = "Error during CreateProcess";
    QStringList arguments = SplitCommandLine(CommandLine);
    const QString program = arguments.takeFirst();
    CheckProcessStep(!program.isEmpty(), CreateProcessError);
    if (!Wait) {
        CheckProcessStep(QProcess::startDetached(program, arguments), CreateProcessError);
        return 0;
    }
    QProcess process;
    process.setProcessChannelMode(QProcess::ForwardedChannels);
    process.setStandardInputFile(QProcess::nullDevice());
    process.start(program, arguments);
    CheckProcessStep(process.waitForStarted(-1), CreateProcessError);
    CheckProcessStep(process.waitForFinished(-1), "Error in WaitForSingleObject");
    // A program ended by a signal has no exit code to read.
    CheckProcessStep(process.exitStatus() == QProcess::NormalExit, "Error in GetExitCodeProcess");
    const int exitCode = process.exitCode();
    process.close();
    CheckProcessStep(process.state() == QProcess::NotRunning, "Error in process Close Handle");
    return exitCode;
}
