#pragma once

#include <QByteArray>
#include <QObject>
#include <QString>
#include <QStringList>

class QWidget;

// For the end-to-end tests and the start-up benchmark only: when the
// environment names a file in GLYPHTROVE_STATE_FILE, the program keeps in it
// what a test cannot read from the screen: where the windows and the
// puzzle's cells are, which words are found, which message boxes showed,
// and when the puzzle was first painted. Otherwise nothing is watched.
class TPlayStateReport : public QObject {
public:
    // Null unless the environment asks for a report.
    static TPlayStateReport* CreateFromEnvironment(QWidget* StartWindow, QWidget* PlayWindow);

    TPlayStateReport(const QString& FileName, QWidget* StartWindow, QWidget* PlayWindow);
    ~TPlayStateReport() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // The report as it stands, as JSON text.
    QByteArray Snapshot() const;
    void ScheduleWrite();
    void Write();

    QString FFileName;
    QWidget* FStartWindow;
    QWidget* FPlayWindow;
    QStringList FMessageBoxes;
    qint64 FFirstGridPaint = 0;
    bool FWriteScheduled = false;
    QByteArray FWritten;
};
