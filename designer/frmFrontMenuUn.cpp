#include "designer/frmFrontMenuUn.h"

#include "designer/manager/GameManagerUn.h"
#include "designer/manager/frmGameManagerUn.h"
#include "platform/Canvas.h"
#include "platform/FormKit.h"
#include "platform/Guard.h"
#include "playwindow/about/frmAboutUn.h"
#include "playwindow/gameplayer/frmGamePlayerUn.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QFileInfo>
#include <QFrame>
#include <QGuiApplication>
#include <QScreen>
#include <QSettings>
#include <QStatusBar>
#include <QStatusTipEvent>
#include <QToolButton>
#include <QVBoxLayout>
#include <array>
#include <optional>

namespace {

constexpr int HelpContentsContext = 2;

// The saved places, in the order they are read and written.
constexpr std::array<const char*, 4> PositionNames = {"MainX", "MainY", "GameMgrX", "GameMgrY"};

QSettings* OpenPositionsKey() {
    return new QSettings("Fernhallow Software", "GlyphtroveEditor");
}

// Sets the coordinates it has of a window once the window manager has
// placed it, at its first show, and keeps the place it chose on the others.
class TAxisPlacer : public QObject {
public:
    TAxisPlacer(QWidget& Window, std::optional<int> X, std::optional<int> Y)
        : QObject(&Window), FWindow(Window), FX(X), FY(Y) {
        Window.installEventFilter(this);
    }

protected:
    bool eventFilter(QObject*, QEvent* Event) override {
        if (Event->type() == QEvent::Show) {
            FWindow.removeEventFilter(this);
            QMetaObject::invokeMethod(
                &FWindow,
                [window = &FWindow, x = FX, y = FY] {
                    window->move(x.value_or(window->x()), y.value_or(window->y()));
                },
                Qt::QueuedConnection);
            deleteLater();
        }
        return false;
    }

private:
    QWidget& FWindow;
    std::optional<int> FX, FY;
};

} // namespace

TfrmFrontMenu::TfrmFrontMenu(QWidget* parent) : QWidget(parent) {
    Q_INIT_RESOURCE(frontmenu);
    setWindowTitle("Glyphtrove Designer");
    // A tool window's border: a caption and a close box, no resizing.
    setWindowFlags(Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint);
    setFont(FormFont("Arial", 8));
    setFixedSize(488, 108);
    CreateControls();
    FormCreate();
}

TfrmFrontMenu::~TfrmFrontMenu() {
    FormDestroy();
}

QAction* TfrmFrontMenu::CreateAction(const QString& Caption, const QString& Hint,
                                     const QString& Picture, void (TfrmFrontMenu::*Handler)()) {
    QAction* action = NewFormAction(this, ImageList, Caption, Hint, ImageList.AddSvg(Picture),
                                    [this, Handler] { (this->*Handler)(); });
    // The button's caption keeps its "&", so Alt and the letter press it.
    action->setIconText(Caption);
    return action;
}

QToolButton* TfrmFrontMenu::CreateButton(QAction* Action, int Left) {
    auto* button = new QToolButton(pnlButtons);
    button->setDefaultAction(Action);
    button->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    button->setIconSize(QSize(32, 32));
    button->setFont(FormFont("Arial", 12));
    button->setGeometry(Left, 8, 89, 73);
    return button;
}

void TfrmFrontMenu::CreateControls() {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    pnlButtons = new QFrame(this);
    pnlButtons->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    pnlButtons->setFixedHeight(89);
    layout->addWidget(pnlButtons);
    sbInfo = new QStatusBar(this);
    sbInfo->setFixedHeight(19);
    sbInfo->setSizeGripEnabled(false);
    layout->addWidget(sbInfo);

    actEditor = CreateAction("&Editor", "start the game manager", ":/frontmenu/editor.svg",
                             &TfrmFrontMenu::actEditorExecute);
    actEditor->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_E));
    actPlay = CreateAction("&Play", "test your puzzles with the build-in player",
                           ":/frontmenu/play.svg", &TfrmFrontMenu::actPlayExecute);
    actPlay->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_P));
    actHowToPlay = CreateAction("&Help", "find instructions on how to use this application",
                                ":/frontmenu/help.svg", &TfrmFrontMenu::actHowToPlayExecute);
    actHowToPlay->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_H));
    actAbout = CreateAction("&About", "about this application", ":/frontmenu/about.svg",
                            &TfrmFrontMenu::actAboutExecute);
    actExit = CreateAction("&Exit", "exit application", ":/frontmenu/exit.svg",
                           &TfrmFrontMenu::actExitExecute);
    btnEditor = CreateButton(actEditor, 8);
    btnPlay = CreateButton(actPlay, 104);
    btnHowToPlay = CreateButton(actHowToPlay, 200);
    btnAbout = CreateButton(actAbout, 296);
    btnExit = CreateButton(actExit, 392);
}

