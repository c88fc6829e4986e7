#include "designer/controls/ColourEditUn.h"
#include "designer/dialogs/frmPreferenceUn.h"
#include "designer/dialogs/frmSchemeNameDlgUn.h"
#include "engine/properties/WordGamePropertiesUn.h"
#include "engine/puzzle/GlyphtroveUn.h"
#include "platform/RadioGroup.h"
#include "playwindow/controls/ColourListBoxUn.h"
#include "support/FakeServices.h"
#include "support/Screenshot.h"
#include "support/TestFiles.h"
#include "support/XcbKeys.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QStatusBar>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>
#include <QTimeEdit>
#include <QToolBar>
#include <QToolButton>
#include <gtest/gtest.h>

namespace {

enum : int { Black = 0, Green = 2, Gray = 7, Silver = 8, Red = 9, Blue = 12, White = 15 };

QStringList ComboLines(const QComboBox& combo) {
    QStringList lines;
    for (int i = 0; i < combo.count(); ++i)
        lines << combo.itemText(i);
    return lines;
}

QStringList SchemeNames(const TGlyphtroveGameColourPresetProperties& store) {
    QStringList names;
    return store.GetNames(names);
}

class PreferencesTest : public ::testing::Test {
protected:
    void User(std::function<int(TfrmPreferences&)> user) {
        fake.OnModal([user = std::move(user)](QDialog& form) {
            return user(static_cast<TfrmPreferences&>(form));
        });
    }
    // What the user types into the scheme-name dialog before OK.
    void NameDialog(const QString& name) {
        fake.OnModal([name](QDialog& form) {
            auto& dialog = static_cast<TfrmColourSchemeName&>(form);
            dialog.cbxSchemeName->lineEdit()->selectAll();
            QTest::keyClicks(dialog.cbxSchemeName, name);
            QTest::mouseClick(dialog.btnOK, Qt::LeftButton);
            return int(mrNone);
        });
    }
    static int Click(QAbstractButton* button) {
        QTest::mouseClick(button, Qt::LeftButton);
        return mrNone;
    }
    static void ShowPage(TfrmPreferences& form, int page) {
        QTabBar* tabs = form.pgcPreferences->findChild<QTabBar*>();
        QTest::mouseClick(tabs, Qt::LeftButton, Qt::NoModifier, tabs->tabRect(page).center());
    }
    static void SelectRole(TfrmPreferences& form, int role) {
        TColourListBox* list = form.collbxColourType;
        QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::NoModifier,
                          list->visualItemRect(list->item(role)).center());
    }
    static void ClickPanel(TfrmPreferences& form, int index, Qt::MouseButton button,
                           Qt::KeyboardModifiers modifiers = {}) {
        QTest::mousePress(form.Panel(index), button, modifiers);
        QTest::mouseRelease(form.Panel(index), button, modifiers);
    }
    static void Trigger(QToolBar* bar, QAction* action) {
        QTest::mouseClick(bar->widgetForAction(action), Qt::LeftButton);
    }
    // The marked panels as "index:caption" for every panel with a caption.
    static QStringList Marks(const TfrmPreferences& form) {
        QStringList marks;
        for (int i = 0; i < StandardColourCount; ++i)
            if (!form.Panel(i)->text().isEmpty())
                marks << QString("%1:%2").arg(i).arg(form.Panel(i)->text());
        return marks;
    }
    TWordGameColourPreferences& Colours() {
        return *dialog.GetGameProperties()->ColourPreferences();
    }
    TCellColours Cell(int column, int row) {
        const TGlyphtroveEditor& preview = *dialog.Preview();
        return {preview.GetCellTextColour(column, row), preview.GetCellColour(column, row)};
    }

    FakeServices fake;
    QWidget owner;
    TfrmPreferences dialog{&owner};
};

} // namespace

