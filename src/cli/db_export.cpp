// The stored devices as CSV for a spreadsheet or a script: a header row (job,
// ctn, status, then the parameters by their keys), then one row per stored
// device with its values as stored, RFC 4180 quoting, UTF-8. Without
// --columns every general parameter and text that has a database column;
// season values when named (KEY[S], or KEY[*] for all twelve).

#include "db_export.h"

#include <charconv>

#include "app/csv_text.h"
#include "app/replace_file.h"
#include "app/utf8_text.h"
#include "cli_messages.h"
#include "fleet_messages.h"
#include "model/parameter_key.h"

namespace orv::cli {

namespace {

struct Column {
    std::string name;
    DefinitionTable table;
    int row;
    int season;
};

std::vector<Column> defaultColumns() {
    std::vector<Column> columns;
    for (const auto table : {DefinitionTable::General, DefinitionTable::String}) {
        const auto definitions = definitionTable(table);
        for (std::size_t row = 0; row < definitions.size(); ++row) {
            const std::string_view key = definitions[row].key;
            // The device key has its own three columns first.
            if (key.empty() || key == kJobColumn || key == kCtnColumn || key == kStatusColumn) continue;
            columns.push_back({definitions[row].key, table, static_cast<int>(row), -1});
        }
    }
    return columns;
}

// The columns --columns names, in its order; false after the usage error.
bool namedColumns(const std::string& list, std::vector<Column>& columns, int& rc) {
    std::size_t from = 0;
    while (from <= list.size()) {
        std::size_t comma = list.find(',', from);
        if (comma == std::string::npos) comma = list.size();
        const std::string name = list.substr(from, comma - from);
        from = comma + 1;
        const auto key = parseParameterKey(name);
        if (!key) {
            rc = usageError(clitext::unknownColumnKey(name));
            return false;
        }
        const auto base = name.substr(0, name.find('['));
        if (key->season == 0) {
            for (int s = 1; s <= kSeasons; ++s)
                columns.push_back({base + "[" + std::to_string(s) + "]", key->table, key->row, s});
        } else {
            columns.push_back({name, key->table, key->row, key->season});
        }
    }
    return true;
}

std::string numberText(double value) {
    char buffer[64];
    const auto end = std::to_chars(buffer, buffer + sizeof buffer, value).ptr;
    return std::string(buffer, end);
}

std::string cellOf(const ParameterRecord& record, const Column& column) {
    if (column.table == DefinitionTable::String) return spreadsheetSafe(asUtf8(record.text(column.row)));
    if (column.table == DefinitionTable::General) return numberText(record.general(column.row));
    return numberText(record.season(column.season, column.row));
}

}  // namespace

int exportDevicesCsv(Session& session, const Args& args, ParameterDb& db) {
    const std::string format = args.value("format").value_or("");
    if (format != "csv") return usageError(clitext::dbExportFormatUnknown(format));
    const std::string file = args.value("o").value_or("");
    if (file.empty()) return usageError(clitext::kDbExportNeedsFile);
    const std::string delimiterText = args.value("delimiter").value_or(",");
    if (delimiterText.size() != 1 || delimiterText.find_first_of("\"\r\n") != std::string::npos)
        return usageError(clitext::delimiterUnusable(delimiterText));
    const char delimiter = delimiterText[0];
    std::vector<Column> columns;
    int rc = kExitOk;
    if (const auto list = args.value("columns")) {
        if (!namedColumns(*list, columns, rc)) return rc;
    } else {
        columns = defaultColumns();
    }

    std::vector<DeviceKey> devices;
    if (db.listDevices(devices) != DbResult::Ok) return kExitFailed;
    std::vector<std::string> header{"job", "ctn", "status"};
    for (const Column& column : columns) header.push_back(column.name);
    std::string text = csvLine(header, delimiter);
    for (const DeviceKey& device : devices) {
        ParameterRecord record = session.record;
        ParameterDb reader(session.log, record);
        reader.setCurrentPath(db.currentPath());
        if (reader.readDevice(device.job, device.ctn, device.status, ReadMode::Load) != DbResult::Ok)
            return kExitFailed;
        std::vector<std::string> cells{spreadsheetSafe(asUtf8(device.job)),
                                       spreadsheetSafe(asUtf8(device.ctn)), device.status};
        for (const Column& column : columns) cells.push_back(cellOf(record, column));
        text += csvLine(cells, delimiter);
    }
    if (replaceFile(file, text) != 1) {
        reportFailure(clitext::cannotWrite(file));
        return kExitFailed;
    }
    return kExitOk;
}

}  // namespace orv::cli
