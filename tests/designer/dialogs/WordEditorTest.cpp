#include "designer/controls/ColourEditUn.h"
#include "designer/dialogs/frmWordEditorUn.h"
#include "engine/wishlist/WordWishListUn.h"
#include "support/FakeServices.h"
#include "support/Screenshot.h"
#include "support/XcbKeys.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTest>
#include <QToolButton>
#include <gtest/gtest.h>

namespace {

struct WordChange {
    int column, row;
    TWordDirectionType direction;
    QString word;
};

class WordEditorTest : public ::testing::Test {
protected:
    WordEditorTest() {
        dialog.SetMaxColumn(15);
        dialog.SetMaxRow(15);
        dialog.OnWordChange = [this](TObject* sender, int column, int row,
                                     TWordDirectionType direction, const QString& word) {
            EXPECT_EQ(sender, &dialog);
            changes.push_back({column, row, direction, word});
        };
    }
    void User(std::function<int(TfrmWordEditor&)> user) {
        fake.OnModal([user = std::move(user)](QDialog& form) {
            return user(static_cast<TfrmWordEditor&>(form));
        });
    }
    // Opens the dialog on a new word at (4, 5) to the right.
    bool Run(bool editMode = false) {
        return dialog.Execute(word, direction, column, row, editMode);
    }
    static int Click(QAbstractButton* button) {
        QTest::mouseClick(button, Qt::LeftButton);
        return mrNone;
    }
    static void Type(QWidget* field, const QString& keys) { XcbKeyClicks(field, keys); }
    static void Key(QWidget* field, Qt::Key key, Qt::KeyboardModifiers modifiers = {}) {
        XcbKeyClick(field, key, modifiers);
    }
    const WordChange& Last() const { return changes.back(); }

    FakeServices fake;
    QWidget owner;
    TfrmWordEditor dialog{&owner};
    std::vector<WordChange> changes;
    QString word = "";
    TWordDirectionType direction = wdRight;
    int column = 4, row = 5;
};

} // namespace

TEST_F(WordEditorTest, FormAsLaidOut) {
    EXPECT_EQ(dialog.windowTitle(), "Word Editor");
    EXPECT_EQ(dialog.size(), QSize(336, 215));
    EXPECT_EQ(dialog.GroupBox1->title(), "details");
    EXPECT_EQ(dialog.Label1->text(), "&Word");
    EXPECT_EQ(dialog.cbxDummy->text(), "&Dummy Word");
    EXPECT_EQ(dialog.GroupBox2->title(), "&Direction");
    EXPECT_EQ(dialog.GroupBox3->title(), "&Position");
    EXPECT_EQ(dialog.Label2->text(), "&Column");
    EXPECT_EQ(dialog.Label3->text(), "&Row");
    EXPECT_EQ(dialog.coledColumn->text(), "0");
    EXPECT_EQ(dialog.coledColumn->ActiveColour(), clInfoBk);
    EXPECT_EQ(dialog.coledRow->InactiveColour(), clWindow);
    EXPECT_TRUE(dialog.btnRight->isChecked());

    // The eight directions around an empty centre, each 25 x 25.
    const QPoint origin = dialog.btnTopLeft->pos();
    const struct {
        QToolButton* button;
        int column, row;
    } square[] = {{dialog.btnTop, 1, 0},        {dialog.btnTopRight, 2, 0},
                  {dialog.btnLeft, 0, 1},       {dialog.btnRight, 2, 1},
                  {dialog.btnBottomLeft, 0, 2}, {dialog.btnBottom, 1, 2},
                  {dialog.btnBottomRight, 2, 2}};
    for (const auto& cell : square) {
        EXPECT_EQ(cell.button->size(), QSize(25, 25));
        EXPECT_EQ(cell.button->pos(), origin + QPoint(25 * cell.column, 25 * cell.row));
    }
    EXPECT_LT(dialog.btnColDown->x(), dialog.coledColumn->x());
    EXPECT_GT(dialog.btnColUp->x(), dialog.coledColumn->x());
    EXPECT_LT(dialog.btnRowDown->x(), dialog.coledRow->x());
    EXPECT_GT(dialog.btnRowUp->x(), dialog.coledRow->x());

    QStringList menu;
    for (QAction* action : dialog.PopupMenu1->actions())
        menu << (action->isSeparator() ? "-"
                                       : action->text() + "|" + action->statusTip() + "|" +
                                             action->shortcut().toString());
    EXPECT_EQ(menu, QStringList({"&Copy|Copy|Ctrl+C", "&Paste|Paste|Ctrl+V", "-",
                                 "F&it Word|find space in the game for the word|Ctrl+F", "-",
                                 "&Add to Wish List|add word to wish list|Ctrl+A"}));
}

