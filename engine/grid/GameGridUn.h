#pragma once

#include "platform/Canvas.h"
#include "platform/Controls.h"
#include "platform/Exception.h"
#include "platform/ImageList.h"
#include "platform/Object.h"

#include <QByteArray>
#include <QImage>
#include <QPoint>
#include <QSize>
#include <QString>
#include <QWidget>
#include <cstdint>
#include <memory>
#include <utility>
#include <vector>

// One cell of a board. A default record is the blank record: what a read
// beyond the stored cells yields.
struct TGameCellRecord {
    TColor Colour = clBlack;
    TColor TextColour = clBlack;
    QString Text; // at most 5 characters
    int ImageIndex = -1;
    bool Shaded = false;
    bool Visible = false;
    uint32_t State = 0;
    int UseCount = 0;
};

// Bits of a cell's State.
enum TWordGameCellState : uint32_t {
    wgcsBlank = 0,
    wgcsFiller = 1,
    wgcsDummy = 2,
    wgcsWord = 4,
    wgcsHighlighted = 8,
};

constexpr int kMaxCellText = 5;

// What a search reads of a cell, taken without building its record.
struct TCellLetter {
    uint32_t State = 0;
    int UseCount = 0;
    int TextLength = 0;
    char16_t First = 0; // the first character of the text; 0 when it has none
};

class EGameGrid : public Exception {
public:
    using Exception::Exception;
};

// The cells of a ColCount x RowCount grid, stored as fixed-size records row
// after row in GridData. The counts can change without touching the records;
// an owner fills the board after changing them. The records are kept in
// blocks: a copy of the board shares them, and a change then copies only the
// block it falls in, so a snapshot of a large board costs little.
class TBoardGame : public TPersistent {
public:
    TBoardGame(int ColCount, int RowCount);

    int ColCount() const { return FColCount; }
    void SetColCount(int value) { FColCount = value; }
    int RowCount() const { return FRowCount; }
    void SetRowCount(int value) { FRowCount = value; }
    // Every stored record, row after row.
    const QByteArray& GridData() const;

    TGameCellRecord ReadCell(int col, int row) const;
    TCellLetter ReadCellLetter(int col, int row) const;
    // The records [first, end) of the cells that may differ from Earlier's,
    // a board this one was copied from or to: those in storage blocks no
    // longer shared, or every cell when the two differ in size.
    void UnsharedCells(const TBoardGame& Earlier,
                       std::vector<std::pair<int64_t, int64_t>>& Ranges) const;
    void WriteCell(int col, int row, const TGameCellRecord& record);

    TColor GetCellColour(int col, int row) const { return ReadCell(col, row).Colour; }
    TColor GetCellTextColour(int col, int row) const { return ReadCell(col, row).TextColour; }
    QString GetCellText(int col, int row) const { return ReadCell(col, row).Text; }
    int GetCellImageIndex(int col, int row) const { return ReadCell(col, row).ImageIndex; }
    bool GetCellShaded(int col, int row) const { return ReadCell(col, row).Shaded; }
    bool GetCellVisible(int col, int row) const { return ReadCell(col, row).Visible; }
    uint32_t GetCellState(int col, int row) const { return ReadCell(col, row).State; }
    int GetCellUseCount(int col, int row) const { return ReadCell(col, row).UseCount; }

    void SetCellColour(int col, int row, TColor value);
    void SetCellTextColour(int col, int row, TColor value);
    void SetCellText(int col, int row, const QString& value);
    void SetCellImageIndex(int col, int row, int value);
    void SetCellShaded(int col, int row, bool value);
    void SetCellVisible(int col, int row, bool value);
    void SetCellState(int col, int row, uint32_t value);
    void SetCellUseCount(int col, int row, int value);

    // Writes the same record (UseCount 0) to all ColCount x RowCount cells.
    void Fill(const QString& Text, TColor Colour, TColor TextColour, int ImageIndex, uint32_t State,
              bool Shaded, bool Visible);
    void FillCells(const QString& Text, TColor Colour, TColor TextColour, int ImageIndex,
                   uint32_t State, bool Shaded, bool Visible) {
        Fill(Text, Colour, TextColour, ImageIndex, State, Shaded, Visible);
    }

    bool IsValidCell(int col, int row) const {
        return col >= 0 && col < FColCount && row >= 0 && row < FRowCount;
    }
    static bool HasFlags(uint32_t value, uint32_t mask) { return (value & mask) == mask; }
    bool CellHasState(int col, int row, uint32_t mask) const {
        return HasFlags(GetCellState(col, row), mask);
    }
    bool CellHasState2(int col, int row, uint32_t mask) const {
        return CellHasState(col, row, mask);
    }

