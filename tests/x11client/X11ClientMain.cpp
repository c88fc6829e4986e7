// A small X11 client for the end-to-end tests, which run offscreen and so
// cannot reach the X server themselves.
//   x11client own TEXT   holds TEXT as the PRIMARY selection (what a middle
//                        click pastes), says "owned", and keeps serving it
//                        until it is ended;
//   x11client clipboard  prints the CLIPBOARD's text;
//   x11client shot FILE  saves the whole screen as a PNG picture;
//   x11client frame ID   prints "X Y WIDTH HEIGHT" of the window's frame as
//                        the X server has it: the top-level window holding
//                        window ID, the window manager's frame (the window
//                        itself without one), its border included.

#include <QClipboard>
#include <QGuiApplication>
#include <QPixmap>
#include <QScreen>
#include <QTextStream>
#include <QTimer>
#include <QtGui/qguiapplication_platform.h>
#include <cstdlib>
#include <xcb/xcb.h>

namespace {

// The child of the root window that holds Window, or 0 when there is none.
xcb_window_t TopLevel(xcb_connection_t* Connection, xcb_window_t Window) {
    while (Window) {
        xcb_query_tree_reply_t* tree =
            xcb_query_tree_reply(Connection, xcb_query_tree(Connection, Window), nullptr);
        if (!tree)
            return 0;
        const bool topLevel = tree->parent == tree->root;
        const xcb_window_t parent = tree->parent;
        std::free(tree);
        if (topLevel)
            return Window;
        Window = parent;
    }
    return 0;
}

bool PrintFrame(QTextStream& Out, const QString& Id) {
    const auto* x11 = qApp->nativeInterface<QNativeInterface::QX11Application>();
    bool number = false;
    const xcb_window_t window = Id.toUInt(&number, 0);
    if (!x11 || !number)
        return false;
    xcb_connection_t* connection = x11->connection();
    const xcb_window_t frame = TopLevel(connection, window);
    xcb_get_geometry_reply_t* geometry =
        frame ? xcb_get_geometry_reply(connection, xcb_get_geometry(connection, frame), nullptr)
              : nullptr;
    if (!geometry)
        return false;
    const int border = geometry->border_width;
    Out << geometry->x << " " << geometry->y << " " << geometry->width + 2 * border << " "
        << geometry->height + 2 * border << Qt::endl;
    std::free(geometry);
    return true;
}

} // namespace

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
    if (arguments.size() == 3 && command == "frame")
        return PrintFrame(out, arguments[2]) ? 0 : 1;
    if (arguments.size() == 3 && command == "shot")
        return QGuiApplication::primaryScreen()->grabWindow(0).save(arguments[2], "PNG") ? 0 : 1;
    QTextStream(stderr) << "usage: x11client own TEXT | clipboard | shot FILE | frame ID\n";
    return 2;
}