TEST_F(WordEditorTest, OkGivesTheWordDirectionAndCell) {
    User([&](TfrmWordEditor& form) {
        EXPECT_TRUE(form.cbxWord->hasFocus());
        EXPECT_EQ(form.coledColumn->text(), "4");
        EXPECT_EQ(form.coledRow->text(), "5");
        Type(form.cbxWord, "otter");
        Click(form.btnBottomLeft);
        Click(form.btnColUp);
        Click(form.btnRowUp);
        form.cbxWord->setFocus();
        Key(form.cbxWord, Qt::Key_Return);
        return mrNone;
    });
    EXPECT_TRUE(Run());
    EXPECT_EQ(word, "OTTER");
    EXPECT_EQ(direction, wdBottomLeft);
    EXPECT_EQ(column, 5);
    EXPECT_EQ(row, 4);
    const WordChange& last = Last();
    EXPECT_EQ(last.word, "OTTER");
    EXPECT_EQ(last.direction, wdBottomLeft);
    EXPECT_EQ(last.column, 5);
    EXPECT_EQ(last.row, 4);
}

TEST_F(WordEditorTest, CancelLeavesTheArgumentsThoughChangesWereReported) {
    User([&](TfrmWordEditor& form) {
        Type(form.cbxWord, "BADGER");
        Click(form.btnTop);
        Click(form.btnRowDown);
        return Click(form.BitBtn2);
    });
    EXPECT_FALSE(Run());
    EXPECT_EQ(word, "");
    EXPECT_EQ(direction, wdRight);
    EXPECT_EQ(column, 4);
    EXPECT_EQ(row, 5);
    EXPECT_EQ(Last().word, "BADGER");
    EXPECT_EQ(Last().direction, wdTop);
    EXPECT_EQ(Last().row, 6);
}

TEST_F(WordEditorTest, WordBoxTakesLettersAndDigitsOnly) {
    User([&](TfrmWordEditor& form) {
        Type(form.cbxWord, "a- b7");
        EXPECT_EQ(form.cbxWord->currentText(), "AB7");
        Key(form.cbxWord, Qt::Key_Backspace);
        EXPECT_EQ(form.cbxWord->currentText(), "AB");
        Key(form.cbxWord, Qt::Key_Home);
        Key(form.cbxWord, Qt::Key_Delete);
        EXPECT_EQ(form.cbxWord->currentText(), "B");
        EXPECT_EQ(Last().word, "B");
        return int(mrCancel);
    });
    Run();
}

TEST_F(WordEditorTest, EnablingFollowsTheWordLength) {
    User([&](TfrmWordEditor& form) {
        const auto state = [&form] {
            return QString("%1%2%3%4")
                .arg(form.btnOK->isEnabled())
                .arg(form.actFitWord->isEnabled())
                .arg(form.actAddToWishList->isEnabled())
                .arg(form.actCopy->isEnabled());
        };
        EXPECT_EQ(state(), "0000") << "no word";
        Type(form.cbxWord, "AB");
        EXPECT_EQ(state(), "0001") << "two letters: only Copy";
        Type(form.cbxWord, "C");
        EXPECT_EQ(state(), "1111");
        for (int i = 0; i < 2; ++i)
            Key(form.cbxWord, Qt::Key_Backspace);
        Click(form.cbxDummy);
        EXPECT_TRUE(form.cbxWord->hasFocus()) << "the word box takes the focus back";
        EXPECT_EQ(state(), "0001") << "the dummy switch waits for the next change";
        Key(form.cbxWord, Qt::Key_End);
        EXPECT_EQ(state(), "1111") << "one letter is enough for a dummy word";
        Click(form.cbxDummy);
        return int(mrCancel);
    });
    std::vector<bool> dummy;
    dialog.OnDummyChange = [&](TObject*, bool checked) { dummy.push_back(checked); };
    Run();
    EXPECT_EQ(dummy, (std::vector<bool>{true, false}));
}

