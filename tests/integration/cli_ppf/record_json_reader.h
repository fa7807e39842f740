#pragma once

// Reads the JSON that `orvctl show --json` prints back into names and values:
// just enough JSON (objects, arrays, strings with escapes, numbers) for that.

#include <cstdlib>
#include <map>
#include <string>
#include <vector>

namespace orv::test {

struct RecordJson {
    std::string firmware;
    std::map<std::string, double> general;
    std::vector<std::map<std::string, double>> seasons;
    std::map<std::string, std::string> strings;
    bool ok = false;
};

class RecordJsonReader {
public:
    explicit RecordJsonReader(const std::string& text) : s(text) {}

    RecordJson read() {
        RecordJson record;
        if (!expect('{')) return record;
        while (!failed) {
            const std::string name = string();
            if (!expect(':')) break;
            if (name == "firmware") {
                record.firmware = string();
            } else if (name == "general") {
                record.general = numbers();
            } else if (name == "seasons") {
                expect('[');
                while (!failed && peek() != ']') {
                    record.seasons.push_back(numbers());
                    if (peek() == ',') ++at;
                }
                expect(']');
            } else if (name == "strings") {
                record.strings = texts();
            } else {
                failed = true;
            }
            if (peek() != ',') break;
            ++at;
        }
        record.ok = !failed && expect('}');
        return record;
    }

private:
    char peek() {
        while (at < s.size() && (s[at] == ' ' || s[at] == '\n')) ++at;
        return at < s.size() ? s[at] : '\0';
    }
    bool expect(char c) {
        if (peek() != c) failed = true;
        if (!failed) ++at;
        return !failed;
    }
    std::string string() {
        std::string text;
        if (!expect('"')) return text;
        while (at < s.size() && s[at] != '"') {
            char c = s[at++];
            if (c == '\\' && at < s.size()) {
                c = s[at++];
                if (c == 'n') c = '\n';
                if (c == 't') c = '\t';
                if (c == 'u' && at + 4 <= s.size()) {
                    c = static_cast<char>(std::strtol(s.substr(at, 4).c_str(), nullptr, 16));
                    at += 4;
                }
            }
            text += c;
        }
        expect('"');
        return text;
    }
    double number() {
        peek();
        const char* start = s.c_str() + at;
        char* end = nullptr;
        const double value = std::strtod(start, &end);
        if (end == start) failed = true;
        at += static_cast<std::size_t>(end - start);
        return value;
    }
    template <typename Value, typename ReadValue>
    std::map<std::string, Value> object(ReadValue readValue) {
        std::map<std::string, Value> values;
        if (!expect('{')) return values;
        while (!failed && peek() != '}') {
            const std::string name = string();
            expect(':');
            values[name] = readValue();
            if (peek() == ',') ++at;
        }
        expect('}');
        return values;
    }
    std::map<std::string, double> numbers() {
        return object<double>([this] { return number(); });
    }
    std::map<std::string, std::string> texts() {
        return object<std::string>([this] { return string(); });
    }

    const std::string& s;
    std::size_t at = 0;
    bool failed = false;
};

}  // namespace orv::test
