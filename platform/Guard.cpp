#include "platform/Guard.h"

void ShowGuardedError(const QString& message) noexcept {
    try {
        services().MessageDlg(message, mtError, mbOK);
    } catch (...) {
        // The error box itself failed: nothing more can be shown.
    }
}
