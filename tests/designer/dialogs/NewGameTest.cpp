#include "designer/dialogs/frmNewGameUn.h"
#include "support/FakeServices.h"
#include "support/Screenshot.h"

#include <QAction>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QTest>
#include <QToolButton>
#include <gtest/gtest.h>

namespace {

class NewGameTest : public ::testing::Test {
protected:
    // Runs the user's part inside the dialog; its result decides unless mrNone.
    void User(std::function<int(TfrmNewGame&)> user) {
        fake.OnModal([user = std::move(user)](QDialog& dialog) {
            return user(static_cast<TfrmNewGame&>(dialog));
        });
    }
    static int Click(QAbstractButton* button) {
        QTest::mouseClick(button, Qt::LeftButton);
        return mrNone;
    }
    static bool Enabled(QToolButton* button) { return button->isEnabled(); }

    FakeServices fake;
    QWidget owner;
    TfrmNewGame dialog{&owner};
};

} // namespace

TEST_F(NewGameTest, FormAsLaidOut) {
    EXPECT_EQ(dialog.size(), QSize(240, 119));
    EXPECT_EQ(dialog.font().family(), "Arial");
    EXPECT_EQ(dialog.grpGridSize->title(), "New Game &Size");
    EXPECT_EQ(dialog.lblSize->text(), "15 x 15");
    EXPECT_EQ(dialog.btnLoad->text(), "&Load...");
    EXPECT_EQ(dialog.btnPreset->toolTip(), "select from a preset size");
    EXPECT_EQ(dialog.btnUp->toolTip(), "increase height by 1");
    EXPECT_EQ(dialog.btnDown->toolTip(), "decrease the height by 1");
    EXPECT_EQ(dialog.btnRight->toolTip(), "increase width by 1");
    EXPECT_EQ(dialog.btnLeft->toolTip(), "decrease the width by 1");
    QStringList presets;
    for (QAction* action : dialog.pmPresets->actions())
        presets << action->text() + " " + action->shortcut().toString();
    EXPECT_EQ(presets, QStringList({"&5 x 5 (min) F2", "1&0 x 10 F3", "&15 x 15 (default) F4",
                                    "20 x 20 F5", "25 x 25 F6", "&30 x 30 (max) F7"}));
}

TEST_F(NewGameTest, CreateTakesTheSizeChosenWithTheArrows) {
    QString caption, okCaption;
    User([&](TfrmNewGame& form) {
        caption = form.windowTitle();
        okCaption = form.btnOK->text();
        EXPECT_TRUE(form.btnLoad->isVisible());
        EXPECT_EQ(form.lblSize->text(), "15 x 15");
        Click(form.btnRight);
        Click(form.btnRight);
        Click(form.btnDown);
        EXPECT_EQ(form.lblSize->text(), "17 x 14");
        return Click(form.btnOK);
    });
    int width = 15, height = 15;
    bool load = true;
    EXPECT_TRUE(dialog.ExecuteNewGame(width, height, load));
    EXPECT_EQ(caption, "New Game");
    EXPECT_EQ(okCaption, "&Create");
    EXPECT_FALSE(load);
    EXPECT_EQ(width, 17);
    EXPECT_EQ(height, 14);
}

TEST_F(NewGameTest, ArrowsStopAtTheLimits) {
    const struct {
        int width, height;
        bool up, down, right, left;
    } cases[] = {
        {5, 5, true, false, true, false},
        {30, 30, false, true, false, true},
        {30, 5, true, false, false, true},
        {12, 20, true, true, true, true},
    };
    for (const auto& c : cases) {
        User([&](TfrmNewGame& form) {
            EXPECT_EQ(Enabled(form.btnUp), c.up) << c.width << "x" << c.height;
            EXPECT_EQ(Enabled(form.btnDown), c.down) << c.width << "x" << c.height;
            EXPECT_EQ(Enabled(form.btnRight), c.right) << c.width << "x" << c.height;
            EXPECT_EQ(Enabled(form.btnLeft), c.left) << c.width << "x" << c.height;
            return Click(form.BitBtn2);
        });
        int width = c.width, height = c.height;
        EXPECT_FALSE(dialog.ExecuteChangeSize(width, height));
    }
}