TEST_F(WordEditorTest, PasteKeepsTheWordCharactersInOrder) {
    QApplication::clipboard()->setText("ab-12 cd");
    User([&](TfrmWordEditor& form) {
        Type(form.cbxWord, "XYZ");
        Key(form.cbxWord, Qt::Key_V, Qt::ControlModifier);
        EXPECT_EQ(form.cbxWord->currentText(), "AB12CD") << "the whole text replaced";
        EXPECT_EQ(Last().word, "AB12CD");
        Key(form.cbxWord, Qt::Key_Home);
        Key(form.cbxWord, Qt::Key_C, Qt::ControlModifier);
        return int(mrCancel);
    });
    Run();
    EXPECT_EQ(QApplication::clipboard()->text(), "AB12CD");
}

TEST_F(WordEditorTest, PopupMenuRunsTheActions) {
    QApplication::clipboard()->setText("weasel");
    User([&](TfrmWordEditor& form) {
        // The right mouse button on the word box.
        QWidget* box = form.cbxWord->lineEdit();
        QContextMenuEvent click(QContextMenuEvent::Mouse, QPoint(5, 5),
                                box->mapToGlobal(QPoint(5, 5)));
        QApplication::sendEvent(box, &click);
        EXPECT_TRUE(form.PopupMenu1->isVisible());
        QTest::mouseClick(form.PopupMenu1, Qt::LeftButton, Qt::NoModifier,
                          form.PopupMenu1->actionGeometry(form.actPaste).center());
        EXPECT_EQ(form.cbxWord->currentText(), "WEASEL");
        return int(mrCancel);
    });
    Run();
}

TEST_F(WordEditorTest, ColumnAndRowKeys) {
    User([&](TfrmWordEditor& form) {
        TColourEdit* field = form.coledColumn;
        field->setFocus();
        field->selectAll();
        Key(field, Qt::Key_Backspace);
        EXPECT_EQ(field->text(), "3") << "an emptied field starts again at 3";
        EXPECT_EQ(Last().column, 3);
        Type(field, "x5-");
        EXPECT_EQ(field->text(), "35") << "digits only";
        field->setText("1");
        Type(field, "556");
        EXPECT_EQ(field->text(), "155") << "the text before the digit decides";
        EXPECT_EQ(Last().column, 155);
        Key(field, Qt::Key_Home);
        Key(field, Qt::Key_Delete);
        EXPECT_EQ(field->text(), "55");
        EXPECT_EQ(Last().column, 55);

        field = form.coledRow;
        field->setFocus();
        field->setText("");
        Type(field, "7");
        EXPECT_EQ(field->text(), "3") << "no digit into an empty field; key-up gives 3";
        return int(mrCancel);
    });
    Run();
}

TEST_F(WordEditorTest, ArrowsStayWithinTheGrid) {
    User([&](TfrmWordEditor& form) {
        EXPECT_FALSE(form.btnColUp->isEnabled()) << "column 15 of 15";
        EXPECT_TRUE(form.btnColDown->isEnabled());
        EXPECT_FALSE(form.btnRowUp->isEnabled()) << "row 0";
        EXPECT_TRUE(form.btnRowDown->isEnabled());
        Click(form.btnRowDown);
        EXPECT_EQ(form.coledRow->text(), "1");
        EXPECT_TRUE(form.btnRowUp->isEnabled());
        Click(form.btnRowUp);
        EXPECT_EQ(form.coledRow->text(), "0");

        form.coledColumn->setText("99");
        Click(form.btnColDown);
        EXPECT_EQ(form.coledColumn->text(), "15") << "clamped to MaxColumn";
        form.coledColumn->setText("x");
        Click(form.btnColDown);
        EXPECT_EQ(form.coledColumn->text(), "0") << "a text that is no number";
        EXPECT_FALSE(form.btnColDown->isEnabled());
        EXPECT_EQ(Last().column, 0);
        return int(mrCancel);
    });
    column = 15;
    row = 0;
    Run();
}

// The field's own menu can paste any number; the arrows step from it
// without overflow.
TEST_F(WordEditorTest, ArrowsStepFromTheLargestNumbers) {
    User([&](TfrmWordEditor& form) {
        form.coledColumn->setText("2147483647");
        Click(form.btnColUp);
        EXPECT_EQ(form.coledColumn->text(), "15");
        form.coledRow->setText("-2147483648");
        Click(form.btnRowUp);
        EXPECT_EQ(form.coledRow->text(), "0");
        return int(mrCancel);
    });
    column = 3;
    row = 3;
    Run();
}

