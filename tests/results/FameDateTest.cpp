#include "results/FameDate.h"

#include <gtest/gtest.h>

#include <cmath>
#include <ctime>
#include <limits>

namespace tumbla {
namespace {

TEST(FameDate, CountsDaysFromThe30thOfDecember1899) {
    const FameDateTime zero = FameDateTimeFromDate(0.0);
    EXPECT_EQ(FameDateText(zero), "30.12.1899");
    EXPECT_EQ(FameTimeText(zero), "00:00:00");

    EXPECT_EQ(FameDateText(FameDateTimeFromDate(2.0)), "01.01.1900");
    EXPECT_EQ(FameDateText(FameDateTimeFromDate(36526.0)), "01.01.2000");
    EXPECT_EQ(FameDateText(FameDateTimeFromDate(36585.0)), "29.02.2000");

    const FameDateTime noon = FameDateTimeFromDate(36526.5);
    EXPECT_EQ(FameTimeText(noon), "12:00:00");
    EXPECT_EQ(FameDateKey(noon), "200001011200");
}

TEST(FameDate, ACalendarMomentComesBackWhole) {
    FameDateTime t;
    t.year = 2024, t.month = 7, t.day = 31, t.hour = 23, t.minute = 59, t.second = 58;
    t.millisecond = 250;
    const double stored = FameDateFromDateTime(t);
    EXPECT_GT(stored, 45504.0);
    const FameDateTime back = FameDateTimeFromDate(stored);
    EXPECT_EQ(FameDateText(back), "31.07.2024");
    EXPECT_EQ(FameTimeText(back), "23:59:58");
    EXPECT_EQ(back.millisecond, 250);
    EXPECT_EQ(FameDateKey(back), "202407312359");
}

TEST(FameDate, AFractionJustShortOfMidnightRoundsIntoTheNextDay) {
    const FameDateTime t = FameDateTimeFromDate(36526.0 + 0.99999999999);
    EXPECT_EQ(FameDateText(t), "02.01.2000");
    EXPECT_EQ(FameTimeText(t), "00:00:00");
}

TEST(FameDate, ValuesNoCalendarHoldsReadAsTheZeroDate) {
    for (double bad : {std::numeric_limits<double>::quiet_NaN(),
                       std::numeric_limits<double>::infinity(), -1e300, 1e300, 3.0e6, -7.0e5}) {
        const FameDateTime t = FameDateTimeFromDate(bad);
        EXPECT_EQ(FameDateKey(t), "189912300000") << bad;
    }
}

TEST(FameDate, NowIsTheLocalTimeOfTheSystemClock) {
    // The moment lies between two readings of the C library's local time.
    const auto minute = [](std::time_t t) {
        std::tm local{};
        localtime_r(&t, &local);
        char text[16];
        std::strftime(text, sizeof text, "%Y%m%d%H%M", &local);
        return std::string(text);
    };
    const std::time_t before = std::time(nullptr);
    const FameDateTime now = FameDateTimeFromDate(FameDateNow());
    const std::time_t after = std::time(nullptr) + 1; // milliseconds may round up
    EXPECT_GE(FameDateKey(now), minute(before));
    EXPECT_LE(FameDateKey(now), minute(after));
}

} // namespace
} // namespace tumbla
