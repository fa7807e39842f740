#pragma once

#include <span>
#include <string>
#include <string_view>

#include "model/combo_lists.h"

namespace orv {

// The enumerated lists and constant vocabularies of the parameter model. The
// position of an entry is the stored value.

std::span<const char* const> deviceStatusList();        // kind 13
std::span<const char* const> fixDimensionList();        // kind 14
std::span<const char* const> dynamicsList();            // kind 15
std::span<const char* const> beaconRateList();          // kind 16
std::span<const char* const> startupFormatList();       // kind 17
std::span<const char* const> transmitterList();         // kind 18 text form
std::span<const char* const> dataCollectionList();      // kind 19
std::span<const char* const> nextSeasonList();          // kind 20
std::span<const char* const> intervalUnitsList();       // kind 21
std::span<const char* const> argosChannelList();        // kind 23
std::span<const char* const> brazilChannelList();       // kind 24
std::span<const char* const> seasonLengthList();        // "Number of Days", "Day of Year"
std::span<const char* const> seasonLengthShortList();   // "No.Days", "Dy of Yr"
std::span<const char* const> nextSeasonShortList();     // "NextSeas", "Seas. 1" ...
std::span<const char* const> weekdayList();             // "Sun." ...
std::span<const char* const> argosChannelShortNames();  // "S1" ... "Fact. Test"
std::span<const double> argosChannelFrequencies();      // Hz, same order
std::span<const double> brazilChannelFrequencies();     // Hz
std::span<const char* const> monthAbbreviations();      // "Jan " ... (trailing blank)
std::span<const int> monthLengths();                    // 31, 28, ... (no leap years)
std::span<const int> allowedFixIntervals();             // below one hour with ARGOS on (minutes)

// The entry at a value's position, or "" when the value is negative or not below the count.
std::string_view listEntry(std::span<const char* const> list, double value);

// The stored-status marker: a blank and twenty dashes after a status in a list.
inline constexpr std::string_view kStoredStatusMarker = " --------------------";

}  // namespace orv
