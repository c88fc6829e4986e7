#include "designer/editor/frmGameEditorUn.h"

#include "designer/controls/ColourMemoUn.h"
#include "designer/editor/EditorPicturesUn.h"
#include "designer/editor/EditorTextsUn.h"
#include "engine/genlib/DrawTextUn.h"
#include "engine/genlib/GenLibUn.h"
#include "platform/Colors.h"
#include "platform/FormKit.h"
#include "platform/Guard.h"
#include "platform/ListBox.h"
#include "playwindow/controls/TitleBlockUn.h"

#include <QAction>
#include <QCloseEvent>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QScopeGuard>
#include <QSplitter>
#include <QStatusBar>
#include <QToolBar>
#include <QVBoxLayout>
#include <algorithm>

namespace {

// Status panels.
constexpr int spModified = 0;
constexpr int spWordCount = 2;
constexpr int spGridSize = 5;
constexpr int spReport = 7;

// Pixels per cell below which the game panel does not shrink once a size is set.
constexpr int MinCellPixels = 16;
// The grid lies this far inside the game panel on every side.
constexpr int GridMargin = 8;
constexpr int RightPaneWidth = 200;
// The tool bar's buttons are square.
constexpr int ToolButtonSize = 25;

} // namespace

TfrmGameEditor::TfrmGameEditor(QWidget* parent) : QMainWindow(parent) {
    AddEditorPictures(FImages);
    CreateControls();
    CreateActions();
    CreateMenus();
    CreateToolBar();
    CreatePopupMenus();
    FormCreate();
}

TfrmGameEditor::~TfrmGameEditor() {
    // The puzzle goes first, then the kept dialogs.
    delete FGame;
    FGame = nullptr;
    FPreferencesDialog.reset();
    FWordEditor.reset();
    FWishListDialog.reset();
}

// --- Building the form

void TfrmGameEditor::CreateControls() {
    setWindowTitle(QStringLiteral("Glyphtrove Game Editor"));
    setFont(FormFont(QStringLiteral("Arial"), 8));
    resize(594, 509);

    sptMain = new QSplitter(Qt::Horizontal, this);
    sptMain->setHandleWidth(3);
    sptMain->setOpaqueResize(false); // resized by a drawn line
    sptMain->setChildrenCollapsible(false);
    sptMain->addWidget(CreateMainPanel());
    sptMain->addWidget(CreateRightPane());
    sptMain->setStretchFactor(0, 1);
    sptMain->setStretchFactor(1, 0);
    sptMain->setSizes({594 - RightPaneWidth - 3, RightPaneWidth});
    setCentralWidget(sptMain);
    CreateStatusBar();
}

QWidget* TfrmGameEditor::CreateMainPanel() {
    QVBoxLayout* layout = nullptr;
    pnlMain = NewColumn(this, layout);

    tbPuzzleTitle = new TTitleBlock(pnlMain);
    tbPuzzleTitle->setFixedHeight(32);
    tbPuzzleTitle->SetAlignment(taCenter);
    TFont font = TitleFont(10, true);
    font.SetColor(clHighlightText);
    tbPuzzleTitle->SetFont(font);
    tbPuzzleTitle->SetColour(clHighlight);
    tbPuzzleTitle->SetBorderWidth(3);
    tbPuzzleTitle->SetBorderColour(clBtnShadow);
    tbPuzzleTitle->SetImages(&FImages);
    tbPuzzleTitle->SetImageIndex(epPuzzleTitle);
    tbPuzzleTitle->SetLayout(ilLeft);
    tbPuzzleTitle->setToolTip(QStringLiteral("the puzzle title"));
    layout->addWidget(tbPuzzleTitle);

    pnlGame = new QFrame(pnlMain);
    pnlGame->setAutoFillBackground(true);
    pnlGame->setMinimumSize(244, 244);
    pnlGame->setToolTip(QStringLiteral("the puzzle grid"));
    pnlGame->setMouseTracking(true);
    pnlGame->installEventFilter(this);
    layout->addWidget(pnlGame, 1);
    return pnlMain;
}

