#include "playwindow/controls/TitleBlockUn.h"

#include "support/Screenshot.h"

#include <QFontMetrics>
#include <QHBoxLayout>
#include <gtest/gtest.h>
#include <memory>

namespace {

QRgb Rgb(TColor colour) {
    return ToQColor(colour).rgb();
}

QImage Render(TTitleBlock& block, int width = 200) {
    block.resize(width, block.height());
    return block.grab().toImage().convertToFormat(QImage::Format_RGB32);
}

// The box of the caption's ink: pixels far darker than the grey panel.
QRect InkBox(const QImage& image) {
    QRect box;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (qGray(image.pixel(x, y)) < 64)
                box |= QRect(x, y, 1, 1);
    return box;
}

// A 16 x 16 list whose only picture is red.
std::unique_ptr<TImageList> RedPictures() {
    auto images = std::make_unique<TImageList>(16, 16);
    QImage red(16, 16, QImage::Format_RGB32);
    red.fill(Qt::red);
    images->Add(red);
    return images;
}

QRect ColourBox(const QImage& image, QRgb colour) {
    QRect box;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixel(x, y) == colour)
                box |= QRect(x, y, 1, 1);
    return box;
}

} // namespace

TEST(TitleBlock, StartsWithItsDefaults) {
    TTitleBlock block;
    EXPECT_EQ(24, block.height());
    EXPECT_EQ(2, block.BorderWidth());
    EXPECT_EQ(BorderBit(bvTop) | BorderBit(bvBottom), block.BordersVisible());
    EXPECT_EQ(clBtnFace, block.BorderColour());
    EXPECT_EQ(clBtnShadow, block.Colour());
    EXPECT_EQ(-1, block.ImageIndex());
    EXPECT_EQ(nullptr, block.Images());
    EXPECT_EQ(taLeftJustify, block.Alignment());
    EXPECT_EQ(ilLeft, block.Layout());
}

TEST(TitleBlock, BandOnTheChosenSidesAndAnOutlinedPanel) {
    TTitleBlock block;
    block.SetBorderColour(clNavy);
    block.SetColour(clYellow);
    block.SetBorderWidth(3);
    QImage image = Render(block);
    const QRgb band = Rgb(clNavy), panel = Rgb(clYellow);
    // Top band rows 0-2, the panel's outline row 3, the panel from row 4.
    EXPECT_EQ(band, image.pixel(100, 2));
    EXPECT_EQ(band, image.pixel(100, 3));
    EXPECT_EQ(panel, image.pixel(100, 4));
    // The panel ends at 24 - 3 = 21, leaving out its bottom edge: outline at 20.
    EXPECT_EQ(panel, image.pixel(100, 19));
    EXPECT_EQ(band, image.pixel(100, 20));
    EXPECT_EQ(band, image.pixel(100, 21));
    // No band at the sides: only the one-pixel outline.
    EXPECT_EQ(band, image.pixel(0, 12));
    EXPECT_EQ(panel, image.pixel(1, 12));
    EXPECT_EQ(band, image.pixel(199, 12));
    EXPECT_EQ(panel, image.pixel(198, 12));

    block.SetBordersVisible(0);
    image = Render(block);
    EXPECT_EQ(band, image.pixel(0, 0));
    EXPECT_EQ(panel, image.pixel(1, 1));
    EXPECT_EQ(panel, image.pixel(198, 22));
    EXPECT_EQ(band, image.pixel(199, 23));

    block.SetBordersVisible(BorderBit(bvLeft) | BorderBit(bvRight));
    image = Render(block);
    EXPECT_EQ(band, image.pixel(3, 12));
    EXPECT_EQ(panel, image.pixel(4, 12));
    EXPECT_EQ(panel, image.pixel(195, 12));
    EXPECT_EQ(band, image.pixel(196, 12));
    EXPECT_EQ(panel, image.pixel(100, 1));
}

