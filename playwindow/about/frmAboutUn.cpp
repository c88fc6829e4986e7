#include "playwindow/about/frmAboutUn.h"

#include "engine/genlib/GenLibUn.h"
#include "platform/Canvas.h"
#include "platform/Guard.h"
#include "platform/Image.h"
#include "platform/Services.h"

#include <QFrame>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QShowEvent>
#include <QSvgRenderer>

namespace {

const QString kHomePage = QStringLiteral("https://www.fernhallow.example/glyphtrove/");
constexpr int kClientWidth = 271;
// The box is 282 pixels high with its title bar; the client area is 254.
constexpr int kClientHeight = 254;

QLabel* SunkenText(QWidget* parent, const QString& text, const QRect& place) {
    auto* label = new QLabel(text, parent);
    label->setGeometry(place);
    label->setAlignment(Qt::AlignCenter);
    label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    return label;
}

} // namespace

QImage LogoPicture(int Width, int Height) {
    static const bool registered = [] {
        Q_INIT_RESOURCE(logo);
        return true;
    }();
    Q_UNUSED(registered);
    QImage picture(Width, Height, QImage::Format_ARGB32_Premultiplied);
    picture.fill(Qt::transparent);
    QSvgRenderer renderer(QStringLiteral(":/pictures/logo.svg"));
    QPainter painter(&picture);
    renderer.render(&painter);
    return picture;
}

TfrmAboutDesigner::TfrmAboutDesigner(QWidget* parent) : QDialog(parent) {
    setWindowTitle("About this application");
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    setFont(TFont().Handle());
    setFixedSize(kClientWidth, kClientHeight);
    QPalette colours = palette();
    colours.setColor(QPalette::Window, ToQColor(clBtnFace));
    setPalette(colours);

    Panel1 = new QFrame(this);
    Panel1->setGeometry(8, 8, 257, 209);
    Panel1->setFrameStyle(QFrame::Panel | QFrame::Raised);

    txtAppTitle = SunkenText(Panel1, "Glyphtrove", QRect(8, 8, 241, 25));
    TFont titleFont;
    titleFont.SetHeight(-16);
    txtAppTitle->setFont(titleFont.Handle());
    QPalette navy = txtAppTitle->palette();
    navy.setColor(QPalette::WindowText, ToQColor(clNavy));
    txtAppTitle->setPalette(navy);

    Image1 = new TImage(Panel1);
    Image1->setGeometry(32, 32, 193, 121);
    Image1->SetPicture(QPixmap::fromImage(LogoPicture()));
    Image1->setCursor(Qt::PointingHandCursor);
    Image1->setToolTip("Visit the Fernhallow Software home page");
    Image1->OnClick = [this](TObject*) { Image1Click(); };

    StaticText2 = SunkenText(Panel1, "Fernhallow Software", QRect(8, 152, 241, 18));

    btnOK = new QPushButton("OK", this);
    btnOK->setGeometry(96, 224, 81, 25);
    btnOK->setDefault(true);
    connect(btnOK, &QPushButton::clicked, this, [this] { done(mrOk); });
}

void TfrmAboutDesigner::ShowAbout() {
    setFixedSize(kClientWidth, kClientHeight);
    btnOK->setVisible(true);
    services().ExecModal(*this);
}

void TfrmAboutDesigner::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (!event->spontaneous())
        Guarded([this] { services().PlaceWindow(*this, poDesktopCenter); });
}

void OpenHomePage() {
    QString errorText;
    if (ShellOpenFile(kHomePage, QString(), errorText) <= 32)
        ErrorMessage(errorText);
}

void TfrmAboutDesigner::Image1Click() {
    OpenHomePage();
}
