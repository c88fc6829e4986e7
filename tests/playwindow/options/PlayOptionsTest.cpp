#include "playwindow/options/frmPlayOptionsUn.h"

#include "platform/RadioGroup.h"
#include "playwindow/controls/ColourListBoxUn.h"
#include "support/FakeServices.h"
#include "support/FileSizeLimit.h"
#include "support/OddFiles.h"
#include "support/Screenshot.h"
#include "support/TestFiles.h"

#include <QCheckBox>
#include <QDir>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <gtest/gtest.h>

namespace {

const QString kFixture = QString(GLYPHTROVE_FIXTURES) + "/options/Options.dat";

// Every value in one line, so that a table row states all of them.
std::string Describe(const TPlayerOptions& o) {
    return QString("auto %1 default %2 max %3 status %4 title %5 toolbar %6 words %7 timer %8 "
                   "scheme %9 %10 loaded %11")
        .arg(o.AutoSave())
        .arg(o.UseDefaultScheme())
        .arg(o.MaximiseWindow())
        .arg(o.ShowStatusbar())
        .arg(o.ShowTitle())
        .arg(o.ShowToolbar())
        .arg(o.ShowWordList())
        .arg(int(o.Timer()))
        .arg(o.ColourSchemeIndex())
        .arg(o.ColourSchemeTitle())
        .arg(o.OptionsLoaded())
        .toStdString();
}

// The six built-in presets: Default, Nighttime, Plain Gray, Blue Skies,
// Fiery Red, Leafy Green.
struct Setting {
    FakeServices fake;
    TGlyphtroveGameColourPresetProperties presets;
    QString FileName() { return fake.ProgramFolder() + "/Options.dat"; }
};

} // namespace

TEST(PlayerOptions, SavesTheFileAsWrittenByHand) {
    Setting setting;
    TPlayerOptions options;
    options.SetColourSchemes(&setting.presets);
    EXPECT_EQ(setting.FileName(), options.OptionsFileName());
    options.SetUseDefaultScheme(false);
    options.SelectSchemeByName("Blue Skies");
    options.SetMaximiseWindow(false);
    options.SetShowTitle(false);
    options.SetShowWordList(false);
    options.SetTimer(toAlwaysOff);
    WriteBytes(setting.FileName(), "[OPTIONS]\nStale=1\n");
    options.Save();
    EXPECT_EQ(ReadBytes(kFixture), ReadBytes(setting.FileName()));

    TPlayerOptions fresh; // no preset chosen yet: "Default", even with the scheme in use
    fresh.Save();
    EXPECT_TRUE(ReadBytes(setting.FileName()).contains("\nColourScheme=Default\n"));
}

TEST(PlayerOptions, ASchemeNameIsWrittenInWindows1252WhereThatHoldsIt) {
    const struct {
        QString name;
        QByteArray line;
    } cases[] = {{"Caf\u00e9", "\nColourScheme=Caf\xE9\n"},
                 {"\u0152uvre \u20ac", "\nColourScheme=\x8Cuvre \x80\n"},
                 {"\u014ctsu", "\nColourScheme=\xC5\x8Ctsu\n"}};
    for (const auto& c : cases) {
        Setting setting;
        setting.presets.AddScheme(c.name, {});
        TPlayerOptions options;
        options.SetColourSchemes(&setting.presets);
        options.SetUseDefaultScheme(false);
        options.SelectSchemeByName(c.name);
        options.Save();
        const QByteArray bytes = ReadBytes(setting.FileName());
        EXPECT_TRUE(bytes.contains(c.line)) << bytes.toStdString();
        TPlayerOptions again;
        again.SetColourSchemes(&setting.presets);
        again.Load();
        EXPECT_EQ(again.ColourSchemeTitle(), c.name);
    }
}