QWidget* TfrmGameEditor::CreateRightPane() {
    pnlRightPane = new QWidget(this);
    auto* paneLayout = new QVBoxLayout(pnlRightPane);
    paneLayout->setContentsMargins(0, 0, 0, 0);

    sptRightPane = new QSplitter(Qt::Vertical, pnlRightPane);
    sptRightPane->setHandleWidth(3);
    sptRightPane->setChildrenCollapsible(false);
    paneLayout->addWidget(sptRightPane);

    QVBoxLayout* words = nullptr;
    pnlWordList = NewColumn(sptRightPane, words);
    pnlWordList->setToolTip(QStringLiteral("the word list"));
    tbWordList = new TTitleBlock(pnlWordList);
    tbWordList->setFixedHeight(32);
    tbWordList->SetCaption(QStringLiteral("Word List"));
    tbWordList->SetFont(TitleFont(8, true));
    tbWordList->SetImages(&FImages);
    tbWordList->SetImageIndex(epWordList);
    tbWordList->SetLayout(ilRight);
    tbWordList->setToolTip(QStringLiteral("the word list that the player uses for searching"));
    words->addWidget(tbWordList);
    lbxWords = new TCustomListBox(pnlWordList);
    lbxWords->SetStyle(lbOwnerDrawFixed);
    lbxWords->SetItemHeight(14);
    lbxWords->SetMultiSelect(true);
    lbxWords->setContextMenuPolicy(Qt::CustomContextMenu);
    words->addWidget(lbxWords, 1);
    sptRightPane->addWidget(pnlWordList);

    QVBoxLayout* help = nullptr;
    pnlHelp = NewColumn(sptRightPane, help);
    tbHelp = new TTitleBlock(pnlHelp);
    tbHelp->setFixedHeight(32);
    tbHelp->SetCaption(QStringLiteral("Interactive Help"));
    tbHelp->SetFont(TitleFont(8, true));
    tbHelp->SetImages(&FImages);
    tbHelp->SetImageIndex(epInteractiveHelp);
    tbHelp->SetLayout(ilRight);
    tbHelp->setToolTip(QStringLiteral("context sensitive help that changes as you work"));
    help->addWidget(tbHelp);
    memHelp = new TColourMemo(pnlHelp);
    memHelp->SetReadOnlyColour(clBtnFace);
    memHelp->SetReadOnly(true);
    memHelp->viewport()->setCursor(Qt::ArrowCursor);
    memHelp->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    help->addWidget(memHelp, 1);
    sptRightPane->addWidget(pnlHelp);
    sptRightPane->setStretchFactor(0, 1);
    sptRightPane->setStretchFactor(1, 0);
    sptRightPane->setSizes({509 - 162, 162});
    return pnlRightPane;
}

void TfrmGameEditor::CreateStatusBar() {
    sbInfo = NewPanelStatusBar(this);
    sbInfo->setToolTip(QStringLiteral("the information bar"));
    struct PanelLayout {
        int Width;
        Qt::Alignment Alignment;
        bool Lowered;
        const char* Text;
    };
    static const PanelLayout panels[8] = {
        {50, Qt::AlignHCenter, true, "modified"}, {40, Qt::AlignRight, false, "Words"},
        {30, Qt::AlignRight, true, "999"},        {20, Qt::AlignLeft, false, ""},
        {60, Qt::AlignRight, false, "Game Size"}, {50, Qt::AlignHCenter, true, "15 x 15"},
        {20, Qt::AlignLeft, false, ""},           {50, Qt::AlignLeft, true, ""},
    };
    for (size_t i = 0; i < FStatusPanels.size(); ++i) {
        auto* panel = new QLabel(QString::fromLatin1(panels[i].Text), sbInfo);
        panel->setAlignment(panels[i].Alignment | Qt::AlignVCenter);
        if (panels[i].Lowered)
            panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        const bool last = i + 1 == FStatusPanels.size();
        // The last panel takes what the others leave.
        if (last)
            panel->setMinimumWidth(panels[i].Width);
        else
            panel->setFixedWidth(panels[i].Width);
        sbInfo->addWidget(panel, last ? 1 : 0);
        FStatusPanels[i] = panel;
    }
}

QAction* TfrmGameEditor::NewAction(const QString& Caption, const QString& Hint, int Picture,
                                   void (TfrmGameEditor::*Handler)()) {
    std::function<void()> run;
    if (Handler)
        run = [this, Handler] { (this->*Handler)(); };
    return NewFormAction(this, FImages, Caption, Hint, Picture, std::move(run));
}

