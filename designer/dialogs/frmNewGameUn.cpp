#include "designer/dialogs/frmNewGameUn.h"

#include "platform/Format.h"
#include "platform/Guard.h"
#include "platform/Services.h"

#include <QAction>
#include <QCursor>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QToolButton>

namespace {

constexpr int MinSize = 5;
constexpr int MaxSize = 30;

} // namespace

TfrmNewGame::TfrmNewGame(QWidget* owner) : TDialogForm(owner, "New Game", 240, 119) {
    CreateActions();
    CreateControls();
    FormCreate();
}

void TfrmNewGame::CreateActions() {
    actUp = Action("", "increase height by 1", QKeySequence("Ctrl+U"), [this] { StepSize(0, 1); });
    actDown =
        Action("", "decrease the height by 1", QKeySequence("Ctrl+D"), [this] { StepSize(0, -1); });
    actRight =
        Action("", "increase width by 1", QKeySequence("Ctrl+R"), [this] { StepSize(1, 0); });
    actLeft =
        Action("", "decrease the width by 1", QKeySequence("Ctrl+L"), [this] { StepSize(-1, 0); });
    actUp->setIcon(DialogPicture("arrow-top"));
    actDown->setIcon(DialogPicture("arrow-bottom"));
    actRight->setIcon(DialogPicture("arrow-right"));
    actLeft->setIcon(DialogPicture("arrow-left"));
    const auto preset = [this](const QString& caption, Qt::Key key, int size) {
        return Action(caption, "", QKeySequence(key), [this, size] { SetSize(size, size); });
    };
    act5x5 = preset("&5 x 5 (min)", Qt::Key_F2, 5);
    act10x10 = preset("1&0 x 10", Qt::Key_F3, 10);
    act15x15 = preset("&15 x 15 (default)", Qt::Key_F4, 15);
    act20x20 = preset("20 x 20", Qt::Key_F5, 20);
    act25x25 = preset("25 x 25", Qt::Key_F6, 25);
    act30x30 = preset("&30 x 30 (max)", Qt::Key_F7, 30);
}

void TfrmNewGame::CreateControls() {
    grpGridSize = new QGroupBox("New Game &Size", this);
    grpGridSize->setGeometry(8, 8, 145, 103);
    // The four arrows around the preset button, the size below them.
    const int left = 39, top = 16, step = 22;
    const auto arrow = [this](QAction* action, int x, int y) {
        QToolButton* button = SpeedButton(grpGridSize, QRect(x, y, step, step));
        button->setDefaultAction(action);
        return button;
    };
    btnUp = arrow(actUp, left + step, top);
    btnLeft = arrow(actLeft, left, top + step);
    btnRight = arrow(actRight, left + 2 * step, top + step);
    btnDown = arrow(actDown, left + step, top + 2 * step);
    btnPreset = SpeedButton(grpGridSize, QRect(left + step, top + step, step, step));
    btnPreset->setIcon(DialogPicture("presets"));
    btnPreset->setToolTip("select from a preset size");
    btnPreset->setStatusTip("select from a preset size");
    connect(btnPreset, &QToolButton::clicked, this,
            [this] { Guarded([this] { btnPresetClick(); }); });
    lblSize = new QLabel(grpGridSize);
    lblSize->setGeometry(8, top + 3 * step + 2, 129, 16);
    lblSize->setAlignment(Qt::AlignCenter);

    pmPresets = new QMenu(this);
    pmPresets->addActions({act5x5, act10x10, act15x15, act20x20, act25x25, act30x30});

    btnOK = OkButton(QRect(160, 16, 73, 25), "&Create");
    btnLoad = new QPushButton("&Load...", this);
    btnLoad->setGeometry(160, 48, 73, 25);
    connect(btnLoad, &QPushButton::clicked, this, [this] { done(mrYes); });
    BitBtn2 = CancelButton(QRect(160, 80, 73, 25));
}

void TfrmNewGame::FormCreate() {
    SetSize(15, 15);
}

bool TfrmNewGame::ExecuteNewGame(int& Width, int& Height, bool& Load) {
    setWindowTitle("New Game");
    btnOK->setText("&Create");
    btnLoad->setVisible(true);
    Load = false;
    switch (Execute(Width, Height)) {
    case mrOk:
        Width = FWidth;
        Height = FHeight;
        return true;
    case mrYes:
        Load = true;
        return true;
    default:
        return false;
    }
}

bool TfrmNewGame::ExecuteChangeSize(int& Width, int& Height) {
    setWindowTitle("Change Game Size");
    btnOK->setText("&Change");
    btnLoad->setVisible(false);
    if (Execute(Width, Height) != mrOk)
        return false;
    Width = FWidth;
    Height = FHeight;
    return true;
}

int TfrmNewGame::Execute(int Width, int Height) {
    SetSize(Width, Height);
    return services().ExecModal(*this);
}

void TfrmNewGame::SetSize(int Width, int Height) {
    FWidth = Width;
    FHeight = Height;
    lblSize->setText(Format("%d x %d", FWidth, FHeight));
    ApplyArrowRule();
}

void TfrmNewGame::StepSize(int WidthStep, int HeightStep) {
    SetSize(FWidth + WidthStep, FHeight + HeightStep);
}

void TfrmNewGame::ApplyArrowRule() {
    actUp->setEnabled(FHeight < MaxSize);
    actDown->setEnabled(FHeight > MinSize);
    actRight->setEnabled(FWidth < MaxSize);
    actLeft->setEnabled(FWidth > MinSize);
}

void TfrmNewGame::btnPresetClick() {
    pmPresets->popup(QCursor::pos());
}
