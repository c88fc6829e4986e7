#include "engine/grid/GameGridUn.h"

#include <functional>
#include <gtest/gtest.h>

namespace {

void ExpectSameCell(const TGameCellRecord& expected, const TGameCellRecord& actual) {
    EXPECT_EQ(expected.Colour, actual.Colour);
    EXPECT_EQ(expected.TextColour, actual.TextColour);
    EXPECT_EQ(expected.Text.toStdString(), actual.Text.toStdString());
    EXPECT_EQ(expected.ImageIndex, actual.ImageIndex);
    EXPECT_EQ(expected.Shaded, actual.Shaded);
    EXPECT_EQ(expected.Visible, actual.Visible);
    EXPECT_EQ(expected.State, actual.State);
    EXPECT_EQ(expected.UseCount, actual.UseCount);
}

// A record that differs from its neighbours in every field.
TGameCellRecord DistinctCell(int col, int row) {
    TGameCellRecord cell;
    cell.Colour = TColor(col * 256 + row);
    cell.TextColour = TColor(row * 65536 + col);
    cell.Text = QString(QChar('A' + col % 26)) + QString::number(row);
    cell.ImageIndex = col - row;
    cell.Shaded = (col + row) % 2 == 0;
    cell.Visible = col % 3 != 0;
    cell.State = uint32_t(col % 16);
    cell.UseCount = row * 3 - col;
    return cell;
}

void FillDistinct(TBoardGame& board) {
    for (int row = 0; row < board.RowCount(); ++row)
        for (int col = 0; col < board.ColCount(); ++col)
            board.WriteCell(col, row, DistinctCell(col, row));
}

// Exposes the protected mirror of Assign.
class OpenBoard : public TBoardGame {
public:
    using TBoardGame::AssignTo;
    using TBoardGame::TBoardGame;
};

} // namespace

// Outside the anonymous namespace so that its class name reads plainly.
class BoardTestStranger : public TPersistent {};

TEST(BoardGame, CellTextIsCutToFiveCharacters) {
    TBoardGame board(3, 3);
    board.Fill("ABCDEFG", clRed, clBlue, -1, 0, false, true);
    EXPECT_EQ("ABCDE", board.GetCellText(2, 2).toStdString());
    board.SetCellText(1, 1, "ABCDEFG");
    EXPECT_EQ("ABCDE", board.GetCellText(1, 1).toStdString());
    board.SetCellText(1, 1, "");
    EXPECT_TRUE(board.GetCellText(1, 1).isEmpty());
    TGameCellRecord cell;
    cell.Text = "VWXYZ!";
    board.WriteCell(0, 0, cell);
    EXPECT_EQ("VWXYZ", board.ReadCell(0, 0).Text.toStdString());
}

TEST(BoardGame, FillWritesEveryCellAfterTheCountsGrow) {
    TBoardGame board(7, 4);
    board.SetColCount(10);
    board.Fill("0", clRed, clBlue, -1, 0, false, true);
    TGameCellRecord expected;
    expected.Text = "0";
    expected.Colour = clRed;
    expected.TextColour = clBlue;
    expected.Visible = true;
    for (int row = 0; row < 4; ++row)
        for (int col = 0; col < 10; ++col)
            ExpectSameCell(expected, board.ReadCell(col, row));
}

TEST(BoardGame, FieldSettersChangeOnlyTheirField) {
    TBoardGame board(4, 4);
    FillDistinct(board);
    TGameCellRecord expected = DistinctCell(2, 3);
    board.SetCellColour(2, 3, clLime);
    board.SetCellTextColour(2, 3, clNavy);
    board.SetCellImageIndex(2, 3, 7);
    board.SetCellShaded(2, 3, !expected.Shaded);
    board.SetCellVisible(2, 3, !expected.Visible);
    board.SetCellState(2, 3, 12);
    board.SetCellUseCount(2, 3, 99);
    expected.Colour = clLime;
    expected.TextColour = clNavy;
    expected.ImageIndex = 7;
    expected.Shaded = !expected.Shaded;
    expected.Visible = !expected.Visible;
    expected.State = 12;
    expected.UseCount = 99;
    ExpectSameCell(expected, board.ReadCell(2, 3));
    ExpectSameCell(DistinctCell(3, 2), board.ReadCell(3, 2));
}

