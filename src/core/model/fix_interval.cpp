#include "model/fix_interval.h"

#include <cmath>

#include "model/lists.h"

namespace orv {
namespace {

constexpr double kMinutesUnits = 1;
constexpr double kHour = 60;

bool usable(int interval, bool allow45) {
    return interval != 45 || allow45;
}

double roundToHours(double value) {
    return std::trunc(value / kHour + 0.5) * kHour;
}

// The first allowed interval not below value (60 when none is).
double nextAllowed(double value, bool allow45) {
    for (const int interval : allowedFixIntervals()) {
        if (usable(interval, allow45) && interval >= value) {
            return interval;
        }
    }
    return kHour;
}

// The last allowed interval not above value (0 when none is).
double previousAllowed(double value, bool allow45) {
    double found = 0;
    for (const int interval : allowedFixIntervals()) {
        if (usable(interval, allow45) && interval <= value) {
            found = interval;
        }
    }
    return found;
}

bool isAllowed(double value, bool allow45) {
    for (const int interval : allowedFixIntervals()) {
        if (usable(interval, allow45) && interval == value) {
            return true;
        }
    }
    return false;
}

}  // namespace

bool fortyFiveMinutesAllowed(const ParameterRecord& record) {
    return record.general(GeneralRow::StartupXmitFmt) == 1;
}

double allowedFixInterval(double value, double units, bool allow45) {
    if (units != kMinutesUnits) {
        return value;
    }
    return value >= kHour ? roundToHours(value) : nextAllowed(value, allow45);
}

double steppedFixInterval(double value, int delta, double maxValue, bool allow45) {
    if (value >= kHour) {
        value += delta > 0 ? kHour : (delta < 0 ? -kHour : 0);
        if (value < kHour) {
            value = kHour;
        }
        if (value > maxValue) {
            value = maxValue;
        }
        return roundToHours(value);
    }
    if (isAllowed(value, allow45)) {
        return value;
    }
    return delta <= 0 ? previousAllowed(value, allow45) : nextAllowed(value, allow45);
}

}  // namespace orv
