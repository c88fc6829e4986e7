#pragma once

#include "designer/dialogs/DialogFormUn.h"

#include <QStringList>

class QComboBox;
class QGroupBox;

// Asks for the name of a colour scheme; the drop-down list may offer the
// names already taken. Created for one use.
class TfrmColourSchemeName : public TDialogForm {
    Q_OBJECT
public:
    explicit TfrmColourSchemeName(QWidget* owner);

    void SetSchemeNames(const QStringList& Names);
    // True for OK with the name typed or chosen; false leaves Name as it was.
    bool Execute(QString& Name);

    QGroupBox* GroupBox1;
    QComboBox* cbxSchemeName;
    QPushButton* btnOK;
    QPushButton* BitBtn2;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void cbxSchemeNameKeyUp();
};
