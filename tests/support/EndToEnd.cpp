#include "support/EndToEnd.h"

#include "support/Screenshot.h"
#include "support/TestFiles.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QJsonDocument>
#include <QStandardPaths>
#include <QThread>
#include <gtest/gtest.h>
#include <iostream>
#include <unistd.h>

bool WaitUntil(const std::function<bool()>& Ready, int LimitMs) {
    QElapsedTimer clock;
    clock.start();
    while (!Ready()) {
        if (clock.elapsed() > LimitMs)
            return false;
        QThread::msleep(20);
    }
    return true;
}

QString XDoTool(const QString& Display, const QStringList& Arguments, bool* Succeeded) {
    QProcess tool;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("DISPLAY", Display);
    tool.setProcessEnvironment(environment);
    tool.start("xdotool", Arguments);
    const bool ended = tool.waitForFinished(WaitLimitMs);
    if (Succeeded)
        *Succeeded = ended && tool.exitStatus() == QProcess::NormalExit && tool.exitCode() == 0;
    return QString::fromUtf8(tool.readAllStandardOutput()).trimmed();
}

VirtualScreen::VirtualScreen() {
    // A server that does not come up is given one more try.
    for (int attempt = 0; attempt < 2 && !Running(); ++attempt)
        Start();
}

VirtualScreen::~VirtualScreen() {
    Stop();
}

bool VirtualScreen::Running() const {
    return FServer.state() == QProcess::Running && FAnswered;
}

void VirtualScreen::Start() {
    Stop();
    // Without xdotool nothing can tell whether the server answers.
    const QString xvfb = QStandardPaths::findExecutable("Xvfb");
    if (xvfb.isEmpty() || QStandardPaths::findExecutable("xdotool").isEmpty())
        return;
    FServer.start(
        xvfb, {"-displayfd", "1", "-noreset", "-screen", "0", "1024x768x24", "-nolisten", "tcp"});
    if (!WaitUntil([this] {
            FServer.waitForReadyRead(50);
            FNumber += FServer.readAllStandardOutput();
            return FNumber.endsWith('\n') || FServer.state() == QProcess::NotRunning;
        })) {
        ReportFailure("did not name its display");
        return;
    }
    FNumber = FNumber.trimmed();
    FAnswered = !FNumber.isEmpty() && WaitUntil([this] {
        bool answered = false;
        XDoTool(Display(), {"getdisplaygeometry"}, &answered);
        return answered || FServer.state() == QProcess::NotRunning;
    }) && FServer.state() == QProcess::Running;
    if (!FAnswered)
        ReportFailure("did not answer");
}

void VirtualScreen::ReportFailure(const char* What) {
    std::cerr << "Xvfb " << What << ":\n"
              << FServer.readAllStandardError().toStdString() << std::endl;
}

void VirtualScreen::Stop() {
    if (FServer.state() != QProcess::NotRunning) {
        FServer.terminate();
        if (!FServer.waitForFinished(WaitLimitMs))
            FServer.kill();
        FServer.waitForFinished(WaitLimitMs);
    }
    FNumber.clear();
    FAnswered = false;
}

WindowManager::WindowManager(const VirtualScreen& Screen, const QString& Folder) {
    const QString openbox = QStandardPaths::findExecutable("openbox");
    if (openbox.isEmpty() || !Screen.Running())
        return;
    // It runs the start-up command once it manages the screen.
    const QString started = Folder + "/window-manager-started";
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("DISPLAY", Screen.Display());
    environment.insert("HOME", Folder);
    environment.insert("XDG_CONFIG_HOME", Folder + "/config");
    FManager.setProcessEnvironment(environment);
    FManager.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    FManager.start(openbox, {"--sm-disable", "--startup", "touch " + started});
    FStarted = FManager.waitForStarted(WaitLimitMs) && WaitUntil([&] {
                   return QFileInfo::exists(started) || FManager.state() == QProcess::NotRunning;
               }) &&
               FManager.state() == QProcess::Running;
}

