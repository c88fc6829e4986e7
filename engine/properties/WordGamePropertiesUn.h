#pragma once

#include "engine/properties/CustomColourPreferenceUn.h"
#include "engine/properties/WordGameColourPreferencesUn.h"

#include <cstdint>
#include <functional>
#include <memory>

// The named properties of one puzzle, held as text items, with typed access,
// defaults and a change notification. Owns the puzzle's colour set.
class TWordGameProperties : public TCustomGamePreferences {
public:
    explicit TWordGameProperties(const QString& DefaultTitle);
    ~TWordGameProperties() override;

    // Back to a new game's values; Default Title and Can Give In stay.
    void Reset();
    // Copies everything but Default Title, then Changed.
    void Assign(const TWordGameProperties& Source);

    // Game Modified and Game Created := now, then Changed.
    void Touch();
    // Game Modified := now.
    void StampModified();
    void Changed();

    QString GetDefaultTitle() const;
    QString GetGameTitle() const;
    QString GetGameDescription() const;
    QString GetGameAuthor() const;
    QString GetGameVersion() const;
    QString GetGameCreated() const;
    QString GetGameModified() const;
    bool GetIncludeColourScheme() const;
    bool GetAutoFinish() const;
    bool GetRemoveUsedWords() const;
    bool GetCanGiveIn() const;
    bool GetUseTimer() const;
    uint8_t GetUnusedSpace() const { return FUnusedSpace; }
    // 5 when the text is not a number.
    int GetHints() const;
    // Zero for "0" or an empty text; raises "Value "%s" is not a valid
    // date/time value" for a text that is not a stamp.
    TDateTime GetCountDownTimer() const;

    void SetDefaultTitle(const QString& Value);
    void SetGameTitle(const QString& Value);
    void SetGameDescription(const QString& Value);
    void SetGameAuthor(const QString& Value);
    void SetGameVersion(const QString& Value);
    // A text starting with "<" stands for the present moment.
    void SetGameCreated(const QString& Value);
    void SetGameModified(const QString& Value);
    void SetIncludeColourScheme(bool Value);
    void SetAutoFinish(bool Value);
    void SetRemoveUsedWords(bool Value);
    void SetCanGiveIn(bool Value);
    void SetUseTimer(bool Value);
    void SetUnusedSpace(uint8_t Value);
    void SetHints(int Value);
    void SetCountDownTimer(TDateTime Value);

    TWordGameColourPreferences* ColourPreferences() const { return FColourPreferences.get(); }

    // "%.1f.%d" of Major / 10 and Minor, always with "." as the mark:
    // 11 and 0 give "1.1.0".
    static QString FormatVersion(int Major, int Minor);
    // Parses "ddmmyyyy hhnnss" by position; raises EConvertError for a piece
    // that is not a number or a value out of range.
    static TDateTime StrToStamp(const QString& Text);

    // Raised with this object as Sender.
    std::function<void(TObject* Sender)> OnChange;

private:
    QString ItemText(int Index) const;
    bool ItemBoolean(int Index) const;
    void SetNotifying(const QString& Name, const QString& Value);
    static QString StampOrNow(const QString& Value);

    int FDefaultTitleIndex;
    int FGameTitleIndex;
    int FGameDescriptionIndex;
    int FGameAuthorIndex;
    int FGameVersionIndex;
    int FGameModifiedIndex;
    int FGameCreatedIndex;
    int FIncludeColourSchemeIndex;
    int FUnusedSpaceIndex;
    int FAutoFinishIndex;
    int FRemoveUsedWordsIndex;
    int FCanGiveInIndex;
    int FUseTimerIndex;
    int FCountDownTimerIndex;
    int FHintsIndex;
    uint8_t FUnusedSpace = 0;
    std::unique_ptr<TWordGameColourPreferences> FColourPreferences;
};
