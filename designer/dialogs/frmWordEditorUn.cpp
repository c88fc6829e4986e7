#include "designer/dialogs/frmWordEditorUn.h"

#include "designer/controls/ColourEditUn.h"
#include "engine/wishlist/WordWishListUn.h"
#include "platform/Controls.h"
#include "platform/Convert.h"
#include "platform/FormKit.h"
#include "platform/Guard.h"
#include "platform/Services.h"

#include <QAction>
#include <QButtonGroup>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QGroupBox>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QSignalBlocker>
#include <QToolButton>
#include <algorithm>
#include <cstdint>

namespace {

constexpr int ButtonSize = 25;
constexpr int ArrowSize = 21;

bool IsDigit(QChar Key) {
    return Key >= '0' && Key <= '9';
}

// A digit passes while the field's text is a number no greater than Max:
// the text before the digit decides, so one digit past Max still goes in.
void NumberKeyPress(const QLineEdit& Field, int Max, QChar& Key) {
    if (Key == QChar(8))
        return;
    int value = 0;
    if (!IsDigit(Key) || !TryStrToInt(Field.text(), value) || value > Max)
        Key = QChar(0);
}

// The start cell as the field gives it; an emptied field starts again at 3.
int NumberKeyUp(QLineEdit& Field) {
    if (Field.text().isEmpty())
        Field.setText("3");
    return StrToInt(Field.text());
}

// One arrow step, kept within 0..Max; a text that is no number gives 0.
// The step is taken in a wider type: the text may hold the largest int.
int StepNumber(QLineEdit& Field, int Step, int Max) {
    int value = 0;
    if (TryStrToInt(Field.text(), value))
        value = int(std::clamp<int64_t>(int64_t(value) + Step, 0, std::max(Max, 0)));
    Field.setText(QString::number(value));
    return value;
}

int FieldValue(const QLineEdit& Field) {
    return StrToIntDef(Field.text(), 0);
}

} // namespace

TfrmWordEditor::TfrmWordEditor(QWidget* owner) : TDialogForm(owner, "Word Editor", 336, 215) {
    CreateActions();
    CreateControls();
    FormCreate();
}

void TfrmWordEditor::CreateActions() {
    actCopy = Action("&Copy", "Copy", QKeySequence("Ctrl+C"), [this] { actCopyExecute(); });
    actPaste = Action("&Paste", "Paste", QKeySequence("Ctrl+V"), [this] { actPasteExecute(); });
    actFitWord = Action("F&it Word", "find space in the game for the word", QKeySequence("Ctrl+F"),
                        [this] { actFitWordExecute(); });
    actAddToWishList = Action("&Add to Wish List", "add word to wish list", QKeySequence("Ctrl+A"),
                              [this] { actAddToWishListExecute(); });
    actCopy->setIcon(DialogPicture("copy"));
    actPaste->setIcon(DialogPicture("paste"));
    actFitWord->setIcon(DialogPicture("fitword"));
    actAddToWishList->setIcon(DialogPicture("addwish"));
    PopupMenu1 = new QMenu(this);
    PopupMenu1->addActions({actCopy, actPaste});
    PopupMenu1->addSeparator();
    PopupMenu1->addAction(actFitWord);
    PopupMenu1->addSeparator();
    PopupMenu1->addAction(actAddToWishList);
}

