// The play window's screen modes: full screen and the normal window.

#include "playwindow/gameplayer/frmGamePlayerUn.h"

#include "playwindow/gameplayer/PlayHelpTextsUn.h"
#include "playwindow/options/frmPlayOptionsUn.h"

#include <QAction>
#include <QWindow>

void TfrmGamePlayer::actFullscreenExecute() {
    SetScreenMode(smFull);
}

void TfrmGamePlayer::actNormalScreenExecute() {
    SetScreenMode(smNormal);
}

void TfrmGamePlayer::SetScreenModeFromOptions() {
    SetScreenMode(Options().MaximiseWindow() ? smFull : smNormal);
}

void TfrmGamePlayer::SetScreenMode(TScreenMode mode) {
    if (mode == smNormal) {
        if (windowFlags() & Qt::FramelessWindowHint) {
            setWindowState(windowState() & ~(Qt::WindowMaximized | Qt::WindowFullScreen));
            SetFrameless(false);
            RestoreNormalPlace();
        }
        actFullscreen->setVisible(true);
        actNormalScreen->setVisible(false);
        FitBoard();
        ShowHelpNow(hiNormalWindow);
        return;
    }
    if (!(windowFlags() & Qt::FramelessWindowHint))
        RememberNormalPlace();
    SetFrameless(true);
    setWindowState(windowState() | Qt::WindowMaximized);
    actFullscreen->setVisible(false);
    actNormalScreen->setVisible(true);
    ShowHelpNow(hiFullScreen);
}

// The place is the inner area's, which does not depend on the frame: the
// frameless window has none, and a frame's place handed to it is taken for
// the inner area's, moving the window by a frame's size on every trip.
// A window not shown yet gets its place at its first show.
void TfrmGamePlayer::RememberNormalPlace() {
    FNormalSize = size();
    if (isVisible())
        FNormalPos = geometry().topLeft();
    FNormalRightWidth = pnlRight->width();
}

// Un-maximising gives the window manager's idea of the place, which for a
// window that opened full screen is the full screen's corner; and the side
// panel would keep the width it took there, squeezing the grid.
void TfrmGamePlayer::RestoreNormalPlace() {
    if (FNormalPos)
        setGeometry(QRect(*FNormalPos, FNormalSize));
    else
        resize(FNormalSize);
    if (FShownBefore && FNormalRightWidth > 0) {
        SetRightPanelWidth(FNormalRightWidth);
        ResizeGrid();
    }
}

// A shown window changes its frame in place: new flags for the widget would
// unmap it and map it anew, a new window for the window manager to frame
// and place.
void TfrmGamePlayer::SetFrameless(bool frameless) {
    Qt::WindowFlags flags = windowFlags();
    flags.setFlag(Qt::FramelessWindowHint, frameless);
    if (QWindow* window = windowHandle()) {
        overrideWindowFlags(flags);
        window->setFlags(flags);
    } else
        setWindowFlags(flags);
}
