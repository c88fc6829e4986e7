#include "playwindow/printpreview/frmHTMLPrintPreviewUn.h"

#include "platform/Format.h"
#include "support/FakeServices.h"
#include "support/PuzzlePage.h"
#include "support/Screenshot.h"
#include "support/TestFiles.h"

#include <QApplication>
#include <QDialog>
#include <QFrame>
#include <QLabel>
#include <QPointer>
#include <QPrintPreviewWidget>
#include <QProgressBar>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>
#include <QTextBrowser>
#include <gtest/gtest.h>
#include <memory>
#include <string>
#include <vector>

namespace {

// The window made by its owner for one print, as the Print actions make it.
class PrintPreviewTest : public ::testing::Test {
protected:
    FakePrintEngine& Engine() { return *Fake.PrintEngines.back(); }
    FakeTimer& StepTimer() { return *Fake.Timers.back(); }

    // What the window shows after a tick.
    std::string State() {
        return Format("%d preview(s), %s, bar %d, %s", Engine().Previews,
                      Form->isVisible() ? "shown" : "hidden", Form->pbProcessing->value(),
                      Form->lblMsg->text())
            .toStdString();
    }

    // Each pass of a wait runs the test's action, then lets one interval
    // of the step timer pass when it runs.
    void EachWaitPass(std::function<void(int pass)> action) {
        Fake.OnHandleMessage = [this, action] {
            const int pass = Fake.HandleMessageCalls - 1;
            if (action)
                action(pass);
            if (Form && StepTimer().Enabled()) {
                StepTimer().Fire();
                if (Form)
                    Ticks.push_back(Observe());
            }
        };
    }

