#include "model/lists.h"

#include "model/device_status.h"
#include "model/value_kind.h"

namespace orv {
namespace {

constexpr const char* kFixDimension[] = {"2D/3D Auto", "2D Manual", "3D Manual"};
constexpr const char* kDynamics[] = {"Land", "Sea", "Air", "Stationary"};
constexpr const char* kBeaconRate[] = {"Unsuccessful fix", "Successful fix"};
constexpr const char* kStartupFormat[] = {"T03", "A01"};
constexpr const char* kTransmitter[] = {"None", "Petrel", "Petrel w/PS", "Spread_Spectrum"};
constexpr const char* kDataCollection[] = {"None (Off)", "Activity Data", "Event Detection"};
constexpr const char* kNextSeason[] = {"next physical season", "go to season 1",  "go to season 2",
                                       "go to season 3",       "go to season 4",  "go to season 5",
                                       "go to season 6",       "go to season 7",  "go to season 8",
                                       "go to season 9",       "go to season 10", "go to season 11",
                                       "go to season 12",      "shutdown",        "run this season forever"};
constexpr const char* kIntervalUnits[] = {"seconds", "minutes", "hours", "days"};
// The inner runs of blanks are part of the texts: they line the frequencies up.
constexpr const char* kArgosChannel[] = {
    "S1    401.6300", "S2    401.6320", "S3    401.6340",     "S4    401.6360",     "S5    401.6380",
    "S6    401.6400", "S7    401.6420", "S8    401.6440",     "S9    401.6460",     "S10  401.6480",
    "S11  401.6500",  "S12  401.6520",  "S13  401.6540",      "S14  401.6560",      "L1    401.6760",
    "L2    401.6780", "L3    401.6800", "SARSAT 1  406.0250", "SARSAT 2  406.0280", "Fact. Test    410.0000"};
constexpr const char* kBrazilChannel[] = {"C1    401.6180", "C2    401.6185", "C3    401.6190",
                                          "C4    401.6195", "C5    401.6200", "C6    401.6205",
                                          "C7    401.6210", "C8    401.6215", "C9    401.6220"};
constexpr const char* kBeaconType[] = {"None", "Wren-1", "Wren-2", "Wren-2 2400"};
constexpr const char* kStartupBehavior[] = {"Wildlife", "Environmental"};
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
    return kFixDimension;
}
std::span<const char* const> dynamicsList() {
    return kDynamics;
}
std::span<const char* const> beaconRateList() {
    return kBeaconRate;
}
std::span<const char* const> startupFormatList() {
    return kStartupFormat;
}
std::span<const char* const> transmitterList() {
    return kTransmitter;
}
std::span<const char* const> dataCollectionList() {
    return kDataCollection;
}
std::span<const char* const> nextSeasonList() {
    return kNextSeason;
}
std::span<const char* const> intervalUnitsList() {
    return kIntervalUnits;
}
std::span<const char* const> argosChannelList() {
    return kArgosChannel;
}
std::span<const char* const> brazilChannelList() {
    return kBrazilChannel;
}
std::span<const char* const> beaconTypeList() {
    return kBeaconType;
}
std::span<const char* const> startupBehaviorList() {
    return kStartupBehavior;
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

std::span<const char* const> listForKind(int kind) {
    switch (kind) {
        case KindStatusList:
            return deviceStatusList();
        case KindFixDimensionList:
            return fixDimensionList();
        case KindDynamicsList:
            return dynamicsList();
        case KindBeaconRateList:
            return beaconRateList();
        case KindStartupFormatList:
            return startupFormatList();
        case KindPageList:
            return transmitterList();
        case KindDataCollectionList:
            return dataCollectionList();
        case KindNextSeasonList:
            return nextSeasonList();
        case KindIntervalUnitsList:
            return intervalUnitsList();
        case KindArgosChannelList:
            return argosChannelList();
        case KindBrazilChannelList:
            return brazilChannelList();
        default:
            return {};
    }
}

std::string_view listEntry(std::span<const char* const> list, double value) {
    // NaN and fractions below zero fall out here too.
    if (!(value >= 0) || value >= static_cast<double>(list.size())) {
        return {};
    }
    return list[static_cast<std::size_t>(value)];
}

}  // namespace orv