void TfrmWordEditor::CreateControls() {
    GroupBox1 = new QGroupBox("details", this);
    GroupBox1->setGeometry(8, 4, 233, 83);
    Label1 = new QLabel("&Word", GroupBox1);
    Label1->setGeometry(10, 18, 60, 14);
    cbxWord = NewTypedComboBox(GroupBox1, QRect(10, 34, 213, 21));
    // Dropped text would pass by the word's key rule.
    cbxWord->lineEdit()->setAcceptDrops(false);
    cbxWord->setContextMenuPolicy(Qt::CustomContextMenu);
    Label1->setBuddy(cbxWord);
    cbxDummy = new QCheckBox("&Dummy Word", GroupBox1);
    cbxDummy->setGeometry(10, 60, 120, 17);

    CreateDirectionButtons();
    CreatePositionControls();
    btnOK = new QPushButton("OK", this);
    btnOK->setGeometry(256, 12, 73, 25);
    btnOK->setDefault(true);
    BitBtn2 = CancelButton(QRect(256, 44, 73, 25));

    // The word box's own line edit gets the mouse, and with it the middle-click paste.
    for (QWidget* field :
         std::initializer_list<QWidget*>{cbxWord, cbxWord->lineEdit(), coledColumn, coledRow})
        field->installEventFilter(this);
    connect(cbxWord, &QComboBox::customContextMenuRequested, this,
            [this](const QPoint& at) { PopupMenu1->popup(cbxWord->mapToGlobal(at)); });
    connect(cbxWord, &QComboBox::editTextChanged, this,
            [this] { Guarded([this] { WordChange(); }); });
    connect(cbxDummy, &QCheckBox::clicked, this, [this] { Guarded([this] { cbxDummyClick(); }); });
    connect(btnOK, &QPushButton::clicked, this, [this] { Guarded([this] { btnOKClick(); }); });
}

void TfrmWordEditor::CreateDirectionButtons() {
    GroupBox2 = new QGroupBox("&Direction", this);
    GroupBox2->setGeometry(8, 92, 97, 115);
    auto* group = new QButtonGroup(this);
    group->setExclusive(true);
    const struct {
        QToolButton*& button;
        TWordDirectionType direction;
        int column, row;
        const char* picture;
        const char* hint;
    } buttons[] = {
        {btnTopLeft, wdTopLeft, 0, 0, "arrow-topleft", "up and to the left"},
        {btnTop, wdTop, 1, 0, "arrow-top", "up"},
        {btnTopRight, wdTopRight, 2, 0, "arrow-topright", "up and to the right"},
        {btnRight, wdRight, 2, 1, "arrow-right", "to the right"},
        {btnBottomRight, wdBottomRight, 2, 2, "arrow-bottomright", "down and to the right"},
        {btnBottom, wdBottom, 1, 2, "arrow-bottom", "down"},
        {btnBottomLeft, wdBottomLeft, 0, 2, "arrow-bottomleft", "down and to the left"},
        {btnLeft, wdLeft, 0, 1, "arrow-left", "to the left"},
    };
    for (const auto& b : buttons) {
        b.button = SpeedButton(GroupBox2, QRect(11 + b.column * ButtonSize, 22 + b.row * ButtonSize,
                                                ButtonSize, ButtonSize));
        b.button->setCheckable(true);
        b.button->setIcon(DialogPicture(b.picture));
        b.button->setToolTip(QString("word runs %1").arg(b.hint));
        group->addButton(b.button);
        FDirectionButtons[b.direction] = b.button;
        const TWordDirectionType direction = b.direction;
        connect(b.button, &QToolButton::clicked, this,
                [this, direction] { Guarded([this, direction] { SelectDirection(direction); }); });
    }
}

void TfrmWordEditor::CreatePositionControls() {
    GroupBox3 = new QGroupBox("&Position", this);
    GroupBox3->setGeometry(112, 92, 129, 115);
    // Each field between the button on its left and the one on its right.
    const auto row = [this](const QString& caption, int top, TColourEdit*& field,
                            QToolButton*& left, QToolButton*& right, const char* leftPicture,
                            const char* rightPicture) {
        auto* label = new QLabel(caption, GroupBox3);
        label->setGeometry(10, top, 60, 14);
        left = SpeedButton(GroupBox3, QRect(10, top + 16, ArrowSize, ArrowSize));
        left->setIcon(DialogPicture(leftPicture));
        field = new TColourEdit(GroupBox3);
        field->setGeometry(35, top + 16, 59, ArrowSize);
        field->setText("0");
        field->SetActiveColour(clInfoBk);
        field->SetInactiveColour(clWindow);
        field->setAcceptDrops(false);
        right = SpeedButton(GroupBox3, QRect(98, top + 16, ArrowSize, ArrowSize));
        right->setIcon(DialogPicture(rightPicture));
        label->setBuddy(field);
        return label;
    };
    Label2 = row("&Column", 20, coledColumn, btnColDown, btnColUp, "arrow-left", "arrow-right");
    Label3 = row("&Row", 64, coledRow, btnRowDown, btnRowUp, "arrow-bottom", "arrow-top");
    const auto onClick = [this](QToolButton* button, std::function<void()> step) {
        connect(button, &QToolButton::clicked, this, [step = std::move(step)] { Guarded(step); });
    };
    onClick(btnColDown, [this] { StepColumn(-1); });
    onClick(btnColUp, [this] { StepColumn(1); });
    onClick(btnRowUp, [this] { StepRow(-1); });
    onClick(btnRowDown, [this] { StepRow(1); });
}

