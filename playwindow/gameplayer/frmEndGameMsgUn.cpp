#include "playwindow/gameplayer/frmEndGameMsgUn.h"

#include "platform/Canvas.h"
#include "platform/Colors.h"
#include "platform/Services.h"

#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QTextEdit>

namespace {

constexpr int MemoHeight = 57;
constexpr int MemoHeightAlone = 89; // covers the sub-message line

} // namespace

TfrmEndOfGameMessage::TfrmEndOfGameMessage(QWidget* owner)
    : QDialog(owner, Qt::Dialog | Qt::FramelessWindowHint) {
    setWindowTitle("end of game");
    setFixedSize(274, 138);

    pnlMessage = new QFrame(this);
    pnlMessage->setFrameStyle(QFrame::Panel | QFrame::Raised);
    pnlMessage->setGeometry(rect());

    memMainMsg = new QTextEdit(pnlMessage);
    memMainMsg->setGeometry(8, 8, 257, MemoHeight);
    memMainMsg->setReadOnly(true);
    memMainMsg->setFrameShape(QFrame::NoFrame);
    memMainMsg->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
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
    lblSubMsg->setGeometry(8, 80, 257, 17);
    lblSubMsg->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    QFont italic = FormFont("Arial", 10);
    italic.setItalic(true);
    lblSubMsg->setFont(italic);

    btnOK = new QPushButton("OK", pnlMessage);
    btnOK->setGeometry(96, 104, 81, 25);
    btnOK->setFont(FormFont("Arial", 8));
    btnOK->setDefault(true);
    connect(btnOK, &QPushButton::clicked, this, &QDialog::accept);
}

void TfrmEndOfGameMessage::ShowResult(const QString& mainText, const QString& subText) {
    memMainMsg->setPlainText(mainText);
    if (subText.isEmpty())
        memMainMsg->resize(memMainMsg->width(), MemoHeightAlone);
    lblSubMsg->setText(subText);
    services().ExecModal(*this);
}
