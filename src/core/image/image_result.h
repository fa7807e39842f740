#pragma once

// Results of the image codec and the file operations. Every result has a
// number of its own; a device operation converts one to its own result with
// deviceResultOf (device/result_codes.h).

namespace orv {

enum class [[nodiscard]] ImageResult{
    Ok,
    Mismatch,             // check mode: the device differs from the screen
    OutOfMemory,          // an image could not be allocated (not shown)
    FileFailed,           // a .ppf file could not be created, written or read (its message was shown)
    VersionTextsFailed,   // the version bytes give no version texts (shown)
    NotPpfFile,           // a file without the .ppf header (not shown)
    UnsupportedFirmware,  // no layout for the firmware version (each caller words it)
    SelectionDeclined,    // the user kept the firmware selection that differs
};

}  // namespace orv
