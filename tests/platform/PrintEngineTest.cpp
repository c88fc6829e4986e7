#include "platform/PrintEngine.h"

#include "platform/Exception.h"
#include "support/FakeServices.h"
#include "support/OddFiles.h"
#include "support/PuzzlePage.h"
#include "support/Screenshot.h"
#include "support/TestFiles.h"

#include <QAbstractTextDocumentLayout>
#include <QDesktopServices>
#include <QFontInfo>
#include <QPainter>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QTest>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTextCursor>
#include <QTextDocument>
#include <gtest/gtest.h>
#include <memory>

namespace {

// A window holding the engine's control, as the print preview holds it.
class PrintEngineTest : public ::testing::Test {
protected:
    PrintEngineTest() {
        Window.resize(600, 500);
        Engine = std::make_unique<THTMLPrintEngine>(&Window);
        Engine->Control()->setGeometry(0, 0, 600, 500);
        Engine->OnProgressChange = [this](int progress, int progressMax) {
            Progress.emplace_back(progress, progressMax);
        };
    }

    QTextBrowser& Browser() { return *static_cast<QTextBrowser*>(Engine->Control()); }

    QString WritePage(const QString& name, const QByteArray& bytes) {
        const QString path = Fake.Folder() + "/" + name;
        WriteBytes(path, bytes);
        return path;
    }

    // The first page as printed on A4 paper, drawn at 96 dpi. Printing lays
    // out a copy of the page made as this one is.
    QImage FirstPage() {
        std::unique_ptr<QTextDocument> page(Engine->Document()->clone(Engine->Document()));
        const QSizeF a4(794, 1123);
        page->setPageSize(a4);
        QImage image(a4.toSize(), QImage::Format_RGB32);
        image.fill(Qt::white);
        QPainter painter(&image);
        page->drawContents(&painter, QRectF(QPointF(0, 0), a4));
        return image;
    }

    QByteArray PrintToPdf() {
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setPageSize(QPageSize(QPageSize::A4));
        const QString pdf = Fake.Folder() + "/page.pdf";
        printer.setOutputFileName(pdf);
        Engine->Print(printer);
        return ReadBytes(pdf);
    }

    FakeServices Fake;
    QWidget Window;
    std::unique_ptr<THTMLPrintEngine> Engine;
    std::vector<std::pair<int, int>> Progress;
};

int PixelsOfColour(const QImage& image, QRgb colour) {
    int count = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            count += (image.pixel(x, y) & 0xffffff) == (colour & 0xffffff);
    return count;
}

// The font a piece of text of the document is drawn in.
QFont FontOfText(QTextDocument& document, const QString& text) {
    QTextCursor found = document.find(text, 0, QTextDocument::FindCaseSensitively);
    EXPECT_FALSE(found.isNull()) << text.toStdString();
    return found.charFormat().font();
}

TEST_F(PrintEngineTest, PuzzlePagePrintsToPdfAndPictureScreenshot) {
    const QString page = WritePuzzlePage(Fake.Folder());
    Engine->Navigate(page);
    EXPECT_FALSE(Engine->Busy());
    EXPECT_EQ(Progress, (std::vector<std::pair<int, int>>{{100, 100}}));
    QTextDocument& document = *Engine->Document();

    const QString text = document.toPlainText();
    EXPECT_TRUE(text.contains("Glyphtrove"));
    EXPECT_TRUE(text.contains("Animals of the World by the Glyphtrove tests"));
    EXPECT_TRUE(text.contains("Twelve animals hide in the grid."));
    for (const QString& word : PuzzlePageWords())
        EXPECT_TRUE(text.contains(word)) << word.toStdString();

    // The grid cells in Courier New's fixed pitch, the words in Arial's.
    const QFont cell = FontOfText(document, "Z");
    EXPECT_EQ(cell.family(), "Courier New");
    EXPECT_TRUE(QFontInfo(cell).fixedPitch()) << QFontInfo(cell).family().toStdString();
    const QFont word = FontOfText(document, "KANGAROO");
    EXPECT_EQ(word.families().value(0, word.family()), "Arial");
    EXPECT_FALSE(QFontInfo(word).fixedPitch());

    const QByteArray bytes = PrintToPdf();
    EXPECT_TRUE(bytes.startsWith("%PDF-"));
    EXPECT_TRUE(bytes.contains("/Type /Page"));
    // The fonts that stand in for the page's, embedded.
    EXPECT_TRUE(bytes.contains("LiberationMono"));
    EXPECT_TRUE(bytes.contains("LiberationSans"));

    const QImage picture = FirstPage();
    KeepScreenshot(picture, "PrintedPuzzlePage");
    EXPECT_GT(PixelsOfColour(picture, qRgb(0, 0, 0)), 2000) << "text and grid lines drawn";
}

TEST_F(PrintEngineTest, PageTextIsUtf8OrElseWindows1252) {
    const struct {
        const char* Name;
        QByteArray Bytes;
    } cases[] = {
        {"utf8", "<HTML><BODY><P>Caf\xc3\xa9 \xe2\x82\xac 5</P></BODY></HTML>"},
        {"cp1252", "<HTML><BODY><P>Caf\xe9 \x80 5</P></BODY></HTML>"},
        {"references", "<HTML><BODY><P>Caf&#233; &#8364; 5</P></BODY></HTML>"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Name);
        Engine->Navigate(WritePage(QString(c.Name) + ".html", c.Bytes));
        EXPECT_EQ(Engine->Document()->toPlainText(),
                  QString::fromUtf8("Caf\xc3\xa9 \xe2\x82\xac 5"));
    }
}

TEST_F(PrintEngineTest, PageThatCannotBeReadRaisesAndLeavesNothingToPreview) {
    Engine->Navigate(WritePage("good.html", "<P>Old page</P>"));
    const QString missing = Fake.Folder() + "/missing.html", pipe = Fake.Folder() + "/pipe.html";
    ASSERT_TRUE(MakeNamedPipe(pipe));
    const struct {
        QString Path;
        std::string Message;
    } cases[] = {
        {missing, "Cannot open file \"" + missing.toStdString() + "\". No such file or directory"},
        {Fake.Folder(), "Cannot open file \"" + Fake.Folder().toStdString() + "\"."},
        {pipe, "Cannot open file \"" + pipe.toStdString() + "\". Permission denied"},
    };
    const HangGuard guard;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Path.toStdString());
        const std::string message = MessageOf([&] { Engine->Navigate(c.Path); });
        EXPECT_EQ(message.substr(0, c.Message.size()), c.Message);
        EXPECT_FALSE(Engine->Busy());
        EXPECT_EQ(Engine->Document(), nullptr);
        EXPECT_TRUE(Browser().toPlainText().isEmpty()) << "the old page is not left showing";
        EXPECT_EQ(MessageOf([&] { Engine->PrintPreview(); }), "No page has been loaded to preview");
    }
    EXPECT_TRUE(Fake.ModalsRun.empty());
}