TEST(PlayerOptions, LoadCases) {
    const std::string defaults =
        "auto 1 default 1 max 1 status 1 title 1 toolbar 1 words 1 timer 0 scheme 0 Default";
    const struct {
        const char* what;
        QByteArray bytes; // null: no file
        std::string expected;
    } cases[] = {
        {"no file", QByteArray(), defaults + " loaded 0"},
        {"empty", "", defaults + " loaded 1"},
        {"the saved file", ReadBytes(kFixture),
         "auto 1 default 0 max 0 status 1 title 0 toolbar 1 words 0 timer 2 scheme 3 Blue Skies "
         "loaded 1"},
        {"scheme not read while the default is used",
         "[OPTIONS]\nUseDefaultScheme=1\nColourScheme=Nighttime\n", defaults + " loaded 1"},
        {"a preset that is gone", "[OPTIONS]\nUseDefaultScheme=0\nColourScheme=Gone\n",
         "auto 1 default 0 max 1 status 1 title 1 toolbar 1 words 1 timer 0 scheme 0 Default "
         "loaded 1"},
        {"names match exactly", "[OPTIONS]\nUseDefaultScheme=0\nColourScheme=blue skies\n",
         "auto 1 default 0 max 1 status 1 title 1 toolbar 1 words 1 timer 0 scheme 0 Default "
         "loaded 1"},
        {"hexadecimal, unparsed, odd timer, any case",
         "[options]\nautosave=0x0\nMaximiseWindow=0X0\nShowTitle=yes\nShowToolbar=\nTimer=7\n",
         "auto 0 default 1 max 0 status 1 title 1 toolbar 1 words 1 timer 7 scheme 0 Default "
         "loaded 1"},
        {"no section", "AutoSave=0\nTimer=2\n", defaults + " loaded 1"},
        {"binary bytes", QByteArray("\x00\xFF\xFE[OPT\x01IONS\n\x80=\x00\x9F", 15),
         defaults + " loaded 1"},
        {"a 10 MB line", QByteArray(10 * 1024 * 1024, 'x'), defaults + " loaded 1"},
    };
    for (const auto& c : cases) {
        Setting setting;
        if (!c.bytes.isNull())
            WriteBytes(setting.FileName(), c.bytes);
        TPlayerOptions options;
        options.SetColourSchemes(&setting.presets);
        EXPECT_NO_THROW(options.Load()) << c.what;
        EXPECT_EQ(c.expected, Describe(options)) << c.what;
    }

    // A folder where the file should be, or a named pipe that would hold the
    // read up until another program writes to it.
    const HangGuard guard;
    for (const bool pipe : {false, true}) {
        Setting unreadable;
        ASSERT_TRUE(pipe ? MakeNamedPipe(unreadable.FileName())
                         : QDir().mkpath(unreadable.FileName()));
        TPlayerOptions options;
        options.SetColourSchemes(&unreadable.presets);
        EXPECT_NO_THROW(options.Load());
        EXPECT_EQ(defaults + " loaded 1", Describe(options)) << (pipe ? "pipe" : "folder");
    }
}

TEST(PlayerOptions, ChoosingASchemeByIndexOrName) {
    Setting setting;
    TPlayerOptions options;
    EXPECT_EQ("Default", options.ColourSchemeTitle());
    options.SetColourSchemes(&setting.presets);
    std::vector<QString> named;
    options.OnSchemeNameChanged = [&](TObject*, const QString& name) { named.push_back(name); };
    options.SelectSchemeByName("Fiery Red");
    EXPECT_EQ(4, options.ColourSchemeIndex());
    EXPECT_EQ(setting.presets.GetScheme(4), options.ColourScheme());
    options.SetColourSchemeIndex(-5);
    EXPECT_EQ("Default", options.ColourSchemeTitle());
    EXPECT_EQ(0, options.ColourSchemeIndex());
    EXPECT_EQ("List index out of bounds (6)", MessageOf([&] { options.SetColourSchemeIndex(6); }));
    EXPECT_EQ(0, options.ColourSchemeIndex());
    EXPECT_EQ(std::vector<QString>{"Fiery Red"}, named);

    // With no preset at all there is nothing to choose, and loading says nothing.
    WriteBytes(setting.FileName(), "[OPTIONS]\nUseDefaultScheme=0\nColourScheme=Nighttime\n");
    setting.presets.Clear();
    TPlayerOptions empty;
    empty.SetColourSchemes(&setting.presets);
    EXPECT_NO_THROW(empty.Load());
    EXPECT_EQ(nullptr, empty.ColourScheme());
    EXPECT_TRUE(empty.OptionsLoaded());
}

