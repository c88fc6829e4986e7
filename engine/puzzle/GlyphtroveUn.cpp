#include "engine/puzzle/GlyphtroveUn.h"

#include "engine/genlib/GenLibUn.h"
#include "engine/htmlexport/HTMLExportUn.h"
#include "engine/typestream/TypeStreamUn.h"
#include "platform/FileHandle.h"
#include "platform/FileReplacement.h"
#include "platform/Services.h"
#include "platform/TextBytes.h"

#include <QFileInfo>

namespace {

const char* const AlphabetLetters = "ABCDEFGHIJKLMNOPQRSTUVWXYZ";
// A fragment is drawn from the words at most this often looking for one
// longer than its run.
constexpr int MaxFragmentDraws = 20;

// The print page is named after the game file, or "tmp" for a game never
// saved.
QString PageName(const QString& GameFile) {
    return (GameFile.isEmpty() ? QStringLiteral("tmp") : QFileInfo(GameFile).completeBaseName()) +
           ".html";
}

bool IsWordDirection(int Direction) {
    return Direction >= wdTopLeft && Direction <= wdLeft;
}

// Visits the file's cells, which it holds column by column.
template <typename Visit> void ForEachFileCell(const TGameFile& File, Visit visit) {
    for (int column = 0; column < File.Columns; ++column)
        for (int row = 0; row < File.Rows; ++row)
            visit(column, row, File.Cells[size_t(column) * size_t(File.Rows) + size_t(row)]);
}

// The cell code of the game file: the character code of the first letter. A
// letter of the code page beyond Latin-1 (a Euro sign, an S with caron) is
// written as its byte there, so that it reads back as itself.
int CellCode(const QString& Text) {
    if (Text.isEmpty())
        return 0;
    const int byte = CodePageByte(Text.at(0));
    return byte >= 0 ? byte : Text.at(0).unicode();
}

} // namespace

TCustomGlyphtrove::TCustomGlyphtrove(QWidget* AOwner)
    : TCustomWordGame(AOwner), FWishList(std::make_unique<TWordWishList>()) {
    SetDefaultGameTitle("Glyphtrove Game");
    FHeaderID = GlyphtroveHeaderID;
}

TCustomGlyphtrove::~TCustomGlyphtrove() = default;

void TCustomGlyphtrove::SetRandomLettersUsed(bool Value) {
    FRandomLettersUsed = false;
    if (Value)
        FillRandomLetters();
    else
        ClearRandomLetters();
}

// --- Filler letters

void TCustomGlyphtrove::FillRandomLetters() {
    services().Randomize();
    {
        const TGridUpdate update(*this);
        switch (GamePreferences()->GetUnusedSpace()) {
        case usRandomLetters:
            FillEmptyCells(AlphabetLetters);
            break;
        case usWordLetters:
            FillFromWordLetters();
            break;
        case usPartialWords:
            FillWordFragments();
            break;
        default:
            break;
        }
    }
    FRandomLettersUsed = true;
}

void TCustomGlyphtrove::FillEmptyCells(const QString& Alphabet) {
    const TWordGameColourPreferences* colours = GamePreferences()->ColourPreferences();
    for (int column = 0; column < ColCount(); ++column)
        for (int row = 0; row < RowCount(); ++row) {
            TGameCellRecord cell = GetCell(column, row);
            if (!cell.Text.isEmpty())
                continue;
            const int k = services().Random(Alphabet.length());
            cell.TextColour = colours->GetRandomLetterForeground();
            cell.Colour = colours->GetRandomLetterBackground();
            cell.Text = Alphabet.mid(k, 1);
            cell.State = wgcsFiller;
            WriteCell(column, row, cell);
            RedrawCell(column, row);
        }
}

QString TCustomGlyphtrove::WordLetters() const {
    QString alphabet;
    for (int i = 0; i < WordCount(); ++i)
        for (const QChar letter : GetWordText(i))
            if (!alphabet.contains(letter))
                alphabet.append(letter);
    return alphabet;
}

void TCustomGlyphtrove::FillFromWordLetters() {
    const QString alphabet = WordLetters();
    if (!alphabet.isEmpty())
        FillEmptyCells(alphabet);
}

void TCustomGlyphtrove::FillWordFragments() {
    for (int row = 0; row < RowCount(); ++row)
        for (int column = 0; column < ColCount(); ++column)
            for (int d = 0; d < WordDirectionCount; ++d) {
                const auto direction = TWordDirectionType(d);
                const int run = EmptyRunLength(column, row, direction);
                if (run > 1)
                    FillFragment(run, column, row, direction);
            }
    FillFromWordLetters();
}

