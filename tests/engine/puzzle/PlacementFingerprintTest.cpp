#include "bench/BenchPuzzle.h"
#include "engine/puzzle/GlyphtroveUn.h"
#include "support/FakeServices.h"

#include <QStringList>
#include <gtest/gtest.h>

namespace {

// Each word as "WORD x,y,direction".
QStringList Placements(const TCustomGlyphtrove& Puzzle) {
    QStringList placements;
    for (int i = 0; i < Puzzle.WordCount(); ++i) {
        const TWordRec rec = Puzzle.GetWordRec(i);
        placements << QString("%1 %2,%3,%4").arg(rec.Word).arg(rec.X).arg(rec.Y).arg(rec.Direction);
    }
    return placements;
}

// The letters of each row.
QStringList Rows(const TCustomGlyphtrove& Puzzle) {
    QStringList rows;
    for (int y = 0; y < Puzzle.RowCount(); ++y) {
        QString row;
        for (int x = 0; x < Puzzle.ColCount(); ++x)
            row += Puzzle.GetCellText(x, y);
        rows << row;
    }
    return rows;
}

// The words placed and the letters of every row after the fill.
struct Fingerprint {
    int Side;
    int WordCount;
    QStringList Placements;
    QStringList Rows;
};

} // namespace

// The seeded builds of the benchmarks put every word, and every filler
// letter, where they always have: a faster search must choose exactly as the
// exhaustive one did.
TEST(PlacementFingerprint, SeededBuildsPlaceAsBefore) {
    const Fingerprint builds[] = {
        {LargePuzzleSide,
         LargePuzzleWords,
         {"LION 5,24,5",      "TIGER 4,24,4",       "ZEBRA 8,25,5",      "GIRAFFE 6,25,7",
          "ELEPHANT 4,17,5",  "RHINOCEROS 3,27,2",  "HIPPO 7,15,4",      "CHEETAH 8,20,6",
          "LEOPARD 10,15,5",  "JAGUAR 5,15,4",      "PANTHER 16,20,7",   "GAZELLE 10,10,5",
          "ANTELOPE 3,9,4",   "BUFFALO 5,10,4",     "CROCODILE 17,8,6",  "ALLIGATOR 18,28,0",
          "PLATYPUS 9,15,3",  "KANGAROO 18,19,7",   "WALLABY 7,11,4",    "KOALA 9,10,5",
          "WOMBAT 18,15,6",   "PENGUIN 6,23,7",     "OSTRICH 13,27,0",   "FLAMINGO 16,4,6",
          "PELICAN 14,15,1",  "ALBATROSS 15,4,5",   "HUMMINGBIRD 6,4,4", "WOODPECKER 14,26,0",
          "SPARROW 13,16,2",  "NIGHTINGALE 11,9,7", "CHAMELEON 11,1,5",  "SALAMANDER 13,3,4",
          "TORTOISE 9,28,1",  "OCTOPUS 9,11,0",     "JELLYFISH 12,5,3",  "STARFISH 3,11,1",
          "SEAHORSE 11,12,6", "BARRACUDA 15,6,3",   "PORCUPINE 9,0,6",   "ARMADILLO 15,7,3"},
         {"RQBRDSDULPVENGWRDKYHBGFWMLYRSS", "WKSDJGJEOARCLESLNSBKWBKRTIHHDZ",
          "EOURLVFRLGHHQIEHROGSWBFDVPXVAR", "XBMYACCPFJSAVSYBKMSRATEURGIFHX",
          "LNMHVUHAGPOMPKAAFTVJRERHTHLYIJ", "XFDSPHPUCYIEJELLYFISHPHTYOWQGB",
          "ULEIUCECMTBLWBABARRACUDABEGXPA", "EKNFAPJBOMDEFMFARMADILLOIVIGOK",
          "YEZRUTOSADIOINUTACASIDNDSFIJUI", "XELAGNITHGINJXNRRHLNGWJDXXNLYG",
          "XQATNBVZCKGAGXAOLKDWDWVFAIHCPO", "NZYSBTUWJOASCBCSKPOMWEWEAWJWCG",
          "DLZRJBEFAAZSNOISNRFGEYRHRHNSSW", "OLEWXLHLFLESDGLRRLQXAYNJEMDXHF",
          "FHCZZVOKOALIFPEADHFFZJUHFHSWVA", "JOGOIJLHHPLATYPUSRWRMPDDGRMMFT",
          "FMHEVSAOIEEOBSVQGOHUGXCZSLZTEY", "PKEYERRGDPOTLYORMYDKRCMWLWVBCM",
          "ESUILSESUVPHSZQBBZWDFZBUDCRNMP", "RGQOEIIKPAAOORAGNAKCAHOGNNTROK",
          "PYEAPXZTCAREHTNAPGGDCVORICWAWQ", "MCCQHZMHUEDOKVYSANKKVJVZGFULNM",
          "ZERLAWEHCSPZTVQOXQIYJORKPETBCV", "NIUGNEPOAIVDAAZHVYESZEDUHYIPMR",
          "LSFOTLNBNORFODGSSOXQEDSERTQDOT", "EFFARIGOZTKTXOOICNRGMSZHIUOXDI",
          "GEHOHOGZERHASUWWLHBKKIWLYVWNLY", "JLVRKNFEBOYGCOTGTLWVTWNBCTEXUK",
          "COMMNOLLRTRXMEWWXTAKRYGUAEZRDZ", "JXCIATERAYZFAJFFEYGTVAXINJYRNK"}},
        {SmallPuzzleSide,
         SmallPuzzleWords,
         {"LION 10,11,0",   "TIGER 9,9,5",       "ZEBRA 6,10,4",    "GIRAFFE 8,10,3",
          "ELEPHANT 2,2,4", "RHINOCEROS 2,13,3", "HIPPO 10,9,6",    "CHEETAH 2,0,5",
          "LEOPARD 1,2,3",  "JAGUAR 6,1,6",      "PANTHER 4,1,4",   "GAZELLE 1,4,4",
          "ANTELOPE 7,7,7", "BUFFALO 11,3,6",    "CROCODILE 2,0,3", "ALLIGATOR 5,14,3",
          "PLATYPUS 0,5,3", "KANGAROO 11,11,1",  "WALLABY 1,8,5",   "KOALA 10,3,4"},
         {"WFCROCODILEHEWM", "EJHLPZJCLUAECZI", "XLEOPARDOMYUROD", "LFELGLNEXMKBFEJ",
          "XGTUELSTBDUOVYL", "PLATYPUSHFZOAIA", "URHZOHHSFEERMLV", "EPOLETNASERACOA",
          "EWPGBLLNNZCGRAA", "YAEJNOLEOTHNDQU", "XLRCFOZEGIRAFFE", "XLPJLMGEPGLKRLB",
          "NAMQKKYPBEGQYOJ", "DBRHINOCEROSROX", "OYZKQALLIGATORZ"}},
    };
    for (const Fingerprint& build : builds) {
        FakeServices fake;
        fake.SetRandSeed(20240601);
        TCustomGlyphtrove puzzle;
        PlacePuzzleWords(puzzle, build.Side, build.WordCount);
        puzzle.FillRandomLetters();
        EXPECT_EQ(build.Placements.join("\n").toStdString(),
                  Placements(puzzle).join("\n").toStdString());
        EXPECT_EQ(build.Rows.join("\n").toStdString(), Rows(puzzle).join("\n").toStdString());
    }
}
