// The play window's form: its controls, actions, menus and tool bar, the
// layout of the grid beside the side panel, and showing and hiding.

#include "playwindow/gameplayer/frmGamePlayerUn.h"

#include "engine/genlib/IntegerListUn.h"
#include "engine/properties/ColourPresetPropertiesUn.h"
#include "platform/FormKit.h"
#include "platform/Guard.h"
#include "playwindow/controls/StaticListBoxUn.h"
#include "playwindow/controls/TitleBlockUn.h"
#include "playwindow/gameplayer/PlayHelpTextsUn.h"
#include "playwindow/gameplayer/PlayPicturesUn.h"
#include "playwindow/options/frmPlayOptionsUn.h"

#include <QAction>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QResizeEvent>
#include <QSplitter>
#include <QStatusBar>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

constexpr int GridMargin = 8;
constexpr int RightPanelWidth = 180;
constexpr int TimerBoxPadding = 2;

QFont ArialFont(int points) {
    return FormFont(QStringLiteral("Arial"), points);
}

void SunkenLabelFrame(QLabel* label) {
    label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
}

} // namespace

TfrmGamePlayer::TfrmGamePlayer(QWidget* parent)
    : QMainWindow(parent), FHelpIds(std::make_unique<TIntegerList>()) {
    AddPlayPictures(FImages);
    CreateControls();
    CreateActions();
    CreateMenus();
    CreateToolBar();
    FormCreate();
}

TfrmGamePlayer::~TfrmGamePlayer() {
    // The control goes first, so none of its events reaches a window whose
    // members are going.
    delete FPlayer;
    FPlayer = nullptr;
}

TPlayerOptions& TfrmGamePlayer::Options() const {
    return FOptionsDialog->Options();
}

void TfrmGamePlayer::CreateControls() {
    setWindowTitle(QStringLiteral("Glyphtrove Puzzle Player"));
    setFont(ArialFont(8));
    resize(583, 514);

    QVBoxLayout* column = nullptr;
    QWidget* client = NewColumn(this, column);
    column->addWidget(CreateToolbarPanel());

    tbPuzzleTitle = new TTitleBlock(client);
    tbPuzzleTitle->setFixedHeight(32);
    tbPuzzleTitle->SetCaption(QStringLiteral("Puzzle Title"));
    tbPuzzleTitle->SetAlignment(taCenter);
    tbPuzzleTitle->SetFont(TitleFont(12, true));
    tbPuzzleTitle->SetBorderWidth(3);
    tbPuzzleTitle->SetBorderColour(clBtnShadow);
    tbPuzzleTitle->SetColour(clHighlight);
    tbPuzzleTitle->SetImages(&FImages);
    tbPuzzleTitle->SetImageIndex(ppPuzzleTitle);
    tbPuzzleTitle->SetLayout(ilLeft);
    column->addWidget(tbPuzzleTitle);

    Splitter2 = new QSplitter(Qt::Horizontal, client);
    Splitter2->setHandleWidth(3);
    Splitter2->setOpaqueResize(false);
    Splitter2->setChildrenCollapsible(false);
    CreateGamePanel();
    Splitter2->addWidget(pnlGame);
    Splitter2->addWidget(CreateRightPanel());
    Splitter2->setStretchFactor(0, 1);
    Splitter2->setStretchFactor(1, 0);
    connect(Splitter2, &QSplitter::splitterMoved, this, [this] { Guarded([&] { ResizeGrid(); }); });
    column->addWidget(Splitter2, 1);
    setCentralWidget(client);

    CreateStatusBar();
}

