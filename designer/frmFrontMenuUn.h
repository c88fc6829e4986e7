#pragma once

#include "platform/ImageList.h"

#include <QWidget>

class QAction;
class QFrame;
class QStatusBar;
class QToolButton;
class TfrmAboutDesigner;
class TfrmGameManager;
class TfrmGamePlayer;

// The designer's main window: Editor, Play, Help, About and Exit over a
// status bar with the hint of the button under the mouse. It owns the game
// manager window and keeps both windows' places between runs.
class TfrmFrontMenu : public QWidget {
    Q_OBJECT
public:
    explicit TfrmFrontMenu(QWidget* parent = nullptr);
    ~TfrmFrontMenu() override;

    // The windows created after this one; both must be set before use.
    void SetAboutBox(TfrmAboutDesigner* Box) { FAboutBox = Box; }
    void SetPlayWindow(TfrmGamePlayer* Window) { FPlayWindow = Window; }

    TfrmGameManager* GameManagerWindow() const { return FGameManagerWindow; }
    bool HelpAvailable() const { return FHelpAvailable; }
    // The help file found beside the program; empty when there is none.
    const QString& HelpFile() const { return FHelpFile; }

    QFrame* pnlButtons;
    QToolButton* btnEditor;
    QToolButton* btnPlay;
    QToolButton* btnHowToPlay;
    QToolButton* btnAbout;
    QToolButton* btnExit;
    QStatusBar* sbInfo;
    TImageList ImageList{32, 32};

    QAction* actEditor;
    QAction* actPlay;
    QAction* actHowToPlay;
    QAction* actAbout;
    QAction* actExit;

    void actEditorExecute();
    void actPlayExecute();
    void actHowToPlayExecute();
    void actAboutExecute();
    void actExitExecute();

    void CheckHelpFile();
    void LoadWindowPositions();
    void SaveWindowPositions();
    // Puts the window at x, y; a negative value centres it on the screen
    // (offset down by OffsetY), and a value that would not leave the whole
    // window on the screen keeps the window's own place.
    static void PlaceWindow(QWidget& Window, int X, int Y, int OffsetY);
    void ShowHint(const QString& Hint);

signals:
    // The window closed after the close query allowed it.
    void Closed();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void CreateControls();
    QAction* CreateAction(const QString& Caption, const QString& Hint, const QString& Picture,
                          void (TfrmFrontMenu::*Handler)());
    QToolButton* CreateButton(QAction* Action, int Left);
    void FormCreate();
    bool FormCloseQuery();
    void FormDestroy();

    bool FHelpAvailable = false;
    QString FHelpFile;
    TfrmGameManager* FGameManagerWindow = nullptr;
    TfrmAboutDesigner* FAboutBox = nullptr;
    TfrmGamePlayer* FPlayWindow = nullptr;
};