WindowManager::~WindowManager() {
    if (FManager.state() != QProcess::NotRunning) {
        FManager.terminate();
        if (!FManager.waitForFinished(WaitLimitMs))
            FManager.kill();
        FManager.waitForFinished(WaitLimitMs);
    }
}

bool WindowManager::Running() const {
    return FStarted && FManager.state() == QProcess::Running;
}

X11Client::X11Client(const VirtualScreen& Screen) {
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("DISPLAY", Screen.Display());
    environment.insert("QT_QPA_PLATFORM", "xcb");
    FTool.setProcessEnvironment(environment);
}

X11Client::~X11Client() {
    Disown();
}

bool X11Client::Own(const QString& Text) {
    Disown();
    FTool.start(GLYPHTROVE_X11CLIENT_BINARY, {"own", Text});
    return WaitUntil([this] {
               FTool.waitForReadyRead(50);
               return FTool.canReadLine() || FTool.state() == QProcess::NotRunning;
           }) &&
           FTool.readLine().trimmed() == "owned";
}

QString X11Client::Clipboard() const {
    return Run({"clipboard"});
}

bool X11Client::Shot(const QString& File) const {
    bool succeeded = false;
    Run({"shot", File}, &succeeded);
    return succeeded;
}

void X11Client::Disown() {
    if (FTool.state() != QProcess::NotRunning) {
        FTool.kill();
        FTool.waitForFinished(5000);
    }
}

QString X11Client::Run(const QStringList& Arguments, bool* Succeeded) const {
    QProcess tool;
    tool.setProcessEnvironment(FTool.processEnvironment());
    tool.start(GLYPHTROVE_X11CLIENT_BINARY, Arguments);
    const bool ended = tool.waitForFinished(WaitLimitMs);
    if (Succeeded)
        *Succeeded = ended && tool.exitStatus() == QProcess::NormalExit && tool.exitCode() == 0;
    return QString::fromUtf8(tool.readAllStandardOutput());
}

void KeepScreen(const VirtualScreen& Screen, const QString& Name) {
    const QString file = ScreenshotFile(Name);
    if (file.isEmpty())
        return;
    // Shots until two in a row are alike: the windows have finished drawing.
    const X11Client client(Screen);
    QImage last;
    EXPECT_TRUE(WaitUntil([&] {
        if (!client.Shot(file))
            return false;
        const QImage shot(file);
        const bool alike = !last.isNull() && shot == last;
        last = shot;
        return alike;
    })) << Name.toStdString()
        << ": the screen did not settle";
}

ProgramRun::ProgramRun(const VirtualScreen& Screen, const QString& Folder, const QString& Binary,
                       const QStringList& Arguments, const QStringList& Unset)
    : FScreen(Screen), FDisplay(Screen.Display()), FFolder(Folder),
      FStateFile(Folder + "/state.json") {
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("DISPLAY", FDisplay);
    environment.insert("QT_QPA_PLATFORM", "xcb");
    environment.insert("HOME", Folder);
    environment.insert("XDG_CONFIG_HOME", ConfigFolder());
    environment.insert("XDG_RUNTIME_DIR", Folder);
    environment.insert("GLYPHTROVE_STATE_FILE", FStateFile);
    for (const QString& name : Unset)
        environment.remove(name);
    FProgram.setProcessEnvironment(environment);
    FProgram.setProcessChannelMode(QProcess::ForwardedChannels);
    const QFileInfo built(Binary);
    const QString program = ProgramFolder() + "/" + built.fileName();
    QDir().mkpath(ProgramFolder());
    QFile::copy(built.filePath(), program);
    QFile::copy(built.dir().filePath("Glyphtrove.hlp"), ProgramFolder() + "/Glyphtrove.hlp");
    FProgram.start(program, Arguments);
}

