#include "platform/StringList.h"
#include "platform/Exception.h"

#include <gtest/gtest.h>

TEST(StringList, UnsortedKeepsOrderAndDuplicates) {
    TStringList list;
    for (const char* s : {"ROAD", "arm", "ROAD"})
        list.Add(s);
    EXPECT_EQ((QStringList{"ROAD", "arm", "ROAD"}), list.Lines());
    EXPECT_EQ(1, list.IndexOf("ARM")); // look-ups ignore case by default
    list.SetCaseSensitive(true);
    EXPECT_EQ(-1, list.IndexOf("ARM"));
    list.Exchange(0, 1);
    list.Delete(2);
    EXPECT_EQ((QStringList{"arm", "ROAD"}), list.Lines());
}

TEST(StringList, SortedInsertsInOrderAndIgnoresDuplicates) {
    TStringList list;
    list.SetSorted(true);
    for (const char* s : {"PEAR", "APPLE", "FIG", "7UP"})
        list.Add(s);
    EXPECT_EQ((QStringList{"7UP", "APPLE", "FIG", "PEAR"}), list.Lines());
    EXPECT_EQ(1, list.Add("apple"));
    EXPECT_EQ(4, list.Count());
    int index = -1;
    EXPECT_FALSE(list.Find("GRAPE", index));
    EXPECT_EQ(3, index);
    EXPECT_EQ(2, list.IndexOf("fig"));
    list.SetDuplicates(dupAccept);
    list.Add("FIG");
    EXPECT_EQ((QStringList{"7UP", "APPLE", "FIG", "FIG", "PEAR"}), list.Lines());
}

TEST(StringList, SortingAnUnsortedList) {
    TStringList list(QStringList{"b", "B", "a", "A"});
    list.SetCaseSensitive(true);
    list.SetSorted(true);
    EXPECT_EQ((QStringList{"a", "A", "b", "B"}), list.Lines());
}

TEST(StringList, AssignCopiesStringListsOnly) {
    TStringList source(QStringList{"ONE", "TWO"});
    TStringList target(QStringList{"OLD"});
    target.Assign(&source);
    EXPECT_EQ(source.Lines(), target.Lines());
    target.Assign(&target);
    EXPECT_EQ(source.Lines(), target.Lines());
    TPersistent other;
    EXPECT_THROW(target.Assign(&other), Exception);
}

TEST(StringList, IndexOutsideRaisesListError) {
    TStringList list(QStringList{"ONE"});
    EXPECT_THROW(list.Strings(1), EListError);
    EXPECT_THROW(list.Strings(-1), EListError);
    EXPECT_THROW(list.Delete(1), EListError);
    EXPECT_THROW(list.Exchange(0, 1), EListError);
    EXPECT_EQ(1, list.Count());
}

TEST(StringList, LocaleLikeComparison) {
    EXPECT_LT(AnsiCompareStr("a", "A"), 0);
    EXPECT_LT(AnsiCompareStr("A", "b"), 0);
    EXPECT_LT(AnsiCompareStr("0", "A"), 0);
    EXPECT_EQ(0, AnsiCompareStr("Ab", "Ab"));
    EXPECT_EQ(0, AnsiCompareText("Ab", "aB"));
}
