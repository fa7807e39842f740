#include "model/field_entry.h"

#include <string_view>

#include "model/field_text.h"
#include "model/fix_interval.h"
#include "model/model_messages.h"
#include "model/numeric.h"
#include "model/resolve.h"
#include "model/transmitter_type.h"
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
                notices.push_back({BoxKind::Information, modeltext::minSecNotRecognized(label)});
            } else if (!time.found) {
                notices.push_back({BoxKind::Information, modeltext::hourMinNotRecognized(label)});
            }
            return time.value;
        }
        case KindDayOfYear: {
            const DayText day = dayOfYearOfText(text);
            if (!day.found) {
                notices.push_back({BoxKind::Information, modeltext::monthNotRecognized(label)});
            }
            return day.value;
        }
        default:
            return integerOfText(text);
    }
}

std::string modifiedNotice(int kind, double entered, const char* label, double value) {
    if (kind == KindMegahertz) {
        return modeltext::megahertzModified(entered / kHertzPerMegahertz, label, value / kHertzPerMegahertz);
    }
    return modeltext::valueModified(entered, label, value);
}

bool isNumber(std::string_view text) {
    return exactDecimalOfText(text).has_value();
}

// Whether the text is a value of the kind at all. Numbers must be whole
// numbers of text: a text with a word in it (or with digits only at its
// front) is refused. Times and dates keep their forms ("12:30", "Mar 15") and
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
        entry.notices.push_back({BoxKind::Warning, modeltext::notANumber(text, definition.label)});
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
    if (kind == KindFixInterval && isArgos(transmitterType(record))) {
        const double units = record.season(record.currentSeason(), SeasonRow::FixIntervalUnits);
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
