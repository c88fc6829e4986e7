// The real Player program on its own X server (Xvfb), driven with xdotool as
// a user would drive it. The program tells the test where its windows and
// cells are and what it found through the state file it keeps when
// GLYPHTROVE_STATE_FILE is set.

#include "engine/puzzle/GlyphtroveUn.h"
#include "support/FakeServices.h"
#include "support/TestFiles.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QStandardPaths>
#include <QThread>
#include <functional>
#include <gtest/gtest.h>

namespace {

constexpr int WaitLimitMs = 60000;

// Polls until Ready holds or the limit passes; true when it held.
bool WaitUntil(const std::function<bool()>& Ready, int LimitMs = WaitLimitMs) {
    QElapsedTimer clock;
    clock.start();
    while (!Ready()) {
        if (clock.elapsed() > LimitMs)
            return false;
        QThread::msleep(20);
    }
    return true;
}

// Runs xdotool on the display; its output, trimmed, and whether it succeeded.
QString XDoTool(const QString& Display, const QStringList& Arguments, bool* Succeeded = nullptr) {
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

// An X server of the test's own on a display number it picks itself. It
// never resets: a server resets when its last client leaves, and the reset
// drops every connection still being set up, such as the program's while
// it starts between two xdotool calls.
class VirtualScreen {
public:
    VirtualScreen() {
        // A server that does not come up is given one more try.
        for (int attempt = 0; attempt < 2 && !Running(); ++attempt)
            Start();
    }
    ~VirtualScreen() { Stop(); }
    bool Running() const { return FServer.state() == QProcess::Running && FAnswered; }
    QString Display() const { return ":" + QString::fromLatin1(FNumber); }

private:
    void Start() {
        Stop();
        // Without xdotool nothing can tell whether the server answers.
        const QString xvfb = QStandardPaths::findExecutable("Xvfb");
        if (xvfb.isEmpty() || QStandardPaths::findExecutable("xdotool").isEmpty())
            return;
        FServer.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        FServer.start(xvfb, {"-displayfd", "1", "-noreset", "-screen", "0", "1024x768x24",
                             "-nolisten", "tcp"});
        if (!WaitUntil([this] {
                FServer.waitForReadyRead(50);
                FNumber += FServer.readAllStandardOutput();
                return FNumber.endsWith('\n') || FServer.state() == QProcess::NotRunning;
            }))
            return;
        FNumber = FNumber.trimmed();
        // Served once it answers a request.
        FAnswered = !FNumber.isEmpty() && WaitUntil([this] {
            bool answered = false;
            XDoTool(Display(), {"getdisplaygeometry"}, &answered);
            return answered || FServer.state() == QProcess::NotRunning;
        }) && FServer.state() == QProcess::Running;
    }
    void Stop() {
        if (FServer.state() != QProcess::NotRunning) {
            FServer.terminate();
            if (!FServer.waitForFinished(WaitLimitMs))
                FServer.kill();
            FServer.waitForFinished(WaitLimitMs);
        }
        FNumber.clear();
        FAnswered = false;
    }

    QProcess FServer;
    QByteArray FNumber;
    bool FAnswered = false;
};

// One run of the program on the virtual screen, with a home and a state file
// in the test's folder. The program runs as a portable copy there, beside
// its help file, so the settings it keeps beside itself start fresh and
// stay out of the build tree.
class PlayerRun {
public:
    PlayerRun(const VirtualScreen& Screen, const QString& Folder, const QString& GameFile)
        : FDisplay(Screen.Display()), FStateFile(Folder + "/state.json"),
          FProgramFolder(Folder + "/program") {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("DISPLAY", FDisplay);
        environment.insert("QT_QPA_PLATFORM", "xcb");
        environment.insert("HOME", Folder);
        environment.insert("XDG_CONFIG_HOME", Folder + "/config");
        environment.insert("XDG_RUNTIME_DIR", Folder);
        environment.insert("GLYPHTROVE_STATE_FILE", FStateFile);
        FProgram.setProcessEnvironment(environment);
        FProgram.setProcessChannelMode(QProcess::ForwardedChannels);
        const QFileInfo built(GLYPHTROVE_PLAYER_BINARY);
        QDir().mkpath(FProgramFolder);
        QFile::copy(built.filePath(), FProgramFolder + "/" + built.fileName());
        QFile::copy(built.dir().filePath("Glyphtrove.hlp"), FProgramFolder + "/Glyphtrove.hlp");
        FProgram.start(FProgramFolder + "/" + built.fileName(), {GameFile});
    }
    ~PlayerRun() {
        if (FProgram.state() != QProcess::NotRunning) {
            FProgram.kill();
            FProgram.waitForFinished(5000);
        }
    }

    QProcess& Program() { return FProgram; }
    const QString& ProgramFolder() const { return FProgramFolder; }

    QJsonObject State() const {
        QFile file(FStateFile);
        if (!file.open(QIODevice::ReadOnly))
            return {};
        return QJsonDocument::fromJson(file.readAll()).object();
    }
    bool WaitForState(const std::function<bool(const QJsonObject&)>& Ready) const {
        return WaitUntil([&] { return Ready(State()); });
    }

    // Runs xdotool on the program's screen; its output, trimmed.
    QString XDoTool(const QStringList& Arguments) const { return ::XDoTool(FDisplay, Arguments); }

    // The first visible window whose name starts with Name, or "".
    QString WaitForWindow(const QString& Name) const {
        QString id;
        WaitUntil([&] {
            id = XDoTool({"search", "--onlyvisible", "--name", "^" + Name}).section('\n', 0, 0);
            return !id.isEmpty();
        });
        return id;
    }

    // Gives the window the keyboard and types the keys.
    void Type(const QString& Window, const QString& Keys) const {
        XDoTool({"windowfocus", "--sync", Window});
        XDoTool({"key", "--clearmodifiers", Keys});
    }

    void Click(QPoint Point) const {
        XDoTool({"mousemove", "--sync", QString::number(Point.x()), QString::number(Point.y()),
                 "click", "1"});
    }

    void Drag(QPoint From, QPoint To) const {
        const QPoint middle = (From + To) / 2;
        XDoTool({"mousemove", "--sync", QString::number(From.x()), QString::number(From.y()),
                 "mousedown", "1", "mousemove", "--sync", QString::number(middle.x()),
                 QString::number(middle.y()), "mousemove", "--sync", QString::number(To.x()),
                 QString::number(To.y()), "mouseup", "1"});
    }

    bool Ended() { return FProgram.waitForFinished(WaitLimitMs); }

private:
    QString FDisplay;
    QString FStateFile;
    QString FProgramFolder;
    QProcess FProgram;
};

QStringList Strings(const QJsonValue& Value) {
    QStringList list;
    for (const QJsonValue& item : Value.toArray())
        list << item.toString();
    return list;
}

// The screen point at the middle of a cell: the window's place on the screen
// (from the X server) plus the grid's place in the window and the cell's in
// the grid, whose cells are evenly spaced between the first and the last.
QPoint CellCentre(const QPoint& WindowOrigin, const QJsonObject& Grid, int Column, int Row) {
    const QJsonArray first = Grid["firstCell"].toArray();
    const QJsonArray last = Grid["lastCell"].toArray();
    const int columns = Grid["columns"].toInt(), rows = Grid["rows"].toInt();
    const double columnStep =
        columns > 1 ? (last[0].toDouble() - first[0].toDouble()) / (columns - 1) : 0;
    const double rowStep = rows > 1 ? (last[1].toDouble() - first[1].toDouble()) / (rows - 1) : 0;
    const double x =
        first[0].toDouble() + columnStep * Column + (first[2].toDouble() - first[0].toDouble()) / 2;
    const double y =
        first[1].toDouble() + rowStep * Row + (first[3].toDouble() - first[1].toDouble()) / 2;
    return WindowOrigin + QPoint(Grid["x"].toInt(), Grid["y"].toInt()) + QPoint(int(x), int(y));
}

QPoint WindowOrigin(const PlayerRun& Run, const QString& Window) {
    const QStringList lines = Run.XDoTool({"getwindowgeometry", "--shell", Window}).split('\n');
    QPoint origin;
    for (const QString& line : lines) {
        if (line.startsWith("X="))
            origin.setX(line.mid(2).toInt());
        if (line.startsWith("Y="))
            origin.setY(line.mid(2).toInt());
    }
    return origin;
}

// The Exit button of the start window, from the window's place on the screen.
QPoint ExitButton(const QJsonObject& StartWindow) {
    return QPoint(StartWindow["x"].toInt(), StartWindow["y"].toInt()) +
           QPoint(8 + 272 + 40, 8 + 240 + 32);
}

class PlayerEndToEnd : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_FALSE(QStandardPaths::findExecutable("xdotool").isEmpty())
            << "xdotool is not installed";
        ASSERT_TRUE(Screen.Running()) << "Xvfb did not start";
    }

