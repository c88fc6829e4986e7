#pragma once

#include "designer/editor/EditorDialogsUn.h"
#include "engine/puzzle/GlyphtroveUn.h"
#include "platform/Controls.h"
#include "platform/ImageList.h"
#include "platform/Services.h"

#include <QMainWindow>
#include <QSize>
#include <QString>
#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

class QAction;
class QFrame;
class QKeyEvent;
class QLabel;
class QMenu;
class QSplitter;
class QStatusBar;
class QToolBar;
class TColourMemo;
class TCustomListBox;
class TTitleBlock;
class TWordGameProperties;
struct TRect;

// The designer's window for one puzzle in progress: the puzzle control on
// which words are placed with the mouse, the puzzle's word list (line i is
// always word i), a status bar, an interactive help panel, and the actions
// that edit, find, save and print the puzzle.
class TfrmGameEditor : public QMainWindow, public TObject {
    Q_OBJECT
public:
    explicit TfrmGameEditor(QWidget* parent = nullptr);
    ~TfrmGameEditor() override;

    // --- For the game manager
    void NewGame(int Columns, int Rows, bool Load);
    // Ignored for null.
    void SetGameManager(TGameManagerLink* Manager);
    TGameManagerLink* GameManager() const { return FGameManager; }
    void SetDefaultGameTitle(const QString& Title);
    QString GetDefaultGameTitle() const;
    // The raw game title: empty when unset.
    QString GetGameTitle() const;
    bool QuerySave(bool Forced) { return AskSaveChanges(Forced); }
    bool LoadGame();
    // The save question of a modified game. Normal form: false for Cancel,
    // and for a Yes whose save left the game modified. Forced form (Yes/No,
    // asked until saved or No): always false.
    bool AskSaveChanges(bool Forced);

    // --- The window's own operations, also used by the actions and files
    void UpdateTitleBlock();
    void ApplyGameProperties(const QString& OldTitle);
    void SetStatusText(int Index, const QString& Text);
    QString StatusText(int Index) const;
    void ShowHelpText(const QString& Text);
    template <typename... Args> void ShowHelpTextFmt(const QString& Fmt, const Args&... args);
    void ShowHelpId(int Id);
    QString HelpPanelText() const;
    void SetLastAction(uint8_t Code);
    void ReportAction(uint8_t Code);
    uint8_t LastAction() const { return FLastAction; }

    void LoadGameFile(const QString& Name);
    void ImportGameText(const QString& Name);
    void LoadByExtension(const QString& Name);
    void SaveGameFile(const QString& Name);
    const QString& FileName() const { return FFileName; }

    TGlyphtroveEditor* Game() const { return FGame; }
    IWordEditorDialog* WordEditor() const { return FWordEditor.get(); }
    IPreferencesDialog* PreferencesDialog() const { return FPreferencesDialog.get(); }
    IWishListDialog* WishListDialog() const { return FWishListDialog.get(); }
    int DuplicateCount() const { return FDuplicateCount; }
    int WordTally() const { return FWordTally; }
    bool DummyWord() const { return FDummyWord; }
    const QString& PreviewWord() const { return FPreviewWord; }

    // Raised with this window as Sender.
    std::function<void(TObject* Sender, const QString& OldTitle, TWordGameProperties* Properties)>
        OnTitleChanged;
    TNotifyEvent OnCloseRequest;
    TNotifyEvent OnHidden;

    // --- The form's controls
    QToolBar* tbMain;
    QStatusBar* sbInfo;
    QSplitter* sptMain;
    QWidget* pnlMain;
    TTitleBlock* tbPuzzleTitle;
    QFrame* pnlGame;
    QWidget* pnlRightPane;
    QSplitter* sptRightPane;
    QWidget* pnlWordList;
    TTitleBlock* tbWordList;
    TCustomListBox* lbxWords;
    QWidget* pnlHelp;
    TTitleBlock* tbHelp;
    TColourMemo* memHelp;
    QMenu* mnuFile;
    QMenu* mnuWord;
    QMenu* mnuGame;
    QMenu* mnuHelp;
    QMenu* pmWordList;
    QMenu* pmGrid = nullptr;

