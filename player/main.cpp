#include "player/PlayStateReportUn.h"
#include "player/frmPlayerMenuUn.h"
#include "playwindow/about/frmAboutUn.h"
#include "playwindow/gameplayer/ProgramUn.h"
#include "playwindow/gameplayer/frmGamePlayerUn.h"

#include <QApplication>
#include <memory>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    InitProgram("Glyphtrove Player v.1.00");

    std::unique_ptr<TfrmPlayerMenu> menu;
    std::unique_ptr<TfrmGamePlayer> playWindow;
    std::unique_ptr<TfrmAboutDesigner> aboutBox;
    if (!CreateProgramWindows([&] {
            menu = std::make_unique<TfrmPlayerMenu>(QApplication::arguments());
            playWindow = std::make_unique<TfrmGamePlayer>();
            aboutBox = std::make_unique<TfrmAboutDesigner>();
        }))
        return 1;
    menu->SetPlayWindow(playWindow.get());
    menu->SetAboutBox(aboutBox.get());
    QObject::connect(menu.get(), &TfrmPlayerMenu::Closed, &app, &QCoreApplication::quit);
    std::unique_ptr<TPlayStateReport> report(
        TPlayStateReport::CreateFromEnvironment(menu.get(), playWindow.get()));

    menu->show();
    const int result = QApplication::exec();

    report.reset();
    EndProgram(*playWindow);
    aboutBox.reset();
    playWindow.reset();
    menu.reset();
    return result;
}