TEST_F(PreferencesTest, FormAsLaidOut) {
    EXPECT_EQ(dialog.windowTitle(), "Game Preferences");
    EXPECT_EQ(dialog.size(), QSize(463, 314));
    EXPECT_EQ(dialog.pgcPreferences->width(), 361);
    EXPECT_EQ(dialog.pgcPreferences->currentIndex(), 0);
    EXPECT_EQ(dialog.pgcPreferences->tabText(0), "&Properties");
    EXPECT_EQ(dialog.pgcPreferences->tabText(1), "&Colours");
    EXPECT_EQ(dialog.pgcPreferences->tabText(2), "&Options");
    EXPECT_TRUE(dialog.StatusBar1->currentMessage().isEmpty());

    EXPECT_EQ(dialog.collbxColourType->Items().Lines(),
              QStringList({"Normal Word", "Dummy Word", "Highlighted Word", "New Word",
                           "Overlapped Letter", "Random Letter", "Duplicated Word", "Blank Cell"}));
    EXPECT_EQ(dialog.Preview()->parentWidget(), dialog.grpColourDetails);
    EXPECT_EQ(dialog.Preview()->geometry(), QRect(136, 42, 193, 193));
    EXPECT_EQ(dialog.Preview()->ColCount(), 10);
    EXPECT_FALSE(dialog.Preview()->CheckWords());

    const QPoint origin = dialog.pnlBlack->pos();
    for (int i = 0; i < StandardColourCount; ++i) {
        EXPECT_EQ(dialog.Panel(i)->size(), QSize(21, 21));
        EXPECT_EQ(dialog.Panel(i)->pos(), origin + QPoint(24 * (i % 4), 24 * (i / 4)));
    }
    EXPECT_EQ(dialog.pnlRed->toolTip(), "red");
    EXPECT_EQ(dialog.pnlpurple->toolTip(), "purple");
    EXPECT_EQ(dialog.pnlTeal->palette().color(QPalette::WindowText), QColor(Qt::black));
    EXPECT_EQ(dialog.pnlNavy->palette().color(QPalette::WindowText), QColor(Qt::white));

    QStringList tools;
    for (QAction* action : dialog.tbrSchemes->actions())
        tools << (action->isSeparator() ? "-" : action->toolTip());
    EXPECT_EQ(tools, QStringList({"store colour scheme", "-", "remove colour scheme from list", "-",
                                  "rename colour scheme", "-", "reload colour schemes", "-",
                                  "clear colour schemes and use defaults"}));
    EXPECT_EQ(ComboLines(*dialog.cbxPresets),
              QStringList({"Default", "Blue Skies", "Fiery Red", "Leafy Green", "Nighttime",
                           "Plain Gray"}));

    // The option defaults.
    EXPECT_TRUE(dialog.cbxAutoFinsh->isChecked());
    EXPECT_TRUE(dialog.cbxIncludeColourScheme->isChecked());
    EXPECT_TRUE(dialog.cbxRemoveUsedWords->isChecked());
    EXPECT_TRUE(dialog.cbxGiveIn->isChecked());
    EXPECT_TRUE(dialog.cbxUseTimer->isChecked());
    EXPECT_FALSE(dialog.cbxCountDown->isChecked());
    EXPECT_FALSE(dialog.dtpTime->isEnabled());
    EXPECT_EQ(dialog.dtpTime->time(), QTime(0, 0));
    EXPECT_EQ(dialog.rgpUnusedSpaces->ItemIndex(), 0);
    EXPECT_TRUE(dialog.chkUseHints->isChecked());
    EXPECT_EQ(dialog.edHintsAllowed->text(), "5");
    EXPECT_EQ(dialog.rgpUnusedSpaces->title(), "&Unused spaces");
}

TEST_F(PreferencesTest, PreviewShowsEveryRole) {
    EXPECT_EQ(dialog.SelectDefaultScheme(), 0);
    const auto role = [this](TWordGameColourRole r) {
        return TCellColours{Colours().Foreground(r), Colours().Background(r)};
    };
    const struct {
        int column, row;
        TWordGameColourRole role;
        const char* letter;
    } cells[] = {
        {4, 1, crNormalWord, "N"},    {1, 2, crNewWord, "E"},   {4, 4, crOverlappedLetter, "M"},
        {0, 6, crHighlighted, "H"},   {9, 0, crDummyWord, "D"}, {0, 8, crNormalWord, "D"},
        {0, 9, crDuplicateWord, "D"},
    };
    for (const auto& cell : cells) {
        SCOPED_TRACE(testing::Message() << cell.column << "," << cell.row);
        EXPECT_EQ(dialog.Preview()->GetCellText(cell.column, cell.row), cell.letter);
        EXPECT_EQ(Cell(cell.column, cell.row).Foreground, role(cell.role).Foreground);
        EXPECT_EQ(Cell(cell.column, cell.row).Background, role(cell.role).Background);
    }
    EXPECT_FALSE(dialog.Preview()->GetCellText(0, 0).isEmpty()) << "filler letters";
    EXPECT_EQ(Cell(0, 0).Background, role(crRandomLetter).Background);
}

