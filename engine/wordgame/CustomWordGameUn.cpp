#include "engine/wordgame/CustomWordGameUn.h"

#include "engine/genlib/GenLibUn.h"
#include "engine/genlib/PointListUn.h"
#include "engine/wordgame/FitInUn.h"
#include "platform/Exception.h"

#include "platform/Point.h"

#include <algorithm>

namespace {

bool HasState(uint32_t Value, uint32_t Mask) {
    return TBoardGame::HasFlags(Value, Mask);
}

// A word has at least three letters and no more than the grid has columns.
bool FitsColumns(const QString& Word, int Columns) {
    return Word.length() >= 3 && Word.length() <= Columns;
}

QString LetterAt(const QString& Word, int Index) {
    return QString(Word.at(Index));
}

// The cell of the last of Length letters from (X, Y) by Direction.
TPoint LastCell(int X, int Y, TWordDirectionType Direction, qsizetype Length) {
    const TDirectionOffset step = GetDirectionOffset(Direction);
    const int steps = int(Length) - 1;
    return {X + steps * step.ColumnStep, Y + steps * step.RowStep};
}

// Visits the cell of each of Length letters, letter k at (X, Y) plus k steps.
template <typename Visit>
void ForEachStepCell(int X, int Y, int ColumnStep, int RowStep, qsizetype Length, Visit visit) {
    int column = X;
    int row = Y;
    for (int k = 0; k < Length; ++k) {
        visit(k, column, row);
        StepCell(column, row, ColumnStep, RowStep);
    }
}

template <typename Visit>
void ForEachLetterCell(int X, int Y, TWordDirectionType Direction, qsizetype Length, Visit visit) {
    const TDirectionOffset step = GetDirectionOffset(Direction);
    ForEachStepCell(X, Y, step.ColumnStep, step.RowStep, Length, visit);
}

} // namespace

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

// ---------------------------------------------------------------------------
// Placement and checks

bool TCustomWordGame::IsValidWordLength(const QString& Word) const {
    return FitsColumns(Word, ColCount());
}

int TCustomWordGame::CheckWordPlacement(int X, int Y, TWordDirectionType Direction,
                                        const QString& Word) const {
    return PlacementCode(*BoardGame(), *FSnapshot, FWordList->IndexOf(Word) >= 0, X, Y, Direction,
                         Word);
}

int TCustomWordGame::PlacementCode(const TBoardGame& Board, const TBoardGame& Snapshot, bool Listed,
                                   int X, int Y, TWordDirectionType Direction,
                                   const QString& Word) {
    if (!FitsColumns(Word, Board.ColCount()))
        return wpcBadLength;
    if (Listed)
        return wpcAlreadyListed;
    int code = wpcAcceptable;
    ForEachLetterCell(X, Y, Direction, Word.length(), [&](int k, int column, int row) {
        if (code != wpcAcceptable)
            return;
        if (!Board.IsValidCell(column, row))
            code = wpcOutOfRange;
        else if (Snapshot.GetCellUseCount(column, row) > 0 &&
                 Snapshot.GetCellText(column, row) != LetterAt(Word, k) &&
                 Board.CellHasState(column, row, wgcsWord))
            code = wpcBadOverlap;
    });
    return code;
}

void TCustomWordGame::RaisePlacementError(int Code, bool Dummy) const {
    if (FCheckWords && !Dummy)
        RaisePlacementCode(Code);
}

void TCustomWordGame::RaisePlacementCode(int Code) {
    switch (Code) {
    case wpcBadOverlap:
        throw Exception("Word has overlapped incorrectly with at least one other word");
    case wpcOutOfRange:
        throw Exception("Part of the word is out of range of the game grid");
    case wpcBadLength:
        throw Exception("Length of the word is incorrect");
    case wpcAlreadyListed:
        throw Exception("Word already exists in the game");
    }
}

