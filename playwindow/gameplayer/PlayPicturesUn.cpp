#include "playwindow/gameplayer/PlayPicturesUn.h"

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
    InitPictureResources();
    return SvgPictureResource("actions", PictureFiles[picture]);
}

void AddPlayPictures(TImageList& list) {
    InitPictureResources();
    list.AddSvgPictures("actions", PictureFiles, PlayPictureCount);
}
