#include "designer/controls/ColourEditUn.h"
#include "designer/controls/ColourMemoUn.h"
#include "designer/dialogs/frmWishListUn.h"
#include "engine/wishlist/WordWishListUn.h"
#include "playwindow/controls/ColourListBoxUn.h"
#include "support/FakeServices.h"
#include "support/Screenshot.h"
#include "support/TestFiles.h"
#include "support/XcbKeys.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QGroupBox>
#include <QMenu>
#include <QPushButton>
#include <QTest>
#include <QTextBlock>
#include <QTextDocument>
#include <QToolButton>
#include <gtest/gtest.h>

namespace {

class WishListTest : public ::testing::Test {
protected:
    WishListTest() {
        // As the editor binds them: words the list gains show in the memo.
        wishes.OnWordAdded = [this](TObject*, int, const QString& word) {
            dialog.AddWordLine(word);
        };
        dialog.SetPuzzleWords(&puzzleWords);
        QApplication::clipboard()->clear();
    }
    void Wishes(const QStringList& words) {
        for (const QString& word : words)
            wishes.Add(word);
    }
    void User(std::function<int(TfrmWordWishList&)> user) {
        fake.OnModal([user = std::move(user)](QDialog& form) {
            return user(static_cast<TfrmWordWishList&>(form));
        });
    }
    static int Click(QAbstractButton* button) {
        QTest::mouseClick(button, Qt::LeftButton);
        return mrNone;
    }
    // Types each line into the memo, Return between them.
    static void TypeLines(TfrmWordWishList& form, const QStringList& lines) {
        form.memAllWordList->setFocus();
        XcbKeyClick(form.memAllWordList, Qt::Key_End, Qt::ControlModifier);
        for (int i = 0; i < lines.size(); ++i) {
            if (i > 0)
                XcbKeyClick(form.memAllWordList, Qt::Key_Return);
            XcbKeyClicks(form.memAllWordList, lines[i]);
        }
    }
    // Drags the mouse over the memo's first line, as a user selects a word.
    static void SelectFirstLine(TfrmWordWishList& form) {
        TColourMemo* memo = form.memAllWordList;
        QTextCursor line(memo->document()->firstBlock());
        const QPoint start = memo->cursorRect(line).center();
        line.movePosition(QTextCursor::EndOfBlock);
        const QPoint end = memo->cursorRect(line).center();
        QTest::mousePress(memo->viewport(), Qt::LeftButton, Qt::NoModifier, start);
        QTest::mouseMove(memo->viewport(), end);
        QTest::mouseRelease(memo->viewport(), Qt::LeftButton, Qt::NoModifier, end);
    }
    static void ClickSearchBox(TfrmWordWishList& form) {
        QTest::mouseClick(form.cedSearch, Qt::LeftButton);
    }

    FakeServices fake;
    QWidget owner;
    TfrmWordWishList dialog{&owner};
    TWordWishList wishes;
    TStringList puzzleWords;
};

} // namespace

TEST_F(WishListTest, FormAsLaidOut) {
    EXPECT_EQ(dialog.windowTitle(), "Word Wish List Editor");
    EXPECT_EQ(dialog.size(), QSize(287, 215));
    EXPECT_EQ(dialog.GroupBox1->title(), "&Word Wish List");
    EXPECT_EQ(dialog.cedSearch->text(), "<search criteria>");
    EXPECT_EQ(dialog.memAllWordList->geometry(), dialog.lbxFilteredWordList->geometry());
    EXPECT_TRUE(dialog.lbxFilteredWordList->isHidden());
    EXPECT_TRUE(dialog.lbxFilteredWordList->Sorted());

    QStringList menu;
    for (QAction* action : dialog.PopupMenu1->actions())
        menu << (action->isSeparator() ? "-"
                                       : action->text() + "|" + action->statusTip() + "|" +
                                             action->shortcut().toString());
    EXPECT_EQ(menu, QStringList({"&Copy|copy text to clipboard|Ctrl+C",
                                 "&Paste|paste text from clipboard|Ctrl+V", "-",
                                 "F&it Word|try to find a space for the word in the puzzle|Ctrl+F",
                                 "-", "&Import...|import word list from file|Ctrl+I",
                                 "&Export...|export word list to file|Ctrl+E"}));

    // The speed buttons, top to bottom, each with its twin action.
    const std::vector<std::pair<QToolButton*, QAction*>> column = {
        {dialog.btnCopy, dialog.actCopy2},
        {dialog.btnPaste, dialog.actPaste2},
        {dialog.btnFitWord, dialog.actFitWord2},
        {dialog.btnImport, dialog.actImport2},
        {dialog.btnExport, dialog.actExport2}};
    for (size_t i = 0; i < column.size(); ++i) {
        EXPECT_EQ(column[i].first->defaultAction(), column[i].second);
        EXPECT_TRUE(column[i].second->text().isEmpty());
        EXPECT_FALSE(column[i].first->icon().isNull());
        if (i > 0) {
            EXPECT_GT(column[i].first->y(), column[i - 1].first->y());
        }
    }
    EXPECT_EQ(dialog.btnOK->text(), "OK");
    EXPECT_EQ(dialog.btnCancel->text(), "Cancel");
}