void TfrmGameEditor::CreateActions() {
    using Self = TfrmGameEditor;
    actResetGame =
        NewAction("&Reset", "clear grid and reset game", epReset, &Self::actResetGameExecute);
    actLoadGame =
        NewAction("&Load Game...", "load game from disk", epLoadGame, &Self::actLoadGameExecute);
    actLoadGame->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_O));
    actSaveGame =
        NewAction("Save Game...", "save game to disk", epSaveGame, &Self::actSaveGameExecute);
    actSaveGame->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_S));
    actSaveGameAs = NewAction("Save Game &As...", "save game to disk with new name", epSaveAs,
                              &Self::actSaveGameAsExecute);
    actPrinterSetup = NewAction("Print &Setup...", "show printer setup dialog", epPrintSetup,
                                &Self::actPrinterSetupExecute);
    actPrinterSetup->setVisible(false);
    actPrintPreview =
        NewAction("Print Pre&view", "preview the puzzle before printing", epPrintPreview, nullptr);
    actPrintPreview->setShortcut(QKeySequence(Qt::CTRL | Qt::ALT | Qt::Key_P));
    actPrintPreview->setVisible(false);
    actPrint =
        NewAction("&Print Game...", "print the game on paper", epPrint, &Self::actPrintExecute);
    actPrint->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_P));
    actHideEditor = NewAction("&Hide Editor", "hide the editor from view", epHideEditor,
                              &Self::actHideEditorExecute);
    actHideEditor->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_F4));
    actCloseEditor = NewAction("&Close Editor", "close editor window", epCloseEditor,
                               &Self::actCloseEditorExecute);
    actCloseEditor->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_E));

    actShowAllWords = NewAction("Show &All Words", "highlight all words in the game",
                                epShowAllWords, &Self::actShowAllWordsExecute);
    actShowAllWords->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_A));
    actHideWords =
        NewAction("&Hide Words", "hide highlighted words", epHideWords, &Self::actHideWordsExecute);
    actHideWords->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_H));
    actFindWord = NewAction("&Find Word...", "search for word in the game", epFindWord,
                            &Self::actFindWordExecute);
    actFindWord->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_F));
    actFindPattern = NewAction("Find &Pattern...", "find a pattern of letters in game",
                               epFindPattern, &Self::actFindPatternExecute);
    actFindPattern->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_T));
    actFindDuplicates = NewAction("Find D&uplicates", "find duplicate words", epFindDuplicates,
                                  &Self::actFindDuplicatesExecute);
    actFindDuplicates->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_U));
    actRemoveWord = NewAction("&Remove Word", "remove word from game", epRemoveWord,
                              &Self::actRemoveWordExecute);
    actRemoveWord->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_D));
    actWordEdit =
        NewAction("&Edit...", "edit the highlighted word", epWordEdit, &Self::actWordEditExecute);
    actWordAdd = NewAction("&Add Word", "add highlighted word to word list", epWordAdd,
                           &Self::actWordAddExecute);
    actEraseSelection = NewAction("&Erase Selection", "clear highlighted cell contents",
                                  epEraseSelection, &Self::actEraseSelectionExecute);
    actEraseSelection->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Delete));
    actMakeDummy = NewAction("&Make Dummy", "convert highlighted cells into dummy cells",
                             epMakeDummy, &Self::actMakeDummyExecute);
    actMakeDummy->setShortcut(QKeySequence(Qt::SHIFT | Qt::Key_Delete));
    actMoveLeft = NewAction("&Left", "move selection to the left", -1, &Self::actMoveExecute);
    actMoveRight = NewAction("&Right", "move selection to the right", -1, &Self::actMoveExecute);
    actMoveUp = NewAction("&Upwards", "move selection upwards", -1, &Self::actMoveExecute);
    actMoveDown = NewAction("&Downwards", "move selection upwards", -1, &Self::actMoveExecute);

    actWishList =
        NewAction("&Word Wish List", "edit word wish list", epWishList, &Self::actWishListExecute);
    actWishList->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_W));
    actGridSize = NewAction("&Change Grid Size...", "change the size of the grid", epGridSize,
                            &Self::actGridSizeExecute);
    actFinish =
        NewAction("&Finish", "finish game with random letters", epFinish, &Self::actFinishExecute);
    actUnfinish = NewAction("&Unfinish", "remove random letters from game", epUnfinish,
                            &Self::actUnfinishExecute);
    actShowStats = NewAction("&Show Statisics", "show word/letter statisics", epStats,
                             &Self::actShowStatsExecute);
    actPreferences = NewAction("&Preferences...", "edit game preferences", epPreferences,
                               &Self::actPreferencesExecute);
    actAutoFit = NewAction("Auto Word Fit", "try to fit as many word in the puzzle grid", -1,
                           &Self::actAutoFitExecute);
    actHideHelpPanel = NewAction(QString(), "close panel", -1, &Self::actHideHelpExecute);

    actHelpContents = NewAction("Help Contents...", "show the help contents", epHelpContents,
                                &Self::actHelpContentsExecute);
    actHowToUse = NewAction("How to use...", "show help on how to use the editor", epHowToUse,
                            &Self::actHowToUseExecute);
    actShowTutorial = NewAction("Tutorial...", "show the tutorial section in the help file",
                                epTutorial, &Self::actShowTutorialExecute);
    actHideHelp = NewAction("Hide Interactive Help", "hide the interactive help section",
                            epHideHelp, &Self::actHideHelpExecute);
    actShowHelp = NewAction("&Show Interactive Help", "show the interactive help section",
                            epShowHelp, &Self::actShowHelpExecute);
    actShowHelp->setVisible(false);
    actInteractiveHelp =
        NewAction("Interactive Help", "context sensitive help that changes as you work", -1,
                  &Self::actHideHelpExecute);
    actAbout = NewAction("&About...", "about this application", epAbout, &Self::actAboutExecute);
}

void TfrmGameEditor::CreateMenus() {
    mnuFile = menuBar()->addMenu(QStringLiteral("&File"));
    mnuFile->addAction(actResetGame);
    mnuFile->addSeparator();
    mnuFile->addActions({actLoadGame, actSaveGame, actSaveGameAs});
    mnuFile->addSeparator();
    mnuFile->addActions({actPrinterSetup, actPrintPreview, actPrint});
    mnuFile->addSeparator();
    mnuFile->addActions({actHideEditor, actCloseEditor});

    mnuWord = menuBar()->addMenu(QStringLiteral("&Word"));
    mnuWord->addActions({actShowAllWords, actHideWords});
    mnuWord->addSeparator();
    mnuWord->addActions({actFindWord, actFindPattern, actFindDuplicates});
    mnuWord->addSeparator();
    mnuWord->addAction(actRemoveWord);

    mnuGame = menuBar()->addMenu(QStringLiteral("&Game"));
    mnuGame->addActions({actWishList, actGridSize});
    mnuGame->addSeparator();
    mnuGame->addActions({actFinish, actUnfinish});
    mnuGame->addSeparator();
    mnuGame->addAction(actShowStats);
    mnuGame->addSeparator();
    mnuGame->addAction(actPreferences);

    mnuHelp = menuBar()->addMenu(QStringLiteral("&Help"));
    mnuHelp->addActions({actHelpContents, actHowToUse, actShowTutorial});
    mnuHelp->addSeparator();
    mnuHelp->addActions({actHideHelp, actShowHelp});
    mnuHelp->addSeparator();
    mnuHelp->addAction(actAbout);
}

