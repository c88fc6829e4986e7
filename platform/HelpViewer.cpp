#include "platform/HelpViewer.h"

#include "platform/Exception.h"

#include <QFileInfo>
#include <QPointer>
#include <QUrl>

namespace {

// Closing the window frees it, which empties this pointer.
QPointer<THelpViewer> gViewer;

} // namespace

THelpViewer::THelpViewer() {
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle("Glyphtrove Help");
    resize(520, 480);
    // The document's own links move within it; nothing is fetched or run.
    setOpenExternalLinks(false);
}

THelpViewer* THelpViewer::Current() {
    return gViewer;
}

QString THelpViewer::ContextAnchor(int context) {
    return QString("context-%1").arg(context);
}

THelpViewer* THelpViewer::ShowContext(const QString& helpFile, int context) {
    const QFileInfo info(helpFile);
    if (!info.isFile() || !info.isReadable())
        throw Exception::CreateFmt("Cannot open help file \"%s\"", helpFile);
    if (!gViewer)
        gViewer = new THelpViewer;
    // Shown first: a hidden browser only remembers where to scroll.
    gViewer->setWindowState(gViewer->windowState() & ~Qt::WindowMinimized);
    gViewer->show();
    gViewer->raise();
    gViewer->activateWindow();
    QUrl url = QUrl::fromLocalFile(info.absoluteFilePath());
    url.setFragment(ContextAnchor(context));
    gViewer->setSource(url, QTextDocument::HtmlResource);
    // The same page again does not scroll by itself.
    gViewer->scrollToAnchor(url.fragment());
    return gViewer;
}