TEST(PlayerOptions, AutoSaveWritesOnlyWhenSetAndReportsAFailureOnce) {
    Setting setting;
    TfrmPlayerOptions dialog;
    dialog.Options().SetAutoSave(false);
    dialog.SaveIfAutoSave();
    EXPECT_FALSE(QFileInfo::exists(setting.FileName()));

    dialog.Options().SetAutoSave(true);
    dialog.SaveIfAutoSave();
    const QByteArray saved = ReadBytes(setting.FileName());
    EXPECT_TRUE(saved.startsWith("[OPTIONS]\nAutoSave=1\n"));

    dialog.Options().SetShowTitle(false);
    setting.fake.Answer(mrOk);
    {
        const FileSizeLimit limit(16);
        EXPECT_NO_THROW(dialog.SaveIfAutoSave());
    }
    ASSERT_EQ(1u, setting.fake.Messages.size());
    EXPECT_TRUE(setting.fake.Messages[0].text.startsWith("Cannot create file \""))
        << setting.fake.Messages[0].text.toStdString();
    EXPECT_EQ(mtError, setting.fake.Messages[0].type);
    EXPECT_EQ(saved, ReadBytes(setting.FileName())) << "the old file stays whole";
}

namespace {

struct Dialog : Setting {
    TfrmPlayerOptions form;
    Dialog() { form.SetColourSchemes(&presets); }
    // Near the left end, where a check box or radio button has its mark.
    void Click(QWidget* control) {
        QTest::mouseClick(control, Qt::LeftButton, {}, QPoint(6, control->height() / 2));
    }
    void ClickScheme(int index) {
        TColourListBox& list = *form.lbxColourScheme;
        QTest::mouseClick(list.viewport(), Qt::LeftButton, {},
                          list.visualItemRect(list.item(index)).center());
    }
};

} // namespace

TEST(PlayerOptionsDialog, OkTakesWhatTheUserSetAfterShowingTheFile) {
    Dialog d;
    WriteBytes(d.FileName(), ReadBytes(kFixture));
    d.fake.OnModal([&](QDialog&) {
        // The file is read before the controls are filled.
        EXPECT_EQ("Player Options", d.form.windowTitle());
        EXPECT_EQ(QSize(367, 271), d.form.size());
        EXPECT_FALSE(d.form.cbxMaxWindow->isChecked());
        EXPECT_FALSE(d.form.cbxShowTitle->isChecked());
        EXPECT_TRUE(d.form.cbxShowStatusBar->isChecked());
        EXPECT_EQ(2, d.form.rgpTimer->ItemIndex());
        EXPECT_TRUE(d.form.rbSelected->isChecked());
        EXPECT_TRUE(d.form.lbxColourScheme->isEnabled());
        EXPECT_EQ(3, d.form.lbxColourScheme->ItemIndex());

        d.Click(d.form.cbxShowTitle);
        d.Click(d.form.rgpTimer->Button(1));
        d.ClickScheme(4);
        d.Click(d.form.cbxDefault);
        d.Click(d.form.btnOK);
        return mrNone;
    });
    EXPECT_TRUE(d.form.Execute());
    EXPECT_EQ("auto 0 default 0 max 0 status 1 title 1 toolbar 1 words 0 timer 1 scheme 4 "
              "Fiery Red loaded 1",
              Describe(d.form.Options()));
}

TEST(PlayerOptionsDialog, CancelLeavesTheOptions) {
    Dialog d;
    const std::string before = Describe(d.form.Options());
    d.fake.OnModal([&](QDialog&) {
        EXPECT_TRUE(d.form.rbUseDefault->isChecked());
        EXPECT_FALSE(d.form.lbxColourScheme->isEnabled());
        d.Click(d.form.cbxMaxWindow);
        d.Click(d.form.rbSelected);
        d.ClickScheme(2);
        QTest::keyClick(&d.form, Qt::Key_Escape);
        return mrNone;
    });
    EXPECT_FALSE(d.form.Execute());
    EXPECT_EQ(before, Describe(d.form.Options()));
    using Placement = std::pair<QWidget*, TPosition>;
    EXPECT_EQ(std::vector<Placement>{Placement(&d.form, poOwnerFormCenter)}, d.fake.Placements);
    EXPECT_FALSE(d.form.Options().OptionsLoaded()) << "no file to load";
}

