#include "engine/grid/GameGridUn.h"
#include "support/Screenshot.h"

#include <QApplication>
#include <QDir>
#include <QResizeEvent>
#include <QTest>
#include <QVBoxLayout>
#include <functional>
#include <gtest/gtest.h>

namespace {

// Counts the control's own painting.
class CountingGrid : public TCustomGameGrid {
public:
    CountingGrid() : TCustomGameGrid(nullptr) {}
    int Paints = 0;
    int CellDraws = 0;

protected:
    void Paint() override {
        ++Paints;
        TCustomGameGrid::Paint();
    }
    void DrawCell(int col, int row) override {
        ++CellDraws;
        TCustomGameGrid::DrawCell(col, row);
    }
};

void Layout(TCustomGameGrid& grid, int cols, int rows, int width, int height) {
    grid.SetWidth(width);
    grid.SetHeight(height);
    grid.SetColCount(cols);
    grid.SetRowCount(rows);
    grid.RecalculateLayout();
}

void ShowAndSettle(QWidget& widget) {
    widget.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&widget));
    QApplication::processEvents();
}

QRgb Pixel(const TCustomGameGrid& grid, int x, int y) {
    return grid.Image().pixel(x, y);
}

QRgb Rgb(TColor colour) {
    return ToQColor(colour).rgb();
}

// The bounding box of the pixels of one colour inside rect.
QRect ColourBox(const QImage& image, const TRect& rect, QRgb colour) {
    QRect box;
    for (int y = rect.Top; y < rect.Bottom; ++y)
        for (int x = rect.Left; x < rect.Right; ++x)
            if (image.pixel(x, y) == colour)
                box |= QRect(x, y, 1, 1);
    return box;
}

} // namespace

TEST(GameGrid, StartsAsASevenBySevenBoardOfZeros) {
    TCustomGameGrid grid(nullptr);
    EXPECT_EQ(7, grid.ColCount());
    EXPECT_EQ(7, grid.RowCount());
    EXPECT_EQ(1, grid.GridLineWidth());
    EXPECT_TRUE(grid.SquareCells());
    EXPECT_EQ(bsSingle, grid.BorderStyle());
    EXPECT_EQ(grid.Color(), grid.BackgroundColour());
    EXPECT_EQ(TColor(0x808080), grid.ShadedFillColour());
    EXPECT_TRUE(grid.DisableWhenShaded());
    EXPECT_FALSE(grid.DrawCellIn3D());
    EXPECT_EQ(gggpTopLeft, grid.GraphicPostion());
    EXPECT_EQ(10, grid.Font().Size());
    EXPECT_TRUE(grid.Font().Bold());
    EXPECT_EQ(0, grid.ClientWidth());
    EXPECT_EQ(0, grid.CellWidth());
    for (int col = 0; col < 7; ++col)
        for (int row = 0; row < 7; ++row) {
            const TGameCellRecord cell = grid.GetCell(col, row);
            EXPECT_EQ("0", cell.Text.toStdString());
            EXPECT_EQ(grid.Color(), cell.Colour);
            EXPECT_EQ(grid.Font().Color(), cell.TextColour);
            EXPECT_EQ(-1, cell.ImageIndex);
            EXPECT_TRUE(cell.Visible);
            EXPECT_FALSE(cell.Shaded);
        }
}

TEST(GameGrid, LayoutFromTheControlSize) {
    struct Case {
        int cols, rows, width, height;
        bool square;
        int cellWidth, cellHeight, clientWidth, clientHeight;
    } cases[] = {
        {10, 10, 305, 210, true, 21, 21, 210, 210},
        {20, 10, 400, 300, true, 20, 20, 400, 200},
        {20, 10, 400, 300, false, 20, 30, 400, 300},
        {7, 7, 100, 100, true, 14, 14, 98, 98},
    };
    for (const Case& c : cases) {
        TCustomGameGrid grid(nullptr);
        grid.SetSquareCells(c.square);
        Layout(grid, c.cols, c.rows, c.width, c.height);
        EXPECT_EQ(c.cellWidth, grid.CellWidth()) << c.cols << "x" << c.rows;
        EXPECT_EQ(c.cellHeight, grid.CellHeight()) << c.cols << "x" << c.rows;
        EXPECT_EQ(c.clientWidth, grid.ClientWidth()) << c.cols << "x" << c.rows;
        EXPECT_EQ(c.clientHeight, grid.ClientHeight()) << c.cols << "x" << c.rows;
    }
}

