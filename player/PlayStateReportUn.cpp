#include "player/PlayStateReportUn.h"

#include "engine/puzzle/GlyphtrovePlayerUn.h"
#include "playwindow/gameplayer/frmGamePlayerUn.h"

#include <QApplication>
#include <QDateTime>
#include <QEvent>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLabel>
#include <QMessageBox>
#include <QSaveFile>
#include <QStatusBar>
#include <QTimer>
#include <QToolBar>
#include <QToolTip>
#include <QWidget>

namespace {

QJsonObject WindowState(const QWidget* Window) {
    const QRect area = Window->geometry();
    return {{"visible", Window->isVisible()},
            {"x", area.x()},
            {"y", area.y()},
            {"width", area.width()},
            {"height", area.height()}};
}

// A control's place in its window.
QJsonObject PlaceInWindow(const QWidget* Control) {
    const QPoint origin = Control->mapTo(Control->window(), QPoint(0, 0));
    return {{"visible", Control->isVisible()},
            {"x", origin.x()},
            {"y", origin.y()},
            {"width", Control->width()},
            {"height", Control->height()}};
}

// What the play window shows around the puzzle: the game panel, a tool bar
// button, the clock's box and the status bar's panels or message.
QJsonObject PlayControlsState(const TfrmGamePlayer& Window) {
    QJsonArray panels;
    for (int i = 0; i < 6; ++i)
        panels.append(Window.StatusPanel(i)->isVisible());
    return {
        {"gamePanel", PlaceInWindow(Window.Player()->parentWidget())},
        {"restartButton", PlaceInWindow(Window.tbMain->widgetForAction(Window.actRestartPuzzle))},
        {"timerPanel", PlaceInWindow(Window.pnlTimer)},
        {"timerBox", PlaceInWindow(Window.txtTimer)},
        {"statusPanels", panels},
        {"statusMessage", Window.sbrInfo->currentMessage()}};
}

QJsonArray RectArray(const TRect& Rect) {
    return {Rect.Left, Rect.Top, Rect.Right, Rect.Bottom};
}

// The grid's place in its window, its first and last cells in the grid's
// own pixels, and the words found so far.
QJsonObject GridState(const TGlyphtrovePlayer* Grid) {
    QJsonArray found;
    for (int i = 0; i < Grid->GetWordCount(); ++i)
        if (Grid->IsWordFound(Grid->GetWordText(i)))
            found.append(Grid->GetWordText(i));
    const QPoint origin = Grid->mapTo(Grid->window(), QPoint(0, 0));
    return {{"visible", Grid->isVisible()},
            {"x", origin.x()},
            {"y", origin.y()},
            {"columns", Grid->ColCount()},
            {"rows", Grid->RowCount()},
            {"firstCell", RectArray(Grid->CellRect(0, 0))},
            {"lastCell", RectArray(Grid->CellRect(Grid->ColCount() - 1, Grid->RowCount() - 1))},
            {"words", Grid->GetWordCount()},
            {"found", found}};
}

} // namespace

TPlayStateReport* TPlayStateReport::CreateFromEnvironment(QWidget* StartWindow,
                                                          QWidget* PlayWindow) {
    const QString fileName = qEnvironmentVariable("GLYPHTROVE_STATE_FILE");
    if (fileName.isEmpty())
        return nullptr;
    return new TPlayStateReport(fileName, StartWindow, PlayWindow);
}

TPlayStateReport::TPlayStateReport(const QString& FileName, QWidget* StartWindow,
                                   QWidget* PlayWindow)
    : FFileName(FileName), FStartWindow(StartWindow), FPlayWindow(PlayWindow) {
    qApp->installEventFilter(this);
}

TPlayStateReport::~TPlayStateReport() {
    qApp->removeEventFilter(this);
}

bool TPlayStateReport::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
    case QEvent::Show:
        if (auto* box = qobject_cast<QMessageBox*>(watched))
            FMessageBoxes.append(box->windowTitle() + ": " + box->text());
        ScheduleWrite();
        break;
    case QEvent::Paint:
        if (FFirstGridPaint == 0 && dynamic_cast<TGlyphtrovePlayer*>(watched) &&
            static_cast<QWidget*>(watched)->window() == FPlayWindow) {
            FFirstGridPaint = QDateTime::currentMSecsSinceEpoch();
            ScheduleWrite();
        }
        break;
    case QEvent::Hide:
    case QEvent::Move:
    case QEvent::Resize:
    case QEvent::MouseButtonRelease:
        ScheduleWrite();
        break;
    default:
        break;
    }
    return false;
}

void TPlayStateReport::ScheduleWrite() {
    if (FWriteScheduled)
        return;
    FWriteScheduled = true;
    QTimer::singleShot(0, this, [this] { Write(); });
}

QByteArray TPlayStateReport::Snapshot() const {
    QJsonObject state{{"startWindow", WindowState(FStartWindow)},
                      {"playWindow", WindowState(FPlayWindow)},
                      {"messageBoxes", QJsonArray::fromStringList(FMessageBoxes)},
                      {"gridPaintedAt", FFirstGridPaint}};
    if (const auto* grid = FPlayWindow->findChild<TGlyphtrovePlayer*>())
        state["grid"] = GridState(grid);
    if (const auto* window = dynamic_cast<const TfrmGamePlayer*>(FPlayWindow))
        state["playControls"] = PlayControlsState(*window);
    state["toolTip"] = QToolTip::isVisible() ? QToolTip::text() : QString();
    return QJsonDocument(state).toJson(QJsonDocument::Compact);
}

void TPlayStateReport::Write() {
    FWriteScheduled = false;
    const QByteArray state = Snapshot();
    if (state == FWritten)
        return;
    // Whole or not at all, so a reader never sees half a report. A failure
    // goes to the test's log, not into a message box the report would see.
    QSaveFile file(FFileName);
    if (!file.open(QIODevice::WriteOnly) || file.write(state) != state.size() || !file.commit()) {
        qWarning("Cannot write the state report %s", qPrintable(FFileName));
        return;
    }
    FWritten = state;
}
