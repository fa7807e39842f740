#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace orv::emu {

// What the emulated collar can be made to do wrong.
enum class FaultKind {
    NoAnswer,            // says nothing to the command
    WrongBanner,         // wakes up with SOH "<" EOT instead of SOH ">" EOT
    EraseRefused,        // answers the erase with "-" and erases nothing
    StatusWithData,      // answers "+" followed by data
    GarbageBeforeSoh,    // puts noise on the line before the answer's SOH
    FlippedReadbackBit,  // one bit of a read answer after programming is wrong
    HangUp,              // the line goes dead on receiving the command
    TruncatedAnswer,     // the answer loses the second half of its text, framed as usual
    BytesAfterEot,       // noise follows the answer's EOT
    // Faults of the port, not of the collar: only the in-process line (CollarLine) shows them.
    StallMidAnswer,  // half the answer, then a minute of silence before the rest
    ReadError,       // the port fails to read in the middle of the answer
    WriteError,      // the port fails to write the command's bytes
};

// atCommand N > 0: the fault strikes at the N-th command frame the collar
// receives (counting from 1, asleep or awake); 0: at every command it can
// apply to (WrongBanner ignores it).
struct Fault {
    FaultKind kind;
    int atCommand = 0;
};

// Configuration memory: two flash sectors of this size, selected by the "M" answer.
inline constexpr std::uint32_t kSectorSize = 0x4000;
inline constexpr std::uint32_t kLowSectorBase = 0xBFC000;   // sector 34, "M" answer "08..."
inline constexpr std::uint32_t kHighSectorBase = 0xDFC000;  // sector 70, "M" answer "16..."
inline constexpr int kLowSector = 34;
inline constexpr int kHighSector = 70;
inline constexpr std::size_t kFactorySize = 256;

struct CollarOptions {
    // The firmware the collar reports: two family letters, a blank, YYMMDD.
    std::string firmware = "N4 040816";
    int build = 3;
    // When not empty, the raw version bytes of the "F" answer as they are.
    std::vector<std::uint8_t> versionBytes;
    // Data of the "M" answer; its first two digits choose the configuration sector.
    std::string memoryAnswer = "0800";
    // Asleep until the magnet, then the wake-up banner once.
    bool asleep = false;
    // Asleep: the magnet comes this long after the first command heard; -1 only on applyMagnet().
    int magnetAfterMs = -1;
    // Single-pin interface: every byte the program sends comes straight back.
    bool singlePin = false;
    // Non-zero: every character takes bitsPerChar / baudRate seconds each way.
    int baudRate = 0;
    int bitsPerChar = 10;
    // Flash content before the first erase (0xFF is an erased sector).
    std::uint8_t initialFill = 0xFF;
    std::vector<Fault> faults;
};

// "no-answer@3", "erase-refused", ... -> a fault; false when the text names none.
bool parseFault(const std::string& text, Fault& fault);
const char* faultName(FaultKind kind);

}  // namespace orv::emu
