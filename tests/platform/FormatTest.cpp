#include "platform/Format.h"
#include "platform/DateTime.h"
#include "platform/Exception.h"

#include <gtest/gtest.h>

TEST(Format, ConversionsAndSinglePass) {
    struct Case {
        QString expected;
        QString actual;
    } cases[] = {
        {"File \"a.gtg\" is not a valid game file",
         Format("File \"%s\" is not a valid game file", QString("a.gtg"))},
        {"x:3, y:-4", Format("x:%d, y:%d", 3, -4)},
        {"50% Completed", Format("%d%% Completed", 50)},
        {"1.5", Format("%.1f", 1.5)},
        {"2.25", Format("%.2f", 2.25)},
        {"  7|7  |007", Format("%3d|%-3d|%.3d", 7, 7, 7)},
        {"ff|FF", Format("%x|%X", 255, 255)},
        {"title %2 %s", Format("title %s", QString("%2 %s"))},
        {"1,234.50", Format("%.2n", 1234.5)},
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.expected.toStdString(), c.actual.toStdString());
}

TEST(Format, MissingOrMismatchedArgumentRaises) {
    EXPECT_THROW(Format("%d"), Exception);
    EXPECT_THROW(Format("%d", QString("x")), Exception);
    EXPECT_THROW(Format("%s", 3), Exception);
    EXPECT_THROW(Format("trailing %"), Exception);
}

TEST(DateTime, CalendarArithmetic) {
    EXPECT_EQ(0.0, EncodeDate(1899, 12, 30));
    EXPECT_EQ(36526.0, EncodeDate(2000, 1, 1));
    EXPECT_EQ(QString("01012000 000000"), DateTimeToStamp(EncodeDate(2000, 1, 1)));
    EXPECT_EQ(QString("30121899 000300"), DateTimeToStamp(EncodeTime(0, 3, 0, 0)));
    EXPECT_EQ(QString("29022024 235959"),
              DateTimeToStamp(EncodeDate(2024, 2, 29) + EncodeTime(23, 59, 59, 0)));
    // 999.6 ms rounds up into the next second, and at the end of a day into the next day.
    EXPECT_EQ(QString("31121899 000000"), DateTimeToStamp(1.0 - 0.4 / MSecsPerDay));
    int h, m, s, ms;
    DecodeTime(EncodeTime(13, 14, 15, 16), h, m, s, ms);
    EXPECT_EQ((std::vector<int>{13, 14, 15, 16}), (std::vector<int>{h, m, s, ms}));
    EXPECT_EQ(3000, DateTimeToMSecs(MSecsToDateTime(3000)));
    EXPECT_THROW(EncodeDate(2023, 2, 29), Exception);
}