    // --- The actions, shared by menus, tool bar and popups
    QAction* actResetGame;
    QAction* actLoadGame;
    QAction* actSaveGame;
    QAction* actSaveGameAs;
    QAction* actPrinterSetup;
    QAction* actPrintPreview;
    QAction* actPrint;
    QAction* actHideEditor;
    QAction* actCloseEditor;
    QAction* actShowAllWords;
    QAction* actHideWords;
    QAction* actFindWord;
    QAction* actFindPattern;
    QAction* actFindDuplicates;
    QAction* actRemoveWord;
    QAction* actWordEdit;
    QAction* actWordAdd;
    QAction* actEraseSelection;
    QAction* actMakeDummy;
    QAction* actMoveLeft;
    QAction* actMoveRight;
    QAction* actMoveUp;
    QAction* actMoveDown;
    QAction* actWishList;
    QAction* actGridSize;
    QAction* actFinish;
    QAction* actUnfinish;
    QAction* actShowStats;
    QAction* actPreferences;
    QAction* actAutoFit;
    QAction* actHideHelpPanel;
    QAction* actHelpContents;
    QAction* actHowToUse;
    QAction* actShowTutorial;
    QAction* actHideHelp;
    QAction* actShowHelp;
    QAction* actInteractiveHelp;
    QAction* actAbout;

    // --- Action handlers
    void actResetGameExecute();
    void actLoadGameExecute();
    void actSaveGameExecute();
    void actSaveGameAsExecute();
    void actPrinterSetupExecute();
    void actPrintExecute();
    void actHideEditorExecute();
    void actCloseEditorExecute();
    void actShowAllWordsExecute();
    void actHideWordsExecute();
    void actFindWordExecute();
    void actFindPatternExecute();
    void actFindDuplicatesExecute();
    void actRemoveWordExecute();
    void actWordEditExecute();
    void actWordAddExecute();
    void actEraseSelectionExecute();
    void actMakeDummyExecute();
    void actMoveExecute() {}
    void actWishListExecute();
    void actGridSizeExecute();
    void actFinishExecute();
    void actUnfinishExecute();
    void actShowStatsExecute();
    void actPreferencesExecute();
    void actAutoFitExecute() {}
    void actHelpContentsExecute();
    void actHowToUseExecute();
    void actShowTutorialExecute();
    void actHideHelpExecute();
    void actShowHelpExecute();
    void actAboutExecute();

    // Fit Word of the word editor and of the wish-list dialog.
    void FitWord(TObject* Sender, const QString& Word, int& Result);

protected:
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Building the form.
    void CreateControls();
    QWidget* CreateMainPanel();
    QWidget* CreateRightPane();
    void CreateStatusBar();
    void CreateActions();
    QAction* NewAction(const QString& Caption, const QString& Hint, int Picture,
                       void (TfrmGameEditor::*Handler)());
    void CreateMenus();
    void CreateToolBar();
    void CreatePopupMenus();
    void FormCreate();
    void BindGameEvents();
    void CreateKeptDialogs();
    void ApplyDefaultScheme();
    // Makes room for the grid's panel beside a right pane PaneWidth wide.
    void WidenForGrid(int PaneWidth);

    // The word list.
    void lbxWordsDrawItem(int Index, const TRect& Rect, bool Selected);
    void lbxWordsClick();
    void lbxWordsContextPopup(const QPoint& Pos);
    void UpdateRemoveAction();
    void UpdateWordCount();
    int LineOf(const QString& Word) const;
    void SelectLine(int Index, bool Selected);
    bool AnyLineSelected() const;
    QStringList WordLines() const;
    void ClearWordList();
    // Refills the list from the puzzle's words.
    void RefillWordList();

    // Highlighting.
    void HideHighlights();
    void GameHideAllWords();
    void GameHighlightWord(const QString& Word);
    void HighlightSelectedWords();
    void SelectFoundWords(const QStringList& Words);
    void HighlightWordsAtCell(int Column, int Row);