ProgramRun::~ProgramRun() {
    if (FProgram.state() != QProcess::NotRunning) {
        FProgram.kill();
        FProgram.waitForFinished(5000);
    }
}

QJsonObject ProgramRun::State() const {
    QFile file(FStateFile);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QJsonDocument::fromJson(file.readAll()).object();
}

bool ProgramRun::WaitForState(const std::function<bool(const QJsonObject&)>& Ready) const {
    return WaitUntil([&] { return Ready(State()); });
}

QString ProgramRun::XDoTool(const QStringList& Arguments) const {
    return ::XDoTool(FDisplay, Arguments);
}

QStringList ProgramRun::VisibleWindows(const QString& Name) const {
    const QString found = XDoTool({"search", "--onlyvisible", "--name", "^" + Name});
    return found.isEmpty() ? QStringList() : found.split('\n');
}

QString ProgramRun::WaitForWindow(const QString& Name) const {
    return WaitForAnotherWindow(Name, QString());
}

QString ProgramRun::WaitForAnotherWindow(const QString& Name, const QString& Not) const {
    QString found;
    WaitUntil([&] {
        for (const QString& id : VisibleWindows(Name))
            if (id != Not) {
                found = id;
                break;
            }
        return !found.isEmpty();
    });
    return found;
}

bool ProgramRun::WaitForWindowGone(const QString& Name) const {
    return WaitUntil([&] { return VisibleWindows(Name).isEmpty(); });
}

QPoint ProgramRun::WindowOrigin(const QString& Window) const {
    return WindowRect(Window).topLeft();
}

bool ProgramRun::Shown(const QString& Window) const {
    return VisibleWindows(QString()).contains(Window);
}

QRect ProgramRun::WaitForSettledRect(const QString& Window) const {
    return WaitForSettledWindow(Window, QString(), nullptr).Place;
}

TSettledWindow
ProgramRun::WaitForSettledWindow(const QString& Window, const QString& Key,
                                 const std::function<bool(const QJsonObject&)>& Ready) const {
    const auto sizeReported = [&](const TSettledWindow& Now) {
        const QJsonObject reported = Now.State[Key].toObject();
        return reported["width"].toInt() == Now.Place.width() &&
               reported["height"].toInt() == Now.Place.height();
    };
    TSettledWindow last, settled;
    WaitUntil([&] {
        const TSettledWindow now{Shown(Window) ? WindowRect(Window) : QRect(),
                                 Key.isEmpty() ? QJsonObject() : State()};
        const bool unchanged = now.Settled() && now.Place == last.Place && now.State == last.State;
        last = now;
        if (!unchanged || (Ready && !Ready(now.State)) || (!Key.isEmpty() && !sizeReported(now)))
            return false;
        settled = now;
        return true;
    });
    return settled;
}

QRect ProgramRun::WindowRect(const QString& Window) const {
    const QStringList lines = XDoTool({"getwindowgeometry", "--shell", Window}).split('\n');
    QRect rect;
    for (const QString& line : lines) {
        const QString value = line.section('=', 1);
        if (line.startsWith("X="))
            rect.moveLeft(value.toInt());
        else if (line.startsWith("Y="))
            rect.moveTop(value.toInt());
        else if (line.startsWith("WIDTH="))
            rect.setWidth(value.toInt());
        else if (line.startsWith("HEIGHT="))
            rect.setHeight(value.toInt());
    }
    return rect;
}

void ProgramRun::Type(const QString& Window, const QString& Keys) const {
    XDoTool({"windowfocus", "--sync", Window});
    XDoTool({"key", "--clearmodifiers", Keys});
}

void ProgramRun::Click(QPoint Point, int Button) const {
    // A synchronous move to where the pointer already is waits for ever:
    // it goes next to the point first.
    XDoTool({"mousemove", QString::number(Point.x() + 1), QString::number(Point.y() + 1),
             "mousemove", "--sync", QString::number(Point.x()), QString::number(Point.y()), "click",
             QString::number(Button)});
}

