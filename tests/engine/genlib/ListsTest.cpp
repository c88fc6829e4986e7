#include "engine/genlib/IntegerListUn.h"
#include "engine/genlib/PointListUn.h"
#include "platform/Exception.h"

#include <gtest/gtest.h>

TEST(PointList, KeepsCopiesInOrderWithDuplicates) {
    TPointList list;
    TPoint point{3, 4};
    EXPECT_EQ(0, list.Add(point));
    point.X = 99; // the list holds its own copy
    EXPECT_EQ(1, list.AddPoint(-1, 7));
    EXPECT_EQ(2, list.AddPoint(3, 4));
    EXPECT_EQ(3, list.Count());
    EXPECT_EQ((TPoint{3, 4}), list.GetPoint(0));
    EXPECT_EQ((TPoint{-1, 7}), list.GetPoint(1));
    EXPECT_EQ((TPoint{3, 4}), list.GetPoint(2));
}

TEST(IntegerList, AddSetIndexOfDelete) {
    TIntegerList list;
    EXPECT_EQ(-1, list.IndexOf(5));
    for (const int value : {5, 7, 5})
        list.Add(value);
    EXPECT_EQ(0, list.IndexOf(5));
    EXPECT_EQ(1, list.IndexOf(7));
    EXPECT_EQ(-1, list.IndexOf(6));
    list.SetItem(0, 8);
    EXPECT_EQ(2, list.IndexOf(5));
    list.Delete(1);
    ASSERT_EQ(2, list.Count());
    EXPECT_EQ(8, list.GetItem(0));
    EXPECT_EQ(5, list.GetItem(1));
    list.Clear();
    EXPECT_EQ(0, list.Count());
}

TEST(Lists, IndexOutsideRaisesListError) {
    TPointList points;
    points.AddPoint(1, 1);
    TIntegerList integers;
    integers.Add(1);
    for (const int index : {-1, 1, 1000}) {
        EXPECT_THROW(points.GetPoint(index), EListError) << index;
        EXPECT_THROW(integers.GetItem(index), EListError) << index;
        EXPECT_THROW(integers.SetItem(index, 0), EListError) << index;
        EXPECT_THROW(integers.Delete(index), EListError) << index;
    }
    EXPECT_EQ(1, integers.Count());
}
