#pragma once

// The parameter database: stored collar configurations, one per device key
// (Job number, CTN number, device status), as one row of "GenParmsTbl" and
// twelve rows of "SeasParmsTbl". Every operation opens the file at its start
// and closes it at its end; messages go through the message log.

#include <ctime>
#include <functional>
#include <string>
#include <vector>

#include "app/message_log.h"
#include "db/access_layer.h"
#include "db/wait_cursor.h"
#include "model/device_lists.h"
#include "model/device_status.h"
#include "model/read_mode.h"
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
inline constexpr const char* kHistoryTable = "DeviceHistory";
inline constexpr const char* kDefaultDevice = "Default";

struct DeviceKey {
    std::string job;
    std::string ctn;
    std::string status;
};

// What a version of the device history records. Import is a device stored
// before the history was kept, recorded as it was the first time it changes.
enum class HistoryAction { Import, Save, Programmed, Rename, Delete, Copy, Restore };

// "import", "save", "programmed", "rename", "delete", "copy", "restore".
const char* historyActionName(HistoryAction action);

// One version of a stored device: every change to a stored device appends one,
// numbered from 1 per Job and CTN across their statuses.
struct DeviceVersion {
    DeviceKey key;
    int version = 0;
    std::string time;      // UTC, "YYYY-MM-DDTHH:MM:SSZ"
    std::time_t when = 0;  // the same time
    std::string user;
    std::string action;
};

class ParameterDb {
public:
    ParameterDb(MessageLog& log, ParameterRecord& record, DbEngine& engine = databaseEngine());

    DbResult openDatabase(const std::string& path, bool offerCreate);
    DbResult createDatabase(const std::string& path);
    void closeDatabase();
    DbResult reopenDatabase();

    // Ok saved or the overwrite declined (then saveDeclined() is true); Failed.
    // The history records the save as action.
    DbResult saveDevice(std::string job, std::string ctn, std::string status,
                        HistoryAction action = HistoryAction::Save);
    // The last save stored nothing because the overwrite question was answered No.
    bool saveDeclined() const { return declined; }
    // Ok deleted; NotFound: no stored device had the key; Failed.
    DbResult deleteDevice(std::string job, std::string ctn, std::string status);
    // Ok read, or no difference; Failed: a failure or the first difference (shown).
    DbResult readDevice(std::string job, std::string ctn, std::string status, ReadMode mode);
    // An empty oldCtn renames every device of the Job.
    DbResult changeDevice(std::string oldJob, std::string oldCtn, std::string newJob, std::string newCtn);

    // The statuses stored for Job/CTN, one per stored device.
    TextList storedStatuses(const std::string& job, const std::string& ctn);
    // Every stored Job number, and the CTNs of job (the first Job when job is empty).
    JobAndCtnTexts jobAndCtnNumbers(std::string job);

    // The lookups of the "Customer Search" and "CTN / PTT ID Lookup" dialogs.
    TextList lookupCustomers();
    TextList lookupJobsOfCustomer(const std::string& customer);
    TextList lookupCtnsOfJobAndCustomer(const std::string& job, const std::string& customer);
    TextList lookupStatusesOfJobAndCtn(const std::string& job, const std::string& ctn);
    TextList lookupCtns();
    TextList lookupPttIds();  // shown "%05d"
    TextList lookupCtnsOfPttId(const std::string& pttId);
    TextList lookupJobsOfCtn(const std::string& ctn);
    TextList lookupStatusesOfCtn(const std::string& ctn);

    // The versions of Job/CTN, of every status or of status alone, oldest first.
    DbResult deviceHistory(const std::string& job, const std::string& ctn, const std::string& status,
                           std::vector<DeviceVersion>& versions);
    // Loads version of Job/CTN into target as a read of the device loads the
    // record (values without a column stay as they are); Ok, Failed (shown: no
    // such version, or one this program cannot read).
    DbResult readVersion(const std::string& job, const std::string& ctn, int version, ParameterRecord& target,
                         DeviceVersion& found);

    // Every stored device key, ordered by Job, CTN and status (orvctl db list).
    DbResult listDevices(std::vector<DeviceKey>& devices);

    // The file every operation reopens; set by each open, swapped by the copy of the handler utility.
    const std::string& currentPath() const { return path; }
    void setCurrentPath(const std::string& newPath) { path = newPath; }
    bool isOpen() const { return database != nullptr; }
    ParameterRecord& record() { return configuration; }
    MessageLog& messages() { return log; }

    WaitIndicator* waitIndicator = nullptr;
    // The time the history gives a change.
    std::function<std::time_t()> clock = [] { return std::time(nullptr); };
    int retryPauseMs = 500;
    std::function<void(int milliseconds)> pause;  // between open attempts

private:
    // A column every stored file must have, in the table of that slot.
    struct SchemaColumn {
        TableSlot* table;
        std::string name;
        ColumnType type;
        int size;
        bool required;
        bool allowZeroLength;
    };

    DbResult openTables();
    // The checks and upgrades of the first open of a file in this run.
    DbResult prepareOpened();
    DbResult createSchema();
    std::vector<SchemaColumn> schemaColumns();
    DbResult missingColumns(bool& missing);
    DbResult upgradeSchema();
    void fillMissingStatuses();
    void addKeyIndexes();
    DbResult writeDevice(const DeviceKey& key);
    DbResult deleteRows(const DeviceKey& key, int& generalRows);
    DbResult countGeneralRows(const DeviceKey& key, int& count);
    DbResult readGeneralRow(const DeviceKey& key, ParameterRecord& target, bool load, bool& failed);
    DbResult readSeasons(const DeviceKey& key, ParameterRecord& target, bool load, bool& failed);
    // The device history, in the transaction of the change it records (device_history.cpp).
    DbResult createHistoryTable();
    DbResult addMissingHistoryTable();
    // The stored device as the history keeps it.
    DbResult storedVersion(const DeviceKey& key, std::string& record);
    DbResult appendVersion(const DeviceKey& key, HistoryAction action, const std::string& record);
    // A stored device the history has no version of gets its version 1 ("import")
    // before it changes.
    DbResult importUntracked(const DeviceKey& key);
    DbResult renameRows(const std::string& oldJob, const std::string& oldCtn, const std::string& newJob,
                        const std::string& newCtn, int& matched);
    DbResult renameConflict(const std::string& oldJob, const std::string& oldCtn, const std::string& newJob,
                            const std::string& newCtn, std::string& conflictCtn);
    TextList distinctLookup(const DistinctTexts& texts, std::initializer_list<DbValue> values);
    TextList readLookup(const std::string& sql, std::initializer_list<DbValue> values, bool pttIds);
    // Shows fixedText and the engine's description; returns Failed.
    DbResult engineFailure(const char* fixedText);
    // Ends an operation: rolls back what is unfinished and closes; returns result.
    DbResult finish(DbResult result);

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
