#include "playwindow/gameplayer/PlayPicturesUn.h"
#include "support/Screenshot.h"

#include <QPainter>
#include <gtest/gtest.h>
#include <set>

namespace {

int VisiblePixels(const QImage& image) {
    int count = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            count += qAlpha(image.pixel(x, y)) > 0;
    return count;
}

} // namespace

TEST(PlayPictures, EveryPictureIsItsOwnDrawingInIndexOrder) {
    TImageList list(PlayPictureSize, PlayPictureSize);
    AddPlayPictures(list);
    ASSERT_EQ(list.Count(), PlayPictureCount);
    std::set<QByteArray> seen;
    for (int index = 0; index < PlayPictureCount; ++index) {
        const QImage image = list.Picture(index);
        ASSERT_EQ(image.size(), QSize(PlayPictureSize, PlayPictureSize)) << index;
        // Drawn, and neither a blank nor a filled square.
        const int visible = VisiblePixels(image);
        EXPECT_GT(visible, 30) << index;
        EXPECT_LT(visible, PlayPictureSize * PlayPictureSize) << index;
        const QByteArray pixels(reinterpret_cast<const char*>(image.constBits()),
                                int(image.sizeInBytes()));
        EXPECT_TRUE(seen.insert(pixels).second) << "picture " << index << " repeats another";
    }
}

TEST(PlayPictures, ResourceNamesFollowTheIndex) {
    EXPECT_EQ(PlayPictureResource(ppOpen), ":/actions/open.svg");
    EXPECT_EQ(PlayPictureResource(ppInteractiveHelp), ":/actions/interactivehelp.svg");
}

// Every picture at its own size and six times as large, eleven to a row.
TEST(PlayPictures, Screenshot) {
    const int zoom = 6, gap = 8, perRow = 11;
    const int cellWidth = PlayPictureSize * zoom + gap;
    const int cellHeight = PlayPictureSize * (zoom + 1) + 2 * gap;
    const int rows = (PlayPictureCount + perRow - 1) / perRow;
    QImage strip(perRow * cellWidth + gap, rows * cellHeight + gap,
                 QImage::Format_ARGB32_Premultiplied);
    strip.fill(QColor(240, 240, 240));
    TImageList list(PlayPictureSize, PlayPictureSize);
    AddPlayPictures(list);
    QPainter painter(&strip);
    for (int index = 0; index < PlayPictureCount; ++index) {
        const QImage image = list.Picture(index);
        const int left = gap + index % perRow * cellWidth;
        const int top = gap + index / perRow * cellHeight;
        painter.drawImage(left, top, image);
        painter.drawImage(QRect(left, top + PlayPictureSize + gap, PlayPictureSize * zoom,
                                PlayPictureSize * zoom),
                          image);
    }
    painter.end();
    KeepScreenshot(strip, "play-pictures");
}
