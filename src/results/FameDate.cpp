#include "results/FameDate.h"

#include <chrono>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <ctime>

namespace tumbla {
namespace {

constexpr std::int64_t MsPerDay = 86'400'000;

// Days from 1 January 1970 of a proleptic Gregorian date (H. Hinnant's method).
std::int64_t DaysFromCivil(std::int64_t y, int m, int d) {
    y -= m <= 2;
    const std::int64_t era = (y >= 0 ? y : y - 399) / 400;
    const std::int64_t yoe = y - era * 400;
    const std::int64_t doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
    const std::int64_t doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + doe - 719468;
}

void CivilFromDays(std::int64_t z, FameDateTime& t) {
    z += 719468;
    const std::int64_t era = (z >= 0 ? z : z - 146096) / 146097;
    const std::int64_t doe = z - era * 146097;
    const std::int64_t yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const std::int64_t doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const std::int64_t mp = (5 * doy + 2) / 153;
    t.day = static_cast<int>(doy - (153 * mp + 2) / 5 + 1);
    t.month = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
    t.year = static_cast<int>(yoe + era * 400 + (t.month <= 2));
}

const std::int64_t Epoch = DaysFromCivil(1899, 12, 30);
// 1 January 1 and 31 December 9999 as stored days.
const std::int64_t FirstDay = DaysFromCivil(1, 1, 1) - Epoch;
const std::int64_t LastDay = DaysFromCivil(9999, 12, 31) - Epoch;

std::string Digits(int value, int width) {
    char buf[16];
    std::snprintf(buf, sizeof buf, "%0*d", width, value);
    return buf;
}

} // namespace

double FameDateFromDateTime(const FameDateTime& t) {
    const auto days = static_cast<double>(DaysFromCivil(t.year, t.month, t.day) - Epoch);
    const double ms = ((t.hour * 60.0 + t.minute) * 60.0 + t.second) * 1000.0 + t.millisecond;
    // Before the epoch the whole part counts back and the fraction still counts forward.
    return days >= 0 ? days + ms / MsPerDay : days - ms / MsPerDay;
}

FameDateTime FameDateTimeFromDate(double days) {
    FameDateTime t;
    if (!std::isfinite(days) || days < static_cast<double>(FirstDay) - 1 ||
        days > static_cast<double>(LastDay) + 1)
        return t;
    double whole = std::trunc(days);
    auto ms = static_cast<std::int64_t>(std::llround(std::fabs(days - whole) * MsPerDay));
    if (ms >= MsPerDay) { // rounded up to the next midnight
        ms -= MsPerDay;
        whole += days >= 0 ? 1 : -1;
    }
    const auto day = static_cast<std::int64_t>(whole);
    if (day < FirstDay || day > LastDay) return t;
    CivilFromDays(day + Epoch, t);
    t.hour = static_cast<int>(ms / 3'600'000);
    t.minute = static_cast<int>(ms / 60'000 % 60);
    t.second = static_cast<int>(ms / 1000 % 60);
    t.millisecond = static_cast<int>(ms % 1000);
    return t;
}

double FameDateNow() {
    const auto now = std::chrono::system_clock::now();
    const std::time_t seconds = std::chrono::system_clock::to_time_t(now);
    const auto ms =
        std::chrono::duration_cast<std::chrono::milliseconds>(now.time_since_epoch()) % 1000;
    std::tm local{};
    if (const std::tm* p = std::localtime(&seconds)) local = *p;
    FameDateTime t;
    t.year = local.tm_year + 1900;
    t.month = local.tm_mon + 1;
    t.day = local.tm_mday;
    t.hour = local.tm_hour;
    t.minute = local.tm_min;
    t.second = local.tm_sec > 59 ? 59 : local.tm_sec; // a leap second stays in its minute
    t.millisecond = static_cast<int>(ms.count() < 0 ? 0 : ms.count());
    return FameDateFromDateTime(t);
}

std::string FameDateText(const FameDateTime& t) {
    return Digits(t.day, 2) + "." + Digits(t.month, 2) + "." + Digits(t.year, 4);
}

std::string FameTimeText(const FameDateTime& t) {
    return Digits(t.hour, 2) + ":" + Digits(t.minute, 2) + ":" + Digits(t.second, 2);
}

std::string FameDateKey(const FameDateTime& t) {
    return Digits(t.year, 4) + Digits(t.month, 2) + Digits(t.day, 2) + Digits(t.hour, 2) +
           Digits(t.minute, 2);
}

} // namespace tumbla
