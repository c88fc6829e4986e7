#include "platform/ImageList.h"

#include "support/TestFiles.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <memory>

TEST(ImageList, PicturesTakeTheListSize) {
    TImageList images(16, 16);
    QImage wide(40, 10, QImage::Format_RGB32);
    wide.fill(Qt::red);
    EXPECT_EQ(0, images.Add(wide));
    EXPECT_EQ(QSize(16, 16), images.Picture(0).size());
    EXPECT_EQ(QColor(Qt::red).rgb(), images.Picture(0).pixel(8, 8));
    EXPECT_TRUE(images.Picture(1).isNull());
    EXPECT_TRUE(images.Picture(-1).isNull());
}

TEST(ImageList, SvgIsRenderedAtTheListSize) {
    QTemporaryDir folder;
    const QString file = folder.path() + "/square.svg";
    WriteBytes(file, "<svg xmlns='http://www.w3.org/2000/svg' width='8' height='8'>"
                     "<rect x='0' y='0' width='4' height='8' fill='#0000ff'/></svg>");
    TImageList images(32, 32);
    EXPECT_EQ(0, images.AddSvg(file));
    const QImage picture = images.Picture(0);
    EXPECT_EQ(QColor(Qt::blue).rgb(), picture.pixel(4, 16));
    EXPECT_EQ(0, qAlpha(picture.pixel(28, 16))) << "what the picture leaves out stays clear";

    WriteBytes(file, "not a picture");
    EXPECT_EQ("Cannot load picture \"" + file.toStdString() + "\"",
              MessageOf([&] { images.AddSvg(file); }));
    EXPECT_EQ(1, images.Count());
}

TEST(ImageList, LinksHearChangesAndTheListGoingAway) {
    auto images = std::make_unique<TImageList>();
    TChangeLink link;
    int changes = 0;
    bool freed = false;
    link.OnChange = [&] { ++changes; };
    link.OnFree = [&] { freed = link.Sender() == nullptr; };
    images->RegisterChanges(&link);
    images->Add(QImage(16, 16, QImage::Format_RGB32));
    images->Clear();
    EXPECT_EQ(2, changes);

    {
        TChangeLink shortLived;
        images->RegisterChanges(&shortLived);
    } // unregisters itself; the list must not call it later
    images.reset();
    EXPECT_TRUE(freed);
}
