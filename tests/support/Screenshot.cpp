#include "support/Screenshot.h"

#include <QApplication>
#include <QDir>
#include <QPixmap>
#include <QWidget>
#include <gtest/gtest.h>

QString ScreenshotFile(const QString& name) {
    const QString folder = qEnvironmentVariable("GLYPHTROVE_SCREENSHOTS");
    if (folder.isEmpty())
        return QString();
    QDir().mkpath(folder);
    return folder + "/" + name + ".png";
}

void KeepScreenshot(const QImage& image, const QString& name) {
    const QString file = ScreenshotFile(name);
    if (!file.isEmpty()) {
        EXPECT_TRUE(image.save(file)) << name.toStdString();
    }
}

QImage TakeScreenshot(QWidget& widget, const QString& name) {
    QApplication::processEvents();
    const QImage image = widget.grab().toImage();
    KeepScreenshot(image, name);
    return image;
}