TEST_F(WishListTest, NoWishListRaises) {
    EXPECT_EQ(MessageOf([&] { dialog.Execute(nullptr); }), "Wish List object not assigned");
}

TEST_F(WishListTest, TypedLinesBecomeTheWishListOnOk) {
    User([&](TfrmWordWishList& form) {
        EXPECT_TRUE(form.memAllWordList->hasFocus());
        TypeLines(form, {"cat", "d-o g", "dog", "abxy"});
        XcbKeyClick(form.memAllWordList, Qt::Key_Left);
        XcbKeyClick(form.memAllWordList, Qt::Key_Delete);
        XcbKeyClick(form.memAllWordList, Qt::Key_Backspace);
        EXPECT_EQ(form.memAllWordList->Lines(), QStringList({"CAT", "DOG", "DOG", "AB"}))
            << "upper case at once; blanks and punctuation never reach the memo; Delete and "
               "Backspace delete";
        return Click(form.btnOK);
    });
    EXPECT_TRUE(dialog.Execute(&wishes));
    EXPECT_EQ(wishes.Lines(), QStringList({"CAT", "DOG"}));
    EXPECT_LT(dialog.FitResult(), 0);
}

TEST_F(WishListTest, CancelPutsTheWishListBackAfterAnImport) {
    Wishes({"CAT"});
    const QString file = fake.Folder() + "/words.txt";
    WriteBytes(file, "dog\temu\r\nfox\r\n");
    fake.ChooseFile(file);
    User([&](TfrmWordWishList& form) {
        TypeLines(form, {"", "yak"});
        Click(form.btnImport);
        EXPECT_EQ(form.memAllWordList->Lines(), QStringList({"CAT", "YAK", "DOG", "EMU", "FOX"}))
            << "imported words are added below the uncommitted lines";
        return Click(form.btnCancel);
    });
    EXPECT_FALSE(dialog.Execute(&wishes));
    EXPECT_EQ(wishes.Lines(), QStringList({"CAT"}));
    ASSERT_EQ(fake.FileDialogs.size(), 1u);
    EXPECT_FALSE(fake.FileDialogWasSave[0]);
    EXPECT_EQ(fake.FileDialogs[0].Title, "Import Wish List Text File");
    EXPECT_EQ(fake.FileDialogs[0].Filter, "Import File (*.txt)|*.txt|All Files (*.*)|*.*");
}

TEST_F(WishListTest, ImportErrorIsShownAndTheDialogStaysOpen) {
    Wishes({"CAT"});
    fake.ChooseFile(fake.Folder() + "/missing.txt");
    fake.Answer(mrOk);
    User([&](TfrmWordWishList& form) {
        Click(form.btnImport);
        EXPECT_TRUE(form.isVisible());
        return Click(form.btnOK);
    });
    EXPECT_TRUE(dialog.Execute(&wishes));
    ASSERT_EQ(fake.Messages.size(), 1u);
    EXPECT_EQ(fake.Messages[0].type, mtError);
    EXPECT_EQ(wishes.Lines(), QStringList({"CAT"}));
}

TEST_F(WishListTest, BinaryFileIsRefusedByNameAndChangesNothing) {
    Wishes({"CAT"});
    const QString file = fake.Folder() + "/picture.txt";
    WriteBytes(file, QByteArray("dog\r\n\x89PNG\0\0\r\nemu\r\n", 18));
    fake.ChooseFile(file);
    fake.Answer(mrOk);
    User([&](TfrmWordWishList& form) {
        Click(form.btnImport);
        EXPECT_TRUE(form.isVisible());
        EXPECT_EQ(form.memAllWordList->Lines(), QStringList({"CAT"}));
        return Click(form.btnOK);
    });
    EXPECT_TRUE(dialog.Execute(&wishes));
    ASSERT_EQ(fake.Messages.size(), 1u);
    EXPECT_EQ(fake.Messages[0].type, mtError);
    EXPECT_EQ(fake.Messages[0].text, QString("File \"%1\" is not a word list").arg(file));
    EXPECT_EQ(wishes.Lines(), QStringList({"CAT"}));
}

