#pragma once

#include <QByteArray>
#include <QString>

// The bytes of the system's files. Everything is written as UTF-8; a reader
// takes bytes that are valid UTF-8 as UTF-8 and any other bytes as
// Windows-1252, so files written by older Windows copies still load.
bool IsValidUtf8(const QByteArray& Bytes);
QString DecodeWindows1252(const QByteArray& Bytes);
QString DecodeText(const QByteArray& Bytes);
QByteArray EncodeText(const QString& Text);
