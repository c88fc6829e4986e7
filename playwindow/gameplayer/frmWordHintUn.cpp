#include "playwindow/gameplayer/frmWordHintUn.h"

#include "platform/Canvas.h"
#include "platform/Colors.h"
#include "platform/Format.h"
#include "platform/Services.h"
#include "playwindow/controls/ColourListBoxUn.h"
#include "playwindow/gameplayer/PlayHelpTextsUn.h"

#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>

namespace {

void SetColours(QWidget& widget, TColor background, TColor text) {
    QPalette palette = widget.palette();
    palette.setColor(QPalette::Window, ToQColor(background));
    palette.setColor(QPalette::WindowText, ToQColor(text));
    widget.setPalette(palette);
    widget.setAutoFillBackground(true);
}

} // namespace

TfrmWordHint::TfrmWordHint(QWidget* owner)
    : QDialog(owner, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint) {
    setWindowTitle("Show Hint");
    setFixedSize(246, 239);
    setFont(FormFont("Arial", 8));

    pnlTop = new QFrame(this);
    pnlTop->setGeometry(0, 0, 246, 41);
    pnlTop->setFrameStyle(QFrame::Panel | QFrame::Raised);
    SetColours(*pnlTop, clInfoBk, clInfoText);
    lblInfo = new QLabel("If you're stuck select a word from the list and click on the OK button "
                         "to give you a clue",
                         pnlTop);
    lblInfo->setGeometry(8, 4, 230, 33);
    lblInfo->setWordWrap(true);

    gbxWords = new QGroupBox("Words Not Found", this);
    gbxWords->setGeometry(8, 48, 153, 185);
    lbxWordList = new TColourListBox(gbxWords);
    lbxWordList->setGeometry(8, 18, 137, 159);
    lbxWordList->SetActiveColour(clWindow);
    lbxWordList->SetInactiveColour(clInactiveCaptionText);
    lbxWordList->SetItemHeight(14);
    lbxWordList->SetMultiSelect(false);

    btnOK = new QPushButton("OK", this);
    btnOK->setGeometry(168, 56, 73, 25);
    btnOK->setDefault(true);
    connect(btnOK, &QPushButton::clicked, this, &QDialog::accept);
    btnCancel = new QPushButton("Cancel", this);
    btnCancel->setGeometry(168, 88, 73, 25);
    connect(btnCancel, &QPushButton::clicked, this, &QDialog::reject);

    pnlHintsLeft = new QLabel("99 Hints Left", this);
    pnlHintsLeft->setGeometry(168, 208, 73, 25);
    pnlHintsLeft->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    pnlHintsLeft->setAlignment(Qt::AlignCenter);
    SetColours(*pnlHintsLeft, clBtnFace, clWindowText);
}

void TfrmWordHint::SetHintsLeft(int n) {
    pnlHintsLeft->setText(Format(sHintsLeft, n));
    if (n == 1)
        SetColours(*pnlHintsLeft, clRed, clWhite);
    else if (n == 2)
        SetColours(*pnlHintsLeft, clYellow, clBlack);
    else
        SetColours(*pnlHintsLeft, clBtnFace, clWindowText);
}

void TfrmWordHint::SetWords(const QStringList& list) {
    lbxWordList->Items().SetLines(list);
}

bool TfrmWordHint::Execute() {
    FSelectedWord.clear();
    const bool ok = services().ExecModal(*this) == mrOk;
    const int index = lbxWordList->ItemIndex();
    if (!ok || index < 0)
        return false;
    FSelectedWord = lbxWordList->Items()[index];
    return true;
}
