#include "platform/FormKit.h"

#include "platform/Exception.h"
#include "support/FakeServices.h"

#include <QCloseEvent>
#include <QWidget>
#include <gtest/gtest.h>

TEST(FormKit, CloseGoesOnOnlyWhenTheQueryAllows) {
    FakeServices fake;
    fake.Answer(mrOk);
    struct Case {
        std::function<bool()> query;
        bool accepted;
    };
    const Case cases[] = {
        {[] { return true; }, true},
        {[] { return false; }, false},
        {[]() -> bool { throw Exception("Cannot save"); }, false},
    };
    for (const Case& c : cases) {
        QCloseEvent event;
        EXPECT_EQ(c.accepted, AcceptCloseIf(&event, c.query));
        EXPECT_EQ(c.accepted, event.isAccepted());
    }
    ASSERT_EQ(1u, fake.Messages.size()) << "a failing query is shown, and the window stays";
    EXPECT_EQ("Cannot save", fake.Messages[0].text);
}

TEST(FormKit, ActionRunsItsHandlerThroughTheGuard) {
    FakeServices fake;
    fake.Answer(mrOk);
    QWidget form;
    TImageList images(16, 16);
    QAction* action = NewFormAction(&form, images, "&Go", "go somewhere", -1,
                                    []() { throw Exception("No way"); });
    EXPECT_EQ(&form, action->parent());
    EXPECT_TRUE(form.actions().contains(action)) << "its shortcut works while no menu is open";
    EXPECT_EQ("go somewhere", action->statusTip());
    EXPECT_TRUE(action->icon().isNull());
    action->trigger();
    ASSERT_EQ(1u, fake.Messages.size());
    EXPECT_EQ("No way", fake.Messages[0].text);

    QAction* inert = NewFormAction(&form, images, "&Stay", "", -1, nullptr);
    inert->trigger(); // nothing to run, nothing shown
    EXPECT_EQ(1u, fake.Messages.size());
}
