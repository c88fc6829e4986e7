#include "designer/dialogs/frmWishListUn.h"

#include "designer/controls/ColourEditUn.h"
#include "designer/controls/ColourMemoUn.h"
#include "designer/dialogs/PrefsPicturesUn.h"
#include "engine/wishlist/WordWishListUn.h"
#include "platform/Controls.h"
#include "platform/Exception.h"
#include "platform/FormKit.h"
#include "platform/Guard.h"
#include "platform/Services.h"
#include "playwindow/controls/ColourListBoxUn.h"

#include <QAction>
#include <QClipboard>
#include <QFrame>
#include <QGroupBox>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QPushButton>
#include <QScopeGuard>
#include <QToolButton>

namespace {

const QString SearchPrompt = "<search criteria>";

} // namespace

QString FilterClipboardText(const QString& Text) {
    QString kept;
    for (const QChar ch : Text)
        kept += ch == '\r' || ch == '\n' ? QString(ch) : WordCharacters(QString(ch));
    return kept;
}

TfrmWordWishList::TfrmWordWishList(QWidget* owner)
    : TDialogForm(owner, "Word Wish List Editor", 287, 215) {
    RegisterPrefsPictures();
    CreateActions();
    CreateControls();
    UpdateActions();
}

void TfrmWordWishList::CreateActions() {
    const auto pair = [this](QAction*& action, QAction*& twin, const QString& caption,
                             const QString& hint, const QKeySequence& shortcut,
                             const QString& picture, std::function<void()> handler) {
        action = Action(caption, hint, shortcut, handler);
        // The twin has no shortcut of its own: two actions on one key would
        // make the key ambiguous and neither would run.
        twin = Action(QString(), hint, QKeySequence(), handler);
        action->setIcon(DialogPicture(picture));
        twin->setIcon(action->icon());
    };
    pair(actCopy, actCopy2, "&Copy", "copy text to clipboard", QKeySequence("Ctrl+C"), "copy",
         [this] { actCopyExecute(); });
    pair(actPaste, actPaste2, "&Paste", "paste text from clipboard", QKeySequence("Ctrl+V"),
         "paste", [this] { actPasteExecute(); });
    pair(actFitWord, actFitWord2, "F&it Word", "try to find a space for the word in the puzzle",
         QKeySequence("Ctrl+F"), "fitword", [this] { actFitWord2Execute(); });
    pair(actImport, actImport2, "&Import...", "import word list from file", QKeySequence("Ctrl+I"),
         "import", [this] { actImport2Execute(); });
    pair(actExport, actExport2, "&Export...", "export word list to file", QKeySequence("Ctrl+E"),
         "export", [this] { actExport2Execute(); });

    PopupMenu1 = new QMenu(this);
    PopupMenu1->addActions({actCopy, actPaste});
    PopupMenu1->addSeparator();
    PopupMenu1->addAction(actFitWord);
    PopupMenu1->addSeparator();
    PopupMenu1->addActions({actImport, actExport});
}