TEST_F(PreferencesTest, PaletteClicksSetTheSelectedRole) {
    dialog.SelectDefaultScheme();
    User([&](TfrmPreferences& form) {
        ShowPage(form, 1);
        EXPECT_EQ(form.collbxColourType->ItemIndex(), 0) << "Normal Word selected by Execute";
        EXPECT_EQ(Marks(form), QStringList({"0:FG", "15:BG"}));
        EXPECT_EQ(form.cbxPresets->currentText(), "Default");

        ClickPanel(form, Red, Qt::LeftButton);
        EXPECT_EQ(Colours().Foreground(crNormalWord), clRed);
        EXPECT_EQ(Cell(4, 1).Foreground, clRed) << "the NORMAL sample at once";
        EXPECT_EQ(Marks(form), QStringList({"9:FG", "15:BG"}));
        EXPECT_EQ(form.cbxPresets->currentIndex(), -1) << "no scheme has these colours";
        EXPECT_FALSE(form.actColourDelete->isEnabled());
        EXPECT_FALSE(form.actColourRename->isEnabled());

        ClickPanel(form, Red, Qt::RightButton);
        EXPECT_EQ(Marks(form), QStringList({"9:BG"})) << "both sides the same colour";
        EXPECT_EQ(Colours().Background(crNormalWord), clRed);
        ClickPanel(form, Silver, Qt::LeftButton, Qt::ControlModifier);
        EXPECT_EQ(Colours().Background(crNormalWord), clSilver);
        ClickPanel(form, Blue, Qt::RightButton, Qt::ControlModifier | Qt::ShiftModifier);
        EXPECT_EQ(Colours().Foreground(crNormalWord), clBlue);
        ClickPanel(form, Green, Qt::MiddleButton);
        EXPECT_EQ(Marks(form), QStringList({"8:BG", "12:FG"}));

        // Back to the Default scheme's values: its line is selected again.
        ClickPanel(form, Black, Qt::LeftButton);
        ClickPanel(form, White, Qt::RightButton);
        EXPECT_EQ(form.cbxPresets->currentText(), "Default");
        SelectRole(form, 3);
        EXPECT_EQ(Marks(form), QStringList({"2:FG", "15:BG"})) << "New Word's colours";
        return int(mrCancel);
    });
    EXPECT_FALSE(dialog.Execute());
    EXPECT_EQ(Colours().Foreground(crNormalWord), clBlack) << "colours change at once";
}

TEST_F(PreferencesTest, BlankCellRoleClearsTheFillerAndRandomLetterFillsIt) {
    User([&](TfrmPreferences& form) {
        ShowPage(form, 1);
        SelectRole(form, 7);
        EXPECT_TRUE(form.Preview()->GetCellText(0, 0).isEmpty());
        EXPECT_EQ(form.Preview()->GetCellText(4, 1), "N") << "the words stay";
        SelectRole(form, 5);
        EXPECT_FALSE(form.Preview()->GetCellText(0, 0).isEmpty());
        return int(mrCancel);
    });
    dialog.Execute();
}

TEST_F(PreferencesTest, SchemesAreStoredRenamedAndDeleted) {
    dialog.SelectDefaultScheme();
    fake.Answer(mrYes);
    User([&](TfrmPreferences& form) {
        ShowPage(form, 1);
        EXPECT_FALSE(form.actColoursRevert->isEnabled()) << "nothing changed yet";
        ClickPanel(form, Red, Qt::LeftButton);
        Trigger(form.tbrSchemes, form.actColourStore);
        EXPECT_EQ(form.cbxPresets->currentText(), "Mine");
        EXPECT_TRUE(form.actColourDelete->isEnabled());
        EXPECT_TRUE(form.actColoursRevert->isEnabled());

        Trigger(form.tbrSchemes, form.actColourRename);
        EXPECT_EQ(form.cbxPresets->currentText(), "Ours");
        EXPECT_EQ(form.PresetStore().IndexOfScheme("Mine"), -1);

        Trigger(form.tbrSchemes, form.actColourDelete);
        EXPECT_EQ(form.PresetStore().IndexOfScheme("Ours"), -1);
        EXPECT_EQ(form.cbxPresets->findText("Ours"), -1);
        EXPECT_EQ(form.cbxPresets->currentIndex(), -1);
        return int(mrCancel);
    });
    NameDialog("Mine");
    NameDialog("Ours");
    dialog.Execute();
    EXPECT_EQ(fake.Messages.back().text, "Remove \"Ours\" from the colour scheme?");
    // The name dialog proposed the combo's text and offered the store's names.
    EXPECT_EQ(fake.ModalsRun, std::vector<QString>({"TfrmPreferences", "TfrmColourSchemeName",
                                                    "TfrmColourSchemeName"}));
}