void TCustomWordGame::ValidateWordPosition(int X, int Y, TWordDirectionType Direction,
                                           const QString& Word) const {
    ValidatePosition(X, Y, Direction, Word, -1);
}

// The cell lies on word Index and no other word uses it, so taking the word
// off would leave it empty.
bool TCustomWordGame::IsOnlyCellOfWord(int Index, int X, int Y) const {
    if (Index < 0 || GetCellUseCount(X, Y) != 1)
        return false;
    return WordPassesCell(FWordList->GetWordRec(Index), X, Y);
}

void TCustomWordGame::ValidatePosition(int X, int Y, TWordDirectionType Direction,
                                       const QString& Word, int IgnoredIndex) const {
    const QString fault = PositionFault(*BoardGame(), X, Y, Direction, Word, [&](int Col, int Row) {
        return IsOnlyCellOfWord(IgnoredIndex, Col, Row);
    });
    if (!fault.isEmpty())
        throw Exception(fault);
}

QString TCustomWordGame::PositionFault(const TBoardGame& Board, int X, int Y,
                                       TWordDirectionType Direction, const QString& Word,
                                       const std::function<bool(int, int)>& Replaceable) {
    const TDirectionOffset step = GetDirectionOffset(Direction);
    if (step.ColumnStep == 0 && step.RowStep == 0)
        return "No direction found";
    const TPoint last = LastCell(X, Y, Direction, Word.length());
    if (!Board.IsValidCell(X, Y) || !Board.IsValidCell(last.X, last.Y))
        return Format("Word \"%s\" will not fit in grid", Word);
    QString fault;
    ForEachLetterCell(X, Y, Direction, Word.length(), [&](int k, int column, int row) {
        const QString text = Board.GetCellText(column, row);
        if (!fault.isEmpty() || text.isEmpty() || text == LetterAt(Word, k) ||
            (Replaceable && Replaceable(column, row)))
            return;
        fault = Format("Invalid word overlap at x:%d, y:%d", column, row);
    });
    return fault;
}

int TCustomWordGame::PlaceWord(int X, int Y, TWordDirectionType Direction, const QString& Word,
                               bool Dummy) {
    int result = -1;
    SaveBoardSnapshot();
    RaisePlacementError(CheckWordPlacement(X, Y, Direction, Word), Dummy);
    FLastDirection = Direction;
    const TCellColours colours = GetStateColours(Dummy ? wgcsDummy : wgcsWord);
    try {
        PaintPlacedWord(X, Y, Direction, Word, Dummy, colours.Foreground, colours.Background);
        if (!Dummy && !IsContainedWord(Word, X, Y, Direction))
            result = AddWordToList(Word, X, Y, Direction);
    } catch (const Exception& error) {
        ErrorMessage(error.Message());
        RecolourAllCells();
    }
    SaveBoardSnapshot();
    SetModified();
    return result;
}

bool TPlacementTrial::Place(int X, int Y, TWordDirectionType Direction, const QString& Word) {
    TCustomWordGame::RaisePlacementCode(TCustomWordGame::PlacementCode(
        FBoard, FBoard, FListed.contains(Word), X, Y, Direction, Word));
    if (!TCustomWordGame::PositionFault(FBoard, X, Y, Direction, Word, nullptr).isEmpty())
        return false;
    ForEachLetterCell(X, Y, Direction, Word.length(), [&](int k, int column, int row) {
        TGameCellRecord cell = FBoard.ReadCell(column, row);
        const QString letter = LetterAt(Word, k);
        if (letter != QLatin1String("#"))
            cell.Text = letter;
        cell.State = wgcsWord;
        ++cell.UseCount;
        FBoard.WriteCell(column, row, cell);
    });
    FListed.insert(UpperCaseWord(Word));
    return true;
}

