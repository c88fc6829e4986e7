#pragma once

#include <QImage>
#include <QString>

class QWidget;

// Renders a widget as it shows on screen. When $GLYPHTROVE_SCREENSHOTS names a
// folder (tools/screenshots.sh sets it), the picture is also saved there as
// <name>.png, to be looked at. Tests that take one have "Screenshot" in their
// name, so the script can run them alone.
QImage TakeScreenshot(QWidget& widget, const QString& name);

// Where a screenshot called name is kept, its folder made; "" when none are
// asked for.
QString ScreenshotFile(const QString& name);

// Saves an image taken otherwise under the same rule.
void KeepScreenshot(const QImage& image, const QString& name);
