#include "support/FakeServices.h"

#include <QDir>
#include <gtest/gtest.h>

FakeServices::FakeServices() : FPrevious(SetServices(this)) {
    SetRandSeed(0);
    QDir(FTemp.path()).mkpath("program");
}

FakeServices::~FakeServices() {
    SetServices(FPrevious);
    EXPECT_TRUE(FAnswers.empty()) << FAnswers.size() << " scripted answer(s) never asked for";
}

int FakeServices::MessageDlg(const QString& text, TMsgDlgType type, TMsgDlgButtons buttons) {
    Messages.push_back({text, type, buttons});
    if (FAnswers.empty()) {
        ADD_FAILURE() << "unexpected message dialog: " << text.toStdString();
        return (buttons & mbCancel) ? mrCancel : (buttons & mbNo) ? mrNo : mrOk;
    }
    const int answer = FAnswers.front();
    FAnswers.pop_front();
    return answer;
}

std::unique_ptr<ITimer> FakeServices::CreateTimer() {
    auto timer = std::make_unique<FakeTimer>();
    Timers.push_back(timer.get());
    return timer;
}

int FakeServices::ShellOpen(const QString& fileName, const QString& parameters) {
    Q_UNUSED(parameters);
    ShellOpened.push_back(fileName);
    return ShellResult;
}

QString FakeServices::DocumentsFolder() {
    if (!Documents.isNull())
        return Documents;
    QDir(FTemp.path()).mkpath("Documents");
    return FTemp.path() + "/Documents";
}

QString FakeServices::HomeFolder() {
    QDir(FTemp.path()).mkpath("home");
    return FTemp.path() + "/home";
}
