#pragma once

#include <QDialog>
#include <QStringList>

class QFrame;
class QGroupBox;
class QLabel;
class QPushButton;
class TColourListBox;

// The hint dialog: the player picks one of the words not found yet, whose
// first letter the play window then flashes. Created for one use.
class TfrmWordHint : public QDialog {
    Q_OBJECT
public:
    explicit TfrmWordHint(QWidget* owner);

    // Shows the count on red with one hint left, on yellow with two.
    void SetHintsLeft(int n);
    void SetWords(const QStringList& list);
    // Shows the dialog modally; true when OK was pressed with a word
    // selected, which SelectedWord then gives.
    bool Execute();
    QString SelectedWord() const { return FSelectedWord; }

    QFrame* pnlTop;
    QLabel* lblInfo;
    QGroupBox* gbxWords;
    TColourListBox* lbxWordList;
    QPushButton* btnOK;
    QPushButton* btnCancel;
    QLabel* pnlHintsLeft;

private:
    QString FSelectedWord;
};
