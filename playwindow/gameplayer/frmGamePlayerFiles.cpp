// The play window's games: playing, opening and printing them.

#include "playwindow/gameplayer/frmGamePlayerUn.h"

#include "platform/Format.h"
#include "platform/Guard.h"
#include "playwindow/controls/StaticListBoxUn.h"
#include "playwindow/gameplayer/PlayHelpTextsUn.h"
#include "playwindow/options/frmPlayOptionsUn.h"
#include "playwindow/printpreview/frmHTMLPrintPreviewUn.h"

#include <QAction>

namespace {

const QString NoGameTitle = QStringLiteral("<no game loaded>");

} // namespace

bool TfrmGamePlayer::PlayGame(const QString& fileName) {
    Options().Load();
    ApplyLayoutOptions();
    FLastGamePath = FPlayer->GetPuzzleFolder() + '/';
    if (!fileName.isEmpty()) {
        // A file that cannot be played is reported here, once, and the
        // window stays as it was.
        bool opened = false;
        Guarded([&] {
            OpenGame(fileName);
            opened = true;
        });
        if (!opened)
            return FGameLoaded;
    } else if (!FGameLoaded)
        actOpen->trigger();
    SetScreenModeFromOptions();
    if (FGameLoaded)
        ShowInFront();
    else
        ShowCallerForm();
    return FGameLoaded;
}

// A window shown already may lie behind the one that asked for the game.
void TfrmGamePlayer::ShowInFront() {
    show();
    raise();
    activateWindow();
}

void TfrmGamePlayer::actOpenExecute() {
    TFileDialogOptions dialog;
    dialog.DefaultExt = QStringLiteral("gtg");
    dialog.Filter = Format("Game File (*.%s)|*.%s|All Files (*.*)|*.*", "gtg", "gtg");
    dialog.FilterIndex = 1;
    const int split = FLastGamePath.lastIndexOf('/') + 1;
    dialog.InitialDir = FLastGamePath.left(split);
    dialog.FileName = FLastGamePath.mid(split);
    if (services().OpenFileDialog(this, dialog))
        OpenGame(dialog.FileName);
}

void TfrmGamePlayer::OpenGame(const QString& fileName) {
    FLastGamePath = fileName;
    lbxWords->Items().Clear();
    try {
        FPlayer->LoadFromFile(fileName);
    } catch (...) {
        // Nothing of a half-read game stays: the error box shows over the
        // empty board.
        ShowNoGame();
        throw;
    }
    FitBoard();
    ApplyColourScheme();
    UpdateTitle();
    UpdateStatusBar();
    ResetHints();
    ApplyTimerOption(true);
    FGameLoaded = true;
}

// The empty board, list, title and status of no game, its actions disabled.
// A later Play asks for a file rather than showing the empty board.
void TfrmGamePlayer::ShowNoGame() {
    FGameLoaded = false;
    EndFlash();
    FPlayer->GamePreferences()->Reset();
    FPlayer->SetGridSize(EmptyBoardSide, EmptyBoardSide);
    FPlayer->NewGame(NoGameTitle, QString());
    FitBoard();
    lbxWords->Items().Clear();
    FHintsLeft = 0;
    UpdateTitle();
    UpdateStatusBar();
    LeavePause();
    EnableGameActions(false);
}

void TfrmGamePlayer::actPrintExecute() {
    ShowHelpNow(hiPrint);
    PrintPuzzlePage(this, *FPlayer);
}
