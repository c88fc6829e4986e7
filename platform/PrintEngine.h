#pragma once

#include <QPointer>
#include <QString>
#include <functional>

class QPrinter;
class QTextBrowser;
class QTextDocument;
class QWidget;

// The browser control the print preview drives: it shows a local HTML page,
// tells whether it is still loading and how far it got, and opens the print
// preview of the page, from which the user prints or saves a PDF.
class IPrintEngine {
public:
    virtual ~IPrintEngine() = default;
    // The control showing the page, a child of the window it was made for.
    virtual QWidget* Control() = 0;
    // Loads the page; raises when the file cannot be read.
    virtual void Navigate(const QString& FileName) = 0;
    // True while a page is loading. It only changes while window messages
    // run, so a wait on it lets them run.
    virtual bool Busy() const = 0;
    // Opens the print preview of the loaded page (no print dialog first) and
    // returns when it closes; raises when it cannot.
    virtual void PrintPreview() = 0;

    // Loading progress, Progress of ProgressMax.
    std::function<void(int Progress, int ProgressMax)> OnProgressChange;

protected:
    void ProgressChange(int Progress, int ProgressMax) {
        if (OnProgressChange)
            OnProgressChange(Progress, ProgressMax);
    }
};

// The print engine on Qt's rich-text document: a read-only QTextBrowser that
// runs no script, fetches no resource (local or remote) and follows no link.
// The page names Arial and Courier New; the font configuration maps them to
// their metric twins.
class THTMLPrintEngine : public IPrintEngine {
public:
    explicit THTMLPrintEngine(QWidget* Parent);
    QWidget* Control() override;
    // Reads the file (UTF-8, or Windows-1252 when the bytes are not valid
    // UTF-8) and lays it out before returning, so it is never busy after.
    void Navigate(const QString& FileName) override;
    bool Busy() const override { return false; }
    void PrintPreview() override;

    // The page as shown; null until one has loaded.
    QTextDocument* Document() const;
    // Prints the page on the printer's pages, as the preview shows them.
    void Print(QPrinter& Printer) const;

private:
    QTextBrowser& Browser() const;

    // Owned by the parent window.
    QPointer<QTextBrowser> FBrowser;
    bool FLoaded = false;
};