void TfrmWordWishList::CreateControls() {
    GroupBox1 = new QGroupBox("&Word Wish List", this);
    GroupBox1->setGeometry(8, 4, 193, 203);

    // The word area comes first in the tab order, so the dialog opens on it
    // rather than committing the words through the filter box at once.
    const QRect wordArea(10, 44, 145, 149);
    memAllWordList = new TColourMemo(GroupBox1);
    memAllWordList->setGeometry(wordArea);
    memAllWordList->SetActiveColour(clInfoBk);
    memAllWordList->SetInactiveColour(clWindow);
    memAllWordList->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    memAllWordList->setAcceptDrops(false);
    memAllWordList->setContextMenuPolicy(Qt::CustomContextMenu);
    QPalette palette = memAllWordList->palette();
    for (const auto role : {QPalette::Highlight, QPalette::HighlightedText})
        palette.setColor(QPalette::Inactive, role, palette.color(QPalette::Active, role));
    memAllWordList->setPalette(palette);

    lbxFilteredWordList = new TColourListBox(GroupBox1);
    lbxFilteredWordList->setGeometry(wordArea);
    lbxFilteredWordList->SetSorted(true);
    lbxFilteredWordList->SetActiveColour(clInfoBk);
    lbxFilteredWordList->SetInactiveColour(clWindow);
    lbxFilteredWordList->hide();

    cedSearch = new TColourEdit(GroupBox1);
    cedSearch->setGeometry(10, 19, 145, 21);
    cedSearch->setText(SearchPrompt);
    cedSearch->SetActiveColour(clInfoBk);
    cedSearch->SetInactiveColour(clWindow);
    cedSearch->setAcceptDrops(false);
    cedSearch->setContextMenuPolicy(Qt::NoContextMenu);

    CreateButtonColumn();
    btnOK = OkButton(QRect(208, 8, 73, 25));
    btnCancel = CancelButton(QRect(208, 40, 73, 25));

    memAllWordList->installEventFilter(this);
    memAllWordList->viewport()->installEventFilter(this);
    cedSearch->installEventFilter(this);
    connect(memAllWordList, &QWidget::customContextMenuRequested, this,
            [this](const QPoint& at) { PopupMenu1->popup(memAllWordList->mapToGlobal(at)); });
    connect(memAllWordList, &QPlainTextEdit::selectionChanged, this,
            [this] { Guarded([this] { UpdateActions(); }); });
    connect(memAllWordList, &QPlainTextEdit::textChanged, this,
            [this] { Guarded([this] { UpdateActions(); }); });
    connect(QGuiApplication::clipboard(), &QClipboard::dataChanged, this,
            [this] { Guarded([this] { UpdateActions(); }); });
    lbxFilteredWordList->OnClick = [this](TObject*) { lbxFilteredWordListClick(); };
    cedSearch->OnEnter = [this](TObject*) { cedSearchEnter(); };
    cedSearch->OnExit = [this](TObject*) { cedSearchExit(); };
}

void TfrmWordWishList::CreateButtonColumn() {
    constexpr int left = 162, width = 23, height = 22;
    const auto button = [&](QAction* action, int top) {
        QToolButton* speed = SpeedButton(GroupBox1, QRect(left, top, width, height));
        speed->setDefaultAction(action);
        return speed;
    };
    const auto rule = [&](int top) {
        auto* line = new QFrame(GroupBox1);
        line->setFrameStyle(QFrame::HLine | QFrame::Sunken);
        line->setGeometry(left, top, width, 2);
    };
    btnCopy = button(actCopy2, 19);
    btnPaste = button(actPaste2, 43);
    rule(70);
    btnFitWord = button(actFitWord2, 77);
    rule(104);
    btnImport = button(actImport2, 111);
    btnExport = button(actExport2, 135);
}

bool TfrmWordWishList::Execute(TWordWishList* WishList) {
    if (!WishList)
        throw Exception("Wish List object not assigned");
    TStringList backup;
    FWishList = WishList;
    SetPuzzleWords(FPuzzleWords);
    FCandidate.clear();
    FFitResult = -1;
    LoadMemo();
    backup.Assign(FWishList);
    ApplyFilter();
    FocusWords();
    switch (services().ExecModal(*this)) {
    case mrOk:
        SetWishListFromMemo();
        return true;
    case mrFitWord:
        FitCandidate();
        SetWishListFromMemo();
        return true;
    default:
        FWishList->Assign(&backup);
        return false;
    }
}

void TfrmWordWishList::SetPuzzleWords(const TStringList* Words) {
    FPuzzleWords = Words;
    if (FWishList)
        FWishList->SetWordList(Words);
}

void TfrmWordWishList::AddWordLine(const QString& Word) {
    if (FImportedWords)
        FImportedWords->append(Word);
    else
        memAllWordList->appendPlainText(Word);
}

