#include "designer/dialogs/frmWordMatchUn.h"

#include "platform/RadioGroup.h"
#include "platform/Services.h"

#include <QPushButton>

TfrmWordMatch::TfrmWordMatch(QWidget* owner) : TDialogForm(owner, "word matches found", 280, 119) {
    rgpSelection = new TRadioGroup("&select word to edit", {}, this);
    rgpSelection->setGeometry(8, 8, 177, 105);
    rgpSelection->OnClick = [this] { rgpSelectionClick(); };
    btnOK = OkButton(QRect(200, 16, 73, 25));
    btnCancel = CancelButton(QRect(200, 48, 73, 25));
}

int TfrmWordMatch::Execute(const QStringList& Words) {
    rgpSelection->SetItems(Words);
    rgpSelectionClick();
    if (services().ExecModal(*this) != mrOk)
        return -1;
    return rgpSelection->ItemIndex();
}

void TfrmWordMatch::rgpSelectionClick() {
    btnOK->setEnabled(rgpSelection->ItemIndex() >= 0);
}
