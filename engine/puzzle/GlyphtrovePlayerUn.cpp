#include "engine/puzzle/GlyphtrovePlayerUn.h"

#include "engine/genlib/GenLibUn.h"
#include "platform/Exception.h"
#include "platform/FileHandle.h"
#include "platform/Format.h"
#include "platform/Guard.h"
#include "platform/Rounding.h"

#include <cstdlib>

namespace {

constexpr int64_t OneSecondMs = 1000;
constexpr int GameTimerInterval = 1000;
constexpr int DocumentsFolderKind = 5;
constexpr int MarkerLineOffset = 8;

int Sign(int Value) {
    return (Value > 0) - (Value < 0);
}

int64_t NowMs() {
    return DateTimeToMSecs(services().Now());
}

// The time-of-day part of a duration; whole days are dropped.
int64_t TimeOfDayMs(TDateTime Duration) {
    int hour, minute, second, msec;
    DecodeTime(Duration, hour, minute, second, msec);
    return ((int64_t(hour) * 60 + minute) * 60 + second) * OneSecondMs + msec;
}

QPoint CellCentre(const TRect& Rect) {
    return QPoint(Rect.Left + (Rect.Right - Rect.Left) / 2,
                  Rect.Top + (Rect.Bottom - Rect.Top) / 2);
}

} // namespace

int TWordsFoundList::AddFound(int StartColumn, int StartRow, int EndColumn, int EndRow) {
    FItems.push_back(std::make_unique<TWordFoundItem>(StartColumn, StartRow, EndColumn, EndRow));
    return Count() - 1;
}

const TWordFoundItem& TWordsFoundList::GetItem(int Index) const {
    if (Index < 0 || Index >= Count())
        throw EListError(Index);
    return *FItems[size_t(Index)];
}

TGlyphtrovePlayer::TGlyphtrovePlayer(QWidget* AOwner)
    : TCustomGlyphtrove(AOwner), FTimer(services().CreateTimer()) {
    TCustomGameGrid::OnResize = [this](TObject*) { HandleResize(); };
    FTimer->SetInterval(GameTimerInterval);
    FTimer->SetEnabled(false);
    FTimer->OnTimer = [this] { Guarded([this] { TimerTick(); }); };
}

TGlyphtrovePlayer::~TGlyphtrovePlayer() {
    FTimer->SetEnabled(false);
}

void TGlyphtrovePlayer::SetAutoLineWidth(bool Value) {
    FAutoLineWidth = Value;
    if (!FHideFoundWords)
        Invalidate();
}

void TGlyphtrovePlayer::SetGamePaused(bool Value) {
    if (Value)
        PauseGame();
    else
        ContinueGame();
}

void TGlyphtrovePlayer::SetHideFoundWords(bool Value) {
    FHideFoundWords = Value;
    Invalidate();
}

void TGlyphtrovePlayer::SetLineWidth(int Value) {
    FLineWidth = Value;
    FLineWidthFollowsLayout = false;
    if (!FHideFoundWords)
        Invalidate();
}

void TGlyphtrovePlayer::SetTimeLeft(TDateTime Value) {
    FTimeLeftMs = DateTimeToMSecs(Value);
    FCountDownTotal = Value;
    // The count-down goes on from Value, whatever has been played already.
    FCountDownFromMs = FTimeLeftMs + PlayedMs();
}

int TGlyphtrovePlayer::LoadFromFile(const QString& FileName) {
    const int result = TCustomGlyphtrove::LoadFromFile(FileName);
    FTimed = GamePreferences()->GetUseTimer();
    FCountDownTotal = GamePreferences()->GetCountDownTimer();
    FCountDown = FCountDownTotal != 0;
    StartGame();
    return result;
}

// The empty game has nothing left to find: the words and markers found in
// the game before would otherwise stay counted and drawn over it.
void TGlyphtrovePlayer::NewGame(const QString& Title, const QString& Description) {
    FFoundList.Clear();
    FRemaining.Clear();
    FFoundWords = 0;
    TCustomGlyphtrove::NewGame(Title, Description);
    SetTimerEnabled(false);
}

