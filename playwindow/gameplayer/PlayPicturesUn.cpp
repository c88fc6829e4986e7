#include "playwindow/gameplayer/PlayPicturesUn.h"

#include <QPainter>
#include <QSvgRenderer>

namespace {

const char* const PictureFiles[PlayPictureCount] = {
    "open",       "print",          "close",          "restart",        "giveup",   "usetimer",
    "showhint",   "hidefoundwords", "showfoundwords", "pause",          "continue", "options",
    "fullscreen", "normalwindow",   "helpcontents",   "playerhelp",     "showhelp", "hidehelp",
    "about",      "puzzletitle",    "wordlist",       "interactivehelp"};

} // namespace

// The resources live in a static library, so they are registered by hand.
static void InitPictureResources() {
    static const bool done = [] {
        Q_INIT_RESOURCE(actions);
        return true;
    }();
    Q_UNUSED(done);
}

QString PlayPictureResource(TPlayPicture picture) {
    return QString(":/actions/%1.svg").arg(QLatin1String(PictureFiles[picture]));
}

QImage PlayPicture(TPlayPicture picture) {
    InitPictureResources();
    QImage image(PlayPictureSize, PlayPictureSize, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QSvgRenderer renderer(PlayPictureResource(picture));
    QPainter painter(&image);
    renderer.render(&painter);
    return image;
}

void AddPlayPictures(TImageList& list) {
    for (int index = 0; index < PlayPictureCount; ++index)
        list.Add(PlayPicture(TPlayPicture(index)));
}
