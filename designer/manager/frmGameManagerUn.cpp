#include "designer/manager/frmGameManagerUn.h"

#include "designer/dialogs/frmNewGameUn.h"
#include "designer/editor/frmGameEditorUn.h"
#include "designer/manager/GameManagerUn.h"
#include "engine/properties/WordGamePropertiesUn.h"
#include "platform/Canvas.h"
#include "platform/Guard.h"
#include "platform/ListBox.h"

#include <QAction>
#include <QGroupBox>
#include <QPushButton>

TfrmGameManager::TfrmGameManager(QWidget* parent) : QWidget(parent, Qt::Window) {
    setWindowTitle("Game Manager");
    // A dialog border: fixed size, no maximise.
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint |
                   Qt::MSWindowsFixedSizeDialogHint);
    setFont(FormFont("Arial", 8));
    setFixedSize(280, 143);
    CreateActions();
    CreateControls();
    FormCreate();
}

TfrmGameManager::~TfrmGameManager() {
    FormDestroy();
}

QAction* TfrmGameManager::NewAction(const QString& Caption, const QString& Hint,
                                    const QKeySequence& Shortcut,
                                    void (TfrmGameManager::*Handler)()) {
    auto* action = new QAction(Caption, this);
    action->setToolTip(Hint);
    action->setStatusTip(Hint);
    action->setShortcut(Shortcut);
    action->setShortcutContext(Qt::WindowShortcut);
    connect(action, &QAction::triggered, this,
            [this, Handler] { Guarded([&] { (this->*Handler)(); }); });
    addAction(action);
    return action;
}

void TfrmGameManager::CreateActions() {
    actShowGame = NewAction("&Show", "show selected game", QKeySequence(Qt::CTRL | Qt::Key_S),
                            &TfrmGameManager::actShowGameExecute);
    actCloseGame = NewAction("&Close", "close selected game", QKeySequence(Qt::CTRL | Qt::Key_E),
                             &TfrmGameManager::actCloseGameExecute);
    actNewGame = NewAction("&New...", "create a new game", QKeySequence(Qt::CTRL | Qt::Key_N),
                           &TfrmGameManager::actNewGameExecute);
    actLoadGame = NewAction("&Load...", "load a game file", QKeySequence(Qt::CTRL | Qt::Key_O),
                            &TfrmGameManager::actLoadGameExecute);
    actHideGame =
        NewAction("&Hide", "hide the highlighted game", QKeySequence(Qt::CTRL | Qt::Key_H),
                  &TfrmGameManager::actHideGameExecute);
}

QPushButton* TfrmGameManager::NewButton(int Top) {
    auto* button = new QPushButton(this);
    button->setGeometry(192, Top, 81, 25);
    connect(button, &QPushButton::clicked, this, [button] {
        if (QAction* action = button->property("action").value<QAction*>())
            action->trigger();
    });
    return button;
}

void TfrmGameManager::SetButtonAction(QPushButton* Button, QAction* Action) {
    Button->setProperty("action", QVariant::fromValue(Action));
    Button->setText(Action->text());
    Button->setToolTip(Action->toolTip());
    Button->setStatusTip(Action->statusTip());
}

void TfrmGameManager::CreateControls() {
    grpGames = new QGroupBox("Games In &Progress", this);
    grpGames->setGeometry(8, 8, 177, 127);
    lbxGames = new TCustomListBox(grpGames);
    lbxGames->setGeometry(8, 18, 161, 101);
    lbxGames->setToolTip("games currently in progress");
    lbxGames->setStatusTip("games currently in progress");
    lbxGames->OnClick = [this](TObject*) { Guarded([this] { lbxGamesClick(); }); };
    lbxGames->OnDblClick = [this](TObject*) { Guarded([this] { lbxGamesDblClick(); }); };

    btnShowHideGame = NewButton(16);
    btnCloseGame = NewButton(48);
    btnNewGame = NewButton(80);
    btnLoadGame = NewButton(112);
    SetButtonAction(btnShowHideGame, actShowGame);
    SetButtonAction(btnCloseGame, actCloseGame);
    SetButtonAction(btnNewGame, actNewGame);
    SetButtonAction(btnLoadGame, actLoadGame);
    FShowHideAction = actShowGame;
}

void TfrmGameManager::FormCreate() {
    FNewGameWidth = 15;
    FNewGameHeight = 15;
    FGameManager = new TGameManager(this);
    UpdateButtons();
}

void TfrmGameManager::FormDestroy() {
    delete FGameManager;
    FGameManager = nullptr;
}

void TfrmGameManager::UpdateButtons() {
    const int selected = lbxGames->ItemIndex();
    const bool any = selected >= 0;
    btnShowHideGame->setEnabled(any);
    actCloseGame->setEnabled(any);
    btnCloseGame->setEnabled(any);
    if (!any)
        return;
    FShowHideAction = FGameManager->GetEditor(selected)->isVisible() ? actHideGame : actShowGame;
    SetButtonAction(btnShowHideGame, FShowHideAction);
}

