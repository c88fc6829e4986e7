#include "designer/dialogs/frmStatisticsUn.h"

#include "platform/Format.h"
#include "platform/Services.h"
#include "playwindow/controls/StaticListBoxUn.h"

#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QStatusBar>

TfrmStatistics::TfrmStatistics(QWidget* owner)
    : TDialogForm(owner, "Letter Statistics", 216, 331),
      FStatistics(std::make_unique<TWordStatistics>()) {
    btnClose = new QPushButton("&Close", this);
    btnClose->setGeometry(136, 16, 73, 25);
    btnClose->setDefault(true);
    connect(btnClose, &QPushButton::clicked, this, [this] { done(mrCancel); });

    grpDetails = new QGroupBox("details", this);
    grpDetails->setGeometry(8, 8, 121, 297);
    slbStats = new TStaticListBox(grpDetails);
    slbStats->setGeometry(10, 20, 101, 267);
    slbStats->SetColor(clBtnFace);
    slbStats->SetStyle(lbOwnerDrawFixed);
    slbStats->SetItemHeight(16);
    slbStats->OnDrawItem = [this](TCustomListBox* Control, int Index, const TRect& Rect,
                                  TOwnerDrawState State) {
        slbStatsDrawItem(Control, Index, Rect, State);
    };

    StatusBar1 = StatusBar();
    pnlStatus = StatusPanel(*StatusBar1, 0, Qt::AlignLeft);
}

void TfrmStatistics::Execute(const TStringList& Words) {
    // Counts add up over calculations, so each showing counts afresh.
    FStatistics = std::make_unique<TWordStatistics>();
    FStatistics->SetWords(Words);
    FStatistics->Calculate();
    FillList();
    services().ExecModal(*this);
}

void TfrmStatistics::FillList() {
    const int letters = FStatistics->Letters().Count();
    slbStats->Items().SetLines(QStringList(letters, QString()));
    pnlStatus->setText(
        Format("%d letters found, total of %d letters used", letters, FStatistics->Total()));
}

void TfrmStatistics::slbStatsDrawItem(TCustomListBox* Control, int Index, const TRect& Rect,
                                      TOwnerDrawState State) {
    Q_UNUSED(State);
    TCanvas& canvas = Control->Canvas();
    const TCanvasPaint paint(canvas);
    const QString letter = FStatistics->Letters()[Index];
    const QString count = QString::number(FStatistics->Counts().GetItem(Index));
    const int half = (Rect.Right - Rect.Left) / 2;
    const TRect letterRect{Rect.Left + 4, Rect.Top + 4, Rect.Left + half, Rect.Bottom};
    canvas.FillRect(letterRect);
    canvas.DrawText(letterRect, letter, dtCenter | dtVCenter);
    const TRect countRect{Rect.Left + half + 4, Rect.Top + 4, Rect.Right - 4, Rect.Bottom};
    canvas.FillRect(countRect);
    canvas.DrawText(countRect, count, dtRight | dtVCenter);
}
