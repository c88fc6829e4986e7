#pragma once

#include "platform/Canvas.h"
#include "platform/Controls.h"
#include "platform/ImageList.h"

#include <QWidget>
#include <cstdint>

enum TTitleBlockBorderVisible : uint8_t { bvTop, bvBottom, bvLeft, bvRight };
// A set of TTitleBlockBorderVisible, one bit per side.
using TTitleBlockBordersVisible = uint8_t;
constexpr TTitleBlockBordersVisible BorderBit(TTitleBlockBorderVisible side) {
    return TTitleBlockBordersVisible(1u << side);
}

enum TTitleBlockImageLayout : uint8_t { ilLeft, ilCentre, ilRight };

// A caption bar: a band in the border colour on the chosen sides, an inner
// panel, an optional picture from an image list and a one-line caption.
// It is 24 pixels high unless a form sets another fixed height, and takes
// the width its layout gives it.
class TTitleBlock : public QWidget {
public:
    explicit TTitleBlock(QWidget* parent = nullptr);
    ~TTitleBlock() override;

    TAlignment Alignment() const { return FAlignment; }
    void SetAlignment(TAlignment Value);
    TColor BorderColour() const { return FBorderColour; }
    void SetBorderColour(TColor Value);
    int BorderWidth() const { return FBorderWidth; }
    void SetBorderWidth(int Value);
    TTitleBlockBordersVisible BordersVisible() const { return FBordersVisible; }
    void SetBordersVisible(TTitleBlockBordersVisible Value);
    QString Caption() const { return FCaption; }
    void SetCaption(const QString& Value);
    TColor Colour() const { return FColour; }
    void SetColour(TColor Value);
    // The caption font; change it through SetFont, which repaints.
    const TFont& Font() const { return FFont; }
    void SetFont(const TFont& Value);
    int ImageIndex() const { return FImageIndex; }
    void SetImageIndex(int Value);
    // Not owned; dropped when the list is destroyed first.
    TImageList* Images() const { return FImages; }
    void SetImages(TImageList* Value);
    TTitleBlockImageLayout Layout() const { return FLayout; }
    void SetLayout(TTitleBlockImageLayout Value);

    // Draws the whole block on a canvas the size of the control.
    void Paint(TCanvas& Canvas) const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    TRect InnerRect() const;
    void DrawImage(TCanvas& Canvas, TRect& TextRect) const;
    void ImageListFreed();

    TAlignment FAlignment = taLeftJustify;
    TColor FBorderColour = clBtnFace;
    int FBorderWidth = 2;
    TTitleBlockBordersVisible FBordersVisible = BorderBit(bvTop) | BorderBit(bvBottom);
    QString FCaption;
    TColor FColour = clBtnShadow;
    TFont FFont;
    int FImageIndex = -1;
    TImageList* FImages = nullptr;
    TTitleBlockImageLayout FLayout = ilLeft;
    TChangeLink FImageChangeLink;
};