int TCustomGlyphtrove::EmptyRunLength(int Column, int Row, TWordDirectionType Direction) const {
    if (GetCellState(Column, Row) != wgcsBlank)
        return 0;
    const TDirectionOffset step = GetDirectionOffset(Direction);
    int run = 1;
    StepCell(Column, Row, step.ColumnStep, step.RowStep);
    while (IsInsideBoard(Column, Row) && GetCellState(Column, Row) == wgcsBlank) {
        ++run;
        StepCell(Column, Row, step.ColumnStep, step.RowStep);
    }
    return run;
}

void TCustomGlyphtrove::FillFragment(int Run, int Column, int Row, TWordDirectionType Direction) {
    if (WordCount() == 0)
        return;
    QString word = GetWordText(services().Random(WordCount()));
    for (int draws = 1; word.length() <= Run && draws < MaxFragmentDraws; ++draws)
        word = GetWordText(services().Random(WordCount()));
    const int length = word.length();
    const int start = length > 4 ? 1 + services().Random(length - 3) : 1;
    int count = Run;
    if (start == 1 && length <= Run)
        count = length - (1 + services().Random(3));
    if (count > 0)
        WriteFragment(word.mid(start - 1, count), Column, Row, Direction);
}

void TCustomGlyphtrove::WriteFragment(const QString& Fragment, int Column, int Row,
                                      TWordDirectionType Direction) {
    const TCellColours colours = GetStateColours(wgcsFiller);
    const TDirectionOffset step = GetDirectionOffset(Direction);
    for (const QChar letter : Fragment) {
        if (IsInsideBoard(Column, Row) && GetCellState(Column, Row) == wgcsBlank) {
            WriteCell(Column, Row, LetterRecord(letter, colours, wgcsFiller, 0));
        }
        StepCell(Column, Row, step.ColumnStep, step.RowStep);
    }
}

void TCustomGlyphtrove::ClearRandomLetters() {
    {
        const TWordGameColourPreferences* colours = GamePreferences()->ColourPreferences();
        const TGridUpdate update(*this);
        for (int column = 0; column < ColCount(); ++column)
            for (int row = 0; row < RowCount(); ++row) {
                if (!CellHasState(column, row, wgcsFiller))
                    continue;
                SetCellTextColour(column, row, colours->GetBlankSpaceForeground());
                SetCellColour(column, row, colours->GetBlankSpaceBackground());
                SetCellText(column, row, QString());
                SetCellState(column, row, wgcsBlank);
            }
    }
    FRandomLettersUsed = false;
}

// --- Colours, export, placing

void TCustomGlyphtrove::ApplyColourScheme(const TWordGameColourPreferences& Colours,
                                          bool IsPreset) {
    TWordGameColourPreferences* own = GamePreferences()->ColourPreferences();
    if (IsPreset)
        own->AssignFromPreset(Colours);
    else
        own->Assign(Colours);
    Repaint();
}

void TCustomGlyphtrove::ExportHTML(const QString& Path, QString& ResultPath) {
    // Not beside the game file: a page of that name there is the user's.
    ResultPath = Path.isEmpty() ? CreateTempFile(PageName(FFileName)) : Path;
    {
        TGlyphtroveHTMLExport exporter;
        exporter.SetTitle(ApplicationTitle());
        exporter.SetFileName(ResultPath);
        exporter.SetGame(this);
        exporter.Execute();
    }
    services().ProcessMessages();
}

bool TCustomGlyphtrove::FitWordAnyDirection(const QString& Word, int& Column, int& Row,
                                            TWordDirectionType& Direction) {
    return FitWord(AllWordDirections, Word, Column, Row, Direction);
}

bool TCustomGlyphtrove::IsInsideBoard(int Column, int Row) const {
    return BoardGame()->IsValidCell(Column, Row);
}

// --- Game files

int TCustomGlyphtrove::LoadFromFile(const QString& FileName) {
    TFileTypeStream stream(FileName, tsmRead);
    try {
        {
            // The cells are drawn once, when the game is in.
            const TGridUpdate update(*this);
            LoadFromStream(FileName, &stream);
        }
        if (FRandomLettersUsed)
            FillRandomLetters();
        else
            Repaint();
        FModified = false;
        const int bytesRead = stream.GetPosition();
        FFileName = FileName;
        return bytesRead;
    } catch (...) {
        throw Exception(Format("File \"%s\" is not a valid game file", FileName));
    }
}

