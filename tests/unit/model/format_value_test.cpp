#include "model/format_value.h"

#include <gtest/gtest.h>

#include <cmath>

#include "model/value_kind.h"

namespace orv {
namespace {

TEST(FormatValueTest, NumbersByKind) {
    EXPECT_EQ(formatValue(10, KindReal1), "10.0");
    EXPECT_EQ(formatValue(100, KindReal2), "100.00");
    EXPECT_EQ(formatValue(401650000, KindMegahertz), "401.6500");
    EXPECT_EQ(formatValue(-7.9, KindInteger), "-7");
    EXPECT_EQ(formatValue(60.9, KindFixInterval), "60");
    EXPECT_EQ(formatValue(4294967040.0, KindUnsigned), "4294967040");
    EXPECT_EQ(formatValue(1, KindFlag), "TRUE");
    EXPECT_EQ(formatValue(0, KindFlag), "FALSE");
}

TEST(FormatValueTest, NoLimitForZeroTransmissions) {
    EXPECT_EQ(formatValue(0, KindNoLimit), "no limit");
    EXPECT_EQ(formatValue(32000, KindNoLimit), "32000");
}

TEST(FormatValueTest, TimesKeepTheirPaddedLayout) {
    EXPECT_EQ(formatValue(750, KindMinSec), "12:30");
    EXPECT_EQ(formatValue(5, KindMinSec), " 0:05");
    EXPECT_EQ(formatValue(1439, KindHourMin), "23:59");
    EXPECT_EQ(formatValue(360, KindHourMin), " 6:00");
}

TEST(FormatValueTest, DayOfYearWalksTheMonths) {
    EXPECT_EQ(formatValue(1, KindDayOfYear), "Jan 1");
    EXPECT_EQ(formatValue(32, KindDayOfYear), "Feb 1");
    EXPECT_EQ(formatValue(60, KindDayOfYear), "Mar 1");
    EXPECT_EQ(formatValue(74, KindDayOfYear), "Mar 15");
    EXPECT_EQ(formatValue(365, KindDayOfYear), "Dec 31");
    // Past the end of the year the month table is not left.
    EXPECT_EQ(formatValue(400, KindDayOfYear), "Dec 66");
}

TEST(FormatValueTest, ListEntriesAndTheirBounds) {
    EXPECT_EQ(formatValue(2, KindStatusList), "Programmed");
    EXPECT_EQ(formatValue(3, KindStatusList), "");
    EXPECT_EQ(formatValue(-1, KindStatusList), "");
    EXPECT_EQ(formatValue(3, KindPageList), "Spread_Spectrum");
    EXPECT_EQ(formatValue(14, KindNextSeasonList), "run this season forever");
    EXPECT_EQ(formatValue(9, KindArgosChannelList), "S10  401.6480");
    EXPECT_EQ(formatValue(19, KindArgosChannelList), "Fact. Test    410.0000");
    EXPECT_EQ(formatValue(0, KindBrazilChannelList), "C1    401.6180");
    EXPECT_EQ(formatValue(0, KindIntervalUnitsList), "seconds");
}

TEST(FormatValueTest, ValuesBeyondTheIntegerRangeAreHeld) {
    EXPECT_EQ(formatValue(1e300, KindInteger), "2147483647");
    EXPECT_EQ(formatValue(-1, KindUnsigned), "0");
    EXPECT_EQ(formatValue(std::nan(""), KindMinSec), " 0:00");
}

}  // namespace
}  // namespace orv
