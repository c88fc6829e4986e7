#include "playwindow/printpreview/frmHTMLPrintPreviewUn.h"

#include "engine/puzzle/GlyphtroveUn.h"
#include "platform/Canvas.h"
#include "platform/Exception.h"
#include "platform/FileHandle.h"
#include "platform/Guard.h"
#include "platform/PrintEngine.h"
#include "platform/Services.h"

#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QPointer>
#include <QProgressBar>
#include <QPushButton>
#include <QShowEvent>
#include <QVBoxLayout>

namespace {

constexpr int StepInterval = 2000;

enum TPreviewStep { psPreview, psHide, psStop };

} // namespace

TfrmHTMLPrintPreview::TfrmHTMLPrintPreview(QWidget* parent) : QWidget(parent, Qt::Window) {
    FormCreate();
}

TfrmHTMLPrintPreview::~TfrmHTMLPrintPreview() {
    FormDestroy();
}

void TfrmHTMLPrintPreview::FormCreate() {
    setWindowTitle("Print Preview");
    setFont(FormFont("Arial", 8));
    resize(463, 474);
    CreateControls();
    FStepTimer = services().CreateTimer();
    FStepTimer->SetInterval(StepInterval);
    FStepTimer->SetEnabled(false);
    FStepTimer->OnTimer = [this] { PreviewTick(); };
}

void TfrmHTMLPrintPreview::FormDestroy() {
    FStepTimer.reset();
}

void TfrmHTMLPrintPreview::CreateControls() {
    Panel1 = new QFrame(this);
    Panel1->setFrameStyle(QFrame::Panel | QFrame::Raised);
    Panel1->setFixedHeight(41);

    btnCancel = new QPushButton("Cancel", Panel1);
    btnCancel->setGeometry(8, 8, 75, 25);
    connect(btnCancel, &QPushButton::clicked, this,
            [this] { Guarded([this] { btnCancelClick(); }); });

    lblMsg = new QLabel("Preparing - Please Wait....", Panel1);
    lblMsg->setGeometry(96, 8, 353, 13);
    lblMsg->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    QFont bold = FormFont("Arial", 8);
    bold.setBold(true);
    lblMsg->setFont(bold);

    pbProcessing = new QProgressBar(Panel1);
    pbProcessing->setGeometry(96, 24, 353, 13);
    pbProcessing->setRange(0, 100);
    pbProcessing->setValue(0);
    pbProcessing->setTextVisible(false);

    wbPreview = services().CreatePrintEngine(this);
    wbPreview->OnProgressChange = [this](int Progress, int ProgressMax) {
        wbPreviewProgressChange(Progress, ProgressMax);
    };

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(Panel1);
    layout->addWidget(wbPreview->Control(), 1);
}

void TfrmHTMLPrintPreview::LoadFile(const QString& FileName) {
    wbPreview->Navigate(FileName);
}

void TfrmHTMLPrintPreview::Execute() {
    // Every wait runs window messages, and the owner may delete this window
    // during any of them.
    const QPointer<TfrmHTMLPrintPreview> alive(this);
    FCancelled = false;
    btnCancel->setEnabled(true);
    btnCancel->setText("&Cancel");
    SetStatus("Preparing - Please Wait....");
    if (!alive)
        return;
    // Modal to the whole application while it runs, so that its owner can
    // neither close nor print again meanwhile.
    setWindowModality(Qt::ApplicationModal);
    show();
    while (alive && wbPreview->Busy() && !FCancelled)
        services().HandleMessage();
    if (!alive)
        return;
    if (!FCancelled) {
        pbProcessing->setValue(pbProcessing->maximum());
        services().ProcessMessages();
        if (!alive)
            return;
        FStep = psPreview;
        FStepTimer->SetEnabled(true);
        while (alive && FStepTimer->Enabled())
            services().HandleMessage();
        if (!alive)
            return;
    }
    EndExecute();
}

void TfrmHTMLPrintPreview::EndExecute() {
    hide();
    setWindowModality(Qt::NonModal);
}

void TfrmHTMLPrintPreview::SetStatus(const QString& Text) {
    lblMsg->setText(Text);
    services().ProcessMessages();
}

void TfrmHTMLPrintPreview::btnCancelClick() {
    btnCancel->setEnabled(false);
    btnCancel->setText("Cancelling");
    FCancelled = true;
}

void TfrmHTMLPrintPreview::wbPreviewProgressChange(int Progress, int ProgressMax) {
    if (ProgressMax > 0)
        pbProcessing->setMaximum(ProgressMax);
    pbProcessing->setValue(qBound(pbProcessing->minimum(), Progress, pbProcessing->maximum()));
    services().ProcessMessages();
}

void TfrmHTMLPrintPreview::PreviewTick() {
    Guarded([this] {
        if (FInStep)
            return;
        const QPointer<TfrmHTMLPrintPreview> alive(this);
        FInStep = true;
        try {
            RunStep();
        } catch (...) {
            // Reported once: the steps end rather than retry at every tick.
            if (alive) {
                FInStep = false;
                FStepTimer->SetEnabled(false);
            }
            throw EExternalException("Cannot start a print preview using web browser");
        }
        if (!alive)
            return;
        FInStep = false;
        ++FStep;
    });
}

void TfrmHTMLPrintPreview::RunStep() {
    const QPointer<TfrmHTMLPrintPreview> alive(this);
    switch (FStep) {
    case psPreview:
        if (FCancelled)
            return;
        SetStatus("Connecting to default web browser...");
        if (alive)
            wbPreview->PrintPreview();
        return;
    case psHide:
        SetStatus("Previewing...");
        if (alive)
            hide();
        return;
    case psStop:
        FStepTimer->SetEnabled(false);
        return;
    }
}

void TfrmHTMLPrintPreview::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (!event->spontaneous())
        Guarded([this] { services().PlaceWindow(*this, poDesktopCenter); });
}

void TfrmHTMLPrintPreview::keyPressEvent(QKeyEvent* event) {
    // Cancel is the window's cancel button.
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        btnCancel->click();
        return;
    }
    QWidget::keyPressEvent(event);
}

void PrintPuzzlePage(QWidget* Owner, TCustomGlyphtrove& Puzzle) {
    // On the heap: it goes with its owner should that close during the waits.
    const QPointer<TfrmHTMLPrintPreview> preview = new TfrmHTMLPrintPreview(Owner);
    QString page;
    const auto release = [&] {
        delete preview.data();
        if (!page.isEmpty())
            DeleteFile(page);
    };
    try {
        Puzzle.ExportHTML(QString(), page);
        preview->LoadFile(page);
        preview->Execute();
    } catch (...) {
        release();
        throw;
    }
    release();
}
