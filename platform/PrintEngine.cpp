#include "platform/PrintEngine.h"

#include "platform/Exception.h"
#include "platform/FileHandle.h"
#include "platform/Guard.h"
#include "platform/Services.h"
#include "platform/TextBytes.h"

#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QScrollBar>
#include <QTextBrowser>
#include <QTextDocument>
#include <QVariant>

namespace {

// A page larger than this is no printable puzzle.
constexpr qint64 MaxPageSize = 16 * 1024 * 1024;
constexpr int LoadedProgress = 100;

// A document that loads no resource: pictures, style sheets and frames the
// page names stay out, local or remote. Its own provider keeps any provider
// set for the whole program out too; copies made for printing share both.
class TPageDocument : public QTextDocument {
public:
    explicit TPageDocument(QObject* parent) : QTextDocument(parent) {
        setResourceProvider([](const QUrl&) { return QVariant(); });
    }

protected:
    QVariant loadResource(int type, const QUrl& name) override {
        Q_UNUSED(type);
        Q_UNUSED(name);
        return QVariant();
    }
};

QFont DefaultPageFont() {
    QFont font("Arial");
    font.setPointSize(12);
    return font;
}

} // namespace

THTMLPrintEngine::THTMLPrintEngine(QWidget* Parent) : FBrowser(new QTextBrowser(Parent)) {
    auto* document = new TPageDocument(FBrowser);
    document->setUndoRedoEnabled(false);
    document->setDefaultFont(DefaultPageFont());
    FBrowser->setDocument(document);
    FBrowser->setOpenLinks(false);
    FBrowser->setOpenExternalLinks(false);
    FBrowser->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
}

QTextBrowser& THTMLPrintEngine::Browser() const {
    if (!FBrowser)
        throw Exception("The print engine's window has been closed");
    return *FBrowser;
}

QWidget* THTMLPrintEngine::Control() {
    return &Browser();
}

void THTMLPrintEngine::Navigate(const QString& FileName) {
    QTextBrowser& browser = Browser();
    FLoaded = false;
    browser.clear();
    browser.setHtml(BytesToText(ReadFileBytes(FileName, MaxPageSize)));
    // From its top, whatever size the control had while it laid the page out.
    browser.verticalScrollBar()->setValue(0);
    FLoaded = true;
    // Last: the handler lets window messages run.
    ProgressChange(LoadedProgress, LoadedProgress);
}

QTextDocument* THTMLPrintEngine::Document() const {
    return FLoaded && FBrowser ? FBrowser->document() : nullptr;
}

void THTMLPrintEngine::Print(QPrinter& Printer) const {
    if (QTextDocument* document = Document())
        document->print(&Printer);
}

void THTMLPrintEngine::PrintPreview() {
    if (!Document())
        throw Exception("No page has been loaded to preview");
    QPrinter printer(QPrinter::HighResolution);
    // On the heap: the dialog goes with its owner should that close meanwhile.
    const QPointer<QPrintPreviewDialog> dialog =
        new QPrintPreviewDialog(&printer, Browser().window());
    QObject::connect(dialog, &QPrintPreviewDialog::paintRequested, FBrowser,
                     [this](QPrinter* target) { Guarded([&] { Print(*target); }); });
    services().ExecModal(*dialog);
    delete dialog;
}
