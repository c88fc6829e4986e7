#pragma once

#include <QFile>
#include <QString>
#include <algorithm>
#include <csignal>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

// Files that are no regular files, for tests of the code that opens a
// user's files.

// A named pipe at Name; false when the system cannot make one.
inline bool MakeNamedPipe(const QString& Name) {
    return mkfifo(QFile::encodeName(Name).constData(), 0644) == 0;
}

// A socket bound at Name (a short path), or -1; the caller closes it.
inline int MakeSocketFile(const QString& Name) {
    const QByteArray path = QFile::encodeName(Name);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    if (size_t(path.size()) >= sizeof address.sun_path)
        return -1;
    std::copy(path.begin(), path.end(), address.sun_path);
    const int handle = socket(AF_UNIX, SOCK_STREAM, 0);
    if (handle >= 0 && bind(handle, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0) {
        close(handle);
        return -1;
    }
    return handle;
}

// Ends the test program, with a message, when the code run while it lives
// is still running after Seconds: a call that waits on a pipe fails the
// suite rather than hanging it.
class HangGuard {
public:
    explicit HangGuard(unsigned Seconds = 5) {
        struct sigaction action {};
        action.sa_handler = &Blocked;
        sigaction(SIGALRM, &action, &FOld);
        alarm(Seconds);
    }
    ~HangGuard() {
        alarm(0);
        sigaction(SIGALRM, &FOld, nullptr);
    }
    HangGuard(const HangGuard&) = delete;
    HangGuard& operator=(const HangGuard&) = delete;

private:
    static void Blocked(int) {
        static const char message[] = "\nA call that must never wait was still waiting: "
                                      "the test program ends here.\n";
        if (write(STDERR_FILENO, message, sizeof message - 1) < 0) {
        }
        _exit(1);
    }
    struct sigaction FOld {};
};
