#include "model/field_entry.h"

#include <string_view>

#include "app/format_text.h"
#include "model/field_text.h"
#include "model/fix_interval.h"
#include "model/numeric.h"
#include "model/resolve.h"
#include "model/value_kind.h"

namespace orv {
namespace {

constexpr double kHertzPerMegahertz = 1000000;

double parsed(const std::string& text, int kind, const char* label, std::vector<EntryNotice>& notices) {
    switch (kind) {
        case KindReal1:
        case KindReal2:
            return decimalOfText(text);
        case KindMegahertz:  // entered in MHz, kept in Hz
            return decimalOfText(text) * kHertzPerMegahertz;
        case KindNoLimit:
            return text == "no limit" ? 0 : integerOfText(text);
        case KindMinSec:
        case KindHourMin: {
            const TimeText time = timeOfText(text);
            if (!time.found && kind == KindMinSec) {
                notices.push_back(
                    {BoxKind::Information,
                     formatText("Did not recognize a time (mm:ss) in field '%s'\nWill try to interpret "
                                "the entry as an integer number of seconds.",
                                label)});
            } else if (!time.found) {
                notices.push_back(
                    {BoxKind::Information,
                     formatText("Did not recognize a time (hh:mm) in field '%s'\nWill try to interpret "
                                "the entry as an integer number of minutes.",
                                label)});
            }
            return time.value;
        }
        case KindDayOfYear: {
            const DayText day = dayOfYearOfText(text);
            if (!day.found) {
                notices.push_back(
                    {BoxKind::Information,
                     formatText(
                         "Did not recognize a month in field '%s'\nWill default to the start of the year.",
                         label)});
            }
            return day.value;
        }
        default:
            return integerOfText(text);
    }
}

std::string modifiedNotice(int kind, double entered, const char* label, double value) {
    if (kind == KindMegahertz) {
        return formatText(
            "'%3.4lf' in field '%s' was modified to '%3.4lf'\nto meet data format or range requirements.",
            entered / kHertzPerMegahertz, label, value / kHertzPerMegahertz);
    }
    return formatText(
        "'%6.4lf' in field '%s' was modified to '%6.4lf'\nto meet data format or range requirements.",
        entered, label, value);
}

bool isNumber(std::string_view text) {
    return exactDecimalOfText(text).has_value();
}

// Whether the text is a value of the kind at all. Numbers must be whole
// numbers of text: what used to become 0 (or the leading digits) without a
// word is refused. Times and dates keep their forms ("12:30", "Mar 15") and
// their fallback to a plain number.
bool isEntryOfKind(const std::string& text, int kind) {
    switch (kind) {
        case KindNoLimit:
            return text == "no limit" || isNumber(text);
        case KindMinSec:
        case KindHourMin: {
            const auto colon = text.find(':');
            if (colon == std::string::npos) return isNumber(text);
            return isNumber(std::string_view(text).substr(0, colon)) &&
                   isNumber(std::string_view(text).substr(colon + 1));
        }
        case KindDayOfYear:
            return dayOfYearOfText(text).found || isNumber(text);
        default:
            return isNumber(text);
    }
}

}  // namespace

FieldEntry acceptEntry(const ParameterDefinition& definition, int kind, const std::string& text,
                       const ParameterRecord& record) {
    FieldEntry entry;
    if (!isEntryOfKind(text, kind)) {
        entry.refused = true;
        entry.notices.push_back(
            {BoxKind::Warning, formatText("'%s' in field '%s' is not a number.\nThe field keeps its value.",
                                          text.c_str(), definition.label)});
        return entry;
    }
    entry.entered = parsed(text, kind, definition.label, entry.notices);
    double value = entry.entered;
    if (value > definition.maxValue) {
        value = definition.maxValue;
    }
    if (value < definition.minValue) {
        value = definition.minValue;
    }
    value = roundToStep(value, definition.step);
    if (kind == KindFixInterval && argosTransmissionsEnabled(record)) {
        const double units = record.seasonValues[currentSeasonIndex(record)][SeasonRow::FixIntervalUnits];
        value = allowedFixInterval(value, units, fortyFiveMinutesAllowed(record));
    }
    if (value != entry.entered) {
        entry.notices.push_back(
            {BoxKind::Warning, modifiedNotice(kind, entry.entered, definition.label, value)});
    }
    entry.value = value;
    return entry;
}

}  // namespace orv
