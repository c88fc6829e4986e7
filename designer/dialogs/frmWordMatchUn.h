#pragma once

#include "designer/dialogs/DialogFormUn.h"

#include <QStringList>

class TRadioGroup;

// Lets the user pick one of the words a grid cell belongs to. Created for
// one use.
class TfrmWordMatch : public TDialogForm {
    Q_OBJECT
public:
    explicit TfrmWordMatch(QWidget* owner);

    // The index of the word chosen for OK, else -1.
    int Execute(const QStringList& Words);

    TRadioGroup* rgpSelection;
    QPushButton* btnOK;
    QPushButton* btnCancel;

private:
    void FitSelection();
    void rgpSelectionClick();
};
