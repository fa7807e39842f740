#include "collar_options.h"

#include <cstdlib>

namespace orv::emu {

namespace {

struct FaultNameRow {
    FaultKind kind;
    const char* name;
};

constexpr FaultNameRow kFaultNames[] = {
    {FaultKind::NoAnswer, "no-answer"},
    {FaultKind::WrongBanner, "wrong-banner"},
    {FaultKind::EraseRefused, "erase-refused"},
    {FaultKind::StatusWithData, "status-with-data"},
    {FaultKind::GarbageBeforeSoh, "garbage-before-soh"},
    {FaultKind::FlippedReadbackBit, "flipped-readback-bit"},
    {FaultKind::HangUp, "hang-up"},
    {FaultKind::TruncatedAnswer, "truncated-answer"},
    {FaultKind::BytesAfterEot, "bytes-after-eot"},
    {FaultKind::StallMidAnswer, "stall-mid-answer"},
    {FaultKind::ReadError, "read-error"},
    {FaultKind::WriteError, "write-error"},
};

}  // namespace

const char* faultName(FaultKind kind) {
    for (const auto& row : kFaultNames)
        if (row.kind == kind) return row.name;
    return "?";
}

bool parseFault(const std::string& text, Fault& fault) {
    const auto at = text.find('@');
    const std::string name = text.substr(0, at);
    int number = 0;
    if (at != std::string::npos) {
        char* end = nullptr;
        const long n = std::strtol(text.c_str() + at + 1, &end, 10);
        if (end == text.c_str() + at + 1 || *end != '\0' || n < 0 || n > 1000000) return false;
        number = static_cast<int>(n);
    }
    for (const auto& row : kFaultNames) {
        if (name == row.name) {
            fault = Fault{row.kind, number};
            return true;
        }
    }
    return false;
}

}  // namespace orv::emu
