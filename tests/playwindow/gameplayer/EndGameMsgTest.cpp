#include "platform/Format.h"
#include "playwindow/gameplayer/PlayHelpTextsUn.h"
#include "playwindow/gameplayer/frmEndGameMsgUn.h"
#include "support/FakeServices.h"
#include "support/Screenshot.h"

#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QTest>
#include <QTextEdit>
#include <gtest/gtest.h>

namespace {

struct Shown {
    QString mainText, subText;
    int memoHeight = 0;
    bool visible = false;
    // How the main text fits: the room the memo shows it in, the text's
    // height, and whether the memo scrolls.
    int textRoom = 0;
    int textHeight = 0;
    bool scrolls = false;
    QRect memo, label, button, form, screen;
    int result = mrNone;
};

// Shows the message; in the dialog the user reads it, then clicks OK.
Shown ShowAndClickOk(const QString& mainText, const QString& subText,
                     const QString& screenshot = QString()) {
    FakeServices fake;
    QWidget owner;
    Shown shown;
    fake.OnModal([&](QDialog& dialog) {
        auto& message = static_cast<TfrmEndOfGameMessage&>(dialog);
        shown.mainText = message.memMainMsg->toPlainText();
        shown.subText = message.lblSubMsg->text();
        shown.memoHeight = message.memMainMsg->height();
        shown.visible = message.isVisible();
        shown.textRoom = message.memMainMsg->viewport()->height();
        shown.textHeight = int(message.memMainMsg->document()->size().height());
        shown.scrolls = message.memMainMsg->verticalScrollBar()->isVisible();
        shown.memo = message.memMainMsg->geometry();
        shown.label = message.lblSubMsg->geometry();
        shown.button = message.btnOK->geometry();
        shown.form = message.rect();
        shown.screen = message.screen()->availableGeometry();
        if (!screenshot.isEmpty())
            TakeScreenshot(message, screenshot);
        QTest::mouseClick(message.btnOK, Qt::LeftButton);
        return mrNone;
    });
    TfrmEndOfGameMessage message(&owner);
    message.ShowResult(mainText, subText);
    shown.result = message.result();
    EXPECT_EQ(fake.ModalsRun, std::vector<QString>{"TfrmEndOfGameMessage"});
    return shown;
}

} // namespace

TEST(EndOfGameMessage, FormAsLaidOut) {
    QWidget owner;
    TfrmEndOfGameMessage message(&owner);
    EXPECT_EQ(message.windowTitle(), "end of game");
    EXPECT_EQ(message.size(), QSize(274, 138));
    EXPECT_TRUE(message.windowFlags() & Qt::FramelessWindowHint);
    EXPECT_EQ(message.memMainMsg->geometry(), QRect(8, 8, 257, 57));
    EXPECT_TRUE(message.memMainMsg->isReadOnly());
    EXPECT_EQ(message.lblSubMsg->geometry(), QRect(8, 80, 257, 17));
    EXPECT_TRUE(message.lblSubMsg->font().italic());
    EXPECT_EQ(message.btnOK->geometry(), QRect(96, 104, 81, 25));
}

TEST(EndOfGameMessage, CompletedWithTimeKeepsBothLines) {
    const QString title = Format(sCompleted, "Animals", Format(sHintsUsed, 1));
    const Shown shown = ShowAndClickOk(title, "Time taken :00:03:25");
    EXPECT_TRUE(shown.visible);
    EXPECT_EQ(shown.mainText, "Completed \"Animals\" - Congratulations. You used 1 hint");
    EXPECT_EQ(shown.subText, "Time taken :00:03:25");
    EXPECT_EQ(shown.memoHeight, 57);
    EXPECT_EQ(shown.result, mrOk);
}

TEST(EndOfGameMessage, WithoutSubTextTheMemoCoversItsLine) {
    const Shown shown = ShowAndClickOk(sOutOfTime, QString());
    EXPECT_EQ(shown.mainText, "Out Of Time");
    EXPECT_EQ(shown.subText, "");
    EXPECT_EQ(shown.memoHeight, 89);
    EXPECT_EQ(shown.result, mrOk);
}

// A long puzzle title makes the message taller, so that the whole of it
// shows above the time and the OK button; only a text taller than the
// screen leaves some to scroll, in a message that fits the screen.
TEST(EndOfGameMessage, ALongMessageShowsWhole) {
    const QString title = "The Great Big Book of Hidden Words: Animals of the Forest, the Field "
                          "and the Farm";
    const struct {
        const char* what;
        QString mainText;
        QString subText;
        bool scrolls;
    } cases[] = {
        {"a long title and the time", Format(sCompleted, title, Format(sHintsUsed, 3) + "s"),
         "Time taken :2 minutes, 5 seconds", false},
        {"a long title alone", Format(sCompleted, title, Format(sHintsUsed, 3) + "s"), "", false},
        {"a title taller than the screen", Format(sCompleted, title.repeated(40), ""), "", true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const Shown shown = ShowAndClickOk(c.mainText, c.subText);
        EXPECT_EQ(shown.mainText, c.mainText);
        EXPECT_EQ(shown.scrolls, c.scrolls);
        if (!c.scrolls) {
            EXPECT_GE(shown.textRoom, shown.textHeight);
        }
        EXPECT_LE(shown.form.height(), shown.screen.height());
        EXPECT_TRUE(shown.form.contains(shown.memo));
        if (!c.subText.isEmpty()) {
            EXPECT_GE(shown.label.top(), shown.memo.bottom());
        }
        EXPECT_GE(shown.button.top(), std::max(shown.memo.bottom(), shown.label.bottom()));
        EXPECT_TRUE(shown.form.contains(shown.button));
        EXPECT_EQ(shown.result, mrOk);
    }
}

TEST(EndOfGameMessage, Screenshot) {
    ShowAndClickOk(Format(sCompleted, "Animals of the Forest", Format(sHintsUsed, 2) + "s"),
                   "Time taken :00:03:25", "end-of-game-completed");
    ShowAndClickOk(sOutOfTime, QString(), "end-of-game-out-of-time");
    ShowAndClickOk(Format(sCompleted,
                          "The Great Big Book of Hidden Words: Animals of the Forest, the Field "
                          "and the Farm",
                          Format(sHintsUsed, 3) + "s"),
                   "Time taken :2 minutes, 5 seconds", "end-of-game-long-title");
}
