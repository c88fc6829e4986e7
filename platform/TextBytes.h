#pragma once

#include <QByteArray>
#include <QString>

// Text as the system's files hold it. Written in Windows-1252, as older
// Windows copies wrote it, when every character is in that code page and the
// bytes do not read back as different UTF-8; otherwise written as UTF-8.
// Read as UTF-8 when the bytes are valid UTF-8, otherwise as Windows-1252.
QByteArray TextToBytes(const QString& Text);
QString BytesToText(const QByteArray& Bytes);
