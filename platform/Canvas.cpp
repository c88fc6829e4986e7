#include "platform/Canvas.h"

#include <QFontMetrics>
#include <QPainter>
#include <QStringList>
#include <algorithm>
#include <cstdlib>

namespace {

constexpr int kPixelsPerInch = 96;
constexpr int kDefaultHeight = -11; // 8 points
const QString kEllipsis = QStringLiteral("...");

int MulDiv(int number, int numerator, int denominator) {
    const int64_t product = int64_t(number) * numerator;
    const int64_t half = denominator / 2;
    return int((product >= 0 ? product + half : product - half) / denominator);
}

// Beyond this the font engine's metrics overflow; no screen needs more.
constexpr int kMaxPixelSize = 16384;
constexpr int kMaxKeptTexts = 256;

int CellHeightAt(QFont font, int pixelSize) {
    font.setPixelSize(pixelSize);
    return QFontMetrics(font).height();
}

// The largest pixel size whose cell height (ascent plus descent) is at most
// cellHeight; at least 1. A glyph's cell is never shorter than its pixel
// size, so the search stays within 1..cellHeight.
int PixelSizeForCellHeight(const QFont& font, int cellHeight) {
    int low = 1;
    int high = std::min(cellHeight, kMaxPixelSize);
    while (low < high) {
        const int middle = low + (high - low + 1) / 2;
        if (CellHeightAt(font, middle) <= cellHeight)
            low = middle;
        else
            high = middle - 1;
    }
    return low;
}

// The picture with every pixel of its bottom-left colour made transparent.
QImage TransparentCopy(const QImage& picture) {
    QImage copy = picture.convertToFormat(QImage::Format_ARGB32);
    if (copy.isNull())
        return copy;
    const QRgb key = copy.pixel(0, copy.height() - 1) | 0xFF000000u;
    for (int y = 0; y < copy.height(); ++y) {
        QRgb* line = reinterpret_cast<QRgb*>(copy.scanLine(y));
        for (int x = 0; x < copy.width(); ++x)
            if ((line[x] | 0xFF000000u) == key)
                line[x] = 0;
    }
    return copy;
}

bool HasControlCharacter(const QString& text) {
    return std::any_of(text.begin(), text.end(), [](QChar c) { return c.unicode() < 0x20; });
}

QStringList ExplicitLines(const QString& text) {
    QString unified = text;
    unified.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    unified.replace(QChar('\r'), QChar('\n'));
    return unified.split(QChar('\n'));
}

// Breaks one paragraph between words so that each line fits width; a word
// wider than width stays whole on its own line.
QStringList WrapWords(const QString& paragraph, const QFontMetrics& metrics, int width) {
    QStringList lines;
    QString current;
    for (const QString& word : paragraph.split(QChar(' '))) {
        const QString candidate = current.isEmpty() ? word : current + QChar(' ') + word;
        if (current.isEmpty() || metrics.horizontalAdvance(candidate) <= width) {
            current = candidate;
            continue;
        }
        lines << current;
        current = word;
    }
    lines << current;
    return lines;
}

QString ElideEnd(const QString& line, const QFontMetrics& metrics, int width) {
    if (metrics.horizontalAdvance(line) <= width)
        return line;
    for (int length = line.size() - 1; length > 0; --length) {
        const QString shortened = line.left(length) + kEllipsis;
        if (metrics.horizontalAdvance(shortened) <= width)
            return shortened;
    }
    return kEllipsis;
}

int AlignedLeft(const TRect& rect, int lineWidth, uint32_t flags) {
    if (flags & dtCenter)
        return rect.Left + (rect.Width() - lineWidth) / 2;
    if (flags & dtRight)
        return rect.Right - lineWidth;
    return rect.Left;
}

int FirstLineTop(const TRect& rect, int lineHeight, uint32_t flags) {
    if (!(flags & dtSingleLine))
        return rect.Top;
    if (flags & dtBottom)
        return rect.Bottom - lineHeight;
    if (flags & dtVCenter)
        return rect.Top + (rect.Height() - lineHeight) / 2;
    return rect.Top;
}

} // namespace

TFont::TFont() {
    FFont.setFamily(QStringLiteral("Arial"));
    SetHeight(kDefaultHeight);
}

void TFont::SetName(const QString& name) {
    FFont.setFamily(name);
    ApplyHeight();
}

void TFont::SetBold(bool bold) {
    FFont.setBold(bold);
    Changed();
}

void TFont::SetItalic(bool italic) {
    FFont.setItalic(italic);
    Changed();
}

