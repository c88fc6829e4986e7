#pragma once

#include <QByteArray>
#include <QString>

// Text as the system's files hold it: written as UTF-8; read as UTF-8 when
// the bytes are valid UTF-8, otherwise as Windows-1252 so that files from
// older Windows copies load.
QByteArray TextToBytes(const QString& Text);
QString BytesToText(const QByteArray& Bytes);