TEST(GameGrid, TooNarrowForOnePixelACellKeepsTheClientSize) {
    TCustomGameGrid grid(nullptr);
    Layout(grid, 10, 10, 5, 200);
    EXPECT_EQ(0, grid.ClientWidth());
    EXPECT_EQ(0, grid.ClientHeight());
    for (const QPoint& at : {QPoint(0, 0), QPoint(4, 4), QPoint(2, 150)})
        EXPECT_EQ(QPoint(-1, -1), grid.CellAtPoint(at.x(), at.y()));

    Layout(grid, 10, 10, 305, 210);
    Layout(grid, 10, 10, 5, 210);
    EXPECT_EQ(0, grid.CellWidth());
    EXPECT_EQ(210, grid.ClientWidth());
    EXPECT_EQ(210, grid.ClientHeight());
}

TEST(GameGrid, CountsIgnoreNonPositiveValuesAndAControlWithoutSize) {
    TCustomGameGrid grid(nullptr);
    grid.resize(100, 100);
    for (int bad : {0, -3}) {
        grid.SetColCount(bad);
        grid.SetRowCount(bad);
    }
    EXPECT_EQ(7, grid.ColCount());
    EXPECT_EQ(7, grid.RowCount());
    grid.SetWidth(0);
    grid.SetColCount(9);
    EXPECT_EQ(7, grid.ColCount());
    grid.SetHeight(0);
    grid.SetRowCount(9);
    EXPECT_EQ(7, grid.RowCount());
}

TEST(GameGrid, CellRectLeavesTheGridLine) {
    struct Case {
        int lineWidth, col, row;
        TRect expected;
    } cases[] = {
        {1, 0, 0, {1, 1, 21, 21}},
        {0, 0, 0, {1, 1, 22, 22}},
        {1, 9, 2, {190, 43, 210, 63}},
    };
    for (const Case& c : cases) {
        TCustomGameGrid grid(nullptr);
        grid.SetGridLineWidth(c.lineWidth);
        Layout(grid, 10, 10, 305, 210);
        EXPECT_EQ(c.expected, grid.CellRect(c.col, c.row)) << c.lineWidth << " " << c.col;
    }
}

