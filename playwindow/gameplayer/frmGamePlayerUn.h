#pragma once

#include "engine/puzzle/GlyphtrovePlayerUn.h"
#include "platform/ImageList.h"
#include "playwindow/gameplayer/PlayPicturesUn.h"

#include <QMainWindow>
#include <QStringList>
#include <array>
#include <memory>
#include <optional>

class QAction;
class QFrame;
class QLabel;
class QMenu;
class QPlainTextEdit;
class QSplitter;
class QStatusBar;
class QToolBar;
class QToolButton;
class TGlyphtroveGameColourPresetProperties;
class TFont;
class TIntegerList;
class TStaticListBox;
class TTitleBlock;
class TfrmPlayerOptions;
class TPlayerOptions;
struct TRect;

// The window in which a puzzle is played: the puzzle control, its word list,
// the status bar, the puzzle title, the clock, the game actions, the
// interactive help panel and the hints.
class TfrmGamePlayer : public QMainWindow {
    Q_OBJECT
public:
    explicit TfrmGamePlayer(QWidget* parent = nullptr);
    ~TfrmGamePlayer() override;

    // Opens fileName (or, with none and no game loaded yet, asks for one) and
    // shows the window; returns whether a game is loaded.
    bool PlayGame(const QString& fileName);
    void SetHelpAvailable(bool available);
    // The window hidden while this one shows (none in the designer).
    QWidget* CallerForm() const { return FCallerForm; }
    void SetCallerForm(QWidget* form) { FCallerForm = form; }
    // Writes "Options.dat" when the options ask for it. The program calls it
    // after its event loop; a failure shows one error box.
    void SaveOptions();

    TGlyphtrovePlayer* Player() const { return FPlayer; }
    TPlayerOptions& Options() const;
    bool GameLoaded() const { return FGameLoaded; }
    bool Paused() const { return FPaused; }
    bool TimerInUse() const { return FTimerInUse; }
    int HelpShown() const { return FHelpShown; }
    int HintsLeft() const { return FHintsLeft; }
    bool Flashing() const { return FFlashing; }
    // The status bar's six panels.
    QLabel* StatusPanel(int index) const { return FStatusPanels.at(size_t(index)); }

    // The form's controls.
    QWidget* pnlToolbar;
    QToolBar* tbMain;
    // The tool bar's check-style Use Timer button.
    QToolButton* tlbUseTimer;
    QWidget* pnlTimer;
    QLabel* lblTime;
    QLabel* txtTimer;
    TTitleBlock* tbPuzzleTitle;
    QSplitter* Splitter2;
    QFrame* pnlGame;
    QLabel* pnlPause;
    QWidget* pnlRight;
    QSplitter* Splitter1;
    QWidget* pnlWords;
    TTitleBlock* tbWordList;
    TStaticListBox* lbxWords;
    QWidget* pnlHelp;
    TTitleBlock* tbHelp;
    QPlainTextEdit* memHelp;
    QStatusBar* sbrInfo;
    QMenu* mnuFile;
    QMenu* mnuGame;
    QMenu* mnuHelp;

    // The actions, shared by menus and tool bar.
    QAction* actOpen;
    QAction* actClose;
    QAction* actShowHint;
    QAction* actRestartPuzzle;
    QAction* actShowOptions;
    QAction* actHideFoundWords;
    QAction* actShowFoundWords;
    QAction* actPrint;
    QAction* actUseTimer;
    QAction* actAbout;
    QAction* actGiveUp;
    QAction* actPause;
    QAction* actContinue;
    QAction* actFullscreen;
    QAction* actNormalScreen;
    QAction* actHelpContents;
    QAction* actShowHelp;
    QAction* actHideHelp;
    QAction* actHelpPlayer;
    // The tool bar's separator before the screen buttons, shown with the timer.
    QAction* tbnTimer;

protected:
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    enum TScreenMode { smNormal, smFull };
    // The board of no game, columns and rows.
    static constexpr int EmptyBoardSide = 15;

    // Building the form.
    void CreateControls();
    QWidget* CreateToolbarPanel();
    QWidget* CreateRightPanel();
    void CreateGamePanel();
    void CreateStatusBar();
    void CreateActions();
    QAction* NewAction(const QString& caption, const QString& hint, int imageIndex,
                       void (TfrmGamePlayer::*handler)());
    void CreateMenus();
    void CreateToolBar();
    void FormCreate();
    void FormShow();
    void FormHide();
    void BindPlayerEvents();

