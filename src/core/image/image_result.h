#pragma once

// Results of the image codec and the file operations. The numbers are the ones
// every operation of the program shares (the device link uses the same), so a
// result keeps its number where it leaves the module (resultNumber).

namespace orv {

enum class [[nodiscard]] ImageResult : int{
    Ok = 0,
    Mismatch = 1,     // check mode: the device differs from the screen
    OutOfMemory = 1,  // an image could not be allocated
    FileFailed = 1,   // a .ppf file could not be created, written or read (its message was shown)
    VersionTextsFailed = 2,
    NotPpfFile = 5,  // a file without the .ppf header
    UnsupportedFirmware = 15,
    SelectionDeclined = 16,
};

constexpr int resultNumber(ImageResult result) {
    return static_cast<int>(result);
}

}  // namespace orv