// Receives the desktop's "open this address" requests.
class TUrlRecorder : public QObject {
    Q_OBJECT
public:
    std::vector<QUrl> Opened;
public slots:
    void Open(const QUrl& url) { Opened.push_back(url); }
};

TEST_F(PrintEngineTest, PageRunsNoScriptFetchesNothingAndFollowsNoLink) {
    QImage magenta(64, 64, QImage::Format_RGB32);
    magenta.fill(qRgb(255, 0, 255));
    ASSERT_TRUE(magenta.save(Fake.Folder() + "/pic.png"));
    WriteBytes(Fake.Folder() + "/style.css", "BODY { background-color: #00ff00 }");
    const QByteArray folder = QUrl::fromLocalFile(Fake.Folder()).toEncoded();
    const QString page = WritePage(
        "unsafe.html",
        "<HTML><HEAD><LINK rel=stylesheet type=\"text/css\" href=\"" + folder +
            "/style.css\"></HEAD><BODY>\n"
            "<SCRIPT>document.write('SCRIPT RAN')</SCRIPT>\n"
            "<P>Local <IMG src=\"pic.png\"> <IMG src=\"" +
            folder +
            "/pic.png\"> remote <IMG src=\"http://127.0.0.1:9/remote.png\"></P>\n"
            "<P><A href=\"https://www.fernhallow.example/glyphtrove/\">Glyphtrove</A></P>\n"
            "</BODY></HTML>");

    std::vector<QUrl> asked;
    QTextDocument::setDefaultResourceProvider([&](const QUrl& url) {
        asked.push_back(url);
        return QVariant();
    });
    TUrlRecorder recorder;
    QDesktopServices::setUrlHandler("https", &recorder, "Open");
    std::vector<QUrl> clicked;
    QObject::connect(&Browser(), &QTextBrowser::anchorClicked,
                     [&](const QUrl& url) { clicked.push_back(url); });

    Engine->Navigate(page);
    Window.show();
    const QImage shown = Browser().viewport()->grab().toImage();
    const QImage printed = FirstPage();

    const QString text = Engine->Document()->toPlainText();
    EXPECT_FALSE(text.contains("SCRIPT RAN"));
    EXPECT_FALSE(text.contains("document.write"));
    EXPECT_TRUE(text.contains("Local"));
    for (const QImage& image : {shown, printed}) {
        EXPECT_EQ(PixelsOfColour(image, qRgb(255, 0, 255)), 0) << "local picture loaded";
        EXPECT_EQ(PixelsOfColour(image, qRgb(0, 255, 0)), 0) << "style sheet loaded";
    }
    EXPECT_FALSE(PrintToPdf().contains("/Width 64")) << "local picture printed";
    EXPECT_TRUE(asked.empty()) << asked.front().toString().toStdString();

    // Click the link itself.
    QTextCursor link = Engine->Document()->find("Glyphtrove");
    ASSERT_FALSE(link.isNull());
    link.setPosition(link.selectionStart() + 3);
    const QPoint at = Browser().cursorRect(link).center();
    ASSERT_EQ(Browser().anchorAt(at), "https://www.fernhallow.example/glyphtrove/");
    QTest::mouseClick(Browser().viewport(), Qt::LeftButton, Qt::NoModifier, at);
    EXPECT_TRUE(clicked.empty());
    EXPECT_TRUE(recorder.Opened.empty());
    EXPECT_TRUE(Browser().source().isEmpty());
    EXPECT_EQ(Engine->Document()->toPlainText(), text);

    QDesktopServices::unsetUrlHandler("https");
    QTextDocument::setDefaultResourceProvider(nullptr);
}

TEST_F(PrintEngineTest, PrintPreviewOpensWithoutAPrintDialogScreenshot) {
    Engine->Navigate(WritePuzzlePage(Fake.Folder()));
    int pages = 0;
    Fake.OnModal([&](QDialog& dialog) {
        EXPECT_EQ(dialog.windowTitle(), "Print Preview");
        dialog.resize(800, 700);
        auto* preview = dialog.findChild<QPrintPreviewWidget*>();
        EXPECT_NE(preview, nullptr);
        if (preview) {
            preview->updatePreview();
            pages = preview->pageCount();
        }
        TakeScreenshot(dialog, "PrintPreviewDialog");
        return int(mrNone);
    });
    Engine->PrintPreview();
    EXPECT_EQ(Fake.ModalsRun, std::vector<QString>{"QPrintPreviewDialog"});
    EXPECT_GE(pages, 1);
}

} // namespace

#include "PrintEngineTest.moc"