void TfrmFrontMenu::FormCreate() {
    CheckHelpFile();
    FGameManagerWindow = new TfrmGameManager(this);
    FGameManagerWindow->GameManager()->SetHelpAvailable(FHelpAvailable);
    LoadWindowPositions();
    qApp->installEventFilter(this);
}

void TfrmFrontMenu::FormDestroy() {
    qApp->removeEventFilter(this);
    // While the game manager window, destroyed with this one, still exists.
    SaveWindowPositions();
}

void TfrmFrontMenu::CheckHelpFile() {
    const QString path = HelpFileBesideProgram();
    FHelpAvailable = QFileInfo::exists(path);
    actHowToPlay->setEnabled(FHelpAvailable);
    if (FHelpAvailable)
        FHelpFile = path;
}

void TfrmFrontMenu::LoadWindowPositions() {
    std::array<int, 4> values = {-1, -1, -1, -1};
    const std::unique_ptr<QSettings> key(OpenPositionsKey());
    // The first value missing or no number ends the reading.
    for (size_t i = 0; i < PositionNames.size(); ++i) {
        const QVariant value = key->value(PositionNames[i]);
        bool isNumber = false;
        const int number = value.toInt(&isNumber);
        if (!value.isValid() || !isNumber)
            break;
        values[i] = number;
    }
    PlaceWindow(*this, values[0], values[1], -100);
    PlaceWindow(*FGameManagerWindow, values[2], values[3], 100);
}

void TfrmFrontMenu::SaveWindowPositions() {
    const std::unique_ptr<QSettings> key(OpenPositionsKey());
    const std::array<int, 4> values = {x(), y(), FGameManagerWindow->x(), FGameManagerWindow->y()};
    for (size_t i = 0; i < PositionNames.size(); ++i)
        key->setValue(PositionNames[i], values[i]);
}

void TfrmFrontMenu::PlaceWindow(QWidget& Window, int X, int Y, int OffsetY) {
    const QSize screen = QGuiApplication::primaryScreen()->geometry().size();
    const QSize window = Window.frameGeometry().size();
    if (X < 0)
        X = (screen.width() - window.width()) / 2;
    if (Y < 0)
        Y = (screen.height() - window.height()) / 2 + OffsetY;
    const bool xFits = 0 <= X && X < screen.width() - window.width();
    const bool yFits = 0 <= Y && Y < screen.height() - window.height();
    // A coordinate off the screen is left to the window manager: a window
    // the program moves is put where it says, on both axes.
    if (xFits && yFits)
        Window.move(X, Y);
    else if (xFits || yFits)
        new TAxisPlacer(Window, xFits ? std::optional<int>(X) : std::nullopt,
                        yFits ? std::optional<int>(Y) : std::nullopt);
}

void TfrmFrontMenu::ShowHint(const QString& Hint) {
    sbInfo->showMessage(Hint);
}

bool TfrmFrontMenu::eventFilter(QObject* watched, QEvent* event) {
    // Every hint of the application, whichever window it comes from.
    if (event->type() == QEvent::StatusTip)
        ShowHint(static_cast<QStatusTipEvent*>(event)->tip());
    return QWidget::eventFilter(watched, event);
}

void TfrmFrontMenu::closeEvent(QCloseEvent* event) {
    if (AcceptCloseIf(event, [this] { return FormCloseQuery(); }))
        emit Closed();
}

bool TfrmFrontMenu::FormCloseQuery() {
    FGameManagerWindow->GameManager()->HideAll();
    return FGameManagerWindow->CanCloseAll();
}

void TfrmFrontMenu::actEditorExecute() {
    FGameManagerWindow->show();
    FGameManagerWindow->raise();
    FGameManagerWindow->activateWindow();
}

void TfrmFrontMenu::actPlayExecute() {
    FPlayWindow->PlayGame(QString());
}

void TfrmFrontMenu::actHowToPlayExecute() {
    services().ShowHelp(FHelpFile, HelpContentsContext);
}

void TfrmFrontMenu::actAboutExecute() {
    FAboutBox->ShowAbout();
}

void TfrmFrontMenu::actExitExecute() {
    close();
}