void TCustomGlyphtrove::SaveToFile(const QString& FileName) {
    // The game is written beside its file and takes its place only when
    // whole: a failed save leaves the game file and its backup as they were.
    // Through a link, the file it leads to is the one replaced and backed up.
    // Made first, so that a refused file leaves the game as it was.
    TFileReplacement file(FileName);
    {
        // Recolouring every cell is a bulk change: one repaint, not one a cell.
        const TGridUpdate update(*this);
        HideAllWords(true, true);
    }
    if (GamePreferences()->GetAutoFinish())
        FillRandomLetters();
    GamePreferences()->StampModified();
    TBufferTypeStream buffer(tsmWrite);
    SaveToStream(&buffer);
    file.Reserve(buffer.Bytes().size());
    THandleTypeStream stream(file.Handle(), tsmWrite);
    stream.WriteBuffer(buffer.Bytes().constData(), int(buffer.Bytes().size()));
    file.Commit([&] { MakeBackup(file.TargetName()); });
    FModified = false;
    FFileName = FileName;
}

void TCustomGlyphtrove::MakeBackup(const QString& FileName) const {
    if (!FileExists(FileName))
        return;
    QString backup;
    ChangeFileExtension(FileName, "bak", backup);
    // A game saved under the backup's own name would delete itself.
    if (backup == FileName)
        return;
    DeleteFile(backup);
    // A second name keeps the old game at its own name until the new one
    // takes it; a file system without links moves it.
    if (!LinkFile(FileName, backup))
        MoveFile(FileName, backup);
}

void TCustomGlyphtrove::SaveToStream(TTypeStream* Stream) {
    Stream->WriteString(GlyphtroveHeaderID);
    Stream->WriteInteger(GameFileMajorVersion);
    Stream->WriteInteger(GameFileMinorVersion);
    WriteProperties(Stream);
    WritePlaySettings(Stream);
    if (GamePreferences()->GetIncludeColourScheme())
        WriteColours(Stream);
    WriteCells(Stream);
    WriteWords(Stream);
    WriteWishList(Stream);
}

void TCustomGlyphtrove::WriteProperties(TTypeStream* Stream) const {
    const TWordGameProperties* properties = GamePreferences();
    Stream->WriteString(properties->GetGameTitle());
    Stream->WriteString(properties->GetGameDescription());
    Stream->WriteString(properties->GetGameAuthor());
    Stream->WriteString(properties->GetGameCreated());
    Stream->WriteString(properties->GetGameModified());
    Stream->WriteString(QString()); // reserved
}

void TCustomGlyphtrove::WritePlaySettings(TTypeStream* Stream) const {
    const TWordGameProperties* properties = GamePreferences();
    Stream->WriteInteger(ColCount());
    Stream->WriteInteger(RowCount());
    Stream->WriteBoolean(FRandomLettersUsed);
    Stream->WriteBoolean(properties->GetIncludeColourScheme());
    Stream->WriteBoolean(properties->GetAutoFinish());
    Stream->WriteInteger(properties->GetUnusedSpace());
    Stream->WriteBoolean(properties->GetUseTimer());
    Stream->WriteDateTime(properties->GetCountDownTimer());
    Stream->WriteInteger(properties->GetHints());
    Stream->WriteBoolean(properties->GetCanGiveIn());
}

void TCustomGlyphtrove::WriteColours(TTypeStream* Stream) const {
    const TWordGameColourPreferences* colours = GamePreferences()->ColourPreferences();
    for (const TWordGameColourRole role : GameFileRoleOrder) {
        Stream->WriteInteger(int32_t(colours->Foreground(role)));
        Stream->WriteInteger(int32_t(colours->Background(role)));
    }
}

void TCustomGlyphtrove::WriteCells(TTypeStream* Stream) const {
    for (int column = 0; column < ColCount(); ++column)
        for (int row = 0; row < RowCount(); ++row) {
            Stream->WriteInteger(CellCode(GetCellText(column, row)));
            Stream->WriteInteger(int32_t(GetCellState(column, row)));
        }
}

void TCustomGlyphtrove::WriteWords(TTypeStream* Stream) const {
    Stream->WriteInteger(WordCount());
    for (int i = 0; i < WordCount(); ++i) {
        const TWordRec word = GetWordRec(i);
        Stream->WriteString(word.Word);
        Stream->WriteInteger(word.X);
        Stream->WriteInteger(word.Y);
        Stream->WriteInteger(word.Direction);
    }
}

void TCustomGlyphtrove::WriteWishList(TTypeStream* Stream) const {
    Stream->WriteInteger(FWishList->Count());
    for (int i = 0; i < FWishList->Count(); ++i)
        Stream->WriteString(FWishList->Strings(i));
}

