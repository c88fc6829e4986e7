#include "platform/Services.h"
#include "support/FakeServices.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QGuiApplication>
#include <QLineEdit>
#include <QMessageBox>
#include <QScreen>
#include <QTest>
#include <QTimer>
#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

TEST(Services, TempFolderIsPrivateToTheUser) {
    Services real;
    const QString folder = real.TempFolder();
    ASSERT_FALSE(folder.isEmpty());
    EXPECT_NE(QDir(QDir::tempPath()).canonicalPath(), QDir(folder).canonicalPath());
    struct stat info;
    ASSERT_EQ(0, lstat(QFile::encodeName(folder).constData(), &info));
    EXPECT_TRUE(S_ISDIR(info.st_mode));
    EXPECT_EQ(getuid(), info.st_uid);
    EXPECT_EQ(0700u, info.st_mode & 0777);
    // Widened by someone else, it is narrowed again when asked for.
    chmod(QFile::encodeName(folder).constData(), 0755);
    EXPECT_EQ(folder, real.TempFolder());
    ASSERT_EQ(0, lstat(QFile::encodeName(folder).constData(), &info));
    EXPECT_EQ(0700u, info.st_mode & 0777);
}

TEST(Services, SeededRandomNumbersRepeatAndStayInRange) {
    Services first, second;
    first.SetRandSeed(1234);
    second.SetRandSeed(1234);
    for (int i = 0; i < 200; ++i) {
        const int value = first.Random(26);
        EXPECT_EQ(value, second.Random(26));
        EXPECT_GE(value, 0);
        EXPECT_LT(value, 26);
        const double fraction = first.RandomFloat();
        EXPECT_EQ(fraction, second.RandomFloat());
        EXPECT_GE(fraction, 0.0);
        EXPECT_LT(fraction, 1.0);
    }
    EXPECT_EQ(0, first.Random(0));
}

TEST(FakeServices, AnswersFromTheScriptAndFailsOnAnUnexpectedQuestion) {
    FakeServices fake;
    EXPECT_EQ(&fake, &services());
    fake.Answer(mrNo);
    EXPECT_EQ(mrNo, services().MessageDlg("Save?", mtConfirmation, mbYes | mbNo));
    EXPECT_NONFATAL_FAILURE(services().MessageDlg("Again?", mtConfirmation, mbYes | mbNo),
                            "unexpected message dialog: Again?");
    EXPECT_NONFATAL_FAILURE(
        {
            FakeServices unused;
            unused.Answer(mrYes);
        },
        "never asked for");
    EXPECT_EQ(&fake, &services()) << "a nested fake puts the outer one back";
}

TEST(FakeServices, ClockMovesOnlyWhenTold) {
    FakeServices fake;
    fake.Clock = EncodeDate(2024, 5, 1);
    EXPECT_EQ(fake.Clock, services().Now());
    fake.Advance(3000);
    for (int step = 0; step < 3; ++step)
        fake.Advance(-1000);
    EXPECT_EQ(EncodeDate(2024, 5, 1), services().Now());
    fake.Advance(MSecsPerDay / 2);
    EXPECT_EQ(QString("01052024 120000"), DateTimeToStamp(services().Now()));
}

