#include "designer/controls/ColourEditUn.h"
#include "designer/dialogs/frmFindWordUn.h"
#include "designer/dialogs/frmWordMatchUn.h"
#include "designer/dialogs/frmWordPatternSearchUn.h"
#include "platform/RadioGroup.h"
#include "playwindow/controls/StaticListBoxUn.h"
#include "support/FakeServices.h"
#include "support/Screenshot.h"
#include "support/XcbKeys.h"

#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QStatusBar>
#include <QTest>
#include <gtest/gtest.h>

namespace {

template <typename Form> void User(FakeServices& fake, std::function<int(Form&)> user) {
    fake.OnModal(
        [user = std::move(user)](QDialog& dialog) { return user(static_cast<Form&>(dialog)); });
}

int Click(QAbstractButton* button) {
    // Near the left edge, where a radio button's mark and text are.
    QTest::mouseClick(button, Qt::LeftButton, Qt::NoModifier, QPoint(8, button->height() / 2));
    return mrNone;
}

class FindWordTest : public ::testing::Test {
protected:
    FindWordTest() { dialog.SetWordList(TStringList({"ARM", "CAR", "ROAD", "BARN"})); }
    void User(std::function<int(TfrmFindWord&)> user) { ::User(fake, std::move(user)); }
    static QStringList Shown(TfrmFindWord& form) { return form.slbxWordList->Items().Lines(); }

    FakeServices fake;
    QWidget owner;
    TfrmFindWord dialog{&owner};
};

} // namespace

TEST_F(FindWordTest, FormAsLaidOut) {
    EXPECT_EQ(dialog.windowTitle(), "find word");
    EXPECT_EQ(dialog.size(), QSize(279, 323));
    EXPECT_EQ(dialog.grpWordMatch->title(), "word match");
    EXPECT_EQ(dialog.grpWordMatch->geometry(), QRect(8, 8, 185, 57));
    EXPECT_EQ(dialog.grpWordList->title(), "word list");
    EXPECT_EQ(dialog.grpWordList->geometry(), QRect(8, 72, 185, 217));
    EXPECT_EQ(dialog.slbxWordList->ItemHeight(), 14);
    EXPECT_EQ(dialog.slbxWordList->Color(), clBtnFace);
    EXPECT_EQ(dialog.coledWord->ActiveColour(), clInfoBk);
    EXPECT_EQ(dialog.coledWord->InactiveColour(), clWindow);
    EXPECT_EQ(dialog.btnOK->geometry(), QRect(200, 16, 73, 25));
    EXPECT_EQ(dialog.btnCancel->geometry(), QRect(200, 48, 73, 25));
    EXPECT_EQ(dialog.pnlCount->width(), 60);
    EXPECT_EQ(dialog.pnlHint->width(), 200);
    EXPECT_EQ(dialog.pnlHint->text(), "type search criteria into word match");
}

TEST_F(FindWordTest, TypedLettersNarrowTheList) {
    User([&](TfrmFindWord& form) {
        EXPECT_EQ(Shown(form), QStringList({"ARM", "CAR", "ROAD", "BARN"}));
        EXPECT_EQ(form.pnlCount->text(), "4 words");
        EXPECT_TRUE(form.coledWord->hasFocus());
        XcbKeyClicks(form.coledWord, "ar");
        EXPECT_EQ(form.coledWord->text(), "AR");
        EXPECT_EQ(Shown(form), QStringList({"ARM", "CAR", "BARN"}));
        EXPECT_EQ(form.pnlCount->text(), "3 words");
        XcbKeyClicks(form.coledWord, "m");
        EXPECT_EQ(Shown(form), QStringList({"ARM"}));
        EXPECT_EQ(form.pnlCount->text(), "1 word");
        XcbKeyClicks(form.coledWord, "x");
        EXPECT_EQ(Shown(form), QStringList());
        EXPECT_EQ(form.pnlCount->text(), "none");
        EXPECT_FALSE(form.btnOK->isEnabled());
        XcbKeyClick(form.coledWord, Qt::Key_Backspace);
        EXPECT_TRUE(form.btnOK->isEnabled());
        XcbKeyClick(form.coledWord, Qt::Key_Return);
        return mrNone;
    });
    EXPECT_TRUE(dialog.Execute());
    EXPECT_EQ(dialog.ResultList().Lines(), QStringList({"ARM"}));
}

