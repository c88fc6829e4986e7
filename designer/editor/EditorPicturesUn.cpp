#include "designer/editor/EditorPicturesUn.h"

namespace {

const char* const PictureFiles[EditorPictureCount] = {
    "reset",        "loadgame",    "savegame",       "saveas",         "printsetup",
    "printpreview", "print",       "hideeditor",     "closeeditor",    "showallwords",
    "hidewords",    "findword",    "findpattern",    "findduplicates", "removeword",
    "wordedit",     "wordadd",     "eraseselection", "makedummy",      "wishlist",
    "gridsize",     "finish",      "unfinish",       "stats",          "preferences",
    "helpcontents", "howtouse",    "tutorial",       "hidehelp",       "showhelp",
    "about",        "puzzletitle", "wordlist",       "interactivehelp"};

} // namespace

// The resources live in a static library, so they are registered by hand.
static void InitPictureResources() {
    static const bool done = [] {
        Q_INIT_RESOURCE(editor);
        return true;
    }();
    Q_UNUSED(done);
}

QString EditorPictureResource(TEditorPicture picture) {
    InitPictureResources();
    return SvgPictureResource("editor", PictureFiles[picture]);
}

void AddEditorPictures(TImageList& list) {
    InitPictureResources();
    list.AddSvgPictures("editor", PictureFiles, EditorPictureCount);
}