QWidget* TfrmGamePlayer::CreateToolbarPanel() {
    pnlToolbar = new QWidget(this);
    pnlToolbar->setFixedHeight(25);
    auto* row = new QHBoxLayout(pnlToolbar);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(0);

    tbMain = new QToolBar(pnlToolbar);
    tbMain->setFixedWidth(360);
    tbMain->setIconSize(QSize(16, 16));
    tbMain->setToolButtonStyle(Qt::ToolButtonIconOnly);
    tbMain->setMovable(false);
    tbMain->setFloatable(false);
    row->addWidget(tbMain);
    row->addStretch(1);

    pnlTimer = new QWidget(pnlToolbar);
    pnlTimer->setFixedWidth(120);
    pnlTimer->setMinimumWidth(116);
    pnlTimer->setMouseTracking(true);
    auto* timerRow = new QHBoxLayout(pnlTimer);
    timerRow->setContentsMargins(0, 2, 2, 2);
    timerRow->setSpacing(2);
    lblTime = new QLabel(QStringLiteral("Elapsed time"), pnlTimer);
    lblTime->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    // The caption gives way, never the clock: the two together would ask
    // for more than the panel has and push the clock's box past its edge.
    lblTime->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    txtTimer = new QLabel(QStringLiteral("00:00:00"), pnlTimer);
    SunkenLabelFrame(txtTimer);
    txtTimer->setAlignment(Qt::AlignCenter);
    txtTimer->setFixedWidth(txtTimer->fontMetrics().horizontalAdvance(txtTimer->text()) +
                            2 * txtTimer->frameWidth() + 2 * TimerBoxPadding);
    for (QLabel* label : {lblTime, txtTimer}) {
        label->setMouseTracking(true);
        label->installEventFilter(this);
    }
    timerRow->addWidget(lblTime, 1);
    timerRow->addWidget(txtTimer);
    pnlTimer->installEventFilter(this);
    pnlTimer->hide();
    row->addWidget(pnlTimer);
    return pnlToolbar;
}

QWidget* TfrmGamePlayer::CreateRightPanel() {
    QVBoxLayout* column = nullptr;
    pnlRight = NewColumn(this, column);

    Splitter1 = new QSplitter(Qt::Vertical, pnlRight);
    Splitter1->setHandleWidth(3);
    Splitter1->setChildrenCollapsible(false);
    column->addWidget(Splitter1);

    QVBoxLayout* words = nullptr;
    pnlWords = NewColumn(Splitter1, words);
    tbWordList = new TTitleBlock(pnlWords);
    tbWordList->setFixedHeight(28);
    tbWordList->SetCaption(QStringLiteral("Word List"));
    tbWordList->SetFont(TitleFont(10, true));
    tbWordList->SetImages(&FImages);
    tbWordList->SetImageIndex(ppWordList);
    tbWordList->SetLayout(ilRight);
    words->addWidget(tbWordList);
    lbxWords = new TStaticListBox(pnlWords);
    lbxWords->setMinimumWidth(100);
    lbxWords->SetColor(clBtnFace);
    lbxWords->SetFont(TitleFont(9, true));
    lbxWords->SetMultiSelect(true);
    lbxWords->SetExtendedSelect(false);
    lbxWords->SetSorted(true);
    lbxWords->SetStyle(lbOwnerDrawVariable);
    lbxWords->OnDrawItem = [this](TCustomListBox*, int index, const TRect& rect, TOwnerDrawState) {
        lbxWordsDrawItem(index, rect);
    };
    lbxWords->OnMeasureItem = [this](TCustomListBox*, int index, int& height) {
        lbxWordsMeasureItem(index, height);
    };
    lbxWords->setMouseTracking(true);
    lbxWords->viewport()->setMouseTracking(true);
    lbxWords->viewport()->installEventFilter(this);
    words->addWidget(lbxWords, 1);
    Splitter1->addWidget(pnlWords);

    QVBoxLayout* help = nullptr;
    pnlHelp = NewColumn(Splitter1, help);
    tbHelp = new TTitleBlock(pnlHelp);
    tbHelp->SetCaption(QStringLiteral("Interactive Help"));
    tbHelp->SetFont(TitleFont(8, false));
    tbHelp->SetImages(&FImages);
    tbHelp->SetImageIndex(ppInteractiveHelp);
    tbHelp->SetLayout(ilRight);
    tbHelp->installEventFilter(this);
    help->addWidget(tbHelp);
    memHelp = new QPlainTextEdit(pnlHelp);
    memHelp->setReadOnly(true);
    memHelp->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    QPalette memoColours = memHelp->palette();
    memoColours.setColor(QPalette::Base, ToQColor(clBtnFace));
    memHelp->setPalette(memoColours);
    help->addWidget(memHelp, 1);
    Splitter1->addWidget(pnlHelp);
    Splitter1->setStretchFactor(0, 1);
    Splitter1->setStretchFactor(1, 0);
    Splitter1->setSizes({514 - 167, 167});
    return pnlRight;
}

