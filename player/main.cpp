#include "platform/Guard.h"
#include "player/PlayStateReportUn.h"
#include "player/frmPlayerMenuUn.h"
#include "playwindow/about/frmAboutUn.h"
#include "playwindow/gameplayer/frmGamePlayerUn.h"

#include <QApplication>
#include <memory>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    // The title every window and the HTML page carry.
    QApplication::setApplicationDisplayName("Glyphtrove Player v.1.00");
    // The program ends when the start window closes, not when the last
    // window does: the play window hides it while a game is played.
    QApplication::setQuitOnLastWindowClosed(false);

    std::unique_ptr<TfrmPlayerMenu> menu;
    std::unique_ptr<TfrmGamePlayer> playWindow;
    std::unique_ptr<TfrmAboutDesigner> aboutBox;
    bool created = false;
    Guarded([&] {
        menu = std::make_unique<TfrmPlayerMenu>(QApplication::arguments());
        playWindow = std::make_unique<TfrmGamePlayer>();
        aboutBox = std::make_unique<TfrmAboutDesigner>();
        created = true;
    });
    if (!created)
        return 1;
    menu->SetPlayWindow(playWindow.get());
    menu->SetAboutBox(aboutBox.get());
    QObject::connect(menu.get(), &TfrmPlayerMenu::Closed, &app, &QCoreApplication::quit);
    std::unique_ptr<TPlayStateReport> report(
        TPlayStateReport::CreateFromEnvironment(menu.get(), playWindow.get()));

    menu->show();
    const int result = QApplication::exec();

    report.reset();
    // The play options are saved while the play window still exists: its
    // destructor may not fail, SaveOptions shows a failure in one box.
    playWindow->SaveOptions();
    aboutBox.reset();
    playWindow.reset();
    menu.reset();
    return result;
}
