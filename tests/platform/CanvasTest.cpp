#include "platform/Canvas.h"

#include <QRect>
#include <climits>
#include <gtest/gtest.h>

namespace {

QRgb Rgb(TColor colour) {
    return ToQColor(colour).rgb();
}

QImage WhiteImage(int width, int height) {
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(Qt::white);
    return image;
}

// The bounding box of every pixel that is not the background colour.
QRect InkBox(const QImage& image, QRgb background) {
    QRect box;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixel(x, y) != background)
                box |= QRect(x, y, 1, 1);
    return box;
}

} // namespace

TEST(Canvas, RectangleLeavesOutItsRightAndBottomEdge) {
    QImage image = WhiteImage(10, 10);
    TCanvas canvas(&image);
    canvas.Pen().SetColor(clRed);
    canvas.Brush().SetColor(clBlue);
    canvas.Rectangle(2, 2, 7, 6);
    for (int y = 0; y < 10; ++y)
        for (int x = 0; x < 10; ++x) {
            const bool inside = x >= 2 && x < 7 && y >= 2 && y < 6;
            const bool outline = inside && (x == 2 || x == 6 || y == 2 || y == 5);
            const QRgb expected = !inside ? Rgb(clWhite) : outline ? Rgb(clRed) : Rgb(clBlue);
            EXPECT_EQ(expected, image.pixel(x, y)) << x << "," << y;
        }
}

TEST(Canvas, ClearBrushDrawsOnlyTheOutline) {
    QImage image = WhiteImage(10, 10);
    TCanvas canvas(&image);
    canvas.Brush().SetStyle(bsClear);
    canvas.Rectangle(1, 1, 8, 8);
    EXPECT_EQ(Rgb(clBlack), image.pixel(1, 1));
    EXPECT_EQ(Rgb(clWhite), image.pixel(4, 4));
    canvas.FillRect({0, 0, 10, 10});
    EXPECT_EQ(Rgb(clWhite), image.pixel(4, 4));
}

TEST(Canvas, LinesLeaveOutTheirEndPoint) {
    struct Case {
        QPoint from, to;
        std::vector<QPoint> drawn;
    } cases[] = {
        {{1, 1}, {5, 1}, {{1, 1}, {2, 1}, {3, 1}, {4, 1}}},
        {{3, 6}, {3, 3}, {{3, 6}, {3, 5}, {3, 4}}},
        {{0, 0}, {3, 3}, {{0, 0}, {1, 1}, {2, 2}}},
        {{2, 2}, {2, 2}, {}},
    };
    for (const Case& c : cases) {
        QImage image = WhiteImage(8, 8);
        TCanvas canvas(&image);
        canvas.Pen().SetColor(clGreen);
        canvas.MoveTo(c.from.x(), c.from.y());
        canvas.LineTo(c.to.x(), c.to.y());
        int inked = 0;
        for (int y = 0; y < 8; ++y)
            for (int x = 0; x < 8; ++x)
                inked += image.pixel(x, y) != Rgb(clWhite);
        EXPECT_EQ(int(c.drawn.size()), inked) << c.from.x() << "," << c.from.y();
        for (const QPoint& p : c.drawn)
            EXPECT_EQ(Rgb(clGreen), image.pixel(p)) << p.x() << "," << p.y();
    }
}

TEST(Canvas, DrawingOnNoImageIsHarmless) {
    QImage none;
    TCanvas canvas(&none);
    canvas.Rectangle(0, 0, 5, 5);
    canvas.MoveTo(0, 0);
    canvas.LineTo(4, 4);
    canvas.Ellipse(0, 0, 5, 5);
    canvas.TextOut(0, 0, "x");
    canvas.DrawText({0, 0, 5, 5}, "x", dtWordBreak);
    EXPECT_TRUE(none.isNull());
}

TEST(Canvas, TextOutSitsAtItsTopLeftOnTheBrushColour) {
    QImage image = WhiteImage(80, 40);
    TCanvas canvas(&image);
    canvas.Font().SetSize(12);
    canvas.Font().SetColor(clRed);
    canvas.Brush().SetColor(clYellow);
    canvas.TextOut(10, 5, ".W");
    const QSize extent = canvas.TextExtent(".W");
    EXPECT_EQ(QRect(10, 5, extent.width(), extent.height()), InkBox(image, Rgb(clWhite)));
    EXPECT_EQ(Rgb(clYellow), image.pixel(10, 5));

    QImage clear = WhiteImage(80, 40);
    TCanvas transparent(&clear);
    transparent.Brush().SetStyle(bsClear);
    transparent.TextOut(10, 5, ".W");
    EXPECT_EQ(Rgb(clWhite), clear.pixel(10, 5));
}

TEST(Canvas, FontHeightFollowsTheWindowsRule) {
    TFont font;
    font.SetSize(10);
    EXPECT_EQ(-13, font.Height());
    EXPECT_EQ(10, font.Size());
    QImage image = WhiteImage(4, 4);
    TCanvas canvas(&image);
    for (int cellHeight : {2, 9, 20, 33}) {
        canvas.Font().SetHeight(cellHeight);
        EXPECT_EQ(cellHeight, canvas.Font().Height());
        EXPECT_LE(canvas.TextHeight("Wg"), cellHeight) << cellHeight;
        EXPECT_GE(canvas.TextHeight("Wg"), cellHeight * 3 / 4) << cellHeight;
    }
}

