#pragma once

#include "platform/Canvas.h"

#include <QString>

// Fills Rect with the canvas brush, then draws Text inside it word-wrapped,
// with '&' as itself and an ellipsis where a line does not fit, in the
// canvas font. Horizontal: 1 centred, 2 right, else left. Vertical: 0 top,
// 2 bottom, else centred; it only moves single-line text, so wrapped text
// starts at the top.
void DrawTextInRect(TCanvas& Canvas, const TRect& Rect, const QString& Text, int Horizontal,
                    int Vertical);