    // Copies the cell stream (not the counts) from another board.
    void Assign(TPersistent* Source) override;

protected:
    void AssignTo(TPersistent* Dest) override;

private:
    // Record index of a cell; -1 when it cannot name a record.
    int64_t RecordIndex(int col, int row) const;
    // The bytes of a stored cell; null for a cell beyond the stored records.
    const char* StoredRecord(int col, int row) const;
    static TCellLetter LetterOf(const char* record);
    // Makes the store hold at least count records, new ones blank.
    void GrowToRecords(int64_t count);
    char* WritableRecord(int64_t index);
    static void CopyRecords(const TBoardGame& From, TBoardGame& To);
    template <typename Change> void ChangeCell(int col, int row, Change change);

    int FColCount;
    int FRowCount;
    std::vector<QByteArray> FChunks;
    int64_t FRecordCount = 0;
    mutable QByteArray FGridData;
    mutable bool FGridDataStale = true;
};

enum TBorderStyle : uint8_t { bsNone, bsSingle };

enum TGameGridGraphicPosition : uint8_t {
    gggpTopLeft,
    gggpTopRight,
    gggpBottomLeft,
    gggpBottomRight,
    gggpCentered,
};

// A grid of boxes with centred text, drawn from a board. The control paints
// into a backing image (Canvas()); the screen is a copy of that image.
class TCustomGameGrid : public QWidget, public TPersistent {
    Q_OBJECT
public:
    explicit TCustomGameGrid(QWidget* AOwner);
    ~TCustomGameGrid() override;

    int ColCount() const { return FBoardGame->ColCount(); }
    virtual void SetColCount(int value);
    int RowCount() const { return FBoardGame->RowCount(); }
    virtual void SetRowCount(int value);
    int Width() const { return width(); }
    void SetWidth(int value);
    int Height() const { return height(); }
    void SetHeight(int value);

    TColor BackgroundColour() const { return FBackgroundColour; }
    void SetBackgroundColour(TColor value);
    TBorderStyle BorderStyle() const { return FBorderStyle; }
    void SetBorderStyle(TBorderStyle value);
    int GridLineWidth() const { return FGridLineWidth; }
    void SetGridLineWidth(int value);
    TColor LineColour() const { return FLineColour; }
    void SetLineColour(TColor value);
    bool SquareCells() const { return FSquareCells; }
    void SetSquareCells(bool value);
    bool DrawCellIn3D() const { return FDrawCellIn3D; }
    void SetDrawCellIn3D(bool value);
    TColor ShadedFillColour() const { return FShadedFillColour; }
    void SetShadedFillColour(TColor value);
    TColor ShadedLineColour() const { return FShadedLineColour; }
    void SetShadedLineColour(TColor value);
    bool DisableWhenShaded() const { return FDisableWhenShaded; }
    void SetDisableWhenShaded(bool value);
    // Not owned.
    TImageList* ImageList() const { return FImageList; }
    void SetImageList(TImageList* value) { FImageList = value; }
    bool Stretched() const { return FStretched; }
    void SetStretched(bool value);
    TGameGridGraphicPosition GraphicPostion() const { return FGraphicPostion; }
    void SetGraphicPostion(TGameGridGraphicPosition value);
    bool Transparent() const { return FTransparent; }
    void SetTransparent(bool value);
    TFont& Font() { return FCanvas.Font(); }
    const TFont& Font() const { return FCanvas.Font(); }
    void SetFont(const TFont& value);
    TColor Color() const { return FColor; }
    void SetColor(TColor value);

    int ClientWidth() const { return FClientWidth; }
    int ClientHeight() const { return FClientHeight; }
    int CellWidth() const { return FCellWidth; }
    int CellHeight() const { return FCellHeight; }
    const QByteArray& GridData() const { return FBoardGame->GridData(); }
    TBoardGame* BoardGame() const { return FBoardGame.get(); }

    // The backing image and the canvas that draws on it.
    TCanvas& Canvas() { return FCanvas; }
    const QImage& Image() const { return FImage; }

    QString GetCellText(int col, int row) const { return FBoardGame->GetCellText(col, row); }
    void SetCellText(int col, int row, const QString& value);
    TColor GetCellColour(int col, int row) const { return FBoardGame->GetCellColour(col, row); }
    void SetCellColour(int col, int row, TColor value);
    TColor GetCellTextColour(int col, int row) const {
        return FBoardGame->GetCellTextColour(col, row);
    }
    void SetCellTextColour(int col, int row, TColor value);
    void SetCellShaded(int col, int row, bool value);
    void SetCellImageIndex(int col, int row, int value);
    uint32_t GetCellState(int col, int row) const { return FBoardGame->GetCellState(col, row); }
    void SetCellState(int col, int row, uint32_t value);
    int GetCellUseCount(int col, int row) const { return FBoardGame->GetCellUseCount(col, row); }
    void SetCellUseCount(int col, int row, int value);
    bool GetCellVisible(int col, int row) const { return FBoardGame->GetCellVisible(col, row); }
    void SetCellVisible(int col, int row, bool value);
    TGameCellRecord GetCell(int col, int row) const { return FBoardGame->ReadCell(col, row); }