    void OpenGame(const QString& fileName);
    void ShowInFront();
    void ShowNoGame();
    void UpdateStatusBar();
    void UpdateTitle();
    void ApplyColourScheme();
    void ApplyLayoutOptions();
    void EnableGameActions(bool on);
    void ShowTimerState();
    void LeavePause();
    void ApplyTimerOption(bool force);
    bool ConfirmTimerRestart(bool turningOn);
    void ApplyTimer();
    void SetScreenMode(TScreenMode mode);
    void SetFrameless(bool frameless);
    void RememberNormalPlace();
    void RestoreNormalPlace();
    void SetScreenModeFromOptions();
    void ResizeGrid();
    void FitBoard();
    // The grid's room in the game panel, inside its margins.
    QSize GridRoom() const;
    void FitSidePanel();
    void FitGridAroundBars();
    void SetRightPanelWidth(int width);
    void ShowCallerForm();
    void HideCallerForm();
    // The first item showing word that is not marked found (else the first
    // showing it); -1 when the list has none.
    int WordItemIndex(const QString& word) const;
    void UnmarkAllWords();
    bool IsItemMarked(int index) const;
    void lbxWordsDrawItem(int index, const TRect& rect);
    void lbxWordsMeasureItem(int index, int& height);
    TFont WordItemFont(int index) const;
    void ShowHelpFile(int context);

    // Action handlers.
    void actOpenExecute();
    void actCloseExecute();
    void actShowHintExecute();
    void actRestartPuzzleExecute();
    void actShowOptionsExecute();
    void actHideFoundWordsExecute();
    void actShowFoundWordsExecute();
    void actPrintExecute();
    void actUseTimerExecute();
    void actAboutExecute();
    void actGiveUpExecute();
    void actPauseExecute();
    void actContinueExecute();
    void actFullscreenExecute();
    void actNormalScreenExecute();
    void actHelpContentsExecute();
    void actShowHelpExecute();
    void actHideHelpExecute();
    void actHelpPlayerExecute();
    // True when no game is under way or the user gives it up.
    bool MayGiveUp(int QuestionHelp);

    // Puzzle control events.
    void PlayerWordAdded(const QString& word);
    void PlayerMouseDown();
    void PlayerMouseMove();
    void PlayerWordFound(const QString& word);
    void PlayerWordNotFound(const QString& text);
    void PlayerTimer(TDateTime time);
    void PlayerGameStarted();
    void PlayerGameStateChange(TWordGameStateType state);
    void lbxWordsMouseMove();
    void pnlTimerMouseMove();

    // Interactive help.
    void SetHelp(int id, const QString& text);
    void ShowHelpNow(int id, const QString& text);
    void ShowHelpNow(int id);
    // The identifier's text with its "%s" filled.
    void ShowHelpNowFmt(int id, const QString& argument);
    void QueueHelp(int id, const QString& text);
    void QueueHelp(int id);
    void QueueHelpFmt(int id, const QString& argument);
    void ClearHelpQueue();
    void tmrHelpDelayTimer();

    // Hints.
    void ResetHints();
    void GetUnfoundWords(QStringList& list) const;
    void FlashFirstLetter(const QString& word);
    void FlashTimerTick();
    void EndFlash();
    QString HintsUsedText() const;
    void ShowEndOfGame(TWordGameStateType state);

    // The pictures of the actions and title blocks.
    TImageList FImages{PlayPictureSize, PlayPictureSize};
    TGlyphtrovePlayer* FPlayer = nullptr;
    std::unique_ptr<TfrmPlayerOptions> FOptionsDialog;
    std::unique_ptr<TGlyphtroveGameColourPresetProperties> FColourPresets;
    std::array<QLabel*, 6> FStatusPanels{};
    QString FLastGamePath;
    bool FGameLoaded = false;
    bool FPaused = false;
    bool FTimerWanted = false;
    bool FTimerInUse = false;
    QWidget* FCallerForm = nullptr;
    bool FHelpAvailable = true;
    bool FFittingSidePanel = false;
    bool FShownBefore = false;
    // Where the sizeable window's inner area was, given back when full
    // screen ends; a window that opened full screen goes back to its form
    // size at the place of its first show.
    QSize FNormalSize;
    std::optional<QPoint> FNormalPos;
    int FNormalRightWidth = 0;

    int FHelpShown = -1;
    std::unique_ptr<TIntegerList> FHelpIds;
    QStringList FHelpTexts;
    std::unique_ptr<ITimer> tmrHelpDelay;

    int FHintsLeft = 0;
    std::unique_ptr<ITimer> FFlashTimer;
    int FFlashCount = 0;
    bool FFlashing = false;
    int FFlashCol = 0;
    int FFlashRow = 0;
};
