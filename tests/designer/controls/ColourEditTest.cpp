#include "designer/controls/ColourEditUn.h"
#include "designer/controls/ColourMemoUn.h"
#include "playwindow/controls/ListBoxTestSupport.h"
#include "support/Screenshot.h"
#include "support/XcbKeys.h"

#include <QVBoxLayout>

namespace {

QWidget& Area(TColourEdit& edit) {
    return edit;
}
QWidget& Area(TColourMemo& memo) {
    return *memo.viewport();
}
QString TextOf(const TColourEdit& edit) {
    return edit.text();
}
QString TextOf(const TColourMemo& memo) {
    return memo.toPlainText();
}
void SetTextOf(TColourEdit& edit, const QString& text) {
    edit.setText(text);
}
void SetTextOf(TColourMemo& memo, const QString& text) {
    memo.setPlainText(text);
}

// A window with a plain field before the colour field, so that the focus
// can move in and out.
template <typename Field> struct Form {
    QWidget window;
    QLineEdit* other = new QLineEdit(&window);
    Field* field = new Field(&window);
    std::vector<QString> events;
    Form() {
        auto* column = new QVBoxLayout(&window);
        column->addWidget(other);
        column->addWidget(field);
        field->OnEnter = [this](TObject*) { events.push_back("enter"); };
        field->OnExit = [this](TObject*) { events.push_back("exit"); };
        ShowActive(window);
        other->setFocus();
    }
    void FocusIn() {
        QTest::keyClick(other, Qt::Key_Tab);
        EXPECT_TRUE(field->hasFocus());
    }
    void FocusOut() {
        QTest::mouseClick(other, Qt::LeftButton);
        EXPECT_FALSE(field->hasFocus());
    }
    // The colour inside the field, clear of its frame and its text.
    QRgb Shown() {
        QWidget& area = Area(*field);
        return area.grab().toImage().pixel(area.width() - 4, area.height() - 4);
    }
    void Type(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        XcbKeyClick(field, key, modifiers);
    }
    bool Bold() const { return field->font().bold(); }
    bool Plain() const {
        const QFont font = field->font();
        return !font.bold() && !font.italic() && !font.underline() && !font.strikeOut();
    }
    void MakeItalic() {
        QFont italic = field->font();
        italic.setItalic(true);
        field->setFont(italic);
    }
};

QRgb Rgb(TColor colour) {
    return ToQColor(colour).rgb();
}

template <typename Field> void ColourFollowsFocusAndReadOnly() {
    Form<Field> form;
    EXPECT_EQ(clInactiveCaptionText, form.field->Color());
    EXPECT_EQ(Rgb(clInactiveCaptionText), form.Shown());
    form.FocusIn();
    EXPECT_EQ(Rgb(clWindow), form.Shown());
    form.field->SetActiveColour(clYellow);
    EXPECT_EQ(Rgb(clYellow), form.Shown()) << "a new colour shows at once";
    form.FocusOut();
    EXPECT_EQ(Rgb(clInactiveCaptionText), form.Shown());
    form.field->SetInactiveColour(clSilver);
    EXPECT_EQ(Rgb(clSilver), form.Shown());
    EXPECT_EQ((std::vector<QString>{"enter", "exit"}), form.events);

    form.field->SetReadOnly(true);
    EXPECT_EQ(Rgb(clInfoBk), form.Shown());
    form.FocusIn();
    EXPECT_EQ(Rgb(clInfoBk), form.Shown()) << "read-only whatever the focus";
    form.field->SetReadOnlyColour(clBtnFace);
    EXPECT_EQ(Rgb(clInfoBk), form.Shown()) << "the new colour waits for a repaint";
    form.FocusOut();
    EXPECT_EQ(Rgb(clBtnFace), form.Shown());
    EXPECT_EQ((std::vector<QString>{"enter", "exit", "enter", "exit"}), form.events);
}

template <typename Field> void TypedCharactersTurnTheTextBold() {
    Form<Field> form;
    form.MakeItalic();
    SetTextOf(*form.field, "abc");
    EXPECT_TRUE(form.field->font().italic()) << "text set by the program";

    form.field->OnKeyPress = [](TObject*, QChar& key) {
        if (key == 'x')
            key = QChar(0);
        else if (key == 'y')
            key = 'Z';
    };
    form.FocusIn();
    form.Type(Qt::Key_End, Qt::ControlModifier);
    form.Type(Qt::Key_X);
    form.Type(Qt::Key_Left);
    form.Type(Qt::Key_Delete);
    EXPECT_EQ("ab", TextOf(*form.field)) << "Delete deletes";
    form.Type(Qt::Key_Left);
    EXPECT_TRUE(form.field->font().italic()) << "nothing typed yet: Delete types no character";
    form.Type(Qt::Key_Y);
    EXPECT_TRUE(form.Bold());
    EXPECT_FALSE(form.field->font().italic()) << "exactly bold";
    EXPECT_EQ("aZb", TextOf(*form.field));

    form.MakeItalic();
    form.Type(Qt::Key_Backspace);
    EXPECT_TRUE(form.Bold() && !form.field->font().italic()) << "Backspace counts too";
    EXPECT_EQ("ab", TextOf(*form.field));
}

template <typename Field> void ReadOnlyFieldNeverTurnsBold() {
    Form<Field> form;
    form.field->SetReadOnly(true);
    form.FocusIn();
    form.Type(Qt::Key_A);
    form.Type(Qt::Key_Backspace);
    EXPECT_TRUE(form.Plain());
}

} // namespace