void TfrmGameEditor::CreateToolBar() {
    tbMain = new QToolBar(this);
    tbMain->setMovable(false);
    tbMain->setFloatable(false);
    tbMain->setIconSize(QSize(16, 16));
    tbMain->setToolTip(QStringLiteral("the tool bar"));
    tbMain->addActions({actResetGame, actLoadGame, actSaveGame, actPrint, actHideEditor});
    tbMain->addSeparator();
    tbMain->addActions({actShowAllWords, actHideWords, actFindWord, actFindPattern,
                        actFindDuplicates, actRemoveWord});
    tbMain->addSeparator();
    tbMain->addActions({actFinish, actUnfinish, actPreferences, actWishList});
    for (QAction* action : tbMain->actions())
        if (!action->isSeparator())
            tbMain->widgetForAction(action)->setFixedSize(ToolButtonSize, ToolButtonSize);
    addToolBar(Qt::TopToolBarArea, tbMain);
}

void TfrmGameEditor::CreatePopupMenus() {
    pmWordList = new QMenu(this);
    pmWordList->addActions({actShowAllWords, actHideWords});
    pmWordList->addSeparator();
    pmWordList->addAction(actFindWord);
    pmWordList->addSeparator();
    pmWordList->addAction(actRemoveWord);
    connect(pmWordList, &QMenu::aboutToShow, this,
            [this] { Guarded([&] { ShowHelpId(hiWordListPopup); }); });

    pmGrid = new QMenu(this);
    pmGrid->addActions({actWordEdit, actWordAdd});
    pmGrid->addSeparator();
    pmGrid->addActions({actRemoveWord, actEraseSelection, actMakeDummy});
    connect(pmGrid, &QMenu::aboutToShow, this,
            [this] { Guarded([&] { ShowHelpId(hiGridPopup); }); });
    // The menu takes the keys while it is open: the shortcuts it shows work there.
    pmGrid->installEventFilter(this);
    // The action chosen from the menu runs after the menu hides, so the
    // choice ends once it has run; a menu closed without a choice ends it too.
    connect(pmGrid, &QMenu::aboutToHide, this, [this] {
        QMetaObject::invokeMethod(
            this,
            [this, choice = FCellChoices] {
                // A later right click made a choice of its own.
                if (choice == FCellChoices)
                    Guarded([&] { EndCellChoice(); });
            },
            Qt::QueuedConnection);
    });

    connect(lbxWords, &QWidget::customContextMenuRequested, this,
            [this](const QPoint& pos) { Guarded([&] { lbxWordsContextPopup(pos); }); });
}

void TfrmGameEditor::FormCreate() {
    FGameManager = nullptr;
    FGame = new TGlyphtroveEditor(pnlGame);
    FGame->setGeometry(QRect(QPoint(GridMargin, GridMargin), GridRoom()));
    FGame->SetBorderStyle(bsNone);
    FGame->SetGridLineWidth(0);
    // Ctrl held while the mouse crosses cells highlights their words.
    FGame->setMouseTracking(true);
    BindGameEvents();
    CreateKeptDialogs();
    SetLastAction(0);
    ApplyDefaultScheme();
    FDuplicateCount = 0;
    for (QAction* action : {actHelpContents, actShowTutorial, actHowToUse})
        action->setEnabled(false);

    lbxWords->OnDrawItem = [this](TCustomListBox*, int index, const TRect& rect,
                                  TOwnerDrawState state) {
        lbxWordsDrawItem(index, rect, (state & odSelected) != 0);
    };
    lbxWords->OnClick = [this](TObject*) { lbxWordsClick(); };
    lbxWords->OnDblClick = [this](TObject*) { lbxWordsClick(); };
    lbxWords->OnEnter = [this](TObject*) { ShowHelpId(hiWordListEnter); };
    // Whatever changes the selection, a click, Show All Words, Find Word or
    // a right click on the grid, Remove Word follows it.
    connect(lbxWords->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            [this] { Guarded([&] { UpdateRemoveAction(); }); });
    EndCellChoice();
}

void TfrmGameEditor::BindGameEvents() {
    FGame->OnMouseMove = [this](TObject*, TShiftState shift, int column, int row) {
        GameCellMouseMove(shift, column, row);
    };
    FGame->OnWordAdded = [this](TObject*, const QString& word) { lbxWords->Items().Add(word); };
    FGame->OnWordChanged = [this](TObject*, const QString& oldWord, const QString& newWord) {
        const int line = LineOf(oldWord);
        if (line >= 0)
            lbxWords->item(line)->setText(newWord);
    };
    FGame->OnMouseDown = [this](TObject*, TMouseButton button, TShiftState shift, int x, int y) {
        GameCellMouseDown(button, shift, x, y);
    };
    FGame->OnHideAllWords = [this](TObject*) { GameHideAllWords(); };
    FGame->OnWordDeleted = [this](TObject*, const QString& word) {
        const int line = LineOf(word);
        if (line >= 0)
            lbxWords->Items().Delete(line);
    };
    FGame->OnHighlightWord = [this](TObject*, const QString& word) { GameHighlightWord(word); };
    FGame->OnModified = [this](TObject*) { GameModified(); };
}