void TfrmGamePlayer::CreateGamePanel() {
    pnlGame = new QFrame(this);
    pnlGame->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    pnlGame->setMinimumSize(244, 244);
    auto* fill = new QVBoxLayout(pnlGame);
    fill->setContentsMargins(0, 0, 0, 0);
    pnlPause = new QLabel(QStringLiteral("Game Paused"), pnlGame);
    pnlPause->setAlignment(Qt::AlignCenter);
    pnlPause->setFont(ArialFont(14));
    pnlPause->setAutoFillBackground(true);
    pnlPause->hide();
    fill->addWidget(pnlPause);
}

void TfrmGamePlayer::CreateStatusBar() {
    sbrInfo = NewPanelStatusBar(this);
    struct PanelLayout {
        int Width;
        Qt::Alignment Alignment;
        bool Bevel;
        const char* Text;
    };
    static const PanelLayout panels[6] = {
        {30, Qt::AlignRight, false, "Total"},
        {50, Qt::AlignLeft, true, ""},
        {40, Qt::AlignRight, false, "Found"},
        {50, Qt::AlignLeft, true, ""},
        {100, Qt::AlignHCenter, true, "100% Completed"},
        {50, Qt::AlignLeft, true, ""},
    };
    for (size_t i = 0; i < FStatusPanels.size(); ++i) {
        auto* panel = new QLabel(QString::fromLatin1(panels[i].Text), sbrInfo);
        panel->setFixedWidth(panels[i].Width);
        panel->setAlignment(panels[i].Alignment | Qt::AlignVCenter);
        if (panels[i].Bevel)
            SunkenLabelFrame(panel);
        sbrInfo->addWidget(panel);
        FStatusPanels[i] = panel;
    }
}

QAction* TfrmGamePlayer::NewAction(const QString& caption, const QString& hint, int imageIndex,
                                   void (TfrmGamePlayer::*handler)()) {
    return NewFormAction(this, FImages, caption, hint, imageIndex,
                         [this, handler] { (this->*handler)(); });
}

void TfrmGamePlayer::CreateActions() {
    using Self = TfrmGamePlayer;
    actOpen = NewAction("&Open...", "open a Glyphtrove game file", ppOpen, &Self::actOpenExecute);
    actOpen->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_O));
    actClose = NewAction("Give Up && &Close", "close the game", ppClose, &Self::actCloseExecute);
    actClose->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_E));
    actShowHint = NewAction("&Show Hint...", "show hint where a word is located", ppShowHint,
                            &Self::actShowHintExecute);
    actRestartPuzzle = NewAction("&Restart Puzzle", "restart the puzzle", ppRestartPuzzle,
                                 &Self::actRestartPuzzleExecute);
    actShowOptions =
        NewAction("&Options...", "show options", ppShowOptions, &Self::actShowOptionsExecute);
    actHideFoundWords = NewAction("&Hide Found Words", "hide found words in the grid",
                                  ppHideFoundWords, &Self::actHideFoundWordsExecute);
    actHideFoundWords->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_H));
    actShowFoundWords = NewAction("&Show Found Words", "show found words in the grid",
                                  ppShowFoundWords, &Self::actShowFoundWordsExecute);
    actShowFoundWords->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_S));
    actShowFoundWords->setVisible(false);
    actPrint = NewAction("&Print...", "print the puzzle", ppPrint, &Self::actPrintExecute);
    actPrint->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_P));
    actUseTimer = NewAction("Use &Timer", "time the game", ppUseTimer, &Self::actUseTimerExecute);
    actUseTimer->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_T));
    actUseTimer->setCheckable(true);
    actAbout = NewAction("&About...", "show information about this application", ppAbout,
                         &Self::actAboutExecute);
    actGiveUp = NewAction("&Give Up", "give up the puzzle and show all the words", ppGiveUp,
                          &Self::actGiveUpExecute);
    actPause =
        NewAction("&Pause Game", "pause the game and the timer", ppPause, &Self::actPauseExecute);
    actContinue = NewAction("&Continue Game", "continue the game with the timer", ppContinue,
                            &Self::actContinueExecute);
    actFullscreen =
        NewAction("Full Screen", "use full screen", ppFullscreen, &Self::actFullscreenExecute);
    actFullscreen->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_F));
    actNormalScreen = NewAction("Normal Window", "return from full screen", ppNormalScreen,
                                &Self::actNormalScreenExecute);
    actNormalScreen->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_N));
    actHelpContents = NewAction("Show Contents...", "show the help contents", ppHelpContents,
                                &Self::actHelpContentsExecute);
    actShowHelp = NewAction("Show Interactive Help", "display the interactive help system",
                            ppShowHelp, &Self::actShowHelpExecute);
    actShowHelp->setVisible(false);
    actHideHelp = NewAction("Hide Interactive Help", "hide the interactive help system", ppHideHelp,
                            &Self::actHideHelpExecute);
    actHelpPlayer = NewAction("Player Help...", "show help on how to use the player", ppHelpPlayer,
                              &Self::actHelpPlayerExecute);
}