void TCustomWordGame::PaintPlacedWord(int X, int Y, TWordDirectionType Direction,
                                      const QString& Word, bool Dummy, TColor Foreground,
                                      TColor Background) {
    const TDirectionOffset step = GetDirectionOffset(Direction);
    if (!Dummy) {
        ValidateWordPosition(X, Y, Direction, Word);
        PaintWordCells(X, Y, step.ColumnStep, step.RowStep, wgcsWord, false, true, Word, Foreground,
                       Background);
        FSolution->AddWordLetters(X, Y, Direction, Word, wgcsWord);
        return;
    }
    PaintWordCells(X, Y, step.ColumnStep, step.RowStep, wgcsDummy, false, false, Word, Foreground,
                   Background);
    WriteDummyLetters(X, Y, Word, step.ColumnStep, step.RowStep);
    ShowAllWords();
    Repaint();
}

void TCustomWordGame::PaintWordCells(int X, int Y, int ColumnStep, int RowStep, uint32_t State,
                                     bool MergeState, bool IncrementUse, const QString& Word,
                                     TColor Foreground, TColor Background) {
    ForEachStepCell(X, Y, ColumnStep, RowStep, Word.length(), [&](int k, int column, int row) {
        // A dummy word is not validated: only its cells inside the grid show.
        if (!BoardGame()->IsValidCell(column, row))
            return;
        const TGameCellRecord present = GetCell(column, row);
        uint32_t state = State;
        if (state == wgcsDummy && HasState(present.State, wgcsWord))
            state = wgcsWord;
        if (MergeState)
            state |= present.State;
        const bool counts = IncrementUse && state == wgcsWord && State == wgcsWord;
        const QString letter = LetterAt(Word, k);
        const QString text = letter == QLatin1String("#") ? present.Text : letter;
        WriteCell(column, row,
                  LetterRecord(text, {Foreground, Background}, state,
                               present.UseCount + (counts ? 1 : 0)));
        RedrawCell(column, row);
    });
}

void TCustomWordGame::WriteDummyLetters(int X, int Y, const QString& Word, int ColumnStep,
                                        int RowStep) {
    const TCellColours colours = RoleColours(crDummyWord);
    ForEachStepCell(X, Y, ColumnStep, RowStep, Word.length(), [&](int k, int column, int row) {
        if (BoardGame()->IsValidCell(column, row) && !CellHasState(column, row, wgcsWord))
            FSolution->WriteCell(column, row,
                                 LetterRecord(LetterAt(Word, k), colours, wgcsDummy, 0));
    });
}

bool TCustomWordGame::IsContainedWord(const QString& Word, int X, int Y,
                                      TWordDirectionType Direction) const {
    if (Word.length() < 2)
        return false;
    const TPoint last = LastCell(X, Y, Direction, Word.length());
    for (const int i : FWordList->WordsStartingAt(X, Y)) {
        const TWordRec rec = FWordList->GetWordRec(i);
        if (rec.Word.contains(Word, Qt::CaseSensitive) &&
            LastCell(rec.X, rec.Y, rec.Direction, rec.Word.length()) == last)
            return true;
    }
    return false;
}

int TCustomWordGame::AddWordToList(const QString& Word, int X, int Y,
                                   TWordDirectionType Direction) {
    const int index = FWordList->Add(Word, X, Y, Direction);
    SetModified();
    if (OnWordAdded)
        OnWordAdded(this, Word);
    return index;
}

bool TCustomWordGame::FitWord(uint8_t Directions, const QString& Word, int& X, int& Y,
                              TWordDirectionType& Direction) {
    FPlacer->SetColCount(ColCount());
    FPlacer->SetRowCount(RowCount());
    FPlacer->Assign(BoardGame());
    FPlacer->Items().Reserve(size_t(ColCount()) * size_t(RowCount()) * WordDirectionCount);
    FPlacer->SetDirections(Directions);
    FPlacer->SetWord(Word);
    return FPlacer->Fit(X, Y, Direction);
}

