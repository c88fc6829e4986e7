#include "engine/puzzle/GlyphtroveUn.h"

#include "engine/genlib/GenLibUn.h"
#include "engine/htmlexport/HTMLExportUn.h"
#include "engine/typestream/TypeStreamUn.h"
#include "platform/FileHandle.h"
#include "platform/Services.h"
#include "platform/TextBytes.h"

#include <QGuiApplication>

const char* const GlyphtroveHeaderID = "GLYPHTROVEGAME";

namespace {

const char* const AlphabetLetters = "ABCDEFGHIJKLMNOPQRSTUVWXYZ";
// A fragment is drawn from the words at most this often looking for one
// longer than its run.
constexpr int MaxFragmentDraws = 20;
// Each cell of the file is two integers of a tag and four bytes.
constexpr int64_t CellFileBytes = 10;
// Stands for a stored direction outside the eight: its step is (0, 0).
constexpr auto UnknownDirection = TWordDirectionType(WordDirectionCount);
// The calendar's range, years 1 to 9999, in days since 30 December 1899. A
// value after the last millisecond would round into year 10000, whose stamp
// no longer reads back.
constexpr double FirstDateTime = -693593.0;
constexpr double LastDateTime = 2958466.0 - 1.0 / MSecsPerDay;

Exception CorruptFile(const QString& FileName) {
    return Exception(Format("File \"%s\" is invalid or corrupt", FileName));
}

bool IsValidSide(int Value) {
    return Value >= 1 && Value <= GameFileMaxSide;
}

bool IsValidDuration(TDateTime Value) {
    return Value >= FirstDateTime && Value <= LastDateTime; // false for NaN
}

int64_t RemainingBytes(TTypeStream* Stream) {
    return Stream->Size() - Stream->Position();
}

bool ReadFlag(TTypeStream* Stream) {
    return Stream->ReadBoolean() != 0;
}

// A code whose low byte is 0 holds no letter; the byte reads as a letter of
// the Windows code page, as older copies wrote it.
QString CellLetter(int Code) {
    const char byte = char(Code & 0xFF);
    return byte == 0 ? QString() : BytesToText(QByteArray(1, byte));
}

// The cell code of the game file: the character code of the first letter. A
// letter of the code page beyond Latin-1 (a Euro sign, an S with caron) is
// written as its byte there, so that it reads back as itself.
int CellCode(const QString& Text) {
    if (Text.isEmpty())
        return 0;
    const QChar letter = Text.at(0);
    if (letter.unicode() > 0xFF)
        for (int byte = 0x80; byte < 0xA0; ++byte)
            if (CellLetter(byte) == letter)
                return byte;
    return letter.unicode();
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
            if (!GetCellText(column, row).isEmpty())
                continue;
            const int k = services().Random(Alphabet.length());
            SetCellTextColour(column, row, colours->GetRandomLetterForeground());
            SetCellColour(column, row, colours->GetRandomLetterBackground());
            SetCellText(column, row, Alphabet.mid(k, 1));
            SetCellState(column, row, wgcsFiller);
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
    if (!Path.isEmpty())
        ResultPath = Path;
    else if (!FFileName.isEmpty())
        ChangeFileExtension(FFileName, "html", ResultPath);
    else
        ResultPath = GetTempDirectory() + "tmp.html";
    {
        TGlyphtroveHTMLExport exporter;
        exporter.SetTitle(QGuiApplication::applicationDisplayName());
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
    {
        // Recolouring every cell is a bulk change: one repaint, not one a cell.
        const TGridUpdate update(*this);
        HideAllWords(true, true);
    }
    MakeBackup(FileName);
    if (GamePreferences()->GetAutoFinish())
        FillRandomLetters();
    GamePreferences()->StampModified();
    TFileTypeStream stream(FileName, tsmWrite);
    // The file takes the game in one write, not one a value.
    TBufferTypeStream buffer(tsmWrite);
    SaveToStream(&buffer);
    stream.WriteBuffer(buffer.Bytes().constData(), int(buffer.Bytes().size()));
    // The stream overwrites without truncating: cut off whatever an older,
    // longer file left beyond the new end.
    stream.SetSize(stream.Position());
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
    ReadHeader(FileName, Stream);
    ReadProperties(Stream);
    ReadGridSize(FileName, Stream);
    ReadPlaySettings(FileName, Stream);
    ClearGrid();
    ClearWords();
    if (GamePreferences()->GetIncludeColourScheme())
        ReadColours(Stream);
    ReadCells(Stream);
    ReadWords(FileName, Stream);
    ReadWishList(FileName, Stream);
}

void TCustomGlyphtrove::ReadHeader(const QString& FileName, TTypeStream* Stream) {
    const QString header = Stream->ReadString();
    if (header != GlyphtroveHeaderID)
        throw CorruptFile(FileName);
    const int major = Stream->ReadInteger();
    if (major < 1 || major > GameFileMajorVersion)
        throw Exception(
            Format("File version for \"%s\" is newer than application. Please update application",
                   FileName));
    const int minor = Stream->ReadInteger();
    FVersion = TWordGameProperties::FormatVersion(major, minor);
}

void TCustomGlyphtrove::ReadProperties(TTypeStream* Stream) {
    TWordGameProperties* properties = GamePreferences();
    properties->SetGameTitle(Stream->ReadString());
    properties->SetGameDescription(Stream->ReadString());
    properties->SetGameAuthor(Stream->ReadString());
    properties->SetGameCreated(PropertyText(Stream->ReadString()));
    properties->SetGameModified(PropertyText(Stream->ReadString()));
    Stream->ReadString(); // reserved
}

// The sides are checked, and the file must hold all the cells, before the
// boards are sized for them.
void TCustomGlyphtrove::ReadGridSize(const QString& FileName, TTypeStream* Stream) {
    const int columns = Stream->ReadInteger();
    const int rows = Stream->ReadInteger();
    if (!IsValidSide(columns) || !IsValidSide(rows) ||
        RemainingBytes(Stream) < int64_t(columns) * rows * CellFileBytes)
        throw CorruptFile(FileName);
    SetColCount(columns);
    SetRowCount(rows);
    // A control without a size keeps its counts; the cells would not fit.
    if (ColCount() != columns || RowCount() != rows)
        throw Exception(Format("The grid cannot take %d x %d cells", columns, rows));
}

void TCustomGlyphtrove::ReadPlaySettings(const QString& FileName, TTypeStream* Stream) {
    TWordGameProperties* properties = GamePreferences();
    FRandomLettersUsed = ReadFlag(Stream);
    properties->SetIncludeColourScheme(ReadFlag(Stream));
    properties->SetAutoFinish(ReadFlag(Stream));
    const int unusedSpace = Stream->ReadInteger();
    properties->SetUnusedSpace(unusedSpace >= usRandomLetters && unusedSpace <= usPartialWords
                                   ? uint8_t(unusedSpace)
                                   : uint8_t(usLeftBlank));
    properties->SetUseTimer(ReadFlag(Stream));
    const TDateTime countDown = Stream->ReadDateTime();
    if (!IsValidDuration(countDown))
        throw CorruptFile(FileName);
    properties->SetCountDownTimer(countDown);
    properties->SetHints(Stream->ReadInteger());
    properties->SetCanGiveIn(ReadFlag(Stream));
}

void TCustomGlyphtrove::ReadColours(TTypeStream* Stream) {
    TWordGameColourPreferences* colours = GamePreferences()->ColourPreferences();
    for (const TWordGameColourRole role : GameFileRoleOrder) {
        colours->SetForeground(role, TColor(Stream->ReadInteger()));
        colours->SetBackground(role, TColor(Stream->ReadInteger()));
    }
}

void TCustomGlyphtrove::ReadCells(TTypeStream* Stream) {
    const TGridUpdate update(*this);
    for (int column = 0; column < ColCount(); ++column)
        for (int row = 0; row < RowCount(); ++row) {
            const int code = Stream->ReadInteger();
            const auto state = uint32_t(Stream->ReadInteger());
            ReadCell(column, row, code, state);
        }
}

void TCustomGlyphtrove::ReadCell(int Column, int Row, int Code, uint32_t State) {
    const QString letter = CellLetter(Code);
    SetCellText(Column, Row, letter);
    SolutionBoard()->SetCellText(Column, Row, letter);
    SetCellState(Column, Row, State);
    const TCellColours colours = GetCellColours(Column, Row);
    SetCellColours(Column, Row, colours.Background, colours.Foreground);
}

void TCustomGlyphtrove::ReadWords(const QString& FileName, TTypeStream* Stream) {
    const int count = Stream->ReadInteger();
    if (count < 0)
        throw CorruptFile(FileName);
    for (int i = 0; i < count; ++i) {
        const QString word = Stream->ReadString();
        const int x = Stream->ReadInteger();
        const int y = Stream->ReadInteger();
        const int direction = Stream->ReadInteger();
        // No word starts outside the grid; refusing it here also keeps the
        // placement's cell arithmetic within the grid's range.
        if (!IsInsideBoard(x, y))
            throw CorruptFile(FileName);
        PlaceStoredWord(word, x, y, direction);
    }
}

// A direction outside the eight steps nowhere, so the placement refuses the
// word in its error box; the last direction the editor offers stays one of
// the eight.
void TCustomGlyphtrove::PlaceStoredWord(const QString& Word, int X, int Y, int Direction) {
    if (Direction >= wdTopLeft && Direction <= wdLeft) {
        PlaceWord(X, Y, TWordDirectionType(Direction), Word, false);
        return;
    }
    const TWordDirectionType lastDirection = LastDirection();
    PlaceWord(X, Y, UnknownDirection, Word, false);
    SetLastDirection(lastDirection);
}

void TCustomGlyphtrove::ReadWishList(const QString& FileName, TTypeStream* Stream) {
    if (Stream->EndOfStream())
        return;
    const int count = Stream->ReadInteger();
    if (count < 0)
        throw CorruptFile(FileName);
    for (int i = 0; i < count; ++i)
        FWishList->Add(Stream->ReadString());
}

// --- The editor's puzzle

int TGlyphtroveEditor::AddWordToList(const QString& Word, int X, int Y,
                                     TWordDirectionType Direction) {
    const int index = TCustomGlyphtrove::AddWordToList(Word, X, Y, Direction);
    if (GamePreferences()->GetRemoveUsedWords())
        WishList()->RemoveWord(Word);
    return index;
}
