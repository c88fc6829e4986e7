// A middle click pastes the X11 selection into the field under the mouse.
// Offscreen there is no selection, so these tests run on the test's own X
// server: SelectionPasteOnX11 runs them there.

#include "designer/controls/ColourEditUn.h"
#include "designer/controls/ColourMemoUn.h"
#include "designer/dialogs/frmFindWordUn.h"
#include "designer/dialogs/frmPreferenceUn.h"
#include "designer/dialogs/frmWishListUn.h"
#include "designer/dialogs/frmWordEditorUn.h"
#include "designer/dialogs/frmWordPatternSearchUn.h"
#include "support/EndToEnd.h"
#include "support/FakeServices.h"

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QLineEdit>
#include <QTest>
#include <gtest/gtest.h>

namespace {

// Within the field, clear of its frame.
void MiddleClick(QWidget* Field) {
    QTest::mouseClick(Field, Qt::MiddleButton, Qt::NoModifier,
                      QPoint(Field->width() - 6, Field->height() / 2));
}

} // namespace

// The word box and the wish-list memo take the selection as their Paste
// takes the clipboard; every other field with a key rule refuses it.
TEST(SelectionPaste, KeyRuledFieldsTakeOnlyWhatTheirRuleLetsIn) {
    if (!QApplication::clipboard()->supportsSelection())
        GTEST_SKIP() << "no X11 selection on this platform";
    FakeServices fake;
    QWidget owner;
    TfrmWordEditor editor(&owner);
    TfrmFindWord find(&owner);
    TfrmFindWordPattern pattern(&owner);
    TfrmWordWishList wishList(&owner);
    TfrmPreferences preferences(&owner);
    QApplication::clipboard()->setText("ab-12, cd", QClipboard::Selection);
    const auto text = [](const QLineEdit* field) { return [field] { return field->text(); }; };
    // Shown: what the field shows after the click; none where it refuses
    // the paste and shows what it showed before.
    const struct {
        const char* name;
        QWidget* form;
        QWidget* clicked;
        std::function<QString()> text;
        const char* shown;
    } cases[] = {
        {"word box", &editor, editor.cbxWord->lineEdit(), text(editor.cbxWord->lineEdit()),
         "AB12CD"},
        {"column", &editor, editor.coledColumn, text(editor.coledColumn), nullptr},
        {"row", &editor, editor.coledRow, text(editor.coledRow), nullptr},
        {"find word", &find, find.coledWord, text(find.coledWord), nullptr},
        {"word pattern", &pattern, pattern.coledWord, text(pattern.coledWord), nullptr},
        {"wish-list search", &wishList, wishList.cedSearch, text(wishList.cedSearch), nullptr},
        {"wish-list memo", &wishList, wishList.memAllWordList->viewport(),
         [&] { return wishList.memAllWordList->toPlainText(); }, "AB12CD"},
        {"hints", &preferences, preferences.edHintsAllowed, text(preferences.edHintsAllowed),
         nullptr},
    };
    preferences.pgcPreferences->setCurrentIndex(2);
    for (const auto& c : cases) {
        c.form->show();
        QApplication::setActiveWindow(c.form);
        QApplication::processEvents();
        // Focus first, as a user's click gives it.
        QTest::mouseClick(c.clicked, Qt::LeftButton);
        const QString before = c.text();
        MiddleClick(c.clicked);
        EXPECT_EQ(c.text(), c.shown ? QString(c.shown) : before) << c.name;
    }
    EXPECT_EQ(QApplication::clipboard()->text(QClipboard::Selection), "ab-12, cd")
        << "the selection stays as it was";
}

TEST(SelectionPasteOnX11, RunsOnTheTestsOwnXServer) {
    VirtualScreen screen;
    ASSERT_TRUE(screen.Running()) << "Xvfb did not start";
    FakeServices fake;
    QProcess tests;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("DISPLAY", screen.Display());
    environment.insert("QT_QPA_PLATFORM", "xcb");
    environment.insert("HOME", fake.Folder());
    environment.insert("XDG_RUNTIME_DIR", fake.Folder());
    tests.setProcessEnvironment(environment);
    tests.setProcessChannelMode(QProcess::MergedChannels);
    tests.start(QApplication::applicationFilePath(), {"--gtest_filter=SelectionPaste.*"});
    ASSERT_TRUE(tests.waitForFinished(WaitLimitMs));
    const QString output = QString::fromUtf8(tests.readAll());
    EXPECT_EQ(tests.exitCode(), 0) << output.toStdString();
    EXPECT_TRUE(output.contains("[  PASSED  ] 1 test.")) << output.toStdString();
    EXPECT_FALSE(output.contains("SKIPPED")) << output.toStdString();
}
