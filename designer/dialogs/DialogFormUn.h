#pragma once

#include <QDialog>
#include <QIcon>
#include <QKeySequence>
#include <functional>

class QAction;
class TColourEdit;
class QLabel;
class QPushButton;
class QStatusBar;
class QToolButton;

// The designer's small modal dialogs: fixed size with a dialog border, the
// form's font, centred on the owner window when shown.
class TDialogForm : public QDialog {
public:
    TDialogForm(QWidget* owner, const QString& caption, int clientWidth, int clientHeight);

protected:
    void showEvent(QShowEvent* event) override;

    // An OK (modal result mrOk, the default button) or Cancel button.
    QPushButton* OkButton(const QRect& bounds, const QString& caption = "OK");
    QPushButton* CancelButton(const QRect& bounds);
    // A status bar along the bottom of the dialog.
    QStatusBar* StatusBar();
    // An action of the form, its handler run through the guard; its
    // shortcut works wherever the focus is in the form.
    QAction* Action(const QString& caption, const QString& hint, const QKeySequence& shortcut,
                    std::function<void()> handler);
    // The letter field of the find dialogs: yellow while typed in, nothing
    // dropped into it, its keys seen by the dialog's event filter.
    TColourEdit* WordField(QWidget* parent, const QRect& bounds);
};

// A panel of a status bar, Width pixels wide (0: the rest of the bar).
QLabel* StatusPanel(QStatusBar& Bar, int Width, Qt::Alignment Alignment);

// The key rule of the letter fields: a-z becomes A-Z; anything but A-Z,
// Backspace and the Extra characters is dropped.
void LetterKeyPress(QChar& Key, const QString& Extra = QString());

// A flat speed button.
QToolButton* SpeedButton(QWidget* parent, const QRect& bounds);

// The pictures of the dialogs' buttons and actions, drawn from our own SVG
// files: "arrow-top", "presets", "copy"...
QIcon DialogPicture(const QString& name);