void ProgramRun::Drag(QPoint From, QPoint To) const {
    const QPoint middle = (From + To) / 2;
    XDoTool({"mousemove", "--sync", QString::number(From.x()), QString::number(From.y()),
             "mousedown", "1", "mousemove", "--sync", QString::number(middle.x()),
             QString::number(middle.y()), "mousemove", "--sync", QString::number(To.x()),
             QString::number(To.y()), "mouseup", "1"});
}

bool ProgramRun::Ended() {
    return FProgram.waitForFinished(WaitLimitMs);
}

void EndToEndTest::SetUp() {
    ASSERT_FALSE(QStandardPaths::findExecutable("xdotool").isEmpty()) << "xdotool is not installed";
    ASSERT_TRUE(Screen.Running()) << "Xvfb did not start";
}

namespace {

const QByteArray UsersPageBytes = "<HTML>the user's own page</HTML>";

} // namespace

PrintBesideUsersPage::PrintBesideUsersPage(const QString& Folder)
    : FGames(Folder + "/games"), FTemporary(Folder + "/tmp"), FPreviousTemporary(qgetenv("TMPDIR")),
      FHadTemporary(qEnvironmentVariableIsSet("TMPDIR")) {
    EXPECT_TRUE(QDir().mkpath(FGames) && QDir().mkpath(FTemporary));
    EXPECT_TRUE(QFile::copy(QString(GLYPHTROVE_EXAMPLES) + "/Garden Birds.gtg", Game()));
    WriteBytes(UsersPage(), UsersPageBytes);
    qputenv("TMPDIR", QFile::encodeName(FTemporary));
}

PrintBesideUsersPage::~PrintBesideUsersPage() {
    if (FHadTemporary)
        qputenv("TMPDIR", FPreviousTemporary);
    else
        qunsetenv("TMPDIR");
}

QStringList PrintBesideUsersPage::Pages() const {
    const QDir privateFolder(FTemporary + QString("/glyphtrove-%1").arg(getuid()));
    return privateFolder.entryList({"*.html"}, QDir::Files);
}

void PrintBesideUsersPage::PrintAndCheck(const ProgramRun& Run, const QString& Window,
                                         const QString& Shot) const {
    Run.Type(Window, "ctrl+p");
    const QString preview = Run.WaitForWindow("Print Preview");
    ASSERT_FALSE(preview.isEmpty()) << "Ctrl+P showed no print preview";
    const QString dialog = Run.WaitForAnotherWindow("Print Preview", preview);
    ASSERT_FALSE(dialog.isEmpty()) << "the print preview opened no preview dialog";
    const QStringList pages = Pages();
    KeepScreen(Run.Screen(), Shot);
    Run.Type(dialog, "Escape");
    ASSERT_TRUE(Run.WaitForWindowGone("Print Preview")) << "the print preview stayed";

    EXPECT_EQ(ReadBytes(UsersPage()), UsersPageBytes);
    EXPECT_EQ(QDir(FGames).entryList(QDir::Files),
              QStringList({"Garden Birds.gtg", "Garden Birds.html"}));
    ASSERT_EQ(pages.size(), 1) << pages.join(", ").toStdString();
    EXPECT_TRUE(pages[0].startsWith("Garden Birds-")) << pages[0].toStdString();
    EXPECT_TRUE(WaitUntil([&] { return Pages().isEmpty(); }))
        << "the page stayed in the temporary folder";
}

QRect X11Client::Frame(const QString& Window) const {
    bool succeeded = false;
    const QStringList place = Run({"frame", Window}, &succeeded).split(' ');
    if (!succeeded || place.size() != 4)
        return QRect();
    return QRect(place[0].toInt(), place[1].toInt(), place[2].toInt(), place[3].toInt());
}
