#include "platform/Exception.h"
#include "playwindow/about/frmAboutUn.h"
#include "playwindow/options/frmPlayOptionsUn.h"
#include "playwindow/printpreview/frmHTMLPrintPreviewUn.h"
#include "support/FakeServices.h"

#include <gtest/gtest.h>

namespace {

class FailingPlacement : public FakeServices {
public:
    void PlaceWindow(QWidget&, TPosition) override { throw Exception("No screen to place on"); }
};

} // namespace

// A placement that fails is shown in the error box from the window's show
// event and goes no further.
TEST(WindowPlacement, AFailureIsReportedFromTheShowEvent) {
    FailingPlacement fake;
    TfrmAboutDesigner about;
    TfrmPlayerOptions options;
    TfrmHTMLPrintPreview preview;
    for (QWidget* window : std::initializer_list<QWidget*>{&about, &options, &preview}) {
        fake.Answer(mrOk);
        EXPECT_NO_THROW(window->show()) << window->windowTitle().toStdString();
        window->hide();
    }
    ASSERT_EQ(fake.Messages.size(), 3u);
    for (const FakeServices::Message& message : fake.Messages)
        EXPECT_EQ(message.text.toStdString(), "No screen to place on");
}
