#pragma once

// Where the fields of a .ppf file lie. Text fields are zero-padded to their
// width; a longer text is cut to it.

#include <cstddef>

namespace orv::ppf {

struct TextField {
    std::size_t at;
    std::size_t width;
};

inline constexpr const char* kHeaderText = "Orv .ppf Export";
inline constexpr const char* kProgramVersionText = "3.07.0004";
inline constexpr const char* kSchedulerText = "Scheduler 1";
inline constexpr const char* kSchedulerIntervalText = "240";

inline constexpr TextField kHeader{0, 16};
inline constexpr TextField kProgramVersion{16, 12};
inline constexpr TextField kFenmodVersion{28, 20};
inline constexpr TextField kRtcPicVersion{48, 20};
inline constexpr TextField kNavProcVersion{68, 20};
inline constexpr TextField kSigProcVersion{88, 20};
inline constexpr TextField kMiscDevVersion{108, 20};
inline constexpr TextField kCtnNumber{128, 10};
inline constexpr TextField kPttIdCode{138, 10};
inline constexpr TextField kScheduler{148, 20};
inline constexpr TextField kSchedulerInterval{168, 8};

// The layout's version text is its first nine characters.
inline constexpr std::size_t kFirmwareVersionLength = 9;

inline constexpr std::size_t kImageAt = 176;
// The factory image (N4 and DS families) follows the image, zero-padded to this.
inline constexpr std::size_t kFactoryWidth = 256;
// The fields an import takes from a file lie within its first bytes, this many.
inline constexpr std::size_t kReadLimit = 1200;

}  // namespace orv::ppf