// A line at a time, a large list took minutes: every edit of the memo lays
// out and re-reads its whole text.
TEST_F(WishListTest, ImportedWordsReachTheMemoInOneEdit) {
    Wishes({"CAT"});
    QByteArray bytes;
    QStringList expected{"CAT", "YAK"};
    for (int i = 0; i < 2000; ++i) {
        const QString word = QString("W%1").arg(i, 4, 10, QChar('0'));
        bytes += word.toLower().toLatin1() + "\r\n";
        expected << word;
    }
    const QString file = fake.Folder() + "/words.txt";
    WriteBytes(file, bytes);
    fake.ChooseFile(file);
    int edits = 0;
    User([&](TfrmWordWishList& form) {
        TypeLines(form, {"", "yak"});
        QObject::connect(form.memAllWordList->document(), &QTextDocument::contentsChange, &form,
                         [&edits] { ++edits; });
        Click(form.btnImport);
        EXPECT_EQ(form.memAllWordList->Lines(), expected);
        return Click(form.btnCancel);
    });
    EXPECT_FALSE(dialog.Execute(&wishes));
    EXPECT_LE(edits, 2) << "one append: a new line, then its text";
}

TEST_F(WishListTest, ExportWritesTheWordsTheMemoShows) {
    Wishes({"CAT"});
    const QString file = fake.Folder() + "/out.txt";
    fake.ChooseFile(file);
    User([&](TfrmWordWishList& form) {
        TypeLines(form, {"", "emu"});
        Click(form.btnExport);
        return Click(form.btnOK);
    });
    EXPECT_TRUE(dialog.Execute(&wishes));
    EXPECT_EQ(ReadBytes(file), "CAT\r\nEMU\r\n") << "typed words are exported too";
    ASSERT_EQ(fake.FileDialogs.size(), 1u);
    EXPECT_TRUE(fake.FileDialogWasSave[0]);
    EXPECT_EQ(fake.FileDialogs[0].Title, "Export Wish List Text File");
    EXPECT_EQ(fake.FileDialogs[0].Filter, "Export File (*.txt)|*.txt|All Files (*.*)|*.*");
    EXPECT_TRUE(fake.FileDialogs[0].DefaultExt.isEmpty());
}

TEST_F(WishListTest, FilterBoxCommitsTheMemoAndNarrowsTheWords) {
    Wishes({"CAT", "BAT", "ATE", "DOG", "R2D2"});
    puzzleWords.Add("OWL");
    User([&](TfrmWordWishList& form) {
        TypeLines(form, {"", "owl"});
        ClickSearchBox(form);
        EXPECT_EQ(form.memAllWordList->Lines(), QStringList({"ATE", "BAT", "CAT", "DOG", "R2D2"}))
            << "committed: sorted, and the puzzle's word is gone";
        EXPECT_EQ(form.cedSearch->text(), "");
        XcbKeyClicks(form.cedSearch, "a2t");
        EXPECT_EQ(form.cedSearch->text(), "AT") << "no digits in the filter";
        EXPECT_TRUE(form.memAllWordList->isHidden());
        EXPECT_EQ(form.lbxFilteredWordList->Items().Lines(), QStringList({"ATE", "BAT", "CAT"}));
        XcbKeyClick(form.cedSearch, Qt::Key_Home);
        XcbKeyClick(form.cedSearch, Qt::Key_Delete);
        EXPECT_EQ(form.cedSearch->text(), "T") << "Delete deletes";
        XcbKeyClick(form.cedSearch, Qt::Key_End);
        XcbKeyClick(form.cedSearch, Qt::Key_Backspace);
        EXPECT_FALSE(form.memAllWordList->isHidden()) << "an empty filter shows the memo";
        XcbKeyClick(form.cedSearch, Qt::Key_Tab);
        EXPECT_EQ(form.cedSearch->text(), "<search criteria>");
        return Click(form.btnOK);
    });
    EXPECT_TRUE(dialog.Execute(&wishes));
    EXPECT_EQ(wishes.Lines(), QStringList({"ATE", "BAT", "CAT", "DOG", "R2D2"}));
}

TEST_F(WishListTest, PasteFiltersTheClipboardText) {
    QApplication::clipboard()->setText("red, green\nblue");
    User([&](TfrmWordWishList& form) {
        EXPECT_TRUE(form.actPaste2->isEnabled());
        form.memAllWordList->setFocus();
        XcbKeyClick(form.memAllWordList, Qt::Key_V, Qt::ControlModifier);
        EXPECT_EQ(form.memAllWordList->Lines(), QStringList({"REDGREEN", "BLUE"}));
        return Click(form.btnOK);
    });
    EXPECT_TRUE(dialog.Execute(&wishes));
    EXPECT_EQ(QApplication::clipboard()->text(), "REDGREEN\nBLUE");
    EXPECT_EQ(wishes.Lines(), QStringList({"BLUE", "REDGREEN"}));
}

