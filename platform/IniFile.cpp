#include "platform/IniFile.h"

#include "platform/Convert.h"
#include "platform/Exception.h"
#include "platform/FileHandle.h"
#include "platform/FileReplacement.h"
#include "platform/Format.h"
#include "platform/Services.h"
#include "platform/TextBytes.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>
#include <list>
#include <string>

#define SI_IMPLEMENTATION
#define SI_NO_CONVERSION
#include <SimpleIni.h>

namespace {

// Larger files are not settings files; reading them would only cost memory.
constexpr qint64 kMaxIniFileSize = 16 * 1024 * 1024;

// Valid UTF-8 as it is; any other bytes re-coded from Windows-1252.
QByteArray ToUtf8(const QByteArray& bytes) {
    return BytesToText(bytes).toUtf8();
}

// A NUL would end the parse early and lose the rest of the file.
QByteArray ReadIniBytes(const QString& fileName) {
    return ReadFileBytes(fileName, kMaxIniFileSize).replace('\0', ' ');
}

bool HasLineBreak(const QString& text) {
    return text.contains('\r') || text.contains('\n') || text.contains(QChar(0));
}

bool HasBlankEnds(const QString& text) {
    auto blank = [](QChar c) { return c == ' ' || c == '\t'; };
    return !text.isEmpty() && (blank(text.front()) || blank(text.back()));
}

void Refuse(const QString& what, const QString& text) {
    throw Exception(Format("%s \"%s\" cannot be stored in an INI file", what, text));
}

void CheckSection(const QString& section) {
    if (section.isEmpty() || HasLineBreak(section) || section.contains(']') ||
        HasBlankEnds(section))
        Refuse("Section name", section);
}

void CheckIdent(const QString& ident) {
    if (ident.isEmpty() || HasLineBreak(ident) || ident.contains('=') || HasBlankEnds(ident) ||
        ident.startsWith('[') || ident.startsWith(';') || ident.startsWith('#'))
        Refuse("Key name", ident);
}

void CheckValue(const QString& value) {
    if (HasLineBreak(value))
        Refuse("Value", value);
}

using TNames = CSimpleIniA::TNamesDepend;

QStringList InLoadOrder(TNames names) {
    names.sort(CSimpleIniA::Entry::LoadOrder());
    QStringList result;
    for (const auto& entry : names)
        if (*entry.pItem)
            result.append(QString::fromUtf8(entry.pItem));
    return result;
}

bool IsWritableFolder(const QString& folder) {
    const QFileInfo info(folder);
    return !folder.isEmpty() && info.isDir() && info.isWritable();
}

QString WithSeparator(const QString& folder) {
    return folder.endsWith('/') ? folder : folder + '/';
}

} // namespace

struct TIniFile::TData {
    CSimpleIniA Ini{true, false, false};
};

TIniFile::TIniFile(const QString& FileName, TOpenMode Mode)
    : FFileName(FileName), FData(std::make_unique<TData>()) {
    FData->Ini.SetSpaces(false);
    if (Mode == omEmpty || !QFileInfo::exists(FileName))
        return;
    const QByteArray text = ToUtf8(ReadIniBytes(FileName));
    if (FData->Ini.LoadData(text.constData(), size_t(text.size())) < 0)
        throw EFOpenError(Format("Cannot open file \"%s\". The file cannot be read",
                                 QDir::toNativeSeparators(FileName)));
}

TIniFile::~TIniFile() = default;

QString TIniFile::ReadString(const QString& Section, const QString& Ident,
                             const QString& Default) const {
    const char* value =
        FData->Ini.GetValue(Section.toUtf8().constData(), Ident.toUtf8().constData(), nullptr);
    return value ? QString::fromUtf8(value) : Default;
}

int TIniFile::ReadInteger(const QString& Section, const QString& Ident, int Default) const {
    return StrToIntDef(ReadString(Section, Ident, QString()), Default);
}

bool TIniFile::SectionExists(const QString& Section) const {
    return FData->Ini.GetSection(Section.toUtf8().constData()) != nullptr;
}

bool TIniFile::ValueExists(const QString& Section, const QString& Ident) const {
    return FData->Ini.KeyExists(Section.toUtf8().constData(), Ident.toUtf8().constData());
}

QStringList TIniFile::ReadSections() const {
    TNames names;
    FData->Ini.GetAllSections(names);
    return InLoadOrder(names);
}

QStringList TIniFile::ReadSection(const QString& Section) const {
    TNames names;
    FData->Ini.GetAllKeys(Section.toUtf8().constData(), names);
    return InLoadOrder(names);
}

void TIniFile::WriteString(const QString& Section, const QString& Ident, const QString& Value) {
    CheckSection(Section);
    CheckIdent(Ident);
    CheckValue(Value);
    if (FData->Ini.SetValue(Section.toUtf8().constData(), Ident.toUtf8().constData(),
                            Value.toUtf8().constData()) < 0)
        throw Exception("Out of memory");
}

void TIniFile::WriteInteger(const QString& Section, const QString& Ident, int Value) {
    WriteString(Section, Ident, QString::number(Value));
}

void TIniFile::EraseSection(const QString& Section) {
    FData->Ini.Delete(Section.toUtf8().constData(), nullptr);
}

void TIniFile::DeleteKey(const QString& Section, const QString& Ident) {
    FData->Ini.Delete(Section.toUtf8().constData(), Ident.toUtf8().constData());
}

void TIniFile::Clear() {
    FData->Ini.Reset();
}

void TIniFile::UpdateFile() {
    std::string text;
    if (FData->Ini.Save(text, false) < 0)
        throw EFCreateError(Format("Cannot create file \"%s\". The data cannot be written",
                                   QDir::toNativeSeparators(FFileName)));
    // The file is read back as one text, so it is written as one: a file of
    // mixed encodings would read as Windows-1252 throughout.
    const QByteArray bytes = TextToBytes(QString::fromUtf8(text.data(), qsizetype(text.size())));
    QSaveFile file(FFileName);
    const bool written = OpenSaveFile(file) && file.write(bytes) == bytes.size() && file.commit();
    if (!written)
        throw EFCreateError(Format("Cannot create file \"%s\". %s",
                                   QDir::toNativeSeparators(FFileName), SaveFileErrorString(file)));
}

bool SameIniName(const QString& A, const QString& B) {
    if (A.size() != B.size())
        return false;
    auto fold = [](QChar c) { return c >= 'A' && c <= 'Z' ? QChar(c.unicode() + 32) : c; };
    for (qsizetype i = 0; i < A.size(); ++i)
        if (fold(A[i]) != fold(B[i]))
            return false;
    return true;
}

QString SettingsFolder() {
    const QString program = services().ProgramFolder();
    if (IsWritableFolder(program))
        return WithSeparator(program);
    const QString folder =
        QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) + "/Glyphtrove";
    QDir().mkpath(folder);
    return WithSeparator(folder);
}
