#pragma once

#include "platform/Colors.h"
#include "platform/DateTime.h"
#include "platform/Object.h"

#include <QString>
#include <memory>
#include <vector>

// A named pair of colours: one colour role of a puzzle.
class TCustomColourPreference : public TPersistent {
public:
    TCustomColourPreference(const QString& Name, TColor ForegroundColour, TColor BackgroundColour);

    const QString& Name() const { return FName; }
    void SetName(const QString& Value) { FName = Value; }
    TColor ForegroundColour() const { return FForegroundColour; }
    void SetForegroundColour(TColor Value) { FForegroundColour = Value; }
    TColor BackgroundColour() const { return FBackgroundColour; }
    void SetBackgroundColour(TColor Value) { FBackgroundColour = Value; }

    // Copies name and colours from another colour preference; raises for any
    // other source and then changes nothing.
    void Assign(TPersistent* Source) override;

private:
    QString FName;
    TColor FForegroundColour;
    TColor FBackgroundColour;
};

// Colour preferences in insertion order; the list owns them.
class TCustomColourPreferences : public TObject {
public:
    // Appends a new item and returns its index.
    int AddColour(const QString& Name, TColor ForegroundColour, TColor BackgroundColour);
    int Count() const { return int(FItems.size()); }
    // Raises EListError outside 0..Count()-1.
    TCustomColourPreference* GetItem(int Index) const;
    void Clear() { FItems.clear(); }

private:
    std::vector<std::unique_ptr<TCustomColourPreference>> FItems;
};

// A named text value: one property of a puzzle.
class TCustomGamePreference : public TPersistent {
public:
    TCustomGamePreference(const QString& Name, const QString& Value);

    const QString& Name() const { return FName; }
    void SetName(const QString& Value) { FName = Value; }
    const QString& Value() const { return FValue; }
    void SetValue(const QString& Value) { FValue = Value; }

    // Copies name and value from another game preference; raises for any
    // other source and then changes nothing.
    void Assign(TPersistent* Source) override;

private:
    QString FName;
    QString FValue;
};

// Named text values in insertion order. Every change of a value made
// through the list sets Modified; only the owner clears it.
class TCustomGamePreferences : public TObject {
public:
    // Appends a new item and returns its index; Modified is left alone.
    int AddItem(const QString& Name, const QString& Value);
    int Count() const { return int(FItems.size()); }
    // The first item whose name equals Name exactly, or -1.
    int IndexOfName(const QString& Name) const;
    // Raises EListError outside 0..Count()-1.
    TCustomGamePreference* GetItem(int Index) const;

    // Raise "Preference item "%s" not found" when no item has the name.
    void SetValue(const QString& Name, const QString& Value);
    void SetBoolean(const QString& Name, bool Flag);
    void SetDateTime(const QString& Name, TDateTime Moment);
    // Raise EListError for an index outside the list.
    void SetValueAt(int Index, const QString& Value);
    void SetDateTimeAt(int Index, TDateTime Moment);

    bool Modified() const { return FModified; }
    void SetModified(bool Value) { FModified = Value; }

private:
    int IndexOfExisting(const QString& Name) const;

    std::vector<std::unique_ptr<TCustomGamePreference>> FItems;
    bool FModified = false;
};

// The texts of a Boolean value.
QString BooleanToText(bool Flag);
// Only exactly "T" is true.
bool TextToBoolean(const QString& Text);
