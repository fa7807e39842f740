#pragma once

#include <string>

#include "app/startup.h"
#include "model/logged_in_user.h"

namespace orv {

class MessageLog;
class ParameterDb;
class PasswordDb;
class Profile;
class QtMessagePresenter;
class TargetLink;
class TracingLine;
struct ParameterRecord;

// The objects that live for the program's run and that the windows work on.
struct AppParts {
    MessageLog& log;
    ParameterRecord& record;
    AppSettings& settings;
    LoggedInUser& user;
    ParameterDb& db;
    PasswordDb& passwords;
    TargetLink& link;
    Profile& profile;
    QtMessagePresenter& presenter;
    std::string settingsFile = kSettingsFileName;
    // Under the link: where the serial trace is switched on and off.
    TracingLine* trace = nullptr;
};

}  // namespace orv