bool TfrmGameManager::CanCloseAll() {
    return FGameManager->CanCloseAll();
}

void TfrmGameManager::actShowGameExecute() {
    const int selected = lbxGames->ItemIndex();
    if (selected >= 0) {
        TfrmGameEditor* editor = FGameManager->GetEditor(selected);
        editor->show();
        editor->raise();
        editor->activateWindow();
    }
    UpdateButtons();
}

void TfrmGameManager::actHideGameExecute() {
    const int selected = lbxGames->ItemIndex();
    if (selected >= 0)
        FGameManager->GetEditor(selected)->hide();
    UpdateButtons();
}

void TfrmGameManager::actCloseGameExecute() {
    const int selected = lbxGames->ItemIndex();
    if (selected >= 0 && FGameManager->CloseEditor(selected, false))
        DeleteLine(selected);
    UpdateButtons();
}

void TfrmGameManager::actNewGameExecute() {
    int width = FNewGameWidth, height = FNewGameHeight;
    bool load = false;
    bool chosen = false;
    {
        TfrmNewGame dialog(this);
        chosen = dialog.ExecuteNewGame(width, height, load);
    }
    if (chosen)
        NewGame(width, height, load);
}

void TfrmGameManager::NewGame(int Width, int Height, bool Load) {
    TfrmGameEditor* editor = FGameManager->NewEditor();
    RunOnNewEditor(editor, [&] { editor->NewGame(Width, Height, Load); });
    AddEditor(editor);
}

void TfrmGameManager::RunOnNewEditor(TfrmGameEditor* Editor, const std::function<void()>& Run) {
    try {
        Run();
    } catch (...) {
        // A file that cannot be read: the editor made for it goes again, so
        // lines and editors stay in step, and the error is shown.
        FGameManager->CloseEditor(FGameManager->IndexOfEditor(Editor), true);
        throw;
    }
}

void TfrmGameManager::actLoadGameExecute() {
    TfrmGameEditor* editor = FGameManager->NewEditor();
    bool loaded = false;
    RunOnNewEditor(editor, [&] { loaded = editor->LoadGame(); });
    if (loaded) {
        AddEditor(editor);
        editor->show();
    } else {
        RemoveEditor(editor);
    }
}

void TfrmGameManager::AddEditor(TfrmGameEditor* Editor) {
    lbxGames->Items().Add(Editor->GetGameTitle());
    Editor->OnTitleChanged = [this](TObject* sender, const QString& oldTitle,
                                    TWordGameProperties* properties) {
        GameTitleChanged(sender, oldTitle, properties);
    };
    Editor->OnCloseRequest = [this](TObject* sender) { GameCloseRequest(sender); };
    Editor->OnHidden = [this](TObject* sender) { GameHidden(sender); };
}

void TfrmGameManager::RemoveEditor(TfrmGameEditor* Editor) {
    const int line = LineOfEditor(Editor);
    if (FGameManager->CloseEditor(FGameManager->IndexOfEditor(Editor), false) && line >= 0)
        DeleteLine(line);
    UpdateButtons();
}

int TfrmGameManager::LineOfEditor(const TfrmGameEditor* Editor) const {
    // Line i shows editor i; titles may repeat, or differ in letter case
    // only, so a title would find another game's line. The editor made for
    // a load is last in the list and has no line until the load succeeds.
    const int index = FGameManager->IndexOfEditor(Editor);
    return index < lbxGames->Items().Count() ? index : -1;
}

void TfrmGameManager::DeleteLine(int Line) {
    const bool selected = lbxGames->ItemIndex() == Line;
    lbxGames->Items().Delete(Line);
    // The list would select the next game in its place, and a second Close
    // would then close a game the user never chose.
    if (selected)
        lbxGames->SetItemIndex(-1);
}

void TfrmGameManager::GameTitleChanged(TObject* Sender, const QString&,
                                       TWordGameProperties* Properties) {
    const int line = LineOfEditor(dynamic_cast<TfrmGameEditor*>(Sender));
    if (line >= 0)
        lbxGames->item(line)->setText(Properties->GetGameTitle());
}

void TfrmGameManager::GameCloseRequest(TObject* Sender) {
    RemoveEditor(dynamic_cast<TfrmGameEditor*>(Sender));
}

void TfrmGameManager::GameHidden(TObject*) {
    UpdateButtons();
}

void TfrmGameManager::lbxGamesClick() {
    UpdateButtons();
}

void TfrmGameManager::lbxGamesDblClick() {
    UpdateButtons();
    FShowHideAction->trigger();
}
