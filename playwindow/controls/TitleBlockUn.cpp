#include "playwindow/controls/TitleBlockUn.h"

#include "platform/Guard.h"

#include <QPainter>

TTitleBlock::TTitleBlock(QWidget* parent) : QWidget(parent) {
    setFixedHeight(24);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    FImageChangeLink.OnChange = [this] { update(); };
    FImageChangeLink.OnFree = [this] { ImageListFreed(); };
}

TTitleBlock::~TTitleBlock() = default;

void TTitleBlock::SetAlignment(TAlignment Value) {
    FAlignment = Value;
    update();
}

void TTitleBlock::SetBorderColour(TColor Value) {
    FBorderColour = Value;
    update();
}

void TTitleBlock::SetBorderWidth(int Value) {
    FBorderWidth = Value;
    update();
}

void TTitleBlock::SetBordersVisible(TTitleBlockBordersVisible Value) {
    FBordersVisible = Value;
    update();
}

void TTitleBlock::SetCaption(const QString& Value) {
    FCaption = Value;
    update();
}

void TTitleBlock::SetColour(TColor Value) {
    FColour = Value;
    update();
}

void TTitleBlock::SetFont(const TFont& Value) {
    FFont = Value;
    update();
}

void TTitleBlock::SetImageIndex(int Value) {
    if (Value == FImageIndex)
        return;
    FImageIndex = Value;
    update();
}

void TTitleBlock::SetImages(TImageList* Value) {
    if (FImages)
        FImages->UnRegisterChanges(&FImageChangeLink);
    FImages = Value;
    if (FImages)
        FImages->RegisterChanges(&FImageChangeLink);
    update();
}

void TTitleBlock::SetLayout(TTitleBlockImageLayout Value) {
    FLayout = Value;
    update();
}

void TTitleBlock::ImageListFreed() {
    FImages = nullptr;
    update();
}

TRect TTitleBlock::InnerRect() const {
    TRect inner{0, 0, width(), height()};
    if (FBordersVisible & BorderBit(bvTop))
        inner.Top += FBorderWidth;
    if (FBordersVisible & BorderBit(bvBottom))
        inner.Bottom -= FBorderWidth;
    if (FBordersVisible & BorderBit(bvRight))
        inner.Right -= FBorderWidth;
    if (FBordersVisible & BorderBit(bvLeft))
        inner.Left += FBorderWidth;
    return inner;
}

void TTitleBlock::DrawImage(TCanvas& Canvas, TRect& TextRect) const {
    const int w = FImages->Width();
    const int h = FImages->Height();
    const int y = TextRect.Top + TextRect.Height() / 2 - h / 2;
    // Our pictures carry their own transparency, so they are blended as
    // they are rather than keyed on a corner colour.
    const QImage picture = FImages->Picture(FImageIndex);
    switch (FLayout) {
    case ilLeft:
        Canvas.Draw(2 * FBorderWidth, y, picture, false);
        TextRect.Left += 2 * FBorderWidth + w + 4;
        break;
    case ilCentre:
        Canvas.Draw(TextRect.Left + TextRect.Width() / 2 - w / 2, y, picture, false);
        break;
    case ilRight:
        Canvas.Draw(TextRect.Right - 2 * FBorderWidth - w, y, picture, false);
        TextRect.Right -= 2 * FBorderWidth + w + 4;
        break;
    }
}

void TTitleBlock::Paint(TCanvas& Canvas) const {
    Canvas.Pen().SetColor(FBorderColour);
    Canvas.Brush().SetColor(FBorderColour);
    Canvas.Brush().SetStyle(bsSolid);
    Canvas.Rectangle(0, 0, width(), height());
    const TRect inner = InnerRect();
    Canvas.Brush().SetColor(FColour);
    Canvas.Rectangle(inner);
    TRect text{inner.Left + 4, inner.Top + 4, inner.Right - 4, inner.Bottom - 4};
    if (FImages && FImageIndex >= 0)
        DrawImage(Canvas, text);
    if (FCaption.isEmpty())
        return;
    static const uint32_t horizontal[] = {dtLeft, dtRight, dtCenter};
    Canvas.Font() = FFont;
    Canvas.DrawText(text, FCaption,
                    dtSingleLine | dtVCenter | dtNoPrefix | dtEndEllipsis | horizontal[FAlignment]);
}

void TTitleBlock::paintEvent(QPaintEvent*) {
    Guarded([this] {
        QImage image(size(), QImage::Format_RGB32);
        TCanvas canvas(&image);
        Paint(canvas);
        QPainter(this).drawImage(0, 0, image);
    });
}