    // Exit, the quit question answered Yes: the program ends by itself and
    // saves the play options (automatic saving is on at first) beside itself.
    void QuitThroughTheQuestion(PlayerRun& Run) {
        ASSERT_TRUE(Run.WaitForState([](const QJsonObject& s) {
            return s["startWindow"]["visible"].toBool();
        })) << "the start window did not show";
        Run.Click(ExitButton(Run.State()["startWindow"].toObject()));
        ASSERT_TRUE(Run.WaitForState([](const QJsonObject& s) {
            return Strings(s["messageBoxes"])
                .contains("Confirm: Do you wish to quit the Glyphtrove Player now?");
        })) << "no quit question";
        const QString question = Run.WaitForWindow("Confirm");
        ASSERT_FALSE(question.isEmpty()) << "the quit question is not on the screen";
        Run.Type(question, "y");
        ASSERT_TRUE(Run.Ended()) << "the program did not end after Yes";
        EXPECT_EQ(QProcess::NormalExit, Run.Program().exitStatus());
        EXPECT_EQ(0, Run.Program().exitCode());
        EXPECT_TRUE(QFileInfo::exists(Run.ProgramFolder() + "/Options.dat"));
    }

    FakeServices Fake;
    VirtualScreen Screen;
};

} // namespace

TEST_F(PlayerEndToEnd, DragAcrossAWordFindsItThenTheQuestionEndsTheProgram) {
    const QString game = Fake.Folder() + "/Garden Birds.gtg";
    ASSERT_TRUE(QFile::copy(QString(GLYPHTROVE_EXAMPLES) + "/Garden Birds.gtg", game));
    TGlyphtroveEditor records;
    records.LoadFromFile(game);
    ASSERT_GT(records.WordCount(), 0);
    const TWordRec word = records.GetWordRec(0);
    const TDirectionOffset step = GetDirectionOffset(word.Direction);
    const int length = int(word.Word.size());

    PlayerRun run(Screen, Fake.Folder(), game);
    const QString playWindow = run.WaitForWindow("Glyphtrove Puzzle Player");
    ASSERT_FALSE(playWindow.isEmpty()) << "the play window did not show";
    ASSERT_TRUE(run.WaitForState([](const QJsonObject& s) {
        return s["playWindow"]["visible"].toBool() && s["grid"]["visible"].toBool() &&
               s["gridPaintedAt"].toDouble() > 0;
    })) << "the puzzle was not painted";
    const QJsonObject grid = run.State()["grid"].toObject();
    EXPECT_EQ(15, grid["columns"].toInt());
    EXPECT_TRUE(Strings(grid["found"]).isEmpty());

    const QPoint origin = WindowOrigin(run, playWindow);
    run.Drag(CellCentre(origin, grid, word.X, word.Y),
             CellCentre(origin, grid, word.X + step.ColumnStep * (length - 1),
                        word.Y + step.RowStep * (length - 1)));
    ASSERT_TRUE(run.WaitForState([&](const QJsonObject& s) {
        return Strings(s["grid"]["found"]) == QStringList{word.Word};
    })) << "the word "
        << word.Word.toStdString() << " was not found";

    // Give Up & Close: with a word found it asks first.
    run.Type(playWindow, "ctrl+e");
    const QString giveUp = run.WaitForWindow("Confirm");
    ASSERT_FALSE(giveUp.isEmpty()) << "no give-up question";
    run.Type(giveUp, "y");
    QuitThroughTheQuestion(run);
}