// The schemes file tells section names apart without regard to case and
// keeps its title in [General]: a name that would share a section with
// another scheme or the title is refused, and the file keeps every scheme.
TEST_F(PreferencesTest, StoreAndRenameRefuseANameTheFileWouldMergeWithAnother) {
    const QString taken = "There is already a colour scheme named \"%1\". Please choose another "
                          "name.";
    const QString title = "The name \"%1\" is used by the colour scheme file itself. Please "
                          "choose another name.";
    const struct {
        QAction* TfrmPreferences::*action;
        QString name, message;
    } cases[] = {
        {&TfrmPreferences::actColourStore, "default", taken.arg("Default")},
        {&TfrmPreferences::actColourStore, "GENERAL", title.arg("GENERAL")},
        {&TfrmPreferences::actColourRename, "default", taken.arg("Default")},
        {&TfrmPreferences::actColourRename, "Plain Gray", taken.arg("Plain Gray")},
        {&TfrmPreferences::actColourRename, "BLUE skies", taken.arg("Blue Skies")},
        {&TfrmPreferences::actColourRename, " General ", title.arg("General")},
    };
    {
        TfrmPreferences form(&owner);
        form.SelectDefaultScheme();
        User([&](TfrmPreferences& shown) {
            ShowPage(shown, 1);
            shown.cbxPresets->setFocus();
            while (shown.cbxPresets->currentText() != "Nighttime")
                QTest::keyClick(shown.cbxPresets, Qt::Key_Down);
            for (const auto& c : cases) {
                NameDialog(c.name);
                fake.Answer(mrOk);
                const size_t shownBefore = fake.Messages.size();
                Trigger(shown.tbrSchemes, shown.*(c.action));
                if (fake.Messages.size() != shownBefore + 1) {
                    ADD_FAILURE() << "no refusal for " << c.name.toStdString();
                    break;
                }
                EXPECT_EQ(fake.Messages.back().text, c.message) << c.name.toStdString();
                EXPECT_EQ(fake.Messages.back().type, mtError);
                EXPECT_EQ(SchemeNames(shown.PresetStore()).join(","),
                          "Default,Nighttime,Plain Gray,Blue Skies,Fiery Red,Leafy Green");
                EXPECT_EQ(shown.cbxPresets->currentText(), "Nighttime");
            }
            // Its own name in other letters is no clash.
            NameDialog("NightTime");
            Trigger(shown.tbrSchemes, shown.actColourRename);
            EXPECT_EQ(shown.cbxPresets->currentText(), "NightTime");
            return int(mrCancel);
        });
        form.Execute();
    }
    EXPECT_EQ(fake.Messages.size(), std::size(cases));
    TfrmPreferences reopened(&owner);
    const TGlyphtroveGameColourPresetProperties& store = reopened.PresetStore();
    ASSERT_EQ(SchemeNames(store).join(","),
              "Default,NightTime,Plain Gray,Blue Skies,Fiery Red,Leafy Green");
    const struct {
        int scheme;
        TColor foreground, background;
    } words[] = {{0, Black, White}, {1, Blue, Black}, {2, Black, Silver}};
    for (const auto& w : words) {
        EXPECT_EQ(store.GetScheme(w.scheme)->Foreground(crNormalWord), w.foreground) << w.scheme;
        EXPECT_EQ(store.GetScheme(w.scheme)->Background(crNormalWord), w.background) << w.scheme;
    }
}

TEST_F(PreferencesTest, ChoosingASchemeAppliesIt) {
    dialog.SelectDefaultScheme();
    User([&](TfrmPreferences& form) {
        ShowPage(form, 1);
        form.cbxPresets->setFocus();
        QTest::keyClick(form.cbxPresets, Qt::Key_Down);
        EXPECT_EQ(form.cbxPresets->currentText(), "Blue Skies");
        EXPECT_EQ(Colours().Foreground(crNormalWord), StandardColourTable[4]);
        EXPECT_EQ(Colours().Background(crNormalWord), StandardColourTable[14]);
        EXPECT_TRUE(form.actColourDelete->isEnabled());
        return int(mrCancel);
    });
    dialog.Execute();
}

