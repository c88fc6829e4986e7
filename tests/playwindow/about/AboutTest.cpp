#include "playwindow/about/frmAboutUn.h"

#include "platform/Image.h"
#include "support/FakeServices.h"
#include "support/Screenshot.h"

#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

TEST(AboutBox, ShowsTheTextsAndOpensTheHomePageFromTheLogo) {
    FakeServices fake;
    TfrmAboutDesigner about;
    bool closedWithOk = false;
    fake.OnModal([&](QDialog& dialog) {
        EXPECT_EQ("About this application", dialog.windowTitle());
        EXPECT_EQ(QSize(271, 254), dialog.size());
        EXPECT_EQ("Glyphtrove", about.txtAppTitle->text());
        EXPECT_EQ("Fernhallow Software", about.StaticText2->text());
        EXPECT_EQ(Qt::PointingHandCursor, about.Image1->cursor().shape());
        EXPECT_FALSE(about.Image1->pixmap().isNull());

        QTest::mouseClick(about.Image1, Qt::LeftButton);
        EXPECT_EQ(std::vector<QString>{"https://www.fernhallow.example/glyphtrove/"},
                  fake.ShellOpened);
        EXPECT_TRUE(dialog.isVisible()) << "the box stays open";
        QTest::mouseClick(about.btnOK, Qt::LeftButton);
        closedWithOk = dialog.result() == mrOk;
        return mrNone;
    });
    about.ShowAbout();
    EXPECT_TRUE(closedWithOk);
    using Placement = std::pair<QWidget*, TPosition>;
    EXPECT_EQ(std::vector<Placement>{Placement(&about, poDesktopCenter)}, fake.Placements);
}

TEST(AboutBox, AHomePageThatWillNotOpenIsReported) {
    FakeServices fake;
    fake.ShellResult = 2;
    fake.Answer(mrOk);
    TfrmAboutDesigner about;
    fake.OnModal([&](QDialog&) {
        QTest::mouseClick(about.Image1, Qt::LeftButton);
        return int(mrOk);
    });
    about.ShowAbout();
    ASSERT_EQ(1u, fake.Messages.size());
    EXPECT_EQ(mtError, fake.Messages[0].type);
    EXPECT_FALSE(fake.Messages[0].text.isEmpty());
}

TEST(AboutBox, Screenshot) {
    FakeServices fake;
    TfrmAboutDesigner about;
    fake.OnModal([&](QDialog& dialog) {
        TakeScreenshot(dialog, "AboutBox");
        return int(mrOk);
    });
    about.ShowAbout();
}
