#pragma once

#include "platform/ImageList.h"

#include <QString>
#include <QStringList>
#include <QWidget>

class QAction;
class QFrame;
class QLabel;
class QToolButton;
class TfrmAboutDesigner;
class TfrmGamePlayer;
class TImage;

// The player's start window: Play, How to use, the about box and Exit. It
// opens the game file named on the command line once it first shows, and
// hands the play itself to the play window.
class TfrmPlayerMenu : public QWidget {
    Q_OBJECT
public:
    // Arguments as the program got them (the program's name first).
    explicit TfrmPlayerMenu(const QStringList& Arguments, QWidget* parent = nullptr);
    ~TfrmPlayerMenu() override;

    // The windows created after this one; both must be set before it shows.
    void SetPlayWindow(TfrmGamePlayer* Window) { FPlayWindow = Window; }
    void SetAboutBox(TfrmAboutDesigner* Box) { FAboutBox = Box; }

    const QString& StartupFileName() const { return FStartupFileName; }
    // The help file found beside the program; kept once found.
    const QString& HelpFile() const { return FHelpFile; }

    QFrame* pnlBack;
    QLabel* pnlTitle;
    TImage* Image1;
    QToolButton* btnPlayer;
    QToolButton* btnHowToUse;
    QToolButton* btnInfo;
    QToolButton* btnExit;
    TImageList ImageList{32, 32};
    QAction* actPlayer;
    QAction* actHowToUse;
    QAction* actInfo;
    QAction* actExit;

    void actPlayerExecute();
    void actHowToUseExecute();
    void actInfoExecute();
    void actExitExecute();
    void Image1Click();
    void CheckHelpFile();

signals:
    // The window closed after the quit question was answered Yes.
    void Closed();

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void FormCreate(const QStringList& Arguments);
    void FormShow();
    // The first show's deferred step: opens the command-line file.
    void FormPaint();
    bool FormCloseQuery();
    void CreateControls();
    QAction* CreateAction(const QString& Caption, const QString& Hint, const QString& Picture,
                          void (TfrmPlayerMenu::*Handler)());
    QToolButton* CreateButton(QAction* Action, int Left);

    TfrmGamePlayer* FPlayWindow = nullptr;
    TfrmAboutDesigner* FAboutBox = nullptr;
    QString FStartupFileName;
    QString FHelpFile;
    bool FShownBefore = false;
};