TEST(Services, FileDialogFiltersBecomeQtNameFilters) {
    const struct {
        const char* filter;
        QStringList expected;
    } cases[] = {
        {"Game File (*.gtg)|*.gtg|All Files (*.*)|*.*", {"Game File (*.gtg)", "All Files (*)"}},
        {"Text Files|*.txt;*.text", {"Text Files (*.txt *.text)"}},
        {"", {}},
        {"Dangling (*.x)", {}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.expected, QtNameFilters(c.filter)) << c.filter;
}

TEST(Services, FilterExtensionsNameOneExtensionOrNone) {
    EXPECT_EQ(QStringList({"gtg", "gtx", ""}),
              FilterExtensions("Game File (*.gtg)|*.gtg|Game Export File (*.gtx)|*.gtx|"
                               "All Files (*.*)|*.*"));
    EXPECT_EQ(QStringList({"txt", "", "", ""}),
              FilterExtensions("Text|*.txt;*.text|Any|*|Some|*.g?g|Named|readme"));
    EXPECT_EQ(QStringList(), FilterExtensions(""));
}

TEST(Services, TheSaveDialogAsksAboutTheChosenFiltersExtension) {
    // A name typed without an extension, the filter chosen at the start or
    // from the keyboard; the file of that name and extension is there.
    struct Case {
        int filterIndex;
        int downKeys;
        const char* file;
    };
    const Case cases[] = {{1, 1, "words.gtx"},
                          {2, 0, "words.gtx"},
                          {3, 0, "words.htm"},
                          {1, 0, "words.gtg"},
                          {1, 2, "words.htm"}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.file);
        FakeServices fake;
        QFile(fake.Folder() + "/" + c.file).open(QIODevice::WriteOnly);
        TFileDialogOptions options;
        options.Filter = "Game File (*.gtg)|*.gtg|Game Export File (*.gtx)|*.gtx|"
                         "HTML File (*.htm)|*.htm";
        options.FilterIndex = c.filterIndex;
        options.DefaultExt = "gtg";
        options.InitialDir = fake.Folder();
        QString asked;
        fake.OnModal([&](QDialog& dialog) {
            auto* type = dialog.findChild<QComboBox*>("fileTypeCombo");
            auto* name = dialog.findChild<QLineEdit*>("fileNameEdit");
            EXPECT_TRUE(type && name);
            if (!type || !name)
                return int(mrCancel);
            for (int i = 0; i < c.downKeys; ++i)
                QTest::keyClick(type, Qt::Key_Down);
            QTest::keyClicks(name, "words");
            // Qt's own overwrite question, answered from its event loop.
            QTimer::singleShot(0, [&] {
                for (QWidget* widget : QApplication::topLevelWidgets()) {
                    auto* box = qobject_cast<QMessageBox*>(widget);
                    if (box && box->isVisible()) {
                        asked = box->text();
                        box->button(QMessageBox::Yes)->click();
                    }
                }
            });
            QTest::keyClick(name, Qt::Key_Return);
            return int(mrNone);
        });
        Services real;
        ASSERT_TRUE(real.SaveFileDialog(nullptr, options));
        EXPECT_EQ(options.FileName, fake.Folder() + "/" + c.file);
        EXPECT_EQ(options.FilterIndex, c.filterIndex + c.downKeys);
        EXPECT_EQ(asked, QString(c.file) + " already exists.\nDo you want to replace it?");
    }
}

TEST(FakeServices, ModalScriptsDriveTheDialogAndGiveItsResult) {
    FakeServices fake;
    QDialog dialog;
    fake.OnModal([](QDialog& shown) {
        EXPECT_TRUE(shown.isVisible());
        shown.done(mrOk);
        return int(mrNone);
    });
    fake.OnModal([](QDialog&) { return int(mrNo); });
    fake.OnModal([](QDialog& shown) {
        shown.reject();
        return int(mrNone);
    });
    EXPECT_EQ(mrOk, services().ExecModal(dialog));
    EXPECT_EQ(mrNo, services().ExecModal(dialog));
    EXPECT_EQ(mrCancel, services().ExecModal(dialog));
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_NONFATAL_FAILURE(services().ExecModal(dialog), "unexpected modal dialog");
}

TEST(FakeServices, FileDialogsAnswerFromTheScript) {
    FakeServices fake;
    fake.ChooseFile("/tmp/a.gtg", 2);
    fake.CancelFileDialog();
    TFileDialogOptions options;
    options.Filter = "Game File (*.gtg)|*.gtg";
    ASSERT_TRUE(services().OpenFileDialog(nullptr, options));
    EXPECT_EQ("/tmp/a.gtg", options.FileName);
    EXPECT_EQ(2, options.FilterIndex);
    EXPECT_FALSE(services().SaveFileDialog(nullptr, options));
    ASSERT_EQ(2u, fake.FileDialogs.size());
    EXPECT_EQ(std::vector<bool>({false, true}), fake.FileDialogWasSave);
}

TEST(Services, CentredPositionStaysOnTheDesktop) {
    const QRect desktop(0, 0, 800, 600);
    const struct {
        QSize size;
        QRect centre;
        QPoint expected;
    } cases[] = {
        {{200, 100}, desktop, {300, 250}},
        {{200, 100}, {100, 100, 400, 300}, {200, 200}}, // on an owner
        {{200, 100}, {-300, 550, 200, 100}, {0, 500}},  // an owner half off the desktop
        {{900, 100}, {0, 0, 800, 600}, {0, 250}},       // wider than the desktop
        {{201, 101}, {0, 0, 800, 600}, {299, 249}},     // halves rounded toward the start
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.expected, CentredPosition(c.size, c.centre, desktop)) << c.size.width();
}