TEST_F(PreferencesTest, RevertWithoutAFileTakesTheBuiltInSchemes) {
    dialog.SelectDefaultScheme();
    fake.Answer(mrYes);
    fake.Answer(mrYes);
    User([&](TfrmPreferences& form) {
        ShowPage(form, 1);
        Trigger(form.tbrSchemes, form.actColourStore);
        Trigger(form.tbrSchemes, form.actColoursRevert);
        EXPECT_EQ(SchemeNames(form.PresetStore()).join(",").toStdString(),
                  "Default,Nighttime,Plain Gray,Blue Skies,Fiery Red,Leafy Green");
        EXPECT_EQ(form.cbxPresets->itemText(0), "Default");
        ClickPanel(form, Red, Qt::LeftButton);
        form.PresetStore().AddScheme("Extra", {});
        Trigger(form.tbrSchemes, form.actColoursDefaults);
        EXPECT_EQ(form.PresetStore().Count(), 6);
        return int(mrCancel);
    });
    NameDialog("Mine");
    dialog.Execute();
    ASSERT_EQ(fake.Messages.size(), 2u);
    EXPECT_EQ(fake.Messages[0].text,
              "Reload all colour schemes? You will lose any recent changes!");
    EXPECT_EQ(fake.Messages[1].text, "Clear all schemes and use default schemes?");
}

TEST_F(PreferencesTest, RevertReloadsTheSavedSchemes) {
    WriteBytes(fake.ProgramFolder() + "/Colour Schemes.dat",
               "[General]\r\nTitle=Colour Scheme Presets File\r\n[Default]\r\n[Sunny]\r\n"
               "WordText=11\r\n");
    TfrmPreferences saved(&owner);
    saved.SelectDefaultScheme();
    fake.Answer(mrYes);
    User([&](TfrmPreferences& form) {
        ShowPage(form, 1);
        ClickPanel(form, Red, Qt::LeftButton);
        Trigger(form.tbrSchemes, form.actColourStore);
        Trigger(form.tbrSchemes, form.actColoursRevert);
        return int(mrCancel);
    });
    NameDialog("Mine");
    saved.Execute();
    EXPECT_EQ(SchemeNames(saved.PresetStore()), QStringList({"Default", "Sunny"}));
    EXPECT_EQ(ComboLines(*saved.cbxPresets), QStringList({"Default", "Sunny"}));
}

TEST_F(PreferencesTest, MissingDefaultSchemeIsReported) {
    WriteBytes(fake.ProgramFolder() + "/Colour Schemes.dat",
               "[General]\r\nTitle=Colour Scheme Presets File\r\n[Sunny]\r\nWordText=11\r\n");
    fake.Answer(mrOk);
    fake.Answer(mrOk);
    TfrmPreferences missing(&owner);
    ASSERT_GE(fake.Messages.size(), 1u);
    EXPECT_EQ(fake.Messages[0].text, "Default colour scheme is missing");
    EXPECT_EQ(ComboLines(*missing.cbxPresets), QStringList({"DEFAULT MISSING", "Sunny"}));
    EXPECT_EQ(missing.SelectDefaultScheme(), -1) << "the first scheme instead";
    EXPECT_EQ(Colours().Foreground(crNormalWord), clBlue) << "the other dialog is untouched";
    EXPECT_EQ(missing.GetGameProperties()->ColourPreferences()->Foreground(crNormalWord),
              StandardColourTable[11]);
    User([&](TfrmPreferences& form) {
        form.cbxPresets->setFocus();
        QTest::keyClick(form.cbxPresets, Qt::Key_Up);
        return int(mrCancel);
    });
    missing.Execute();
    EXPECT_EQ(fake.Messages.back().text, "Scheme \"DEFAULT MISSING\" not found");
}