    FakeServices Fake;
    std::unique_ptr<QWidget> Owner = std::make_unique<QWidget>();
    QPointer<TfrmHTMLPrintPreview> Form = new TfrmHTMLPrintPreview(Owner.get());
    // What each tick leaves, kept in Ticks.
    std::function<std::string()> Observe = [this] { return State(); };
    std::vector<std::string> Ticks;
};

TEST_F(PrintPreviewTest, WindowAsCreated) {
    TfrmHTMLPrintPreview& form = *Form;
    EXPECT_TRUE(form.isWindow());
    EXPECT_FALSE(form.isVisible());
    EXPECT_EQ(form.windowTitle(), "Print Preview");
    EXPECT_EQ(form.size(), QSize(463, 474));
    EXPECT_EQ(form.font().family(), "Arial");
    EXPECT_EQ(form.font().pixelSize(), 11);

    EXPECT_EQ(form.btnCancel->text(), "Cancel");
    EXPECT_EQ(form.btnCancel->geometry(), QRect(8, 8, 75, 25));
    EXPECT_EQ(form.lblMsg->text(), "Preparing - Please Wait....");
    EXPECT_EQ(form.lblMsg->geometry().topLeft(), QPoint(96, 8));
    EXPECT_EQ(form.lblMsg->width(), 353);
    EXPECT_TRUE(form.lblMsg->font().bold());
    EXPECT_TRUE(form.lblMsg->alignment() & Qt::AlignHCenter);
    EXPECT_EQ(form.pbProcessing->geometry(), QRect(96, 24, 353, 13));
    EXPECT_EQ(form.pbProcessing->minimum(), 0);
    EXPECT_EQ(form.pbProcessing->maximum(), 100);

    // The panel across the top, the browser filling the rest, also when resized.
    form.show();
    EXPECT_EQ(Fake.Placements,
              (std::vector<std::pair<QWidget*, TPosition>>{{&form, poDesktopCenter}}));
    for (const QSize size : {QSize(463, 474), QSize(700, 600)}) {
        form.resize(size);
        EXPECT_EQ(form.Panel1->geometry(), QRect(0, 0, size.width(), 41));
        EXPECT_EQ(Engine().Control()->geometry(), QRect(0, 41, size.width(), size.height() - 41));
    }

    EXPECT_EQ(StepTimer().Interval(), 2000);
    EXPECT_FALSE(StepTimer().Enabled());
}

TEST_F(PrintPreviewTest, LoadFileNavigatesAndItsErrorsReachTheCaller) {
    Form->LoadFile("/tmp/page.html");
    EXPECT_EQ(Engine().Navigated, std::vector<QString>{"/tmp/page.html"});

    Engine().NavigateError = "Cannot open file \"/tmp/none.html\". No such file or directory";
    EXPECT_EQ(MessageOf([&] { Form->LoadFile("/tmp/none.html"); }),
              Engine().NavigateError.toStdString());
    EXPECT_TRUE(Fake.Messages.empty()) << "the caller reports it";
}

enum TCancel { cnNone, cnClick, cnEscape };

TEST_F(PrintPreviewTest, StepsOfExecuteTickByTick) {
    const std::string preview =
        "1 preview(s), shown, bar 100, Connecting to default web browser...";
    const std::string hidden = "1 preview(s), hidden, bar 100, Previewing...";
    const std::string noPreview = "0 preview(s), shown, bar 100, Preparing - Please Wait....";
    const std::string hiddenNoPreview = "0 preview(s), hidden, bar 100, Previewing...";
    const struct {
        const char* Name;
        int BusyPasses; // passes of the first wait while the page loads
        int CancelAtPass;
        TCancel Cancel;
        std::vector<std::string> Ticks;
        const char* Button;
    } cases[] = {
        {"page loaded before Execute", 0, -1, cnNone, {preview, hidden, hidden}, "&Cancel"},
        {"page loads during the wait", 3, -1, cnNone, {preview, hidden, hidden}, "&Cancel"},
        {"cancel while loading", 5, 1, cnClick, {}, "Cancelling"},
        {"cancel before step 0",
         0,
         0,
         cnClick,
         {noPreview, hiddenNoPreview, hiddenNoPreview},
         "Cancelling"},
        {"Escape before step 0",
         0,
         0,
         cnEscape,
         {noPreview, hiddenNoPreview, hiddenNoPreview},
         "Cancelling"},
        {"cancel after step 0", 0, 1, cnClick, {preview, hidden, hidden}, "Cancelling"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Name);
        Ticks.clear();
        Fake.HandleMessageCalls = 0;
        Engine().Previews = 0;
        Engine().IsBusy = c.BusyPasses > 0;
        bool modalWhileWaiting = false;
        EachWaitPass([&](int pass) {
            if (pass == 0)
                modalWhileWaiting =
                    Form->isVisible() && QApplication::activeModalWidget() == Form.data();
            if (pass == c.CancelAtPass && c.Cancel == cnClick)
                QTest::mouseClick(Form->btnCancel, Qt::LeftButton);
            if (pass == c.CancelAtPass && c.Cancel == cnEscape)
                QTest::keyClick(Form->btnCancel, Qt::Key_Escape);
            if (Engine().IsBusy) {
                Engine().Progress(30 * pass, 100);
                Engine().IsBusy = pass + 1 < c.BusyPasses;
            }
        });

        Form->Execute();

        EXPECT_EQ(Ticks, c.Ticks);
        EXPECT_TRUE(modalWhileWaiting);
        EXPECT_FALSE(Form->isVisible());
        EXPECT_EQ(Form->windowModality(), Qt::NonModal) << "not modal once it returned";
        EXPECT_FALSE(StepTimer().Enabled());
        EXPECT_EQ(Form->btnCancel->text().toStdString(), c.Button);
        if (c.Ticks.empty()) {
            EXPECT_EQ(Form->lblMsg->text(), "Preparing - Please Wait....");
        }
    }
}

TEST_F(PrintPreviewTest, OwnerDeletedDuringAWait) {
    const struct {
        const char* Name;
        bool Loading;
        bool InPreview;
    } cases[] = {
        {"while loading", true, false},
        {"before the first tick", false, false},
        {"while the preview is open", false, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Name);
        Owner = std::make_unique<QWidget>();
        Form = new TfrmHTMLPrintPreview(Owner.get());
        Engine().IsBusy = c.Loading;
        auto deleteOwner = [this] { Owner.reset(); };
        if (c.InPreview)
            Engine().OnPreview = deleteOwner;
        EachWaitPass([&](int) {
            if (!c.InPreview)
                deleteOwner();
        });
        TfrmHTMLPrintPreview* form = Form;
        form->Execute();
        EXPECT_TRUE(Form.isNull());
    }
}

TEST_F(PrintPreviewTest, FailedPreviewIsReportedOnceAndEndsTheSteps) {
    Engine().PreviewError = "The preview would not open";
    Fake.Answer(mrOk);
    EachWaitPass(nullptr);

    Form->Execute();

    ASSERT_EQ(Fake.Messages.size(), 1u);
    EXPECT_EQ(Fake.Messages[0].text, "Cannot start a print preview using web browser");
    EXPECT_EQ(Fake.Messages[0].type, mtError);
    EXPECT_EQ(Engine().Previews, 1);
    EXPECT_EQ(Ticks.size(), 1u);
    EXPECT_FALSE(StepTimer().Enabled());
    EXPECT_FALSE(Form->isVisible());
}

TEST_F(PrintPreviewTest, TickWhileThePreviewIsOpenIsSkipped) {
    Engine().OnPreview = [this] {
        StepTimer().Fire();
        StepTimer().Fire();
    };
    EachWaitPass(nullptr);

    Form->Execute();

    EXPECT_EQ(Engine().Previews, 1);
    EXPECT_EQ(Ticks.size(), 3u);
    EXPECT_EQ(Form->lblMsg->text(), "Previewing...");
}

TEST_F(PrintPreviewTest, ProgressIsClampedToTheBar) {
    const struct {
        int Progress, ProgressMax;
        int Value, Maximum;
    } cases[] = {
        {40, 100, 40, 100}, {0, 100, 0, 100}, {250, 100, 100, 100}, {-1, 100, 0, 100},
        {7, 0, 7, 100},     {-1, 0, 0, 100},  {300, 500, 300, 500}, {600, 500, 500, 500},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.Progress << " of " << c.ProgressMax);
        Form->pbProcessing->setRange(0, 100);
        Engine().Progress(c.Progress, c.ProgressMax);
        EXPECT_EQ(Form->pbProcessing->value(), c.Value);
        EXPECT_EQ(Form->pbProcessing->maximum(), c.Maximum);
    }
}

