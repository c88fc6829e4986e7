#include "designer/dialogs/frmWordPatternSearchUn.h"

#include "designer/controls/ColourEditUn.h"
#include "platform/Controls.h"
#include "platform/FormKit.h"
#include "platform/Services.h"

#include <QGroupBox>
#include <QLabel>
#include <QPushButton>

TfrmFindWordPattern::TfrmFindWordPattern(QWidget* owner)
    : TDialogForm(owner, "find word pattern", 280, 95) {
    grpPattern = new QGroupBox("enter word pattern", this);
    grpPattern->setGeometry(8, 8, 185, 81);
    coledWord = WordField(grpPattern, QRect(10, 24, 165, 21));
    lblNote = new QLabel("note. use '#' for any cell", grpPattern);
    lblNote->setGeometry(10, 52, 165, 16);
    QFont italic = lblNote->font();
    italic.setItalic(true);
    lblNote->setFont(italic);

    btnOK = OkButton(QRect(200, 16, 73, 25));
    btnCancel = CancelButton(QRect(200, 48, 73, 25));
}

bool TfrmFindWordPattern::Execute() {
    coledWord->clear();
    return services().ExecModal(*this) == mrOk;
}

bool TfrmFindWordPattern::eventFilter(QObject* watched, QEvent* event) {
    return FilterFieldKeys(
               coledWord, watched, event, [this](QChar& Key) { coledWordKeyPress(Key); },
               [this] { coledWordKeyUp(); }) ||
           TDialogForm::eventFilter(watched, event);
}

void TfrmFindWordPattern::coledWordKeyPress(QChar& Key) {
    LetterKeyPress(Key, "#");
}

void TfrmFindWordPattern::coledWordKeyUp() {
    FPattern = coledWord->text();
    if (OnPatternChange)
        OnPatternChange(this, FPattern);
}