TEST_F(PreferencesTest, OkStoresTextsAndOptions) {
    TWordGameProperties& properties = *dialog.GetGameProperties();
    properties.SetGameTitle("Woodland");
    properties.SetGameVersion("1.1.0");
    properties.SetGameCreated("25122024 133000");
    User([&](TfrmPreferences& form) {
        EXPECT_EQ(form.coledTitle->text(), "Woodland");
        EXPECT_EQ(form.txtVersion->text(), "1.1.0");
        EXPECT_TRUE(form.txtCreated->text().contains("2024"));
        form.coledAuthor->setFocus();
        XcbKeyClicks(form.coledAuthor, "Ann");
        ShowPage(form, 2);
        Click(form.cbxCountDown);
        EXPECT_TRUE(form.dtpTime->isEnabled());
        form.dtpTime->setFocus();
        QTest::keyClicks(form.dtpTime, "001500");
        Click(form.cbxUseTimer);
        EXPECT_FALSE(form.cbxCountDown->isEnabled());
        EXPECT_TRUE(form.cbxCountDown->isChecked()) << "keeps its check";
        EXPECT_FALSE(form.dtpTime->isEnabled());
        Click(form.cbxGiveIn);
        QRadioButton* blank = form.rgpUnusedSpaces->Button(3);
        QTest::mouseClick(blank, Qt::LeftButton, Qt::NoModifier, QPoint(8, blank->height() / 2));
        form.edHintsAllowed->setFocus();
        form.edHintsAllowed->selectAll();
        XcbKeyClicks(form.edHintsAllowed, "x1-2");
        EXPECT_EQ(form.edHintsAllowed->text(), "12");
        XcbKeyClick(form.edHintsAllowed, Qt::Key_Home);
        XcbKeyClick(form.edHintsAllowed, Qt::Key_Delete);
        XcbKeyClicks(form.edHintsAllowed, "345");
        EXPECT_EQ(form.edHintsAllowed->text(), "342") << "Delete deletes; three digits are typed";
        XcbKeyClick(form.edHintsAllowed, Qt::Key_End);
        XcbKeyClick(form.edHintsAllowed, Qt::Key_Backspace);
        return Click(form.btnOK);
    });
    EXPECT_TRUE(dialog.Execute());
    EXPECT_EQ(properties.GetGameAuthor(), "Ann");
    EXPECT_FALSE(properties.GetUseTimer());
    EXPECT_EQ(DateTimeToMSecs(properties.GetCountDownTimer()), 15 * 60 * 1000)
        << "the time though the timer is off";
    EXPECT_FALSE(properties.GetCanGiveIn());
    EXPECT_EQ(properties.GetUnusedSpace(), usLeftBlank);
    EXPECT_EQ(properties.GetHints(), 34);
}

// Only typing stops at three digits: a count the program sets shows whole
// and is stored as it is, but never below 0.
TEST_F(PreferencesTest, HintsTheProgramSetsShowWhole) {
    const struct {
        int loaded;
        QString shown;
        int stored;
    } cases[] = {{1500, "1500", 1500}, {2147483647, "2147483647", 2147483647}, {-7, "-7", 0}};
    TWordGameProperties& properties = *dialog.GetGameProperties();
    for (const auto& c : cases) {
        properties.SetHints(c.loaded);
        dialog.LoadOptions(properties);
        User([&](TfrmPreferences& form) {
            ShowPage(form, 2);
            EXPECT_EQ(form.edHintsAllowed->text(), c.shown);
            form.chkUseHints->setChecked(true);
            form.edHintsAllowed->setFocus();
            XcbKeyClick(form.edHintsAllowed, Qt::Key_End);
            XcbKeyClicks(form.edHintsAllowed, "1");
            if (c.shown.size() >= 3) {
                EXPECT_EQ(form.edHintsAllowed->text(), c.shown) << "no fourth digit typed";
            } else {
                XcbKeyClick(form.edHintsAllowed, Qt::Key_Backspace);
            }
            return Click(form.btnOK);
        });
        EXPECT_TRUE(dialog.Execute());
        EXPECT_EQ(properties.GetHints(), c.stored) << c.loaded;
    }
}

TEST_F(PreferencesTest, ControlsShowTheirWholeTexts) {
    // A Wednesday in September: about the longest long date there is.
    dialog.GetGameProperties()->SetGameCreated("30092026 233000");
    User([&](TfrmPreferences& form) {
        const QLabel* created = form.txtCreated;
        EXPECT_LE(created->fontMetrics().horizontalAdvance(created->text()),
                  created->contentsRect().width())
            << created->text().toStdString();

        ShowPage(form, 2);
        const QRect details = form.grpOptionDetails->contentsRect();
        for (const QWidget* frame : std::initializer_list<const QWidget*>{
                 form.grpTimer, form.grpHints, form.rgpUnusedSpaces}) {
            EXPECT_TRUE(details.contains(frame->geometry())) << frame->metaObject()->className();
            EXPECT_FALSE(frame->geometry().intersects(form.cbxGiveIn->geometry()));
        }
        EXPECT_FALSE(form.grpTimer->geometry().intersects(form.rgpUnusedSpaces->geometry()));
        for (int i = 0; i < form.rgpUnusedSpaces->Count(); ++i) {
            const QRadioButton* item = form.rgpUnusedSpaces->Button(i);
            EXPECT_GE(item->height(), item->sizeHint().height()) << item->text().toStdString();
        }
        return int(mrCancel);
    });
    dialog.Execute();
}

