#include "designer/dialogs/frmSchemeNameDlgUn.h"
#include "support/FakeServices.h"
#include "support/Screenshot.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

namespace {

class SchemeNameTest : public ::testing::Test {
protected:
    void User(std::function<int(TfrmColourSchemeName&)> user) {
        fake.OnModal([user = std::move(user)](QDialog& dialog) {
            return user(static_cast<TfrmColourSchemeName&>(dialog));
        });
    }
    static void Type(TfrmColourSchemeName& form, Qt::Key key) {
        QTest::keyClick(form.cbxSchemeName, key);
    }

    FakeServices fake;
    QWidget owner;
    TfrmColourSchemeName dialog{&owner};
};

} // namespace

TEST_F(SchemeNameTest, FormAsLaidOut) {
    EXPECT_EQ(dialog.windowTitle(), "Puzzle Colour Scheme");
    EXPECT_EQ(dialog.size(), QSize(288, 72));
    EXPECT_EQ(dialog.font().family(), "Arial");
    EXPECT_EQ(dialog.GroupBox1->title(), "Colour Scheme &Name");
    EXPECT_TRUE(dialog.cbxSchemeName->isEditable());
    EXPECT_TRUE(dialog.btnOK->isDefault());
}

TEST_F(SchemeNameTest, OkFollowsTheTextAtEveryKeyRelease) {
    User([&](TfrmColourSchemeName& form) {
        EXPECT_TRUE(form.btnOK->isEnabled());
        form.cbxSchemeName->setFocus();
        for (int i = 0; i < 3; ++i)
            Type(form, Qt::Key_Backspace);
        EXPECT_EQ(form.cbxSchemeName->currentText(), "");
        EXPECT_FALSE(form.btnOK->isEnabled());
        Type(form, Qt::Key_Return);
        EXPECT_TRUE(form.isVisible()) << "Return does nothing while OK is disabled";
        QTest::keyClicks(form.cbxSchemeName, "Dusk");
        EXPECT_TRUE(form.btnOK->isEnabled());
        Type(form, Qt::Key_Return);
        return mrNone;
    });
    QString name = "Sea";
    EXPECT_TRUE(dialog.Execute(name));
    EXPECT_EQ(name, "Dusk");
}

TEST_F(SchemeNameTest, NameChosenFromTheListLeavesOkAsItWas) {
    dialog.SetSchemeNames({"Autumn", "Forest", "Sea"});
    User([&](TfrmColourSchemeName& form) {
        EXPECT_EQ(form.cbxSchemeName->currentText(), "Mine");
        EXPECT_EQ(form.cbxSchemeName->count(), 3);
        form.cbxSchemeName->setFocus();
        for (int i = 0; i < 4; ++i)
            Type(form, Qt::Key_Backspace);
        EXPECT_FALSE(form.btnOK->isEnabled());
        form.cbxSchemeName->showPopup();
        QAbstractItemView* list = form.cbxSchemeName->view();
        QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::NoModifier,
                          list->visualRect(list->model()->index(1, 0)).center());
        EXPECT_EQ(form.cbxSchemeName->currentText(), "Forest");
        EXPECT_FALSE(form.btnOK->isEnabled()) << "no key was released";
        Type(form, Qt::Key_End);
        EXPECT_TRUE(form.btnOK->isEnabled());
        QTest::mouseClick(form.btnOK, Qt::LeftButton);
        return mrNone;
    });
    QString name = "Mine";
    EXPECT_TRUE(dialog.Execute(name));
    EXPECT_EQ(name, "Forest");
}

// Storing under a listed name replaces that scheme: a typed name that only
// begins like one must stay as typed.
TEST_F(SchemeNameTest, TypedNameIsNotCompletedFromTheList) {
    dialog.SetSchemeNames({"Autumn", "Forest", "Sea"});
    User([&](TfrmColourSchemeName& form) {
        QTest::keyClicks(form.cbxSchemeName, "For");
        EXPECT_EQ(form.cbxSchemeName->currentText(), "For");
        Type(form, Qt::Key_Return);
        return mrNone;
    });
    QString name;
    EXPECT_TRUE(dialog.Execute(name));
    EXPECT_EQ(name, "For");
}

TEST_F(SchemeNameTest, CancelLeavesTheNameUnchanged) {
    User([&](TfrmColourSchemeName& form) {
        QTest::keyClicks(form.cbxSchemeName, "X");
        QTest::mouseClick(form.BitBtn2, Qt::LeftButton);
        return mrNone;
    });
    QString name = "Sea";
    EXPECT_FALSE(dialog.Execute(name));
    EXPECT_EQ(name, "Sea");
}

// A scheme with no name would be stored under an empty section name.
TEST_F(SchemeNameTest, NoOkForAnEmptyNameAtOpening) {
    User([&](TfrmColourSchemeName& form) {
        EXPECT_FALSE(form.btnOK->isEnabled());
        return int(mrCancel);
    });
    QString name;
    EXPECT_FALSE(dialog.Execute(name));
}

// The field's own menu can empty it without a key: OK goes off all the same.
TEST_F(SchemeNameTest, NameEmptiedWithTheMouseTakesOkAway) {
    User([&](TfrmColourSchemeName& form) {
        QLineEdit* field = form.cbxSchemeName->lineEdit();
        field->selectAll();
        field->del();
        EXPECT_FALSE(form.btnOK->isEnabled());
        return int(mrCancel);
    });
    QString name = "Sea";
    EXPECT_FALSE(dialog.Execute(name));
}

TEST_F(SchemeNameTest, Screenshot) {
    dialog.SetSchemeNames({"Autumn", "Forest", "Sea"});
    User([&](TfrmColourSchemeName& form) {
        TakeScreenshot(form, "scheme-name");
        return int(mrCancel);
    });
    QString name = "Evening Sky";
    dialog.Execute(name);
}
