#pragma once

#include <QApplication>
#include <QTest>
#include <QWidget>
#include <gtest/gtest.h>

// Shows a form and makes it the active window, so focus moves as it does
// for a user.
inline void ShowActive(QWidget& form) {
    form.show();
    QApplication::setActiveWindow(&form);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
}

// The colour of an empty stretch of a list's viewport.
inline QRgb BackgroundOf(QWidget& viewport) {
    return viewport.grab().toImage().pixel(viewport.width() - 3, viewport.height() - 3);
}