TEST_F(PreferencesTest, CancelStoresNothing) {
    TWordGameProperties& properties = *dialog.GetGameProperties();
    properties.SetGameTitle("Woodland");
    User([&](TfrmPreferences& form) {
        form.coledTitle->setFocus();
        XcbKeyClicks(form.coledTitle, " Walk");
        return Click(form.btnCancel);
    });
    EXPECT_FALSE(dialog.Execute());
    EXPECT_EQ(properties.GetGameTitle(), "Woodland");
}

TEST_F(PreferencesTest, HintButtonsAndUseHints) {
    const struct {
        QString text;
        bool up;
        QString result;
    } steps[] = {{"0", false, "0"},     {"999", true, "999"},       {"", false, "5"},
                 {"", true, "5"},       {"7", true, "8"},           {"7", false, "6"},
                 {"1500", true, "999"}, {"1500", false, "1499"},    {"2147483647", true, "999"},
                 {"-7", true, "0"},     {"-2147483648", false, "0"}};
    User([&](TfrmPreferences& form) {
        ShowPage(form, 2);
        for (const auto& step : steps) {
            form.edHintsAllowed->setText(step.text);
            Click(step.up ? form.btnHintUp : form.btnHintDown);
            EXPECT_EQ(form.edHintsAllowed->text(), step.result) << step.text.toStdString();
        }
        Click(form.chkUseHints);
        return Click(form.btnOK);
    });
    EXPECT_TRUE(dialog.Execute());
    EXPECT_EQ(dialog.GetGameProperties()->GetHints(), 0);
    dialog.LoadOptions(*dialog.GetGameProperties());
    EXPECT_FALSE(dialog.chkUseHints->isChecked());
    EXPECT_EQ(dialog.edHintsAllowed->text(), "0");
}

TEST_F(PreferencesTest, LoadOptionsSetsTheOptionsPage) {
    TWordGameProperties source("Untitled");
    source.SetAutoFinish(false);
    source.SetUseTimer(true);
    source.SetCountDownTimer(EncodeTime(0, 2, 30, 0));
    source.SetUnusedSpace(usPartialWords);
    source.SetHints(3);
    dialog.LoadOptions(source);
    EXPECT_FALSE(dialog.cbxAutoFinsh->isChecked());
    EXPECT_TRUE(dialog.cbxCountDown->isChecked());
    EXPECT_TRUE(dialog.dtpTime->isEnabled());
    EXPECT_EQ(dialog.dtpTime->time(), QTime(0, 2, 30));
    EXPECT_EQ(dialog.rgpUnusedSpaces->ItemIndex(), 2);
    EXPECT_EQ(dialog.edHintsAllowed->text(), "3");
}

TEST_F(PreferencesTest, LoadColoursShowsTheRolesAndTheMatchingScheme) {
    TWordGameColourPreferences colours;
    TGlyphtroveGameColourPresetProperties& store = dialog.PresetStore();
    colours.AssignFromPreset(*store.GetScheme(store.IndexOfScheme("Nighttime")));
    dialog.LoadColours(colours);
    EXPECT_EQ(dialog.cbxPresets->currentText(), "Nighttime");
    EXPECT_EQ(dialog.ColourPreference().Items(0).ForegroundIndex, Blue);
    EXPECT_EQ(dialog.ColourPreference().Items(0).BackgroundIndex, Black);

    colours.SetForeground(crNormalWord, 0x123456);
    dialog.LoadColours(colours);
    EXPECT_EQ(dialog.ColourPreference().Items(0).ForegroundIndex, -1);
    EXPECT_EQ(dialog.cbxPresets->currentIndex(), -1);
    EXPECT_EQ(Cell(4, 1).Foreground, TColor(0x123456));
}

TEST_F(PreferencesTest, ColourOutsideThePaletteIsKeptAndStoredAsTheDefault) {
    TWordGameColourPreferences colours;
    colours.SetForeground(crNormalWord, 0x123456);
    dialog.LoadColours(colours);
    User([&](TfrmPreferences& form) {
        ShowPage(form, 1);
        ClickPanel(form, Gray, Qt::RightButton);
        EXPECT_EQ(Colours().Foreground(crNormalWord), TColor(0x123456)) << "the other side kept";
        EXPECT_EQ(Marks(form), QStringList({"7:BG"}));
        Trigger(form.tbrSchemes, form.actColourStore);
        return int(mrCancel);
    });
    NameDialog("Odd");
    dialog.Execute();
    const TWordGameColourPreferences& odd =
        *dialog.PresetStore().GetScheme(dialog.PresetStore().IndexOfScheme("Odd"));
    EXPECT_EQ(int(odd.Foreground(crNormalWord)), Black);
    EXPECT_EQ(int(odd.Background(crNormalWord)), Gray);
}

