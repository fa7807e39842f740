#pragma once

// Result codes of the image codec and the file operations. The numbers are the
// ones every operation of the program shares (the device link uses the same).

namespace orv {

inline constexpr int kImageOk = 0;
inline constexpr int kImageMismatch = 1;     // check mode: the device differs from the screen
inline constexpr int kImageOutOfMemory = 1;  // an image could not be allocated
inline constexpr int kImageVersionTextsFailed = 2;
inline constexpr int kImageNotPpfFile = 5;  // a file without the .ppf header
inline constexpr int kImageUnsupportedFirmware = 15;
inline constexpr int kImageSelectionDeclined = 16;

}  // namespace orv
