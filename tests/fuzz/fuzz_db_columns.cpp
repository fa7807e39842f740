// Whatever another program (or an older one, or a damaged file) left in the
// columns of a stored device, reading it must not crash, must load only finite
// numbers and texts without trailing blanks, and a check right after the read
// must find the record equal to what is stored. The input says which columns
// of the Default device get which raw values (integers, reals, texts, blobs,
// NULL), written straight into the file before the read.

#include <sqlite3.h>
#include <unistd.h>

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "app/message_log.h"
#include "db/engine.h"
#include "db/parameter_db.h"
#include "model/definitions.h"
#include "model/record.h"

namespace {

void require(bool condition) {
    if (!condition) std::abort();
}

struct Scratch {
    std::string dir;
    std::string pristine;  // the bytes of a new database holding the Default device
    std::string path;
    std::vector<std::pair<std::string, std::string>> columns;  // table, column
};

std::string readFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

const Scratch& scratch() {
    static const Scratch* const made = [] {
        auto* s = new Scratch;
        char dir[] = "/tmp/orv-fuzz-db-XXXXXX";
        if (::mkdtemp(dir) == nullptr) std::abort();
        s->dir = dir;
        s->path = s->dir + "/Orv3.mdb";
        orv::MessageLog log;
        orv::ParameterRecord record;
        orv::resetRecord(record);
        orv::ParameterDb db(log, record);
        if (db.createDatabase(s->path) != orv::DbResult::Ok) std::abort();
        s->pristine = readFile(s->path);
        for (const auto& def : orv::stringDefinitions())
            if (def.key[0] != '\0') s->columns.emplace_back(orv::kGeneralTable, def.key);
        for (const auto& def : orv::generalDefinitions())
            if (def.key[0] != '\0') s->columns.emplace_back(orv::kGeneralTable, def.key);
        for (const auto& def : orv::seasonDefinitions())
            if (def.key[0] != '\0') s->columns.emplace_back(orv::kSeasonTable, def.key);
        std::atexit([] {
            const Scratch& s = scratch();
            std::remove(s.path.c_str());
            ::rmdir(s.dir.c_str());
        });
        return s;
    }();
    return *made;
}

// Reads the next n bytes of the input (zeros past its end).
struct Input {
    const std::uint8_t* data;
    std::size_t size;
    std::size_t at = 0;
    bool done() const { return at >= size; }
    std::uint64_t take(std::size_t n) {
        std::uint64_t value = 0;
        for (std::size_t i = 0; i < n; ++i) value = value << 8 | (at < size ? data[at++] : 0);
        return value;
    }
};

void bindValue(sqlite3_stmt* statement, Input& in) {
    switch (in.take(1) % 6) {
        case 0:
            sqlite3_bind_null(statement, 1);
            break;
        case 1:
            sqlite3_bind_int64(statement, 1, static_cast<sqlite3_int64>(in.take(8)));
            break;
        case 2: {
            const std::uint64_t bits = in.take(8);
            double value;
            std::memcpy(&value, &bits, sizeof value);
            sqlite3_bind_double(statement, 1, value);
            break;
        }
        case 3:
            sqlite3_bind_int64(statement, 1, static_cast<std::int8_t>(in.take(1)) * 1000LL);
            break;
        default: {
            const std::size_t length = in.take(1) % 48;
            std::string bytes;
            for (std::size_t i = 0; i < length; ++i) bytes += static_cast<char>(in.take(1));
            if (in.take(1) & 1) {
                sqlite3_bind_blob(statement, 1, bytes.data(), static_cast<int>(bytes.size()),
                                  SQLITE_TRANSIENT);
            } else {
                sqlite3_bind_text(statement, 1, bytes.data(), static_cast<int>(bytes.size()),
                                  SQLITE_TRANSIENT);
            }
        }
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const Scratch& s = scratch();
    {
        std::ofstream out(s.path, std::ios::binary | std::ios::trunc);
        out << s.pristine;
    }
    sqlite3* raw = nullptr;
    require(sqlite3_open(s.path.c_str(), &raw) == SQLITE_OK);
    // One transaction without waiting for the disk: the file is scratch.
    sqlite3_exec(raw, "PRAGMA synchronous = OFF; BEGIN", nullptr, nullptr, nullptr);
    Input in{data, size};
    for (int written = 0; !in.done() && written < 16; ++written) {
        const auto& [table, column] = s.columns[in.take(2) % s.columns.size()];
        std::string sql = "UPDATE " + orv::quoteName(table) + " SET " + orv::quoteName(column) + " = ?";
        if (table == orv::kSeasonTable) sql += " WHERE SeasonNum = " + std::to_string(in.take(1) % 12);
        sqlite3_stmt* statement = nullptr;
        if (sqlite3_prepare_v2(raw, sql.c_str(), -1, &statement, nullptr) == SQLITE_OK) {
            bindValue(statement, in);
            sqlite3_step(statement);  // a value a column's rules refuse is simply not written
        }
        sqlite3_finalize(statement);
    }
    sqlite3_exec(raw, "COMMIT", nullptr, nullptr, nullptr);
    sqlite3_close(raw);

    // One database object for the run: the file's schema, the same every time,
    // is checked once, so the runs go to the columns.
    static orv::MessageLog log;
    static orv::ParameterRecord record;
    static orv::ParameterDb db(log, record);
    orv::resetRecord(record);
    db.pause = nullptr;
    db.setCurrentPath(s.path);
    if (db.readDevice(orv::kDefaultDevice, orv::kDefaultDevice, orv::kStatusWorking, orv::ReadMode::Load) !=
        orv::DbResult::Ok) {
        return 0;
    }
    for (const double value : record.generalValues) require(std::isfinite(value));
    for (int season = 1; season <= orv::kSeasons; ++season) {
        for (std::size_t row = 0; row < orv::seasonDefinitions().size(); ++row) {
            require(std::isfinite(record.season(season, static_cast<int>(row))));
        }
    }
    for (const std::string& text : record.stringValues) require(text.empty() || text.back() != ' ');
    require(db.readDevice(orv::kDefaultDevice, orv::kDefaultDevice, orv::kStatusWorking,
                          orv::ReadMode::Check) == orv::DbResult::Ok);
    return 0;
}
