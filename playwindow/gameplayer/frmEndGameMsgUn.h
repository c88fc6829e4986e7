#pragma once

#include <QDialog>

class QFrame;
class QLabel;
class QPushButton;
class QTextEdit;

// The message at the end of a game: how it ended, and the time taken when
// there is one. Created for one showing.
class TfrmEndOfGameMessage : public QDialog {
    Q_OBJECT
public:
    explicit TfrmEndOfGameMessage(QWidget* owner);

    // Shows the two texts modally; without a sub text the main text takes
    // the room of both. A longer main text makes the message taller.
    void ShowResult(const QString& mainText, const QString& subText);

    QFrame* pnlMessage;
    QTextEdit* memMainMsg;
    QLabel* lblSubMsg;
    QPushButton* btnOK;

private:
    // The main text's memo at its designed height, or taller for a text
    // that needs it.
    void FitMainText(int designedHeight);
};
