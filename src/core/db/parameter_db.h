#pragma once

// The parameter database: stored collar configurations, one per device key
// (Job number, CTN number, device status), as one row of "GenParmsTbl" and
// twelve rows of "SeasParmsTbl". Every operation opens the file at its start
// and closes it at its end; messages go through the message log.

#include <functional>
#include <string>
#include <vector>

#include "app/message_log.h"
#include "db/access_layer.h"
#include "model/choice_list.h"
#include "db/wait_cursor.h"
#include "model/record.h"

namespace orv {

inline constexpr const char* kGeneralTable = "GenParmsTbl";
inline constexpr const char* kSeasonTable = "SeasParmsTbl";
inline constexpr const char* kMainOrderIndex = "MainOrder";
inline constexpr const char* kJobColumn = "JobNumber";
inline constexpr const char* kCtnColumn = "CtnNumber";
inline constexpr const char* kStatusColumn = "DevStatus";
inline constexpr const char* kSeasonNumberColumn = "SeasonNum";
inline constexpr int kKeyColumnWidth = 40;
inline constexpr const char* kDefaultDevice = "Default";
inline constexpr const char* kWorkingStatus = "Working";

// ReadDevice modes: 1 loads the stored device into the record, any other compares.
inline constexpr int kReadDevice = 1;
inline constexpr int kCheckDevice = 2;

struct DeviceKey {
    std::string job;
    std::string ctn;
    std::string status;
};

class ParameterDb {
public:
    ParameterDb(MessageLog& log, ParameterRecord& record, DbEngine& engine = databaseEngine());

    int openDatabase(const std::string& path, bool offerCreate);
    int createDatabase(const std::string& path);
    int closeDatabase();
    int reopenDatabase();

    // 0 saved or the overwrite declined (then saveDeclined() is true); 1 failure.
    int saveDevice(std::string job, std::string ctn, std::string status);
    // The last save stored nothing because the overwrite question was answered No.
    bool saveDeclined() const { return declined; }
    // 0 deleted; -1 no stored device had the key; 1 failure.
    int deleteDevice(std::string job, std::string ctn, std::string status);
    // 0 read, or no difference; 1 failure or the first difference (shown).
    int readDevice(std::string job, std::string ctn, std::string status, int mode);
    // An empty oldCtn renames every device of the Job.
    int changeDevice(std::string oldJob, std::string oldCtn, std::string newJob, std::string newCtn);

    // The three statuses, those stored for Job/CTN followed by the marker; selection >= 0 selects that entry.
    int markStoredStatuses(const std::string& job, const std::string& ctn, int selection, ChoiceList& list);
    // Every stored Job number, and the CTNs of job (the first Job when job is empty).
    int fillJobAndCtnLists(std::string job, const std::string& ctn, ChoiceList& jobs, ChoiceList& ctns);

    // The lookups of the "Customer Search" and "CTN / PTT ID Lookup" dialogs.
    int lookupCustomers(ChoiceList& list);
    int lookupJobsOfCustomer(const std::string& customer, ChoiceList& list);
    int lookupCtnsOfJobAndCustomer(const std::string& job, const std::string& customer, ChoiceList& list);
    int lookupStatusesOfJobAndCtn(const std::string& job, const std::string& ctn, ChoiceList& list);
    int lookupCtns(ChoiceList& list);
    int lookupPttIds(ChoiceList& list);  // shown "%05d"
    int lookupCtnsOfPttId(const std::string& pttId, ChoiceList& list);
    int lookupJobsOfCtn(const std::string& ctn, ChoiceList& list);
    int lookupStatusesOfCtn(const std::string& ctn, ChoiceList& list);

    // Every stored device key, ordered by Job, CTN and status (orvctl db list).
    int listDevices(std::vector<DeviceKey>& devices);

    // The file every operation reopens; set by each open, swapped by the copy of the handler utility.
    const std::string& currentPath() const { return path; }
    void setCurrentPath(const std::string& newPath) { path = newPath; }
    bool isOpen() const { return database != nullptr; }
    ParameterRecord& record() { return configuration; }
    MessageLog& messages() { return log; }

    WaitIndicator* waitIndicator = nullptr;
    int retryPauseMs = 500;
    std::function<void(int milliseconds)> pause;  // between open attempts

private:
    // A column every stored file must have, in the table of that slot.
    struct SchemaColumn {
        TableSlot* table;
        std::string name;
        short type;
        int size;
        bool required;
        bool allowZeroLength;
    };

    int openTables();
    // The checks and upgrades of the first open of a file in this run.
    int prepareOpened();
    int createSchema();
    std::vector<SchemaColumn> schemaColumns();
    int missingColumns(bool& missing);
    int upgradeSchema();
    void fillMissingStatuses();
    void addKeyIndexes();
    int writeDevice(const DeviceKey& key);
    int deleteRows(const DeviceKey& key, int& generalRows);
    int countGeneralRows(const DeviceKey& key, int& count);
    int readGeneralRow(const DeviceKey& key, bool load, bool& failed);
    int readSeasons(const DeviceKey& key, bool load, bool& failed);
    int renameRows(const std::string& oldJob, const std::string& oldCtn, const std::string& newJob,
                   const std::string& newCtn, int& matched);
    int renameConflict(const std::string& oldJob, const std::string& oldCtn, const std::string& newJob,
                       const std::string& newCtn, std::string& conflictCtn);
    int distinctLookup(const DistinctTexts& texts, std::initializer_list<DbValue> values, ChoiceList& list);
    int readLookup(const std::string& sql, std::initializer_list<DbValue> values, bool pttIds,
                   ChoiceList& list);
    // Shows fixedText and the engine's description; returns 1.
    int engineFailure(const char* fixedText);
    // Ends an operation: rolls back what is unfinished and closes; 1 when result or the close failed.
    int finish(int result);

    MessageLog& log;
    ParameterRecord& configuration;
    AccessLayer access;
    DatabaseSlot database;
    TableSlot generalTable;
    TableSlot seasonTable;
    std::string path;
    // The file whose schema was checked and upgraded in this run; later opens of it skip that.
    std::string verifiedPath;
    int ordinalCounter = 1;
    bool declined = false;
};

}  // namespace orv