void TfrmGamePlayer::CreateMenus() {
    mnuFile = menuBar()->addMenu(QStringLiteral("&File"));
    mnuFile->addActions({actOpen, actPrint, actClose});
    mnuGame = menuBar()->addMenu(QStringLiteral("&Game"));
    mnuGame->addActions({actGiveUp, actRestartPuzzle});
    mnuGame->addSeparator();
    mnuGame->addActions({actPause, actContinue});
    mnuGame->addSeparator();
    mnuGame->addActions(
        {actUseTimer, actHideFoundWords, actShowFoundWords, actFullscreen, actNormalScreen});
    mnuGame->addSeparator();
    mnuGame->addAction(actShowHint);
    mnuGame->addSeparator();
    mnuGame->addAction(actShowOptions);
    mnuHelp = menuBar()->addMenu(QStringLiteral("&Help"));
    mnuHelp->addActions({actHelpContents, actHelpPlayer});
    mnuHelp->addSeparator();
    mnuHelp->addActions({actShowHelp, actHideHelp});
    mnuHelp->addSeparator();
    mnuHelp->addAction(actAbout);
}

void TfrmGamePlayer::CreateToolBar() {
    tbMain->addActions({actOpen, actPrint, actClose});
    tbMain->addSeparator();
    tbMain->addActions({actRestartPuzzle, actGiveUp});
    tbMain->addSeparator();
    tbMain->addActions(
        {actUseTimer, actShowHint, actHideFoundWords, actShowFoundWords, actPause, actContinue});
    tlbUseTimer = qobject_cast<QToolButton*>(tbMain->widgetForAction(actUseTimer));
    tbMain->addSeparator();
    tbMain->addAction(actShowOptions);
    tbnTimer = tbMain->addSeparator();
    tbnTimer->setVisible(false);
    tbMain->addActions({actFullscreen, actNormalScreen});
}

void TfrmGamePlayer::FormCreate() {
    FPlayer = new TGlyphtrovePlayer(pnlGame);
    FPlayer->setGeometry(GridMargin, GridMargin, pnlGame->width() - 2 * GridMargin,
                         pnlGame->height() - 2 * GridMargin);
    FPlayer->SetBorderStyle(bsNone);
    FPlayer->SetDrawCellIn3D(false);
    FPlayer->SetGridLineWidth(0);
    FPlayer->SetGridSize(EmptyBoardSide, EmptyBoardSide);
    BindPlayerEvents();

    FOptionsDialog = std::make_unique<TfrmPlayerOptions>(this);
    FColourPresets = std::make_unique<TGlyphtroveGameColourPresetProperties>();
    FOptionsDialog->SetColourSchemes(FColourPresets.get());

    FGameLoaded = false;
    FFlashTimer = services().CreateTimer();
    FFlashTimer->SetEnabled(false);
    FFlashTimer->SetInterval(500);
    FFlashTimer->OnTimer = [this] { Guarded([&] { FlashTimerTick(); }); };
    tmrHelpDelay = services().CreateTimer();
    tmrHelpDelay->SetEnabled(false);
    tmrHelpDelay->SetInterval(3000);
    tmrHelpDelay->OnTimer = [this] { Guarded([&] { tmrHelpDelayTimer(); }); };
    FHelpShown = -1;
    SetHelp(hiWelcome, HelpText(hiWelcome));
    EnableGameActions(false);
}

void TfrmGamePlayer::BindPlayerEvents() {
    FPlayer->OnWordAdded = [this](TObject*, const QString& word) { PlayerWordAdded(word); };
    FPlayer->OnMouseDown = [this](TObject*, TMouseButton, TShiftState, int, int) {
        PlayerMouseDown();
    };
    FPlayer->OnMouseMove = [this](TObject*, TShiftState, int, int) { PlayerMouseMove(); };
    FPlayer->OnWordFound = [this](TObject*, const QString& word) { PlayerWordFound(word); };
    FPlayer->OnWordNotFound = [this](TObject*, const QString& text) { PlayerWordNotFound(text); };
    FPlayer->OnTimer = [this](TObject*, TDateTime time) { PlayerTimer(time); };
    FPlayer->OnGameStarted = [this](TObject*) { PlayerGameStarted(); };
    FPlayer->OnGameStateChange = [this](TObject*, TWordGameStateType state) {
        PlayerGameStateChange(state);
    };
    FPlayer->OnResize = [this](TObject*) { FitSidePanel(); };
}

