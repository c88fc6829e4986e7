#include "playwindow/gameplayer/ProgramUn.h"

#include "platform/Guard.h"
#include "platform/Services.h"
#include "playwindow/gameplayer/frmGamePlayerUn.h"

#include <QApplication>

void InitProgram(const QString& Title) {
    SetApplicationTitle(Title);
    QApplication::setQuitOnLastWindowClosed(false);
}

bool CreateProgramWindows(const std::function<void()>& Create) {
    bool created = false;
    Guarded([&] {
        Create();
        created = true;
    });
    return created;
}

void EndProgram(TfrmGamePlayer& PlayWindow) {
    // Its destructor may not fail; SaveOptions shows a failure in one box.
    PlayWindow.SaveOptions();
}
