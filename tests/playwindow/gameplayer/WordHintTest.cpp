#include "platform/Colors.h"
#include "playwindow/controls/ColourListBoxUn.h"
#include "playwindow/gameplayer/frmWordHintUn.h"
#include "support/FakeServices.h"
#include "support/Screenshot.h"

#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

namespace {

const QStringList Words = {"BADGER", "FOX", "HEDGEHOG", "OTTER"};

void ClickWord(TfrmWordHint& hint, const QString& word) {
    TColourListBox& list = *hint.lbxWordList;
    const int index = list.Items().IndexOf(word);
    ASSERT_GE(index, 0) << word.toStdString();
    QTest::mouseClick(list.viewport(), Qt::LeftButton, Qt::NoModifier,
                      list.visualItemRect(list.item(index)).center());
}

class WordHintTest : public ::testing::Test {
protected:
    // Runs the dialog with the script as the user's part.
    bool Run(const std::function<void(TfrmWordHint&)>& user) {
        fake.OnModal([&](QDialog& dialog) {
            user(static_cast<TfrmWordHint&>(dialog));
            return mrNone;
        });
        hint.SetHintsLeft(3);
        hint.SetWords(Words);
        return hint.Execute();
    }

    FakeServices fake;
    QWidget owner;
    TfrmWordHint hint{&owner};
};

} // namespace

TEST_F(WordHintTest, FormAsLaidOut) {
    EXPECT_EQ(hint.windowTitle(), "Show Hint");
    EXPECT_EQ(hint.size(), QSize(246, 239));
    EXPECT_EQ(hint.pnlTop->height(), 41);
    EXPECT_EQ(hint.pnlTop->palette().color(QPalette::Window), ToQColor(clInfoBk));
    EXPECT_EQ(hint.lblInfo->text(), "If you're stuck select a word from the list and click on "
                                    "the OK button to give you a clue");
    EXPECT_TRUE(hint.lblInfo->wordWrap());
    EXPECT_EQ(hint.gbxWords->title(), "Words Not Found");
    EXPECT_EQ(hint.gbxWords->geometry(), QRect(8, 48, 153, 185));
    EXPECT_EQ(hint.lbxWordList->ItemHeight(), 14);
    EXPECT_FALSE(hint.lbxWordList->MultiSelect());
    EXPECT_EQ(hint.btnOK->geometry(), QRect(168, 56, 73, 25));
    EXPECT_EQ(hint.btnCancel->geometry(), QRect(168, 88, 73, 25));
    EXPECT_EQ(hint.pnlHintsLeft->geometry(), QRect(168, 208, 73, 25));
}

TEST_F(WordHintTest, HintsLeftColouredByCount) {
    const struct {
        int n;
        const char* caption;
        TColor background, text;
    } cases[] = {
        {1, "1 Hints Left", clRed, clWhite},
        {2, "2 Hints Left", clYellow, clBlack},
        {3, "3 Hints Left", clBtnFace, clWindowText},
        {0, "0 Hints Left", clBtnFace, clWindowText},
    };
    for (const auto& c : cases) {
        hint.SetHintsLeft(c.n);
        const QPalette palette = hint.pnlHintsLeft->palette();
        EXPECT_EQ(hint.pnlHintsLeft->text(), c.caption);
        EXPECT_EQ(palette.color(QPalette::Window), ToQColor(c.background)) << c.n;
        EXPECT_EQ(palette.color(QPalette::WindowText), ToQColor(c.text)) << c.n;
    }
}

TEST_F(WordHintTest, ChosenWordAndOkGiveTheWord) {
    QStringList shown;
    EXPECT_TRUE(Run([&](TfrmWordHint& dialog) {
        shown = dialog.lbxWordList->Items().Lines();
        ClickWord(dialog, "HEDGEHOG");
        QTest::mouseClick(dialog.btnOK, Qt::LeftButton);
    }));
    EXPECT_EQ(shown, Words);
    EXPECT_EQ(hint.SelectedWord(), "HEDGEHOG");
    EXPECT_EQ(fake.ModalsRun, std::vector<QString>{"TfrmWordHint"});
}

TEST_F(WordHintTest, WordChosenWithKeysAndReturn) {
    EXPECT_TRUE(Run([&](TfrmWordHint& dialog) {
        dialog.lbxWordList->setFocus();
        QTest::keyClick(dialog.lbxWordList, Qt::Key_Home);
        QTest::keyClick(dialog.lbxWordList, Qt::Key_Down);
        QTest::keyClick(dialog.lbxWordList, Qt::Key_Return);
    }));
    EXPECT_EQ(hint.SelectedWord(), "FOX");
}

TEST_F(WordHintTest, OkWithoutAWordGivesFalse) {
    EXPECT_FALSE(
        Run([&](TfrmWordHint& dialog) { QTest::mouseClick(dialog.btnOK, Qt::LeftButton); }));
    EXPECT_EQ(hint.SelectedWord(), "");
}

TEST_F(WordHintTest, CancelGivesFalseEvenWithAWordChosen) {
    EXPECT_FALSE(Run([&](TfrmWordHint& dialog) {
        ClickWord(dialog, "FOX");
        QTest::mouseClick(dialog.btnCancel, Qt::LeftButton);
    }));
    EXPECT_EQ(hint.SelectedWord(), "");
}

TEST(WordHint, Screenshot) {
    for (int n : {1, 2}) {
        FakeServices fake;
        QWidget owner;
        TfrmWordHint hint(&owner);
        hint.SetHintsLeft(n);
        hint.SetWords(Words);
        fake.OnModal([&](QDialog& dialog) {
            ClickWord(hint, "FOX");
            TakeScreenshot(dialog, QString("word-hint-%1-left").arg(n));
            return int(mrCancel);
        });
        hint.Execute();
    }
}