void TFont::SetStrikeOut(bool strikeOut) {
    FFont.setStrikeOut(strikeOut);
    Changed();
}

int TFont::Size() const {
    return -MulDiv(FHeight, 72, kPixelsPerInch);
}

void TFont::SetSize(int points) {
    SetHeight(-MulDiv(points, kPixelsPerInch, 72));
}

void TFont::SetHeight(int pixels) {
    FHeight = pixels == 0 ? kDefaultHeight : pixels;
    ApplyHeight();
}

void TFont::ApplyHeight() {
    if (FHeight < 0)
        FFont.setPixelSize(int(std::min<int64_t>(-int64_t(FHeight), kMaxPixelSize)));
    else
        FFont.setPixelSize(PixelSizeForCellHeight(FFont, FHeight));
    Changed();
}

void TFont::Changed() {
    FMetrics.reset();
    FTexts.clear();
}

const QFontMetrics& TFont::Metrics() const {
    if (!FMetrics)
        FMetrics.emplace(FFont);
    return *FMetrics;
}

TFont::TKeptText& TFont::Kept(const QString& text) const {
    const auto known = FTexts.find(text);
    if (known != FTexts.end())
        return *known;
    // Texts drawn once (a caption, a title) would only fill the store.
    if (FTexts.size() >= kMaxKeptTexts)
        FTexts.clear();
    return *FTexts.insert(text, {QSize(Metrics().horizontalAdvance(text), Metrics().height()), {}});
}

QSize TFont::TextExtent(const QString& text) const {
    return Kept(text).Extent;
}

const QStaticText& TFont::LaidOut(const QString& text) const {
    TKeptText& kept = Kept(text);
    if (!kept.Layout) {
        kept.Layout.emplace(text);
        kept.Layout->setTextFormat(Qt::PlainText);
        kept.Layout->prepare(QTransform(), FFont);
    }
    return *kept.Layout;
}

TCanvas::TCanvas(QImage* target) : FTarget(target) {}

TCanvas::~TCanvas() = default;

void TCanvas::BeginPaint() {
    if (FPaintDepth++ == 0 && CanDraw())
        FPainter = std::make_unique<QPainter>(FTarget);
}

void TCanvas::EndPaint() {
    if (FPaintDepth > 0 && --FPaintDepth == 0)
        FPainter.reset();
}

template <typename Painting> void TCanvas::WithPainter(Painting draw) {
    if (FPainter) {
        FPainter->save();
        draw(*FPainter);
        FPainter->restore();
        return;
    }
    QPainter painter(FTarget);
    draw(painter);
}

QFont FormFont(const QString& name, int points) {
    TFont font;
    font.SetName(name);
    font.SetSize(points);
    return font.Handle();
}

void TCanvas::FillBox(QPainter& painter, int x, int y, int width, int height, TColor colour) {
    if (width > 0 && height > 0)
        painter.fillRect(x, y, width, height, ToQColor(colour));
}

void TCanvas::Rectangle(int x1, int y1, int x2, int y2) {
    if (!CanDraw())
        return;
    if (x2 < x1)
        std::swap(x1, x2);
    if (y2 < y1)
        std::swap(y1, y2);
    const int width = x2 - x1;
    const int height = y2 - y1;
    WithPainter([&](QPainter& painter) {
        if (FBrush.Style() == bsSolid)
            FillBox(painter, x1, y1, width, height, FBrush.Color());
        // The outline lies inside the figure, so a wide pen never grows it.
        const int pen = std::min({FPen.Width(), width, height});
        FillBox(painter, x1, y1, width, pen, FPen.Color());
        FillBox(painter, x1, y2 - pen, width, pen, FPen.Color());
        FillBox(painter, x1, y1, pen, height, FPen.Color());
        FillBox(painter, x2 - pen, y1, pen, height, FPen.Color());
    });
}

void TCanvas::FillRect(const TRect& rect) {
    if (FBrush.Style() != bsSolid || !CanDraw())
        return;
    WithPainter([&](QPainter& painter) {
        FillBox(painter, rect.Left, rect.Top, rect.Width(), rect.Height(), FBrush.Color());
    });
}

void TCanvas::MoveTo(int x, int y) {
    FPenX = x;
    FPenY = y;
}

