#include "platform/ListBox.h"

#include "support/TestFiles.h"

#include <QApplication>
#include <QTest>
#include <gtest/gtest.h>

TEST(ListBox, SortedListsInsertInOrderWithoutRegardToCase) {
    TCustomListBox list;
    list.Items().Add("pear");
    list.Items().Add("Apple");
    list.SetSorted(true);
    EXPECT_EQ((QStringList{"Apple", "pear"}), list.Items().Lines());
    EXPECT_EQ(1, list.Items().Add("banana"));
    EXPECT_EQ(2, list.Items().Add("BANANA")) << "after its equal";
    EXPECT_EQ(1, list.Items().IndexOf("Banana"));
    EXPECT_EQ(-1, list.Items().IndexOf("cherry"));
    EXPECT_EQ("List index out of bounds (4)", MessageOf([&] { list.Items().Strings(4); }));
    list.Items().Delete(0);
    EXPECT_EQ((QStringList{"banana", "BANANA", "pear"}), list.Items().Lines());
}

TEST(ListBox, OwnerDrawnItemsAreMeasuredAndDrawnByTheForm) {
    TCustomListBox list;
    list.SetStyle(lbOwnerDrawVariable);
    for (const char* word : {"ONE", "TWO", "THREE"})
        list.Items().Add(word);
    list.OnMeasureItem = [](TCustomListBox*, int index, int& height) { height = 10 * (index + 1); };
    std::vector<int> drawn;
    list.OnDrawItem = [&](TCustomListBox* control, int index, const TRect& rect, TOwnerDrawState) {
        drawn.push_back(index);
        control->Canvas().Brush().SetColor(index == 1 ? clRed : clWhite);
        control->Canvas().FillRect(rect);
    };
    list.resize(100, 100);
    list.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&list));
    EXPECT_EQ(10, list.visualItemRect(list.item(0)).height());
    const QRect second = list.visualItemRect(list.item(1));
    EXPECT_EQ(20, second.height());
    EXPECT_EQ(30, list.visualItemRect(list.item(2)).height());
    const QImage image = list.viewport()->grab().toImage();
    EXPECT_EQ(QColor(Qt::red).rgb(), image.pixel(second.center()));
    EXPECT_EQ(QColor(Qt::white).rgb(), image.pixel(list.visualItemRect(list.item(2)).center()));
    EXPECT_FALSE(drawn.empty());
}
