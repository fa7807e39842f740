#pragma once

#include "image/image_result.h"

namespace orv {

// Results of the link and the device operations. The numbers are those the
// collar's tools have always shown; resultNumber gives them where they leave
// the module.
enum class [[nodiscard]] DeviceResult : int{
    Ok = 0,
    Timeout = 1,
    Unrecognized = 2,
    StatusWithData = 3,
    AnswerTooLong = 4,
    ReadbackMismatch = 5,
    // The port did not take a command (an answer-less one: nothing else would notice).
    WriteFailed = 6,
    Aborted = 13,
    PortFailed = 14,
    UnsupportedFirmware = 15,
    SelectionDeclined = 16,
    // The serial line hung up (an adapter unplugged): nothing more can come.
    HungUp = 17,
    // No collar answered the magnet wake-up within the front end's limit (shown by the link).
    WakeTimeout = 18,
    // The configuration image could not be allocated.
    OutOfMemory = 19,
    // An image or file check failed after the collar was read; its message was shown.
    ImageFailed = 20,
};

constexpr int resultNumber(DeviceResult result) {
    return static_cast<int>(result);
}

// An image or firmware check failing inside a device operation, as the
// operation's result.
constexpr DeviceResult deviceResultOf(ImageResult result) {
    switch (result) {
        case ImageResult::Ok:
            return DeviceResult::Ok;
        case ImageResult::UnsupportedFirmware:
            return DeviceResult::UnsupportedFirmware;
        case ImageResult::SelectionDeclined:
            return DeviceResult::SelectionDeclined;
        case ImageResult::OutOfMemory:
            return DeviceResult::OutOfMemory;
        case ImageResult::Mismatch:
        case ImageResult::FileFailed:
        case ImageResult::VersionTextsFailed:
        case ImageResult::NotPpfFile:
            return DeviceResult::ImageFailed;
    }
    return DeviceResult::ImageFailed;
}

}  // namespace orv