TEST(TitleBlock, ImageOnTheLeftPushesTheCaption) {
    auto images = RedPictures();
    TTitleBlock plain;
    plain.SetBorderWidth(3);
    plain.SetCaption("Hidden");
    const QRect textAlone = InkBox(Render(plain));

    TTitleBlock block;
    block.SetBorderWidth(3);
    block.SetCaption("Hidden");
    block.SetImages(images.get());
    block.SetImageIndex(0);
    const QImage image = Render(block);
    // y = text top 7 + 10 div 2 - 16 div 2 = 4.
    EXPECT_EQ(QRect(6, 4, 16, 16), ColourBox(image, Rgb(clRed)));
    // The caption's rectangle begins at 30 instead of 4.
    EXPECT_EQ(textAlone.translated(26, 0), InkBox(image));
}

TEST(TitleBlock, ImageInTheCentreOrOnTheRight) {
    auto images = RedPictures();
    TTitleBlock block;
    block.SetImages(images.get());
    block.SetImageIndex(0);
    block.SetLayout(ilCentre);
    // Text rectangle 4..196: 4 + 96 - 8 = 92.
    EXPECT_EQ(92, ColourBox(Render(block), Rgb(clRed)).left());
    block.SetLayout(ilRight);
    // 196 - 2 x 2 - 16 = 176.
    EXPECT_EQ(176, ColourBox(Render(block), Rgb(clRed)).left());

    block.SetImageIndex(5);
    EXPECT_TRUE(ColourBox(Render(block), Rgb(clRed)).isEmpty()) << "no picture at that index";
    block.SetImageIndex(-1);
    EXPECT_TRUE(ColourBox(Render(block), Rgb(clRed)).isEmpty());
}

TEST(TitleBlock, CaptionShowsAmpersandsAndEndsInAnEllipsis) {
    TTitleBlock block;
    block.SetCaption("&");
    EXPECT_FALSE(InkBox(Render(block)).isEmpty()) << "a lone ampersand is drawn";
    block.SetCaption("AB");
    const int plainWidth = InkBox(Render(block)).width();
    block.SetCaption("A&B");
    EXPECT_GT(InkBox(Render(block)).width(), plainWidth);

    const QString longCaption = "The quick brown fox jumps over the lazy dog again";
    block.SetCaption(longCaption);
    const QImage elided = Render(block, 120);
    EXPECT_EQ(longCaption, block.Caption()) << "drawing never changes the caption";
    // Text rectangle 4..116: the longest start that fits with "..." after it.
    const QFontMetrics metrics(block.Font().Handle());
    int length = longCaption.size();
    while (metrics.horizontalAdvance(longCaption.left(length) + "...") > 112)
        --length;
    TTitleBlock expected;
    expected.SetCaption(longCaption.left(length) + "...");
    EXPECT_EQ(Render(expected, 120), elided);
}

TEST(TitleBlock, CaptionAlignment) {
    TTitleBlock block;
    block.SetCaption("Word List");
    const QRect left = InkBox(Render(block));
    block.SetAlignment(taRightJustify);
    const QRect right = InkBox(Render(block));
    block.SetAlignment(taCenter);
    const QRect centre = InkBox(Render(block));
    EXPECT_LT(left.left(), 8);
    EXPECT_GT(right.right(), 190);
    EXPECT_NEAR((centre.left() + centre.right()) / 2, 100, 3);
}

TEST(TitleBlock, DropsAnImageListDestroyedBeforeIt) {
    auto images = RedPictures();
    TTitleBlock block;
    block.SetImages(images.get());
    block.SetImageIndex(0);
    images.reset();
    EXPECT_EQ(nullptr, block.Images());
    EXPECT_TRUE(ColourBox(Render(block), Rgb(clRed)).isEmpty());
}

TEST(TitleBlock, Screenshot) {
    auto images = RedPictures();
    QWidget form;
    auto* column = new QVBoxLayout(&form);
    const struct {
        QString caption;
        TTitleBlockImageLayout layout;
        TAlignment alignment;
    } rows[] = {{"Puzzle title & more", ilLeft, taLeftJustify},
                {"Word List", ilRight, taLeftJustify},
                {"Centred over its picture", ilCentre, taCenter},
                {"A caption far too long for the width of this block", ilLeft, taRightJustify}};
    for (const auto& row : rows) {
        auto* block = new TTitleBlock(&form);
        block->SetCaption(row.caption);
        block->SetLayout(row.layout);
        block->SetAlignment(row.alignment);
        block->SetImages(images.get());
        block->SetImageIndex(0);
        column->addWidget(block);
    }
    form.resize(240, 140);
    TakeScreenshot(form, "TitleBlock");
}
