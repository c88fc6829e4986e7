#include "playwindow/gameplayer/PlayPicturesUn.h"
#include "support/Screenshot.h"

#include <QFile>
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

TEST(PlayPictures, EveryPictureIsItsOwnDrawingAtSixteenPixels) {
    std::set<QByteArray> seen;
    for (int index = 0; index < PlayPictureCount; ++index) {
        const auto picture = TPlayPicture(index);
        const QImage image = PlayPicture(picture);
        ASSERT_TRUE(QFile::exists(PlayPictureResource(picture))) << index;
        EXPECT_EQ(image.size(), QSize(PlayPictureSize, PlayPictureSize)) << index;
        // Drawn, and neither a blank nor a filled square.
        const int visible = VisiblePixels(image);
        EXPECT_GT(visible, 30) << index;
        EXPECT_LT(visible, PlayPictureSize * PlayPictureSize) << index;
        const QByteArray pixels(reinterpret_cast<const char*>(image.constBits()),
                                int(image.sizeInBytes()));
        EXPECT_TRUE(seen.insert(pixels).second) << "picture " << index << " repeats another";
    }
}

TEST(PlayPictures, ImageListHoldsThemInIndexOrder) {
    TImageList list;
    AddPlayPictures(list);
    ASSERT_EQ(list.Count(), PlayPictureCount);
    EXPECT_EQ(list.Picture(ppShowHint), PlayPicture(ppShowHint));
    EXPECT_EQ(list.Picture(ppInteractiveHelp), PlayPicture(ppInteractiveHelp));
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
    QPainter painter(&strip);
    for (int index = 0; index < PlayPictureCount; ++index) {
        const QImage image = PlayPicture(TPlayPicture(index));
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
