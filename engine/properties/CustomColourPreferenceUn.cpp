#include "engine/properties/CustomColourPreferenceUn.h"

#include "platform/Exception.h"

namespace {

template <typename TItems> void CheckListIndex(const TItems& items, int index) {
    if (index < 0 || index >= int(items.size()))
        throw EListError(index);
}

} // namespace

TCustomColourPreference::TCustomColourPreference(const QString& Name, TColor ForegroundColour,
                                                 TColor BackgroundColour)
    : FName(Name), FForegroundColour(ForegroundColour), FBackgroundColour(BackgroundColour) {}

void TCustomColourPreference::Assign(TPersistent* Source) {
    const auto* source = dynamic_cast<TCustomColourPreference*>(Source);
    if (!source)
        throw Exception("Source is not a TCustomColourPreference object");
    FForegroundColour = source->FForegroundColour;
    FBackgroundColour = source->FBackgroundColour;
    FName = source->FName;
}

int TCustomColourPreferences::AddColour(const QString& Name, TColor ForegroundColour,
                                        TColor BackgroundColour) {
    FItems.push_back(
        std::make_unique<TCustomColourPreference>(Name, ForegroundColour, BackgroundColour));
    return Count() - 1;
}

TCustomColourPreference* TCustomColourPreferences::GetItem(int Index) const {
    CheckListIndex(FItems, Index);
    return FItems[size_t(Index)].get();
}

TCustomGamePreference::TCustomGamePreference(const QString& Name, const QString& Value)
    : FName(Name), FValue(Value) {}

void TCustomGamePreference::Assign(TPersistent* Source) {
    const auto* source = dynamic_cast<TCustomGamePreference*>(Source);
    if (!source)
        throw Exception("Source is not a TCustomGamePreference object");
    FValue = source->FValue;
    FName = source->FName;
}

int TCustomGamePreferences::AddItem(const QString& Name, const QString& Value) {
    FItems.push_back(std::make_unique<TCustomGamePreference>(Name, Value));
    return Count() - 1;
}

int TCustomGamePreferences::IndexOfName(const QString& Name) const {
    for (int i = 0; i < Count(); ++i)
        if (FItems[size_t(i)]->Name() == Name)
            return i;
    return -1;
}

TCustomGamePreference* TCustomGamePreferences::GetItem(int Index) const {
    CheckListIndex(FItems, Index);
    return FItems[size_t(Index)].get();
}

int TCustomGamePreferences::IndexOfExisting(const QString& Name) const {
    const int index = IndexOfName(Name);
    if (index < 0)
        throw Exception(Format("Preference item \"%s\" not found", Name));
    return index;
}

void TCustomGamePreferences::SetValue(const QString& Name, const QString& Value) {
    SetValueAt(IndexOfExisting(Name), Value);
}

void TCustomGamePreferences::SetBoolean(const QString& Name, bool Flag) {
    SetValue(Name, BooleanToText(Flag));
}

void TCustomGamePreferences::SetDateTime(const QString& Name, TDateTime Moment) {
    SetValue(Name, DateTimeToStamp(Moment));
}

void TCustomGamePreferences::SetValueAt(int Index, const QString& Value) {
    GetItem(Index)->SetValue(Value);
    FModified = true;
}

void TCustomGamePreferences::SetDateTimeAt(int Index, TDateTime Moment) {
    SetValueAt(Index, DateTimeToStamp(Moment));
}

QString BooleanToText(bool Flag) {
    return Flag ? "T" : "F";
}

bool TextToBoolean(const QString& Text) {
    return Text == "T";
}