TEST(GameGrid, CellAtPointAtTheEdges) {
    TCustomGameGrid grid(nullptr);
    Layout(grid, 10, 10, 305, 210);
    struct Case {
        int x, y;
        QPoint cell;
    } cases[] = {
        {0, 0, {0, 0}},     {20, 20, {0, 0}},   {21, 0, {1, 0}},
        {209, 209, {9, 9}}, {210, 5, {-1, -1}}, {5, 210, {-1, -1}},
        {-1, 5, {-1, -1}},  {5, -1, {-1, -1}},  {300, 100, {-1, -1}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.cell, grid.CellAtPoint(c.x, c.y)) << c.x << "," << c.y;
}

TEST(GameGrid, CellAtPointBetweenACountChangeAndTheNextPaint) {
    TCustomGameGrid grid(nullptr);
    Layout(grid, 10, 10, 305, 210);
    grid.SetColCount(20); // client width 210 / 20 = 10: X 205 would be column 20
    EXPECT_EQ(QPoint(-1, -1), grid.CellAtPoint(205, 5));
    EXPECT_EQ(QPoint(19, 0), grid.CellAtPoint(195, 5));
    grid.BoardGame()->SetRowCount(300); // the divisor becomes 0
    EXPECT_EQ(QPoint(-1, -1), grid.CellAtPoint(5, 5));
    grid.BoardGame()->SetRowCount(0);
    EXPECT_EQ(QPoint(-1, -1), grid.CellAtPoint(5, 5));
}

TEST(GameGrid, FontFittingShrinksToTheCellAndStopsAtTwo) {
    TCustomGameGrid tiny(nullptr);
    Layout(tiny, 7, 7, 14, 14);
    ASSERT_EQ(2, tiny.CellWidth());
    EXPECT_EQ(2, tiny.Font().Height());

    for (int side : {21, 40}) {
        TCustomGameGrid grid(nullptr);
        Layout(grid, 10, 10, side * 10, side * 10);
        const QSize extent = grid.Canvas().TextExtent("WW");
        EXPECT_LE(extent.width(), side - 1) << side;
        EXPECT_LE(extent.height(), side - 1) << side;
        EXPECT_GT(extent.width(), side * 3 / 4) << "shrunk further than needed: " << side;
    }
}

TEST(GameGrid, CanvasShowsEachCellWhereCellRectPutsIt) {
    TCustomGameGrid grid(nullptr);
    grid.SetLineColour(clRed);
    grid.SetBackgroundColour(clWhite);
    grid.SetWidth(305);
    grid.SetHeight(215); // room below the last row's grid line
    grid.SetColCount(10);
    grid.SetRowCount(10);
    grid.FillCells("", clWhite, clBlack, -1, 0, false, true);
    auto colourOf = [](int col, int row) { return TColor(0x200000 + col * 0x10 + row * 0x1000); };
    for (int col = 0; col < 10; ++col)
        for (int row = 0; row < 10; ++row)
            grid.BoardGame()->SetCellColour(col, row, colourOf(col, row));
    grid.BoardGame()->SetCellShaded(3, 4, true);
    grid.BoardGame()->SetCellVisible(5, 6, false);
    grid.RecalculateLayout();
    for (int col = 0; col < 10; ++col)
        for (int row = 0; row < 10; ++row) {
            const TRect r = grid.CellRect(col, row);
            TColor fill = colourOf(col, row);
            TColor line = clRed;
            if (col == 3 && row == 4) {
                fill = grid.ShadedFillColour();
                line = grid.ShadedLineColour();
            } else if (col == 5 && row == 6) {
                fill = line = clWhite;
            }
            EXPECT_EQ(Rgb(fill), Pixel(grid, r.Left + 1, r.Top + 1)) << col << "," << row;
            EXPECT_EQ(Rgb(fill), Pixel(grid, r.Left + 10, r.Top + 10)) << col << "," << row;
            EXPECT_EQ(Rgb(line), Pixel(grid, r.Left, r.Top)) << col << "," << row;
            EXPECT_EQ(Rgb(line), Pixel(grid, r.Right - 1, r.Bottom - 1)) << col << "," << row;
            // Right and bottom edges are outside the box: the grid line gap.
            EXPECT_EQ(Rgb(clWhite), Pixel(grid, r.Right, r.Top + 5)) << col << "," << row;
            EXPECT_EQ(Rgb(clWhite), Pixel(grid, r.Left + 5, r.Bottom)) << col << "," << row;
        }
    EXPECT_EQ(Rgb(clWhite), Pixel(grid, 250, 100)) << "background right of the grid";
}

TEST(GameGrid, CellTextIsCentredInItsColour) {
    TCustomGameGrid grid(nullptr);
    grid.SetBackgroundColour(clWhite);
    grid.FillCells("", clWhite, clBlack, -1, 0, false, true);
    grid.BoardGame()->SetCellText(2, 2, "M");
    grid.BoardGame()->SetCellTextColour(2, 2, clBlue);
    Layout(grid, 7, 7, 280, 280);
    const TRect r = grid.CellRect(2, 2);
    int left = r.Right, right = r.Left, blue = 0;
    for (int y = r.Top; y < r.Bottom; ++y)
        for (int x = r.Left; x < r.Right; ++x)
            if (Pixel(grid, x, y) != Rgb(clWhite) && Pixel(grid, x, y) != Rgb(clBlack)) {
                left = std::min(left, x);
                right = std::max(right, x);
                blue += qBlue(Pixel(grid, x, y)) > 200 && qRed(Pixel(grid, x, y)) < 60;
            }
    EXPECT_GT(blue, 10);
    const int centre = (r.Left + r.Right) / 2;
    EXPECT_LE(std::abs((left + right) / 2 - centre), 2) << left << ".." << right;
}

// A 40-pixel grid of white cells without text, on a white background.
void PlainGrid(TCustomGameGrid& grid) {
    grid.SetBackgroundColour(clWhite);
    grid.SetGridLineWidth(0);
    grid.FillCells("", clWhite, clBlack, -1, 0, false, true);
    Layout(grid, 7, 7, 280, 280);
}

TEST(GameGrid, PicturesSitInTheCellByGraphicPosition) {
    QImage picture(10, 6, QImage::Format_RGB32);
    picture.fill(Qt::red);
    TImageList images(10, 6);
    images.Add(picture);
    const int w = 40, h = 40; // CellRect of a 40-pixel cell with no grid line
    struct Case {
        TGameGridGraphicPosition position;
        int dx, dy;
    } cases[] = {
        {gggpTopLeft, 0, 0},
        {gggpTopRight, w - 10, 0},
        {gggpBottomLeft, 0, h - 6},
        {gggpBottomRight, w - 10, h - 6},
        {gggpCentered, (w - 10) / 2, (h - 6) / 2},
    };
    for (const Case& c : cases) {
        TCustomGameGrid grid(nullptr);
        grid.SetCellImageIndex(1, 1, 0);
        EXPECT_EQ(-1, grid.GetCell(1, 1).ImageIndex) << "no image list: nothing changes";
        grid.SetImageList(&images);
        grid.SetGraphicPostion(c.position);
        PlainGrid(grid);
        grid.SetCellImageIndex(1, 1, 0);
        const TRect r = grid.CellRect(1, 1);
        const QRect drawn = ColourBox(grid.Image(), r, Rgb(clRed));
        EXPECT_EQ(QRect(r.Left + c.dx, r.Top + c.dy, 10, 6), drawn) << int(c.position);
    }
    TCustomGameGrid stretched(nullptr);
    stretched.SetImageList(&images);
    stretched.SetStretched(true);
    PlainGrid(stretched);
    stretched.SetCellImageIndex(2, 2, 0);
    const TRect r = stretched.CellRect(2, 2);
    EXPECT_EQ(QRect(r.Left, r.Top, w, h), ColourBox(stretched.Image(), r, Rgb(clRed)));
    stretched.SetCellImageIndex(3, 3, 5); // no such picture: nothing drawn
    EXPECT_TRUE(ColourBox(stretched.Image(), stretched.CellRect(3, 3), Rgb(clRed)).isEmpty());
}

TEST(GameGrid, ShadedCellsHideTheirContentsWhenDisabled) {
    for (bool disable : {true, false}) {
        TCustomGameGrid grid(nullptr);
        grid.SetDisableWhenShaded(disable);
        grid.SetShadedFillColour(clSilver);
        PlainGrid(grid);
        grid.BoardGame()->SetCellTextColour(4, 4, clRed);
        grid.SetCellText(4, 4, "W");
        grid.SetCellShaded(4, 4, true);
        const TRect r = grid.CellRect(4, 4);
        int red = 0;
        for (int y = r.Top; y < r.Bottom; ++y)
            for (int x = r.Left; x < r.Right; ++x)
                red += qRed(Pixel(grid, x, y)) > 200 && qGreen(Pixel(grid, x, y)) < 60;
        EXPECT_EQ(disable, red == 0) << disable;
        EXPECT_EQ(Rgb(clSilver), Pixel(grid, r.Left + 1, r.Top + 1)) << disable;
    }
}

TEST(GameGrid, SunkenBevelLeavesOutEachLineEnd) {
    TCustomGameGrid grid(nullptr);
    grid.SetDrawCellIn3D(true);
    PlainGrid(grid);
    const TRect r = grid.CellRect(0, 0);
    const QRgb grey = Rgb(0x808080), silver = Rgb(0xC0C0C0);
    struct Case {
        int x, y;
        QRgb colour;
    } cases[] = {
        {r.Left + 1, r.Bottom - 2, grey},      {r.Left + 1, r.Top + 1, grey},
        {r.Left + 5, r.Top + 1, grey},         {r.Right - 2, r.Top + 1, silver},
        {r.Right - 2, r.Bottom - 2, silver},   {r.Left + 5, r.Bottom - 2, silver},
        {r.Left + 2, r.Top + 2, Rgb(clWhite)},
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.colour, Pixel(grid, c.x, c.y)) << c.x << "," << c.y;
}

TEST(GameGrid, BulkChangesRepaintOnce) {
    CountingGrid grid;
    grid.resize(200, 200);
    ShowAndSettle(grid);
    grid.Paints = grid.CellDraws = 0;

    grid.SetCellText(1, 1, "Q");
    EXPECT_EQ(1, grid.CellDraws) << "a single change draws its cell at once";
    EXPECT_EQ(0, grid.Paints);

    grid.CellDraws = 0;
    grid.BeginUpdate();
    grid.SetCellText(2, 2, "R");
    grid.SetCellColour(3, 3, clRed);
    grid.SetLineColour(clBlue);
    QApplication::processEvents();
    EXPECT_EQ("R", grid.GetCellText(2, 2).toStdString());
    EXPECT_EQ(0, grid.CellDraws);
    EXPECT_EQ(0, grid.Paints);
    grid.EndUpdate();
    QApplication::processEvents();
    EXPECT_EQ(1, grid.Paints);
    EXPECT_EQ(49, grid.CellDraws);
}

// Between BeginUpdate and EndUpdate only some property setters repaint.
TEST(GameGrid, WhichSettersRepaintWhileUpdatesAreOff) {
    struct Case {
        const char* name;
        std::function<void(TCustomGameGrid&)> set;
        bool repaints;
    } cases[] = {
        {"BorderStyle", [](TCustomGameGrid& g) { g.SetBorderStyle(bsNone); }, true},
        {"SquareCells", [](TCustomGameGrid& g) { g.SetSquareCells(false); }, true},
        {"DrawCellIn3D", [](TCustomGameGrid& g) { g.SetDrawCellIn3D(true); }, true},
        {"Font", [](TCustomGameGrid& g) { g.SetFont(TFont()); }, true},
        {"Color", [](TCustomGameGrid& g) { g.SetColor(clRed); }, true},
        {"BackgroundColour", [](TCustomGameGrid& g) { g.SetBackgroundColour(clRed); }, false},
        {"GridLineWidth", [](TCustomGameGrid& g) { g.SetGridLineWidth(0); }, false},
        {"LineColour", [](TCustomGameGrid& g) { g.SetLineColour(clRed); }, false},
        {"ShadedFillColour", [](TCustomGameGrid& g) { g.SetShadedFillColour(clRed); }, false},
        {"ShadedLineColour", [](TCustomGameGrid& g) { g.SetShadedLineColour(clRed); }, false},
        {"DisableWhenShaded", [](TCustomGameGrid& g) { g.SetDisableWhenShaded(false); }, false},
        {"Stretched", [](TCustomGameGrid& g) { g.SetStretched(true); }, false},
        {"GraphicPostion", [](TCustomGameGrid& g) { g.SetGraphicPostion(gggpCentered); }, false},
        {"Transparent", [](TCustomGameGrid& g) { g.SetTransparent(true); }, false},
    };
    for (const Case& c : cases) {
        CountingGrid grid;
        grid.resize(140, 140);
        ShowAndSettle(grid);
        grid.Paints = 0;
        grid.BeginUpdate();
        c.set(grid);
        QApplication::processEvents();
        EXPECT_EQ(c.repaints ? 1 : 0, grid.Paints) << c.name;
        grid.EndUpdate();
    }
}

TEST(GameGrid, ResizeToTheSameSizeRaisesNoOnResize) {
    TCustomGameGrid grid(nullptr);
    grid.resize(200, 150);
    ShowAndSettle(grid);
    int resizes = 0;
    grid.OnResize = [&](TObject* Sender) {
        EXPECT_EQ(static_cast<TObject*>(&grid), Sender);
        ++resizes;
    };
    grid.SetWidth(200);
    grid.resize(200, 150);
    // A size message that reports the size the control already has.
    QResizeEvent sameSize(grid.size(), grid.size());
    QApplication::sendEvent(&grid, &sameSize);
    EXPECT_EQ(0, resizes);
    grid.SetHeight(160);
    EXPECT_EQ(1, resizes);
    QResizeEvent changed(QSize(200, 170), grid.size());
    QApplication::sendEvent(&grid, &changed);
    EXPECT_EQ(2, resizes);
}

// A control sized by a Qt layout, not through SetWidth or SetHeight, lays
// its cells out anew for every size the layout gives it.
TEST(GameGrid, ALayoutsSizeLaysTheCellsOut) {
    QWidget panel;
    auto* layout = new QVBoxLayout(&panel);
    layout->setContentsMargins(0, 0, 0, 0);
    auto* grid = new TCustomGameGrid(nullptr);
    layout->addWidget(grid);
    grid->SetColCount(10);
    grid->SetRowCount(10);
    for (const int side : {200, 300, 150}) {
        panel.resize(side, side);
        ShowAndSettle(panel);
        grid->repaint();
        EXPECT_EQ(grid->CellWidth(), side / 10) << side;
        EXPECT_EQ(grid->ClientWidth(), side) << side;
        EXPECT_EQ(grid->CellAtPoint(side - 1, side - 1), QPoint(9, 9)) << side;
    }
}

TEST(GameGrid, MouseEventsCarryPixelsAndCells) {
    TCustomGameGrid grid(nullptr);
    grid.resize(210, 210);
    ShowAndSettle(grid);
    Layout(grid, 10, 10, 210, 210);
    std::vector<QPoint> moves;
    QPoint down, up;
    TMouseButton upButton = mbLeft;
    grid.OnMouseMove = [&](TObject*, TShiftState, int X, int Y) { moves.emplace_back(X, Y); };
    grid.OnMouseDown = [&](TObject*, TMouseButton, TShiftState Shift, int X, int Y) {
        EXPECT_TRUE(Shift & ssLeft);
        down = QPoint(X, Y);
    };
    grid.OnMouseUp = [&](TObject*, TMouseButton Button, TShiftState, int X, int Y) {
        upButton = Button;
        up = QPoint(X, Y);
    };
    QTest::mouseMove(&grid, QPoint(5, 5));
    QTest::mouseMove(&grid, QPoint(15, 10)); // same cell: nothing
    QTest::mouseMove(&grid, QPoint(50, 30));
    QTest::mousePress(&grid, Qt::LeftButton, {}, QPoint(50, 30));
    QTest::mouseRelease(&grid, Qt::RightButton, {}, QPoint(52, 33));
    const std::vector<QPoint> expected{{0, 0}, {2, 1}};
    EXPECT_EQ(expected, moves);
    EXPECT_EQ(QPoint(50, 30), down);
    EXPECT_EQ(QPoint(52, 33), up);
    EXPECT_EQ(mbRight, upButton);
}

TEST(GameGrid, BackAndForwardButtonsAreNoClicks) {
    TCustomGameGrid grid(nullptr);
    grid.resize(210, 210);
    ShowAndSettle(grid);
    int clicks = 0;
    grid.OnMouseDown = [&](TObject*, TMouseButton, TShiftState, int, int) { ++clicks; };
    grid.OnMouseUp = [&](TObject*, TMouseButton, TShiftState, int, int) { ++clicks; };
    for (Qt::MouseButton button : {Qt::BackButton, Qt::ForwardButton}) {
        QTest::mousePress(&grid, button, {}, QPoint(20, 20));
        QTest::mouseRelease(&grid, button, {}, QPoint(20, 20));
    }
    EXPECT_EQ(0, clicks);
    QTest::mouseClick(&grid, Qt::MiddleButton, {}, QPoint(20, 20));
    EXPECT_EQ(2, clicks);
}

TEST(GameGrid, AssignFromTheControlIsRefused) {
    TCustomGameGrid grid(nullptr);
    TBoardGame board(7, 7);
    try {
        board.Assign(&grid);
        ADD_FAILURE() << "no error";
    } catch (const EGameGrid& error) {
        EXPECT_EQ("Cannot assign data from a TCustomGameGrid class", error.Message().toStdString());
    }
}

// Renders a lettered 15 x 15 board, to be looked at.
TEST(GameGrid, ScreenshotOfALetteredBoard) {
    TCustomGameGrid grid(nullptr);
    grid.SetBackgroundColour(clWhite);
    grid.SetLineColour(clNavy);
    grid.SetBorderStyle(bsNone);
    grid.SetDrawCellIn3D(true);
    grid.SetWidth(451);
    grid.SetHeight(451);
    grid.SetColCount(15);
    grid.SetRowCount(15);
    grid.FillCells("", clWhite, clBlack, -1, 0, false, true);
    const QString letters = "GLYPHTROVEWORDS";
    for (int col = 0; col < 15; ++col)
        for (int row = 0; row < 15; ++row) {
            grid.BoardGame()->SetCellText(col, row, QString(letters[(col + row * 3) % 15]));
            if (row == col)
                grid.BoardGame()->SetCellColour(col, row, clYellow);
        }
    grid.BoardGame()->SetCellShaded(14, 0, true);
    grid.RecalculateLayout();
    EXPECT_EQ(30, grid.CellWidth());
    const TRect r = grid.CellRect(7, 7);
    EXPECT_EQ(Rgb(clYellow), Pixel(grid, r.Left + 3, r.Top + 3));
    KeepScreenshot(grid.Image(), "grid-15x15");
}
