#include "designer/dialogs/frmWordMatchUn.h"

#include "platform/RadioGroup.h"
#include "platform/Services.h"

#include <QLayout>
#include <QPushButton>
#include <algorithm>

namespace {

constexpr int ClientHeight = 119;
constexpr int GroupHeight = 105;

} // namespace

TfrmWordMatch::TfrmWordMatch(QWidget* owner)
    : TDialogForm(owner, "word matches found", 280, ClientHeight) {
    rgpSelection = new TRadioGroup("&select word to edit", {}, this);
    rgpSelection->setGeometry(8, 8, 177, GroupHeight);
    // The lines share the height evenly; no gaps beyond that.
    rgpSelection->layout()->setSpacing(0);
    rgpSelection->OnClick = [this] { rgpSelectionClick(); };
    btnOK = OkButton(QRect(200, 16, 73, 25));
    btnCancel = CancelButton(QRect(200, 48, 73, 25));
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

// More words than the group holds would squeeze their lines into each
// other: the group, and the dialog with it, grows until each has its line.
void TfrmWordMatch::FitSelection() {
    const int height = std::max(GroupHeight, rgpSelection->minimumSizeHint().height());
    rgpSelection->resize(rgpSelection->width(), height);
    setFixedSize(width(), ClientHeight + height - GroupHeight);
}
