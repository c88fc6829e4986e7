#include "platform/HelpViewer.h"
#include "platform/Services.h"
#include "support/Screenshot.h"
#include "support/TestFiles.h"

#include <QAbstractTextDocumentLayout>
#include <QCoreApplication>
#include <QScrollBar>
#include <QTextBlock>
#include <gtest/gtest.h>

namespace {

// The help document as the programs find it: beside the program.
QString HelpFile() {
    return QCoreApplication::applicationDirPath() + "/Glyphtrove.hlp";
}

class HelpViewerTest : public ::testing::Test {
protected:
    void TearDown() override { delete THelpViewer::Current(); }
};

QTextBlock Heading(const QTextDocument& document, const QString& text) {
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next())
        if (block.text() == text && block.blockFormat().headingLevel() > 0)
            return block;
    return QTextBlock();
}

// Where the block lies in the visible part of the viewer, in pixels from
// its top; -1 when it is out of view.
int VisibleTop(THelpViewer& viewer, const QTextBlock& block) {
    const QRectF rect = viewer.document()->documentLayout()->blockBoundingRect(block);
    const int top = int(rect.top()) - viewer.verticalScrollBar()->value();
    const int bottom = int(rect.bottom()) - viewer.verticalScrollBar()->value();
    return top >= 0 && bottom <= viewer.viewport()->height() ? top : -1;
}

} // namespace

// The real services open the document in the viewer, at the context's heading.
TEST_F(HelpViewerTest, OpensTheDocumentAtEachContext) {
    const struct {
        int context;
        const char* heading;
    } contexts[] = {
        {19, "Playing a puzzle"},
        {14, "Tutorial: your first puzzle"},
        {10, "Using the editor"},
        {2, "Glyphtrove Help"},
    };
    THelpViewer* first = nullptr;
    for (const auto& c : contexts) {
        services().ShowHelp(HelpFile(), c.context);
        THelpViewer* viewer = THelpViewer::Current();
        ASSERT_NE(viewer, nullptr);
        if (!first)
            first = viewer;
        EXPECT_EQ(viewer, first) << "one viewer serves every request";
        EXPECT_TRUE(viewer->isVisible());
        EXPECT_EQ(viewer->source().fragment(), QString("context-%1").arg(c.context));
        const QTextBlock heading = Heading(*viewer->document(), c.heading);
        ASSERT_TRUE(heading.isValid()) << c.heading;
        EXPECT_GE(VisibleTop(*viewer, heading), 0) << c.heading << " not in view";
    }
}

TEST_F(HelpViewerTest, PlayerHelpScrollsItsHeadingToTheTop) {
    services().ShowHelp(HelpFile(), 19);
    THelpViewer& viewer = *THelpViewer::Current();
    EXPECT_GT(viewer.verticalScrollBar()->value(), 0);
    EXPECT_EQ(viewer.cursorForPosition(QPoint(20, 12)).block().text(), "Playing a puzzle");
    // Asked again after the reader scrolled away, it goes back there.
    viewer.verticalScrollBar()->setValue(0);
    services().ShowHelp(HelpFile(), 19);
    EXPECT_EQ(viewer.cursorForPosition(QPoint(20, 12)).block().text(), "Playing a puzzle");
}

TEST_F(HelpViewerTest, ClosingFreesTheViewer) {
    services().ShowHelp(HelpFile(), 2);
    THelpViewer::Current()->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(THelpViewer::Current(), nullptr);
    services().ShowHelp(HelpFile(), 2);
    EXPECT_NE(THelpViewer::Current(), nullptr);
}

TEST_F(HelpViewerTest, AMinimisedViewerComesBack) {
    services().ShowHelp(HelpFile(), 2);
    THelpViewer::Current()->showMinimized();
    services().ShowHelp(HelpFile(), 19);
    EXPECT_FALSE(THelpViewer::Current()->isMinimized());
    EXPECT_TRUE(THelpViewer::Current()->isVisible());
}

TEST_F(HelpViewerTest, MissingFileRaises) {
    const QString missing = QCoreApplication::applicationDirPath() + "/none/Glyphtrove.hlp";
    EXPECT_EQ(MessageOf([&] { services().ShowHelp(missing, 19); }),
              ("Cannot open help file \"" + missing + "\"").toStdString());
    EXPECT_EQ(THelpViewer::Current(), nullptr);
}

TEST_F(HelpViewerTest, Screenshot) {
    services().ShowHelp(HelpFile(), 19);
    TakeScreenshot(*THelpViewer::Current(), "help-viewer-player-help");
}