void TGlyphtrovePlayer::Paint() {
    TCustomGlyphtrove::Paint();
    if (FLineWidthFollowsLayout) {
        FLineWidthFollowsLayout = false;
        if (FAutoLineWidth)
            FLineWidth = RoundHalfEven(CellWidth() * 5, 100);
    }
    DrawMarkers();
    Canvas().Pen().SetWidth(1);
    Canvas().Brush().SetColor(BackgroundColour());
    Canvas().Pen().SetColor(BackgroundColour());
}

void TGlyphtrovePlayer::Repaint() {
    TCustomGlyphtrove::Repaint();
    RecolourAllCells();
}

void TGlyphtrovePlayer::StartGame() {
    FGivenUp = false;
    FFoundList.Clear();
    FFoundWords = WordCount();
    QStringList words;
    GetWordList(words);
    FRemaining.Clear();
    FRemaining.AddStrings(words);
    FillRandomLetters();
    SetGameState(wgsInProgress);
    ShowAllCellsAsWordLetters();
    // A drag held through the restart goes on: its start cell keeps the held look.
    if (FIsDragging)
        SwapStartCellColours();
    FTimer->SetInterval(GameTimerInterval);
    SetTimerEnabled(FTimed);
    if (FTimed) {
        FTimeLeftMs = TimeOfDayMs(FCountDownTotal);
        FCountDownFromMs = FTimeLeftMs;
        FTimeStartedMs = NowMs();
    }
    // A game restarted while paused keeps the pause flag but runs its clock:
    // continuing it later must not take the time since the restart away.
    FClockPaused = false;
    if (OnGameStarted)
        OnGameStarted(this);
}

void TGlyphtrovePlayer::ShowAllCellsAsWordLetters() {
    const TColor foreground = Colours()->GetNormalWordForeground();
    const TColor background = Colours()->GetNormalWordBackground();
    const TGridUpdate update(*this);
    for (int column = 0; column < ColCount(); ++column)
        for (int row = 0; row < RowCount(); ++row) {
            SetCellState(column, row, 4);
            SetCellTextColour(column, row, foreground);
            SetCellColour(column, row, background);
        }
}

void TGlyphtrovePlayer::StartSelection(int X, int Y) {
    if (FIsDragging)
        StopDragging();
    const QPoint cell = CellAtPoint(X, Y);
    if (!IsGameInPlay() || !BoardGame()->IsValidCell(cell.x(), cell.y()))
        return;
    FStartColumn = cell.x();
    FStartRow = cell.y();
    SwapStartCellColours();
    FIsDragging = true;
    setCursor(Qt::PointingHandCursor);
}

void TGlyphtrovePlayer::EndSelection(int X, int Y) {
    if (!FIsDragging)
        return;
    // The drag is over before anything is judged, so that nothing raised from
    // here (the end of the game, its last tick) can end it a second time.
    StopDragging();
    const QPoint end = CellAtPoint(X, Y);
    QString text;
    if (ReadLine(FStartColumn, FStartRow, end.x(), end.y(), text))
        TakeFoundWord(text, end.x(), end.y());
    else {
        if (OnWordNotFound)
            OnWordNotFound(this, text);
        DrawFoundWords();
    }
}

void TGlyphtrovePlayer::TakeFoundWord(const QString& Text, int EndColumn, int EndRow) {
    const int index = FFoundList.AddFound(FStartColumn, FStartRow, EndColumn, EndRow);
    if (!FHideFoundWords)
        DrawFoundMarker(index);
    --FFoundWords;
    FRemaining.Delete(FRemaining.IndexOf(Text));
    DrawFoundWords();
    if (OnWordFound)
        OnWordFound(this, Text);
    if (FFoundWords == 0)
        CompleteGame();
}

bool TGlyphtrovePlayer::ReadLine(int StartColumn, int StartRow, int EndColumn, int EndRow,
                                 QString& Text) const {
    Text.clear();
    // No cell (a drop outside the grid) is not a point the line can run to.
    if (!BoardGame()->IsValidCell(EndColumn, EndRow))
        return false;
    const int dx = std::abs(StartColumn - EndColumn);
    const int dy = std::abs(StartRow - EndRow);
    if (dx != 0 && dy != 0 && dx != dy)
        return false;
    const int stepX = Sign(EndColumn - StartColumn);
    const int stepY = Sign(EndRow - StartRow);
    const int stopColumn = EndColumn + stepX;
    const int stopRow = EndRow + stepY;
    for (int column = StartColumn, row = StartRow;
         BoardGame()->IsValidCell(column, row) && !(column == stopColumn && row == stopRow);
         column += stepX, row += stepY)
        Text += GetCellText(column, row);
    return !Text.isEmpty() && FRemaining.IndexOf(Text) >= 0;
}

