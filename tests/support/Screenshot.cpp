#include "support/Screenshot.h"

#include <QApplication>
#include <QDir>
#include <QPixmap>
#include <QWidget>
#include <gtest/gtest.h>

void KeepScreenshot(const QImage& image, const QString& name) {
    const QString folder = qEnvironmentVariable("GLYPHTROVE_SCREENSHOTS");
    if (folder.isEmpty())
        return;
    QDir().mkpath(folder);
    EXPECT_TRUE(image.save(folder + "/" + name + ".png")) << name.toStdString();
}

QImage TakeScreenshot(QWidget& widget, const QString& name) {
    QApplication::processEvents();
    const QImage image = widget.grab().toImage();
    KeepScreenshot(image, name);
    return image;
}
