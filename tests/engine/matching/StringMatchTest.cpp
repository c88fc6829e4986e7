#include "engine/matching/StringMatchUn.h"

#include <gtest/gtest.h>

TEST(StringMatch, CollectsContainingCandidatesInOrder) {
    TStringMatch match;
    match.AddStrings({"ARM", "CAR", "ROAD", "CAR", "car"});
    struct Case {
        const char* text;
        QStringList matches;
    } cases[] = {
        {"AR", {"ARM", "CAR", "CAR"}},
        {"ROAD", {"ROAD"}},
        {"ar", {"car"}},
        {"XYZ", {}},
        {"", {}},
        {"ROADS", {}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(c.matches.size(), match.Match(c.text)) << c.text;
        EXPECT_EQ(c.matches, match.MatchList().Lines()) << c.text;
    }
}

TEST(StringMatch, FindNextMatchFromIndex) {
    TStringMatch match;
    match.AddStrings({"ARM", "CAR", "ROAD"});
    int index = 1;
    EXPECT_TRUE(match.FindNextMatch(index, "R"));
    EXPECT_EQ(1, index);
    index = 2;
    EXPECT_FALSE(match.FindNextMatch(index, "AR"));
    EXPECT_EQ(3, index);
    index = -4;
    EXPECT_TRUE(match.FindNextMatch(index, "ARM"));
    EXPECT_EQ(0, index);
    index = 99;
    EXPECT_FALSE(match.FindNextMatch(index, "ARM"));
    EXPECT_EQ(3, index);
}
