// Several stations on one parameter database at once, each a process of its
// own with its own connections: saves of different devices lose nothing, saves
// of one device leave it whole (the later one), a read never mixes the rows of
// two saves, and the device history numbers every save once, in step with the
// device even when a station is killed. On the server engine and on the file
// engine alike.

#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <csignal>
#include <functional>
#include <map>
#include <optional>
#include <random>
#include <string>
#include <thread>
#include <vector>

#include "db/parameter_db.h"
#include "model/definitions.h"
#include "model/record.h"
#include "pg_cluster.h"
#include "scripted_presenter.h"
#include "temp_dir.h"

namespace orv::test {
namespace {

constexpr int kSaveMarkerRow = GeneralRow::ElevAngle;

// Runs work in a child process with a database object of its own; the child's
// exit status is what work returns (the number of things that went wrong).
pid_t startStation(const std::string& path, const std::function<int(ParameterDb&, ParameterRecord&)>& work) {
    const pid_t pid = ::fork();
    if (pid != 0) return pid;
    ScriptedPresenter presenter;
    presenter.defaultQuestionAnswer = kAnswerYes;  // overwrite
    MessageLog log{&presenter};
    ParameterRecord record;
    resetRecord(record);
    ParameterDb db(log, record);
    db.pause = nullptr;
    db.setCurrentPath(path);
    const int problems = work(db, record);
    ::_exit(problems > 100 ? 100 : problems);
}

int waitStation(pid_t pid) {
    int status = 0;
    if (::waitpid(pid, &status, 0) != pid || !WIFEXITED(status)) return -1;
    return WEXITSTATUS(status);
}

// Every season of the record carries the marker (cut to the byte its column
// holds), as the general row does.
int seasonMarker(double marker) {
    return static_cast<int>(marker) % 256;
}

void markDevice(ParameterRecord& record, int marker) {
    record.general(kSaveMarkerRow) = marker;
    for (int s = 1; s <= kSeasons; ++s) record.season(s, SeasonRow::NextSeason) = seasonMarker(marker);
}

bool deviceIsWhole(const ParameterRecord& record) {
    for (int s = 1; s <= kSeasons; ++s) {
        if (record.season(s, SeasonRow::NextSeason) != seasonMarker(record.general(kSaveMarkerRow)))
            return false;
    }
    return true;
}

class Stations : public ::testing::TestWithParam<Engine> {
protected:
    void SetUp() override {
        if (GetParam() == Engine::Postgres) {
            if (testServerUri().empty()) GTEST_SKIP() << kPostgresSkipHelp;
            scratch.emplace(testServerUri());
            ASSERT_EQ(scratch->error, "");
            path = scratch->uri();
        } else {
            path = dir.file("Orv3.mdb");
        }
        restoreBuiltinDefinitions();
        resetRecord(record);
        presenter.answer(kAnswerYes);
        ASSERT_EQ(db.openDatabase(path, true), DbResult::Ok);  // made before the stations start
        db.closeDatabase();
        presenter.clear();
    }