TEST(BoardGame, StateMasks) {
    TBoardGame board(2, 1);
    board.Fill("", clWhite, clBlack, -1, 0, false, true);
    board.SetCellState(1, 0, wgcsWord | wgcsHighlighted);
    struct Case {
        int col;
        uint32_t mask;
        bool has;
    } cases[] = {
        {0, wgcsBlank, true},  {1, wgcsBlank, true},
        {1, wgcsWord, true},   {1, 8, true},
        {1, 12, true},         {1, wgcsFiller, false},
        {1, wgcsDummy, false}, {1, 4 | wgcsFiller, false},
        {0, wgcsWord, false},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(c.has, board.CellHasState(c.col, 0, c.mask)) << c.col << " " << c.mask;
        EXPECT_EQ(c.has, board.CellHasState2(c.col, 0, c.mask)) << c.col << " " << c.mask;
    }
}

TEST(BoardGame, IsValidCellBounds) {
    TBoardGame board(3, 2);
    EXPECT_TRUE(board.IsValidCell(0, 0));
    EXPECT_TRUE(board.IsValidCell(2, 1));
    EXPECT_FALSE(board.IsValidCell(3, 0));
    EXPECT_FALSE(board.IsValidCell(0, 2));
    EXPECT_FALSE(board.IsValidCell(-1, 0));
    EXPECT_FALSE(board.IsValidCell(0, -1));
}

TEST(BoardGame, ReadingOutsideTheStoredRecordsGivesABlankRecord) {
    TBoardGame board(3, 3);
    board.Fill("X", clRed, clBlue, 2, 4, true, true);
    const int storedSize = board.GridData().size();
    board.SetColCount(10); // records not yet filled for the new size
    const TGameCellRecord blank;
    ExpectSameCell(blank, board.ReadCell(9, 2));
    ExpectSameCell(blank, board.ReadCell(-1, 0));
    ExpectSameCell(blank, board.ReadCell(0, -5));
    EXPECT_EQ(storedSize, board.GridData().size()) << "reading must not grow the store";
}

TEST(BoardGame, WritingBeyondTheStoreGrowsItWithBlankRecords) {
    TBoardGame board(2, 2);
    board.Fill("A", clRed, clBlue, -1, 0, false, true);
    board.SetRowCount(4);
    board.WriteCell(1, 3, DistinctCell(1, 3));
    ExpectSameCell(DistinctCell(1, 3), board.ReadCell(1, 3));
    ExpectSameCell(TGameCellRecord(), board.ReadCell(0, 2));
    EXPECT_EQ("A", board.GetCellText(1, 1).toStdString());
}

TEST(BoardGame, AssignCopiesEveryFieldOfEveryCell) {
    TBoardGame source(15, 15);
    FillDistinct(source);
    TBoardGame copy(15, 15);
    copy.Fill("", clWhite, clBlack, -1, 0, false, true);
    copy.Assign(&source);
    EXPECT_EQ(source.GridData(), copy.GridData());
    for (int row = 0; row < 15; ++row)
        for (int col = 0; col < 15; ++col)
            ExpectSameCell(DistinctCell(col, row), copy.ReadCell(col, row));

    OpenBoard mirror(15, 15);
    mirror.Fill("", clWhite, clBlack, -1, 0, false, true);
    source.SetCellText(4, 4, "Q");
    OpenBoard sender(15, 15);
    sender.Assign(&source);
    sender.AssignTo(&mirror);
    EXPECT_EQ(source.GridData(), mirror.GridData());
}

TEST(BoardGame, AssignRefusesOtherObjectsAndNothing) {
    TBoardGame board(3, 3);
    board.Fill("K", clRed, clBlue, -1, 0, false, true);
    const QByteArray before = board.GridData();
    BoardTestStranger other;
    OpenBoard open(3, 3);
    struct Case {
        std::function<void()> call;
        const char* message;
    } cases[] = {
        {[&] { board.Assign(&other); }, "Cannot assign data from a BoardTestStranger class"},
        {[&] { board.Assign(nullptr); }, "Cannot assign data from a nil class"},
        {[&] { other.Assign(&board); }, "Cannot assign data to a BoardTestStranger class"},
        {[&] { open.AssignTo(nullptr); }, "Cannot assign data to a nil class"},
    };
    for (const Case& c : cases) {
        try {
            c.call();
            ADD_FAILURE() << "no error for: " << c.message;
        } catch (const EGameGrid& error) {
            EXPECT_EQ(c.message, error.Message().toStdString());
        }
    }
    EXPECT_EQ(before, board.GridData());
}
