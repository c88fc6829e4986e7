#pragma once

#include "engine/puzzle/GlyphtroveUn.h"
#include "platform/DateTime.h"
#include "platform/Object.h"
#include "platform/Services.h"
#include "platform/StringList.h"

#include <QString>
#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

enum TWordGameStateType : uint8_t { wgsInProgress, wgsCompleted, wgsTimeUp };

using TWordGameStateChange = std::function<void(TObject* Sender, TWordGameStateType State)>;
using TWordTimerEvent = std::function<void(TObject* Sender, TDateTime TimeElapsed)>;
using TWordFoundEvent = std::function<void(TObject* Sender, const QString& WordFound)>;

// One found word: the cells where its drag began and ended.
class TWordFoundItem : public TObject {
public:
    TWordFoundItem(int StartColumn, int StartRow, int EndColumn, int EndRow)
        : StartColumn(StartColumn), StartRow(StartRow), EndColumn(EndColumn), EndRow(EndRow) {}

    int StartColumn;
    int StartRow;
    int EndColumn;
    int EndRow;
};

// The found words in the order found; owns its items.
class TWordsFoundList : public TObject {
public:
    int AddFound(int StartColumn, int StartRow, int EndColumn, int EndRow);
    // Raises EListError for an index outside the list.
    const TWordFoundItem& GetItem(int Index) const;
    int Count() const { return int(FItems.size()); }
    void Clear() { FItems.clear(); }

private:
    std::vector<std::unique_ptr<TWordFoundItem>> FItems;
};

// The puzzle control of the play window: a word is marked by pressing on its
// first letter and releasing on its last; the straight line of letters
// between is checked against the words still to find.
class TGlyphtrovePlayer : public TCustomGlyphtrove {
public:
    explicit TGlyphtrovePlayer(QWidget* AOwner = nullptr);
    ~TGlyphtrovePlayer() override;

    bool AutoLineWidth() const { return FAutoLineWidth; }
    void SetAutoLineWidth(bool Value);
    bool CountDown() const { return FCountDown; }
    void SetCountDown(bool Value) { FCountDown = Value; }
    bool GamePaused() const { return FGamePaused; }
    void SetGamePaused(bool Value);
    TWordGameStateType GameState() const { return FGameState; }
    bool GivenUp() const { return FGivenUp; }
    // The number of words still to find.
    int FoundWords() const { return FFoundWords; }
    bool HideFoundWords() const { return FHideFoundWords; }
    void SetHideFoundWords(bool Value);
    bool IsDragging() const { return FIsDragging; }
    int LineWidth() const { return FLineWidth; }
    void SetLineWidth(int Value);
    bool Timed() const { return FTimed; }
    void SetTimed(bool Value) { FTimed = Value; }
    TDateTime TimeLeft() const { return MSecsToDateTime(FTimeLeftMs); }
    // Sets the time left and the count-down total.
    void SetTimeLeft(TDateTime Value);
    TDateTime TimeStarted() const { return MSecsToDateTime(FTimeStartedMs); }
    TDateTime TimeTaken() const { return MSecsToDateTime(FTimeTakenMs); }
    int GetWordCount() const { return WordCount(); }
    const TWordsFoundList& FoundList() const { return FFoundList; }

    TNotifyEvent OnGameStarted;
    TWordGameStateChange OnGameStateChange;
    // Raised after the control's own resize handling.
    TNotifyEvent OnResize;
    TWordTimerEvent OnTimer;
    TWordFoundEvent OnWordFound;
    TWordFoundEvent OnWordNotFound;

    int LoadFromFile(const QString& FileName) override;
    void NewGame(const QString& Title, const QString& Description) override;
    void Repaint() override;

    void StartGame();
    void RestartGame() { StartGame(); }
    // Client pixel positions of the press and of the drop.
    void StartSelection(int X, int Y);
    void EndSelection(int X, int Y);
    void PauseGame();
    void ContinueGame();
    void GiveUp(bool Reveal);
    // In progress and not given up: words can still be found.
    bool IsGameInPlay() const;
    // In progress with at least one word found.
    bool IsGameUnderway() const;
    // True for a word that is not among the words still to find.
    bool IsWordFound(const QString& Word) const;
    void DrawFoundWords();
    QString GetTimeTakenText() const;
    // The "My Puzzles" folder, created when missing; no trailing delimiter.
    static QString GetPuzzleFolder();

protected:
    void Paint() override;
    // A press starts a selection; its release drops it.
    void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;

private:
    bool ReadLine(int StartColumn, int StartRow, int EndColumn, int EndRow, QString& Text) const;
    // Whether a found word already carries the marker from Start to End.
    bool IsMarked(int StartColumn, int StartRow, int EndColumn, int EndRow) const;
    void DrawMarkers();
    void DrawFoundMarker(int Index);
    void SwapStartCellColours();
    void StopDragging();
    void SetGameState(TWordGameStateType State);
    void SetTimerEnabled(bool Enabled);
    // The time played since the start, pauses left out.
    int64_t PlayedMs() const;
    // The next tick falls one second of play after SecondMs.
    void ScheduleTickAfter(int64_t SecondMs);
    void TimerTick();
    // The tick's report of the clock at Played; a count-down reaching 0
    // times up when CanTimeUp.
    void ReportTime(int64_t Played, bool CanTimeUp);
    void CompleteGame();
    void TimeUp();
    void HandleResize();
    void TakeFoundWord(const QString& Text, int EndColumn, int EndRow);
    void ShowAllCellsAsWordLetters();
    TWordGameColourPreferences* Colours() const { return GamePreferences()->ColourPreferences(); }

    TWordsFoundList FFoundList;
    // The words still to find; look-ups ignore letter case.
    TStringList FRemaining;
    std::unique_ptr<ITimer> FTimer;
    int FStartColumn = -1;
    int FStartRow = -1;
    bool FAutoLineWidth = true;
    bool FCountDown = false;
    bool FGamePaused = false;
    TWordGameStateType FGameState = wgsInProgress;
    bool FGivenUp = false;
    int FFoundWords = 0;
    bool FHideFoundWords = false;
    bool FIsDragging = false;
    int FLineWidth = 2;
    bool FLineWidthFollowsLayout = false;
    bool FTimed = false;
    TDateTime FCountDownTotal = 0;
    // Clock values in whole milliseconds, so one-second steps stay exact.
    int64_t FTimeLeftMs = 0;
    // What the count-down counts from at no time played.
    int64_t FCountDownFromMs = 0;
    int64_t FTimeStartedMs = 0;
    int64_t FTimeTakenMs = 0;
    int64_t FPauseStartedMs = 0;
    // The clock stands still from a pause until Continue or a restart.
    bool FClockPaused = false;
};
