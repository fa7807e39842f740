#pragma once

// The logic of the "DataBase Handler Utility" dialog: browsing the parameter
// database by year, Job, CTN and status, the statistics, and "Make DB", which
// copies every stored device into another database file.

#include <string>
#include <vector>

#include "app/message_log.h"
#include "db/database_uri.h"
#include "db/parameter_db.h"
#include "model/choice_list.h"

namespace orv {

struct HandlerUtilityLists {
    ChoiceList& jobCombo;
    ChoiceList& ctnCombo;
    ChoiceList& statusCombo;
    ChoiceList& yearCombo;
    ChoiceList& jobsList;
    ChoiceList& ctnsList;
    ChoiceList& statusList;
};

struct MakeDbResult {
    int copied = 0;
    std::vector<DeviceKey> failed;    // each already reported by the database's own message
    std::vector<DeviceKey> declined;  // the target held the device and its overwrite was declined
};

class HandlerUtility {
public:
    HandlerUtility(ParameterDb& database, MessageLog& messages, HandlerUtilityLists controls)
        : db(database), log(messages), lists(controls) {}

    void open();
    void jobComboSelected();
    void ctnComboSelected();
    void yearSelected();
    void jobsListSelected();
    void ctnsListSelected();
    // Puts every Job number of the Job combo into the Jobs list (a copy of the whole file).
    void listAllJobs();
    void statistics();
    // Copies every device of the Jobs list into targetName; the current database
    // path and the record are as they were afterwards.
    MakeDbResult makeDb();

    // The current database as shown: a password in a connection URI is hidden.
    std::string databasePath() const { return displayName(db.currentPath()); }
    std::string targetName;  // the "db Name" edit

private:
    ParameterDb& db;
    MessageLog& log;
    HandlerUtilityLists lists;
};

}  // namespace orv
