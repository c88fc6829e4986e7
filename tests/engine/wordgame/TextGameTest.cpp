#include "engine/wordgame/TextGameUn.h"
#include "support/TestFiles.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

const QString DoubleA = QString::fromUtf8("\xF0\x9D\x94\xB8"); // outside the BMP
const QString DoubleB = QString::fromUtf8("\xF0\x9D\x94\xB9");

TTextGame ReadLines(const QStringList& Lines) {
    QTemporaryDir folder;
    const QString file = folder.filePath("game.gtx");
    WriteBytes(file, (Lines.join("\r\n") + "\r\n").toUtf8());
    return ReadTextGame(file);
}

} // namespace

// The grid's width is counted in cells, so a word's length must be too: a
// letter outside the BMP is one cell but two UTF-16 units.
TEST(TextGame, WordsAreMeasuredInCells) {
    const QString wide = DoubleA + DoubleB + "CD";
    const TTextGame game = ReadLines(
        {"T", "", "", "", "", "1.1.0", wide, "", DoubleA + DoubleB, wide, "ABC", "AB#", "ABCDE"});
    EXPECT_EQ(game.Width, 4);
    ASSERT_EQ(game.Rows.size(), 1u);
    EXPECT_EQ(game.Rows[0], QStringList({DoubleA, DoubleB, "C", "D"}));
    EXPECT_EQ(game.Words, QStringList({wide, "ABC"}))
        << "two cells are too short, five too long, and # is no letter";
}

TEST(TextGame, WrittenGameReadsBackTheSame) {
    TTextGame game;
    game.Properties = {QChar(0xFEFF) + QString("Pets"), "", "Ann", "01062024 093000", "", "1.1.0"};
    game.Rows = {{"C", "A", "T"}, {"_", " ", DoubleA}};
    game.Width = 3;
    game.Words = {"CAT"};
    QTemporaryDir folder;
    WriteTextGame(game, folder.filePath("game.gtx"));
    const TTextGame again = ReadTextGame(folder.filePath("game.gtx"));
    EXPECT_EQ(again.Properties, game.Properties) << "a title that starts with a mark survives";
    EXPECT_EQ(again.Rows, game.Rows);
    EXPECT_EQ(again.Width, 3);
    EXPECT_EQ(again.Words, game.Words);
}