// The codes 3 and 4 for a changed word: its own entry is no duplicate.
int TCustomWordGame::CheckChangedWord(int Index, const QString& Word) const {
    if (!IsValidWordLength(Word))
        return wpcBadLength;
    for (int i = 0; i < FWordList->Count(); ++i)
        if (i != Index && FWordList->GetWordRec(i).Word == Word)
            return wpcAlreadyListed;
    return wpcAcceptable;
}

void TCustomWordGame::ChangeWord(int Index, int X, int Y, TWordDirectionType Direction,
                                 const QString& Word, bool Dummy) {
    TWordRec rec = FWordList->GetWordRec(Index);
    RaisePlacementError(CheckChangedWord(Index, Word), Dummy);
    ValidatePosition(X, Y, Direction, Word, Index);
    FLastDirection = Direction;
    RemoveWordLetters(Index);
    const QString old = rec.Word;
    rec.Word = Word;
    rec.X = X;
    rec.Y = Y;
    rec.Direction = Direction;
    FWordList->SetWordRec(Index, rec);
    const TCellColours colours = GetStateColours(wgcsWord);
    PaintPlacedWord(X, Y, Direction, Word, Dummy, colours.Foreground, colours.Background);
    SetModified();
    if (OnWordChanged)
        OnWordChanged(this, old, Word);
}

// ---------------------------------------------------------------------------
// Deletion

void TCustomWordGame::RemoveWordLetters(int Index) {
    const TWordRec rec = FWordList->GetWordRec(Index);
    {
        const TGridUpdate update(*this);
        ForEachLetterCell(
            rec.X, rec.Y, rec.Direction, rec.Word.length(), [&](int, int column, int row) {
                if (!BoardGame()->IsValidCell(column, row))
                    return;
                const int uses = GetCellUseCount(column, row);
                if (uses == 1) {
                    SetCellText(column, row, QString());
                    FSolution->SetCellText(column, row, QString());
                    SetCellState(column, row, wgcsBlank);
                }
                const TCellColours colours = GetCellColours(column, row);
                SetCellColours(column, row, colours.Background, colours.Foreground);
                // A word changed into a dummy word left its counts at 0.
                SetCellUseCount(column, row, std::max(uses - 1, 0));
                const int solutionUses = FSolution->GetCellUseCount(column, row);
                FSolution->SetCellUseCount(column, row, std::max(solutionUses - 1, 0));
            });
    }
    SetModified();
}

void TCustomWordGame::RemoveWordAt(int Index) {
    const TWordRec rec = FWordList->GetWordRec(Index);
    RemoveWordLetters(Index);
    FWordList->Delete(Index);
    SetModified();
    if (OnWordDeleted)
        OnWordDeleted(this, rec.Word);
}

void TCustomWordGame::DeleteWord(int Index) {
    RemoveWordAt(Index);
    HideAllWords(false, false);
}

void TCustomWordGame::DeleteWordByText(const QString& Word) {
    const int index = IndexOfWord(Word);
    if (index >= 0)
        DeleteWord(index);
}

// ---------------------------------------------------------------------------
// Finding, highlighting and duplicates

void TCustomWordGame::HideAllWords(bool FireEvent, bool Recolour) {
    for (int column = 0; column < ColCount(); ++column)
        for (int row = 0; row < RowCount(); ++row) {
            const uint32_t state = GetCellState(column, row);
            if (HasState(state, wgcsHighlighted)) {
                const uint32_t plain = state - wgcsHighlighted;
                BoardGame()->SetCellState(column, row, plain);
                const TCellColours colours = GetStateColours(plain);
                SetCellColours(column, row, colours.Background, colours.Foreground);
                if (plain == wgcsBlank)
                    SetCellText(column, row, QString());
            } else if (Recolour) {
                const TCellColours colours = GetCellColours(column, row);
                SetCellColours(column, row, colours.Background, colours.Foreground);
            }
        }
    if (FireEvent && OnHideAllWords)
        OnHideAllWords(this);
}

