#pragma once

namespace orv {

// Result codes of the link and the device operations.
inline constexpr int kResultOk = 0;
inline constexpr int kResultTimeout = 1;
inline constexpr int kResultUnrecognized = 2;
inline constexpr int kResultStatusWithData = 3;
inline constexpr int kResultAnswerTooLong = 4;
inline constexpr int kResultReadbackMismatch = 5;
// The port did not take a command (an answer-less one: nothing else would notice).
inline constexpr int kResultWriteFailed = 6;
inline constexpr int kResultAborted = 13;
inline constexpr int kResultPortFailed = 14;
inline constexpr int kResultUnsupportedFirmware = 15;
inline constexpr int kResultSelectionDeclined = 16;
// The serial line hung up (an adapter unplugged): nothing more can come.
inline constexpr int kResultHungUp = 17;
// No collar answered the magnet wake-up within the front end's limit (shown by the link).
inline constexpr int kResultWakeTimeout = 18;

}  // namespace orv
