// A small X11 client for the end-to-end tests, which run offscreen and so
// cannot reach the X server themselves.
//   x11client own TEXT   holds TEXT as the PRIMARY selection (what a middle
//                        click pastes), says "owned", and keeps serving it
//                        until it is ended;
//   x11client clipboard  prints the CLIPBOARD's text;
//   x11client shot FILE  saves the whole screen as a PNG picture.

#include <QClipboard>
#include <QGuiApplication>
#include <QPixmap>
#include <QScreen>
#include <QTextStream>
#include <QTimer>

int main(int argc, char* argv[]) {
    QGuiApplication application(argc, argv);
    const QStringList arguments = application.arguments();
    QTextStream out(stdout);
    QClipboard* clipboard = QGuiApplication::clipboard();
    const QString command = arguments.value(1);
    if (arguments.size() == 3 && command == "own" && clipboard->supportsSelection()) {
        clipboard->setText(arguments[2], QClipboard::Selection);
        // Once the event loop runs, the server knows the new owner.
        QTimer::singleShot(0, [&out] { out << "owned" << Qt::endl; });
        return application.exec();
    }
    if (arguments.size() == 2 && command == "clipboard") {
        out << clipboard->text(QClipboard::Clipboard);
        return 0;
    }
    if (arguments.size() == 3 && command == "shot")
        return QGuiApplication::primaryScreen()->grabWindow(0).save(arguments[2], "PNG") ? 0 : 1;
    QTextStream(stderr) << "usage: x11client own TEXT | clipboard | shot FILE\n";
    return 2;
}
