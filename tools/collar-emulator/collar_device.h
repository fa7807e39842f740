#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "collar_options.h"

namespace orv::emu {

// The frame bytes of the collar's line; a frame longer than kMaxFrame is noise,
// and the collar stops collecting it.
inline constexpr unsigned char kSoh = 0x01;
inline constexpr unsigned char kEot = 0x04;
inline constexpr std::size_t kMaxFrame = 4096;

// The collar side of the protocol without any I/O: takes one command text at
// a time and says what goes back on the line. Configuration memory behaves as
// NOR flash (an erase sets a sector to 0xFF, a write can only clear bits), so
// writing without erasing first shows in the readback. The factory area is
// rewritten in place.
class CollarDevice {
public:
    explicit CollarDevice(CollarOptions options);

    struct Reply {
        std::string bytes;    // what to put on the line, framing included; may be empty
        bool hangUp = false;  // the line goes dead instead
    };

    // One command frame's text (between SOH and EOT). Logged and counted
    // whether the collar is awake or not; an asleep collar stays silent.
    Reply handle(std::string_view command);
    // The magnet: an asleep collar wakes and sends its banner once; else nothing.
    std::string applyMagnet();

    bool awake() const { return isAwake; }
    bool shutDown() const { return wasShutDown; }
    int commandCount() const { return static_cast<int>(log.size()); }
    const std::vector<std::string>& commandLog() const { return log; }
    const std::vector<std::uint8_t>& versionBytes() const { return version; }

    // Memory as the tests see it; addresses outside both sectors read as empty.
    std::vector<std::uint8_t> memory(std::uint32_t address, std::size_t length) const;
    void setMemory(std::uint32_t address, const std::vector<std::uint8_t>& bytes);
    const std::array<std::uint8_t, kFactorySize>& factory() const { return factoryArea; }
    void setFactory(std::size_t offset, const std::vector<std::uint8_t>& bytes);

private:
    bool faultAt(FaultKind kind) const;
    std::string answer(std::string_view command);
    std::string readConfiguration(std::string_view args);
    std::string writeConfiguration(std::string_view args);
    std::string erase(std::string_view args);
    std::string readFactory(std::string_view args);
    std::string writeFactory(std::string_view args);
    const std::uint8_t* flashAt(std::uint32_t address, std::size_t length) const;
    std::uint8_t* flashAt(std::uint32_t address, std::size_t length);
    std::string frame(std::string_view payload) const;

    CollarOptions options;
    std::vector<std::uint8_t> version;
    std::vector<std::uint8_t> lowSector;
    std::vector<std::uint8_t> highSector;
    std::array<std::uint8_t, kFactorySize> factoryArea{};
    std::vector<std::string> log;
    bool isAwake;
    bool wasShutDown = false;
    bool bannerSent = false;
    bool writtenSinceErase = false;  // a read after this is a readback
    bool factoryWritten = false;
};

// The 28 version bytes a collar of this firmware reports: the system version
// (family letters, date YYMMDD as packed decimal, build), two more controller
// versions of the same form, then two processor versions (major, minor,
// month, day, year - 1900).
std::vector<std::uint8_t> versionBytesFor(const std::string& firmware, int build);

}  // namespace orv::emu