TEST_F(FindWordTest, OnlyLettersCanBeTyped) {
    User([&](TfrmFindWord& form) {
        XcbKeyClicks(form.coledWord, "r1-o .");
        EXPECT_EQ(form.coledWord->text(), "RO");
        EXPECT_EQ(Shown(form), QStringList({"ROAD"}));
        XcbKeyClick(form.coledWord, Qt::Key_Home);
        XcbKeyClick(form.coledWord, Qt::Key_Delete);
        EXPECT_EQ(form.coledWord->text(), "O") << "Delete deletes";
        EXPECT_EQ(Shown(form), QStringList({"ROAD"}));
        XcbKeyClick(form.coledWord, Qt::Key_Delete);
        EXPECT_EQ(Shown(form), QStringList({"ARM", "CAR", "ROAD", "BARN"}))
            << "an empty field shows every word";
        return Click(form.btnOK);
    });
    EXPECT_TRUE(dialog.Execute());
    EXPECT_EQ(dialog.ResultList().Count(), 4);
}

TEST_F(FindWordTest, MatchingIsCaseSensitiveOnTheUpperCasedInput) {
    dialog.SetWordList(TStringList({"Road", "ROAD"}));
    User([&](TfrmFindWord& form) {
        XcbKeyClicks(form.coledWord, "oa");
        EXPECT_EQ(Shown(form), QStringList({"ROAD"}));
        return Click(form.btnCancel);
    });
    EXPECT_FALSE(dialog.Execute());
    EXPECT_EQ(dialog.ResultList().Count(), 0);
}

TEST_F(FindWordTest, NoWordsNoOk) {
    dialog.SetWordList(TStringList());
    User([&](TfrmFindWord& form) {
        EXPECT_EQ(form.pnlCount->text(), "none");
        EXPECT_FALSE(form.btnOK->isEnabled());
        XcbKeyClick(form.coledWord, Qt::Key_Return);
        EXPECT_TRUE(form.isVisible());
        XcbKeyClick(form.coledWord, Qt::Key_Escape);
        EXPECT_FALSE(form.isVisible()) << "Escape reaches the dialog past the letter rule";
        return mrNone;
    });
    EXPECT_FALSE(dialog.Execute());
}

TEST_F(FindWordTest, Screenshot) {
    User([&](TfrmFindWord& form) {
        XcbKeyClicks(form.coledWord, "AR");
        TakeScreenshot(form, "find-word");
        return int(mrCancel);
    });
    dialog.Execute();
}

TEST(FindWordPattern, EveryKeyReleaseReportsThePattern) {
    FakeServices fake;
    QWidget owner;
    TfrmFindWordPattern dialog(&owner);
    QStringList reported;
    dialog.OnPatternChange = [&](TObject* sender, const QString& pattern) {
        EXPECT_EQ(sender, &dialog);
        reported << pattern;
    };
    EXPECT_EQ(dialog.windowTitle(), "find word pattern");
    EXPECT_EQ(dialog.size(), QSize(280, 95));
    EXPECT_EQ(dialog.grpPattern->title(), "enter word pattern");
    EXPECT_EQ(dialog.lblNote->text(), "note. use '#' for any cell");
    EXPECT_TRUE(dialog.lblNote->font().italic());
    dialog.coledWord->setText("OLD");
    User<TfrmFindWordPattern>(fake, [&](TfrmFindWordPattern& form) {
        EXPECT_EQ(form.coledWord->text(), "") << "each use starts empty";
        XcbKeyClicks(form.coledWord, "c#7tx");
        XcbKeyClick(form.coledWord, Qt::Key_Backspace);
        XcbKeyClick(form.coledWord, Qt::Key_Home);
        XcbKeyClick(form.coledWord, Qt::Key_Delete);
        return Click(form.btnOK);
    });
    EXPECT_TRUE(dialog.Execute());
    EXPECT_EQ(reported, QStringList({"C", "C#", "C#", "C#T", "C#TX", "C#T", "C#T", "#T"}));
    EXPECT_EQ(dialog.Pattern(), "#T");

    User<TfrmFindWordPattern>(fake,
                              [&](TfrmFindWordPattern& form) { return Click(form.btnCancel); });
    EXPECT_FALSE(dialog.Execute());
}

TEST(FindWordPattern, Screenshot) {
    FakeServices fake;
    QWidget owner;
    TfrmFindWordPattern dialog(&owner);
    User<TfrmFindWordPattern>(fake, [&](TfrmFindWordPattern& form) {
        XcbKeyClicks(form.coledWord, "c##t");
        TakeScreenshot(form, "find-word-pattern");
        return int(mrCancel);
    });
    dialog.Execute();
}