void TCustomWordGame::PaintWordState(int Index, uint32_t State) {
    const TWordRec rec = FWordList->GetWordRec(Index);
    const TDirectionOffset step = GetDirectionOffset(rec.Direction);
    const TCellColours colours = GetStateColours(State);
    PaintWordCells(rec.X, rec.Y, step.ColumnStep, step.RowStep, State, State == wgcsHighlighted,
                   false, rec.Word, colours.Foreground, colours.Background);
}

void TCustomWordGame::ShowWord(int Index) {
    PaintWordState(Index, wgcsWord);
}

void TCustomWordGame::ShowAllWords() {
    for (int i = 0; i < FWordList->Count(); ++i)
        PaintWordState(i, wgcsWord);
    Repaint();
}

void TCustomWordGame::HighlightAllWords() {
    for (int i = 0; i < FWordList->Count(); ++i)
        PaintWordState(i, wgcsHighlighted);
}

void TCustomWordGame::HighlightWord(int Index) {
    PaintWordState(Index, wgcsHighlighted);
    if (OnHighlightWord)
        OnHighlightWord(this, GetWordText(Index));
}

void TCustomWordGame::PaintWordColours(int Index, TColor TextColour, TColor Colour) {
    const TWordRec rec = FWordList->GetWordRec(Index);
    const TDirectionOffset step = GetDirectionOffset(rec.Direction);
    PaintWordCells(rec.X, rec.Y, step.ColumnStep, step.RowStep, wgcsWord, false, false, rec.Word,
                   TextColour, Colour);
}

int TCustomWordGame::HighlightedCellCount() const {
    int count = 0;
    for (int row = 0; row < RowCount(); ++row)
        for (int column = 0; column < ColCount(); ++column)
            if (CellHasState(column, row, wgcsHighlighted))
                ++count;
    return count;
}

// Whether Word spells out from (X, Y) by Direction with every cell inside the
// grid; with Wildcard a "#" stands for any cell. An empty word spells nothing.
bool TCustomWordGame::RunMatches(int X, int Y, TWordDirectionType Direction, const QString& Word,
                                 bool Wildcard) const {
    bool matches = !Word.isEmpty();
    ForEachLetterCell(X, Y, Direction, Word.length(), [&](int k, int column, int row) {
        if (!matches)
            return;
        const QString letter = LetterAt(Word, k);
        const bool any = Wildcard && letter == QLatin1String("#");
        matches =
            BoardGame()->IsValidCell(column, row) && (any || GetCellText(column, row) == letter);
    });
    return matches;
}

int TCustomWordGame::FindWordInGrid(const QString& Word, int& X, int& Y,
                                    TWordDirectionType& Direction) {
    int count = 0;
    for (int row = 0; row < RowCount(); ++row)
        for (int column = 0; column < ColCount(); ++column) {
            TWordDirectionType found = wdTopLeft;
            if (MatchWordAt(column, row, Word, found)) {
                ++count;
                X = column;
                Y = row;
                Direction = found;
            }
        }
    return count;
}

bool TCustomWordGame::MatchWordAt(int X, int Y, const QString& Word,
                                  TWordDirectionType& Direction) {
    Direction = wdTopLeft;
    const int directions = Word.length() == 1 ? 1 : WordDirectionCount;
    const TCellColours colours = RoleColours(crHighlighted);
    bool matched = false;
    for (int d = 0; d < directions; ++d) {
        const auto direction = TWordDirectionType(d);
        if (!RunMatches(X, Y, direction, Word, true))
            continue;
        const TDirectionOffset step = GetDirectionOffset(direction);
        PaintWordCells(X, Y, step.ColumnStep, step.RowStep, wgcsHighlighted, true, false, Word,
                       colours.Foreground, colours.Background);
        Direction = direction;
        matched = true;
    }
    return matched;
}

