#pragma once

#include <QString>
#include <cstdint>

// Days since 30 December 1899, the time of day as the fraction. Durations
// use the same unit: a count-down of three minutes is a "date" in 1899.
using TDateTime = double;

constexpr int64_t MSecsPerDay = 86400000;

// Calendar arithmetic only: no time zones, no Unix epoch.
TDateTime EncodeDate(int year, int month, int day);
TDateTime EncodeTime(int hour, int minute, int second, int msec);
bool TryEncodeDate(int year, int month, int day, TDateTime& result);
bool TryEncodeTime(int hour, int minute, int second, int msec, TDateTime& result);
void DecodeDate(TDateTime moment, int& year, int& month, int& day);
void DecodeTime(TDateTime moment, int& hour, int& minute, int& second, int& msec);

// The moment as whole milliseconds on a fixed scale (days times 86 400 000
// plus the time of day rounded to the millisecond), and back.
int64_t DateTimeToMSecs(TDateTime moment);
TDateTime MSecsToDateTime(int64_t msecs);

// "ddmmyyyy hhnnss": 15 characters.
QString DateTimeToStamp(TDateTime moment);
