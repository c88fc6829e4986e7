#include "engine/genlib/DrawTextUn.h"

namespace {

uint32_t HorizontalFlag(int Horizontal) {
    if (Horizontal == 1)
        return dtCenter;
    if (Horizontal == 2)
        return dtRight;
    return dtLeft;
}

uint32_t VerticalFlag(int Vertical) {
    if (Vertical == 0)
        return dtTop;
    if (Vertical == 2)
        return dtBottom;
    return dtVCenter;
}

} // namespace

void DrawTextInRect(TCanvas& Canvas, const TRect& Rect, const QString& Text, int Horizontal,
                    int Vertical) {
    Canvas.FillRect(Rect);
    Canvas.DrawText(Rect, Text,
                    dtWordBreak | dtNoPrefix | dtEndEllipsis | HorizontalFlag(Horizontal) |
                        VerticalFlag(Vertical));
}