int TCustomWordGame::PlaceWordFromGrid(const QString& Word) {
    HideAllWords(false, false);
    int x = 0;
    int y = 0;
    TWordDirectionType direction = wdTopLeft;
    if (FindWordInGrid(Word, x, y, direction) > 0)
        return PlaceWord(x, y, direction, Word, false);
    return -1;
}

// Paints the cells from (X1, Y1) to (X2, Y2), both included, each step
// moving every coordinate one cell toward the end.
void TCustomWordGame::PaintCellRun(int X1, int Y1, int X2, int Y2, const TCellColours& Colours) {
    const auto toward = [](int from, int to) { return from < to ? 1 : (from > to ? -1 : 0); };
    int column = X1;
    int row = Y1;
    while (true) {
        if (BoardGame()->IsValidCell(column, row))
            SetCellColours(column, row, Colours.Background, Colours.Foreground);
        if (column == X2 && row == Y2)
            break;
        StepCell(column, row, toward(column, X2), toward(row, Y2));
    }
}

int TCustomWordGame::ShowDuplicateWords() {
    HideAllWords(true, false);
    const TCellColours duplicate = RoleColours(crDuplicateWord);
    int result = 0;
    for (int i = 0; i < FWordList->Count(); ++i) {
        TPointList starts;
        TPointList ends;
        if (CountWordOccurrences(GetWordText(i), starts, ends) <= 1)
            continue;
        ++result;
        for (int k = 0; k < starts.Count(); ++k) {
            const TPoint first = starts.GetPoint(k);
            const TPoint last = ends.GetPoint(k);
            PaintCellRun(first.X, first.Y, last.X, last.Y, duplicate);
        }
        HighlightWord(i);
    }
    return result;
}

int TCustomWordGame::CountWordOccurrences(const QString& Word, TPointList& Starts,
                                          TPointList& Ends) const {
    Starts = TPointList();
    Ends = TPointList();
    int count = 0;
    for (int column = 0; column < ColCount(); ++column)
        for (int row = 0; row < RowCount(); ++row) {
            if (GetCellText(column, row).isEmpty())
                continue;
            for (int d = 0; d < WordDirectionCount; ++d) {
                const auto direction = TWordDirectionType(d);
                if (!RunMatches(column, row, direction, Word, false))
                    continue;
                ++count;
                Starts.AddPoint(column, row);
                Ends.Add(LastCell(column, row, direction, Word.length()));
            }
        }
    return count;
}

bool TCustomWordGame::WordPassesCell(const TWordRec& Rec, int X, int Y) const {
    bool passes = false;
    ForEachLetterCell(Rec.X, Rec.Y, Rec.Direction, Rec.Word.length(),
                      [&](int, int column, int row) { passes |= column == X && row == Y; });
    return passes;
}

int TCustomWordGame::CollectWordsAtCell(int X, int Y) {
    FWordMatches.clear();
    for (int i = 0; i < FWordList->Count(); ++i) {
        const TWordRec rec = FWordList->GetWordRec(i);
        if (WordPassesCell(rec, X, Y))
            FWordMatches.append(rec.Word);
    }
    return FWordMatches.count();
}

void TCustomWordGame::PaintTypedWord(int X, int Y, TWordDirectionType Direction,
                                     const QString& Word, bool Dummy, bool Draw,
                                     bool NewWordColours) {
    // The board may have changed since the last placement: a dummy preview is
    // erased to the cells as they were when it was drawn.
    if (Dummy && Draw)
        SaveBoardSnapshot();
    bool inside = true;
    ForEachLetterCell(X, Y, Direction, Word.length(), [&](int k, int column, int row) {
        inside = inside && BoardGame()->IsValidCell(column, row);
        if (inside)
            PaintTypedCell(column, row, LetterAt(Word, k), Dummy, Draw, NewWordColours);
    });
}

