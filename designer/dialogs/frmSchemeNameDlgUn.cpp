#include "designer/dialogs/frmSchemeNameDlgUn.h"

#include "platform/Controls.h"
#include "platform/FormKit.h"
#include "platform/Guard.h"
#include "platform/Services.h"

#include <QComboBox>
#include <QGroupBox>
#include <QPushButton>

TfrmColourSchemeName::TfrmColourSchemeName(QWidget* owner)
    : TDialogForm(owner, "Puzzle Colour Scheme", 288, 72) {
    GroupBox1 = new QGroupBox("Colour Scheme &Name", this);
    GroupBox1->setGeometry(8, 4, 193, 61);
    // A name is stored as typed: filling in a listed name it begins would
    // replace that scheme.
    cbxSchemeName = NewTypedComboBox(GroupBox1, QRect(10, 24, 173, 21));
    cbxSchemeName->installEventFilter(this);
    btnOK = OkButton(QRect(208, 8, 73, 25));
    BitBtn2 = CancelButton(QRect(208, 40, 73, 25));
    // The field's own menu empties it without a key release.
    connect(cbxSchemeName, &QComboBox::editTextChanged, this, [this](const QString& text) {
        if (text.isEmpty())
            btnOK->setEnabled(false);
    });
}

void TfrmColourSchemeName::SetSchemeNames(const QStringList& Names) {
    cbxSchemeName->clear();
    cbxSchemeName->addItems(Names);
}

bool TfrmColourSchemeName::Execute(QString& Name) {
    cbxSchemeName->setEditText(Name);
    // A scheme without a name could not be told apart in the file.
    btnOK->setEnabled(!Name.isEmpty());
    if (services().ExecModal(*this) != mrOk)
        return false;
    Name = cbxSchemeName->currentText();
    return true;
}

bool TfrmColourSchemeName::eventFilter(QObject* watched, QEvent* event) {
    if (watched == cbxSchemeName && IsKeyUp(*event))
        Guarded([this] { cbxSchemeNameKeyUp(); });
    return TDialogForm::eventFilter(watched, event);
}

void TfrmColourSchemeName::cbxSchemeNameKeyUp() {
    btnOK->setEnabled(!cbxSchemeName->currentText().isEmpty());
}
