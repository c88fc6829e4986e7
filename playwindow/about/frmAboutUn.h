#pragma once

#include <QDialog>
#include <QImage>

class QFrame;
class QLabel;
class QPushButton;
class TImage;

// The logo, drawn at its own size unless asked otherwise (the player's
// start window shows it too).
QImage LogoPicture(int Width = 193, int Height = 121);
// Opens the maker's home page, where the logo leads; a failure is shown in
// the error box.
void OpenHomePage();

// The about box: the program's title line, the maker's logo, which opens
// the maker's home page when clicked, and a credit line.
class TfrmAboutDesigner : public QDialog {
public:
    explicit TfrmAboutDesigner(QWidget* parent = nullptr);

    // Shows the box modally; returns when the user closes it.
    void ShowAbout();

    QFrame* Panel1;
    QLabel* txtAppTitle;
    TImage* Image1;
    QLabel* StaticText2;
    QPushButton* btnOK;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void Image1Click();
};
