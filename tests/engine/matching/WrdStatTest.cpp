#include "engine/matching/WrdStatUn.h"

#include <gtest/gtest.h>

namespace {

// "A3 B3 C1": each letter with its count, in list order.
QString Tally(const TWordStatistics& stats) {
    QStringList parts;
    for (int i = 0; i < stats.Letters().Count(); ++i)
        parts << stats.Letters()[i] + QString::number(stats.Counts().GetItem(i));
    return parts.join(' ');
}

} // namespace

TEST(WordStatistics, CountsAndSortsLetters) {
    struct Case {
        QStringList words;
        const char* tally;
        int total;
    } cases[] = {
        {{}, "", 0},
        {{"CAB", "ABBA"}, "A3 B3 C1", 7},
        {{"Bab", "a1"}, "11 a2 b1 B1", 5},
        {{"ZOO", "", "A-Z"}, "-1 A1 O2 Z2", 6},
    };
    for (const Case& c : cases) {
        TWordStatistics stats;
        EXPECT_FALSE(stats.Calculated());
        stats.SetWords(TStringList(c.words));
        stats.Calculate();
        EXPECT_TRUE(stats.Calculated());
        EXPECT_EQ(c.tally, Tally(stats).toStdString());
        EXPECT_EQ(c.total, stats.Total());
    }
}

TEST(WordStatistics, SecondCalculateAddsToCounts) {
    TWordStatistics stats;
    stats.SetWords(TStringList(QStringList{"CAB"}));
    stats.Calculate();
    stats.SetWords(TStringList(QStringList{"DAB"}));
    stats.Calculate();
    EXPECT_EQ("A2 B2 C1 D1", Tally(stats).toStdString());
    EXPECT_EQ(6, stats.Total());
    EXPECT_EQ(QStringList{"DAB"}, stats.Words().Lines());
}
