#include "collar_device.h"

#include <algorithm>
#include <cstdio>
#include <utility>

namespace orv::emu {

namespace {

constexpr char kSohChar = 0x01;
constexpr char kEotChar = 0x04;
constexpr std::size_t kMaxBlock = 128;
// Noise on the line: no SOH, no EOT, no 0xFF.
constexpr char kGarbage[] = {0x55, static_cast<char>(0xAA), 0x00, '~', 'R', '+', 0x7F};

// The emulator parses hexadecimal on its own, independently of the program
// it is there to test.
int hexValue(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    return -1;
}

bool parseHex(std::string_view text, std::uint32_t& value) {
    if (text.empty()) return false;
    value = 0;
    for (const char c : text) {
        const int v = hexValue(c);
        if (v < 0) return false;
        value = value * 16 + static_cast<std::uint32_t>(v);
    }
    return true;
}

bool parseBytes(std::string_view text, std::vector<std::uint8_t>& bytes) {
    if (text.size() % 2 != 0) return false;
    bytes.clear();
    for (std::size_t i = 0; i < text.size(); i += 2) {
        std::uint32_t v = 0;
        if (!parseHex(text.substr(i, 2), v)) return false;
        bytes.push_back(static_cast<std::uint8_t>(v));
    }
    return true;
}

std::string hexOf(const std::uint8_t* bytes, std::size_t count) {
    std::string text;
    char pair[3];
    for (std::size_t i = 0; i < count; ++i) {
        std::snprintf(pair, sizeof pair, "%02X", bytes[i]);
        text += pair;
    }
    return text;
}

std::uint8_t packedDecimal(char tens, char units) {
    const auto digit = [](char c) { return c >= '0' && c <= '9' ? c - '0' : 0; };
    return static_cast<std::uint8_t>(digit(tens) << 4 | digit(units));
}

}  // namespace

std::vector<std::uint8_t> versionBytesFor(const std::string& firmware, int build) {
    std::string text = firmware;
    text.resize(9, '0');
    const auto date = [&](std::vector<std::uint8_t>& out) {
        for (int i = 3; i < 9; i += 2) out.push_back(packedDecimal(text[i], text[i + 1]));
    };
    std::vector<std::uint8_t> v{static_cast<std::uint8_t>(text[0]), static_cast<std::uint8_t>(text[1])};
    date(v);
    v.push_back(static_cast<std::uint8_t>(build));
    v.insert(v.end(), {'R', 'T', 0x02, 0x05, 0x01, 0x07});
    v.insert(v.end(), {'M', 'D', 0x03, 0x01, 0x15, 0x02});
    v.insert(v.end(), {0x01, 0x07, 0x0B, 0x1C, 0x66});
    v.insert(v.end(), {0x02, 0x03, 0x05, 0x11, 0x67});
    return v;
}

CollarDevice::CollarDevice(CollarOptions opts)
    : options(std::move(opts)),
      lowSector(kSectorSize, options.initialFill),
      highSector(kSectorSize, options.initialFill),
      isAwake(!options.asleep) {
    version = options.versionBytes.empty() ? versionBytesFor(options.firmware, options.build)
                                           : options.versionBytes;
    factoryArea.fill(0xFF);
}

bool CollarDevice::faultAt(FaultKind kind) const {
    const int number = commandCount();
    return std::any_of(options.faults.begin(), options.faults.end(), [&](const Fault& f) {
        return f.kind == kind && (f.atCommand == 0 || f.atCommand == number);
    });
}

std::string CollarDevice::frame(std::string_view payload) const {
    std::string bytes;
    if (faultAt(FaultKind::GarbageBeforeSoh)) bytes.append(kGarbage, sizeof kGarbage);
    bytes += kSohChar;
    bytes += faultAt(FaultKind::TruncatedAnswer) ? payload.substr(0, payload.size() / 2) : payload;
    bytes += kEotChar;
    if (faultAt(FaultKind::BytesAfterEot)) bytes.append(kGarbage, sizeof kGarbage);
    return bytes;
}

std::string CollarDevice::applyMagnet() {
    if (isAwake || bannerSent) return {};
    isAwake = true;
    bannerSent = true;
    const bool wrong = std::any_of(options.faults.begin(), options.faults.end(),
                                   [](const Fault& f) { return f.kind == FaultKind::WrongBanner; });
    return std::string{kSohChar, wrong ? '<' : '>', kEotChar};
}

CollarDevice::Reply CollarDevice::handle(std::string_view command) {
    log.emplace_back(command);
    if (!isAwake) return {};
    if (faultAt(FaultKind::HangUp)) return {{}, true};
    if (faultAt(FaultKind::NoAnswer)) return {};
    std::string payload = answer(command);
    if (payload.empty()) return {};
    if (faultAt(FaultKind::StatusWithData)) payload = "+00";
    return {frame(payload), false};
}

std::string CollarDevice::answer(std::string_view command) {
    if (command.empty()) return "?";
    const std::string_view args = command.substr(1);
    switch (command[0]) {
        case 'T':
            return "+";
        case 'F':
            return "F" + hexOf(version.data(), version.size());
        case 'M':
            return "M" + options.memoryAnswer;
        case 'R':
            return readConfiguration(args);
        case 'W':
            return writeConfiguration(args);
        case 'E':
            return erase(args);
        case 'A':
            return readFactory(args);
        case 'S':
            return writeFactory(args);
        case 'G':
        case 'V':
            return {};
        case 'X':
            // Shut down: asleep until the magnet again.
            wasShutDown = true;
            isAwake = false;
            bannerSent = false;
            return {};
        default:
            return "?";
    }
}

const std::uint8_t* CollarDevice::flashAt(std::uint32_t address, std::size_t length) const {
    for (auto [base, sector] :
         {std::pair{kLowSectorBase, &lowSector}, std::pair{kHighSectorBase, &highSector}}) {
        if (address >= base && address - base + length <= kSectorSize)
            return sector->data() + (address - base);
    }
    return nullptr;
}

std::uint8_t* CollarDevice::flashAt(std::uint32_t address, std::size_t length) {
    return const_cast<std::uint8_t*>(std::as_const(*this).flashAt(address, length));
}

std::string CollarDevice::readConfiguration(std::string_view args) {
    std::uint32_t address = 0, length = 0;
    if (args.size() != 10 || !parseHex(args.substr(0, 6), address) || !parseHex(args.substr(6), length))
        return "?";
    if (length > kMaxBlock) return "-";
    std::uint8_t* at = flashAt(address, length);
    if (!at) return "-";
    std::vector<std::uint8_t> block(at, at + length);
    if (!block.empty() && writtenSinceErase && faultAt(FaultKind::FlippedReadbackBit))
        block[std::min<std::size_t>(5, block.size() - 1)] ^= 0x01;
    return "R" + hexOf(block.data(), block.size());
}

std::string CollarDevice::writeConfiguration(std::string_view args) {
    std::uint32_t address = 0, unused = 0;
    std::vector<std::uint8_t> data;
    if (args.size() < 8 || !parseHex(args.substr(0, 6), address) || !parseHex(args.substr(6, 2), unused) ||
        !parseBytes(args.substr(8), data))
        return "?";
    if (data.size() > kMaxBlock) return "-";
    std::uint8_t* at = flashAt(address, data.size());
    if (!at) return "-";
    // NOR flash: programming can only turn ones into zeros.
    for (std::size_t i = 0; i < data.size(); ++i) at[i] &= data[i];
    writtenSinceErase = true;
    return "+";
}

std::string CollarDevice::erase(std::string_view args) {
    std::uint32_t sector = 0;
    if (args.size() != 2 || !parseHex(args, sector)) return "?";
    if (faultAt(FaultKind::EraseRefused)) return "-";
    if (sector == kLowSector) {
        std::fill(lowSector.begin(), lowSector.end(), 0xFF);
    } else if (sector == kHighSector) {
        std::fill(highSector.begin(), highSector.end(), 0xFF);
    } else {
        return "-";
    }
    writtenSinceErase = false;
    return "+";
}

std::string CollarDevice::readFactory(std::string_view args) {
    std::uint32_t offset = 0, length = 0;
    if (args.size() != 4 || !parseHex(args.substr(0, 2), offset) || !parseHex(args.substr(2), length))
        return "?";
    if (offset + length > kFactorySize) return "-";
    std::vector<std::uint8_t> block(factoryArea.begin() + offset, factoryArea.begin() + offset + length);
    if (!block.empty() && factoryWritten && faultAt(FaultKind::FlippedReadbackBit))
        block[std::min<std::size_t>(5, block.size() - 1)] ^= 0x01;
    return "A" + hexOf(block.data(), block.size());
}

std::string CollarDevice::writeFactory(std::string_view args) {
    std::uint32_t offset = 0;
    std::vector<std::uint8_t> data;
    if (args.size() < 2 || !parseHex(args.substr(0, 2), offset) || !parseBytes(args.substr(2), data))
        return "?";
    if (data.size() > kMaxBlock || offset + data.size() > kFactorySize) return "-";
    std::copy(data.begin(), data.end(), factoryArea.begin() + offset);
    factoryWritten = true;
    return "+";
}

std::vector<std::uint8_t> CollarDevice::memory(std::uint32_t address, std::size_t length) const {
    const std::uint8_t* at = flashAt(address, length);
    return at ? std::vector<std::uint8_t>(at, at + length) : std::vector<std::uint8_t>{};
}

void CollarDevice::setMemory(std::uint32_t address, const std::vector<std::uint8_t>& bytes) {
    if (std::uint8_t* at = flashAt(address, bytes.size())) std::copy(bytes.begin(), bytes.end(), at);
}

void CollarDevice::setFactory(std::size_t offset, const std::vector<std::uint8_t>& bytes) {
    for (std::size_t i = 0; i < bytes.size() && offset + i < kFactorySize; ++i)
        factoryArea[offset + i] = bytes[i];
}

}  // namespace orv::emu
