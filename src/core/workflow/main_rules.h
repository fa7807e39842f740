#pragma once

#include <ctime>
#include <string>
#include <string_view>

#include "model/device_status.h"

namespace orv {

class MessageLog;
struct ParameterRecord;

// The Job number for which only an Engineer may save or delete.
inline constexpr const char* kEngineerOnlyJob = " DEFAULT";

// A status as the lists show it, without the stored-status marker and without
// a trailing " *".
std::string bareStatus(std::string_view text);

// Trailing blanks removed (the Job and CTN texts).
std::string trimTrailingBlanks(std::string_view text);

// May the user save or delete a device of this status and Job number?
bool databaseEditAllowed(std::string_view status, int userMask, std::string_view job);

// Save and Delete are enabled when allowed and the Range selection is one of
// the last two entries (or the Range list is empty).
bool saveDeleteEnabled(bool allowed, int rangeSelection, int rangeCount);

// The fix-ups after a device was loaded from the database, the Enter reload,
// a device read or an import.
void applyLoadFixups(ParameterRecord& record);
// The same after the Read button: the transmissions flag follows the enable type instead.
void applyReadFixups(ParameterRecord& record);

// What a device read or an import takes up after it decoded into the record
// (not the change bookkeeping): the differential correction flag, the load
// fix-ups, the enable type of the DS family, the specific-frequency choice,
// and after an import the transmissions flag.
void takeUpDeviceRead(ParameterRecord& record, bool afterImport);

// With "Activity Data" collection, no GPS fix interval of a season the
// schedule reaches may be shorter than the activity interval. true when fine;
// false after the error message.
bool activityCheck(const ParameterRecord& record, MessageLog& log);

// Sign-off and programming dates: "%m/%d/%Y  %H:%M" in local time.
std::string dateTimeText(std::time_t when);

}  // namespace orv
