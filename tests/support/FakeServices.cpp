#include "support/FakeServices.h"

#include "platform/Exception.h"

#include <QDialog>
#include <QDir>
#include <QTest>
#include <gtest/gtest.h>
#include <stdexcept>

FakePrintEngine::FakePrintEngine(QWidget* parent) : FControl(new QWidget(parent)) {}

void FakePrintEngine::Navigate(const QString& FileName) {
    Navigated.push_back(FileName);
    if (!NavigateError.isEmpty())
        throw Exception(NavigateError);
}

void FakePrintEngine::PrintPreview() {
    ++Previews;
    // What the user does may close the window and this engine with it.
    const QString error = PreviewError;
    if (const std::function<void()> onPreview = OnPreview)
        onPreview();
    if (!error.isEmpty())
        throw Exception(error);
}

FakeServices::FakeServices() : FPrevious(SetServices(this)) {
    SetRandSeed(0);
    QDir(FTemp.path()).mkpath("program");
}

FakeServices::~FakeServices() {
    SetServices(FPrevious);
    EXPECT_TRUE(FAnswers.empty()) << FAnswers.size() << " scripted answer(s) never asked for";
    EXPECT_TRUE(FModalScripts.empty()) << FModalScripts.size() << " modal script(s) never run";
    EXPECT_TRUE(FFileAnswers.empty()) << FFileAnswers.size() << " file answer(s) never asked for";
}

int FakeServices::MessageDlg(const QString& text, TMsgDlgType type, TMsgDlgButtons buttons) {
    Messages.push_back({text, type, buttons});
    if (FAnswers.empty()) {
        ADD_FAILURE() << "unexpected message dialog: " << text.toStdString();
        return (buttons & mbCancel) ? mrCancel : (buttons & mbNo) ? mrNo : mrOk;
    }
    const int answer = FAnswers.front();
    FAnswers.pop_front();
    return answer;
}

std::unique_ptr<ITimer> FakeServices::CreateTimer() {
    auto timer = std::make_unique<FakeTimer>();
    Timers.push_back(timer.get());
    return timer;
}

int FakeServices::ShellOpen(const QString& fileName, const QString& parameters) {
    Q_UNUSED(parameters);
    ShellOpened.push_back(fileName);
    return ShellResult;
}

QString FakeServices::DocumentsFolder() {
    if (!Documents.isNull())
        return Documents;
    QDir(FTemp.path()).mkpath("Documents");
    return FTemp.path() + "/Documents";
}

QString FakeServices::HomeFolder() {
    QDir(FTemp.path()).mkpath("home");
    return FTemp.path() + "/home";
}

int FakeServices::ExecModal(QDialog& dialog) {
    ModalsRun.push_back(dialog.metaObject()->className());
    if (FModalScripts.empty()) {
        ADD_FAILURE() << "unexpected modal dialog: " << dialog.metaObject()->className() << " \""
                      << dialog.windowTitle().toStdString() << "\"";
        return mrCancel;
    }
    const ModalScript script = std::move(FModalScripts.front());
    FModalScripts.pop_front();
    dialog.setResult(mrNone);
    dialog.show();
    // A modal dialog is the active window, so focus and keys go into it.
    dialog.activateWindow();
    EXPECT_TRUE(QTest::qWaitForWindowActive(&dialog));
    int result = script(dialog);
    if (result == mrNone)
        result = dialog.result() == QDialog::Rejected ? int(mrCancel) : dialog.result();
    dialog.hide();
    return result;
}

bool FakeServices::AnswerFileDialog(TFileDialogOptions& options, bool save) {
    FileDialogs.push_back(options);
    FileDialogWasSave.push_back(save);
    if (FFileAnswers.empty()) {
        ADD_FAILURE() << "unexpected file dialog: " << options.Filter.toStdString();
        return false;
    }
    const auto answer = FFileAnswers.front();
    FFileAnswers.pop_front();
    if (answer.first.isNull())
        return false;
    options.FileName = answer.first;
    options.FilterIndex = answer.second;
    return true;
}

bool FakeServices::OpenFileDialog(QWidget* parent, TFileDialogOptions& options) {
    Q_UNUSED(parent);
    return AnswerFileDialog(options, false);
}

bool FakeServices::SaveFileDialog(QWidget* parent, TFileDialogOptions& options) {
    Q_UNUSED(parent);
    return AnswerFileDialog(options, true);
}

void FakeServices::HandleMessage() {
    ++HandleMessageCalls;
    if (HandleMessageCalls > MaxWaitPasses)
        throw std::runtime_error("a nested wait never ended");
    if (OnHandleMessage)
        OnHandleMessage();
}

std::unique_ptr<IPrintEngine> FakeServices::CreatePrintEngine(QWidget* parent) {
    if (RealPrintEngine)
        return Services::CreatePrintEngine(parent);
    auto engine = std::make_unique<FakePrintEngine>(parent);
    PrintEngines.push_back(engine.get());
    return engine;
}