void TCanvas::LineTo(int x, int y) {
    const int x0 = FPenX;
    const int y0 = FPenY;
    MoveTo(x, y);
    if (!CanDraw())
        return;
    if (FPen.Width() > 1) {
        WithPainter([&](QPainter& painter) {
            painter.setRenderHint(QPainter::Antialiasing);
            painter.setPen(QPen(ToQColor(FPen.Color()), FPen.Width(), Qt::SolidLine, Qt::RoundCap));
            painter.drawLine(QPointF(x0 + 0.5, y0 + 0.5), QPointF(x + 0.5, y + 0.5));
        });
        return;
    }
    // Bresenham, leaving out the end point.
    const QRgb colour = ToQColor(FPen.Color()).rgb();
    const int dx = std::abs(x - x0);
    const int dy = -std::abs(y - y0);
    const int stepX = x0 < x ? 1 : -1;
    const int stepY = y0 < y ? 1 : -1;
    int error = dx + dy;
    for (int px = x0, py = y0; px != x || py != y;) {
        if (FTarget->valid(px, py))
            FTarget->setPixel(px, py, colour);
        const int doubled = 2 * error;
        if (doubled >= dy) {
            error += dy;
            px += stepX;
        }
        if (doubled <= dx) {
            error += dx;
            py += stepY;
        }
    }
}

void TCanvas::Ellipse(int x1, int y1, int x2, int y2) {
    if (!CanDraw())
        return;
    WithPainter([&](QPainter& painter) {
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(QPen(ToQColor(FPen.Color()), FPen.Width()));
        if (FBrush.Style() == bsSolid)
            painter.setBrush(ToQColor(FBrush.Color()));
        const double inset = FPen.Width() / 2.0;
        painter.drawEllipse(
            QRectF(x1 + inset, y1 + inset, (x2 - x1) - FPen.Width(), (y2 - y1) - FPen.Width()));
    });
}

void TCanvas::DrawTextLine(int x, int y, const QString& text, const TRect* clip) {
    if (!CanDraw())
        return;
    const QSize extent = TextExtent(text);
    WithPainter([&](QPainter& painter) {
        if (clip)
            painter.setClipRect(clip->Left, clip->Top, clip->Width(), clip->Height());
        if (FBrush.Style() == bsSolid)
            painter.fillRect(x, y, extent.width(), extent.height(), ToQColor(FBrush.Color()));
        painter.setFont(FFont.Handle());
        painter.setPen(ToQColor(FFont.Color()));
        // A kept layout draws the very pixels drawText does, without shaping
        // the text again; a control character is left to drawText's rules.
        if (HasControlCharacter(text))
            painter.drawText(QPoint(x, y + FFont.Metrics().ascent()), text);
        else
            painter.drawStaticText(QPoint(x, y), FFont.LaidOut(text));
    });
}

void TCanvas::TextOut(int x, int y, const QString& text) {
    DrawTextLine(x, y, text, nullptr);
    MoveTo(x + TextWidth(text), y);
}

QSize TCanvas::TextExtent(const QString& text) const {
    return FFont.TextExtent(text);
}

QStringList TCanvas::TextLines(const TRect& rect, const QString& text, uint32_t flags) const {
    const QFontMetrics& metrics = FFont.Metrics();
    QStringList lines;
    if (flags & dtSingleLine)
        lines << text;
    else
        for (const QString& paragraph : ExplicitLines(text))
            lines << ((flags & dtWordBreak) ? WrapWords(paragraph, metrics, rect.Width())
                                            : QStringList{paragraph});
    if (flags & dtEndEllipsis)
        for (QString& line : lines)
            line = ElideEnd(line, metrics, rect.Width());
    return lines;
}

void TCanvas::DrawText(const TRect& rect, const QString& text, uint32_t flags) {
    const QFontMetrics& metrics = FFont.Metrics();
    const int lineHeight = metrics.height();
    int top = FirstLineTop(rect, lineHeight, flags);
    for (const QString& line : TextLines(rect, text, flags)) {
        if (top >= rect.Bottom)
            break;
        if (!line.isEmpty())
            DrawTextLine(AlignedLeft(rect, metrics.horizontalAdvance(line), flags), top, line,
                         &rect);
        top += lineHeight;
    }
}

void TCanvas::Draw(int x, int y, const QImage& picture, bool transparent) {
    if (!CanDraw())
        return;
    WithPainter([&](QPainter& painter) {
        painter.drawImage(x, y, transparent ? TransparentCopy(picture) : picture);
    });
}

void TCanvas::StretchDraw(const TRect& rect, const QImage& picture, bool transparent) {
    if (!CanDraw())
        return;
    WithPainter([&](QPainter& painter) {
        painter.drawImage(QRect(rect.Left, rect.Top, rect.Width(), rect.Height()),
                          transparent ? TransparentCopy(picture) : picture);
    });
}