void TfrmGamePlayer::ResizeGrid() {
    if (!FPlayer)
        return;
    FPlayer->setGeometry(QRect(QPoint(GridMargin, GridMargin), GridRoom()));
    FitBoard();
}

// A board of other counts is laid out at once in the grid's room: the side
// panel was fitted to the last board and, left so, cuts off a wider one.
void TfrmGamePlayer::FitBoard() {
    FPlayer->RecalculateLayout();
    FitSidePanel();
    if (FPlayer->TakeDrawnExtent(GridRoom()))
        return;
    // The room's height, or a side panel at its narrowest, cannot give the
    // closing lines their pixel.
    FPlayer->ShrinkForClosingLines();
    FitSidePanel();
    FPlayer->TakeDrawnExtent(GridRoom());
}

QSize TfrmGamePlayer::GridRoom() const {
    return pnlGame->size() - QSize(2 * GridMargin, 2 * GridMargin);
}

// The game panel takes what the grid draws, made square, and its margins;
// the right panel all the rest. Moving the splitter resizes the game panel
// only, never the grid, so this cannot feed back into itself.
void TfrmGamePlayer::FitSidePanel() {
    if (FFittingSidePanel)
        return;
    if (FPlayer->ClientHeight() <= 0)
        return;
    const QSize drawn = FPlayer->DrawnExtent();
    const int extent = drawn.width() < drawn.height() ? drawn.height() + 2 * FPlayer->y()
                                                      : drawn.width() + 2 * FPlayer->x();
    FFittingSidePanel = true;
    SetRightPanelWidth(Splitter2->width() - Splitter2->handleWidth() - extent);
    FFittingSidePanel = false;
}

void TfrmGamePlayer::SetRightPanelWidth(int width) {
    Splitter2->setSizes({Splitter2->width() - Splitter2->handleWidth() - width, width});
}

// The bars shown or hidden take their room at once, so the grid fits the
// panel they leave: laid out later, the panel would cut the grid off or
// leave it short.
void TfrmGamePlayer::FitGridAroundBars() {
    centralWidget()->layout()->activate();
    layout()->activate();
    ResizeGrid();
}

void TfrmGamePlayer::resizeEvent(QResizeEvent* event) {
    QMainWindow::resizeEvent(event);
    Guarded([&] { ResizeGrid(); });
}

void TfrmGamePlayer::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    if (!event->spontaneous())
        Guarded([this] { FormShow(); });
}

void TfrmGamePlayer::FormShow() {
    // The right panel starts at its form width; the panels have their sizes
    // by now and the grid takes its own.
    if (!FShownBefore) {
        services().PlaceWindow(*this, poDesktopCenter);
        // A window that opens full screen goes back here.
        if (!FNormalPos)
            FNormalPos = geometry().topLeft();
        SetRightPanelWidth(RightPanelWidth);
    }
    FShownBefore = true;
    ResizeGrid();
    HideCallerForm();
}

void TfrmGamePlayer::hideEvent(QHideEvent* event) {
    QMainWindow::hideEvent(event);
    if (!event->spontaneous())
        Guarded([this] { FormHide(); });
}

void TfrmGamePlayer::FormHide() {
    actPause->trigger();
    ShowCallerForm();
}

void TfrmGamePlayer::ShowCallerForm() {
    if (FCallerForm)
        FCallerForm->show();
}

void TfrmGamePlayer::HideCallerForm() {
    if (FCallerForm)
        FCallerForm->hide();
}

bool TfrmGamePlayer::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseMove) {
        if (watched == lbxWords->viewport())
            Guarded([&] { lbxWordsMouseMove(); });
        else if (watched == pnlTimer || watched == lblTime || watched == txtTimer)
            Guarded([&] { pnlTimerMouseMove(); });
    } else if (event->type() == QEvent::MouseButtonDblClick && watched == tbHelp) {
        actHideHelp->trigger();
        return true;
    }
    return QMainWindow::eventFilter(watched, event);
}