void TCustomGlyphtrove::LoadFromStream(const QString& FileName, TTypeStream* Stream) {
    const TGameFile file = ReadGameFile(FileName, Stream);
    CheckStoredWords(file);
    ApplyGameFile(file);
}

// Tries the words on the file's own cells, so that a word PlaceWord would
// refuse fails the load before anything of the puzzle changes. Without the
// checks PlaceWord refuses nothing.
void TCustomGlyphtrove::CheckStoredWords(const TGameFile& File) const {
    if (!CheckWords())
        return;
    TBoardGame board(File.Columns, File.Rows);
    ForEachFileCell(File, [&](int Column, int Row, const TGameFileCell& Cell) {
        TGameCellRecord record;
        record.Text = Cell.Letter;
        record.State = Cell.State;
        board.WriteCell(Column, Row, record);
    });
    TPlacementTrial trial(board);
    for (const TGameFileWord& word : File.Words)
        if (IsWordDirection(word.Direction))
            trial.Place(word.X, word.Y, TWordDirectionType(word.Direction), word.Word);
}

void TCustomGlyphtrove::ApplyGameFile(const TGameFile& File) {
    FVersion = TWordGameProperties::FormatVersion(File.Major, File.Minor);
    ApplyProperties(File);
    SetBoardSize(File.Columns, File.Rows);
    ApplyPlaySettings(File);
    ClearGrid();
    ClearWords();
    if (File.IncludeColourScheme)
        ApplyColours(File);
    ApplyCells(File);
    ApplyWords(File);
    for (const QString& wish : File.Wishes)
        FWishList->Add(wish);
}

void TCustomGlyphtrove::ApplyProperties(const TGameFile& File) {
    TWordGameProperties* properties = GamePreferences();
    properties->SetGameTitle(File.Title);
    properties->SetGameDescription(File.Description);
    properties->SetGameAuthor(File.Author);
    properties->SetGameCreated(PropertyText(File.Created));
    properties->SetGameModified(PropertyText(File.Modified));
}

void TCustomGlyphtrove::ApplyPlaySettings(const TGameFile& File) {
    TWordGameProperties* properties = GamePreferences();
    FRandomLettersUsed = File.RandomLettersUsed;
    properties->SetIncludeColourScheme(File.IncludeColourScheme);
    properties->SetAutoFinish(File.AutoFinish);
    properties->SetUnusedSpace(File.UnusedSpace >= usRandomLetters &&
                                       File.UnusedSpace <= usPartialWords
                                   ? uint8_t(File.UnusedSpace)
                                   : uint8_t(usLeftBlank));
    properties->SetUseTimer(File.UseTimer);
    properties->SetCountDownTimer(File.CountDown);
    properties->SetHints(File.Hints);
    properties->SetCanGiveIn(File.CanGiveIn);
}

void TCustomGlyphtrove::ApplyColours(const TGameFile& File) {
    TWordGameColourPreferences* colours = GamePreferences()->ColourPreferences();
    auto colour = File.Colours.begin();
    for (const TWordGameColourRole role : GameFileRoleOrder) {
        colours->SetForeground(role, *colour++);
        colours->SetBackground(role, *colour++);
    }
}

void TCustomGlyphtrove::ApplyCells(const TGameFile& File) {
    const TGridUpdate update(*this);
    ForEachFileCell(File, [&](int Column, int Row, const TGameFileCell& Cell) {
        SetCellText(Column, Row, Cell.Letter);
        SolutionBoard()->SetCellText(Column, Row, Cell.Letter);
        SetCellState(Column, Row, Cell.State);
        const TCellColours colours = GetCellColours(Column, Row);
        SetCellColours(Column, Row, colours.Background, colours.Foreground);
    });
}

// A direction outside the eight steps nowhere: the word is left out with the
// placement's own message, and the editor's last direction stays one of the
// eight.
void TCustomGlyphtrove::ApplyWords(const TGameFile& File) {
    for (const TGameFileWord& word : File.Words) {
        if (IsWordDirection(word.Direction))
            PlaceWord(word.X, word.Y, TWordDirectionType(word.Direction), word.Word, false);
        else
            ErrorMessage("No direction found");
    }
}

// --- The editor's puzzle

int TGlyphtroveEditor::AddWordToList(const QString& Word, int X, int Y,
                                     TWordDirectionType Direction) {
    const int index = TCustomGlyphtrove::AddWordToList(Word, X, Y, Direction);
    if (GamePreferences()->GetRemoveUsedWords())
        WishList()->RemoveWord(Word);
    return index;
}
