#include "designer/dialogs/frmFindWordUn.h"

#include "designer/controls/ColourEditUn.h"
#include "platform/Controls.h"
#include "platform/FormKit.h"
#include "platform/Format.h"
#include "platform/Services.h"
#include "playwindow/controls/StaticListBoxUn.h"

#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QStatusBar>

TfrmFindWord::TfrmFindWord(QWidget* owner) : TDialogForm(owner, "find word", 279, 323) {
    grpWordMatch = new QGroupBox("word match", this);
    grpWordMatch->setGeometry(8, 8, 185, 57);
    coledWord = WordField(grpWordMatch, QRect(10, 24, 165, 21));

    grpWordList = new QGroupBox("word list", this);
    grpWordList->setGeometry(8, 72, 185, 217);
    slbxWordList = new TStaticListBox(grpWordList);
    slbxWordList->setGeometry(10, 20, 165, 187);
    slbxWordList->SetColor(clBtnFace);
    slbxWordList->SetItemHeight(14);

    btnOK = OkButton(QRect(200, 16, 73, 25));
    btnCancel = CancelButton(QRect(200, 48, 73, 25));

    sbInfo = StatusBar();
    pnlCount = StatusPanel(*sbInfo, 60, Qt::AlignHCenter);
    pnlHint = StatusPanel(*sbInfo, 200, Qt::AlignHCenter);
    pnlHint->setText("type search criteria into word match");
}

void TfrmFindWord::SetWordList(const TStringList& Strings) {
    FMatch.Clear();
    FMatch.AddStrings(Strings.Lines());
}

bool TfrmFindWord::Execute() {
    btnOK->setEnabled(false);
    FResultList.Clear();
    ShowWords(FMatch);
    if (services().ExecModal(*this) != mrOk)
        return false;
    FResultList.AddStrings(slbxWordList->Items().Lines());
    return true;
}

bool TfrmFindWord::eventFilter(QObject* watched, QEvent* event) {
    return FilterFieldKeys(
               coledWord, watched, event, [this](QChar& Key) { coledWordKeyPress(Key); },
               [this] { coledWordKeyUp(); }) ||
           TDialogForm::eventFilter(watched, event);
}

void TfrmFindWord::coledWordKeyPress(QChar& Key) {
    LetterKeyPress(Key);
}

void TfrmFindWord::coledWordKeyUp() {
    const QString text = coledWord->text();
    if (text.isEmpty()) {
        ShowWords(FMatch);
        return;
    }
    FMatch.Match(text);
    ShowWords(FMatch.MatchList());
}

void TfrmFindWord::ShowWords(const TStringList& Words) {
    slbxWordList->Items().SetLines(Words.Lines());
    UpdateStatus();
}

void TfrmFindWord::UpdateStatus() {
    const int n = slbxWordList->Items().Count();
    btnOK->setEnabled(n > 0);
    pnlCount->setText(n == 0 ? QString("none") : Format("%d word", n) + (n > 1 ? "s" : ""));
}
