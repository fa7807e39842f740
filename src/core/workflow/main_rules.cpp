#include "workflow/main_rules.h"

#include <array>

#include "app/message_log.h"
#include "app/text_helpers.h"
#include "image/firmware_table.h"
#include "model/access.h"
#include "model/lists.h"
#include "model/record.h"
#include "model/text_forms.h"
#include "model/transmitter_type.h"
#include "workflow/workflow_messages.h"

namespace orv {

namespace {

constexpr int kActivityData = 1;
constexpr int kNextPhysicalSeason = 0;
constexpr int kLastGoToSeason = 12;

constexpr std::array<int, 3> kGpsDcbDayRows = {SeasonRow::GpsDcbDay_1, SeasonRow::GpsDcbDay_2,
                                               SeasonRow::GpsDcbDay_3};
constexpr std::array<int, 3> kGpsFixIntervalRows = {SeasonRow::GpsFixInterval_1, SeasonRow::GpsFixInterval_2,
                                                    SeasonRow::GpsFixInterval_3};

// A fix interval in whole minutes by the season's units.
long fixIntervalMinutes(double interval, int units) {
    const long value = static_cast<long>(interval);
    switch (units) {
        case 0:
            return value / 60;
        case 2:
            return value * 60;
        case 3:
            return value * 1440;
        default:
            return value;
    }
}

bool seasonTooFast(const ParameterRecord& record, int season) {
    if (record.season(season, SeasonRow::GpsDcbDuration) == 0) return false;
    const int units = static_cast<int>(record.season(season, SeasonRow::FixIntervalUnits));
    const double activityInterval = record.general(GeneralRow::ActivitySenseInterval);
    for (std::size_t i = 0; i < kGpsDcbDayRows.size(); ++i) {
        const double day = record.season(season, kGpsDcbDayRows[i]);
        const double interval = record.season(season, kGpsFixIntervalRows[i]);
        if (day == 0 || interval == 0) continue;
        if (static_cast<double>(fixIntervalMinutes(interval, units)) < activityInterval) return true;
    }
    return false;
}

}  // namespace

std::string bareStatus(std::string_view text) {
    std::string status(text);
    const auto marker = status.find(kStoredStatusMarker);
    if (marker != std::string::npos) status.erase(marker);
    if (status.size() >= 2 && status.compare(status.size() - 2, 2, " *") == 0)
        status.erase(status.size() - 2);
    return status;
}

std::string trimTrailingBlanks(std::string_view text) {
    return std::string(withoutTrailing(text));
}

bool databaseEditAllowed(std::string_view status, int userMask, std::string_view job) {
    bool allowed = (status == kStatusSignoff && mayChangeSignedOffDevice(userMask)) ||
                   status == kStatusWorking ||
                   (status == kStatusProgrammed && mayChangeProgrammedDevice(userMask));
    if (job == kEngineerOnlyJob) allowed = allowed && mayChangeDefaultJob(userMask);
    return allowed;
}

bool saveDeleteEnabled(bool allowed, int rangeSelection, int rangeCount) {
    return allowed && (rangeCount == 0 || rangeSelection >= rangeCount - 2);
}

namespace {

void commonFixups(ParameterRecord& record) {
    if (record.general(GeneralRow::VHFBeaconEnabled) != 0 && record.general(GeneralRow::BeaconType) == 0) {
        record.general(GeneralRow::BeaconType) = 2;
    }
    if (record.general(GeneralRow::PNTimeEncode) == 0 && record.general(GeneralRow::PNSeedValue) == 0) {
        record.general(GeneralRow::XmitEncryption) = 0;
    }
}

void transmissionsFollowEnableType(ParameterRecord& record) {
    record.general(GeneralRow::XmitnsEnabled) = transmits(transmitterType(record)) ? 1 : 0;
}

}  // namespace

void applyLoadFixups(ParameterRecord& record) {
    if (record.general(GeneralRow::XmitnsEnabled) != 0 && transmitterType(record) == TransmitterType::None) {
        record.general(GeneralRow::XmitterEnblType) = static_cast<int>(TransmitterType::Petrel);
    }
    commonFixups(record);
}

void applyReadFixups(ParameterRecord& record) {
    transmissionsFollowEnableType(record);
    commonFixups(record);
}

void takeUpDeviceRead(ParameterRecord& record, bool afterImport) {
    // The collar keeps the pattern and address numbers; their texts follow.
    textsFromValues(record);
    const bool noFilters = record.general(GeneralRow::PosVelFilter) == 0 &&
                           record.general(GeneralRow::StaticFilter) == 0 &&
                           record.general(GeneralRow::AltitudeFilter) == 0;
    record.general(GeneralRow::DiffCorrection) = noFilters ? 1 : 0;
    applyLoadFixups(record);
    if (firmwareFamily(record.text(StringRow::FenmodFwVer)) == "DS") {
        record.general(GeneralRow::XmitterEnblType) = static_cast<int>(TransmitterType::SpreadSpectrum);
    }
    record.general(GeneralRow::SelectSpecificFrequency) = 1;
    if (afterImport) transmissionsFollowEnableType(record);
}

bool activityCheck(const ParameterRecord& record, MessageLog& log) {
    if (record.general(GeneralRow::DataCollMode) != kActivityData) return true;
    std::array<bool, kSeasons + 1> reached{};
    int season = 1;
    while (season >= 1 && season <= kSeasons && !reached[static_cast<std::size_t>(season)]) {
        reached[static_cast<std::size_t>(season)] = true;
        if (seasonTooFast(record, season)) {
            log.error("%s", wftext::kActivityIntervalTooLong);
            return false;
        }
        const int next = static_cast<int>(record.season(season, SeasonRow::NextSeason));
        if (next == kNextPhysicalSeason) {
            ++season;  // past season 12 the walk ends
        } else if (next >= 1 && next <= kLastGoToSeason) {
            season = next;  // a season already reached ends the walk
        } else {
            break;  // shutdown, or this season forever
        }
    }
    return true;
}

std::string dateTimeText(std::time_t when) {
    std::tm local{};
    localtime_r(&when, &local);
    char text[64];
    std::strftime(text, sizeof text, "%m/%d/%Y  %H:%M", &local);
    return text;
}

}  // namespace orv