void TfrmGameEditor::CreateKeptDialogs() {
    const TEditorDialogs& dialogs = EditorDialogs();
    FWordEditor = dialogs.WordEditor(this);
    FWordEditor->OnWordChange = [this](TObject*, int column, int row, TWordDirectionType direction,
                                       const QString& word) {
        // A fit from the wish list shows its place in the closed word editor
        // too; on the grid that place stays highlighted, not previewed.
        if (FWordEditorOpen)
            SetPreview(column, row, word, direction);
    };
    FWordEditor->OnDummyChange = [this](TObject*, bool state) { WordEditorDummyChange(state); };
    FWordEditor->OnFitWord = [this](TObject* sender, const QString& word, int& result) {
        FitWord(sender, word, result);
    };
    FWordEditor->OnAddToWishList = [this](TObject*, const QString& word) {
        FGame->WishList()->Add(word);
    };
    FWordEditor->SetWishList(FGame->WishList());

    FPreferencesDialog = dialogs.Preferences(this);
    FPreferencesDialog->OnPreferenceHint = [this](TObject*, const QString& text) {
        ShowHelpText(text);
    };

    FWishListDialog = dialogs.WishList(this);
    FWishListDialog->OnFitWord = [this](TObject* sender, const QString& word, int& result) {
        FitWord(sender, word, result);
    };
    FWishListDialog->SetPuzzleWords(*lbxWords);
    TWordWishList* wishList = FGame->WishList();
    wishList->OnWordAdded = [this](TObject*, int, const QString& word) {
        FWishListDialog->AddWordLine(word);
    };
    wishList->OnWordChanged = [this](TObject* sender, const QString& oldWord,
                                     const QString& newWord) {
        FWishListDialog->NoteWishListChange(sender, oldWord, newWord);
    };
    wishList->OnWordRemoved = [this](TObject* sender, int index, const QString& word) {
        FWishListDialog->NoteWordDeleted(sender, index, word);
    };
}

void TfrmGameEditor::ApplyDefaultScheme() {
    const int index = FPreferencesDialog->SelectDefaultScheme();
    const TWordGameColourPreferences* scheme =
        index >= 0 ? FPreferencesDialog->Scheme(index) : nullptr;
    if (scheme)
        FGame->GamePreferences()->ColourPreferences()->AssignFromPreset(*scheme);
}

// --- For the game manager

void TfrmGameEditor::NewGame(int Columns, int Rows, bool Load) {
    ClearWordList();
    FGame->SetGridSize(Columns, Rows);
    ClearModifiedMark();
    // The pane keeps the width the user dragged it to; at first, its design width.
    const int paneWidth = FLayoutSettled ? pnlRightPane->width() : RightPaneWidth;
    pnlGame->setMinimumSize(Columns * MinCellPixels, Rows * MinCellPixels);
    WidenForGrid(paneWidth);
    // A window wide enough already keeps its panel, fitted to the last board.
    FitGrid();
    SetStatusText(spGridSize, Format("%d x %d", Columns, Rows));
    // The count follows the emptied list, also when the window is shown already.
    UpdateWordCount();
    if (Load)
        actLoadGameExecute();
    show();
}

void TfrmGameEditor::WidenForGrid(int PaneWidth) {
    // A grid too wide for the window widens the window, not at the pane's cost.
    const int handle = sptMain->handleWidth();
    const int mainWidth =
        std::max(pnlMain->minimumSizeHint().width(), width() - handle - PaneWidth);
    resize(mainWidth + handle + PaneWidth, height());
    sptMain->setSizes({mainWidth, PaneWidth});
}

void TfrmGameEditor::SetGameManager(TGameManagerLink* Manager) {
    if (!Manager)
        return;
    FGameManager = Manager;
    const bool available = Manager->HelpAvailable();
    for (QAction* action : {actHelpContents, actHowToUse, actShowTutorial})
        action->setEnabled(available);
}

void TfrmGameEditor::SetDefaultGameTitle(const QString& Title) {
    FGame->SetDefaultGameTitle(Title);
    // Setting the default title sets the title, which the title block shows.
    UpdateTitleBlock();
}

QString TfrmGameEditor::GetDefaultGameTitle() const {
    return FGame->DefaultGameTitle();
}

QString TfrmGameEditor::GetGameTitle() const {
    return FGame->GamePreferences()->GetGameTitle();
}

void TfrmGameEditor::UpdateTitleBlock() {
    tbPuzzleTitle->SetCaption(GetGameTitle());
}

void TfrmGameEditor::ApplyGameProperties(const QString& OldTitle) {
    UpdateTitleBlock();
    const TWordGameColourPreferences* colours = FGame->GamePreferences()->ColourPreferences();
    lbxWords->SetColor(colours->GetHighlightedBackground());
    FGame->SetBackgroundColour(colours->GetNormalWordBackground());
    QPalette palette = pnlGame->palette();
    palette.setColor(QPalette::Window, ToQColor(colours->GetNormalWordBackground()));
    pnlGame->setPalette(palette);
    if (OnTitleChanged)
        OnTitleChanged(this, OldTitle, FGame->GamePreferences());
}

