#pragma once

#include "platform/Colors.h"

#include <QFont>
#include <QFontMetrics>
#include <QHash>
#include <QImage>
#include <QSize>
#include <QStaticText>
#include <QString>
#include <QStringList>
#include <cstdint>
#include <memory>
#include <optional>

class QPainter;

// A rectangle in pixels; Right and Bottom lie just outside it.
struct TRect {
    int Left = 0;
    int Top = 0;
    int Right = 0;
    int Bottom = 0;
    int Width() const { return Right - Left; }
    int Height() const { return Bottom - Top; }
    bool operator==(const TRect& other) const {
        return Left == other.Left && Top == other.Top && Right == other.Right &&
               Bottom == other.Bottom;
    }
};

enum TPenMode : uint8_t { pmCopy };
enum TBrushStyle : uint8_t { bsSolid, bsClear };

// Rectangle text flags, valued as the Windows text drawer values them.
enum TDrawTextFlag : uint32_t {
    dtTop = 0x0,
    dtLeft = 0x0,
    dtCenter = 0x1,
    dtRight = 0x2,
    dtVCenter = 0x4,
    dtBottom = 0x8,
    dtWordBreak = 0x10,
    dtSingleLine = 0x20,
    dtNoPrefix = 0x800,
    dtEndEllipsis = 0x8000,
};

class TPen {
public:
    TColor Color() const { return FColor; }
    void SetColor(TColor colour) { FColor = colour; }
    int Width() const { return FWidth; }
    void SetWidth(int width) { FWidth = width < 1 ? 1 : width; }
    TPenMode Mode() const { return FMode; }
    void SetMode(TPenMode mode) { FMode = mode; }

private:
    TColor FColor = clBlack;
    int FWidth = 1;
    TPenMode FMode = pmCopy;
};

class TBrush {
public:
    TColor Color() const { return FColor; }
    void SetColor(TColor colour) { FColor = colour; }
    TBrushStyle Style() const { return FStyle; }
    void SetStyle(TBrushStyle style) { FStyle = style; }

private:
    TColor FColor = clWhite;
    TBrushStyle FStyle = bsSolid;
};

// A font sized at 96 pixels per inch. Height follows the Windows rule: a
// negative value is the character height (what a point size gives), a
// positive one the cell height, internal leading included.
class TFont {
public:
    TFont();

    QString Name() const { return FFont.family(); }
    void SetName(const QString& name);
    int Size() const;
    void SetSize(int points);
    int Height() const { return FHeight; }
    void SetHeight(int pixels);
    bool Bold() const { return FFont.bold(); }
    void SetBold(bool bold);
    bool Italic() const { return FFont.italic(); }
    void SetItalic(bool italic);
    bool StrikeOut() const { return FFont.strikeOut(); }
    void SetStrikeOut(bool strikeOut);
    TColor Color() const { return FColor; }
    void SetColor(TColor colour) { FColor = colour; }

    // The font as Qt draws it, its pixel size resolved from Height.
    const QFont& Handle() const { return FFont; }
    // Its metrics, and the width and line height of a text in it; both are
    // kept until the font changes, as a grid measures the same few letters
    // over and over.
    const QFontMetrics& Metrics() const;
    QSize TextExtent(const QString& text) const;
    // The text laid out once for drawing in this font, kept likewise.
    const QStaticText& LaidOut(const QString& text) const;

private:
    void ApplyHeight();
    void Changed();

    QFont FFont;
    TColor FColor = clWindowText;
    int FHeight = 0;
    struct TKeptText {
        QSize Extent;
        std::optional<QStaticText> Layout;
    };
    TKeptText& Kept(const QString& text) const;

    mutable std::optional<QFontMetrics> FMetrics;
    mutable QHash<QString, TKeptText> FTexts;
};

// A widget's font as a form names it: family and points at 96 pixels per inch.
QFont FormFont(const QString& name, int points);

// Drawing on an image with the Windows rules: figures leave out their right
// and bottom edge, lines their end point; text is placed by its top-left
// corner on an opaque background in the brush colour (unless the brush is
// clear). The canvas does not own the image; the image may be replaced
// (resized) between calls.
class TCanvas {
public:
    explicit TCanvas(QImage* target);
    ~TCanvas();
    TCanvas(const TCanvas&) = delete;
    TCanvas& operator=(const TCanvas&) = delete;

    // Between these every figure is drawn through one painter, where each
    // would otherwise open its own; pairs may nest. The image must stay
    // while the outermost pair is open.
    void BeginPaint();
    void EndPaint();

    TPen& Pen() { return FPen; }
    TBrush& Brush() { return FBrush; }
    TFont& Font() { return FFont; }
    const TFont& Font() const { return FFont; }
    QImage* Image() const { return FTarget; }

    void Rectangle(int x1, int y1, int x2, int y2);
    void Rectangle(const TRect& rect) { Rectangle(rect.Left, rect.Top, rect.Right, rect.Bottom); }
    void FillRect(const TRect& rect);
    void MoveTo(int x, int y);
    void LineTo(int x, int y);
    void Ellipse(int x1, int y1, int x2, int y2);
    void TextOut(int x, int y, const QString& text);
    QSize TextExtent(const QString& text) const;
    int TextWidth(const QString& text) const { return TextExtent(text).width(); }
    int TextHeight(const QString& text) const { return TextExtent(text).height(); }
    // Rectangle text drawing; flags are TDrawTextFlag bits. '&' is always
    // drawn as itself. Vertical placement applies to single-line text only.
    void DrawText(const TRect& rect, const QString& text, uint32_t flags);
    // The lines DrawText draws, after line breaking and the ellipsis.
    QStringList TextLines(const TRect& rect, const QString& text, uint32_t flags) const;
    // Draws a picture at its own size, or stretched over a rectangle; a
    // transparent picture leaves out the colour of its bottom-left pixel.
    void Draw(int x, int y, const QImage& picture, bool transparent);
    void StretchDraw(const TRect& rect, const QImage& picture, bool transparent);

private:
    bool CanDraw() const { return FTarget && !FTarget->isNull(); }
    // Runs draw with the open painter, its state kept apart, or a new one.
    template <typename Painting> void WithPainter(Painting draw);
    static void FillBox(QPainter& painter, int x, int y, int width, int height, TColor colour);
    void DrawTextLine(int x, int y, const QString& text, const TRect* clip);

    QImage* FTarget;
    TPen FPen;
    TBrush FBrush;
    TFont FFont;
    int FPenX = 0;
    int FPenY = 0;
    std::unique_ptr<QPainter> FPainter;
    int FPaintDepth = 0;
};

// Draws through one painter on a canvas for its lifetime.
class TCanvasPaint {
public:
    // Opened only when Open: a bracket that is not always needed.
    explicit TCanvasPaint(TCanvas& Canvas, bool Open = true) : FCanvas(Canvas), FOpen(Open) {
        if (FOpen)
            FCanvas.BeginPaint();
    }
    ~TCanvasPaint() {
        if (FOpen)
            FCanvas.EndPaint();
    }
    TCanvasPaint(const TCanvasPaint&) = delete;
    TCanvasPaint& operator=(const TCanvasPaint&) = delete;

private:
    TCanvas& FCanvas;
    bool FOpen;
};