void TGlyphtrovePlayer::SwapStartCellColours() {
    // A board loaded during the drag may no longer hold its start cell.
    if (!BoardGame()->IsValidCell(FStartColumn, FStartRow))
        return;
    const TColor colour = GetCellColour(FStartColumn, FStartRow);
    const TColor textColour = GetCellTextColour(FStartColumn, FStartRow);
    SetCellColour(FStartColumn, FStartRow, textColour);
    SetCellTextColour(FStartColumn, FStartRow, colour);
}

void TGlyphtrovePlayer::StopDragging() {
    FIsDragging = false;
    unsetCursor();
    SwapStartCellColours();
    DrawCell(FStartColumn, FStartRow);
}

void TGlyphtrovePlayer::DrawFoundWords() {
    DrawMarkers();
    update();
}

void TGlyphtrovePlayer::DrawMarkers() {
    if (FHideFoundWords)
        return;
    for (int i = 0; i < FFoundList.Count(); ++i)
        DrawFoundMarker(i);
}

void TGlyphtrovePlayer::DrawFoundMarker(int Index) {
    // An image that does not fit the control yet is painted whole, markers
    // included, on the next paint.
    if (Image().size() != size()) {
        Invalidate();
        return;
    }
    const TWordFoundItem& item = FFoundList.GetItem(Index);
    const QPoint start = CellCentre(CellRect(item.StartColumn, item.StartRow));
    const QPoint end = CellCentre(CellRect(item.EndColumn, item.EndRow));
    TCanvas& canvas = Canvas();
    canvas.Pen().SetWidth(FLineWidth);
    canvas.Pen().SetColor(Colours()->GetNewWordForeground());
    canvas.Brush().SetStyle(bsClear);
    const int radius = std::abs(canvas.Font().Size());
    canvas.Ellipse(start.x() - radius, start.y() - radius, start.x() + radius, start.y() + radius);
    canvas.MoveTo(start.x() + MarkerLineOffset * Sign(item.EndColumn - item.StartColumn),
                  start.y() + MarkerLineOffset * Sign(item.EndRow - item.StartRow));
    canvas.LineTo(end.x(), end.y());
    canvas.Brush().SetStyle(bsSolid);
    // Cells drawn later take their outlines from the same pen.
    canvas.Pen().SetWidth(1);
}

void TGlyphtrovePlayer::SetGameState(TWordGameStateType State) {
    FGameState = State;
    if (OnGameStateChange)
        OnGameStateChange(this, State);
}

void TGlyphtrovePlayer::SetTimerEnabled(bool Enabled) {
    FTimer->SetEnabled(Enabled);
}

int64_t TGlyphtrovePlayer::PlayedMs() const {
    return (FClockPaused ? FPauseStartedMs : NowMs()) - FTimeStartedMs;
}

void TGlyphtrovePlayer::ScheduleTickAfter(int64_t SecondMs) {
    FTimer->SetInterval(int(SecondMs + OneSecondMs - PlayedMs()));
}

void TGlyphtrovePlayer::TimerTick() {
    // Ticks fall due on whole seconds of play: rounding takes away how late
    // (or early) the timer was.
    const int64_t second = (PlayedMs() + OneSecondMs / 2) / OneSecondMs * OneSecondMs;
    ScheduleTickAfter(second);
    ReportTime(second, true);
}

void TGlyphtrovePlayer::ReportTime(int64_t Played, bool CanTimeUp) {
    if (!OnTimer)
        return;
    if (!FCountDown) {
        OnTimer(this, MSecsToDateTime(Played));
        return;
    }
    OnTimer(this, TimeLeft());
    FTimeLeftMs = FCountDownFromMs - Played;
    if (FTimeLeftMs > 0)
        return;
    OnTimer(this, TimeLeft());
    if (CanTimeUp)
        TimeUp();
}

void TGlyphtrovePlayer::CompleteGame() {
    SetTimerEnabled(false);
    FTimeTakenMs = PlayedMs();
    // A completed game never times up, whatever its last tick leaves.
    ReportTime(FTimeTakenMs, false);
    SetGameState(wgsCompleted);
}

