#pragma once

// Turning the record into the collar's memory images and back. The firmware
// version text of the record (FenmodFwVer) selects the layouts.

#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "image/image_result.h"
#include "model/read_mode.h"

namespace orv {

struct ParameterRecord;
class MessageLog;

// Packed big-endian images: the configuration memory (general block, 12 season
// blocks, extra block) and the factory area (factory block, then 191 bytes of notes).
using MemoryImage = std::vector<std::uint8_t>;
using FactoryImage = std::vector<std::uint8_t>;

// Values closer than this count as equal when an image is checked against the screen.
inline constexpr double kCheckTolerance = 1e-6;

struct DecodeRequest {
    ReadMode mode = ReadMode::Load;
    // false: format the firmware version texts from versionBytes first (a
    // collar was just read); otherwise the record's texts are used as they are.
    bool versionTextsReady = true;
    std::span<const std::uint8_t> versionBytes{};
};

// Ok, UnsupportedFirmware or OutOfMemory. rootIdFlag: the
// user chose to program although the assigned PTT ID code is zero, so the root
// ID is programmed.
ImageResult buildImage(const ParameterRecord& record, MemoryImage& image, bool rootIdFlag = false);

// Ok, UnsupportedFirmware (no factory layout for the firmware) or OutOfMemory.
ImageResult buildFactoryImage(const ParameterRecord& record, FactoryImage& image);

// Load mode writes every stored value into the record (season values the collar
// does not keep become 0) and the ID hex text into IDHexValue. Check mode
// compares every stored value with the record and reports the first difference
// as a warning (Mismatch). Failures (VersionTextsFailed, UnsupportedFirmware)
// show their error message. An image
// shorter than its layout reads as zero beyond its end.
ImageResult decodeImage(ParameterRecord& record, std::span<const std::uint8_t> image,
                        const DecodeRequest& request, MessageLog& log);

// Load mode stores the factory values and texts; every mode takes the notes.
ImageResult decodeFactoryImage(ParameterRecord& record, std::span<const std::uint8_t> image,
                               const DecodeRequest& request, MessageLog& log);

// The read-variant not-supported message (error), naming the family letters.
void showUnsupportedFirmwareRead(MessageLog& log, const std::string& family);

}  // namespace orv
