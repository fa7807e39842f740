#pragma once

#include "model/record.h"

namespace orv {

// "A01" startup format: 45 minutes is then an allowed fix interval too.
bool fortyFiveMinutesAllowed(const ParameterRecord& record);

// A fix interval the collar accepts with ARGOS transmissions on: in "minutes"
// (units 1), 60 or more goes to the nearest whole hour, less than 60 up to the
// next allowed interval. Other units leave the value as it is.
double allowedFixInterval(double value, double units, bool allow45);

// The value an up-down step of a fix interval lands on with ARGOS on and the
// units in minutes: whole hours step by an hour (held to 60 .. maxValue),
// shorter intervals move to the neighbouring allowed interval.
double steppedFixInterval(double value, int delta, double maxValue, bool allow45);

}  // namespace orv