TEST(Canvas, HugeFontHeightsStayMeasurable) {
    QImage image = WhiteImage(4, 4);
    TCanvas canvas(&image);
    for (int height : {40000, 1 << 30, INT_MIN, -40000}) {
        canvas.Font().SetHeight(height);
        EXPECT_EQ(height, canvas.Font().Height());
        EXPECT_GT(canvas.TextHeight("Wg"), 0) << height;
    }
}

TEST(Canvas, TextLinesBreakBetweenWordsAndEndInAnEllipsis) {
    QImage image = WhiteImage(4, 4);
    TCanvas canvas(&image);
    const int wordWidth = canvas.TextWidth("gamma");
    const TRect narrow{0, 0, wordWidth + 2, 100};
    EXPECT_EQ(QStringList({"alpha", "beta", "gamma"}),
              canvas.TextLines(narrow, "alpha beta gamma", dtWordBreak));
    EXPECT_EQ(QStringList({"a b", "c"}),
              canvas.TextLines({0, 0, canvas.TextWidth("a b") + 1, 100}, "a b c", dtWordBreak));
    EXPECT_EQ(QStringList({"one", "two"}), canvas.TextLines(narrow, "one\r\ntwo", 0));
    EXPECT_EQ(QStringList({"one\r\ntwo"}), canvas.TextLines(narrow, "one\r\ntwo", dtSingleLine));

    const QStringList cut =
        canvas.TextLines(narrow, "incomprehensibilities", dtWordBreak | dtEndEllipsis);
    ASSERT_EQ(1, cut.size());
    EXPECT_TRUE(cut[0].endsWith("...")) << cut[0].toStdString();
    EXPECT_TRUE(QString("incomprehensibilities").startsWith(cut[0].chopped(3)));
    EXPECT_LE(canvas.TextWidth(cut[0]), narrow.Width());
    EXPECT_EQ(QStringList({"A&B"}), canvas.TextLines(narrow, "A&B", dtNoPrefix));
}

TEST(Canvas, DrawTextAlignsSingleLinesInTheRectangle) {
    const TRect rect{10, 10, 110, 50};
    struct Case {
        uint32_t flags;
        const char* name;
    } cases[] = {
        {dtSingleLine, "left top"},
        {dtSingleLine | dtCenter | dtVCenter, "centre"},
        {dtSingleLine | dtRight | dtBottom, "right bottom"},
        {dtWordBreak | dtVCenter, "wrapped text stays at the top"},
    };
    for (const Case& c : cases) {
        QImage image = WhiteImage(120, 60);
        TCanvas canvas(&image);
        canvas.Brush().SetStyle(bsClear);
        canvas.DrawText(rect, "HH", c.flags);
        const QRect ink = InkBox(image, Rgb(clWhite));
        const QSize extent = canvas.TextExtent("HH");
        ASSERT_FALSE(ink.isNull()) << c.name;
        const int spareX = rect.Width() - extent.width();
        const int spareY = rect.Height() - extent.height();
        const int expectLeft = rect.Left + ((c.flags & dtCenter)  ? spareX / 2
                                            : (c.flags & dtRight) ? spareX
                                                                  : 0);
        const bool single = c.flags & dtSingleLine;
        const int expectTop = rect.Top + (!single                 ? 0
                                          : (c.flags & dtVCenter) ? spareY / 2
                                          : (c.flags & dtBottom)  ? spareY
                                                                  : 0);
        // The ink of "HH" starts a pixel or two inside its extent.
        EXPECT_NEAR(expectLeft, ink.left(), 3) << c.name;
        EXPECT_NEAR(expectTop + extent.height() / 2, ink.center().y(), 4) << c.name;
    }
}

TEST(Canvas, DrawTextStaysInsideItsRectangle) {
    QImage image = WhiteImage(100, 60);
    TCanvas canvas(&image);
    canvas.Brush().SetStyle(bsClear);
    const TRect rect{20, 10, 60, 30};
    canvas.DrawText(rect, "WWWWWWWW WWWWWWWW WWWWWWWW WWWWWWWW", dtWordBreak);
    const QRect ink = InkBox(image, Rgb(clWhite));
    EXPECT_FALSE(ink.isNull());
    EXPECT_TRUE(QRect(20, 10, 40, 20).contains(ink))
        << ink.x() << "," << ink.y() << " " << ink.width() << "x" << ink.height();
}

TEST(Canvas, TransparentPicturesLeaveOutTheirBottomLeftColour) {
    QImage picture(4, 4, QImage::Format_RGB32);
    picture.fill(Qt::green);
    picture.setPixel(1, 1, qRgb(255, 0, 0));
    struct Case {
        bool transparent;
        QRgb corner;
    } cases[] = {{false, qRgb(0, 255, 0)}, {true, Rgb(clWhite)}};
    for (const Case& c : cases) {
        QImage image = WhiteImage(10, 10);
        TCanvas canvas(&image);
        canvas.Draw(3, 3, picture, c.transparent);
        EXPECT_EQ(c.corner, image.pixel(3, 3)) << c.transparent;
        EXPECT_EQ(qRgb(255, 0, 0), image.pixel(4, 4)) << c.transparent;
        canvas.StretchDraw({0, 0, 8, 8}, picture, c.transparent);
        EXPECT_EQ(qRgb(255, 0, 0), image.pixel(2, 2)) << c.transparent;
        EXPECT_EQ(Rgb(clWhite), image.pixel(8, 8)) << c.transparent;
    }
}
