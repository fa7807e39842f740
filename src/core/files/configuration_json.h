#pragma once

// The configuration as JSON: the object "orvctl show --json" prints (firmware,
// general, seasons, strings; each parameter by its key, or its label when it
// has none) and, for files, with the schema version first. Reading takes
// exactly that schema back, so that a file written and read again gives the
// same record values and so the same collar image.

#include <nlohmann/json.hpp>
#include <string>

#include "model/record.h"

namespace orv {

inline constexpr const char* kConfigurationSchema = "orv-configuration/1";

// Whole numbers as integers ("30", not "30.0"), the rest as the shortest text
// that reads back as the same double; what is no number at all as null.
nlohmann::ordered_json numberJson(double value);

// One key per line. withSchema: "schema" first, as a file holds it.
std::string configurationJson(const ParameterRecord& record, bool withSchema);

struct JsonReadProblem {
    int line = 0;     // from 1; 0 when the text holds no line to name
    std::string key;  // the parameter as orvctl names it (KEY, KEY[S]) or the JSON key
    std::string what;
};

// Stores every value of a file's JSON (schema "orv-configuration/1", nothing
// missing, nothing more) into record, unchecked as a database load stores. A
// value outside its parameter's limits, a text longer than its field, another
// schema version, a key unknown or given twice refuse the whole text: false
// with the first problem, and the record is left as it was.
bool readConfigurationJson(const std::string& text, ParameterRecord& record, JsonReadProblem& problem);

}  // namespace orv
