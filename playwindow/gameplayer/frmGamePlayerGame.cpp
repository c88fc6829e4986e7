// What the play window shows of the game: the status bar, the title, the
// clock and the word list, kept up to date from the puzzle control's events.

#include "playwindow/gameplayer/frmGamePlayerUn.h"

#include "engine/genlib/DrawTextUn.h"
#include "platform/Format.h"
#include "platform/Rounding.h"
#include "playwindow/controls/StaticListBoxUn.h"
#include "playwindow/controls/TitleBlockUn.h"
#include "playwindow/gameplayer/PlayHelpTextsUn.h"
#include "playwindow/options/frmPlayOptionsUn.h"

#include <QAction>
#include <QLabel>
#include <QStatusBar>

namespace {

// The time of day of a clock value as "hh:nn:ss" (none below zero).
QString ClockText(TDateTime Time) {
    const int64_t seconds = std::max<int64_t>(DateTimeToMSecs(Time), 0) / 1000 % 86400;
    return QString::asprintf("%02d:%02d:%02d", int(seconds / 3600), int(seconds / 60 % 60),
                             int(seconds % 60));
}

} // namespace

void TfrmGamePlayer::UpdateStatusBar() {
    const int total = FPlayer->GetWordCount();
    const int found = total - FPlayer->FoundWords();
    StatusPanel(1)->setText(QString::number(total));
    StatusPanel(3)->setText(QString::number(found));
    StatusPanel(4)->setText(found <= 0
                                ? QStringLiteral("no words")
                                : Format("%d%% Completed", RoundHalfEven(100 * found, total)));
}

void TfrmGamePlayer::UpdateTitle() {
    const TWordGameProperties& properties = *FPlayer->GamePreferences();
    QString text = properties.GetGameTitle();
    if (!properties.GetGameDescription().isEmpty())
        text = Format("%s, %s", text, properties.GetGameDescription());
    if (!properties.GetGameAuthor().isEmpty())
        text = Format("%s by %s", text, properties.GetGameAuthor());
    tbPuzzleTitle->SetCaption(text);
    const TWordGameColourPreferences& colours = *properties.ColourPreferences();
    for (TTitleBlock* block : {tbPuzzleTitle, tbWordList, tbHelp}) {
        block->SetColour(colours.GetNewWordBackground());
        TFont font = block->Font();
        font.SetColor(colours.GetNewWordForeground());
        block->SetFont(font);
    }
}

void TfrmGamePlayer::ApplyColourScheme() {
    if (!Options().UseDefaultScheme() && Options().ColourScheme())
        FPlayer->ApplyColourScheme(*Options().ColourScheme(), true);
    const TWordGameColourPreferences& colours = *FPlayer->GamePreferences()->ColourPreferences();
    lbxWords->SetColor(colours.GetHighlightedBackground());
    TFont font = lbxWords->Font();
    font.SetColor(colours.GetHighlightedForeground());
    lbxWords->SetFont(font);
    lbxWords->viewport()->update();
}

void TfrmGamePlayer::ApplyLayoutOptions() {
    sbrInfo->setVisible(Options().ShowStatusbar());
    pnlToolbar->setVisible(Options().ShowToolbar());
    tbPuzzleTitle->setVisible(Options().ShowTitle());
    tbWordList->setVisible(Options().ShowWordList());
    FitGridAroundBars();
}

void TfrmGamePlayer::EnableGameActions(bool on) {
    actShowHint->setEnabled(on && FHintsLeft > 0);
    actHideFoundWords->setEnabled(on);
    actShowFoundWords->setEnabled(on);
    actUseTimer->setEnabled(on);
    actPause->setEnabled(on && FTimerInUse);
    actContinue->setEnabled(on && FTimerInUse);
    actGiveUp->setEnabled(on && FPlayer->GamePreferences()->GetCanGiveIn());
}

void TfrmGamePlayer::ShowTimerState() {
    if (FPaused)
        lblTime->setText(QStringLiteral("Paused at"));
    else if (FPlayer->CountDown())
        lblTime->setText(QStringLiteral("Time left"));
    else
        lblTime->setText(QStringLiteral("Elapsed time"));
    tbnTimer->setVisible(FTimerInUse);
    pnlTimer->setVisible(FTimerInUse);
    actPause->setVisible(FTimerInUse && !FPaused);
    actContinue->setVisible(FTimerInUse && FPaused);
}