void TCustomWordGame::PaintTypedCell(int X, int Y, const QString& Letter, bool Dummy, bool Draw,
                                     bool NewWordColours) {
    TGameCellRecord cell = GetCell(X, Y);
    const bool wordCell = HasState(cell.State, wgcsWord);
    TCellColours colours;
    if (Dummy && wordCell)
        return;
    if (Dummy && Draw) {
        cell.Text = Letter;
        cell.State = wgcsDummy;
        colours = RoleColours(crDummyWord);
    } else if (Dummy) {
        cell.State = FSnapshot->GetCellState(X, Y);
        if (HasState(cell.State, wgcsWord))
            cell.State = wgcsDummy;
        cell.Text = FSnapshot->GetCellText(X, Y);
        colours = GetStateColours(cell.State);
    } else if (Draw) {
        if (!cell.Text.isEmpty() && cell.Text != Letter && wordCell) {
            colours = RoleColours(crOverlappedLetter);
        } else if (NewWordColours) {
            colours = RoleColours(crNewWord);
        } else {
            colours = RoleColours(crHighlighted);
            cell.State |= wgcsHighlighted;
        }
        cell.Text = Letter;
    } else {
        if (cell.State == wgcsBlank && FSolution->GetCellState(X, Y) == wgcsBlank)
            FSolution->SetCellText(X, Y, QString());
        // A cell cleared on the shown board alone keeps its old letter in the
        // solution board; a blank cell takes no letter back.
        const uint32_t plain = cell.State & ~wgcsHighlighted;
        cell.Text = plain == wgcsBlank ? QString() : FSolution->GetCellText(X, Y);
        colours = GetStateColours(plain);
    }
    cell.TextColour = colours.Foreground;
    cell.Colour = colours.Background;
    WriteCell(X, Y, cell);
    RedrawCell(X, Y);
}

// ---------------------------------------------------------------------------
// Cell editing

int TCustomWordGame::AddWordFromCells(int X, int Y, uint32_t State) {
    if (!BoardGame()->IsValidCell(X, Y) || !CellHasState(X, Y, State))
        return -1;
    for (int d = 0; d < WordDirectionCount; ++d) {
        const auto direction = TWordDirectionType(d);
        const TDirectionOffset step = GetDirectionOffset(direction);
        int column = X + step.ColumnStep;
        int row = Y + step.RowStep;
        if (!BoardGame()->IsValidCell(column, row) || !CellHasState(column, row, State))
            continue;
        QString word;
        column = X;
        row = Y;
        while (BoardGame()->IsValidCell(column, row) && CellHasState(column, row, State)) {
            word += GetCellText(column, row);
            StepCell(column, row, step.ColumnStep, step.RowStep);
        }
        return word.length() >= 2 ? PlaceWord(X, Y, direction, word, false) : -1;
    }
    return -1;
}

bool TCustomWordGame::ConfirmDeleteWord(const QString& Text) const {
    return ConfirmMessage(Format("Delete \"%s\"?", Text));
}

bool TCustomWordGame::DeleteWordsAtCell(int X, int Y) {
    CollectWordsAtCell(X, Y);
    // Handlers of the events below may query the cell again.
    const QStringList matches = FWordMatches;
    bool declined = false;
    for (int k = 0; !declined && k < matches.count(); ++k) {
        const int index = IndexOfWord(matches.at(k));
        if (index < 0)
            continue;
        HighlightWord(index);
        if (ConfirmDeleteWord(matches.at(k)))
            DeleteWord(index);
        else
            declined = true;
    }
    return declined;
}

void TCustomWordGame::DeleteAtCell(int X, int Y, bool& Declined) {
    if (!BoardGame()->IsValidCell(X, Y))
        return;
    if (CellHasState(X, Y, wgcsWord)) {
        Declined = DeleteWordsAtCell(X, Y);
        return;
    }
    ClearCell(X, Y);
    RedrawCell(X, Y);
}

