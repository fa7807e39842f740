#pragma once

// The firmware versions the program can configure, and where each keeps its
// configuration and factory parameters. The 'Firmware' combo box lists the
// configuration table in order, so its selection index is the table row.

#include <cstddef>
#include <span>
#include <string_view>

#include "image/layout.h"

namespace orv {

struct FirmwareEntry {
    const char* version;  // two-letter family, a blank, YYMMDD
    LayoutTable generalLayout;
    LayoutTable seasonLayout;
    LayoutTable extraLayout;
};

struct FactoryFirmwareEntry {
    const char* version;
    LayoutTable factoryLayout;
};

inline constexpr int kFirmwareCount = 18;
inline constexpr int kFactoryFirmwareCount = 8;
inline constexpr int kFirmwareNotSupported = -1;

// The factory image carries the notes text after its block.
inline constexpr std::size_t kSstNotesBytes = 191;

std::span<const FirmwareEntry> firmwareTable();
std::span<const FactoryFirmwareEntry> factoryFirmwareTable();

// The row for a version text as the collar reports it: the family (first two
// characters) picks a run of rows, the date at positions 3..8 the row; the
// blank between and anything after the date are ignored. kFirmwareNotSupported
// when no row matches.
int findFirmware(std::string_view version);
int findFactoryFirmware(std::string_view version);

struct ImageLayouts {
    LayoutTable general;
    LayoutTable season;
    LayoutTable extra;
};

// row must be a valid row of its table.
ImageLayouts layoutsFor(int row);
LayoutTable factoryLayoutFor(int row);

// general + 12 x season + extra; factory block + notes.
std::size_t imageSize(int row);
std::size_t factoryImageSize(int row);

// The family letters of a version text ("N4"), at most two characters.
std::string_view firmwareFamily(std::string_view version);

// The N4 and DS collars have factory parameters, read and written with their configuration.
bool familyHasFactoryImage(std::string_view version);

}  // namespace orv