TEST_F(PreferencesTest, PageChangeRaisesThePageHint) {
    std::vector<QString> hints;
    dialog.OnPreferenceHint = [&](TObject* sender, const QString& text) {
        EXPECT_EQ(sender, &dialog);
        hints.push_back(text);
    };
    User([&](TfrmPreferences& form) {
        ShowPage(form, 2);
        ShowPage(form, 1);
        ShowPage(form, 0);
        return int(mrCancel);
    });
    dialog.Execute();
    // Options, Colours, Properties: each page's text as written, slips included.
    const std::vector<QString> expected = {
        "This is the Options page. It contains various features that you may finduseful when "
        "editing or playing the puzzle.",
        "This is the Colour Scheme Editor. It allows you to change various colours to the puzzle. "
        "You can choose a preset scheme or create your own.",
        "This is the Properties page. It contains the main inforamtion about the puzzle being "
        "edited. The main property is the Title. This is the caption for display and the main item "
        "that identifies the puzzle. \r\nDo not forget to type in your name as the author!",
    };
    EXPECT_EQ(hints, expected);
}

// A game file may hold any text as its stamps: the dialog still opens.
TEST_F(PreferencesTest, ATextThatIsNotAStampIsShownAsItIs) {
    TWordGameProperties& properties = *dialog.GetGameProperties();
    const QString stamp = "25122024 133000";
    const struct {
        QString created, modified;
    } cases[] = {{stamp, "not a stamp"},
                 {"", stamp},
                 {"31022024 120000", "25122024 126000"},
                 {"yesterday", "1.1.0"}};
    for (const auto& c : cases) {
        properties.SetGameCreated(c.created);
        properties.SetGameModified(c.modified);
        User([&](TfrmPreferences& form) {
            for (const auto& [label, text] :
                 {std::pair(form.txtCreated, c.created), std::pair(form.txtModified, c.modified)}) {
                if (text == stamp)
                    EXPECT_TRUE(label->text().contains("2024")) << "a stamp reads as a date";
                else
                    EXPECT_EQ(label->text(), text);
            }
            return Click(form.btnOK);
        });
        EXPECT_TRUE(dialog.Execute()) << c.created.toStdString();
    }
    EXPECT_EQ(fake.ModalsRun.size(), std::size(cases));
    EXPECT_TRUE(fake.Messages.empty());
}

TEST_F(PreferencesTest, PreviewFollowsFinishAndUnfinish) {
    EXPECT_EQ(dialog.ClearPreviewUnusedCells(), dialog.Preview());
    EXPECT_TRUE(dialog.Preview()->GetCellText(0, 0).isEmpty());
    EXPECT_EQ(dialog.FillPreviewUnusedCells(), dialog.Preview());
    EXPECT_FALSE(dialog.Preview()->GetCellText(0, 0).isEmpty());
}

TEST_F(PreferencesTest, Screenshot) {
    dialog.SelectDefaultScheme();
    TWordGameProperties& properties = *dialog.GetGameProperties();
    properties.SetGameTitle("Woodland Walk");
    properties.SetGameDescription("Animals of the hedgerow");
    properties.SetGameAuthor("Ann Example");
    properties.SetGameVersion("1.1.0");
    properties.SetGameCreated("25122024 133000");
    properties.SetGameModified("02012025 091500");
    User([&](TfrmPreferences& form) {
        TakeScreenshot(form, "preferences-properties");
        ShowPage(form, 1);
        ClickPanel(form, Red, Qt::LeftButton);
        TakeScreenshot(form, "preferences-colours");
        ShowPage(form, 2);
        Click(form.cbxCountDown);
        TakeScreenshot(form, "preferences-options");
        return int(mrCancel);
    });
    dialog.Execute();
}

TEST_F(PreferencesTest, ScreenshotOfACreationTextThatIsNoDate) {
    TWordGameProperties& properties = *dialog.GetGameProperties();
    properties.SetGameTitle("Woodland Walk");
    properties.SetGameCreated("Christmas 2024");
    properties.SetGameModified("02012025 091500");
    User([&](TfrmPreferences& form) {
        TakeScreenshot(form, "preferences-created-no-date");
        EXPECT_EQ(form.txtCreated->text(), "Christmas 2024");
        return int(mrCancel);
    });
    EXPECT_FALSE(dialog.Execute());
}
