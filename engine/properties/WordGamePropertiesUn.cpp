#include "engine/properties/WordGamePropertiesUn.h"

#include "platform/Convert.h"
#include "platform/Exception.h"
#include "platform/Format.h"
#include "platform/Services.h"

namespace {

const QString kDefaultTitle = "Default Title";
const QString kGameTitle = "Game Title";
const QString kGameDescription = "Game Description";
const QString kGameAuthor = "Game Author";
const QString kGameVersion = "Game Version";
const QString kGameModified = "Game Modified";
const QString kGameCreated = "Game Created";
const QString kIncludeColourScheme = "Include Colour Scheme";
const QString kUnusedSpace = "Unused Space";
const QString kAutoFinish = "Auto Finish";
const QString kRemoveUsedWords = "Remove Used Words";
const QString kCanGiveIn = "Can Give In";
const QString kUseTimer = "Use Timer";
const QString kCountDownTimer = "Count Down Timer";
const QString kHints = "Hints";

constexpr int kDefaultHints = 5;

QString NowStamp() {
    return DateTimeToStamp(services().Now());
}

// Before 30 December 1899 the day counts down while the time of day still
// counts up, so the two parts are combined with the day's sign.
TDateTime ComposeDateTime(TDateTime date, TDateTime time) {
    return date < 0 ? date - time : date + time;
}

} // namespace

TWordGameProperties::TWordGameProperties(const QString& DefaultTitle) {
    const QString now = NowStamp();
    FDefaultTitleIndex = AddItem(kDefaultTitle, DefaultTitle);
    FGameTitleIndex = AddItem(kGameTitle, QString());
    FGameDescriptionIndex = AddItem(kGameDescription, QString());
    FGameAuthorIndex = AddItem(kGameAuthor, QString());
    FGameVersionIndex = AddItem(kGameVersion, QString());
    FGameModifiedIndex = AddItem(kGameModified, now);
    FGameCreatedIndex = AddItem(kGameCreated, now);
    FIncludeColourSchemeIndex = AddItem(kIncludeColourScheme, "F");
    FUnusedSpaceIndex = AddItem(kUnusedSpace, "0");
    FAutoFinishIndex = AddItem(kAutoFinish, "F");
    FRemoveUsedWordsIndex = AddItem(kRemoveUsedWords, "F");
    FCanGiveInIndex = AddItem(kCanGiveIn, "T");
    FUseTimerIndex = AddItem(kUseTimer, "F");
    FCountDownTimerIndex = AddItem(kCountDownTimer, "0");
    FHintsIndex = AddItem(kHints, QString::number(kDefaultHints));
    FColourPreferences = std::make_unique<TWordGameColourPreferences>();
    Reset();
}

TWordGameProperties::~TWordGameProperties() = default;

void TWordGameProperties::Reset() {
    SetGameTitle(GetDefaultTitle());
    SetGameDescription(QString());
    SetGameAuthor(QString());
    SetGameVersion(FormatVersion(11, 0));
    SetValueAt(FGameModifiedIndex, NowStamp());
    SetGameCreated(GetGameModified());
    FColourPreferences->SetDefaults();
    SetIncludeColourScheme(false);
    SetAutoFinish(true);
    SetRemoveUsedWords(true);
    SetUnusedSpace(0);
    SetUseTimer(false);
    SetCountDownTimer(0);
    SetHints(kDefaultHints);
}

void TWordGameProperties::Assign(const TWordGameProperties& Source) {
    SetGameTitle(Source.GetGameTitle());
    SetGameDescription(Source.GetGameDescription());
    SetGameAuthor(Source.GetGameAuthor());
    SetGameVersion(Source.GetGameVersion());
    SetGameModified(Source.GetGameModified());
    SetGameCreated(Source.GetGameCreated());
    FColourPreferences->Assign(*Source.ColourPreferences());
    SetIncludeColourScheme(Source.GetIncludeColourScheme());
    SetAutoFinish(Source.GetAutoFinish());
    SetRemoveUsedWords(Source.GetRemoveUsedWords());
    SetUnusedSpace(Source.GetUnusedSpace());
    SetUseTimer(Source.GetUseTimer());
    SetCountDownTimer(Source.GetCountDownTimer());
    SetHints(Source.GetHints());
    SetCanGiveIn(Source.GetCanGiveIn());
    Changed();
}

void TWordGameProperties::Touch() {
    SetGameModified(NowStamp());
    SetGameCreated(GetGameModified());
    Changed();
}

void TWordGameProperties::StampModified() {
    SetGameModified(NowStamp());
}

void TWordGameProperties::Changed() {
    if (OnChange)
        OnChange(this);
}

QString TWordGameProperties::ItemText(int Index) const {
    return GetItem(Index)->Value();
}

bool TWordGameProperties::ItemBoolean(int Index) const {
    return TextToBoolean(ItemText(Index));
}