TEST_F(WishListTest, FitWordHandsTheSelectedWordToTheEditor) {
    Wishes({"CAT", "DOG"});
    std::vector<QString> fitted;
    dialog.OnFitWord = [&](TObject* sender, const QString& word, int& result) {
        EXPECT_EQ(sender, &dialog);
        fitted.push_back(word);
        result = 1;
    };
    User([&](TfrmWordWishList& form) {
        EXPECT_FALSE(form.actFitWord->isEnabled());
        EXPECT_FALSE(form.actCopy->isEnabled());
        SelectFirstLine(form);
        EXPECT_TRUE(form.actFitWord->isEnabled());
        XcbKeyClick(form.memAllWordList, Qt::Key_C, Qt::ControlModifier);
        EXPECT_EQ(QApplication::clipboard()->text(), "CAT");
        return Click(form.btnFitWord);
    });
    EXPECT_TRUE(dialog.Execute(&wishes));
    EXPECT_EQ(fitted, std::vector<QString>({"CAT"}));
    EXPECT_EQ(dialog.FitResult(), 1);
    EXPECT_EQ(wishes.Lines(), QStringList({"CAT", "DOG"}));

    // The next run starts without a candidate: Fit Word closes like OK.
    User([&](TfrmWordWishList& form) { return Click(form.btnFitWord); });
    EXPECT_TRUE(dialog.Execute(&wishes));
    EXPECT_EQ(fitted.size(), 1u);
    EXPECT_EQ(dialog.FitResult(), -1);
}

TEST_F(WishListTest, FilteredWordCanBeCopiedAndFitted) {
    Wishes({"CAT", "BAT", "DOG"});
    QString fitted;
    dialog.OnFitWord = [&](TObject*, const QString& word, int& result) {
        fitted = word;
        result = 0;
    };
    User([&](TfrmWordWishList& form) {
        ClickSearchBox(form);
        XcbKeyClicks(form.cedSearch, "at");
        TColourListBox* list = form.lbxFilteredWordList;
        QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::NoModifier,
                          list->visualItemRect(list->item(1)).center());
        EXPECT_TRUE(form.actCopy2->isEnabled());
        Click(form.btnCopy);
        EXPECT_EQ(QApplication::clipboard()->text(), "CAT") << "the word chosen in the list";
        return Click(form.btnFitWord);
    });
    EXPECT_TRUE(dialog.Execute(&wishes));
    EXPECT_EQ(fitted, "CAT");
    EXPECT_EQ(dialog.FitResult(), 0);
}

TEST_F(WishListTest, MemoKeysAndEnabling) {
    Wishes({"CAT"});
    User([&](TfrmWordWishList& form) {
        EXPECT_TRUE(form.actExport->isEnabled());
        EXPECT_FALSE(form.actPaste->isEnabled()) << "nothing on the clipboard";
        XcbKeyClick(form.memAllWordList, Qt::Key_A, Qt::ControlModifier);
        EXPECT_FALSE(form.memAllWordList->textCursor().hasSelection()) << "Ctrl+A is dropped";
        form.memAllWordList->selectAll();
        XcbKeyClick(form.memAllWordList, Qt::Key_Backspace);
        EXPECT_FALSE(form.actExport->isEnabled()) << "nothing to export";
        EXPECT_TRUE(form.actExport2->isEnabled()) << "the speed button stays";
        XcbKeyClick(form.memAllWordList, Qt::Key_Tab);
        EXPECT_TRUE(form.btnOK->hasFocus() || form.cedSearch->hasFocus())
            << "Tab moves on and types nothing";
        EXPECT_EQ(form.memAllWordList->toPlainText(), "");
        return Click(form.btnOK);
    });
    EXPECT_TRUE(dialog.Execute(&wishes));
    EXPECT_EQ(wishes.Count(), 0);
}

TEST_F(WishListTest, Screenshot) {
    Wishes({"BADGER", "HEDGEHOG", "OTTER", "WEASEL", "STOAT"});
    User([&](TfrmWordWishList& form) {
        SelectFirstLine(form);
        TakeScreenshot(form, "wish-list");
        ClickSearchBox(form);
        XcbKeyClicks(form.cedSearch, "e");
        TakeScreenshot(form, "wish-list-filtered");
        return Click(form.btnCancel);
    });
    dialog.Execute(&wishes);
}
