#include "designer/dialogs/PrefsPicturesUn.h"

#include <QtGlobal>

void RegisterPrefsPictures() {
    static const bool registered = [] {
        Q_INIT_RESOURCE(prefs);
        return true;
    }();
    Q_UNUSED(registered);
}