TEST(WordMatch, OkOnlyOnceAWordIsChosen) {
    FakeServices fake;
    QWidget owner;
    TfrmWordMatch dialog(&owner);
    EXPECT_EQ(dialog.windowTitle(), "word matches found");
    EXPECT_EQ(dialog.size(), QSize(280, 119));
    EXPECT_EQ(dialog.rgpSelection->title(), "&select word to edit");
    EXPECT_EQ(dialog.rgpSelection->geometry(), QRect(8, 8, 177, 105));
    User<TfrmWordMatch>(fake, [&](TfrmWordMatch& form) {
        EXPECT_EQ(form.rgpSelection->Count(), 3);
        EXPECT_FALSE(form.btnOK->isEnabled());
        Click(form.rgpSelection->Button(2));
        EXPECT_TRUE(form.btnOK->isEnabled());
        Click(form.rgpSelection->Button(1));
        return Click(form.btnOK);
    });
    EXPECT_EQ(dialog.Execute({"CAT", "COT", "TOE"}), 1);

    User<TfrmWordMatch>(fake, [&](TfrmWordMatch& form) {
        EXPECT_EQ(form.rgpSelection->Count(), 2) << "the items of this use only";
        EXPECT_FALSE(form.btnOK->isEnabled()) << "none chosen at first";
        Click(form.rgpSelection->Button(0));
        return Click(form.btnCancel);
    });
    EXPECT_EQ(dialog.Execute({"EEL", "ELK"}), -1);
}

// Up to eight words can run through one cell, and a word can be as long as
// the grid is wide: each keeps a whole, readable line of its own, the dialog
// growing beyond its usual size when they need it.
TEST(WordMatch, EveryWordKeepsAWholeLineOfItsOwn) {
    FakeServices fake;
    QWidget owner;
    const QStringList lists[] = {
        {"CAT", "COT", "TOE"},
        {"ANT", "BEE", "COD", "DOE", "EEL", "FOX", "GNU", "HEN"},
        {"WWWWWWWWWWWWWWWWWWWWWWWWWWWWWW", "OWL"},
    };
    for (const QStringList& words : lists) {
        TfrmWordMatch dialog(&owner);
        User<TfrmWordMatch>(fake, [&](TfrmWordMatch& form) {
            TRadioGroup& group = *form.rgpSelection;
            const QRect inside = group.contentsRect();
            for (int i = 0; i < group.Count(); ++i) {
                QRadioButton& button = *group.Button(i);
                const QRect line = button.geometry();
                EXPECT_GE(line.height(), button.fontMetrics().height()) << i;
                EXPECT_GE(line.width(), button.sizeHint().width()) << i;
                EXPECT_TRUE(inside.contains(line)) << i;
                if (i > 0) {
                    EXPECT_GT(line.top(), group.Button(i - 1)->geometry().bottom()) << i;
                }
            }
            EXPECT_LT(group.geometry().bottom(), form.height());
            for (QPushButton* button : {form.btnOK, form.btnCancel}) {
                EXPECT_GT(button->x(), group.geometry().right());
                EXPECT_LT(button->geometry().right(), form.width());
            }
            if (words.size() == 3) {
                EXPECT_EQ(form.size(), QSize(280, 119));
                EXPECT_EQ(form.btnOK->geometry(), QRect(200, 16, 73, 25));
            }
            Click(group.Button(words.size() - 1));
            return Click(form.btnOK);
        });
        EXPECT_EQ(dialog.Execute(words), words.size() - 1);
    }
}

TEST(WordMatch, Screenshot) {
    FakeServices fake;
    QWidget owner;
    TfrmWordMatch dialog(&owner);
    User<TfrmWordMatch>(fake, [&](TfrmWordMatch& form) {
        Click(form.rgpSelection->Button(1));
        TakeScreenshot(form, "word-match");
        return int(mrCancel);
    });
    dialog.Execute({"HEDGEHOG", "HERON", "OTTER"});
    TfrmWordMatch crowded(&owner);
    User<TfrmWordMatch>(fake, [&](TfrmWordMatch& form) {
        TakeScreenshot(form, "word-match-crowded");
        return int(mrCancel);
    });
    crowded.Execute({"HEDGEHOG", "PNEUMONOULTRAMICROSCOPICSILICO", "OTTER", "BADGER", "STOAT",
                     "WEASEL", "VOLE", "MOLE"});
}