QString TWordGameProperties::GetDefaultTitle() const {
    return ItemText(FDefaultTitleIndex);
}
QString TWordGameProperties::GetGameTitle() const {
    return ItemText(FGameTitleIndex);
}
QString TWordGameProperties::GetGameDescription() const {
    return ItemText(FGameDescriptionIndex);
}
QString TWordGameProperties::GetGameAuthor() const {
    return ItemText(FGameAuthorIndex);
}
QString TWordGameProperties::GetGameVersion() const {
    return ItemText(FGameVersionIndex);
}
QString TWordGameProperties::GetGameCreated() const {
    return ItemText(FGameCreatedIndex);
}
QString TWordGameProperties::GetGameModified() const {
    return ItemText(FGameModifiedIndex);
}

bool TWordGameProperties::GetIncludeColourScheme() const {
    return ItemBoolean(FIncludeColourSchemeIndex);
}
bool TWordGameProperties::GetAutoFinish() const {
    return ItemBoolean(FAutoFinishIndex);
}
bool TWordGameProperties::GetRemoveUsedWords() const {
    return ItemBoolean(FRemoveUsedWordsIndex);
}
bool TWordGameProperties::GetCanGiveIn() const {
    return ItemBoolean(FCanGiveInIndex);
}
bool TWordGameProperties::GetUseTimer() const {
    return ItemBoolean(FUseTimerIndex);
}

int TWordGameProperties::GetHints() const {
    return StrToIntDef(ItemText(FHintsIndex), kDefaultHints);
}

TDateTime TWordGameProperties::GetCountDownTimer() const {
    const QString text = ItemText(FCountDownTimerIndex);
    if (text.isEmpty() || text == "0")
        return 0;
    try {
        return StrToStamp(text);
    } catch (const Exception&) {
        throw Exception(Format("Value \"%s\" is not a valid date/time value", text));
    }
}

void TWordGameProperties::SetNotifying(const QString& Name, const QString& Value) {
    SetValue(Name, Value);
    Changed();
}

QString TWordGameProperties::StampOrNow(const QString& Value) {
    return Value.startsWith('<') ? NowStamp() : Value;
}

void TWordGameProperties::SetDefaultTitle(const QString& Value) {
    SetValue(kDefaultTitle, Value);
}
void TWordGameProperties::SetGameTitle(const QString& Value) {
    SetNotifying(kGameTitle, Value);
}
void TWordGameProperties::SetGameDescription(const QString& Value) {
    SetNotifying(kGameDescription, Value);
}
void TWordGameProperties::SetGameAuthor(const QString& Value) {
    SetNotifying(kGameAuthor, Value);
}
void TWordGameProperties::SetGameVersion(const QString& Value) {
    SetNotifying(kGameVersion, Value);
}
void TWordGameProperties::SetGameCreated(const QString& Value) {
    SetNotifying(kGameCreated, StampOrNow(Value));
}
void TWordGameProperties::SetGameModified(const QString& Value) {
    SetNotifying(kGameModified, StampOrNow(Value));
}
void TWordGameProperties::SetIncludeColourScheme(bool Value) {
    SetNotifying(kIncludeColourScheme, BooleanToText(Value));
}
void TWordGameProperties::SetAutoFinish(bool Value) {
    SetNotifying(kAutoFinish, BooleanToText(Value));
}
void TWordGameProperties::SetRemoveUsedWords(bool Value) {
    SetNotifying(kRemoveUsedWords, BooleanToText(Value));
}
void TWordGameProperties::SetCanGiveIn(bool Value) {
    SetBoolean(kCanGiveIn, Value);
}
void TWordGameProperties::SetUseTimer(bool Value) {
    SetBoolean(kUseTimer, Value);
}

void TWordGameProperties::SetUnusedSpace(uint8_t Value) {
    FUnusedSpace = Value;
    SetValue(kUnusedSpace, QString::number(Value));
}

void TWordGameProperties::SetHints(int Value) {
    SetValue(kHints, QString::number(Value));
}

void TWordGameProperties::SetCountDownTimer(TDateTime Value) {
    SetDateTime(kCountDownTimer, Value);
}

QString TWordGameProperties::FormatVersion(int Major, int Minor) {
    return Format("%.1f.%d", Major / 10.0, Minor);
}

TDateTime TWordGameProperties::StrToStamp(const QString& Text) {
    auto piece = [&Text](int position, int length) { return StrToInt(Text.mid(position, length)); };
    const int day = piece(0, 2);
    const int month = piece(2, 2);
    const int year = piece(4, 4);
    const int hour = piece(9, 2);
    const int minute = piece(11, 2);
    const int second = piece(13, 2);
    return ComposeDateTime(EncodeDate(year, month, day), EncodeTime(hour, minute, second, 0));
}
