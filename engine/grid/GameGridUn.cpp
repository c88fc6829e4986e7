#include "engine/grid/GameGridUn.h"

#include "platform/Format.h"
#include "platform/Guard.h"

#include <QPaintEvent>
#include <QPainter>
#include <QResizeEvent>
#include <QtEndian>
#include <algorithm>
#include <cstring>

namespace {

// Record layout in GridData, little-endian: Colour, TextColour, text length,
// five UTF-16 code units, ImageIndex, Shaded, Visible, State, UseCount.
constexpr int kColourAt = 0;
constexpr int kTextColourAt = 4;
constexpr int kTextLengthAt = 8;
constexpr int kTextAt = 9;
constexpr int kImageIndexAt = kTextAt + 2 * kMaxCellText;
constexpr int kShadedAt = kImageIndexAt + 4;
constexpr int kVisibleAt = kShadedAt + 1;
constexpr int kStateAt = kVisibleAt + 1;
constexpr int kUseCountAt = kStateAt + 4;
constexpr int kRecordSize = kUseCountAt + 4;
constexpr int kChunkRecords = 256;

void Put32(char* record, int offset, uint32_t value) {
    qToLittleEndian(value, record + offset);
}

uint32_t Get32(const char* record, int offset) {
    return qFromLittleEndian<uint32_t>(record + offset);
}

void EncodeCell(const TGameCellRecord& cell, char* record) {
    std::memset(record, 0, kRecordSize);
    Put32(record, kColourAt, cell.Colour);
    Put32(record, kTextColourAt, cell.TextColour);
    const QString text = cell.Text.left(kMaxCellText);
    record[kTextLengthAt] = char(text.size());
    for (int i = 0; i < text.size(); ++i)
        qToLittleEndian(text.at(i).unicode(), record + kTextAt + 2 * i);
    Put32(record, kImageIndexAt, uint32_t(cell.ImageIndex));
    record[kShadedAt] = cell.Shaded ? 1 : 0;
    record[kVisibleAt] = cell.Visible ? 1 : 0;
    Put32(record, kStateAt, cell.State);
    Put32(record, kUseCountAt, uint32_t(cell.UseCount));
}

TGameCellRecord DecodeCell(const char* record) {
    TGameCellRecord cell;
    cell.Colour = Get32(record, kColourAt);
    cell.TextColour = Get32(record, kTextColourAt);
    const int length = std::min<int>(uint8_t(record[kTextLengthAt]), kMaxCellText);
    if (length > 0) {
        QChar text[kMaxCellText];
        for (int i = 0; i < length; ++i)
            text[i] = QChar(qFromLittleEndian<char16_t>(record + kTextAt + 2 * i));
        cell.Text = QString(text, length);
    }
    cell.ImageIndex = int(Get32(record, kImageIndexAt));
    cell.Shaded = record[kShadedAt] != 0;
    cell.Visible = record[kVisibleAt] != 0;
    cell.State = Get32(record, kStateAt);
    cell.UseCount = int(Get32(record, kUseCountAt));
    return cell;
}

// A block of blank records.
QByteArray BlankChunk() {
    char blank[kRecordSize];
    EncodeCell(TGameCellRecord(), blank);
    QByteArray chunk(kChunkRecords * kRecordSize, Qt::Uninitialized);
    for (int i = 0; i < kChunkRecords; ++i)
        std::memcpy(chunk.data() + i * kRecordSize, blank, kRecordSize);
    return chunk;
}

int64_t CellCount(int cols, int rows) {
    return cols > 0 && rows > 0 ? int64_t(cols) * rows : 0;
}

QString ClassNameOf(const TPersistent* object) {
    return object ? object->ClassName() : QStringLiteral("nil");
}

constexpr TColor kBevelShadow = 0x808080;
constexpr TColor kBevelLight = 0xC0C0C0;

} // namespace

// ---- TBoardGame ----

