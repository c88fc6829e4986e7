#include "designer/dialogs/frmStatisticsUn.h"
#include "playwindow/controls/StaticListBoxUn.h"
#include "support/FakeServices.h"
#include "support/Screenshot.h"

#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

namespace {

// The list as drawn: an image of each line's area.
QImage LineImage(TfrmStatistics& form, int index) {
    TStaticListBox& list = *form.slbStats;
    const QRect line = list.visualItemRect(list.item(index));
    return list.viewport()->grab(line).toImage();
}

// True when the colour differs from the background somewhere in the area.
bool Inked(const QImage& image, const QRect& area) {
    const QRgb background = ToQColor(clBtnFace).rgb();
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if (image.pixel(x, y) != background)
                return true;
    return false;
}

struct Shown {
    int lines = 0;
    QString status;
};

Shown ShowStatistics(const QStringList& words,
                     const std::function<void(TfrmStatistics&)>& look = {}) {
    FakeServices fake;
    QWidget owner;
    TfrmStatistics dialog(&owner);
    Shown shown;
    fake.OnModal([&](QDialog& form) {
        auto& statistics = static_cast<TfrmStatistics&>(form);
        shown.lines = statistics.slbStats->Items().Count();
        shown.status = statistics.pnlStatus->text();
        if (look)
            look(statistics);
        QTest::mouseClick(statistics.btnClose, Qt::LeftButton);
        return mrNone;
    });
    dialog.Execute(TStringList(words));
    return shown;
}

} // namespace

TEST(Statistics, FormAsLaidOut) {
    QWidget owner;
    TfrmStatistics dialog(&owner);
    EXPECT_EQ(dialog.windowTitle(), "Letter Statistics");
    EXPECT_EQ(dialog.size(), QSize(216, 331));
    EXPECT_EQ(dialog.font().family(), "Arial");
    EXPECT_EQ(dialog.btnClose->geometry(), QRect(136, 16, 73, 25));
    EXPECT_EQ(dialog.grpDetails->title(), "details");
    EXPECT_EQ(dialog.grpDetails->geometry(), QRect(8, 8, 121, 297));
    EXPECT_EQ(dialog.slbStats->ItemHeight(), 16);
    EXPECT_EQ(dialog.slbStats->Style(), lbOwnerDrawFixed);
    EXPECT_EQ(dialog.slbStats->Color(), clBtnFace);
}

TEST(Statistics, CountsEveryCharacterOfTheWords) {
    const struct {
        QStringList words;
        int lines;
        const char* status;
    } cases[] = {
        {{"CAB", "ABBA"}, 3, "3 letters found, total of 7 letters used"},
        {{}, 0, "0 letters found, total of 0 letters used"},
        {{"A1", "1-A"}, 3, "3 letters found, total of 5 letters used"},
    };
    for (const auto& c : cases) {
        const Shown shown = ShowStatistics(c.words);
        EXPECT_EQ(shown.lines, c.lines) << c.status;
        EXPECT_EQ(shown.status, c.status);
    }
}

// Each line: the letter in the left half, its count at the right, 4 pixels
// in from the line's top, left and right edges.
TEST(Statistics, LinesDrawTheLetterAndItsCount) {
    ShowStatistics({"CAB", "ABBA"}, [](TfrmStatistics& form) {
        for (int index = 0; index < 3; ++index) {
            const QImage line = LineImage(form, index);
            const int half = line.width() / 2;
            EXPECT_TRUE(Inked(line, QRect(4, 4, half - 4, line.height() - 4))) << index;
            EXPECT_TRUE(Inked(line, QRect(half + 4, 4, half - 8, line.height() - 4))) << index;
            EXPECT_FALSE(Inked(line, QRect(0, 0, line.width(), 4))) << "top margin " << index;
            EXPECT_FALSE(Inked(line, QRect(line.width() - 4, 0, 4, line.height())))
                << "right margin " << index;
        }
    });
}

namespace {

// The images of the lines the dialog shows for the words.
std::vector<QImage> LineImages(const QStringList& words) {
    std::vector<QImage> lines;
    ShowStatistics(words, [&](TfrmStatistics& form) {
        for (int index = 0; index < form.slbStats->Items().Count(); ++index)
            lines.push_back(LineImage(form, index));
    });
    return lines;
}

QImage LeftHalf(const QImage& line) {
    return line.copy(0, 0, line.width() / 2, line.height());
}

QImage RightHalf(const QImage& line) {
    return line.copy(line.width() / 2, 0, line.width() - line.width() / 2, line.height());
}

} // namespace

// Line by line A 3, B 3, C 1: each line looks as the only line of a list
// whose one letter has that count, its letter half follows the letter alone
// and its count half the count alone.
TEST(Statistics, EachLineShowsItsOwnLetterAndCount) {
    const std::vector<QImage> lines = LineImages({"CAB", "ABBA"});
    ASSERT_EQ(lines.size(), 3u);
    const struct {
        const char* alone;
        const char* letter;
    } expected[] = {{"AAA", "A 3"}, {"BBB", "B 3"}, {"C", "C 1"}};
    for (int index = 0; index < 3; ++index) {
        const std::vector<QImage> alone = LineImages({expected[index].alone});
        ASSERT_EQ(alone.size(), 1u);
        EXPECT_EQ(lines[index], alone[0])
            << "line " << index << " is not " << expected[index].letter;
    }
    EXPECT_NE(LeftHalf(lines[0]), LeftHalf(lines[1])) << "A and B look alike";
    EXPECT_EQ(RightHalf(lines[0]), RightHalf(lines[1])) << "3 and 3 differ";
    EXPECT_NE(RightHalf(lines[1]), RightHalf(lines[2])) << "3 and 1 look alike";
    const QImage a1 = LineImages({"A"}).at(0);
    EXPECT_EQ(LeftHalf(a1), LeftHalf(lines[0])) << "the letter half shows the count";
    EXPECT_EQ(RightHalf(a1), RightHalf(lines[2])) << "the count half shows the letter";
}

TEST(Statistics, ShownTwiceCountsOnce) {
    FakeServices fake;
    QWidget owner;
    TfrmStatistics dialog(&owner);
    QStringList statuses;
    for (int i = 0; i < 2; ++i) {
        fake.OnModal([&](QDialog&) {
            statuses << dialog.pnlStatus->text();
            return int(mrCancel);
        });
        dialog.Execute(TStringList({"CAB"}));
    }
    EXPECT_EQ(statuses, QStringList(2, "3 letters found, total of 3 letters used"));
}

TEST(Statistics, Screenshot) {
    ShowStatistics({"HEDGEHOG", "OTTER", "BADGER", "FOX"},
                   [](TfrmStatistics& form) { TakeScreenshot(form, "statistics"); });
}
