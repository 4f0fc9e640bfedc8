#pragma once
// The entry date of a result: a double of days since 30 December 1899 00:00,
// the fraction being the time of day, all in local time.

#include <string>

namespace tumbla {

struct FameDateTime {
    int year = 1899;
    int month = 12;
    int day = 30;
    int hour = 0;
    int minute = 0;
    int second = 0;
    int millisecond = 0;
};

// A calendar moment as the stored double.
double FameDateFromDateTime(const FameDateTime& t);

// The moment a stored double stands for. A value no calendar holds (not a
// number, or outside the years 1..9999) reads as the zero date.
FameDateTime FameDateTimeFromDate(double days);

// The present moment in local time.
double FameDateNow();

// "dd.mm.YYYY", "hh:nn:ss" and the key segment "YYYYmmddhhnn".
std::string FameDateText(const FameDateTime& t);
std::string FameTimeText(const FameDateTime& t);
std::string FameDateKey(const FameDateTime& t);

} // namespace tumbla
