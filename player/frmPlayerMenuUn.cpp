#include "player/frmPlayerMenuUn.h"

#include "engine/genlib/GenLibUn.h"
#include "platform/Canvas.h"
#include "platform/Colors.h"
#include "platform/FormKit.h"
#include "platform/Guard.h"
#include "platform/Image.h"
#include "playwindow/about/frmAboutUn.h"
#include "playwindow/gameplayer/frmGamePlayerUn.h"

#include <QAction>
#include <QCloseEvent>
#include <QFileInfo>
#include <QFrame>
#include <QShowEvent>
#include <QToolButton>

namespace {

constexpr int PlayerHelpContext = 19;

} // namespace

TfrmPlayerMenu::TfrmPlayerMenu(const QStringList& Arguments, QWidget* parent) : QWidget(parent) {
    Q_INIT_RESOURCE(player);
    setWindowTitle("Glyphtrove Player - by Fernhallow Software");
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                   Qt::WindowCloseButtonHint);
    setFont(FormFont("Arial", 8));
    setFixedSize(376, 328);
    CreateControls();
    FormCreate(Arguments);
}

TfrmPlayerMenu::~TfrmPlayerMenu() = default;

QAction* TfrmPlayerMenu::CreateAction(const QString& Caption, const QString& Hint,
                                      const QString& Picture, void (TfrmPlayerMenu::*Handler)()) {
    return NewFormAction(this, ImageList, Caption, Hint, ImageList.AddSvg(Picture),
                         [this, Handler] { (this->*Handler)(); });
}

QToolButton* TfrmPlayerMenu::CreateButton(QAction* Action, int Left) {
    auto* button = new QToolButton(pnlBack);
    button->setDefaultAction(Action);
    // The caption keeps its "&", so Alt and the letter press the button.
    button->setText(Action->text());
    button->setAutoRaise(true);
    button->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    button->setIconSize(QSize(32, 32));
    button->setFont(FormFont("Arial", 10));
    button->setFocusPolicy(Qt::NoFocus);
    button->setGeometry(Left, 240, 81, 65);
    return button;
}

void TfrmPlayerMenu::CreateControls() {
    // The panel's lowered outer and raised inner bevel: two nested frames.
    pnlBack = new QFrame(this);
    pnlBack->setGeometry(8, 8, 361, 313);
    pnlBack->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    auto* innerBevel = new QFrame(pnlBack);
    innerBevel->setGeometry(1, 1, 359, 311);
    innerBevel->setFrameStyle(QFrame::Panel | QFrame::Raised);

    pnlTitle = new QLabel("Glyphtrove Player v.1.00", pnlBack);
    pnlTitle->setGeometry(8, 8, 345, 25);
    pnlTitle->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    pnlTitle->setAlignment(Qt::AlignCenter);
    pnlTitle->setFont(FormFont("Arial", 10));
    QPalette titlePalette = pnlTitle->palette();
    titlePalette.setColor(QPalette::WindowText, ToQColor(clNavy));
    pnlTitle->setPalette(titlePalette);

    Image1 = new TImage(pnlBack);
    Image1->setGeometry(80, 32, 201, 121);
    // The about box's logo at its own size, centred in the wider frame.
    Image1->SetPicture(QPixmap::fromImage(LogoPicture()));
    Image1->setCursor(Qt::PointingHandCursor);
    Image1->setToolTip("Visit the Fernhallow Software home page");
    Image1->OnClick = [this](TObject*) { Image1Click(); };

    actPlayer = CreateAction("&Player", "start the player", ":/player/player.svg",
                             &TfrmPlayerMenu::actPlayerExecute);
    actHowToUse = CreateAction("How to use", "find how to use the player", ":/player/howto.svg",
                               &TfrmPlayerMenu::actHowToUseExecute);
    actInfo = CreateAction("Infomation", "find more information about the author and its products",
                           ":/player/info.svg", &TfrmPlayerMenu::actInfoExecute);
    actExit = CreateAction("Exit", "exit this application", ":/player/exit.svg",
                           &TfrmPlayerMenu::actExitExecute);
    btnPlayer = CreateButton(actPlayer, 8);
    btnHowToUse = CreateButton(actHowToUse, 96);
    btnInfo = CreateButton(actInfo, 184);
    btnExit = CreateButton(actExit, 272);
}

void TfrmPlayerMenu::FormCreate(const QStringList& Arguments) {
    // Further arguments are ignored; there are no switches.
    if (Arguments.size() > 1)
        FStartupFileName = Arguments[1];
}

void TfrmPlayerMenu::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (event->spontaneous())
        return;
    services().PlaceWindow(*this, poDesktopCenter);
    Guarded([this] { FormShow(); });
    if (!FShownBefore) {
        FShownBefore = true;
        QMetaObject::invokeMethod(
            this, [this] { Guarded([this] { FormPaint(); }); }, Qt::QueuedConnection);
    }
}

void TfrmPlayerMenu::FormShow() {
    FPlayWindow->SetCallerForm(this);
    CheckHelpFile();
}

void TfrmPlayerMenu::CheckHelpFile() {
    const QString path = HelpFileBesideProgram();
    const bool available = QFileInfo::exists(path);
    FPlayWindow->SetHelpAvailable(available);
    actHowToUse->setEnabled(available);
    if (available)
        FHelpFile = path;
}

void TfrmPlayerMenu::FormPaint() {
    if (FStartupFileName.isEmpty())
        return;
    // Forgotten before the open, so a file that fails is never tried again.
    const QString name = FStartupFileName;
    FStartupFileName.clear();
    FPlayWindow->PlayGame(name);
}

void TfrmPlayerMenu::closeEvent(QCloseEvent* event) {
    if (AcceptCloseIf(event, [this] { return FormCloseQuery(); }))
        emit Closed();
}

bool TfrmPlayerMenu::FormCloseQuery() {
    return ConfirmMessage("Do you wish to quit the Glyphtrove Player now?");
}

void TfrmPlayerMenu::actPlayerExecute() {
    FPlayWindow->PlayGame(QString());
}

void TfrmPlayerMenu::actHowToUseExecute() {
    services().ShowHelp(FHelpFile, PlayerHelpContext);
}

void TfrmPlayerMenu::actInfoExecute() {
    FAboutBox->ShowAbout();
}

void TfrmPlayerMenu::actExitExecute() {
    close();
}

void TfrmPlayerMenu::Image1Click() {
    OpenHomePage();
}
