#include "playwindow/gameplayer/frmEndGameMsgUn.h"

#include "platform/Canvas.h"
#include "platform/Colors.h"
#include "platform/Services.h"

#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QTextEdit>
#include <algorithm>
#include <cmath>

namespace {

constexpr int FormWidth = 274;
constexpr int FormHeight = 138;
constexpr int MemoWidth = 257;
constexpr int MemoHeight = 57;
constexpr int MemoHeightAlone = 89; // covers the sub-message line
constexpr int SubMessageTop = 80;
constexpr int ButtonTop = 104;

} // namespace

TfrmEndOfGameMessage::TfrmEndOfGameMessage(QWidget* owner)
    : QDialog(owner, Qt::Dialog | Qt::FramelessWindowHint) {
    setWindowTitle("end of game");
    setFixedSize(FormWidth, FormHeight);

    pnlMessage = new QFrame(this);
    pnlMessage->setFrameStyle(QFrame::Panel | QFrame::Raised);
    pnlMessage->setGeometry(rect());

    memMainMsg = new QTextEdit(pnlMessage);
    memMainMsg->setGeometry(8, 8, MemoWidth, MemoHeight);
    memMainMsg->setReadOnly(true);
    memMainMsg->setFrameShape(QFrame::NoFrame);
    // Only a text taller than the screen leaves to scroll.
    memMainMsg->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    memMainMsg->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    memMainMsg->setFocusPolicy(Qt::NoFocus);
    memMainMsg->setFont(FormFont("Arial", 12));
    QPalette palette = memMainMsg->palette();
    palette.setColor(QPalette::Base, ToQColor(clBtnFace));
    palette.setColor(QPalette::Text, ToQColor(clWindowText));
    memMainMsg->setPalette(palette);
    QTextOption centred = memMainMsg->document()->defaultTextOption();
    centred.setAlignment(Qt::AlignHCenter);
    memMainMsg->document()->setDefaultTextOption(centred);

    lblSubMsg = new QLabel(pnlMessage);
    lblSubMsg->setGeometry(8, SubMessageTop, MemoWidth, 17);
    lblSubMsg->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    QFont italic = FormFont("Arial", 10);
    italic.setItalic(true);
    lblSubMsg->setFont(italic);

    btnOK = new QPushButton("OK", pnlMessage);
    btnOK->setGeometry(96, ButtonTop, 81, 25);
    btnOK->setFont(FormFont("Arial", 8));
    btnOK->setDefault(true);
    connect(btnOK, &QPushButton::clicked, this, &QDialog::accept);
}

void TfrmEndOfGameMessage::ShowResult(const QString& mainText, const QString& subText) {
    memMainMsg->setPlainText(mainText);
    FitMainText(subText.isEmpty() ? MemoHeightAlone : MemoHeight);
    lblSubMsg->setText(subText);
    services().ExecModal(*this);
}

// The memo grows to hold the whole text, and the message with it, as far as
// the screen has room.
void TfrmEndOfGameMessage::FitMainText(int designedHeight) {
    memMainMsg->document()->setTextWidth(MemoWidth);
    const int textHeight = int(std::ceil(memMainMsg->document()->size().height()));
    const QWidget& placed = parentWidget() ? *parentWidget() : *this;
    const int room = placed.screen()->availableGeometry().height() - FormHeight;
    const int grow = std::clamp(textHeight - designedHeight, 0, std::max(room, 0));
    memMainMsg->resize(MemoWidth, designedHeight + grow);
    lblSubMsg->move(lblSubMsg->x(), SubMessageTop + grow);
    btnOK->move(btnOK->x(), ButtonTop + grow);
    setFixedSize(FormWidth, FormHeight + grow);
    pnlMessage->setGeometry(rect());
}