TBoardGame::TBoardGame(int ColCount, int RowCount) : FColCount(ColCount), FRowCount(RowCount) {
    GrowToRecords(CellCount(ColCount, RowCount));
}

const QByteArray& TBoardGame::GridData() const {
    if (FGridDataStale) {
        FGridData.resize(FRecordCount * kRecordSize);
        for (size_t c = 0; c < FChunks.size(); ++c) {
            const int64_t at = int64_t(c) * kChunkRecords * kRecordSize;
            std::memcpy(FGridData.data() + at, FChunks[c].constData(),
                        size_t(std::min<int64_t>(FChunks[c].size(), FGridData.size() - at)));
        }
        FGridDataStale = false;
    }
    return FGridData;
}

void TBoardGame::GrowToRecords(int64_t count) {
    if (count <= FRecordCount)
        return;
    // The rest of the last block is still blank.
    static const QByteArray blank = BlankChunk();
    while (int64_t(FChunks.size()) * kChunkRecords < count)
        FChunks.push_back(blank);
    FRecordCount = count;
    FGridDataStale = true;
}

char* TBoardGame::WritableRecord(int64_t index) {
    GrowToRecords(index + 1);
    FGridDataStale = true;
    // A block shared with a copy of the board is copied here, alone.
    return FChunks[size_t(index / kChunkRecords)].data() + index % kChunkRecords * kRecordSize;
}

int64_t TBoardGame::RecordIndex(int col, int row) const {
    const int64_t index = int64_t(col) + int64_t(row) * FColCount;
    return index < 0 ? -1 : index;
}

const char* TBoardGame::StoredRecord(int col, int row) const {
    const int64_t index = RecordIndex(col, row);
    if (index < 0 || index >= FRecordCount)
        return nullptr;
    return FChunks[size_t(index / kChunkRecords)].constData() + index % kChunkRecords * kRecordSize;
}

TGameCellRecord TBoardGame::ReadCell(int col, int row) const {
    const char* record = StoredRecord(col, row);
    return record ? DecodeCell(record) : TGameCellRecord();
}

TCellLetter TBoardGame::ReadCellLetter(int col, int row) const {
    const char* record = StoredRecord(col, row);
    return record ? LetterOf(record) : TCellLetter();
}

void TBoardGame::UnsharedCells(const TBoardGame& Earlier,
                               std::vector<std::pair<int64_t, int64_t>>& Ranges) const {
    Ranges.clear();
    const int64_t cells = CellCount(FColCount, FRowCount);
    if (FColCount != Earlier.FColCount || FRowCount != Earlier.FRowCount ||
        FRecordCount != Earlier.FRecordCount) {
        Ranges.emplace_back(0, cells);
        return;
    }
    // A shared block cannot have changed: a write to it copies it first.
    // Cells beyond the stored records read blank on both boards.
    for (size_t c = 0; c < FChunks.size() && int64_t(c) * kChunkRecords < cells; ++c) {
        if (FChunks[c].constData() == Earlier.FChunks[c].constData())
            continue;
        const int64_t first = int64_t(c) * kChunkRecords;
        const int64_t end = std::min(first + kChunkRecords, cells);
        if (!Ranges.empty() && Ranges.back().second == first)
            Ranges.back().second = end;
        else
            Ranges.emplace_back(first, end);
    }
}

TCellLetter TBoardGame::LetterOf(const char* record) {
    TCellLetter letter;
    letter.State = Get32(record, kStateAt);
    letter.UseCount = int(Get32(record, kUseCountAt));
    letter.TextLength = std::min<int>(uint8_t(record[kTextLengthAt]), kMaxCellText);
    if (letter.TextLength > 0)
        letter.First = qFromLittleEndian<char16_t>(record + kTextAt);
    return letter;
}

void TBoardGame::WriteCell(int col, int row, const TGameCellRecord& record) {
    const int64_t index = RecordIndex(col, row);
    if (index < 0)
        return;
    EncodeCell(record, WritableRecord(index));
}

