#pragma once

#include "designer/dialogs/DialogFormUn.h"
#include "engine/matching/WrdStatUn.h"
#include "platform/ListBox.h"

#include <memory>

class QGroupBox;
class TStaticListBox;

// How often each character occurs in the puzzle's words, one line per
// character in sorted order, with the number of distinct characters and
// the total below. Created for one use.
class TfrmStatistics : public TDialogForm {
    Q_OBJECT
public:
    explicit TfrmStatistics(QWidget* owner);

    // Counts the words' characters and shows the counts modally.
    void Execute(const TStringList& Words);

    QPushButton* btnClose;
    QGroupBox* grpDetails;
    TStaticListBox* slbStats;
    QStatusBar* StatusBar1;
    QLabel* pnlStatus;

private:
    void FillList();
    void slbStatsDrawItem(TCustomListBox* Control, int Index, const TRect& Rect,
                          TOwnerDrawState State);

    std::unique_ptr<TWordStatistics> FStatistics;
};