void TfrmWordEditor::FormCreate() {
    SelectDirection(wdRight);
}

bool TfrmWordEditor::Execute(QString& Word, TWordDirectionType& Direction, int& Column, int& Row,
                             bool EditMode) {
    FWord = Word;
    FDirection = Direction;
    FColumn = Column;
    FRow = Row;
    if (FWishList) {
        QStringList words = FWishList->Lines();
        std::sort(words.begin(), words.end(),
                  [](const QString& a, const QString& b) { return AnsiCompareText(a, b) < 0; });
        const QSignalBlocker quiet(cbxWord);
        cbxWord->clear();
        cbxWord->addItems(words);
    }
    cbxDummy->setVisible(!EditMode);
    SetWordText(Word);
    SetWordData(Column, Row, Direction, Word);
    if (services().ExecModal(*this) != mrOk)
        return false;
    Word = cbxWord->currentText();
    Direction = FDirection;
    Column = StrToInt(coledColumn->text());
    Row = StrToInt(coledRow->text());
    return true;
}

void TfrmWordEditor::SetWordData(int Column, int Row, TWordDirectionType Direction,
                                 const QString& Word) {
    coledColumn->setText(QString::number(Column));
    coledRow->setText(QString::number(Row));
    FColumn = Column;
    FRow = Row;
    FDirection = Direction;
    FWord = Word;
    SelectDirection(Direction);
    ApplyEnablingRule();
    ApplyArrowRule();
}

void TfrmWordEditor::SetDummy(bool Checked) {
    // Also while the edit form hides the box: the next new-word form shows
    // the state the word will be placed with.
    cbxDummy->setChecked(Checked);
}

bool TfrmWordEditor::eventFilter(QObject* watched, QEvent* event) {
    bool consumed = false;
    Guarded([&] {
        if (watched == cbxWord->lineEdit()) {
            // A middle click pastes the X11 selection as Paste does the clipboard.
            if (IsSelectionPaste(*event)) {
                PasteWord(SelectionText());
                consumed = true;
            }
        } else if (event->type() == QEvent::ShortcutOverride) {
            // The form's actions come before the fields' own copy and paste.
            consumed = IsActionShortcut(*event);
        } else if (IsKeyUp(*event)) {
            if (watched == cbxWord)
                WordChange();
            else if (watched == coledColumn)
                coledColumnKeyUp();
            else if (watched == coledRow)
                coledRowKeyUp();
        } else if (watched == cbxWord) {
            consumed = ApplyKeyRule(*watched, *event, [this](QChar& Key) { cbxWordKeyPress(Key); });
        } else if (watched == coledColumn) {
            consumed =
                ApplyKeyRule(*watched, *event, [this](QChar& Key) { coledColumnKeyPress(Key); });
        } else if (watched == coledRow) {
            consumed =
                ApplyKeyRule(*watched, *event, [this](QChar& Key) { coledRowKeyPress(Key); });
        }
    });
    return consumed || TDialogForm::eventFilter(watched, event);
}

bool TfrmWordEditor::IsActionShortcut(const QEvent& event) const {
    const QKeySequence pressed(static_cast<const QKeyEvent&>(event).keyCombination());
    for (const QAction* action : {actCopy, actPaste, actFitWord, actAddToWishList})
        if (action->isEnabled() && action->shortcut() == pressed)
            return true;
    return false;
}