template <typename Change> void TBoardGame::ChangeCell(int col, int row, Change change) {
    TGameCellRecord cell = ReadCell(col, row);
    change(cell);
    WriteCell(col, row, cell);
}

void TBoardGame::SetCellColour(int col, int row, TColor value) {
    ChangeCell(col, row, [&](TGameCellRecord& cell) { cell.Colour = value; });
}

void TBoardGame::SetCellTextColour(int col, int row, TColor value) {
    ChangeCell(col, row, [&](TGameCellRecord& cell) { cell.TextColour = value; });
}

void TBoardGame::SetCellText(int col, int row, const QString& value) {
    ChangeCell(col, row, [&](TGameCellRecord& cell) { cell.Text = value.left(kMaxCellText); });
}

void TBoardGame::SetCellImageIndex(int col, int row, int value) {
    ChangeCell(col, row, [&](TGameCellRecord& cell) { cell.ImageIndex = value; });
}

void TBoardGame::SetCellShaded(int col, int row, bool value) {
    ChangeCell(col, row, [&](TGameCellRecord& cell) { cell.Shaded = value; });
}

void TBoardGame::SetCellVisible(int col, int row, bool value) {
    ChangeCell(col, row, [&](TGameCellRecord& cell) { cell.Visible = value; });
}

void TBoardGame::SetCellState(int col, int row, uint32_t value) {
    ChangeCell(col, row, [&](TGameCellRecord& cell) { cell.State = value; });
}

void TBoardGame::SetCellUseCount(int col, int row, int value) {
    ChangeCell(col, row, [&](TGameCellRecord& cell) { cell.UseCount = value; });
}

void TBoardGame::Fill(const QString& Text, TColor Colour, TColor TextColour, int ImageIndex,
                      uint32_t State, bool Shaded, bool Visible) {
    TGameCellRecord cell;
    cell.Text = Text.left(kMaxCellText);
    cell.Colour = Colour;
    cell.TextColour = TextColour;
    cell.ImageIndex = ImageIndex;
    cell.State = State;
    cell.Shaded = Shaded;
    cell.Visible = Visible;
    char record[kRecordSize];
    EncodeCell(cell, record);
    const int64_t count = CellCount(FColCount, FRowCount);
    for (int64_t i = 0; i < count; ++i)
        std::memcpy(WritableRecord(i), record, kRecordSize);
}

void TBoardGame::Assign(TPersistent* Source) {
    auto* board = dynamic_cast<TBoardGame*>(Source);
    if (!board)
        throw EGameGrid(Format("Cannot assign data from a %s class", ClassNameOf(Source)));
    CopyRecords(*board, *this);
}

void TBoardGame::AssignTo(TPersistent* Dest) {
    auto* board = dynamic_cast<TBoardGame*>(Dest);
    if (!board)
        throw EGameGrid(Format("Cannot assign data to a %s class", ClassNameOf(Dest)));
    CopyRecords(*this, *board);
}

void TBoardGame::CopyRecords(const TBoardGame& From, TBoardGame& To) {
    To.FChunks = From.FChunks;
    To.FRecordCount = From.FRecordCount;
    To.FGridDataStale = true;
}

// ---- TCustomGameGrid ----

