#include "engine/wordgame/CustomWordGameUn.h"

#include "engine/wordgame/CustomWordGameCells.h"
#include "engine/wordgame/FitInUn.h"
#include "platform/Format.h"

#include <algorithm>

using namespace WordGameCells;

QString UpperCaseWord(const QString& Word) {
    QString result = Word;
    for (QChar& c : result)
        if (c >= QLatin1Char('a') && c <= QLatin1Char('z'))
            c = QChar(c.unicode() - ('a' - 'A'));
    return result;
}

// ---------------------------------------------------------------------------
// TCustomWordList

TCustomWordList::~TCustomWordList() {
    FItems.clear();
}

int TCustomWordList::Add(const QString& Word, int X, int Y, TWordDirectionType Direction) {
    auto rec = std::make_unique<TWordRec>();
    rec->Word = UpperCaseWord(Word);
    rec->X = X;
    rec->Y = Y;
    rec->Direction = Direction;
    FItems.push_back(std::move(rec));
    IndexItem(Count() - 1);
    return Count() - 1;
}

void TCustomWordList::Delete(int Index) {
    CheckIndex(Index);
    FItems.erase(FItems.begin() + Index);
    Reindex();
}

int TCustomWordList::IndexOf(const QString& Word) const {
    return FFirstIndexOf.value(Word, -1);
}

void TCustomWordList::Clear() {
    FItems.clear();
    Reindex();
}

TWordRec TCustomWordList::GetWordRec(int Index) const {
    CheckIndex(Index);
    return *FItems[Index];
}

void TCustomWordList::SetWordRec(int Index, const TWordRec& Rec) {
    CheckIndex(Index);
    *FItems[Index] = Rec;
    Reindex();
}

void TCustomWordList::GetWords(QStringList& List) const {
    List.clear();
    for (const auto& rec : FItems)
        List.append(rec->Word);
}

QList<int> TCustomWordList::WordsStartingAt(int X, int Y) const {
    return FStartingAt.values(CellKey(X, Y));
}

void TCustomWordList::IndexItem(int Index) {
    const TWordRec& rec = *FItems[size_t(Index)];
    FFirstIndexOf.insert(rec.Word, std::min(Index, FFirstIndexOf.value(rec.Word, Index)));
    FStartingAt.insert(CellKey(rec.X, rec.Y), Index);
}

void TCustomWordList::Reindex() {
    FFirstIndexOf.clear();
    FStartingAt.clear();
    for (int i = 0; i < Count(); ++i)
        IndexItem(i);
}

void TCustomWordList::CheckIndex(int Index) const {
    if (Index < 0 || Index >= Count())
        throw EListError(Index);
}

// ---------------------------------------------------------------------------
// TMemoryWordGame

TMemoryWordGame::TMemoryWordGame(TCustomWordGame* Owner)
    : TBoardGame(Owner->ColCount(), Owner->RowCount()), FOwner(Owner) {}

void TMemoryWordGame::FillBlank(TColor TextColour, TColor Colour) {
    Fill(QString(), Colour, TextColour, -1, 0, false, true);
}

void TMemoryWordGame::AddWordLetters(int X, int Y, TWordDirectionType Direction,
                                     const QString& Word, uint32_t State) {
    ForEachLetterCell(X, Y, Direction, Word.length(), [&](int k, int column, int row) {
        if (!IsValidCell(column, row))
            return;
        TGameCellRecord cell = ReadCell(column, row);
        cell.Text = LetterAt(Word, k);
        cell.State = State;
        cell.UseCount = cell.UseCount + 1;
        WriteCell(column, row, cell);
    });
}

// ---------------------------------------------------------------------------
// TCustomWordGame: life and state

TCustomWordGame::TCustomWordGame(QWidget* AOwner) : TCustomGameGrid(AOwner) {
    SetDrawCellIn3D(true);
    FGamePreferences = std::make_unique<TWordGameProperties>("Custom Word Game");
    FGamePreferences->OnChange = [this](TObject*) { RecolourAllCells(); };
    FSolution = std::make_unique<TMemoryWordGame>(this);
    FSnapshot = std::make_unique<TMemoryWordGame>(this);
    FWordList = std::make_unique<TCustomWordList>();
    FPlacer = std::make_unique<TFitIn>(ColCount(), RowCount());
    FLastDirection = wdRight;
    FGamePreferences->Touch();
    FModified = false;
    FCheckWords = true;
}

TCustomWordGame::~TCustomWordGame() {
    FWordList->Clear();
    FGamePreferences->OnChange = nullptr;
}

void TCustomWordGame::SetColCount(int Value) {
    TCustomGameGrid::SetColCount(Value);
    // The boards follow the grid's count, which ignores values it refuses.
    FSolution->SetColCount(ColCount());
    FSnapshot->SetColCount(ColCount());
}

void TCustomWordGame::SetRowCount(int Value) {
    TCustomGameGrid::SetRowCount(Value);
    FSolution->SetRowCount(RowCount());
    FSnapshot->SetRowCount(RowCount());
}