// The real engine with a page written for a 15 x 15 puzzle, through to the
// print preview.
TEST_F(PrintPreviewTest, PuzzlePageInThePreviewWindowScreenshot) {
    Fake.RealPrintEngine = true;
    Owner = std::make_unique<QWidget>();
    Form = new TfrmHTMLPrintPreview(Owner.get());
    Form->LoadFile(WritePuzzlePage(Fake.Folder()));
    auto* browser = Form->findChild<QTextBrowser*>();
    ASSERT_NE(browser, nullptr);
    EXPECT_TRUE(browser->toPlainText().contains("Animals of the World"));

    Observe = [this] { return Form->lblMsg->text().toStdString(); };
    QImage shown;
    int scrolled = -1;
    EachWaitPass([&](int pass) {
        if (pass == 0) {
            shown = TakeScreenshot(*Form, "HTMLPrintPreview");
            scrolled = browser->verticalScrollBar()->value();
        }
    });
    int previewPages = 0;
    Fake.OnModal([&](QDialog& dialog) {
        if (auto* preview = dialog.findChild<QPrintPreviewWidget*>()) {
            preview->updatePreview();
            previewPages = preview->pageCount();
        }
        return int(mrNone);
    });

    Form->Execute();

    EXPECT_EQ(Fake.ModalsRun, std::vector<QString>{"QPrintPreviewDialog"});
    EXPECT_EQ(previewPages, 1);
    EXPECT_FALSE(Form->isVisible());
    EXPECT_EQ(Ticks, (std::vector<std::string>{"Connecting to default web browser...",
                                               "Previewing...", "Previewing..."}));
    ASSERT_FALSE(shown.isNull());
    EXPECT_EQ(shown.size(), QSize(463, 474));
    EXPECT_EQ(scrolled, 0) << "the page shows from its top";
}

// Escape pressed while the page has the focus cancels too.
TEST_F(PrintPreviewTest, EscapeInThePageCancels) {
    Fake.RealPrintEngine = true;
    Owner = std::make_unique<QWidget>();
    Form = new TfrmHTMLPrintPreview(Owner.get());
    Form->LoadFile(WritePuzzlePage(Fake.Folder()));
    auto* browser = Form->findChild<QTextBrowser*>();
    ASSERT_NE(browser, nullptr);
    Observe = [this] { return Form->lblMsg->text().toStdString(); };
    EachWaitPass([&](int pass) {
        if (pass == 0)
            QTest::keyClick(browser, Qt::Key_Escape);
    });

    Form->Execute();

    EXPECT_TRUE(Fake.ModalsRun.empty()) << "no preview";
    EXPECT_EQ(Ticks, (std::vector<std::string>{"Preparing - Please Wait....", "Previewing...",
                                               "Previewing..."}));
    EXPECT_EQ(Form->btnCancel->text(), "Cancelling");
}

} // namespace
