#pragma once

#include "platform/PrintEngine.h"
#include "platform/Services.h"

#include <QTemporaryDir>
#include <deque>
#include <functional>
#include <vector>

// A timer that only a test fires.
class FakeTimer : public ITimer {
public:
    void SetInterval(int msecs) override { FInterval = msecs; }
    int Interval() const override { return FInterval; }
    void SetEnabled(bool enabled) override { FEnabled = enabled; }
    bool Enabled() const override { return FEnabled; }
    // Runs OnTimer once when enabled, as one interval passing would.
    void Fire() {
        if (FEnabled && OnTimer)
            OnTimer();
    }

private:
    int FInterval = 1000;
    bool FEnabled = true;
};

// A browser control that a test drives: it is busy while told so, reports
// the progress it is given and records what it was asked.
class FakePrintEngine : public IPrintEngine {
public:
    explicit FakePrintEngine(QWidget* parent);
    QWidget* Control() override { return FControl; }
    // Records the name; raises NavigateError when one is set.
    void Navigate(const QString& FileName) override;
    bool Busy() const override { return IsBusy; }
    // Counts the preview and runs OnPreview (what the user does in it);
    // then raises PreviewError when one is set.
    void PrintPreview() override;
    // Reports loading progress as the control would.
    void Progress(int progress, int progressMax) { ProgressChange(progress, progressMax); }

    bool IsBusy = false;
    QString NavigateError;
    QString PreviewError;
    std::function<void()> OnPreview;
    std::vector<QString> Navigated;
    int Previews = 0;

private:
    QWidget* FControl; // owned by the parent window
};

// Installs itself as the process-wide services for its lifetime. Message
// dialogs answer from a scripted queue; an unexpected one fails the test.
// The clock only moves when told; the random generator starts seeded at 0.
class FakeServices : public Services {
public:
    struct Message {
        QString text;
        TMsgDlgType type;
        TMsgDlgButtons buttons;
    };

    FakeServices();
    ~FakeServices() override;

    // What the user does in the next modal dialog: the script drives it
    // (the dialog is shown while it runs) and returns its modal result, or
    // mrNone to take the result the dialog set itself (mrCancel when none).
    using ModalScript = std::function<int(QDialog&)>;
    void OnModal(ModalScript script) { FModalScripts.push_back(std::move(script)); }
    // Every modal dialog run, by its class name, in order.
    std::vector<QString> ModalsRun;

    // The answer to the next Open or Save dialog: a path (FilterIndex 1
    // unless given), or Cancel. Every request is kept.
    void ChooseFile(const QString& path, int filterIndex = 1) {
        FFileAnswers.push_back({path, filterIndex});
    }
    void CancelFileDialog() { FFileAnswers.push_back({QString(), 0}); }
    std::vector<TFileDialogOptions> FileDialogs;
    std::vector<bool> FileDialogWasSave;

    // Queues the answer (mrYes, mrNo, mrOk, mrCancel) to the next dialog.
    void Answer(int modalResult) { FAnswers.push_back(modalResult); }
    // Every dialog shown, in order.
    std::vector<Message> Messages;

    TDateTime Clock = 0;
    void Advance(int64_t msecs) { Clock = MSecsToDateTime(DateTimeToMSecs(Clock) + msecs); }

    std::vector<FakeTimer*> Timers; // timers created, owned by their callers
    std::vector<QString> ShellOpened;
    int ShellResult = 42;
    std::vector<std::pair<QString, int>> HelpShown;
    int ProcessMessagesCalls = 0;
    // Null: a "Documents" folder in the test folder; empty: no documents folder.
    QString Documents;

    int MessageDlg(const QString& text, TMsgDlgType type, TMsgDlgButtons buttons) override;
    TDateTime Now() override { return Clock; }
    void Randomize() override {}
    std::unique_ptr<ITimer> CreateTimer() override;
    int ShellOpen(const QString& fileName, const QString& parameters) override;
    QString DocumentsFolder() override;
    // The test folder, or none while TempFolderMissing is set.
    QString TempFolder() override { return TempFolderMissing ? QString() : FTemp.path(); }
    bool TempFolderMissing = false;
    // A "home" folder in the test folder.
    QString HomeFolder() override;
    QString ProgramFolder() override { return FTemp.path() + "/program"; }
    void ShowHelp(const QString& helpFile, int context) override {
        HelpShown.emplace_back(helpFile, context);
    }
    void ProcessMessages() override { ++ProcessMessagesCalls; }
    // Each pass of a nested wait runs OnHandleMessage, where the test acts
    // (fires a timer, clicks a button); a wait that passes MaxWaitPasses
    // times without ending fails the test instead of hanging it.
    void HandleMessage() override;
    std::function<void()> OnHandleMessage;
    int HandleMessageCalls = 0;
    int MaxWaitPasses = 1000;
    int ExecModal(QDialog& dialog) override;
    // Windows are left where they are; each request is kept.
    void PlaceWindow(QWidget& window, TPosition position) override {
        Placements.emplace_back(&window, position);
    }
    std::vector<std::pair<QWidget*, TPosition>> Placements;
    bool OpenFileDialog(QWidget* parent, TFileDialogOptions& options) override;
    bool SaveFileDialog(QWidget* parent, TFileDialogOptions& options) override;
    // A fake engine, or the real one when RealPrintEngine is set.
    std::unique_ptr<IPrintEngine> CreatePrintEngine(QWidget* parent) override;
    bool RealPrintEngine = false;
    std::vector<FakePrintEngine*> PrintEngines; // fakes created, owned by their windows

    // A fresh folder for the test's files, removed with the fake.
    QString Folder() const { return FTemp.path(); }

private:
    bool AnswerFileDialog(TFileDialogOptions& options, bool save);

    std::deque<int> FAnswers;
    std::deque<ModalScript> FModalScripts;
    std::deque<std::pair<QString, int>> FFileAnswers;
    QTemporaryDir FTemp;
    Services* FPrevious;
};
