// How the editor window loads, saves, exports and prints its puzzle.

#include "designer/editor/EditorTextsUn.h"
#include "designer/editor/frmGameEditorUn.h"
#include "engine/genlib/GenLibUn.h"
#include "engine/puzzle/GlyphtrovePlayerUn.h"
#include "platform/FileHandle.h"
#include "platform/Guard.h"
#include "playwindow/printpreview/frmHTMLPrintPreviewUn.h"

#include <QFileInfo>

namespace {

const QString GameExtension = QStringLiteral("gtg");
const QString TextExtension = QStringLiteral("gtx");
const QString PageExtension = QStringLiteral("htm");

// Filters of the open and save dialogs, numbered from 1.
constexpr int ftGame = 1;
constexpr int ftText = 2;
constexpr int ftPage = 3;

QString FullPath(const QString& Name) {
    return QFileInfo(Name).absoluteFilePath();
}

// The extension of what the save dialog's filter writes.
QString SavedExtension(int Filter) {
    if (Filter == ftText)
        return TextExtension;
    if (Filter == ftPage)
        return PageExtension;
    return GameExtension;
}

// The dialog asked before it gave back Chosen; Written, the name the
// filter's extension made of it, may be another file.
bool MayWrite(const QString& Chosen, const QString& Written) {
    if (Written == Chosen || !FileExists(Written))
        return true;
    return ConfirmMessageFmt("%s already exists.\r\nDo you want to replace it?",
                             QFileInfo(Written).fileName());
}

} // namespace

QString TfrmGameEditor::FileFilter(bool Save) {
    if (Save)
        return Format("Game File (*.%s)|*.%s|Game Export File (*.%s)|*.%s|HTML File (*.%s)|*.%s",
                      GameExtension, GameExtension, TextExtension, TextExtension, PageExtension,
                      PageExtension);
    return Format("Game File (*.%s)|*.%s|Game Export File (*.%s)|*.%s|All Files (*.*)|*.*",
                  GameExtension, GameExtension, TextExtension, TextExtension);
}

TFileDialogOptions TfrmGameEditor::FileDialogOptions() const {
    TFileDialogOptions options;
    options.FilterIndex = 1;
    options.DefaultExt = GameExtension;
    if (!FFileName.isEmpty()) {
        const QFileInfo file(FFileName);
        options.InitialDir = file.absolutePath();
        options.FileName = file.fileName();
    } else
        options.InitialDir = TGlyphtrovePlayer::GetPuzzleFolder();
    return options;
}

void TfrmGameEditor::KeepInStep(const std::function<void()>& Body) {
    const QString fileName = FFileName;
    try {
        Body();
    } catch (...) {
        FFileName = fileName;
        RefillWordList();
        throw;
    }
}

bool TfrmGameEditor::LoadGame() {
    if (!AskSaveChanges(false))
        return false;
    TFileDialogOptions options = FileDialogOptions();
    options.Filter = FileFilter(false);
    ShowHelpId(hiOpenDialog);
    if (!services().OpenFileDialog(this, options))
        return false;
    if (options.FilterIndex == ftGame)
        LoadGameFile(options.FileName);
    else if (options.FilterIndex == ftText)
        ImportGameText(options.FileName);
    else
        LoadByExtension(options.FileName);
    return true;
}

void TfrmGameEditor::actLoadGameExecute() {
    LoadGame();
}

void TfrmGameEditor::LoadGameFile(const QString& Name) {
    KeepInStep([&] {
        FFileName = FullPath(Name);
        ClearWordList();
        const QString oldTitle = GetGameTitle();
        FGame->LoadFromFile(FFileName);
        FPreferencesDialog->LoadColours(*FGame->GamePreferences()->ColourPreferences());
        FPreferencesDialog->LoadOptions(*FGame->GamePreferences());
        ApplyGameProperties(oldTitle);
    });
    // The file's counts may differ from the board the grid was fitted to.
    FitGrid();
    UpdateWordCount();
    ClearModifiedMark();
    SetStatusText(5, Format("%d x %d", FGame->ColCount(), FGame->RowCount()));
    SetLastAction(2);
}

void TfrmGameEditor::ImportGameText(const QString& Name) {
    const QString oldTitle = GetGameTitle();
    KeepInStep([&] {
        ClearWordList();
        FGame->ImportFromTextFile(Name);
    });
    FitGrid();
    // The import brings its own title, which the game manager's line shows too.
    ApplyGameProperties(oldTitle);
    // The count and the actions that need words follow the new list.
    UpdateWordCount();
}

void TfrmGameEditor::LoadByExtension(const QString& Name) {
    // Only the exact lower-case extension marks a text export.
    if (QFileInfo(Name).suffix() == TextExtension)
        ImportGameText(Name);
    else
        LoadGameFile(Name);
}

void TfrmGameEditor::actSaveGameExecute() {
    if (FGame->DefaultGameTitle() == FGame->GetGameTitle()) {
        ShowHelpId(hiDefaultTitle);
        actPreferencesExecute();
    }
    if (FGame->Modified() && !FFileName.isEmpty()) {
        FGame->SaveToFile(FFileName);
        SetLastAction(3);
        ClearModifiedMark();
        return;
    }
    actSaveGameAsExecute();
}

void TfrmGameEditor::actSaveGameAsExecute() {
    TFileDialogOptions options = FileDialogOptions();
    options.Title = QStringLiteral("Save Game File");
    options.Filter = FileFilter(true);
    options.OverwritePrompt = true;
    QString name;
    for (;;) {
        if (!services().SaveFileDialog(this, options))
            return;
        ChangeFileExtension(options.FileName, SavedExtension(options.FilterIndex), name);
        if (MayWrite(options.FileName, name))
            break;
        // No to replacing it: the dialog again, on the name that was asked about.
        options.FileName = name;
    }
    const int filter = options.FilterIndex;
    if (filter == ftText) {
        FGame->ExportToTextFile(name);
        SetLastAction(4);
    } else if (filter == ftPage) {
        QString written;
        FGame->ExportHTML(name, written);
        SetLastAction(5);
    } else {
        SaveGameFile(name);
    }
}

void TfrmGameEditor::SaveGameFile(const QString& Name) {
    // A failed save leaves the game with the file name it had.
    const QString fileName = FullPath(Name);
    FGame->SaveToFile(fileName);
    FFileName = fileName;
    SetLastAction(3);
    ClearModifiedMark();
}

void TfrmGameEditor::actPrintExecute() {
    ShowHelpId(hiPrintGame);
    PrintPuzzlePage(this, *FGame);
}

bool TfrmGameEditor::AskSaveChanges(bool Forced) {
    if (!FGame->Modified())
        return true;
    const auto question = [this] {
        return "Game \"" + FGame->GetGameTitle() + "\" not saved. Save Now?";
    };
    if (Forced) {
        // Asked again until the game is saved or the user lets it go.
        bool saved = false;
        while (!saved && ConfirmMessage(question()))
            saved = SaveAfterYes();
        return false;
    }
    bool cancelled = false;
    if (ConfirmCancelMessage(question(), cancelled))
        return SaveAfterYes();
    return !cancelled;
}

bool TfrmGameEditor::SaveAfterYes() {
    bool saved = false;
    Guarded([&] {
        actSaveGameExecute();
        saved = !FGame->Modified();
    });
    return saved;
}
