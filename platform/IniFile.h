#pragma once

#include <QString>
#include <QStringList>
#include <memory>

// An INI file held in memory: sections and keys keep file order, names are
// compared as SameIniName does. The file is one text in the system's text
// rule (TextBytes.h): read as UTF-8, or Windows-1252 for other bytes;
// written in Windows-1252 when that holds it, else in UTF-8. Changes reach
// the disk only through UpdateFile, which replaces the file in one step.
class TIniFile {
public:
    enum TOpenMode { omLoad, omEmpty };

    // omLoad reads the file: a missing file reads as empty; one that exists
    // but cannot be read raises EFOpenError. omEmpty starts empty, for a
    // file that is written anew.
    explicit TIniFile(const QString& FileName, TOpenMode Mode = omLoad);
    ~TIniFile();
    TIniFile(const TIniFile&) = delete;
    TIniFile& operator=(const TIniFile&) = delete;

    const QString& FileName() const { return FFileName; }

    QString ReadString(const QString& Section, const QString& Ident, const QString& Default) const;
    // Default when the key is missing or its text is not an integer.
    int ReadInteger(const QString& Section, const QString& Ident, int Default) const;
    bool SectionExists(const QString& Section) const;
    bool ValueExists(const QString& Section, const QString& Ident) const;
    // The section names in file order.
    QStringList ReadSections() const;
    // The key names of a section in file order.
    QStringList ReadSection(const QString& Section) const;

    // Raise Exception for what the file format cannot hold: a line break
    // anywhere; an empty name or one with blanks at its ends; "]" in a
    // section name; "=" in a key or a key starting with "[", ";" or "#".
    // Blanks at the ends of a value are dropped when it is read back.
    void WriteString(const QString& Section, const QString& Ident, const QString& Value);
    void WriteInteger(const QString& Section, const QString& Ident, int Value);
    void EraseSection(const QString& Section);
    void DeleteKey(const QString& Section, const QString& Ident);
    void Clear();

    // Writes the whole file through a temporary file renamed over it, so a
    // failure leaves the old file as it was; raises EFCreateError then.
    void UpdateFile();

private:
    struct TData;
    QString FFileName;
    std::unique_ptr<TData> FData;
};

// Whether two section or key names are one in the file: letter case is
// ignored for A-Z only, as the INI layer compares them.
bool SameIniName(const QString& A, const QString& B);

// The folder of the settings files, with a trailing separator: the
// program's folder when it is writable, else a per-user folder under the
// XDG configuration home that both programs share (created when missing).
QString SettingsFolder();