// --- Status and help

void TfrmGameEditor::SetStatusText(int Index, const QString& Text) {
    FStatusPanels.at(size_t(Index))->setText(Text);
}

QString TfrmGameEditor::StatusText(int Index) const {
    return FStatusPanels.at(size_t(Index))->text();
}

void TfrmGameEditor::ShowHelpText(const QString& Text) {
    // A memo breaks its lines at CR LF.
    memHelp->setPlainText(QString(Text).replace(QLatin1String("\r\n"), QLatin1String("\n")));
    // Shown at once, without running queued input in the middle of the
    // operation that shows it.
    memHelp->viewport()->repaint();
}

void TfrmGameEditor::ShowHelpId(int Id) {
    ShowHelpText(EditorHelpText(Id));
}

QString TfrmGameEditor::HelpPanelText() const {
    return memHelp->toPlainText();
}

void TfrmGameEditor::SetLastAction(uint8_t Code) {
    FLastAction = Code;
    ReportAction(Code);
}

void TfrmGameEditor::ReportAction(uint8_t Code) {
    SetStatusText(spReport, ActionMessage(Code, FWordTally, FDuplicateCount));
    ShowHelpText(ActionHelpText(Code, FWordTally, FDuplicateCount));
}

void TfrmGameEditor::GameModified() {
    SetStatusText(spModified, QStringLiteral("Modified"));
}

void TfrmGameEditor::ClearModifiedMark() {
    SetStatusText(spModified, QString());
}

void TfrmGameEditor::ShowHelpPanel(bool Visible) {
    pnlHelp->setVisible(Visible);
    actHideHelp->setVisible(Visible);
    actShowHelp->setVisible(!Visible);
}

// --- The word list

void TfrmGameEditor::lbxWordsDrawItem(int Index, const TRect& Rect, bool Selected) {
    const TWordGameColourPreferences* colours = FGame->GamePreferences()->ColourPreferences();
    const TColor foreground = colours->GetHighlightedForeground();
    const TColor background = colours->GetHighlightedBackground();
    TCanvas& canvas = lbxWords->Canvas();
    canvas.Brush().SetColor(Selected ? foreground : background);
    canvas.Font().SetColor(Selected ? background : foreground);
    DrawTextInRect(canvas, Rect, lbxWords->Items()[Index], 0, 1);
}

void TfrmGameEditor::lbxWordsClick() {
    HighlightSelectedWords();
    UpdateRemoveAction();
}

void TfrmGameEditor::lbxWordsContextPopup(const QPoint& Pos) {
    QListWidgetItem* item = lbxWords->itemAt(Pos);
    if (item) {
        SelectLine(lbxWords->row(item), true);
        lbxWordsClick();
    }
    pmWordList->popup(lbxWords->viewport()->mapToGlobal(Pos));
}

void TfrmGameEditor::UpdateRemoveAction() {
    // While a right-clicked cell is chosen, Remove Word takes its words.
    actRemoveWord->setEnabled(FCellChosen
                                  ? FGame->CellHasState(FSelectedColumn, FSelectedRow, wgcsWord)
                                  : AnyLineSelected());
}

void TfrmGameEditor::UpdateWordCount() {
    const int count = lbxWords->Items().Count();
    actShowAllWords->setEnabled(count > 0);
    actFindWord->setEnabled(count > 0);
    UpdateRemoveAction();
    SetStatusText(spWordCount, QString::number(count));
}

int TfrmGameEditor::LineOf(const QString& Word) const {
    return lbxWords->Items().IndexOf(Word);
}

void TfrmGameEditor::SelectLine(int Index, bool Selected) {
    // A selection made here is no click of the user's.
    const QSignalBlocker blocker(lbxWords);
    lbxWords->item(Index)->setSelected(Selected);
}

bool TfrmGameEditor::AnyLineSelected() const {
    return !lbxWords->selectedItems().isEmpty();
}

QStringList TfrmGameEditor::WordLines() const {
    return lbxWords->Items().Lines();
}

void TfrmGameEditor::ClearWordList() {
    const QSignalBlocker blocker(lbxWords);
    lbxWords->Items().Clear();
}

void TfrmGameEditor::RefillWordList() {
    QStringList words;
    FGame->GetWordList(words);
    const QSignalBlocker blocker(lbxWords);
    lbxWords->Items().SetLines(words);
    UpdateWordCount();
}

// --- Highlighting

void TfrmGameEditor::HideHighlights() {
    FGame->HideAllWords(true, FDuplicateCount > 0);
    FDuplicateCount = 0;
}

void TfrmGameEditor::GameHideAllWords() {
    if (AnyLineSelected()) {
        const QSignalBlocker blocker(lbxWords);
        lbxWords->clearSelection();
    }
}

void TfrmGameEditor::GameHighlightWord(const QString& Word) {
    const int line = LineOf(Word);
    if (line >= 0)
        SelectLine(line, true);
}