bool TfrmWordWishList::eventFilter(QObject* watched, QEvent* event) {
    bool consumed = false;
    Guarded([&] {
        if (watched == memAllWordList->viewport()) {
            if (event->type() == QEvent::MouseButtonRelease)
                memAllWordListMouseUp();
            // A middle click pastes the X11 selection as Paste does the clipboard.
            if (IsSelectionPaste(*event)) {
                PasteWords(SelectionText());
                consumed = true;
            }
        } else if (event->type() == QEvent::ShortcutOverride) {
            // The form's copy and paste come before the fields' own.
            consumed = IsActionShortcut(*event);
        } else if (watched == memAllWordList) {
            consumed =
                ApplyKeyRule(*watched, *event, [this](QChar& Key) { memAllWordListKeyPress(Key); });
        } else if (watched == cedSearch) {
            consumed = RouteFieldKeys(
                *watched, *event, [this](QChar& Key) { cedSearchKeyPress(Key); },
                [this] { cedSearchKeyUp(); });
        }
    });
    return consumed || TDialogForm::eventFilter(watched, event);
}

bool TfrmWordWishList::IsActionShortcut(const QEvent& event) const {
    const QKeySequence pressed(static_cast<const QKeyEvent&>(event).keyCombination());
    for (const QAction* action : {actCopy, actPaste, actFitWord, actImport, actExport})
        if (action->isEnabled() && action->shortcut() == pressed)
            return true;
    return false;
}

void TfrmWordWishList::memAllWordListKeyPress(QChar& Key) {
    // Ctrl+C, Ctrl+V and Ctrl+X, Return and the digits besides the letters.
    static const QString extra =
        QString("0123456789") + QChar(3) + QChar(22) + QChar(24) + QChar(13);
    LetterKeyPress(Key, extra);
}

void TfrmWordWishList::memAllWordListMouseUp() {
    const QString selected = SelectedText();
    if (!selected.isEmpty())
        SetCandidate(selected);
    UpdateActions();
}

void TfrmWordWishList::lbxFilteredWordListClick() {
    const int index = lbxFilteredWordList->ItemIndex();
    if (index >= 0)
        SetCandidate(lbxFilteredWordList->Items()[index]);
    UpdateActions();
}

void TfrmWordWishList::SetCandidate(const QString& Text) {
    FCandidate = Text;
    actFitWord->setEnabled(!Text.isEmpty());
}

// The selected text of the word area that shows: the memo's selection or
// the filtered list's selected word.
QString TfrmWordWishList::SelectedText() const {
    if (!lbxFilteredWordList->isHidden()) {
        const int index = lbxFilteredWordList->ItemIndex();
        return index >= 0 ? lbxFilteredWordList->Items()[index] : QString();
    }
    return memAllWordList->textCursor().selectedText().replace(QChar::ParagraphSeparator, '\n');
}

void TfrmWordWishList::UpdateActions() {
    const bool selection = !SelectedText().isEmpty();
    actExport->setEnabled(!memAllWordList->toPlainText().isEmpty());
    actCopy->setEnabled(selection);
    actCopy2->setEnabled(selection);
    actFitWord->setEnabled(selection);
    const bool canPaste = !QGuiApplication::clipboard()->text().isEmpty();
    actPaste->setEnabled(canPaste);
    actPaste2->setEnabled(canPaste);
}

void TfrmWordWishList::LoadMemo() {
    memAllWordList->SetLines(FWishList->Lines());
    FFilter.Assign(FWishList);
    UpdateActions();
}

void TfrmWordWishList::SetWishListFromMemo() {
    TStringList lines(memAllWordList->Lines());
    FWishList->Assign(&lines);
}

void TfrmWordWishList::CommitMemo() {
    if (!FWishList)
        return;
    memAllWordList->appendPlainText(QString());
    SetWishListFromMemo();
    LoadMemo();
}

