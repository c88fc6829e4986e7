#pragma once

#include "designer/dialogs/DialogFormUn.h"
#include "engine/wordgame/WordDirectionUn.h"
#include "platform/Object.h"

#include <array>
#include <functional>

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QMenu;
class TColourEdit;
class TWordWishList;

using TWordChangeEvent = std::function<void(TObject* Sender, int Column, int Row,
                                            TWordDirectionType Direction, const QString& Word)>;
using TDummyChangeEvent = std::function<void(TObject* Sender, bool Checked)>;
using TFitWordEvent = std::function<void(TObject* Sender, const QString& Word, bool& Result)>;
using TAddToWishListEvent = std::function<void(TObject* Sender, const QString& Word)>;

// The dialog in which the designer types or picks one word and chooses its
// direction and start cell. Every change is reported through OnWordChange
// so that the editor can preview the word; the dialog never touches the
// puzzle. Created once by the editor window and reused.
class TfrmWordEditor : public TDialogForm, public TObject {
    Q_OBJECT
public:
    explicit TfrmWordEditor(QWidget* owner);

    // True for OK, with the word, direction and start cell chosen; false
    // leaves the arguments as they were. EditMode hides the dummy switch.
    bool Execute(QString& Word, TWordDirectionType& Direction, int& Column, int& Row,
                 bool EditMode);
    // Shows a start cell, direction and word (Fit Word's answer too).
    void SetWordData(int Column, int Row, TWordDirectionType Direction, const QString& Word);
    // Sets the dummy switch, shown or not.
    void SetDummy(bool Checked);
    // Not owned; the word box lists its words and Add to Wish List adds to it.
    void SetWishList(TWordWishList* List) { FWishList = List; }

    int MaxRow() const { return FMaxRow; }
    void SetMaxRow(int Value) { FMaxRow = Value; }
    int MaxColumn() const { return FMaxColumn; }
    void SetMaxColumn(int Value) { FMaxColumn = Value; }

    TWordChangeEvent OnWordChange;
    TDummyChangeEvent OnDummyChange;
    TFitWordEvent OnFitWord;
    TAddToWishListEvent OnAddToWishList;

    QGroupBox* GroupBox1;
    QLabel* Label1;
    QComboBox* cbxWord;
    QCheckBox* cbxDummy;
    QGroupBox* GroupBox2;
    QToolButton* btnTopLeft;
    QToolButton* btnTop;
    QToolButton* btnTopRight;
    QToolButton* btnLeft;
    QToolButton* btnRight;
    QToolButton* btnBottomLeft;
    QToolButton* btnBottom;
    QToolButton* btnBottomRight;
    QGroupBox* GroupBox3;
    QLabel* Label2;
    TColourEdit* coledColumn;
    QToolButton* btnColDown;
    QToolButton* btnColUp;
    QLabel* Label3;
    TColourEdit* coledRow;
    QToolButton* btnRowDown;
    QToolButton* btnRowUp;
    QPushButton* btnOK;
    QPushButton* BitBtn2;
    QMenu* PopupMenu1;

    QAction* actCopy;
    QAction* actPaste;
    QAction* actFitWord;
    QAction* actAddToWishList;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void CreateActions();
    void CreateControls();
    void CreateDirectionButtons();
    void CreatePositionControls();
    void FormCreate();

    void actCopyExecute();
    void actPasteExecute();
    void actFitWordExecute();
    void actAddToWishListExecute();
    void btnOKClick();
    void cbxDummyClick();
    void cbxWordKeyPress(QChar& Key);
    void coledColumnKeyPress(QChar& Key);
    void coledRowKeyPress(QChar& Key);
    void coledColumnKeyUp();
    void coledRowKeyUp();

    bool IsActionShortcut(const QEvent& event) const;
    void SelectDirection(TWordDirectionType Direction);
    void SetWordText(const QString& Text);
    // The word box := Text's letters and digits, upper-cased.
    void PasteWord(const QString& Text);
    void WordChange();
    void RaiseWordChange();
    void ApplyEnablingRule();
    void ApplyArrowRule();
    void StepColumn(int Step);
    void StepRow(int Step);

    TWordDirectionType FDirection = wdRight;
    std::array<QToolButton*, WordDirectionCount> FDirectionButtons{};
    int FMaxRow = 0;
    int FMaxColumn = 0;
    int FColumn = 0;
    int FRow = 0;
    QString FWord;
    TWordWishList* FWishList = nullptr;
};
