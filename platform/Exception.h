#pragma once

#include "platform/Format.h"

#include <QString>
#include <exception>

// The general exception class: every failure of the system carries a
// formatted message that a window shows in its error box.
class Exception : public std::exception {
public:
    explicit Exception(const QString& message) : FMessage(message), FUtf8(message.toUtf8()) {}
    template <typename... Args>
    static Exception CreateFmt(const QString& format, const Args&... args) {
        return Exception(Format(format, args...));
    }
    const QString& Message() const noexcept { return FMessage; }
    const char* what() const noexcept override { return FUtf8.constData(); }

private:
    QString FMessage;
    QByteArray FUtf8;
};

// The class library's list-index error, raised for an index outside a list.
class EListError : public Exception {
public:
    explicit EListError(int index) : Exception(Format("List index out of bounds (%d)", index)) {}
};

// The class library's stream errors.
class EReadError : public Exception {
public:
    EReadError() : Exception("Stream read error") {}
};
class EWriteError : public Exception {
public:
    EWriteError() : Exception("Stream write error") {}
};
class EFCreateError : public Exception {
public:
    using Exception::Exception;
};
class EFOpenError : public Exception {
public:
    using Exception::Exception;
};

// A failure inside a component the program drives rather than in its own code.
class EExternalException : public Exception {
public:
    using Exception::Exception;
};
