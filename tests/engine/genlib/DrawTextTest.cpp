#include "engine/genlib/DrawTextUn.h"

#include <QRect>
#include <gtest/gtest.h>

namespace {

QRgb Rgb(TColor colour) {
    return ToQColor(colour).rgb();
}

struct Painting {
    QImage image{120, 80, QImage::Format_RGB32};
    TCanvas canvas{&image};
    Painting() {
        image.fill(Qt::white);
        canvas.Brush().SetColor(clYellow);
        canvas.Font().SetColor(clBlack);
    }
    // Pixels that are neither white nor the brush colour: the text's ink.
    QRect Ink() const {
        QRect box;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                if (image.pixel(x, y) != Rgb(clWhite) && image.pixel(x, y) != Rgb(clYellow))
                    box |= QRect(x, y, 1, 1);
        return box;
    }
};

const TRect kRect{10, 10, 90, 70};

} // namespace

TEST(DrawTextInRect, EmptyTextOnlyFillsTheRectangle) {
    Painting p;
    DrawTextInRect(p.canvas, kRect, "", 0, 1);
    for (int y = 0; y < p.image.height(); ++y)
        for (int x = 0; x < p.image.width(); ++x) {
            const bool inside =
                x >= kRect.Left && x < kRect.Right && y >= kRect.Top && y < kRect.Bottom;
            ASSERT_EQ(inside ? Rgb(clYellow) : Rgb(clWhite), p.image.pixel(x, y)) << x << "," << y;
        }
}

TEST(DrawTextInRect, WrapsFromTheTopWhateverTheVerticalChoice) {
    for (int vertical : {0, 1, 2}) {
        Painting p;
        const QString text = "wrap these words";
        DrawTextInRect(p.canvas, kRect, text, 0, vertical);
        const QRect ink = p.Ink();
        const int lineHeight = p.canvas.TextHeight(text);
        ASSERT_FALSE(ink.isNull());
        EXPECT_LT(ink.top(), kRect.Top + lineHeight / 2) << vertical;
        EXPECT_GT(ink.bottom(), kRect.Top + lineHeight) << "more than one line: " << vertical;
        EXPECT_TRUE(QRect(10, 10, 80, 60).contains(ink)) << vertical;
    }
}

TEST(DrawTextInRect, HorizontalChoice) {
    struct Case {
        int horizontal;
        int expectedLeft;
    } cases[] = {{0, kRect.Left}, {1, -1}, {2, -2}, {7, kRect.Left}};
    for (const Case& c : cases) {
        Painting p;
        DrawTextInRect(p.canvas, kRect, "HH", c.horizontal, 1);
        const QRect ink = p.Ink();
        const int spare = kRect.Width() - p.canvas.TextWidth("HH");
        const int left = c.expectedLeft == -1   ? kRect.Left + spare / 2
                         : c.expectedLeft == -2 ? kRect.Left + spare
                                                : c.expectedLeft;
        EXPECT_NEAR(left, ink.left(), 3) << c.horizontal;
    }
}

TEST(DrawTextInRect, AWordTooLongForTheWidthStaysInside) {
    Painting p;
    const TRect rect{10, 10, 40, 30};
    const QString text = "incomprehensibilities";
    DrawTextInRect(p.canvas, rect, text, 0, 1);
    EXPECT_TRUE(QRect(10, 10, 30, 20).contains(p.Ink()));
    const uint32_t flags = dtWordBreak | dtNoPrefix | dtEndEllipsis;
    EXPECT_TRUE(p.canvas.TextLines(rect, text, flags).first().endsWith("..."));
}
