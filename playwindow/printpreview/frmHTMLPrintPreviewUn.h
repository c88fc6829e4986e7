#pragma once

#include <QWidget>
#include <memory>

class IPrintEngine;
class TCustomGlyphtrove;
class ITimer;
class QFrame;
class QKeyEvent;
class QLabel;
class QProgressBar;
class QPushButton;
class QShowEvent;

// Prints an HTML page: loads it into the browser control, then asks the
// control for its print preview, from which the user prints. The caller
// makes the window for one print, calls LoadFile and Execute, and deletes it
// afterwards, also when one of them raised.
class TfrmHTMLPrintPreview : public QWidget {
public:
    explicit TfrmHTMLPrintPreview(QWidget* parent = nullptr);
    ~TfrmHTMLPrintPreview() override;

    // Loads the page; raises when it cannot be read.
    void LoadFile(const QString& FileName);
    // Shows the window (modal to the whole application) until the page has
    // loaded, then runs the preview steps, and returns when they are done or
    // at once after a cancel during loading. The window may be gone when it
    // returns, deleted with its owner meanwhile.
    void Execute();
    // Shows the text in the status line at once.
    void SetStatus(const QString& Text);

    void btnCancelClick();
    // The control's loading progress; values outside the bar are clamped.
    void wbPreviewProgressChange(int Progress, int ProgressMax);
    // One step a tick: 0 the preview command, 1 hide, 2 stop.
    void PreviewTick();

    QFrame* Panel1;
    QPushButton* btnCancel;
    QLabel* lblMsg;
    QProgressBar* pbProcessing;
    std::unique_ptr<IPrintEngine> wbPreview;

protected:
    void showEvent(QShowEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void FormCreate();
    void FormDestroy();
    void CreateControls();
    void RunStep();
    void EndExecute();

    bool FCancelled = false;
    // The step counter, the timer's Tag in the original form.
    int FStep = 0;
    // A tick that comes while a step runs (the preview is open) is skipped.
    bool FInStep = false;
    std::unique_ptr<ITimer> FStepTimer;
};

// Prints the puzzle as both programs do: its page written to a file of its
// own in the private temporary folder, then previewed in a window owned by
// Owner. The window and the page go when the preview has ended, also when a
// step raised.
void PrintPuzzlePage(QWidget* Owner, TCustomGlyphtrove& Puzzle);
