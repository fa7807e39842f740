#include "device/serial_trace_format.h"

#include <array>
#include <charconv>
#include <cstdio>

#include "app/text_helpers.h"

namespace orv {

namespace {

constexpr std::array<const char*, 32> kControlNames{"NUL", "SOH", "STX", "ETX", "EOT", "ENQ", "ACK", "BEL",
                                                    "BS",  "HT",  "LF",  "VT",  "FF",  "CR",  "SO",  "SI",
                                                    "DLE", "DC1", "DC2", "DC3", "DC4", "NAK", "SYN", "ETB",
                                                    "CAN", "EM",  "SUB", "ESC", "FS",  "GS",  "RS",  "US"};
constexpr const char* kDeleteName = "DEL";

constexpr std::string_view kSentMark = "TX";
constexpr std::string_view kReceivedMark = "RX";
constexpr std::string_view kEventMark = "--";
// Between the fields: two blanks, so that a port with a blank in its name still reads back.
constexpr std::string_view kGap = "  ";

std::string_view markOf(TraceDirection direction) {
    switch (direction) {
        case TraceDirection::Sent:
            return kSentMark;
        case TraceDirection::Received:
            return kReceivedMark;
        case TraceDirection::Event:
            break;
    }
    return kEventMark;
}

// The byte a name between '<' and '>' stands for; -1 when unknown.
int byteNamed(std::string_view name) {
    if (name.size() == 3 && name[0] == 'x') {
        const int high = hexDigitValue(name[1]);
        const int low = hexDigitValue(name[2]);
        return high < 0 || low < 0 ? -1 : high * 16 + low;
    }
    if (name == kDeleteName) return 0x7F;
    for (std::size_t i = 0; i < kControlNames.size(); ++i)
        if (name == kControlNames[i]) return static_cast<int>(i);
    return -1;
}

}  // namespace

std::string traceText(std::string_view bytes) {
    std::string text;
    text.reserve(bytes.size() + 10);
    for (const char c : bytes) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < kControlNames.size()) {
            text += '<';
            text += kControlNames[byte];
            text += '>';
        } else if (byte == 0x7F) {
            text += "<DEL>";
        } else if (byte == '<' || byte > 0x7F) {
            char hex[8];
            std::snprintf(hex, sizeof hex, "<x%02X>", byte);
            text += hex;
        } else {
            text += c;
        }
    }
    return text;
}

bool fromTraceText(std::string_view text, std::string& bytes) {
    bytes.clear();
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '<') {
            bytes += text[i];
            continue;
        }
        const std::size_t end = text.find('>', i + 1);
        if (end == std::string_view::npos) return false;
        const int byte = byteNamed(text.substr(i + 1, end - i - 1));
        if (byte < 0) return false;
        bytes += static_cast<char>(byte);
        i = end;
    }
    return true;
}

std::string formatTraceEntry(const TraceEntry& entry) {
    char time[32];
    std::snprintf(time, sizeof time, "%9lld ms", entry.ms);
    std::string line = time;
    // Every field is written in the readable form: a port name or an event
    // text holding a line feed cannot make a line of its own.
    line += kGap;
    line += traceText(entry.port);
    line += kGap;
    line += markOf(entry.direction);
    line += kGap;
    line += traceText(entry.data);
    return line;
}

bool parseTraceEntry(std::string_view line, TraceEntry& entry) {
    std::size_t start = line.find_first_not_of(' ');
    if (start == std::string_view::npos || line[start] == '#') return false;
    const std::size_t unit = line.find(" ms", start);
    if (unit == std::string_view::npos) return false;
    long long ms = 0;
    const auto [end, error] = std::from_chars(line.data() + start, line.data() + unit, ms);
    if (error != std::errc{} || end != line.data() + unit) return false;
    std::string_view rest = line.substr(unit + 3);
    if (rest.substr(0, kGap.size()) != kGap) return false;
    rest.remove_prefix(kGap.size());
    // The port runs up to the first direction mark between gaps; a later one belongs to the frame.
    std::size_t at = std::string_view::npos;
    TraceDirection direction = TraceDirection::Event;
    std::size_t markSize = 0;
    for (const TraceDirection candidate :
         {TraceDirection::Sent, TraceDirection::Received, TraceDirection::Event}) {
        const std::string mark = std::string(kGap) + std::string(markOf(candidate)) + std::string(kGap);
        const std::size_t found = rest.find(mark);
        if (found < at) {
            at = found;
            direction = candidate;
            markSize = mark.size();
        }
    }
    if (at == std::string_view::npos) return false;
    const std::string_view data = rest.substr(at + markSize);
    TraceEntry parsed;
    parsed.ms = ms;
    parsed.direction = direction;
    if (!fromTraceText(rest.substr(0, at), parsed.port) || !fromTraceText(data, parsed.data)) return false;
    entry = std::move(parsed);
    return true;
}

}  // namespace orv