// A start cell pasted through the field's own menu as text that is no
// number: OK shows the conversion error and keeps the dialog and its word.
TEST_F(WordEditorTest, OkRefusesACellThatIsNoNumber) {
    fake.Answer(mrOk);
    User([&](TfrmWordEditor& form) {
        Type(form.cbxWord, "HEDGEHOG");
        form.coledRow->setText("2b");
        Click(form.btnOK);
        EXPECT_TRUE(form.isVisible());
        form.coledRow->setText("2");
        return Click(form.btnOK);
    });
    EXPECT_TRUE(Run());
    ASSERT_EQ(fake.Messages.size(), 1u);
    EXPECT_EQ(fake.Messages[0].text, "'2b' is not a valid integer value");
    EXPECT_EQ(word, "HEDGEHOG");
    EXPECT_EQ(row, 2);
}

TEST_F(WordEditorTest, EditModeHidesTheDummySwitch) {
    dialog.SetDummy(true);
    User([&](TfrmWordEditor& form) {
        EXPECT_FALSE(form.cbxDummy->isVisible());
        EXPECT_TRUE(form.btnOK->isEnabled()) << "the hidden switch still sets the minimum";
        EXPECT_TRUE(form.actFitWord->isEnabled());
        return int(mrCancel);
    });
    word = "OX";
    direction = wdLeft;
    EXPECT_FALSE(Run(true));
    EXPECT_TRUE(dialog.btnLeft->isChecked());
}

// The editor turns the dummy state off when a word is edited and gives it
// to the dialog, still hidden, before the next new word: the new-word form
// must show the state the word will be placed with.
TEST_F(WordEditorTest, DummyStateGivenWhileHiddenShowsInTheNextNewWordForm) {
    dialog.SetDummy(true);
    User([](TfrmWordEditor&) { return int(mrCancel); });
    EXPECT_FALSE(Run(true));
    dialog.SetDummy(false);
    User([](TfrmWordEditor& form) {
        EXPECT_TRUE(form.cbxDummy->isVisible());
        EXPECT_FALSE(form.cbxDummy->isChecked());
        return int(mrCancel);
    });
    EXPECT_FALSE(Run());
}

TEST_F(WordEditorTest, FitWordAndWishList) {
    TWordWishList wishes;
    wishes.Add("stoat");
    wishes.Add("mole");
    dialog.SetWishList(&wishes);
    QStringList added;
    dialog.OnAddToWishList = [&](TObject*, const QString& text) { added << text; };
    dialog.OnFitWord = [&](TObject* sender, const QString& text, bool& result) {
        EXPECT_EQ(text, "VOLE");
        result = true;
        // The editor shows where it found room.
        static_cast<TfrmWordEditor*>(sender)->SetWordData(7, 8, wdBottom, text);
    };
    User([&](TfrmWordEditor& form) {
        QStringList listed;
        for (int i = 0; i < form.cbxWord->count(); ++i)
            listed << form.cbxWord->itemText(i);
        EXPECT_EQ(listed, QStringList({"MOLE", "STOAT"}));
        Type(form.cbxWord, "vole");
        Key(form.cbxWord, Qt::Key_A, Qt::ControlModifier);
        Key(form.cbxWord, Qt::Key_F, Qt::ControlModifier);
        EXPECT_EQ(form.coledColumn->text(), "7");
        EXPECT_TRUE(form.btnBottom->isChecked());
        return Click(form.btnOK);
    });
    EXPECT_TRUE(Run());
    EXPECT_EQ(added, QStringList({"VOLE"}));
    EXPECT_EQ(wishes.Lines(), QStringList({"MOLE", "STOAT", "VOLE"}));
    EXPECT_EQ(column, 7);
    EXPECT_EQ(row, 8);
    EXPECT_EQ(direction, wdBottom);
}

// The word is what the user typed: a listed word that begins with it is not
// filled in.
TEST_F(WordEditorTest, TypedWordIsNotCompletedFromTheList) {
    TWordWishList wishes;
    wishes.Add("mole");
    dialog.SetWishList(&wishes);
    User([&](TfrmWordEditor& form) {
        Type(form.cbxWord, "mol");
        EXPECT_EQ(form.cbxWord->currentText(), "MOL");
        EXPECT_EQ(Last().word, "MOL");
        return Click(form.btnOK);
    });
    EXPECT_TRUE(Run());
    EXPECT_EQ(word, "MOL");
}

TEST_F(WordEditorTest, Screenshot) {
    User([&](TfrmWordEditor& form) {
        Type(form.cbxWord, "HEDGEHOG");
        Click(form.btnBottomRight);
        TakeScreenshot(form, "word-editor");
        return int(mrCancel);
    });
    Run();
}