    // Mouse on the grid.
    void GameCellMouseDown(TMouseButton Button, TShiftState Shift, int X, int Y);
    void GameCellMouseMove(TShiftState Shift, int Column, int Row);
    void SelectCell(int Column, int Row);
    // The grid menu's actions go off until the next right click.
    void EndCellChoice();
    // Runs the grid menu's action whose shortcut was typed; false for none.
    bool RunGridShortcut(const QKeyEvent& Key);
    void pnlGameResize();
    // The grid's room in the game panel, inside its margins.
    QSize GridRoom() const;
    // The grid takes its room, less the pixel its closing lines need where
    // cells filling the room would leave them none.
    void FitGrid();
    void AddWordAtCell(int Column, int Row);
    bool RunWordEditor(QString& Word, TWordDirectionType& Direction, int& Column, int& Row,
                       bool EditMode);
    void PlaceNewWord(int Column, int Row, const QString& Word, TWordDirectionType Direction);
    // True when the word was changed.
    bool EditWord(int Column, int Row, TWordDirectionType Direction, const QString& Word);

    // The live preview.
    void SetPreview(int Column, int Row, const QString& Word, TWordDirectionType Direction);
    void ErasePreview();
    void ClearPreviewLetters();
    // Takes the preview off the grid before the typed word is placed, so that
    // the word is checked against the letters of the listed words and not
    // against its own; the filler and dummy letters under it stay blank until
    // RestoreCoveredLetters, so the word may take their cells.
    void MakeRoomForTypedWord();
    void DrawPreview();
    void WordEditorDummyChange(bool State);
    void KeepCoveredLetters();
    void RestoreCoveredLetters();

    // Status and help.
    void GameModified();
    void ClearModifiedMark();
    void PatternChange(const QString& Pattern);
    void ClearGame();
    QString HelpFilePath() const;
    void ShowHelpPanel(bool Visible);

    // Files.
    static QString FileFilter(bool Save);
    TFileDialogOptions FileDialogOptions() const;
    // Save Game after a Yes to the save question; true when the game was
    // saved. A failed save shows its error; a cancelled Save As or an
    // export leaves the game modified.
    bool SaveAfterYes();
    // Runs Body; when it fails, the list and the file name are brought back
    // in step with the puzzle, which keeps what it had, and the failure goes on.
    void KeepInStep(const std::function<void()>& Body);

    int FDuplicateCount = 0;
    QString FFileName;
    std::unique_ptr<IPreferencesDialog> FPreferencesDialog;
    std::unique_ptr<IWishListDialog> FWishListDialog;
    std::unique_ptr<IWordEditorDialog> FWordEditor;
    TGameManagerLink* FGameManager = nullptr;
    bool FDummyWord = false;
    // True while the word editor runs: its changes are then drawn as a preview.
    bool FWordEditorOpen = false;
    TWordDirectionType FPreviewDirection = wdRight;
    int FPreviewColumn = 0;
    int FPreviewRow = 0;
    QString FPreviewWord;
    int FSelectedColumn = 0;
    int FSelectedRow = 0;
    // A right click chose the selected cell, and its menu has not closed yet.
    bool FCellChosen = false;
    unsigned FCellChoices = 0;
    uint8_t FLastAction = 0;
    int FWordTally = 0;
    TGlyphtroveEditor* FGame = nullptr;

    // The filler and dummy letters under the preview, as they were before it.
    struct TCoveredLetter {
        int Column, Row;
        TGameCellRecord Cell;
    };
    std::vector<TCoveredLetter> FCoveredLetters;
    // False until the window's first layout is done.
    bool FLayoutSettled = false;
    TImageList FImages{16, 16};
    std::array<QLabel*, 8> FStatusPanels{};
};

#include "platform/Format.h"

template <typename... Args>
void TfrmGameEditor::ShowHelpTextFmt(const QString& Fmt, const Args&... args) {
    ShowHelpText(Format(Fmt, args...));
}