void TCustomWordGame::SetBoardSize(int Columns, int Rows) {
    TCustomGameGrid::SetBoardSize(Columns, Rows);
    FSolution->SetColCount(ColCount());
    FSolution->SetRowCount(RowCount());
    FSnapshot->SetColCount(ColCount());
    FSnapshot->SetRowCount(RowCount());
}

void TCustomWordGame::SetGridSize(int Columns, int Rows) {
    SetColCount(Columns);
    SetRowCount(Rows);
    ClearGrid();
}

QString TCustomWordGame::DefaultGameTitle() const {
    return FGamePreferences->GetDefaultTitle();
}

void TCustomWordGame::SetDefaultGameTitle(const QString& Value) {
    FGamePreferences->SetDefaultTitle(Value);
    FGamePreferences->SetGameTitle(Value);
}

QString TCustomWordGame::GetGameTitle() const {
    const QString title = FGamePreferences->GetGameTitle();
    if (!title.isEmpty())
        return title;
    return Format("<untitled %s>", FGamePreferences->GetGameCreated());
}

QString TCustomWordGame::PropertyText(const QString& Text) {
    return Text.isEmpty() ? QString("<not specified>") : Text;
}

void TCustomWordGame::SetModified() {
    FModified = true;
    if (OnModified)
        OnModified(this);
}

void TCustomWordGame::NewGame(const QString& Title, const QString& Description) {
    FGamePreferences->Touch();
    FGamePreferences->SetGameDescription(Description);
    FGamePreferences->SetGameTitle(Title);
    ClearWords();
    FModified = false;
}

void TCustomWordGame::ClearWords() {
    FWordList->Clear();
    SetModified();
}

void TCustomWordGame::ClearGrid() {
    FWordList->Clear();
    const TCellColours blank = RoleColours(crBlankSpace);
    FillCells(QString(), blank.Background, blank.Foreground, -1, wgcsBlank, false, true);
    FSolution->FillBlank(blank.Foreground, blank.Background);
    SaveBoardSnapshot();
    Repaint();
}

void TCustomWordGame::Repaint() {
    Invalidate();
    repaint();
}

void TCustomWordGame::SaveBoardSnapshot() {
    FSnapshot->Assign(BoardGame());
}

void TCustomWordGame::WriteCell(int X, int Y, const TGameCellRecord& Record) {
    BoardGame()->WriteCell(X, Y, Record);
}

bool TCustomWordGame::CellHasState(int X, int Y, uint32_t State) const {
    return BoardGame()->CellHasState(X, Y, State);
}

TGameCellRecord TCustomWordGame::LetterRecord(const QString& Text, const TCellColours& Colours,
                                              uint32_t State, int UseCount) const {
    TGameCellRecord cell;
    cell.Colour = Colours.Background;
    cell.TextColour = Colours.Foreground;
    cell.Text = Text;
    cell.ImageIndex = -1;
    cell.Shaded = false;
    cell.Visible = true;
    cell.State = State;
    cell.UseCount = UseCount;
    return cell;
}

// ---------------------------------------------------------------------------
// Colours by state

TCellColours TCustomWordGame::RoleColours(TWordGameColourRole Role) const {
    const TWordGameColourPreferences* colours = FGamePreferences->ColourPreferences();
    return {colours->Foreground(Role), colours->Background(Role)};
}

TCellColours TCustomWordGame::GetStateColours(uint32_t State) const {
    if (HasState(State, wgcsFiller))
        return RoleColours(crRandomLetter);
    if (HasState(State, wgcsDummy))
        return RoleColours(crDummyWord);
    if (HasState(State, wgcsWord))
        return RoleColours(crNormalWord);
    if (HasState(State, wgcsHighlighted))
        return RoleColours(crHighlighted);
    return RoleColours(crBlankSpace);
}

TCellColours TCustomWordGame::GetCellColours(int X, int Y) const {
    return GetStateColours(GetCellState(X, Y));
}

void TCustomWordGame::SetCellColours(int X, int Y, TColor Colour, TColor TextColour) {
    SetCellColour(X, Y, Colour);
    SetCellTextColour(X, Y, TextColour);
}

void TCustomWordGame::SetCellStateColours(int X, int Y, uint32_t State) {
    SetCellState(X, Y, State);
    const TCellColours colours = GetStateColours(State);
    SetCellColours(X, Y, colours.Background, colours.Foreground);
}

void TCustomWordGame::RecolourAllCells() {
    const TGridUpdate update(*this);
    for (int column = 0; column < ColCount(); ++column)
        for (int row = 0; row < RowCount(); ++row) {
            TWordGameColourRole role = crNormalWord;
            switch (GetCellState(column, row)) {
            case wgcsBlank:
                role = crBlankSpace;
                break;
            case wgcsFiller:
                role = crRandomLetter;
                break;
            case wgcsDummy:
                role = crDummyWord;
                break;
            }
            const TCellColours colours = RoleColours(role);
            SetCellColours(column, row, colours.Background, colours.Foreground);
        }
}

void TCustomWordGame::RecalculateLayout() {
    RecolourAllCells();
    TCustomGameGrid::RecalculateLayout();
}