// The bad file is reported once; moving the start window afterwards (a
// repaint) reports nothing more, and its Exit button still works.
TEST_F(PlayerEndToEnd, CorruptFileGivesOneErrorBox) {
    const QString bad = Fake.Folder() + "/bad.gtg";
    WriteBytes(bad, "GLYPHTROVEGAME, but no more");
    PlayerRun run(Screen, Fake.Folder(), bad);
    const QString errorBox = run.WaitForWindow("Error");
    ASSERT_FALSE(errorBox.isEmpty()) << "no error box";
    run.Type(errorBox, "Return");
    ASSERT_TRUE(run.WaitForState([](const QJsonObject& s) {
        return s["startWindow"]["visible"].toBool();
    })) << "the start window did not show";
    const QJsonObject start = run.State()["startWindow"].toObject();
    const QString startWindow = run.WaitForWindow("Glyphtrove Player - by Fernhallow Software");
    ASSERT_FALSE(startWindow.isEmpty());
    run.XDoTool({"windowmove", "--sync", startWindow, QString::number(start["x"].toInt() + 30),
                 QString::number(start["y"].toInt() + 20)});
    ASSERT_TRUE(run.WaitForState([&](const QJsonObject& s) {
        return s["startWindow"]["x"].toInt() != start["x"].toInt();
    })) << "the start window did not move";
    QuitThroughTheQuestion(run);
    const QStringList boxes = Strings(run.State()["messageBoxes"]);
    ASSERT_EQ(2, boxes.size()) << boxes.join(" | ").toStdString();
    EXPECT_EQ(QString("Error: File \"%1\" is not a valid game file").arg(bad), boxes[0]);
    EXPECT_FALSE(run.State()["playWindow"].toObject()["visible"].toBool());
}
