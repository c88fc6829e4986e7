#pragma once

#include "designer/dialogs/DialogFormUn.h"
#include "platform/Object.h"

#include <functional>

class QGroupBox;
class TColourEdit;

using TPatternChangeEvent = std::function<void(TObject* Sender, const QString& pattern)>;

// Takes a letter pattern, '#' for any cell, and reports it at every key
// release, so that the editor can highlight the matching cells while the
// user types. Created for one use.
class TfrmFindWordPattern : public TDialogForm, public TObject {
    Q_OBJECT
public:
    explicit TfrmFindWordPattern(QWidget* owner);

    // Starts with an empty pattern; true for OK.
    bool Execute();
    // The text last taken from the field.
    QString Pattern() const { return FPattern; }

    TPatternChangeEvent OnPatternChange;

    QGroupBox* grpPattern;
    TColourEdit* coledWord;
    QLabel* lblNote;
    QPushButton* btnOK;
    QPushButton* btnCancel;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void coledWordKeyPress(QChar& Key);
    void coledWordKeyUp();

    QString FPattern;
};
