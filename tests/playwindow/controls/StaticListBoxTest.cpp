#include "playwindow/controls/StaticListBoxUn.h"

#include "ListBoxTestSupport.h"
#include "support/Screenshot.h"
#include "support/TestFiles.h"

#include <QDialog>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QVBoxLayout>

namespace {

// Fifty words in a list ten items high.
struct Form {
    QWidget window;
    QLineEdit* edit = new QLineEdit(&window);
    TStaticListBox* list = new TStaticListBox(&window);
    Form() {
        auto* column = new QVBoxLayout(&window);
        column->addWidget(edit);
        column->addWidget(list);
        list->setFixedHeight(160);
        list->SetMultiSelect(true);
        list->SetExtendedSelect(false);
        for (int i = 0; i < 50; ++i)
            list->Items().Add(QString("WORD%1").arg(i, 2, 10, QChar('0')));
        ShowActive(window);
    }
};

bool LastItemShows(TStaticListBox& list) {
    const QRect last = list.visualItemRect(list.item(list.count() - 1));
    return last.top() >= 0 && last.bottom() < list.viewport()->height();
}

} // namespace

TEST(StaticListBox, IgnoresClicksAndTyping) {
    Form form;
    form.edit->setFocus();
    int clicks = 0;
    form.list->OnClick = [&](TObject*) { ++clicks; };
    const QRect second = form.list->visualItemRect(form.list->item(1));
    QTest::mouseClick(form.list->viewport(), Qt::LeftButton, {}, second.center());
    QTest::mouseDClick(form.list->viewport(), Qt::LeftButton, {}, second.center());
    QTest::mouseClick(form.list->viewport(), Qt::LeftButton, Qt::ShiftModifier,
                      form.list->visualItemRect(form.list->item(5)).center());
    EXPECT_TRUE(form.edit->hasFocus()) << "a click does not take the focus";
    EXPECT_TRUE(form.list->selectedItems().isEmpty());
    EXPECT_EQ(0, clicks);

    QTest::keyClick(&form.window, Qt::Key_Tab);
    ASSERT_TRUE(form.list->hasFocus()) << "Tab still reaches it";
    QTest::keyClicks(form.list, "WORD3");
    QTest::keyClick(form.list, Qt::Key_Space);
    EXPECT_EQ(0, form.list->TopIndex()) << "no type-ahead";
    EXPECT_TRUE(form.list->selectedItems().isEmpty());
}

TEST(StaticListBox, KeysMoveOnlyTheView) {
    const struct {
        int top;
        Qt::Key key;
        int expected; // -1: the last item shows
    } cases[] = {
        {20, Qt::Key_PageUp, 10},
        {20, Qt::Key_PageDown, 30},
        {20, Qt::Key_Home, 0},
        {20, Qt::Key_End, -1},
        {20, Qt::Key_Up, 19},
        {20, Qt::Key_Down, 21},
        {20, Qt::Key_Left, 20},
        {20, Qt::Key_Right, 20},
        {0, Qt::Key_Up, 0},
        // The new top would lie before the first item: the list ignores it.
        {3, Qt::Key_PageUp, 3},
    };
    Form form;
    form.list->setFocus(Qt::TabFocusReason);
    for (const auto& c : cases) {
        form.list->SetTopIndex(c.top);
        ASSERT_EQ(c.top, form.list->TopIndex());
        QTest::keyClick(form.list, c.key);
        if (c.expected < 0)
            EXPECT_TRUE(LastItemShows(*form.list)) << c.key;
        else
            EXPECT_EQ(c.expected, form.list->TopIndex()) << c.top << " " << c.key;
        EXPECT_TRUE(form.list->selectedItems().isEmpty());
    }
    QTest::keyClick(form.list, Qt::Key_End);
    const int bottom = form.list->TopIndex();
    QTest::keyClick(form.list, Qt::Key_Down); // past the end: stays
    EXPECT_EQ(bottom, form.list->TopIndex());
    EXPECT_TRUE(LastItemShows(*form.list));
}

TEST(StaticListBox, ReturnAndEscapeReachTheForm) {
    for (Qt::Key key : {Qt::Key_Return, Qt::Key_Escape}) {
        QDialog dialog;
        auto* list = new TStaticListBox(&dialog);
        auto* ok = new QPushButton("OK", &dialog);
        ok->setDefault(true);
        QObject::connect(ok, &QPushButton::clicked, &dialog, &QDialog::accept);
        ShowActive(dialog);
        list->setFocus(Qt::TabFocusReason);
        QTest::keyClick(list, key);
        EXPECT_EQ(key == Qt::Key_Return ? QDialog::Accepted : QDialog::Rejected, dialog.result());
        EXPECT_FALSE(dialog.isVisible()) << key;
    }
}

TEST(StaticListBox, ProgramMarksItemsAndBadIndexesRaise) {
    Form form;
    QSignalSpy changes(form.list, &QListWidget::itemSelectionChanged);
    form.list->SetSelected(3, true);
    form.list->SetSelected(7, true);
    EXPECT_TRUE(form.list->GetSelected(3));
    EXPECT_TRUE(form.list->GetSelected(7));
    EXPECT_FALSE(form.list->GetSelected(4));
    EXPECT_EQ(2, changes.count());
    form.list->SetSelected(3, true);
    form.list->SetSelected(4, false);
    EXPECT_EQ(2, changes.count()) << "the current value sends nothing";
    form.list->SetSelected(3, false);
    EXPECT_FALSE(form.list->GetSelected(3));

    EXPECT_EQ("List index out of bounds (50)", MessageOf([&] { form.list->GetSelected(50); }));
    EXPECT_EQ("List index out of bounds (-1)",
              MessageOf([&] { form.list->SetSelected(-1, true); }));

    TStaticListBox single;
    single.Items().Add("ONE");
    EXPECT_EQ("List index out of bounds (0)", MessageOf([&] { single.SetSelected(0, true); }));
    EXPECT_FALSE(single.GetSelected(0));
}

TEST(StaticListBox, Screenshot) {
    QWidget form;
    auto* column = new QVBoxLayout(&form);
    auto* list = new TStaticListBox(&form);
    column->addWidget(list);
    list->SetMultiSelect(true);
    list->SetExtendedSelect(false);
    list->SetSorted(true);
    for (const char* word : {"PUZZLE", "GRID", "LETTER", "HIDDEN", "WORD", "ACROSS", "DOWN"})
        list->Items().Add(word);
    list->SetSelected(list->Items().IndexOf("GRID"), true);
    list->SetSelected(list->Items().IndexOf("WORD"), true);
    form.resize(160, 150);
    TakeScreenshot(form, "StaticListBox");
}