TCustomGameGrid::TCustomGameGrid(QWidget* AOwner) : QWidget(AOwner) {
    Font().SetSize(10);
    Font().SetBold(true);
    FBoardGame = std::make_unique<TBoardGame>(7, 7);
    FLayoutDirty = true;
    FUpdatesEnabled = false;
    FGridLineWidth = 1;
    FImageList = nullptr;
    FSquareCells = true;
    FBorderStyle = bsSingle;
    FBackgroundColour = FColor;
    FShadedFillColour = 0x808080;
    FDisableWhenShaded = true;
    FDrawCellIn3D = false;
    SetColCount(7);
    SetRowCount(7);
    ResetMouseCell();
    FUpdatesEnabled = true;
    FillCells("0", Color(), Font().Color(), -1, 0, false, true);
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

TCustomGameGrid::~TCustomGameGrid() = default;

void TCustomGameGrid::SetColCount(int value) {
    if (value <= 0 || Width() <= 0)
        return;
    FBoardGame->SetColCount(value);
    FLayoutDirty = true;
}

void TCustomGameGrid::SetRowCount(int value) {
    if (value <= 0 || Height() <= 0)
        return;
    FBoardGame->SetRowCount(value);
    FLayoutDirty = true;
}

void TCustomGameGrid::SetBoardSize(int Columns, int Rows) {
    if (Columns <= 0 || Rows <= 0)
        return;
    FBoardGame->SetColCount(Columns);
    FBoardGame->SetRowCount(Rows);
    FLayoutDirty = true;
}

void TCustomGameGrid::SetWidth(int value) {
    resize(value, height());
    FLayoutDirty = true;
}

void TCustomGameGrid::SetHeight(int value) {
    resize(width(), value);
    FLayoutDirty = true;
}

void TCustomGameGrid::SetBackgroundColour(TColor value) {
    FBackgroundColour = value;
    InvalidateWhenEnabled();
}

void TCustomGameGrid::SetBorderStyle(TBorderStyle value) {
    FBorderStyle = value;
    Invalidate();
}

void TCustomGameGrid::SetGridLineWidth(int value) {
    FGridLineWidth = value;
    InvalidateWhenEnabled();
}

void TCustomGameGrid::SetLineColour(TColor value) {
    FLineColour = value;
    InvalidateWhenEnabled();
}

void TCustomGameGrid::SetSquareCells(bool value) {
    FSquareCells = value;
    Invalidate();
}

void TCustomGameGrid::SetDrawCellIn3D(bool value) {
    FDrawCellIn3D = value;
    Invalidate();
}

void TCustomGameGrid::SetShadedFillColour(TColor value) {
    FShadedFillColour = value;
    InvalidateWhenEnabled();
}

void TCustomGameGrid::SetShadedLineColour(TColor value) {
    FShadedLineColour = value;
    InvalidateWhenEnabled();
}

void TCustomGameGrid::SetDisableWhenShaded(bool value) {
    FDisableWhenShaded = value;
    InvalidateWhenEnabled();
}

void TCustomGameGrid::SetStretched(bool value) {
    FStretched = value;
    InvalidateWhenEnabled();
}

void TCustomGameGrid::SetGraphicPostion(TGameGridGraphicPosition value) {
    FGraphicPostion = value;
    InvalidateWhenEnabled();
}

void TCustomGameGrid::SetTransparent(bool value) {
    FTransparent = value;
    InvalidateWhenEnabled();
}

void TCustomGameGrid::SetFont(const TFont& value) {
    Font() = value;
    Invalidate();
}

void TCustomGameGrid::SetColor(TColor value) {
    FColor = value;
    Invalidate();
}

template <typename Change> void TCustomGameGrid::ChangeCell(int col, int row, Change change) {
    change(*FBoardGame);
    RedrawCell(col, row);
}

void TCustomGameGrid::SetCellText(int col, int row, const QString& value) {
    ChangeCell(col, row, [&](TBoardGame& board) { board.SetCellText(col, row, value); });
}

void TCustomGameGrid::SetCellColour(int col, int row, TColor value) {
    ChangeCell(col, row, [&](TBoardGame& board) { board.SetCellColour(col, row, value); });
}

void TCustomGameGrid::SetCellTextColour(int col, int row, TColor value) {
    ChangeCell(col, row, [&](TBoardGame& board) { board.SetCellTextColour(col, row, value); });
}

void TCustomGameGrid::SetCellShaded(int col, int row, bool value) {
    ChangeCell(col, row, [&](TBoardGame& board) { board.SetCellShaded(col, row, value); });
}

void TCustomGameGrid::SetCellImageIndex(int col, int row, int value) {
    if (!FImageList)
        return;
    ChangeCell(col, row, [&](TBoardGame& board) { board.SetCellImageIndex(col, row, value); });
}

void TCustomGameGrid::SetCellState(int col, int row, uint32_t value) {
    ChangeCell(col, row, [&](TBoardGame& board) { board.SetCellState(col, row, value); });
}

void TCustomGameGrid::SetCellUseCount(int col, int row, int value) {
    ChangeCell(col, row, [&](TBoardGame& board) { board.SetCellUseCount(col, row, value); });
}

void TCustomGameGrid::SetCellVisible(int col, int row, bool value) {
    ChangeCell(col, row, [&](TBoardGame& board) { board.SetCellVisible(col, row, value); });
}

void TCustomGameGrid::FillCells(const QString& Text, TColor Colour, TColor TextColour,
                                int ImageIndex, uint32_t State, bool Shaded, bool Visible) {
    FBoardGame->Fill(Text, Colour, TextColour, ImageIndex, State, Shaded, Visible);
}

bool TCustomGameGrid::PrepareCellDrawing() {
    if (!FUpdatesEnabled)
        return false;
    if (PrepareImage())
        Invalidate();
    // The whole image is painted before it is next shown: a cell drawn now
    // would only be drawn over.
    return !FFullPaintPending;
}

void TCustomGameGrid::RedrawCell(int col, int row) {
    if (!PrepareCellDrawing())
        return;
    DrawCell(col, row);
    const TRect rect = CellRect(col, row);
    update(rect.Left, rect.Top, rect.Width(), rect.Height());
}

void TCustomGameGrid::EndUpdate() {
    FUpdatesEnabled = true;
    Invalidate();
}

void TCustomGameGrid::RecalculateLayout() {
    FLayoutDirty = true;
    PaintImage();
    update();
}

TRect TCustomGameGrid::CellRect(int col, int row) const {
    TRect rect;
    rect.Left = col * FCellWidth + 1;
    rect.Top = row * FCellHeight + 1;
    rect.Right = rect.Left + FCellWidth - FGridLineWidth;
    rect.Bottom = rect.Top + FCellHeight - FGridLineWidth;
    return rect;
}

QSize TCustomGameGrid::DrawnExtent() const {
    const TRect last = CellRect(ColCount() - 1, RowCount() - 1);
    return QSize(last.Right, last.Bottom);
}

bool TCustomGameGrid::TakeDrawnExtent(const QSize& Room) {
    const QSize taken = size().expandedTo(DrawnExtent()).boundedTo(Room);
    if (taken != size()) {
        resize(taken);
        RecalculateLayout();
    }
    const QSize extent = DrawnExtent();
    return extent.width() <= taken.width() && extent.height() <= taken.height();
}

void TCustomGameGrid::ShrinkForClosingLines() {
    const QSize extent = DrawnExtent();
    resize(width() - (extent.width() > width() ? 1 : 0),
           height() - (extent.height() > height() ? 1 : 0));
    RecalculateLayout();
}

QPoint TCustomGameGrid::CellAtPoint(int X, int Y) const {
    const QPoint none(-1, -1);
    if (X < 0 || X >= FClientWidth || Y < 0 || Y >= FClientHeight)
        return none;
    // The counts may have changed since the last layout: only a cell of the
    // board as it is now counts.
    const int colWidth = ColCount() > 0 ? FClientWidth / ColCount() : 0;
    const int rowHeight = RowCount() > 0 ? FClientHeight / RowCount() : 0;
    if (colWidth <= 0 || rowHeight <= 0)
        return none;
    const QPoint cell(X / colWidth, Y / rowHeight);
    return FBoardGame->IsValidCell(cell.x(), cell.y()) ? cell : none;
}

void TCustomGameGrid::Invalidate() {
    FFullPaintPending = true;
    update();
}

void TCustomGameGrid::InvalidateWhenEnabled() {
    if (FUpdatesEnabled)
        Invalidate();
}

// ---- layout and painting ----

void TCustomGameGrid::CalculateLayout() {
    const int colWidth = ColCount() > 0 ? Width() / ColCount() : 0;
    const int rowHeight = RowCount() > 0 ? Height() / RowCount() : 0;
    FSquareSize = std::min(colWidth, rowHeight);
    FCellWidth = FSquareCells ? FSquareSize : colWidth;
    FCellHeight = FSquareCells ? FSquareSize : rowHeight;
    if (FSquareSize > 0) {
        FClientWidth = ColCount() * FCellWidth;
        FClientHeight = RowCount() * FCellHeight;
    }
    FitFont();
    FLayoutDirty = false;
}

// Shrinks the point size until "WW" fits the cell's width and the cell
// height until it fits the cell's height; neither goes below 2.
void TCustomGameGrid::FitFont() {
    TFont& font = Font();
    int size = FCellWidth;
    int height = FCellHeight;
    font.SetSize(size);
    font.SetHeight(height);
    bool widthDone = false;
    bool heightDone = false;
    while (!(widthDone && heightDone)) {
        const QSize extent = FCanvas.TextExtent(QStringLiteral("WW"));
        if (extent.width() > FCellWidth - 1 && size > 2)
            font.SetSize(--size);
        else
            widthDone = true;
        if (extent.height() > FCellHeight - 1 && height > 2)
            font.SetHeight(--height);
        else
            heightDone = true;
    }
}

bool TCustomGameGrid::PrepareImage() {
    if (FImage.size() == size())
        return false;
    FImage = QImage(size(), QImage::Format_RGB32);
    if (!FImage.isNull())
        FImage.fill(ToQColor(FBackgroundColour));
    return true;
}

void TCustomGameGrid::PaintImage() {
    PrepareImage();
    FFullPaintPending = false;
    Paint();
}

void TCustomGameGrid::Paint() {
    if (FLayoutDirty)
        CalculateLayout();
    TPen& pen = FCanvas.Pen();
    pen.SetMode(pmCopy);
    pen.SetWidth(1);
    // The outline of a single border is drawn in the line colour.
    pen.SetColor(FBorderStyle == bsNone ? FBackgroundColour : FLineColour);
    FCanvas.Brush().SetStyle(bsSolid);
    FCanvas.Brush().SetColor(FBackgroundColour);
    const TCanvasPaint painting(FCanvas);
    FCanvas.Rectangle(0, 0, Width(), Height());
    for (int col = 0; col < ColCount(); ++col)
        for (int row = 0; row < RowCount(); ++row)
            DrawCell(col, row);
}

void TCustomGameGrid::DrawCell(int col, int row) {
    const TRect rect = CellRect(col, row);
    const TGameCellRecord cell = GetCell(col, row);
    TColor fill = FBackgroundColour;
    TColor line = FBackgroundColour;
    if (cell.Shaded) {
        fill = FShadedFillColour;
        line = FShadedLineColour;
    } else if (cell.Visible) {
        fill = cell.Colour;
        line = FLineColour;
    }
    const TCanvasPaint painting(FCanvas);
    FCanvas.Brush().SetStyle(bsSolid);
    FCanvas.Brush().SetColor(fill);
    FCanvas.Pen().SetColor(line);
    FCanvas.Rectangle(rect);
    if (FDrawCellIn3D) {
        FCanvas.Pen().SetColor(kBevelShadow);
        FCanvas.MoveTo(rect.Left + 1, rect.Bottom - 2);
        FCanvas.LineTo(rect.Left + 1, rect.Top + 1);
        FCanvas.LineTo(rect.Right - 2, rect.Top + 1);
        FCanvas.Pen().SetColor(kBevelLight);
        FCanvas.LineTo(rect.Right - 2, rect.Bottom - 2);
        FCanvas.LineTo(rect.Left + 1, rect.Bottom - 2);
    }
    if (FDisableWhenShaded && cell.Shaded)
        return;
    DrawCellImage(rect, cell);
    DrawCellText(rect, cell);
}

void TCustomGameGrid::DrawCellImage(const TRect& rect, const TGameCellRecord& cell) {
    if (cell.ImageIndex < 0 || !FImageList)
        return;
    const QImage picture = FImageList->Picture(cell.ImageIndex);
    if (picture.isNull())
        return;
    if (FStretched) {
        FCanvas.StretchDraw(rect, picture, FTransparent);
        return;
    }
    const int spareX = rect.Width() - picture.width();
    const int spareY = rect.Height() - picture.height();
    int x = 0;
    int y = 0;
    switch (FGraphicPostion) {
    case gggpTopLeft:
        break;
    case gggpTopRight:
        x = spareX;
        break;
    case gggpBottomLeft:
        y = spareY;
        break;
    case gggpBottomRight:
        x = spareX;
        y = spareY;
        break;
    case gggpCentered:
        x = spareX / 2;
        y = spareY / 2;
        break;
    }
    FCanvas.Draw(rect.Left + x, rect.Top + y, picture, FTransparent);
}

void TCustomGameGrid::DrawCellText(const TRect& rect, const TGameCellRecord& cell) {
    if (cell.Text.isEmpty())
        return;
    Font().SetColor(cell.TextColour);
    const QSize extent = FCanvas.TextExtent(cell.Text);
    FCanvas.TextOut(rect.Left + (rect.Width() - extent.width()) / 2,
                    rect.Top + (rect.Height() - extent.height()) / 2, cell.Text);
}

// ---- events ----

void TCustomGameGrid::paintEvent(QPaintEvent* event) {
    Guarded([&] {
        if (FFullPaintPending || FImage.size() != size())
            PaintImage();
        QPainter painter(this);
        painter.drawImage(event->rect(), FImage, event->rect());
    });
}

void TCustomGameGrid::resizeEvent(QResizeEvent* event) {
    if (event->size() == event->oldSize())
        return;
    Guarded([&] {
        QWidget::resizeEvent(event);
        // A size given by a Qt layout lays the cells out as SetWidth does.
        FLayoutDirty = true;
        Invalidate();
        if (OnResize)
            OnResize(this);
    });
}

void TCustomGameGrid::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
    if (OnMouseDown)
        OnMouseDown(this, Button, Shift, X, Y);
}

