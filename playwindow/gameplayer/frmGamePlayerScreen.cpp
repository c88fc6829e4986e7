// The play window's screen modes: full screen and the normal window.

#include "playwindow/gameplayer/frmGamePlayerUn.h"

#include "playwindow/gameplayer/PlayHelpTextsUn.h"
#include "playwindow/options/frmPlayOptionsUn.h"

#include <QAction>

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
        FitSidePanel();
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

// A window not shown yet has no place of its own: it keeps the one it gets.
void TfrmGamePlayer::RememberNormalPlace() {
    FNormalSize = size();
    FNormalPos = isVisible() ? std::optional<QPoint>(pos()) : std::nullopt;
    FNormalRightWidth = pnlRight->width();
}

// The re-created frame would otherwise start where the full screen was, and
// the side panel would keep the width it took there, squeezing the grid.
void TfrmGamePlayer::RestoreNormalPlace() {
    resize(FNormalSize);
    if (FNormalPos)
        move(*FNormalPos);
    if (FShownBefore && FNormalRightWidth > 0) {
        SetRightPanelWidth(FNormalRightWidth);
        ResizeGrid();
    }
}

// A new frame re-creates the window, which hides it for a moment: that is
// no closing, so the game runs on and the caller window stays hidden.
void TfrmGamePlayer::SetFrameless(bool frameless) {
    const bool shown = isVisible();
    FChangingFrame = true;
    setWindowFlag(Qt::FramelessWindowHint, frameless);
    if (shown)
        show();
    FChangingFrame = false;
}
