#include "files/configuration_json.h"

#include <cmath>
#include <iterator>
#include <map>
#include <nlohmann/json.hpp>
#include <vector>

#include "app/format_text.h"
#include "app/utf8_text.h"

namespace orv {

using Json = nlohmann::ordered_json;

Json numberJson(double value) {
    if (!std::isfinite(value)) return nullptr;
    constexpr double kExactIntegers = 9007199254740992.0;  // 2^53
    if (value == std::trunc(value) && std::fabs(value) < kExactIntegers && !std::signbit(value))
        return static_cast<std::uint64_t>(value);
    if (value == std::trunc(value) && std::fabs(value) < kExactIntegers && value != 0)
        return static_cast<std::int64_t>(value);
    return value;
}

namespace {

template <typename Values>
Json tableJson(std::span<const ParameterDefinition> table, const Values& values) {
    Json object = Json::object();
    for (std::size_t row = 0; row < table.size(); ++row) {
        const std::string name(rowName(table[row]));
        if constexpr (std::is_same_v<typename Values::value_type, std::string>)
            object[name] = asUtf8(values[row]);
        else
            object[name] = numberJson(values[row]);
    }
    return object;
}

// An input iterator over the text that counts the line ends it passes, so that
// the parser's events can be given the line they were read on.
class CountingIterator {
public:
    using iterator_category = std::input_iterator_tag;
    using value_type = char;
    using difference_type = std::ptrdiff_t;
    using pointer = const char*;
    using reference = const char&;

    CountingIterator(const char* at, int* lineEnds) : at(at), lineEnds(lineEnds) {}
    reference operator*() const { return *at; }
    CountingIterator& operator++() {
        if (*at == '\n') ++*lineEnds;
        ++at;
        return *this;
    }
    CountingIterator operator++(int) {
        CountingIterator before = *this;
        ++*this;
        return before;
    }
    bool operator==(const CountingIterator& other) const { return at == other.at; }

private:
    const char* at;
    int* lineEnds;
};

// The line of every key and array element, by its JSON pointer ("/general/ElevAngle",
// "/seasons/3"); the first key given twice and the syntax error, if any.
class LineMap : public nlohmann::json_sax<Json> {
public:
    explicit LineMap(const int& lineEnds) : lineEnds(lineEnds) {}

    std::map<std::string, int> lines;
    JsonReadProblem problem;
    bool failed = false;

    bool null() override { return element(); }
    bool boolean(bool) override { return element(); }
    bool number_integer(number_integer_t) override { return element(); }
    bool number_unsigned(number_unsigned_t) override { return element(); }
    bool number_float(number_float_t, const string_t&) override { return element(); }
    bool string(string_t&) override { return element(); }
    bool binary(binary_t&) override { return element(); }
    bool start_object(std::size_t) override { return open(false); }
    bool start_array(std::size_t) override { return open(true); }
    bool end_object() override { return close(); }
    bool end_array() override { return close(); }
    bool key(string_t& name) override {
        Frame& frame = frames.back();
        frame.key = name;
        const std::string path = frame.path + "/" + name;
        if (!lines.emplace(path, line()).second) {
            fail(name, "given twice");
            return false;
        }
        return true;
    }
    bool parse_error(std::size_t, const std::string&, const nlohmann::detail::exception& error) override {
        // "[json.exception.parse_error.101] parse error at line 3, column 5: syntax error ..."
        std::string what = error.what();
        if (const auto colon = what.find(": ", what.find("column")); colon != std::string::npos)
            what = what.substr(colon + 2);
        fail("", "not JSON: " + what);
        return false;
    }

private:
    struct Frame {
        bool array;
        std::size_t index;
        std::string path;
        std::string key;
    };

    int line() const { return lineEnds + 1; }
    void fail(const std::string& key, const std::string& what) {
        if (failed) return;
        failed = true;
        problem = {line(), key, what};
    }
    // The pointer of the value that starts now (an array element gets its line).
    std::string valuePath() {
        if (frames.empty()) return "";
        Frame& frame = frames.back();
        if (!frame.array) return frame.path + "/" + frame.key;
        const std::string path = frame.path + "/" + std::to_string(frame.index++);
        lines.emplace(path, line());
        return path;
    }
    bool element() {
        valuePath();
        return true;
    }
    bool open(bool array) {
        frames.push_back({array, 0, valuePath(), ""});
        return true;
    }
    bool close() {
        frames.pop_back();
        return true;
    }

    const int& lineEnds;
    std::vector<Frame> frames;
};

class Reader {
public:
    Reader(const Json& document, const std::map<std::string, int>& lines, ParameterRecord& record)
        : document(document), lines(lines), record(record) {}

