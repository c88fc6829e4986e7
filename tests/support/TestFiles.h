#pragma once

#include "platform/Exception.h"

#include <QByteArray>
#include <QFile>
#include <QString>
#include <functional>
#include <gtest/gtest.h>
#include <string>

// Byte-level file access for fixtures, independent of the code under test.
inline QByteArray ReadBytes(const QString& fileName) {
    QFile file(fileName);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << fileName.toStdString();
    return file.readAll();
}

inline void WriteBytes(const QString& fileName, const QByteArray& bytes) {
    QFile file(fileName);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate)) << fileName.toStdString();
    ASSERT_EQ(bytes.size(), file.write(bytes));
}

// Runs action and gives back the message of the Exception it raised ("" for none).
inline std::string MessageOf(const std::function<void()>& action) {
    try {
        action();
    } catch (const Exception& error) {
        return error.Message().toStdString();
    }
    return "";
}
