#include "platform/DateTime.h"

#include "platform/Convert.h"

#include <QDate>
#include <algorithm>
#include <cmath>

namespace {

// The Julian day of 30 December 1899, day 0 of the date-time scale.
constexpr int64_t kJulianDayOfZero = 2415019;

QString TwoDigits(int value) {
    return QString::number(value).rightJustified(2, '0');
}

// Whole days and the time of day in milliseconds; a negative moment keeps
// its time of day as a positive fraction.
// A value beyond years 1 to 9999 (a damaged file) is held at the nearer end
// so that the integer arithmetic stays defined.
void SplitDateTime(TDateTime moment, int64_t& days, int64_t& msOfDay) {
    constexpr double kLimit = 2958466.0;
    moment = std::isnan(moment) ? 0.0 : std::clamp(moment, -kLimit, kLimit);
    const double whole = std::trunc(moment);
    days = int64_t(whole);
    msOfDay = std::llround(std::fabs(moment - whole) * MSecsPerDay);
    if (msOfDay >= MSecsPerDay) {
        msOfDay -= MSecsPerDay;
        days += moment < 0 ? -1 : 1;
    }
}

} // namespace

bool TryEncodeDate(int year, int month, int day, TDateTime& result) {
    if (year < 1 || year > 9999 || !QDate::isValid(year, month, day))
        return false;
    result = double(QDate(year, month, day).toJulianDay() - kJulianDayOfZero);
    return true;
}

bool TryEncodeTime(int hour, int minute, int second, int msec, TDateTime& result) {
    if (hour < 0 || hour > 23 || minute < 0 || minute > 59 || second < 0 || second > 59 ||
        msec < 0 || msec > 999)
        return false;
    result = double(((hour * 60 + minute) * 60 + second) * 1000 + msec) / MSecsPerDay;
    return true;
}

TDateTime EncodeDate(int year, int month, int day) {
    TDateTime result;
    if (!TryEncodeDate(year, month, day, result))
        throw EConvertError("Invalid argument to date encode");
    return result;
}

TDateTime EncodeTime(int hour, int minute, int second, int msec) {
    TDateTime result;
    if (!TryEncodeTime(hour, minute, second, msec, result))
        throw EConvertError("Invalid argument to time encode");
    return result;
}

int64_t DateTimeToMSecs(TDateTime moment) {
    int64_t days, msOfDay;
    SplitDateTime(moment, days, msOfDay);
    return days * MSecsPerDay + msOfDay;
}

TDateTime MSecsToDateTime(int64_t msecs) {
    return double(msecs / MSecsPerDay) + double(msecs % MSecsPerDay) / MSecsPerDay;
}

void DecodeDate(TDateTime moment, int& year, int& month, int& day) {
    int64_t days, msOfDay;
    SplitDateTime(moment, days, msOfDay);
    const QDate date = QDate::fromJulianDay(kJulianDayOfZero + days);
    year = date.year();
    month = date.month();
    day = date.day();
}

void DecodeTime(TDateTime moment, int& hour, int& minute, int& second, int& msec) {
    int64_t days, ms;
    SplitDateTime(moment, days, ms);
    msec = int(ms % 1000);
    second = int(ms / 1000 % 60);
    minute = int(ms / 60000 % 60);
    hour = int(ms / 3600000);
}

QString DateTimeToStamp(TDateTime moment) {
    int year, month, day, hour, minute, second, msec;
    DecodeDate(moment, year, month, day);
    DecodeTime(moment, hour, minute, second, msec);
    return TwoDigits(day) + TwoDigits(month) + QString::number(year).rightJustified(4, '0') + " " +
           TwoDigits(hour) + TwoDigits(minute) + TwoDigits(second);
}
