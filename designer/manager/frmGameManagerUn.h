#pragma once

#include <QString>
#include <QWidget>
#include <functional>

class QAction;
class QGroupBox;
class QPushButton;
class TCustomListBox;
class TGameManager;
class TObject;
class TWordGameProperties;
class TfrmGameEditor;

// The modeless "Game Manager" window: the games in progress by title, with
// Show/Hide, Close, New... and Load.... Line i of the list is editor i of
// the manager.
class TfrmGameManager : public QWidget {
    Q_OBJECT
public:
    explicit TfrmGameManager(QWidget* parent = nullptr);
    ~TfrmGameManager() override;

    TGameManager* GameManager() const { return FGameManager; }

    void NewGame(int Width, int Height, bool Load);
    void AddEditor(TfrmGameEditor* Editor);
    void RemoveEditor(TfrmGameEditor* Editor);
    void UpdateButtons();
    // Asks every modified game whether to save; false at the first Cancel.
    bool CanCloseAll();

    QGroupBox* grpGames;
    TCustomListBox* lbxGames;
    QPushButton* btnShowHideGame;
    QPushButton* btnCloseGame;
    QPushButton* btnNewGame;
    QPushButton* btnLoadGame;

    QAction* actShowGame;
    QAction* actCloseGame;
    QAction* actNewGame;
    QAction* actLoadGame;
    QAction* actHideGame;

    void actShowGameExecute();
    void actHideGameExecute();
    void actCloseGameExecute();
    void actNewGameExecute();
    void actLoadGameExecute();
    void lbxGamesClick();
    void lbxGamesDblClick();

private:
    void CreateControls();
    void CreateActions();
    QAction* NewAction(const QString& Caption, const QString& Hint, const QKeySequence& Shortcut,
                       void (TfrmGameManager::*Handler)());
    QPushButton* NewButton(int Top);
    // The button shows the action's caption and hint and runs it.
    void SetButtonAction(QPushButton* Button, QAction* Action);
    void FormCreate();
    void FormDestroy();
    // Runs a new editor's first step; when it fails, the editor is closed
    // again before the error goes on.
    void RunOnNewEditor(TfrmGameEditor* Editor, const std::function<void()>& Run);
    // The editor's line, or -1 for an editor not listed.
    int LineOfEditor(const TfrmGameEditor* Editor) const;
    // Deletes a line; when it was the selected one, no line is selected.
    void DeleteLine(int Line);

    void GameTitleChanged(TObject* Sender, const QString& OldTitle,
                          TWordGameProperties* Properties);
    void GameCloseRequest(TObject* Sender);
    void GameHidden(TObject* Sender);

    TGameManager* FGameManager = nullptr;
    QAction* FShowHideAction = nullptr;
    int FNewGameWidth = 0;
    int FNewGameHeight = 0;
};