namespace {

// A shown window, active when asked.
struct Shown {
    QWidget window;
    Shown(const QRect& geometry, bool active) {
        window.setGeometry(geometry);
        window.show();
        if (active) {
            QApplication::setActiveWindow(&window);
            EXPECT_TRUE(QTest::qWaitForWindowActive(&window));
        }
    }
};

QPoint FrameCentre(const QWidget& window) {
    return window.frameGeometry().center();
}

// Runs Act from the modal loop that Run starts, then closes every dialog.
template <typename Act, typename Run> void FromTheModalLoop(Act act, Run run) {
    QTimer::singleShot(0, [&] {
        act();
        for (QWidget* widget : QApplication::topLevelWidgets())
            if (auto* dialog = qobject_cast<QDialog*>(widget); dialog && dialog->isVisible())
                dialog->reject();
    });
    run();
}

} // namespace

// Over the owner while it is shown; over the window in use while it is
// hidden (not at a hidden window's corner); on the screen without either.
TEST(Services, PlaceWindowCentresOnTheOwner) {
    Services real;
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    for (const bool ownerShown : {true, false}) {
        for (const bool otherActive : {true, false}) {
            QWidget owner;
            owner.setGeometry(100, 100, 400, 300);
            if (ownerShown)
                owner.show();
            Shown other(QRect(500, 300, 300, 200), otherActive && !ownerShown);
            QDialog dialog(&owner);
            dialog.resize(200, 100);
            real.PlaceWindow(dialog, poOwnerFormCenter);
            const QPoint expected = ownerShown    ? FrameCentre(owner)
                                    : otherActive ? FrameCentre(other.window)
                                                  : screen.center();
            EXPECT_LE((FrameCentre(dialog) - expected).manhattanLength(), 2)
                << "owner shown " << ownerShown << ", other active " << otherActive;
        }
    }
    QWidget owner;
    owner.show();
    QDialog dialog(&owner);
    real.PlaceWindow(dialog, poOwnerFormCenter);
    const QPoint before = dialog.pos();
    real.PlaceWindow(dialog, poDesigned);
    EXPECT_EQ(before, dialog.pos()) << "left where it is";
}

// A dialog run modally opens over its owner, and so does the Open dialog of
// a window not shown yet: over the window in use, which owns it.
TEST(Services, ModalAndFileDialogsOpenOverTheirOwner) {
    Services real;
    Shown active(QRect(500, 300, 300, 200), true);
    QWidget hidden;
    hidden.setGeometry(0, 0, 200, 200);
    QDialog dialog(&hidden);
    dialog.resize(120, 80);
    QPoint centre;
    FromTheModalLoop([&] { centre = FrameCentre(dialog); }, [&] { real.ExecModal(dialog); });
    EXPECT_LE((centre - FrameCentre(active.window)).manhattanLength(), 2);

    const Shown user(QRect(100, 100, 300, 200), true);
    QWidget* parent = nullptr;
    bool over = false;
    FromTheModalLoop(
        [&] {
            for (QWidget* widget : QApplication::topLevelWidgets())
                if (auto* files = qobject_cast<QFileDialog*>(widget); files && files->isVisible()) {
                    parent = files->parentWidget();
                    over = files->frameGeometry().contains(FrameCentre(user.window));
                }
        },
        [&] {
            TFileDialogOptions options;
            options.Filter = "Game File (*.gtg)|*.gtg";
            EXPECT_FALSE(real.OpenFileDialog(&hidden, options));
        });
    EXPECT_EQ(parent, &user.window);
    EXPECT_TRUE(over);
}

TEST(Services, AWaitPassRunsThePendingMessage) {
    Services real;
    bool ran = false;
    QObject context;
    QMetaObject::invokeMethod(
        &context, [&] { ran = true; }, Qt::QueuedConnection);
    real.HandleMessage();
    EXPECT_TRUE(ran);
}

TEST(Services, AMessageShowsItsTextAsWritten) {
    // A question names the game by its title, which may hold anything typed.
    const QString text = "Game \"<i>Fun</i> & 100%s\" not saved. Save Now?";
    QString shown;
    Qt::TextFormat format = Qt::RichText;
    // Read and answered from the box's own event loop, so the test never waits.
    QTimer::singleShot(0, [&] {
        for (QWidget* widget : QApplication::topLevelWidgets()) {
            auto* box = qobject_cast<QMessageBox*>(widget);
            if (!box || !box->isVisible())
                continue;
            shown = box->text();
            format = box->textFormat();
            box->button(QMessageBox::No)->click();
        }
    });
    Services real;
    EXPECT_EQ(mrNo, real.MessageDlg(text, mtConfirmation, mbYes | mbNo | mbCancel));
    EXPECT_EQ(shown, text);
    EXPECT_EQ(format, Qt::PlainText);
}
