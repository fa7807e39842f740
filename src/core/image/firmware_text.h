#pragma once

// The firmware version texts, formatted from the version bytes the collar sends
// (the data of its "F" answer). The device operations format them after a read;
// the image decoder formats them again when asked to.

#include <cstdint>
#include <optional>
#include <span>
#include <string>

#include "image/image_result.h"

namespace orv {

struct ParameterRecord;

// A version text by its display kind: kind 10 "%c%c %02X%02X%02X %02X" from six
// bytes (family letters, the date YYMMDD, a build number), kind 11
// "%02d.%02d %02d/%02d/%4d" from five (the last one a year less 1900). Missing
// bytes count as zero; a text ends at a zero character, as the collar's do.
// Any other kind cannot be formatted.
std::optional<std::string> formatFirmwareText(std::span<const std::uint8_t> bytes, int kind);

// The version bytes the five texts are formatted from: an "F" answer with fewer is damaged.
inline constexpr std::size_t kVersionTextBytes = 28;

// Fills FenmodFwVer (bytes 0-5), RtcPicFwVer (6-11), MiscDevFwVer (12-17),
// NavProcFwVer (18-22) and SigProcFwVer (23-27), each by the kind its
// definition gives it. Ok, or VersionTextsFailed when a text cannot be formatted (the record is
// then left as it was).
ImageResult formatVersionTexts(std::span<const std::uint8_t> versionBytes, ParameterRecord& record);

}  // namespace orv