void TfrmWordEditor::cbxWordKeyPress(QChar& Key) {
    if (Key == QChar(8))
        return;
    const QString kept = WordCharacters(QString(Key));
    Key = kept.isEmpty() ? QChar(0) : kept.front();
}

void TfrmWordEditor::coledColumnKeyPress(QChar& Key) {
    NumberKeyPress(*coledColumn, FMaxColumn, Key);
}

void TfrmWordEditor::coledRowKeyPress(QChar& Key) {
    NumberKeyPress(*coledRow, FMaxRow, Key);
}

void TfrmWordEditor::coledColumnKeyUp() {
    FColumn = NumberKeyUp(*coledColumn);
    RaiseWordChange();
}

void TfrmWordEditor::coledRowKeyUp() {
    FRow = NumberKeyUp(*coledRow);
    RaiseWordChange();
}

void TfrmWordEditor::StepColumn(int Step) {
    StepNumber(*coledColumn, Step, FMaxColumn);
    ApplyArrowRule();
    FColumn = FieldValue(*coledColumn);
    RaiseWordChange();
}

void TfrmWordEditor::StepRow(int Step) {
    StepNumber(*coledRow, Step, FMaxRow);
    ApplyArrowRule();
    FRow = FieldValue(*coledRow);
    RaiseWordChange();
}

void TfrmWordEditor::SelectDirection(TWordDirectionType Direction) {
    if (Direction >= WordDirectionCount)
        return;
    FDirection = Direction;
    FDirectionButtons[Direction]->setChecked(true);
    RaiseWordChange();
}

void TfrmWordEditor::SetWordText(const QString& Text) {
    {
        const QSignalBlocker quiet(cbxWord);
        cbxWord->setEditText(Text);
    }
    WordChange();
}

void TfrmWordEditor::WordChange() {
    FWord = cbxWord->currentText();
    ApplyEnablingRule();
    RaiseWordChange();
}

void TfrmWordEditor::RaiseWordChange() {
    if (OnWordChange)
        OnWordChange(this, FColumn, FRow, FDirection, FWord);
}

void TfrmWordEditor::ApplyEnablingRule() {
    const int minimum = cbxDummy->isChecked() ? 1 : 3;
    const bool longEnough = FWord.size() >= minimum;
    btnOK->setEnabled(longEnough);
    actFitWord->setEnabled(longEnough);
    actAddToWishList->setEnabled(longEnough);
    actCopy->setEnabled(!FWord.isEmpty());
}

void TfrmWordEditor::ApplyArrowRule() {
    const int column = FieldValue(*coledColumn);
    const int row = FieldValue(*coledRow);
    btnColDown->setEnabled(column > 0);
    btnColUp->setEnabled(column < FMaxColumn);
    btnRowUp->setEnabled(row > 0);
    btnRowDown->setEnabled(row < FMaxRow);
}

void TfrmWordEditor::cbxDummyClick() {
    SetDummy(cbxDummy->isChecked());
    if (OnDummyChange)
        OnDummyChange(this, cbxDummy->isChecked());
    cbxWord->setFocus(Qt::OtherFocusReason);
}

void TfrmWordEditor::btnOKClick() {
    // A start cell that is no number (pasted with the field's own menu) is
    // shown as an error and the dialog stays open, so the word is not lost.
    StrToInt(coledColumn->text());
    StrToInt(coledRow->text());
    done(mrOk);
}

void TfrmWordEditor::actCopyExecute() {
    QGuiApplication::clipboard()->setText(cbxWord->currentText());
}

void TfrmWordEditor::actPasteExecute() {
    PasteWord(QGuiApplication::clipboard()->text());
}

void TfrmWordEditor::PasteWord(const QString& Text) {
    SetWordText(WordCharacters(Text));
}

void TfrmWordEditor::actFitWordExecute() {
    bool result = false;
    if (OnFitWord)
        OnFitWord(this, cbxWord->currentText(), result);
}

void TfrmWordEditor::actAddToWishListExecute() {
    const QString word = cbxWord->currentText();
    if (!FWishList || word.isEmpty())
        return;
    FWishList->Add(word);
    if (OnAddToWishList)
        OnAddToWishList(this, word);
}
