#pragma once

// The entries of the lists the combo rows offer, in the order of their
// positions: the position of an entry is the value it stores. The definition
// rows carry them (ParameterDefinition::comboList).

#include <span>

#include "model/device_status.h"
#include "model/value_kind.h"

namespace orv::combo {

inline constexpr const char* kFixDimension[] = {"2D/3D Auto", "2D Manual", "3D Manual"};
inline constexpr const char* kDynamics[] = {"Land", "Sea", "Air", "Stationary"};
inline constexpr const char* kBeaconRate[] = {"Unsuccessful fix", "Successful fix"};
inline constexpr const char* kStartupFormat[] = {"T03", "A01"};
inline constexpr const char* kTransmitter[] = {"None", "Petrel", "Petrel w/PS", "Spread_Spectrum"};
inline constexpr const char* kDataCollection[] = {"None (Off)", "Activity Data", "Event Detection"};
inline constexpr const char* kNextSeason[] = {
    "next physical season", "go to season 1", "go to season 2",         "go to season 3",
    "go to season 4",       "go to season 5", "go to season 6",         "go to season 7",
    "go to season 8",       "go to season 9", "go to season 10",        "go to season 11",
    "go to season 12",      "shutdown",       "run this season forever"};
inline constexpr const char* kIntervalUnits[] = {"seconds", "minutes", "hours", "days"};
// The inner runs of blanks are part of the texts: they line the frequencies up.
inline constexpr const char* kArgosChannel[] = {
    "S1    401.6300", "S2    401.6320", "S3    401.6340",     "S4    401.6360",     "S5    401.6380",
    "S6    401.6400", "S7    401.6420", "S8    401.6440",     "S9    401.6460",     "S10  401.6480",
    "S11  401.6500",  "S12  401.6520",  "S13  401.6540",      "S14  401.6560",      "L1    401.6760",
    "L2    401.6780", "L3    401.6800", "SARSAT 1  406.0250", "SARSAT 2  406.0280", "Fact. Test    410.0000"};
inline constexpr const char* kBrazilChannel[] = {"C1    401.6180", "C2    401.6185", "C3    401.6190",
                                                 "C4    401.6195", "C5    401.6200", "C6    401.6205",
                                                 "C7    401.6210", "C8    401.6215", "C9    401.6220"};
inline constexpr const char* kBeaconType[] = {"None", "Wren-1", "Wren-2", "Wren-2 2400"};
inline constexpr const char* kStartupBehavior[] = {"Wildlife", "Environmental"};

}  // namespace orv::combo

namespace orv {

// The list a combo kind offers (kind 18: the transmitter list); empty for other kinds.
constexpr std::span<const char* const> listForKind(int kind) {
    switch (kind) {
        case KindStatusList:
            return kDeviceStatuses;
        case KindFixDimensionList:
            return combo::kFixDimension;
        case KindDynamicsList:
            return combo::kDynamics;
        case KindBeaconRateList:
            return combo::kBeaconRate;
        case KindStartupFormatList:
            return combo::kStartupFormat;
        case KindPageList:
            return combo::kTransmitter;
        case KindDataCollectionList:
            return combo::kDataCollection;
        case KindNextSeasonList:
            return combo::kNextSeason;
        case KindIntervalUnitsList:
            return combo::kIntervalUnits;
        case KindArgosChannelList:
            return combo::kArgosChannel;
        case KindBrazilChannelList:
            return combo::kBrazilChannel;
        default:
            return {};
    }
}

}  // namespace orv