void TCustomWordGame::ClearCell(int X, int Y) {
    if (!BoardGame()->IsValidCell(X, Y))
        return;
    WriteCell(X, Y, LetterRecord(QString(), RoleColours(crBlankSpace), wgcsBlank, 0));
    SetModified();
}

void TCustomWordGame::DeleteHighlightedCells() {
    // Deleting a word takes every highlight off, so the selection is taken
    // as it stands when the operation starts.
    std::vector<TPoint> selection;
    for (int row = 0; row < RowCount(); ++row)
        for (int column = 0; column < ColCount(); ++column)
            if (CellHasState(column, row, wgcsHighlighted))
                selection.push_back({column, row});
    bool declined = false;
    for (const TPoint& cell : selection) {
        DeleteAtCell(cell.X, cell.Y, declined);
        if (declined)
            break;
    }
}

void TCustomWordGame::MakeDummy(int X, int Y) {
    if (HighlightedCellCount() > 0) {
        MakeHighlightedCellsDummy();
        return;
    }
    bool declined = false;
    MakeCellDummy(X, Y, declined);
}

void TCustomWordGame::MakeCellDummy(int X, int Y, bool& Declined) {
    Declined = false;
    if (!BoardGame()->IsValidCell(X, Y))
        return;
    if (CellHasState(X, Y, wgcsWord)) {
        if (CollectWordsAtCell(X, Y) <= 0)
            return;
        const QString letter = GetCellText(X, Y);
        Declined = DeleteWordsAtCell(X, Y);
        if (Declined)
            return;
        SetCellText(X, Y, letter);
        SetCellStateColours(X, Y, wgcsDummy);
        WriteDummyLetters(X, Y, letter, 0, 0);
    } else if (CellHasState(X, Y, wgcsFiller)) {
        MakeFillerLetterDummy(X, Y);
    }
}

void TCustomWordGame::MakeFillerLetterDummy(int X, int Y) {
    if (!BoardGame()->IsValidCell(X, Y))
        return;
    const QString letter = GetCellText(X, Y);
    WriteCell(X, Y, LetterRecord(letter, RoleColours(crDummyWord), wgcsDummy, 0));
    WriteDummyLetters(X, Y, letter, 0, 0);
    RedrawCell(X, Y);
    SetModified();
}

// After the word's removal its letters that no other word holds come back as
// dummy letters, on the shown board and in the solution board.
void TCustomWordGame::MakeWordLettersDummy(const TWordRec& Rec) {
    ForEachLetterCell(
        Rec.X, Rec.Y, Rec.Direction, Rec.Word.length(), [&](int k, int column, int row) {
            if (!BoardGame()->IsValidCell(column, row) || GetCellState(column, row) != wgcsBlank)
                return;
            SetCellText(column, row, LetterAt(Rec.Word, k));
            SetCellStateColours(column, row, wgcsDummy);
        });
    const TDirectionOffset step = GetDirectionOffset(Rec.Direction);
    WriteDummyLetters(Rec.X, Rec.Y, Rec.Word, step.ColumnStep, step.RowStep);
}

void TCustomWordGame::MakeHighlightedCellsDummy() {
    bool declined = false;
    for (int row = 0; !declined && row < RowCount(); ++row)
        for (int column = 0; !declined && column < ColCount(); ++column) {
            if (!CellHasState(column, row, wgcsHighlighted))
                continue;
            if (!CellHasState(column, row, wgcsWord)) {
                MakeCellDummy(column, row, declined);
                continue;
            }
            CollectWordsAtCell(column, row);
            const QStringList matches = FWordMatches;
            for (int k = 0; !declined && k < matches.count(); ++k) {
                const int index = IndexOfWord(matches.at(k));
                if (index < 0)
                    continue;
                if (!ConfirmDeleteWord(matches.at(k))) {
                    declined = true;
                    continue;
                }
                const TWordRec rec = GetWordRec(index);
                RemoveWordAt(index);
                MakeWordLettersDummy(rec);
            }
        }
}