void TfrmGameEditor::HighlightSelectedWords() {
    FGame->HideAllWords(false, false);
    int selected = 0;
    for (int i = 0; i < lbxWords->count(); ++i)
        if (lbxWords->item(i)->isSelected()) {
            FGame->HighlightWord(i);
            ++selected;
        }
    ShowHelpTextFmt(EditorHelpText(hiWordsHighlighted), selected);
}

void TfrmGameEditor::SelectFoundWords(const QStringList& Words) {
    HideHighlights();
    for (const QString& word : Words) {
        const int line = LineOf(word);
        if (line < 0)
            continue;
        SelectLine(line, true);
        FGame->HighlightWord(line);
    }
}

void TfrmGameEditor::HighlightWordsAtCell(int Column, int Row) {
    HideHighlights();
    if (!FGame->CellHasState(Column, Row, wgcsWord)) {
        ShowHelpId(hiNoWordsInCell);
        return;
    }
    const int count = FGame->CollectWordsAtCell(Column, Row);
    const QStringList matches = FGame->WordMatches();
    for (int i = 0; i < count && i < matches.size(); ++i) {
        const int index = FGame->IndexOfWord(matches[i]);
        if (index >= 0)
            FGame->HighlightWord(index);
    }
    if (count < 2)
        ShowHelpId(hiOneWordInCell);
    else
        ShowHelpTextFmt(EditorHelpText(hiWordsInCell), count);
}

// --- Mouse on the grid

void TfrmGameEditor::GameCellMouseDown(TMouseButton Button, TShiftState, int X, int Y) {
    const QPoint cell = FGame->CellAtPoint(X, Y);
    const int column = cell.x();
    const int row = cell.y();
    if (Button == mbLeft) {
        AddWordAtCell(column, row);
    } else if (Button == mbRight) {
        const QPoint screen = FGame->mapToGlobal(QPoint(X, Y));
        SelectCell(column, row);
        if (FLastAction != 15)
            HighlightWordsAtCell(column, row);
        pmGrid->popup(screen - QPoint(8, 8));
    }
}

void TfrmGameEditor::SelectCell(int Column, int Row) {
    FSelectedColumn = Column;
    FSelectedRow = Row;
    FCellChosen = true;
    ++FCellChoices;
    UpdateWordCount();
    const bool random = FGame->CellHasState(Column, Row, wgcsFiller);
    const bool dummy = FGame->CellHasState(Column, Row, wgcsDummy);
    const bool word = FGame->CellHasState(Column, Row, wgcsWord);
    const bool highlighted = FGame->CellHasState(Column, Row, wgcsHighlighted);
    actWordEdit->setEnabled(word && FGame->BoardGame()->GetCellUseCount(Column, Row) >= 1);
    actWordAdd->setEnabled(highlighted);
    actEraseSelection->setEnabled(dummy || random || word);
    actMakeDummy->setEnabled(word || random);
}

void TfrmGameEditor::EndCellChoice() {
    // Their shortcuts reach them anywhere in the window: without a chosen
    // cell they would work on one the user never chose.
    FCellChosen = false;
    for (QAction* action : {actWordEdit, actWordAdd, actEraseSelection, actMakeDummy})
        action->setEnabled(false);
    UpdateRemoveAction();
}

void TfrmGameEditor::GameCellMouseMove(TShiftState Shift, int Column, int Row) {
    if (Shift & ssCtrl) {
        HideHighlights();
        HighlightWordsAtCell(Column, Row);
    }
}

void TfrmGameEditor::pnlGameResize() {
    if (!FGame)
        return;
    FitGrid();
    // The layout that comes with the first show is no resize of the user's.
    if (FLayoutSettled)
        HighlightSelectedWords();
}

QSize TfrmGameEditor::GridRoom() const {
    return pnlGame->size() - QSize(2 * GridMargin, 2 * GridMargin);
}

void TfrmGameEditor::FitGrid() {
    const QSize room = GridRoom();
    FGame->setGeometry(QRect(QPoint(GridMargin, GridMargin), room));
    FGame->RecalculateLayout();
    if (FGame->TakeDrawnExtent(room))
        return;
    FGame->ShrinkForClosingLines();
    FGame->TakeDrawnExtent(room);
}

void TfrmGameEditor::AddWordAtCell(int Column, int Row) {
    if (!FGame->IsInsideBoard(Column, Row))
        return;
    IWordEditorDialog& editor = *FWordEditor;
    HideHighlights();
    FPreviewWord.clear();
    TWordDirectionType direction = FGame->LastDirection();
    editor.SetDummy(FDummyWord);
    editor.SetMaxColumn(FGame->ColCount());
    editor.SetMaxRow(FGame->RowCount());
    QString word;
    int column = Column;
    int row = Row;
    try {
        if (RunWordEditor(word, direction, column, row, false))
            PlaceNewWord(column, row, word, direction);
        else
            ErasePreview();
    } catch (const Exception& error) {
        // The message is shown as it stands, whatever characters it holds.
        ErrorMessage(error.Message() + Format(" (%s)", word));
        ErasePreview();
    }
}

bool TfrmGameEditor::RunWordEditor(QString& Word, TWordDirectionType& Direction, int& Column,
                                   int& Row, bool EditMode) {
    FWordEditorOpen = true;
    const auto closed = qScopeGuard([this] { FWordEditorOpen = false; });
    return FWordEditor->Execute(Word, Direction, Column, Row, EditMode);
}

