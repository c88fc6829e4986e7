#include "designer/dialogs/frmWordMatchUn.h"

#include "platform/RadioGroup.h"
#include "platform/Services.h"

#include <QLayout>
#include <QPushButton>

namespace {

constexpr QSize ClientSize(280, 119);
constexpr QSize GroupSize(177, 105);
constexpr int ButtonLeft = 200;

} // namespace

TfrmWordMatch::TfrmWordMatch(QWidget* owner)
    : TDialogForm(owner, "word matches found", ClientSize.width(), ClientSize.height()) {
    rgpSelection = new TRadioGroup("&select word to edit", {}, this);
    rgpSelection->setGeometry(QRect(QPoint(8, 8), GroupSize));
    // The lines share the height evenly; no gaps beyond that.
    rgpSelection->layout()->setSpacing(0);
    rgpSelection->OnClick = [this] { rgpSelectionClick(); };
    btnOK = OkButton(QRect(ButtonLeft, 16, 73, 25));
    btnCancel = CancelButton(QRect(ButtonLeft, 48, 73, 25));
}

int TfrmWordMatch::Execute(const QStringList& Words) {
    rgpSelection->SetItems(Words);
    FitSelection();
    rgpSelectionClick();
    if (services().ExecModal(*this) != mrOk)
        return -1;
    return rgpSelection->ItemIndex();
}

void TfrmWordMatch::rgpSelectionClick() {
    btnOK->setEnabled(rgpSelection->ItemIndex() >= 0);
}

// More words than the group holds, or longer ones, would squeeze or cut
// their lines: the group grows until each has its whole line, and the
// dialog with it, the buttons staying beside the group.
void TfrmWordMatch::FitSelection() {
    const QSize group = rgpSelection->sizeHint().expandedTo(GroupSize);
    rgpSelection->resize(group);
    const QSize growth = group - GroupSize;
    for (QPushButton* button : {btnOK, btnCancel})
        button->move(ButtonLeft + growth.width(), button->y());
    setFixedSize(ClientSize + growth);
}