TEST(PlayerOptionsDialog, UseSelectedThenCancelShowsTheDefaultAgain) {
    Dialog d;
    d.fake.OnModal([&](QDialog&) {
        d.Click(d.form.rbSelected);
        EXPECT_TRUE(d.form.lbxColourScheme->isEnabled());
        EXPECT_TRUE(d.form.lbxColourScheme->hasFocus());
        EXPECT_EQ(clWindow, d.form.lbxColourScheme->Color());
        d.ClickScheme(1);
        d.Click(d.form.btnCancel);
        return mrNone;
    });
    EXPECT_FALSE(d.form.Execute());
    d.fake.OnModal([&](QDialog&) {
        EXPECT_TRUE(d.form.rbUseDefault->isChecked());
        EXPECT_FALSE(d.form.rbSelected->isChecked());
        EXPECT_FALSE(d.form.lbxColourScheme->isEnabled());
        QTest::keyClick(&d.form, Qt::Key_Return); // the default button: OK
        return mrNone;
    });
    EXPECT_TRUE(d.form.Execute());
    EXPECT_TRUE(d.form.Options().UseDefaultScheme());
    EXPECT_EQ(0, d.form.Options().ColourSchemeIndex());
}

// The list had the focus when the dialog closed: closed, and open again with
// the list disabled, it shows its unfocused colour.
TEST(PlayerOptionsDialog, TheSchemeListLosesItsFocusColourWhenTheDialogCloses) {
    Dialog d;
    TColourListBox& list = *d.form.lbxColourScheme;
    d.fake.OnModal([&](QDialog&) {
        d.Click(d.form.rbSelected);
        EXPECT_TRUE(list.hasFocus());
        EXPECT_EQ(clWindow, list.Color());
        QTest::keyClick(&list, Qt::Key_Escape);
        return mrNone;
    });
    EXPECT_FALSE(d.form.Execute());
    EXPECT_EQ(clInactiveCaptionText, list.Color()) << "closed";
    d.fake.OnModal([&](QDialog&) {
        EXPECT_FALSE(list.isEnabled());
        EXPECT_EQ(clInactiveCaptionText, list.Color()) << "open again";
        EXPECT_EQ(ToQColor(clInactiveCaptionText).rgb(),
                  list.viewport()->grab().toImage().pixel(list.viewport()->width() - 2,
                                                          list.viewport()->height() - 2));
        d.Click(d.form.btnCancel);
        return mrNone;
    });
    EXPECT_FALSE(d.form.Execute());
}

// A stored switch beyond the three choices leaves the clock to the puzzle:
// the dialog shows "Puzzle File Default", and OK without a change keeps the
// value as stored; another choice replaces it.
TEST(PlayerOptionsDialog, ATimerValueBeyondTheChoicesShowsAsThePuzzleDefault) {
    Dialog d;
    WriteBytes(d.FileName(), "[OPTIONS]\nTimer=7\n");
    d.form.Options().Load();
    EXPECT_EQ(7, d.form.Options().Timer()) << "kept as read";
    d.fake.OnModal([&](QDialog&) {
        EXPECT_EQ(0, d.form.rgpTimer->ItemIndex());
        QTest::keyClick(&d.form, Qt::Key_Return);
        return mrNone;
    });
    EXPECT_TRUE(d.form.Execute());
    EXPECT_EQ(7, d.form.Options().Timer()) << "OK without a change";
    d.form.Options().Save();
    EXPECT_TRUE(ReadBytes(d.FileName()).endsWith("\nTimer=7\n"));

    d.fake.OnModal([&](QDialog&) {
        d.Click(d.form.rgpTimer->Button(toAlwaysOff));
        d.Click(d.form.btnOK);
        return mrNone;
    });
    EXPECT_TRUE(d.form.Execute());
    EXPECT_EQ(toAlwaysOff, d.form.Options().Timer());
}

TEST(PlayerOptionsDialog, Screenshot) {
    Dialog d;
    d.fake.OnModal([&](QDialog& dialog) {
        TakeScreenshot(dialog, "PlayerOptions");
        d.Click(d.form.rbSelected);
        d.ClickScheme(3);
        TakeScreenshot(dialog, "PlayerOptionsSelected");
        return int(mrCancel);
    });
    d.form.Execute();
}
