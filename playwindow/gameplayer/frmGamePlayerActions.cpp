// The play window's game, timer and help actions.

#include "playwindow/gameplayer/frmGamePlayerUn.h"

#include "engine/genlib/GenLibUn.h"
#include "platform/Guard.h"
#include "playwindow/about/frmAboutUn.h"
#include "playwindow/gameplayer/PlayHelpTextsUn.h"
#include "playwindow/options/frmPlayOptionsUn.h"

#include <QAction>
#include <QLabel>
#include <QToolButton>

namespace {

constexpr int HelpContentsContext = 2;
constexpr int PlayerHelpContext = 19;

} // namespace

void TfrmGamePlayer::ApplyTimerOption(bool force) {
    const bool previous = FTimerWanted;
    switch (TimerChoice(Options().Timer())) {
    case toAlwaysOn:
        FTimerWanted = true;
        break;
    case toAlwaysOff:
        FTimerWanted = false;
        break;
    case toDefault:
        FTimerWanted = FPlayer->GamePreferences()->GetUseTimer();
        break;
    }
    if ((force || FTimerWanted != previous) && ConfirmTimerRestart(FTimerWanted)) {
        FTimerInUse = FTimerWanted;
        ApplyTimer();
    }
    actUseTimer->setChecked(FTimerInUse);
    ShowTimerState();
}

bool TfrmGamePlayer::ConfirmTimerRestart(bool turningOn) {
    if (!FPlayer->IsGameUnderway())
        return true;
    if (turningOn) {
        ShowHelpNow(hiTimerOnQuestion);
        return ConfirmMessage(sTimerOnQuestion);
    }
    ShowHelpNow(hiTimerOffQuestion);
    return ConfirmMessage(sTimerOffQuestion);
}

void TfrmGamePlayer::ApplyTimer() {
    tlbUseTimer->setChecked(FTimerInUse);
    FPlayer->SetTimed(FTimerInUse);
    FPlayer->RestartGame();
}

void TfrmGamePlayer::actUseTimerExecute() {
    // The button toggles its check itself; the game decides it.
    actUseTimer->setChecked(FTimerInUse);
    if (!ConfirmTimerRestart(!FTimerInUse))
        return;
    FTimerInUse = !FTimerInUse;
    actUseTimer->setChecked(FTimerInUse);
    ShowHelpNow(FTimerInUse ? hiTimerOn : hiTimerOff);
    ApplyTimer();
}

void TfrmGamePlayer::actRestartPuzzleExecute() {
    ShowHelpNow(hiRestartPuzzle);
    if (!ConfirmMessage(QStringLiteral("Restart the puzzle?")))
        return;
    FPlayer->RestartGame();
    ResetHints();
    ApplyTimerOption(false);
}

void TfrmGamePlayer::actShowOptionsExecute() {
    ShowHelpNow(hiOptions);
    if (!FOptionsDialog->Execute())
        return;
    ApplyColourScheme();
    UpdateTitle();
    SetScreenModeFromOptions();
    ApplyLayoutOptions();
    ApplyTimerOption(false);
}

// A game under way is given up only when the user says so; the question's
// help shows first.
bool TfrmGamePlayer::MayGiveUp(int QuestionHelp) {
    if (!FPlayer->IsGameUnderway())
        return true;
    ShowHelpNow(QuestionHelp);
    return ConfirmMessage(QStringLiteral("Give up the game now?"));
}

void TfrmGamePlayer::actGiveUpExecute() {
    if (!MayGiveUp(hiGiveUpQuestion))
        return;
    FPlayer->GiveUp(true);
    EnableGameActions(false);
    ShowHelpNow(hiGivenUp);
}

void TfrmGamePlayer::actCloseExecute() {
    if (!MayGiveUp(hiCloseQuestion))
        return;
    ClearHelpQueue();
    FPlayer->GiveUp(false);
    ShowNoGame();
    close();
}

void TfrmGamePlayer::actHideFoundWordsExecute() {
    FPlayer->SetHideFoundWords(true);
    actHideFoundWords->setVisible(false);
    actShowFoundWords->setVisible(true);
    ShowHelpNow(hiHideFoundWords);
}

void TfrmGamePlayer::actShowFoundWordsExecute() {
    FPlayer->SetHideFoundWords(false);
    actShowFoundWords->setVisible(false);
    actHideFoundWords->setVisible(true);
    ShowHelpNow(hiShowFoundWords);
}

void TfrmGamePlayer::actPauseExecute() {
    actPause->setVisible(false);
    actContinue->setVisible(true);
    FPlayer->hide();
    pnlPause->show();
    EnableGameActions(false);
    actContinue->setEnabled(true);
    FPlayer->PauseGame();
    FPaused = true;
    ShowTimerState();
    ShowHelpNow(hiPaused);
}

void TfrmGamePlayer::actContinueExecute() {
    actPause->setVisible(true);
    actContinue->setVisible(false);
    pnlPause->hide();
    EnableGameActions(true);
    FPlayer->show();
    FPlayer->ContinueGame();
    FPaused = false;
    ShowTimerState();
    ShowHelpNow(hiContinued);
}

void TfrmGamePlayer::actAboutExecute() {
    TfrmAboutDesigner about(this);
    about.ShowAbout();
}

void TfrmGamePlayer::SetHelpAvailable(bool available) {
    FHelpAvailable = available;
    actHelpContents->setEnabled(available);
    actHelpPlayer->setEnabled(available);
}

void TfrmGamePlayer::actHelpContentsExecute() {
    ShowHelpFile(HelpContentsContext);
}

void TfrmGamePlayer::actHelpPlayerExecute() {
    ShowHelpFile(PlayerHelpContext);
}

// The help document beside the program, at a context.
void TfrmGamePlayer::ShowHelpFile(int context) {
    services().ShowHelp(HelpFileBesideProgram(), context);
}

void TfrmGamePlayer::actShowHelpExecute() {
    pnlHelp->show();
    actShowHelp->setVisible(false);
    actHideHelp->setVisible(true);
}

void TfrmGamePlayer::actHideHelpExecute() {
    pnlHelp->hide();
    actHideHelp->setVisible(false);
    actShowHelp->setVisible(true);
}

void TfrmGamePlayer::SaveOptions() {
    Guarded([&] { FOptionsDialog->SaveIfAutoSave(); });
}