    // The board's Fill; draws nothing (the caller repaints).
    void FillCells(const QString& Text, TColor Colour, TColor TextColour, int ImageIndex,
                   uint32_t State, bool Shaded, bool Visible);
    void FillAllCells(const QString& Text, TColor Colour, TColor TextColour, int ImageIndex,
                      uint32_t State, bool Shaded, bool Visible) {
        FillCells(Text, Colour, TextColour, ImageIndex, State, Shaded, Visible);
    }

    void RedrawCell(int col, int row);
    // Runs Change, whose cells are redrawn as it goes, with one painter for
    // them all: a change of several cells made as one step.
    template <typename Change> void RedrawingCells(const Change& change) {
        const bool drawing = PrepareCellDrawing();
        const TCanvasPaint painting(FCanvas, drawing);
        change();
    }
    void BeginUpdate() { FUpdatesEnabled = false; }
    void EndUpdate();
    bool UpdatesEnabled() const { return FUpdatesEnabled; }
    // Marks the layout and repaints at once.
    virtual void RecalculateLayout();
    TRect CellRect(int col, int row) const;
    // The pixels the laid-out grid draws from its top-left corner: its cells
    // start one pixel in and close the last column and row with lines on the
    // pixel past them.
    QSize DrawnExtent() const;
    // The grid takes what it draws, within Room: the pixel of the closing
    // lines that its room gives. True when it holds all it draws.
    bool TakeDrawnExtent(const QSize& Room);
    // Cells that fill the grid leave their closing lines no pixel: one pixel
    // less each way they overflow leaves it, and the cells are laid out again.
    void ShrinkForClosingLines();
    // The cell under a pixel of the control; (-1, -1) when there is none.
    QPoint CellAtPoint(int X, int Y) const;
    void ResetMouseCell() { FLastMouseCell = QPoint(-1, -1); }

    TMouseEvent OnMouseDown;
    TMouseEvent OnMouseUp;
    // X and Y carry the column and row under the mouse, (-1, -1) outside.
    TMouseMoveEvent OnMouseMove;
    TNotifyEvent OnResize;
    TNotifyEvent OnEnter;
    TNotifyEvent OnExit;

protected:
    virtual void Paint();
    virtual void DrawCell(int col, int row);
    // The mouse handlers; X and Y are pixels of the control.
    virtual void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y);
    virtual void MouseMove(TShiftState Shift, int X, int Y);
    virtual void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y);
    // Invalidates the whole control: the next paint runs Paint first.
    void Invalidate();
    // Sets both counts whatever the control's pixel size, for a puzzle read
    // from a file; sides below 1 are ignored and the cells are not touched.
    virtual void SetBoardSize(int Columns, int Rows);

    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    void CalculateLayout();
    void FitFont();
    void PaintImage();
    bool PrepareImage();
    // Readies the image for cells redrawn one by one; false while drawing
    // is suspended or the whole image waits to be painted.
    bool PrepareCellDrawing();
    void InvalidateWhenEnabled();
    void DrawCellImage(const TRect& rect, const TGameCellRecord& cell);
    void DrawCellText(const TRect& rect, const TGameCellRecord& cell);
    template <typename Change> void ChangeCell(int col, int row, Change change);

    std::unique_ptr<TBoardGame> FBoardGame;
    QImage FImage;
    TCanvas FCanvas{&FImage};
    TColor FColor = clBtnFace;
    TColor FBackgroundColour = clBtnFace;
    TBorderStyle FBorderStyle = bsSingle;
    int FGridLineWidth = 1;
    TColor FLineColour = clBlack;
    bool FSquareCells = true;
    bool FDrawCellIn3D = false;
    TColor FShadedFillColour = 0x808080;
    TColor FShadedLineColour = clBlack;
    bool FDisableWhenShaded = true;
    TImageList* FImageList = nullptr;
    bool FStretched = false;
    TGameGridGraphicPosition FGraphicPostion = gggpTopLeft;
    bool FTransparent = false;
    int FClientWidth = 0;
    int FClientHeight = 0;
    int FCellWidth = 0;
    int FCellHeight = 0;
    int FSquareSize = 0;
    QPoint FLastMouseCell{-1, -1};
    bool FUpdatesEnabled = false;
    bool FLayoutDirty = true;
    bool FFullPaintPending = true;
};

// Suspends a grid's drawing for a bulk change; the grid repaints once when
// the change ends, also when it raised.
class TGridUpdate {
public:
    explicit TGridUpdate(TCustomGameGrid& Grid) : FGrid(Grid) { FGrid.BeginUpdate(); }
    ~TGridUpdate() { FGrid.EndUpdate(); }
    TGridUpdate(const TGridUpdate&) = delete;
    TGridUpdate& operator=(const TGridUpdate&) = delete;

private:
    TCustomGameGrid& FGrid;
};