TEST(ColourEdit, ColourFollowsFocusAndReadOnly) {
    ColourFollowsFocusAndReadOnly<TColourEdit>();
}

TEST(ColourMemo, ColourFollowsFocusAndReadOnly) {
    ColourFollowsFocusAndReadOnly<TColourMemo>();
}

TEST(ColourEdit, TypedCharactersTurnTheTextBold) {
    TypedCharactersTurnTheTextBold<TColourEdit>();
}

TEST(ColourMemo, TypedCharactersTurnTheTextBold) {
    TypedCharactersTurnTheTextBold<TColourMemo>();
}

TEST(ColourEdit, ReadOnlyFieldNeverTurnsBold) {
    ReadOnlyFieldNeverTurnsBold<TColourEdit>();
}

TEST(ColourMemo, ReadOnlyFieldNeverTurnsBold) {
    ReadOnlyFieldNeverTurnsBold<TColourMemo>();
}

TEST(ColourEdit, ReturnAndEscapeAreLeftToTheDialog) {
    Form<TColourEdit> form;
    form.FocusIn();
    form.Type(Qt::Key_Return);
    form.Type(Qt::Key_Escape);
    EXPECT_TRUE(form.Plain());
}

TEST(ColourMemo, ReturnStartsANewLine) {
    Form<TColourMemo> form;
    form.FocusIn();
    form.Type(Qt::Key_A);
    form.Type(Qt::Key_Return);
    EXPECT_EQ(QStringList({"a", ""}), form.field->Lines());
    form.Type(Qt::Key_Tab);
    EXPECT_FALSE(form.field->hasFocus()) << "Tab moves on";
}

TEST(ColourEdit, ModifiedSetsTheStyle) {
    Form<TColourEdit> form;
    form.FocusIn();
    form.Type(Qt::Key_A);
    EXPECT_TRUE(form.field->Modified());
    form.field->SetModified(false);
    EXPECT_TRUE(form.Plain());
    form.field->SetModified(true);
    EXPECT_TRUE(form.Bold());

    form.field->SetReadOnly(true);
    EXPECT_TRUE(form.Bold()) << "a bold edit set read-only stays bold";
    form.field->SetModified(false);
    EXPECT_TRUE(form.Bold()) << "a read-only edit keeps its font";
}

TEST(ColourEdit, WindowDeactivationAndPopupsKeepItActive) {
    Form<TColourEdit> form;
    form.FocusIn();
    for (Qt::FocusReason reason : {Qt::ActiveWindowFocusReason, Qt::PopupFocusReason}) {
        QFocusEvent out(QEvent::FocusOut, reason);
        QApplication::sendEvent(form.field, &out);
        EXPECT_EQ(clWindow, form.field->Color()) << reason;
        QFocusEvent in(QEvent::FocusIn, reason);
        QApplication::sendEvent(form.field, &in);
    }
    EXPECT_EQ(std::vector<QString>{"enter"}, form.events) << "no exit, no second enter";
}

// A form's key rule in its event filter: the changed character reaches the
// field and counts as typed; a swallowed one never reaches it.
TEST(ColourEdit, FormKeyRuleChangesOrSwallowsCharacters) {
    struct Filter : QObject {
        bool eventFilter(QObject* watched, QEvent* event) override {
            return ApplyKeyRule(*watched, *event, [](QChar& key) {
                if (key >= 'a' && key <= 'z')
                    key = key.toUpper();
                else if (key != QChar(8))
                    key = QChar(0);
            });
        }
    } filter;
    Form<TColourEdit> form;
    form.field->installEventFilter(&filter);
    form.FocusIn();
    form.Type(Qt::Key_Minus);
    form.Type(Qt::Key_1);
    EXPECT_TRUE(form.Plain());
    EXPECT_EQ("", form.field->text());
    form.Type(Qt::Key_Q);
    form.Type(Qt::Key_W);
    form.Type(Qt::Key_Backspace);
    EXPECT_EQ("Q", form.field->text());
    EXPECT_TRUE(form.Bold());
    form.Type(Qt::Key_Tab);
    EXPECT_FALSE(form.field->hasFocus()) << "Tab moves on though the rule refuses it";
}

TEST(ColourEdit, Screenshot) {
    QWidget window;
    window.setFixedSize(200, 110);
    auto* column = new QVBoxLayout(&window);
    auto* active = new TColourEdit(&window);
    auto* inactive = new TColourEdit(&window);
    auto* readOnly = new TColourMemo(&window);
    for (QWidget* field : std::initializer_list<QWidget*>{active, inactive, readOnly})
        column->addWidget(field);
    ShowActive(window);
    active->setFocus();
    QTest::keyClicks(active, "typed");
    inactive->setText("set by the program");
    readOnly->SetReadOnlyColour(clBtnFace);
    readOnly->SetReadOnly(true);
    readOnly->SetLines({"read-only help", "second line"});
    TakeScreenshot(window, "colour-edit-and-memo");
}
