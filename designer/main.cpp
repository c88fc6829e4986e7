#include "designer/editor/EditorDialogWiringUn.h"
#include "designer/frmFrontMenuUn.h"
#include "playwindow/about/frmAboutUn.h"
#include "playwindow/gameplayer/ProgramUn.h"
#include "playwindow/gameplayer/frmGamePlayerUn.h"

#include <QApplication>
#include <memory>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    InitProgram("Glyphtrove Designer v.1.00b");
    // Every editor window opens the designer's own dialogs.
    SetEditorDialogs(DesignerEditorDialogs());

    std::unique_ptr<TfrmFrontMenu> frontMenu;
    std::unique_ptr<TfrmAboutDesigner> aboutBox;
    std::unique_ptr<TfrmGamePlayer> playWindow;
    if (!CreateProgramWindows([&] {
            frontMenu = std::make_unique<TfrmFrontMenu>();
            aboutBox = std::make_unique<TfrmAboutDesigner>();
            playWindow = std::make_unique<TfrmGamePlayer>();
        }))
        return 1;
    frontMenu->SetAboutBox(aboutBox.get());
    frontMenu->SetPlayWindow(playWindow.get());
    QObject::connect(frontMenu.get(), &TfrmFrontMenu::Closed, &app, &QCoreApplication::quit);

    frontMenu->show();
    const int result = QApplication::exec();

    EndProgram(*playWindow);
    // In the reverse order of their creation; the start window's game
    // manager window then asks once more about every game still modified.
    playWindow.reset();
    aboutBox.reset();
    frontMenu.reset();
    return result;
}
