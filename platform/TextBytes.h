#pragma once

#include <QByteArray>
#include <QString>
#include <cstdint>

// Text as the system's files hold it. Written in Windows-1252, as older
// Windows copies wrote it, when every character is in that code page and the
// bytes do not read back as different UTF-8; otherwise written as UTF-8.
// Read as UTF-8 when the bytes are valid UTF-8, otherwise as Windows-1252.
QByteArray TextToBytes(const QString& Text);
QString BytesToText(const QByteArray& Bytes);

// One character as one Windows-1252 byte: the byte that reads back as
// Letter, or -1 when no byte does. A C1 control that the code page gives
// another character (U+0085 reads back as an ellipsis) has none.
int CodePageByte(QChar Letter);
// The character that one Windows-1252 byte reads as.
QChar CodePageChar(uint8_t Byte);