TEST_F(NewGameTest, WidthAndHeightMoveApartWithTheShortcuts) {
    User([&](TfrmNewGame& form) {
        for (int i = 0; i < 10; ++i) {
            QTest::keyClick(&form, Qt::Key_R, Qt::ControlModifier);
            QTest::keyClick(&form, Qt::Key_D, Qt::ControlModifier);
        }
        EXPECT_EQ(form.lblSize->text(), "30 x 5");
        EXPECT_FALSE(Enabled(form.btnRight));
        EXPECT_FALSE(Enabled(form.btnDown));
        QTest::keyClick(&form, Qt::Key_R, Qt::ControlModifier);
        EXPECT_EQ(form.lblSize->text(), "30 x 5") << "no step past the limit";
        QTest::keyClick(&form, Qt::Key_L, Qt::ControlModifier);
        QTest::keyClick(&form, Qt::Key_U, Qt::ControlModifier);
        return Click(form.btnOK);
    });
    int width = 25, height = 10;
    EXPECT_TRUE(dialog.ExecuteChangeSize(width, height));
    EXPECT_EQ(width, 29);
    EXPECT_EQ(height, 6);
}

TEST_F(NewGameTest, PresetsFromTheMenuAndTheFunctionKeys) {
    User([&](TfrmNewGame& form) {
        Click(form.btnPreset);
        EXPECT_TRUE(form.pmPresets->isVisible());
        QTest::mouseClick(form.pmPresets, Qt::LeftButton, Qt::NoModifier,
                          form.pmPresets->actionGeometry(form.act30x30).center());
        EXPECT_EQ(form.lblSize->text(), "30 x 30");
        EXPECT_FALSE(Enabled(form.btnUp));
        EXPECT_FALSE(Enabled(form.btnRight));
        QTest::keyClick(&form, Qt::Key_F2);
        EXPECT_EQ(form.lblSize->text(), "5 x 5");
        EXPECT_FALSE(Enabled(form.btnDown));
        EXPECT_FALSE(Enabled(form.btnLeft));
        QTest::keyClick(&form, Qt::Key_F5);
        return Click(form.btnOK);
    });
    int width = 15, height = 15;
    bool load = false;
    EXPECT_TRUE(dialog.ExecuteNewGame(width, height, load));
    EXPECT_EQ(width, 20);
    EXPECT_EQ(height, 20);
}

TEST_F(NewGameTest, LoadKeepsTheSizePassedIn) {
    User([&](TfrmNewGame& form) {
        Click(form.btnRight);
        return Click(form.btnLoad);
    });
    int width = 15, height = 15;
    bool load = false;
    EXPECT_TRUE(dialog.ExecuteNewGame(width, height, load));
    EXPECT_TRUE(load);
    EXPECT_EQ(width, 15);
    EXPECT_EQ(height, 15);
}

TEST_F(NewGameTest, ChangeSizeCancelledWithEscapeChangesNothing) {
    QString caption, okCaption;
    bool loadShown = true;
    User([&](TfrmNewGame& form) {
        caption = form.windowTitle();
        okCaption = form.btnOK->text();
        loadShown = form.btnLoad->isVisible();
        Click(form.btnUp);
        QTest::keyClick(&form, Qt::Key_Escape);
        return mrNone;
    });
    int width = 8, height = 9;
    EXPECT_FALSE(dialog.ExecuteChangeSize(width, height));
    EXPECT_EQ(caption, "Change Game Size");
    EXPECT_EQ(okCaption, "&Change");
    EXPECT_FALSE(loadShown);
    EXPECT_EQ(width, 8);
    EXPECT_EQ(height, 9);
}

TEST_F(NewGameTest, Screenshot) {
    User([&](TfrmNewGame& form) {
        TakeScreenshot(form, "new-game");
        return int(mrCancel);
    });
    int width = 15, height = 15;
    bool load = false;
    dialog.ExecuteNewGame(width, height, load);
    User([&](TfrmNewGame& form) {
        TakeScreenshot(form, "change-game-size");
        return int(mrCancel);
    });
    width = 30;
    height = 5;
    dialog.ExecuteChangeSize(width, height);
}