    TempDir dir;
    std::optional<ScratchDatabase> scratch;
    std::string path;
    ScriptedPresenter presenter;
    MessageLog log{&presenter};
    ParameterRecord record;
    ParameterDb db{log, record};
};

TEST_P(Stations, FourStationsSavingDifferentDevicesLoseNothing) {
    constexpr int kStations = 4;
    constexpr int kSaves = 100;
    std::vector<pid_t> stations;
    for (int k = 0; k < kStations; ++k) {
        stations.push_back(startStation(path, [k](ParameterDb& station, ParameterRecord& mine) {
            int failed = 0;
            for (int i = 0; i < kSaves; ++i) {
                markDevice(mine, k * 1000 + i % 200);
                failed += station.saveDevice("S" + std::to_string(k), "C" + std::to_string(i), "Working") !=
                          DbResult::Ok;
            }
            return failed;
        }));
    }
    for (const pid_t pid : stations) EXPECT_EQ(waitStation(pid), 0) << "saves that failed";

    std::vector<DeviceKey> devices;
    ASSERT_EQ(db.listDevices(devices), DbResult::Ok);
    EXPECT_EQ(devices.size(), static_cast<std::size_t>(kStations * kSaves + 1));  // and the Default device
    for (int k = 0; k < kStations; ++k) {
        for (int i = 0; i < kSaves; i += 33) {
            ASSERT_EQ(
                db.readDevice("S" + std::to_string(k), "C" + std::to_string(i), "Working", ReadMode::Load),
                DbResult::Ok);
            EXPECT_EQ(record.general(kSaveMarkerRow), k * 1000 + i % 200);
            EXPECT_TRUE(deviceIsWhole(record));
        }
    }
    EXPECT_EQ(presenter.count(), 0u);
}

TEST_P(Stations, TwoStationsSavingOneDeviceLeaveItWholeAndReadsNeverMixThem) {
    constexpr int kSaves = 40;
    std::vector<pid_t> writers;
    for (const int marker : {1, 2}) {
        writers.push_back(startStation(path, [marker](ParameterDb& station, ParameterRecord& mine) {
            int failed = 0;
            for (int i = 0; i < kSaves; ++i) {
                markDevice(mine, marker);
                failed += station.saveDevice("J", "C", "Working") != DbResult::Ok;
            }
            return failed;
        }));
    }
    const pid_t reader = startStation(path, [](ParameterDb& station, ParameterRecord& seen) {
        int mixed = 0;
        for (int i = 0; i < kSaves; ++i) {
            // Before the first save there is nothing to read yet.
            if (station.readDevice("J", "C", "Working", ReadMode::Load) == DbResult::Ok &&
                !deviceIsWhole(seen))
                ++mixed;
        }
        return mixed;
    });
    for (const pid_t pid : writers) EXPECT_EQ(waitStation(pid), 0) << "saves that failed";
    EXPECT_EQ(waitStation(reader), 0) << "reads that mixed two saves";

    ASSERT_EQ(db.readDevice("J", "C", "Working", ReadMode::Load), DbResult::Ok);
    EXPECT_TRUE(deviceIsWhole(record));
    EXPECT_TRUE(record.general(kSaveMarkerRow) == 1 || record.general(kSaveMarkerRow) == 2);
    std::vector<DeviceKey> devices;
    ASSERT_EQ(db.listDevices(devices), DbResult::Ok);
    EXPECT_EQ(devices.size(), 2u) << "one J/C device besides the Default device";
}

// The versions of J/C as the history lists them, with the marker each holds.
struct Story {
    std::vector<int> numbers;
    std::vector<int> markers;
};

Story storyOf(ParameterDb& db, ParameterRecord& record) {
    Story story;
    std::vector<DeviceVersion> versions;
    EXPECT_EQ(db.deviceHistory("J", "C", "", versions), DbResult::Ok);
    for (const DeviceVersion& v : versions) {
        story.numbers.push_back(v.version);
        DeviceVersion found;
        EXPECT_EQ(db.readVersion("J", "C", v.version, record, found), DbResult::Ok);
        EXPECT_TRUE(deviceIsWhole(record)) << "version " << v.version;
        story.markers.push_back(static_cast<int>(record.general(kSaveMarkerRow)));
    }
    return story;
}

std::vector<int> oneTo(int last) {
    std::vector<int> numbers;
    for (int n = 1; n <= last; ++n) numbers.push_back(n);
    return numbers;
}

TEST_P(Stations, FourStationsSavingOneDeviceNumberItsVersionsWithoutGapsOrDuplicates) {
    constexpr int kStations = 4;
    constexpr int kSaves = 25;
    std::vector<pid_t> stations;
    for (int k = 0; k < kStations; ++k) {
        stations.push_back(startStation(path, [k](ParameterDb& station, ParameterRecord& mine) {
            int failed = 0;
            for (int i = 0; i < kSaves; ++i) {
                markDevice(mine, 1000 + k * 100 + i);
                failed += station.saveDevice("J", "C", "Working") != DbResult::Ok;
            }
            return failed;
        }));
    }
    for (const pid_t pid : stations) EXPECT_EQ(waitStation(pid), 0) << "saves that failed";

    const Story story = storyOf(db, record);
    EXPECT_EQ(story.numbers, oneTo(kStations * kSaves));
    std::vector<int> markers = story.markers;
    std::sort(markers.begin(), markers.end());
    std::vector<int> saved;
    for (int k = 0; k < kStations; ++k)
        for (int i = 0; i < kSaves; ++i) saved.push_back(1000 + k * 100 + i);
    EXPECT_EQ(markers, saved) << "every save is one version, whole";
    ASSERT_EQ(db.readDevice("J", "C", "Working", ReadMode::Load), DbResult::Ok);
    EXPECT_EQ(record.general(kSaveMarkerRow), story.markers.back())
        << "the last version is the stored device";
}

// A station killed at any moment of its saves leaves the device and its history
// as they were after one whole save: the newest version is the stored device.
TEST_P(Stations, AStationKilledDuringASaveLeavesTheDeviceAndItsHistoryInStep) {
    std::mt19937 random(20261209);
    std::uniform_int_distribution<int> delayMs(5, 120);
    for (int round = 0; round < 8; ++round) {
        const pid_t station = startStation(path, [round](ParameterDb& mine, ParameterRecord& configuration) {
            for (int i = 0;; ++i) {
                markDevice(configuration, 10000 * (round + 1) + i);
                static_cast<void>(mine.saveDevice("J", "C", "Working"));
            }
            return 0;
        });
        std::this_thread::sleep_for(std::chrono::milliseconds(delayMs(random)));
        ::kill(station, SIGKILL);
        EXPECT_EQ(waitStation(station), -1);

        const Story story = storyOf(db, record);
        if (story.numbers.empty()) continue;  // killed before its first save
        EXPECT_EQ(story.numbers, oneTo(static_cast<int>(story.numbers.size()))) << "round " << round;
        ASSERT_EQ(db.readDevice("J", "C", "Working", ReadMode::Load), DbResult::Ok);
        EXPECT_TRUE(deviceIsWhole(record));
        EXPECT_EQ(record.general(kSaveMarkerRow), story.markers.back()) << "round " << round;
    }
    EXPECT_EQ(presenter.count(), 0u);
}

INSTANTIATE_TEST_SUITE_P(Engines, Stations, ::testing::Values(Engine::Sqlite, Engine::Postgres),
                         [](const ::testing::TestParamInfo<Engine>& info) {
                             return info.param == Engine::Sqlite ? "Sqlite" : "Postgres";
                         });

}  // namespace
}  // namespace orv::test
