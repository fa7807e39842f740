#pragma once

// The statuses of a stored device: part of its key, in the order the status
// lists show them.

namespace orv {

inline constexpr const char* kStatusWorking = "Working";
inline constexpr const char* kStatusSignoff = "Coord. Signoff";
inline constexpr const char* kStatusProgrammed = "Programmed";

inline constexpr const char* kDeviceStatuses[] = {kStatusWorking, kStatusSignoff, kStatusProgrammed};

}  // namespace orv
