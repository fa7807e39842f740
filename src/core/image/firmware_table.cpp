#include "image/firmware_table.h"

#include <array>
#include <optional>

#include "image/layout_tables.h"
#include "model/definitions.h"

namespace orv {

namespace {

using namespace layouts;

constexpr std::array<FirmwareEntry, kFirmwareCount> kFirmware{{
    {"DS 030929", kGeneralDsA, kSeason, kExtraDs},
    {"DS 040325", kGeneralDsB, kSeason, kExtraDs},
    {"DS 040903", kGeneralDsB, kSeason, kExtraDs},
    {"DS 050505", kGeneralDsB, kSeason, kExtraDs},
    {"N1 010803", kGeneralN1, kSeason, kExtraN1},
    {"N1 010824", kGeneralN1, kSeason, kExtraN1},
    {"N3 020114", kGeneralN3, kSeason, kExtraN3},
    {"N3 020130", kGeneralN3, kSeason, kExtraN3},
    {"N3 020604", kGeneralN3, kSeason, kExtraN3},
    {"N3 020702", kGeneralN3, kSeason, kExtraN3},
    {"N4 031114", kGeneralN4A, kSeason, kExtraN4},
    {"N4 031126", kGeneralN4A, kSeason, kExtraN4},
    {"N4 040310", kGeneralN4A, kSeason, kExtraN4},
    {"N4 040628", kGeneralN4A, kSeason, kExtraN4},
    {"N4 040816", kGeneralN4A, kSeason, kExtraN4},
    {"N4 050922", kGeneralN4B, kSeason, kExtraN4},
    {"N6 020513", kGeneralN3, kSeason, kExtraN3},
    {"N6 020716", kGeneralN3, kSeason, kExtraN3},
}};

constexpr std::array<FactoryFirmwareEntry, kFactoryFirmwareCount> kFactoryFirmware{{
    {"DS 030929", kFactoryDsA},
    {"DS 040325", kFactoryDsB},
    {"DS 040903", kFactoryDsB},
    {"N4 031114", kFactoryN4A},
    {"N4 031126", kFactoryN4A},
    {"N4 040310", kFactoryN4B},
    {"N4 040628", kFactoryN4B},
    {"N4 040816", kFactoryN4B},
}};

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

int digits(std::string_view text, std::size_t at) {
    return (text[at] - '0') * 10 + (text[at + 1] - '0');
}

// The date at positions 3..8 (YYMMDD) as one comparable number; years below
// 90 belong to the 2000s.
std::optional<int> dateOrdinal(std::string_view version) {
    if (version.size() < 9) return std::nullopt;
    for (std::size_t i = 3; i <= 8; ++i) {
        if (!isDigit(version[i])) return std::nullopt;
    }
    int year = 1900 + digits(version, 3);
    if (year < 1990) year += 100;
    return year * 366 + digits(version, 5) * 31 + digits(version, 7);
}

// Rows of one family are consecutive; the first row of the family's run whose
// date equals the version's date is the match.
template <typename Entry>
int findIn(std::span<const Entry> table, std::string_view version) {
    if (version.size() < 2) return kFirmwareNotSupported;
    std::size_t first = 0;
    while (first < table.size() &&
           std::string_view(table[first].version).substr(0, 2) != version.substr(0, 2)) {
        ++first;
    }
    if (first == table.size()) return kFirmwareNotSupported;
    std::size_t last = first;
    while (last + 1 < table.size() &&
           std::string_view(table[last + 1].version).substr(0, 2) == version.substr(0, 2)) {
        ++last;
    }
    const auto wanted = dateOrdinal(version);
    if (!wanted) return kFirmwareNotSupported;
    for (std::size_t row = first; row <= last; ++row) {
        if (dateOrdinal(table[row].version) == wanted) return static_cast<int>(row);
    }
    return kFirmwareNotSupported;
}

}  // namespace

std::span<const FirmwareEntry> firmwareTable() {
    return kFirmware;
}
std::span<const FactoryFirmwareEntry> factoryFirmwareTable() {
    return kFactoryFirmware;
}

int findFirmware(std::string_view version) {
    return findIn(firmwareTable(), version);
}
int findFactoryFirmware(std::string_view version) {
    return findIn(factoryFirmwareTable(), version);
}

ImageLayouts layoutsFor(int row) {
    const FirmwareEntry& entry = kFirmware.at(static_cast<std::size_t>(row));
    return {entry.generalLayout, entry.seasonLayout, entry.extraLayout};
}

LayoutTable factoryLayoutFor(int row) {
    return kFactoryFirmware.at(static_cast<std::size_t>(row)).factoryLayout;
}

std::size_t imageSize(int row) {
    const ImageLayouts layouts = layoutsFor(row);
    return blockSize(layouts.general, PackingRule::Configuration) +
           kSeasons * blockSize(layouts.season, PackingRule::Configuration) +
           blockSize(layouts.extra, PackingRule::Configuration);
}

std::size_t factoryImageSize(int row) {
    return blockSize(factoryLayoutFor(row), PackingRule::Factory) + kSstNotesBytes;
}

std::string_view firmwareFamily(std::string_view version) {
    return version.substr(0, 2);
}

bool familyHasFactoryImage(std::string_view version) {
    const std::string_view family = firmwareFamily(version);
    return family == "N4" || family == "DS";
}

}  // namespace orv
