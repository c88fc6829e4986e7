#include "playwindow/controls/ColourListBoxUn.h"

#include "ListBoxTestSupport.h"
#include "support/Screenshot.h"

#include <QFocusEvent>
#include <QHBoxLayout>
#include <QLineEdit>
#include <vector>

namespace {

struct Form {
    QWidget window;
    QLineEdit* edit = new QLineEdit(&window);
    TColourListBox* list = new TColourListBox(&window);
    std::vector<QString> events;
    Form() {
        auto* row = new QHBoxLayout(&window);
        row->addWidget(edit);
        row->addWidget(list);
        for (const char* word : {"Apple", "Banana", "Cherry"})
            list->Items().Add(word);
        list->OnEnter = [this](TObject*) { events.push_back("enter " + Colour()); };
        list->OnExit = [this](TObject*) { events.push_back("exit " + Colour()); };
        ShowActive(window);
        edit->setFocus();
    }
    QString Colour() const { return QString::number(list->Color(), 16); }
    QRgb Shown() { return BackgroundOf(*list->viewport()); }
};

QRgb Rgb(TColor colour) {
    return ToQColor(colour).rgb();
}

} // namespace

TEST(ColourListBox, ColourFollowsTheFocus) {
    Form form;
    EXPECT_EQ(clInactiveCaptionText, form.list->Color());
    EXPECT_GT(qGray(Rgb(clInactiveCaptionText)), 160) << "black text stays readable on it";
    EXPECT_EQ(Rgb(clInactiveCaptionText), form.Shown());

    QTest::keyClick(form.edit, Qt::Key_Tab);
    ASSERT_TRUE(form.list->hasFocus());
    EXPECT_EQ(clWindow, form.list->Color());
    EXPECT_EQ(Rgb(clWindow), form.Shown());
    form.list->SetActiveColour(clYellow);
    EXPECT_EQ(Rgb(clYellow), form.Shown()) << "a new colour shows at once";

    QTest::mouseClick(form.edit, Qt::LeftButton);
    EXPECT_EQ(Rgb(clInactiveCaptionText), form.Shown());
    form.list->SetInactiveColour(clSilver);
    EXPECT_EQ(Rgb(clSilver), form.Shown());
    // The flag is set before OnEnter runs; the colour follows after it.
    EXPECT_EQ((std::vector<QString>{"enter 80000013", "exit ffff"}), form.events);
}

TEST(ColourListBox, WindowDeactivationAndPopupsKeepItActive) {
    Form form;
    form.list->setFocus(Qt::TabFocusReason);
    for (Qt::FocusReason reason : {Qt::ActiveWindowFocusReason, Qt::PopupFocusReason}) {
        QFocusEvent out(QEvent::FocusOut, reason);
        QApplication::sendEvent(form.list, &out);
        EXPECT_EQ(clWindow, form.list->Color()) << reason;
        QFocusEvent in(QEvent::FocusIn, reason);
        QApplication::sendEvent(form.list, &in);
    }
    EXPECT_EQ(std::vector<QString>{"enter 80000013"}, form.events) << "no exit, no second enter";
}

// Hiding the form takes the focus from the list, though the window system
// reports only a deactivation; shown again, the list has the focus back.
TEST(ColourListBox, HidingTheFormLeavesItInactive) {
    Form form;
    QTest::keyClick(form.edit, Qt::Key_Tab);
    ASSERT_TRUE(form.list->hasFocus());
    form.window.hide();
    EXPECT_EQ(clInactiveCaptionText, form.list->Color());
    ShowActive(form.window);
    EXPECT_TRUE(form.list->hasFocus());
    EXPECT_EQ(clWindow, form.list->Color());
    EXPECT_EQ(Rgb(clWindow), form.Shown());
    EXPECT_EQ((std::vector<QString>{"enter 80000013", "enter 80000013"}), form.events)
        << "hiding is no exit";
}

TEST(ColourListBox, KeyPressMayChangeOrSwallowTheCharacter) {
    const struct {
        char typed;
        char replacement; // 0 swallows, the typed character passes it
        QString selected;
    } cases[] = {{'c', 'c', "Cherry"}, {'x', 'b', "Banana"}, {'c', 0, ""}};
    for (const auto& c : cases) {
        Form form;
        form.list->setFocus(Qt::TabFocusReason);
        form.list->OnKeyPress = [&](TObject*, QChar& key) {
            if (key == QChar(c.typed))
                key = QChar(c.replacement);
        };
        QTest::keyClick(form.list, c.typed);
        const int index = form.list->ItemIndex();
        EXPECT_EQ(c.selected, index < 0 ? QString() : form.list->Items()[index]) << c.typed;
    }
}

TEST(ColourListBox, Screenshot) {
    Form form;
    auto* second = new TColourListBox(&form.window);
    form.window.layout()->addWidget(second);
    for (const char* scheme : {"Default", "Autumn", "Ocean", "High Contrast"})
        second->Items().Add(scheme);
    second->SetItemIndex(1);
    form.list->SetItemIndex(2);
    form.list->setFocus(Qt::TabFocusReason);
    form.edit->hide();
    form.window.resize(260, 110);
    TakeScreenshot(form.window, "ColourListBox");
}
