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
