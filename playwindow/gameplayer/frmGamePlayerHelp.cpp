// The play window's interactive help, hints and end-of-game message.

#include "playwindow/gameplayer/frmGamePlayerUn.h"

#include "engine/genlib/GenLibUn.h"
#include "engine/genlib/IntegerListUn.h"
#include "playwindow/controls/StaticListBoxUn.h"
#include "playwindow/gameplayer/PlayHelpTextsUn.h"
#include "playwindow/gameplayer/frmEndGameMsgUn.h"
#include "playwindow/gameplayer/frmWordHintUn.h"

#include <QPlainTextEdit>

// --- Interactive help

void TfrmGamePlayer::SetHelp(int id, const QString& text) {
    if (id == FHelpShown)
        return;
    FHelpShown = id;
    memHelp->setPlainText(text);
    // Only the memo repaints: an event-loop pass here could run another
    // action in the middle of this one.
    memHelp->viewport()->repaint();
}

void TfrmGamePlayer::ShowHelpNow(int id, const QString& text) {
    ClearHelpQueue();
    SetHelp(id, text);
}

void TfrmGamePlayer::ShowHelpNow(int id) {
    ShowHelpNow(id, HelpText(id));
}

void TfrmGamePlayer::ShowHelpNowFmt(int id, const QString& argument) {
    ShowHelpNow(id, Format(HelpText(id), argument));
}

void TfrmGamePlayer::QueueHelp(int id, const QString& text) {
    if (id == FHelpShown || FHelpIds->IndexOf(id) >= 0)
        return;
    FHelpIds->Add(id);
    FHelpTexts.append(text);
    // A running delay is not restarted: a burst counts from its first entry.
    if (!tmrHelpDelay->Enabled())
        tmrHelpDelay->SetEnabled(true);
}

void TfrmGamePlayer::QueueHelp(int id) {
    QueueHelp(id, HelpText(id));
}

void TfrmGamePlayer::QueueHelpFmt(int id, const QString& argument) {
    QueueHelp(id, Format(HelpText(id), argument));
}

void TfrmGamePlayer::ClearHelpQueue() {
    tmrHelpDelay->SetEnabled(false);
    FHelpIds->Clear();
    FHelpTexts.clear();
}

void TfrmGamePlayer::tmrHelpDelayTimer() {
    tmrHelpDelay->SetEnabled(false);
    if (FHelpIds->Count() == 0)
        return;
    const int id = FHelpIds->GetItem(0);
    const QString text = FHelpTexts.takeFirst();
    FHelpIds->Delete(0);
    SetHelp(id, text);
    if (FHelpIds->Count() > 0)
        tmrHelpDelay->SetEnabled(true);
}

void TfrmGamePlayer::lbxWordsMouseMove() {
    QueueHelpFmt(hiWordList, FPlayer->FoundWords() < 2 ? sWordsLeftOne : sWordsLeftMany);
}

void TfrmGamePlayer::pnlTimerMouseMove() {
    if (FPlayer->Timed())
        QueueHelp(FPlayer->CountDown() ? hiTimerCountDown : hiTimerElapsed);
}

// --- Hints

// On every open and restart.
void TfrmGamePlayer::ResetHints() {
    FHintsLeft = FPlayer->GamePreferences()->GetHints();
    actShowHint->setEnabled(FHintsLeft > 0);
}

void TfrmGamePlayer::actShowHintExecute() {
    // One flash at a time.
    if (FFlashing)
        return;
    if (FHintsLeft <= 0) {
        ShowHelpNow(hiNoHintsLeft);
        return;
    }
    ShowHelpNow(hiHintDialog);
    TfrmWordHint hint(this);
    hint.SetHintsLeft(FHintsLeft);
    QStringList unfound;
    GetUnfoundWords(unfound);
    hint.SetWords(unfound);
    // The game may have ended while the dialog was open.
    if (!hint.Execute() || !FPlayer->IsGameInPlay())
        return;
    FlashFirstLetter(hint.SelectedWord());
    --FHintsLeft;
    if (FHintsLeft <= 0)
        actShowHint->setEnabled(false);
    ShowHelpNow(hiHintFlashing);
}

void TfrmGamePlayer::GetUnfoundWords(QStringList& list) const {
    list.clear();
    for (int i = 0; i < lbxWords->Items().Count(); ++i)
        if (!lbxWords->GetSelected(i))
            list.append(lbxWords->Items()[i]);
}

// Starts the flash of the word's first letter; the flash timer runs it on
// while the window stays in the event loop.
void TfrmGamePlayer::FlashFirstLetter(const QString& word) {
    const int index = FPlayer->IndexOfWord(word);
    if (index < 0) {
        ErrorMessageFmt(sHintWordNotFound, word);
        return;
    }
    const TWordRec rec = FPlayer->GetWordRec(index);
    FFlashCol = rec.X;
    FFlashRow = rec.Y;
    FFlashCount = 4;
    FFlashing = true;
    FFlashTimer->SetEnabled(true);
}

void TfrmGamePlayer::FlashTimerTick() {
    if (!FFlashing)
        return;
    if (FPlayer->IsInsideBoard(FFlashCol, FFlashRow)) {
        const TColor background = FPlayer->GetCellColour(FFlashCol, FFlashRow);
        const TColor text = FPlayer->GetCellTextColour(FFlashCol, FFlashRow);
        FPlayer->SetCellTextColour(FFlashCol, FFlashRow, background);
        FPlayer->SetCellColour(FFlashCol, FFlashRow, text);
    }
    if (--FFlashCount <= 0) {
        EndFlash();
        // The cell repaints may have covered the markers.
        FPlayer->DrawFoundWords();
    }
}

void TfrmGamePlayer::EndFlash() {
    FFlashing = false;
    FFlashTimer->SetEnabled(false);
}

QString TfrmGamePlayer::HintsUsedText() const {
    const int used = FPlayer->GamePreferences()->GetHints() - FHintsLeft;
    if (used < 1)
        return QString();
    QString text = Format(sHintsUsed, used);
    if (used > 1)
        text += 's';
    return text;
}

// --- End of game

void TfrmGamePlayer::ShowEndOfGame(TWordGameStateType state) {
    TfrmEndOfGameMessage message(this);
    if (state == wgsCompleted)
        message.ShowResult(Format(sCompleted, FPlayer->GameTitle(), HintsUsedText()),
                           FPlayer->GetTimeTakenText());
    else
        message.ShowResult(sOutOfTime, QString());
}
