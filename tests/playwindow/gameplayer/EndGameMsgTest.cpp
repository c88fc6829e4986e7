#include "platform/Format.h"
#include "playwindow/gameplayer/PlayHelpTextsUn.h"
#include "playwindow/gameplayer/frmEndGameMsgUn.h"
#include "support/FakeServices.h"
#include "support/Screenshot.h"

#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTextEdit>
#include <gtest/gtest.h>

namespace {

struct Shown {
    QString mainText, subText;
    int memoHeight = 0;
    bool visible = false;
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

TEST(EndOfGameMessage, Screenshot) {
    ShowAndClickOk(Format(sCompleted, "Animals of the Forest", Format(sHintsUsed, 2) + "s"),
                   "Time taken :00:03:25", "end-of-game-completed");
    ShowAndClickOk(sOutOfTime, QString(), "end-of-game-out-of-time");
}