void TCustomGameGrid::MouseMove(TShiftState Shift, int X, int Y) {
    const QPoint cell = CellAtPoint(X, Y);
    if (cell != FLastMouseCell && OnMouseMove)
        OnMouseMove(this, Shift, cell.x(), cell.y());
    FLastMouseCell = cell;
}

void TCustomGameGrid::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
    if (OnMouseUp)
        OnMouseUp(this, Button, Shift, X, Y);
}

void TCustomGameGrid::mousePressEvent(QMouseEvent* event) {
    if (!HasMouseButton(event->button()))
        return;
    Guarded([&] {
        const QPoint at = event->position().toPoint();
        MouseDown(MouseButtonOf(event->button()), ShiftStateOf(*event), at.x(), at.y());
    });
}

void TCustomGameGrid::mouseMoveEvent(QMouseEvent* event) {
    Guarded([&] {
        const QPoint at = event->position().toPoint();
        MouseMove(ShiftStateOf(*event), at.x(), at.y());
    });
}

void TCustomGameGrid::mouseReleaseEvent(QMouseEvent* event) {
    if (!HasMouseButton(event->button()))
        return;
    Guarded([&] {
        const QPoint at = event->position().toPoint();
        MouseUp(MouseButtonOf(event->button()), ShiftStateOf(*event), at.x(), at.y());
    });
}

void TCustomGameGrid::focusInEvent(QFocusEvent* event) {
    Guarded([&] {
        QWidget::focusInEvent(event);
        if (OnEnter)
            OnEnter(this);
    });
}

void TCustomGameGrid::focusOutEvent(QFocusEvent* event) {
    Guarded([&] {
        QWidget::focusOutEvent(event);
        if (OnExit)
            OnExit(this);
    });
}
