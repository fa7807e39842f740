#include "model/lists.h"

#include "model/combo_lists.h"
#include "model/device_status.h"

namespace orv {
namespace {

constexpr const char* kSeasonLength[] = {"Number of Days", "Day of Year"};
constexpr const char* kSeasonLengthShort[] = {"No.Days", "Dy of Yr"};
constexpr const char* kNextSeasonShort[] = {"NextSeas", "Seas. 1",  "Seas. 2",  "Seas. 3",  "Seas. 4",
                                            "Seas. 5",  "Seas. 6",  "Seas. 7",  "Seas. 8",  "Seas. 9",
                                            "Seas. 10", "Seas. 11", "Seas. 12", "Shutdown", "Forever"};
constexpr const char* kWeekday[] = {"Sun.", "Mon.", "Tues.", "Wed.", "Thur.", "Fri.", "Sat."};
constexpr const char* kArgosShort[] = {"S1", "S2", "S3",  "S4",       "S5",       "S6",        "S7",
                                       "S8", "S9", "S10", "S11",      "S12",      "S13",       "S14",
                                       "L1", "L2", "L3",  "SARSAT 1", "SARSAT 2", "Fact. Test"};
constexpr double kArgosFrequencies[] = {401630000, 401632000, 401634000, 401636000, 401638000,
                                        401640000, 401642000, 401644000, 401646000, 401648000,
                                        401650000, 401652000, 401654000, 401656000, 401676000,
                                        401678000, 401680000, 406025000, 406028000, 410000000};
constexpr double kBrazilFrequencies[] = {401618000, 401618500, 401619000, 401619500, 401620000,
                                         401620500, 401621000, 401621500, 401622000};
constexpr const char* kMonths[] = {"Jan ", "Feb ", "Mar ", "Apr ", "May ", "Jun ",
                                   "Jul ", "Aug ", "Sep ", "Oct ", "Nov ", "Dec "};
constexpr int kMonthLengths[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
constexpr int kAllowedFixIntervals[] = {0, 1, 2, 3, 4, 5, 6, 10, 12, 15, 20, 30, 45, 60};

}  // namespace

std::span<const char* const> deviceStatusList() {
    return kDeviceStatuses;
}
std::span<const char* const> fixDimensionList() {
    return combo::kFixDimension;
}
std::span<const char* const> dynamicsList() {
    return combo::kDynamics;
}
std::span<const char* const> beaconRateList() {
    return combo::kBeaconRate;
}
std::span<const char* const> startupFormatList() {
    return combo::kStartupFormat;
}
std::span<const char* const> transmitterList() {
    return combo::kTransmitter;
}
std::span<const char* const> dataCollectionList() {
    return combo::kDataCollection;
}
std::span<const char* const> nextSeasonList() {
    return combo::kNextSeason;
}
std::span<const char* const> intervalUnitsList() {
    return combo::kIntervalUnits;
}
std::span<const char* const> argosChannelList() {
    return combo::kArgosChannel;
}
std::span<const char* const> brazilChannelList() {
    return combo::kBrazilChannel;
}
std::span<const char* const> seasonLengthList() {
    return kSeasonLength;
}
std::span<const char* const> seasonLengthShortList() {
    return kSeasonLengthShort;
}
std::span<const char* const> nextSeasonShortList() {
    return kNextSeasonShort;
}
std::span<const char* const> weekdayList() {
    return kWeekday;
}
std::span<const char* const> argosChannelShortNames() {
    return kArgosShort;
}
std::span<const double> argosChannelFrequencies() {
    return kArgosFrequencies;
}
std::span<const double> brazilChannelFrequencies() {
    return kBrazilFrequencies;
}
std::span<const char* const> monthAbbreviations() {
    return kMonths;
}
std::span<const int> monthLengths() {
    return kMonthLengths;
}
std::span<const int> allowedFixIntervals() {
    return kAllowedFixIntervals;
}

std::string_view listEntry(std::span<const char* const> list, double value) {
    // NaN and fractions below zero fall out here too.
    if (!(value >= 0) || value >= static_cast<double>(list.size())) {
        return {};
    }
    return list[static_cast<std::size_t>(value)];
}

}  // namespace orv