void TGlyphtrovePlayer::TimeUp() {
    if (FIsDragging) {
        EndSelection(-1, -1);
        if (FGameState != wgsInProgress)
            return;
    }
    SetTimerEnabled(false);
    SetGameState(wgsTimeUp);
}

void TGlyphtrovePlayer::PauseGame() {
    SetTimerEnabled(false);
    FPauseStartedMs = NowMs();
    FClockPaused = true;
    FGamePaused = true;
}

void TGlyphtrovePlayer::ContinueGame() {
    if (!FGamePaused)
        return;
    FGamePaused = false;
    if (FClockPaused)
        FTimeStartedMs += NowMs() - FPauseStartedMs;
    FClockPaused = false;
    // The part of a second played before the pause counts: the next tick
    // falls on the next whole second of play.
    ScheduleTickAfter(PlayedMs() / OneSecondMs * OneSecondMs);
    SetTimerEnabled(FTimed && IsGameInPlay());
}

void TGlyphtrovePlayer::GiveUp(bool Reveal) {
    FGivenUp = true;
    SetTimerEnabled(false);
    if (!Reveal)
        return;
    for (int i = 0; i < WordCount(); ++i) {
        const TWordRec word = GetWordRec(i);
        const TDirectionOffset step = GetDirectionOffset(word.Direction);
        const int last = word.Word.length() - 1;
        const int endColumn = word.X + last * step.ColumnStep;
        const int endRow = word.Y + last * step.RowStep;
        // A word listed twice and found once shows only its other placement.
        if (IsWordFound(word.Word) || IsMarked(word.X, word.Y, endColumn, endRow))
            continue;
        DrawFoundMarker(FFoundList.AddFound(word.X, word.Y, endColumn, endRow));
        if (OnWordFound)
            OnWordFound(this, word.Word);
    }
    DrawFoundWords();
}

bool TGlyphtrovePlayer::IsMarked(int StartColumn, int StartRow, int EndColumn, int EndRow) const {
    for (int i = 0; i < FFoundList.Count(); ++i) {
        const TWordFoundItem& item = FFoundList.GetItem(i);
        if (item.StartColumn == StartColumn && item.StartRow == StartRow &&
            item.EndColumn == EndColumn && item.EndRow == EndRow)
            return true;
    }
    return false;
}

bool TGlyphtrovePlayer::IsGameInPlay() const {
    return FGameState == wgsInProgress && !FGivenUp;
}

bool TGlyphtrovePlayer::IsGameUnderway() const {
    return FGameState == wgsInProgress && FFoundWords < WordCount();
}

bool TGlyphtrovePlayer::IsWordFound(const QString& Word) const {
    return FRemaining.IndexOf(Word) < 0;
}

QString TGlyphtrovePlayer::GetTimeTakenText() const {
    if (!FTimed)
        return QString();
    return Format("Time taken :%s", ElapsedTimeText(false, TimeTaken()));
}

QString TGlyphtrovePlayer::GetPuzzleFolder() {
    QString folder;
    GetSpecialFolder(DocumentsFolderKind, folder);
    if (folder.isEmpty())
        folder = services().HomeFolder();
    if (!folder.endsWith('/'))
        folder += '/';
    folder += "My Puzzles";
    ForceDirectories(folder);
    return folder;
}

void TGlyphtrovePlayer::HandleResize() {
    // The cell width of the new size is known once the layout has run, so the
    // width follows it at the next paint, before any marker is drawn.
    if (FAutoLineWidth)
        FLineWidthFollowsLayout = true;
    if (OnResize)
        OnResize(this);
}

void TGlyphtrovePlayer::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
    TCustomGlyphtrove::MouseDown(Button, Shift, X, Y);
    StartSelection(X, Y);
}

void TGlyphtrovePlayer::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
    if (!FIsDragging) {
        TCustomGlyphtrove::MouseUp(Button, Shift, X, Y);
        return;
    }
    // Qt's implicit grab brings the release here wherever it happens; one
    // outside the grid's cells abandons the drag rather than dropping it.
    const QPoint cell = CellAtPoint(X, Y);
    if (BoardGame()->IsValidCell(cell.x(), cell.y()))
        EndSelection(X, Y);
    else {
        StopDragging();
        DrawFoundWords();
    }
}
