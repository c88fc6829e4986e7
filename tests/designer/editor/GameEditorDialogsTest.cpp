#include "designer/controls/ColourEditUn.h"
#include "designer/dialogs/frmFindWordUn.h"
#include "designer/dialogs/frmNewGameUn.h"
#include "designer/dialogs/frmStatisticsUn.h"
#include "designer/dialogs/frmWordEditorUn.h"
#include "designer/editor/frmGameEditorUn.h"
#include "platform/ListBox.h"
#include "support/FakeServices.h"
#include "support/Screenshot.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

namespace {

// The editor with the designer's own dialogs, driven as the user drives them.
class EditorWithDialogsTest : public ::testing::Test {
protected:
    void SetUp() override {
        Editor.SetDefaultGameTitle("Glyphtrove Game 1");
        Editor.NewGame(10, 10, false);
        QApplication::processEvents();
    }
    QPoint CellCentre(int column, int row) const {
        const TRect rect = Editor.Game()->CellRect(column, row);
        return QPoint((rect.Left + rect.Right) / 2, (rect.Top + rect.Bottom) / 2);
    }
    // Clicks the cell and types the word into the word editor, then OK.
    void TypeWord(int column, int row, const QString& word) {
        Fake.OnModal([this, word](QDialog& dialog) {
            auto& editor = dynamic_cast<TfrmWordEditor&>(dialog);
            QTest::keyClicks(editor.cbxWord, word.toLower());
            EXPECT_EQ(Editor.PreviewWord(), word);
            QTest::mouseClick(editor.btnOK, Qt::LeftButton);
            return int(mrNone);
        });
        QTest::mouseClick(Editor.Game(), Qt::LeftButton, Qt::NoModifier, CellCentre(column, row));
    }

    FakeServices Fake;
    TfrmGameEditor Editor;
};

} // namespace

TEST_F(EditorWithDialogsTest, WordsTypedInTheWordEditorArePlacedAndListed) {
    TypeWord(1, 1, "OWL");
    TypeWord(1, 3, "HERON");
    EXPECT_EQ(Editor.lbxWords->Items().Lines(), QStringList({"OWL", "HERON"}));
    EXPECT_EQ(Editor.Game()->GetCellText(5, 3), "N");
    EXPECT_EQ(Editor.StatusText(7), "Word added");
}

TEST_F(EditorWithDialogsTest, FindWordHighlightsTheWordsLeftInTheDialog) {
    TypeWord(1, 1, "OWL");
    TypeWord(1, 3, "HERON");
    TypeWord(1, 5, "EMU");
    Fake.OnModal([](QDialog& dialog) {
        auto& find = dynamic_cast<TfrmFindWord&>(dialog);
        QTest::keyClicks(find.coledWord, "o");
        QTest::mouseClick(find.btnOK, Qt::LeftButton);
        return int(mrNone);
    });
    Editor.actFindWord->trigger();
    EXPECT_EQ(Editor.StatusText(7), "2 words found in the game");
    EXPECT_EQ(Editor.lbxWords->selectedItems().size(), 2);
    EXPECT_TRUE(Editor.Game()->CellHasState(2, 1, wgcsHighlighted));
    EXPECT_FALSE(Editor.Game()->CellHasState(2, 5, wgcsHighlighted));
}

TEST_F(EditorWithDialogsTest, StatisticsAndGridSizeRunTheirDialogs) {
    TypeWord(1, 1, "OWL");
    Fake.OnModal([](QDialog& dialog) {
        EXPECT_NE(dynamic_cast<TfrmStatistics*>(&dialog), nullptr);
        return int(mrOk);
    });
    Editor.actShowStats->trigger();
    EXPECT_EQ(Editor.StatusText(7), "Statistics shown");
    Fake.Answer(mrYes);
    Fake.OnModal([](QDialog& dialog) {
        auto& size = dynamic_cast<TfrmNewGame&>(dialog);
        QTest::mouseClick(size.btnOK, Qt::LeftButton);
        return int(mrNone);
    });
    Editor.actGridSize->trigger();
    EXPECT_EQ(Editor.StatusText(7), "Game size changed");
    EXPECT_TRUE(Editor.lbxWords->Items().Lines().isEmpty());
}
