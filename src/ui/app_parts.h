#pragma once

#include <string>

#include "app/startup.h"

namespace orv {

class MessageLog;
class ParameterDb;
class PasswordDb;
class Profile;
class QtMessagePresenter;
class TargetLink;
struct ParameterRecord;

// The objects that live for the program's run and that the windows work on.
struct AppParts {
    MessageLog& log;
    ParameterRecord& record;
    AppSettings& settings;
    ParameterDb& db;
    PasswordDb& passwords;
    TargetLink& link;
    Profile& profile;
    QtMessagePresenter& presenter;
    std::string settingsFile = kSettingsFileName;
};

}  // namespace orv