    bool read(JsonReadProblem& problem) {
        if (!document.is_object()) return fail(problem, 1, "", "the text is no JSON object");
        static const char* const kKeys[] = {"schema", "firmware", "general", "seasons", "strings"};
        for (const auto& [name, value] : document.items()) {
            if (std::find(std::begin(kKeys), std::end(kKeys), name) == std::end(kKeys))
                return fail(problem, lineOf("/" + name), name, "unknown key");
        }
        for (const char* name : kKeys) {
            if (!document.contains(name)) return fail(problem, 1, name, "missing");
        }
        const Json& schema = document["schema"];
        if (!schema.is_string() || schema.get<std::string>() != kConfigurationSchema)
            return fail(
                problem, lineOf("/schema"), "schema",
                formatText("%s is not the schema \"%s\"", schema.dump().c_str(), kConfigurationSchema));
        if (!readTable(problem, DefinitionTable::General, document["general"], "/general", 0)) return false;
        const Json& seasons = document["seasons"];
        if (!seasons.is_array() || seasons.size() != kSeasons)
            return fail(problem, lineOf("/seasons"), "seasons",
                        formatText("not a list of %d seasons", kSeasons));
        for (int s = 1; s <= kSeasons; ++s) {
            const Json& season = seasons[static_cast<std::size_t>(s - 1)];
            if (!readTable(problem, DefinitionTable::Season, season, "/seasons/" + std::to_string(s - 1), s))
                return false;
        }
        if (!readTable(problem, DefinitionTable::String, document["strings"], "/strings", 0)) return false;
        const Json& firmware = document["firmware"];
        if (!firmware.is_string() || firmware.get<std::string>() != loaded.text(StringRow::FenmodFwVer))
            return fail(problem, lineOf("/firmware"), "firmware",
                        formatText("%s differs from the text of FenmodFwVer", firmware.dump().c_str()));
        record = loaded;
        return true;
    }

    ParameterRecord loaded;

private:
    int lineOf(const std::string& path) const {
        const auto found = lines.find(path);
        return found == lines.end() ? 0 : found->second;
    }

    static bool fail(JsonReadProblem& problem, int line, std::string key, std::string what) {
        problem = {line, std::move(key), std::move(what)};
        return false;
    }

    bool readTable(JsonReadProblem& problem, DefinitionTable table, const Json& object,
                   const std::string& path, int season) {
        const auto definitions = definitionTable(table);
        const auto keyName = [&](std::string_view name) {
            return season > 0 ? formatText("%.*s[%d]", static_cast<int>(name.size()), name.data(), season)
                              : std::string(name);
        };
        if (!object.is_object())
            return fail(problem, lineOf(path), path.substr(1), "not an object of parameters");
        for (const auto& [name, value] : object.items()) {
            const int row = findRow(table, name);
            const int line = lineOf(path + "/" + name);
            if (row < 0) return fail(problem, line, keyName(name), "unknown parameter");
            const ParameterDefinition& def = definitions[static_cast<std::size_t>(row)];
            if (table == DefinitionTable::String) {
                if (!value.is_string()) return fail(problem, line, keyName(name), "not a text");
                const std::string text = value.get<std::string>();
                if (def.width > 0 && text.size() > static_cast<std::size_t>(def.width))
                    return fail(problem, line, keyName(name),
                                formatText("a text of %zu bytes is longer than the field's %d", text.size(),
                                           def.width));
                loaded.text(row) = text;
                continue;
            }
            if (!value.is_number()) return fail(problem, line, keyName(name), "not a number");
            const double number = value.get<double>();
            if (!std::isfinite(number) || number < def.minValue || number > def.maxValue)
                return fail(problem, line, keyName(name),
                            formatText("%s is out of range (%g to %g)", value.dump().c_str(), def.minValue,
                                       def.maxValue));
            if (table == DefinitionTable::General)
                loaded.general(row) = number;
            else
                loaded.season(season, row) = number;
        }
        for (std::size_t row = 0; row < definitions.size(); ++row) {
            const std::string name(rowName(definitions[row]));
            if (!object.contains(name)) return fail(problem, lineOf(path), keyName(name), "missing");
        }
        return true;
    }

    const Json& document;
    const std::map<std::string, int>& lines;
    ParameterRecord& record;
};

}  // namespace

std::string configurationJson(const ParameterRecord& record, bool withSchema) {
    Json object = Json::object();
    if (withSchema) object["schema"] = kConfigurationSchema;
    object["firmware"] = asUtf8(record.text(StringRow::FenmodFwVer));
    object["general"] = tableJson(generalDefinitions(), record.generalValues);
    Json seasons = Json::array();
    for (const auto& season : record.seasonValues) seasons.push_back(tableJson(seasonDefinitions(), season));
    object["seasons"] = std::move(seasons);
    object["strings"] = tableJson(stringDefinitions(), record.stringValues);
    return object.dump(2) + "\n";
}

bool readConfigurationJson(const std::string& text, ParameterRecord& record, JsonReadProblem& problem) {
    int lineEnds = 0;
    LineMap lines(lineEnds);
    const char* begin = text.data();
    const char* end = begin + text.size();
    Json::sax_parse(CountingIterator(begin, &lineEnds), CountingIterator(end, &lineEnds), &lines);
    if (lines.failed) {
        problem = lines.problem;
        return false;
    }
    const Json document = Json::parse(text, nullptr, false);
    Reader reader(document, lines.lines, record);
    // Change flags and the rest of the record as a load leaves them.
    reader.loaded = record;
    return reader.read(problem);
}

}  // namespace orv