void TfrmGamePlayer::PlayerWordAdded(const QString& word) {
    lbxWords->Items().Add(word);
}

void TfrmGamePlayer::PlayerMouseDown() {
    ShowHelpNow(hiGridPress);
}

void TfrmGamePlayer::PlayerMouseMove() {
    if (FHelpShown != hiGridMove)
        QueueHelp(hiGridMove);
}

void TfrmGamePlayer::PlayerWordFound(const QString& word) {
    const int index = WordItemIndex(word);
    if (index < 0) {
        ShowHelpNowFmt(hiWordNotFound, word);
        return;
    }
    lbxWords->SetSelected(index, true);
    lbxWords->viewport()->update();
    UpdateStatusBar();
    ShowHelpNowFmt(hiWordFound, word);
}

void TfrmGamePlayer::PlayerWordNotFound(const QString& text) {
    ShowHelpNowFmt(hiWordNotFound, text);
}

void TfrmGamePlayer::PlayerTimer(TDateTime time) {
    txtTimer->setText(ClockText(time));
}

// Every start repaints the cells afresh: a flash going on would invert the
// new colours of its cell and leave them so.
void TfrmGamePlayer::PlayerGameStarted() {
    EndFlash();
    UnmarkAllWords();
    UpdateStatusBar();
    // The clock starts from the new game's own time, before its first tick.
    PlayerTimer(FPlayer->CountDown() ? FPlayer->TimeLeft() : TDateTime(0));
    LeavePause();
    EnableGameActions(true);
}

// The grid shows again and the clock tells the time, not the pause.
void TfrmGamePlayer::LeavePause() {
    FPaused = false;
    pnlPause->hide();
    FPlayer->show();
    ShowTimerState();
}

void TfrmGamePlayer::PlayerGameStateChange(TWordGameStateType state) {
    if (state == wgsInProgress)
        return;
    EnableGameActions(false);
    ShowEndOfGame(state);
}

int TfrmGamePlayer::WordItemIndex(const QString& word) const {
    int first = -1;
    for (int i = 0; i < lbxWords->Items().Count(); ++i) {
        if (lbxWords->Items()[i].compare(word, Qt::CaseInsensitive) != 0)
            continue;
        if (!IsItemMarked(i))
            return i;
        if (first < 0)
            first = i;
    }
    return first;
}

bool TfrmGamePlayer::IsItemMarked(int index) const {
    return lbxWords->GetSelected(index);
}

void TfrmGamePlayer::UnmarkAllWords() {
    for (int i = 0; i < lbxWords->Items().Count(); ++i)
        lbxWords->SetSelected(i, false);
    lbxWords->viewport()->update();
}

// A found word in the Dummy Word colour, small and struck out; any other in
// the Highlighted colour, larger and bold.
TFont TfrmGamePlayer::WordItemFont(int index) const {
    const TWordGameColourPreferences& colours = *FPlayer->GamePreferences()->ColourPreferences();
    TFont font;
    font.SetName(QStringLiteral("Arial"));
    if (IsItemMarked(index)) {
        font.SetSize(8);
        font.SetStrikeOut(true);
        font.SetColor(colours.GetDummyWordForeground());
    } else {
        font.SetSize(10);
        font.SetBold(true);
        font.SetColor(colours.GetHighlightedForeground());
    }
    return font;
}

void TfrmGamePlayer::lbxWordsDrawItem(int index, const TRect& rect) {
    TCanvas& canvas = lbxWords->Canvas();
    canvas.Brush().SetColor(
        FPlayer->GamePreferences()->ColourPreferences()->GetHighlightedBackground());
    canvas.Font() = WordItemFont(index);
    DrawTextInRect(canvas, rect, lbxWords->Items()[index], 1, 0);
}

void TfrmGamePlayer::lbxWordsMeasureItem(int index, int& height) {
    TCanvas& canvas = lbxWords->Canvas();
    canvas.Font() = WordItemFont(index);
    height = canvas.TextHeight(lbxWords->Items()[index]) + 2;
}