void TfrmWordWishList::FitCandidate() {
    CommitMemo();
    if (OnFitWord && CleanCandidate())
        OnFitWord(this, FCandidate, FFitResult);
}

bool TfrmWordWishList::CleanCandidate() {
    QString kept;
    for (const QChar ch : FCandidate)
        if ((ch >= '0' && ch <= '9') || (ch >= 'A' && ch <= 'Z'))
            kept += ch;
    FCandidate = kept;
    return !FCandidate.isEmpty();
}

void TfrmWordWishList::cedSearchEnter() {
    CommitMemo();
    if (cedSearch->text() == SearchPrompt)
        cedSearch->clear();
}

void TfrmWordWishList::cedSearchExit() {
    if (cedSearch->text().isEmpty())
        cedSearch->setText(SearchPrompt);
}

void TfrmWordWishList::cedSearchKeyPress(QChar& Key) {
    LetterKeyPress(Key);
}

void TfrmWordWishList::cedSearchKeyUp() {
    ApplyFilter();
}

void TfrmWordWishList::ApplyFilter() {
    const QString text = cedSearch->text();
    if (!text.isEmpty() && text != SearchPrompt)
        FilterWords(text);
    else
        ShowMemo();
}

void TfrmWordWishList::FilterWords(const QString& Text) {
    FFilter.Match(Text);
    lbxFilteredWordList->Items().SetLines(FFilter.MatchList().Lines());
    lbxFilteredWordList->show();
    memAllWordList->hide();
    UpdateActions();
}

void TfrmWordWishList::ShowMemo() {
    memAllWordList->show();
    lbxFilteredWordList->hide();
    UpdateActions();
}

void TfrmWordWishList::FocusWords() {
    if (lbxFilteredWordList->isHidden())
        memAllWordList->setFocus();
    else
        lbxFilteredWordList->setFocus();
}

void TfrmWordWishList::actCopyExecute() {
    QGuiApplication::clipboard()->setText(SelectedText());
}

void TfrmWordWishList::actPasteExecute() {
    QGuiApplication::clipboard()->setText(PasteWords(QGuiApplication::clipboard()->text()));
}

QString TfrmWordWishList::PasteWords(const QString& Text) {
    const QString words = FilterClipboardText(Text);
    memAllWordList->insertPlainText(words);
    UpdateActions();
    return words;
}

void TfrmWordWishList::actFitWord2Execute() {
    done(mrFitWord);
}

void TfrmWordWishList::actImport2Execute() {
    TFileDialogOptions options;
    options.Title = "Import Wish List Text File";
    options.Filter = "Import File (*.txt)|*.txt|All Files (*.*)|*.*";
    if (!services().OpenFileDialog(this, options) || !FWishList)
        return;
    ImportWords(options.FileName);
    FFilter.Assign(FWishList);
    UpdateActions();
    ApplyFilter();
}

// The memo takes the imported words in one edit: a line at a time, each
// edit would lay out and re-read the whole text again.
void TfrmWordWishList::ImportWords(const QString& FileName) {
    QStringList imported;
    FImportedWords = &imported;
    const auto show = qScopeGuard([&] {
        FImportedWords = nullptr;
        if (!imported.isEmpty())
            memAllWordList->appendPlainText(imported.join('\n'));
    });
    FWishList->LoadFromTextFile(FileName);
}

void TfrmWordWishList::actExport2Execute() {
    TFileDialogOptions options;
    options.Title = "Export Wish List Text File";
    options.Filter = "Export File (*.txt)|*.txt|All Files (*.*)|*.*";
    if (!services().SaveFileDialog(this, options) || !FWishList)
        return;
    // The file holds the words the memo shows, not those of the last commit.
    CommitMemo();
    FWishList->SaveToTextFile(options.FileName);
    UpdateActions();
}
