#pragma once

#include "designer/dialogs/DialogFormUn.h"

class QGroupBox;
class QLabel;
class QMenu;

// Chooses a grid size, width by height, each 5 to 30 cells: "New Game"
// (with Load, to open a game file instead) or "Change Game Size". It only
// returns the numbers. Created for one use.
class TfrmNewGame : public TDialogForm {
    Q_OBJECT
public:
    explicit TfrmNewGame(QWidget* owner);

    // True for Create (the size in Width and Height) and for Load (Load
    // true, the size unchanged); false for Cancel.
    bool ExecuteNewGame(int& Width, int& Height, bool& Load);
    // True for Change, with the size; false and unchanged otherwise.
    bool ExecuteChangeSize(int& Width, int& Height);

    QGroupBox* grpGridSize;
    QLabel* lblSize;
    QToolButton* btnUp;
    QToolButton* btnLeft;
    QToolButton* btnPreset;
    QToolButton* btnRight;
    QToolButton* btnDown;
    QPushButton* btnOK;
    QPushButton* btnLoad;
    QPushButton* BitBtn2;
    QMenu* pmPresets;

    QAction* actUp;
    QAction* actDown;
    QAction* actRight;
    QAction* actLeft;
    QAction* act5x5;
    QAction* act10x10;
    QAction* act15x15;
    QAction* act20x20;
    QAction* act25x25;
    QAction* act30x30;

private:
    void CreateControls();
    void CreateActions();
    void FormCreate();
    int Execute(int Width, int Height);
    void SetSize(int Width, int Height);
    void StepSize(int WidthStep, int HeightStep);
    void ApplyArrowRule();
    void btnPresetClick();

    int FWidth = 15;
    int FHeight = 15;
};
