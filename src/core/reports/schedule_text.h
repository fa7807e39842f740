#pragma once

// The season schedule in words: the phrases that tell what one GPS or
// transmitter duty cycle does. Every number is a season field truncated to
// an integer.

#include <string>

#include "model/transmitter_type.h"

namespace orv {

// One GPS duty cycle: "Daily - Beginning @ 06:30, Ending at 08:30, Fix every 30 minutes".
std::string gpsBlockPhrase(int day, int blockLength, int fixInterval, int units, int hours, int startMinutes);

// The clock times of the fixes of one duty cycle: " 06:00, 06:20, 06:40".
std::string fixTimesList(int fixInterval, int units, int hours, int startMinutes);

// The number of fixes of one duty cycle; a cycle without a fix interval makes none.
int dutyCycleFixCount(int fixInterval, int units, int hours);

// One transmitter duty cycle (ARGOS, else the spread-spectrum network).
std::string transmitPhrase(int blockLength, int day, int startMinutes, int hours, TransmitterType transmitter,
                           int seasonStartDay, int yearIndex);

// The calendar date a multi-day cycle begins on ("Beginning Mon. Mar 5"), "no date" or " ".
std::string transmitStartDate(int blockLength, int day, int startMinutes, int hours,
                              TransmitterType transmitter, int seasonStartDay, int yearIndex);

inline constexpr const char* kNoDate = "no date";

// Weekday (0 = Sunday) of a day of the year (1 = 1 January) in the year 2000 + yearIndex.
int weekdayOfYearDay(int yearIndex, int dayOfYear);

}  // namespace orv
