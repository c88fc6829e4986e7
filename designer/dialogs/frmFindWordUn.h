#pragma once

#include "designer/dialogs/DialogFormUn.h"
#include "engine/matching/StringMatchUn.h"

class QGroupBox;
class TColourEdit;
class TStaticListBox;

// Narrows the puzzle's words to those containing the typed letters and
// hands the words left back for highlighting. Created for one use.
class TfrmFindWord : public TDialogForm {
    Q_OBJECT
public:
    explicit TfrmFindWord(QWidget* owner);

    // The candidates, copied.
    void SetWordList(const TStringList& Strings);
    // True for OK: ResultList then holds the words shown (all candidates
    // when nothing was typed). False leaves it empty.
    bool Execute();
    const TStringList& ResultList() const { return FResultList; }

    QGroupBox* grpWordMatch;
    TColourEdit* coledWord;
    QGroupBox* grpWordList;
    TStaticListBox* slbxWordList;
    QPushButton* btnOK;
    QPushButton* btnCancel;
    QStatusBar* sbInfo;
    QLabel* pnlCount;
    QLabel* pnlHint;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void coledWordKeyPress(QChar& Key);
    void coledWordKeyUp();
    void ShowWords(const TStringList& Words);
    void UpdateStatus();

    TStringMatch FMatch;
    TStringList FResultList;
};