void TfrmGameEditor::PlaceNewWord(int Column, int Row, const QString& Word,
                                  TWordDirectionType Direction) {
    // A dummy word is not checked against the grid, so its preview may stay.
    if (!FDummyWord)
        MakeRoomForTypedWord();
    const int index = FGame->PlaceWord(Column, Row, Direction, Word, FDummyWord);
    RestoreCoveredLetters();
    if (index < 0) {
        SetStatusText(spReport, Format("Cannot add word \"%s\"", Word));
        ShowHelpId(hiCannotAddWord);
        return;
    }
    UpdateWordCount();
    SetLastAction(20);
}

// --- The live preview

void TfrmGameEditor::SetPreview(int Column, int Row, const QString& Word,
                                TWordDirectionType Direction) {
    ErasePreview();
    FPreviewColumn = Column;
    FPreviewRow = Row;
    FPreviewWord = Word;
    FPreviewDirection = Direction;
    DrawPreview();
}

void TfrmGameEditor::ErasePreview() {
    ClearPreviewLetters();
    RestoreCoveredLetters();
}

void TfrmGameEditor::ClearPreviewLetters() {
    FGame->PaintTypedWord(FPreviewColumn, FPreviewRow, FPreviewDirection, FPreviewWord, FDummyWord,
                          false, true);
}

void TfrmGameEditor::MakeRoomForTypedWord() {
    ClearPreviewLetters();
    // Erasing gave the dummy letters back; like the filler letters they give
    // way to the word, as its preview showed.
    for (const TCoveredLetter& letter : FCoveredLetters)
        if (FGame->CellHasState(letter.Column, letter.Row, wgcsDummy))
            FGame->SetCellText(letter.Column, letter.Row, QString());
}

void TfrmGameEditor::DrawPreview() {
    KeepCoveredLetters();
    FGame->PaintTypedWord(FPreviewColumn, FPreviewRow, FPreviewDirection, FPreviewWord, FDummyWord,
                          true, true);
}

void TfrmGameEditor::KeepCoveredLetters() {
    FCoveredLetters.clear();
    const TDirectionOffset step = GetDirectionOffset(FPreviewDirection);
    int column = FPreviewColumn;
    int row = FPreviewRow;
    for (int k = 0; k < FPreviewWord.length(); ++k) {
        if (!FGame->BoardGame()->IsValidCell(column, row))
            break;
        if (FGame->CellHasState(column, row, wgcsFiller) ||
            FGame->CellHasState(column, row, wgcsDummy))
            FCoveredLetters.push_back({column, row, FGame->GetCell(column, row)});
        StepCell(column, row, step.ColumnStep, step.RowStep);
    }
}

void TfrmGameEditor::RestoreCoveredLetters() {
    // Filler letters live on the shown board alone, so erasing the preview
    // leaves their cells blank, as does making room for a word that then
    // failed; they get their letters back here.
    for (const TCoveredLetter& letter : FCoveredLetters) {
        const uint32_t kind = letter.Cell.State & (wgcsFiller | wgcsDummy);
        if (!FGame->CellHasState(letter.Column, letter.Row, kind) ||
            !FGame->GetCellText(letter.Column, letter.Row).isEmpty())
            continue;
        FGame->WriteCell(letter.Column, letter.Row, letter.Cell);
        FGame->RedrawCell(letter.Column, letter.Row);
    }
    FCoveredLetters.clear();
}

void TfrmGameEditor::WordEditorDummyChange(bool State) {
    ErasePreview();
    FDummyWord = State;
    DrawPreview();
}

bool TfrmGameEditor::RunGridShortcut(const QKeyEvent& Key) {
    const QKeySequence typed(Key.keyCombination());
    for (QAction* action : pmGrid->actions())
        if (action->isEnabled() && !action->shortcut().isEmpty() && action->shortcut() == typed) {
            // As a click on the item: the menu closes, then the action runs.
            pmGrid->hide();
            action->trigger();
            return true;
        }
    return false;
}

// --- Window events

void TfrmGameEditor::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    if (event->spontaneous())
        return;
    Guarded([&] { UpdateWordCount(); });
    if (!FLayoutSettled) {
        services().PlaceWindow(*this, poDesktopCenter);
        QMetaObject::invokeMethod(
            this, [this] { FLayoutSettled = true; }, Qt::QueuedConnection);
    }
}

void TfrmGameEditor::hideEvent(QHideEvent* event) {
    QMainWindow::hideEvent(event);
    if (!event->spontaneous() && OnHidden)
        Guarded([&] { OnHidden(this); });
}

void TfrmGameEditor::closeEvent(QCloseEvent* event) {
    AcceptCloseIf(event, [this] { return AskSaveChanges(false); });
}

bool TfrmGameEditor::eventFilter(QObject* watched, QEvent* event) {
    if (watched == pmGrid && event->type() == QEvent::KeyPress)
        return RunGridShortcut(*static_cast<QKeyEvent*>(event));
    if (watched == pnlGame) {
        if (event->type() == QEvent::Resize)
            Guarded([&] { pnlGameResize(); });
        else if (event->type() == QEvent::MouseMove)
            Guarded([&] { ShowHelpId(hiGridMouse); });
    }
    return QMainWindow::eventFilter(watched, event);
}
