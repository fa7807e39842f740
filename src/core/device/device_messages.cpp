#include "device/device_messages.h"

#include "app/message_log.h"
#include "device/result_codes.h"
#include "image/image_messages.h"

namespace orv {

std::string familyLetters(std::span<const std::uint8_t> versionBytes) {
    std::string letters;
    for (std::size_t i = 0; i < 2 && i < versionBytes.size() && versionBytes[i] != 0; ++i)
        letters += static_cast<char>(versionBytes[i]);
    return letters;
}

void showOperationFailure(MessageLog& log, MessageVariant variant, DeviceResult code,
                          const std::string& family) {
    if (code == DeviceResult::Ok) return;
    const bool read = variant == MessageVariant::Read;
    switch (code) {
        case DeviceResult::Timeout:
            if (read)
                log.error(
                    "A timeout was detected trying to talk to the target!\n"
                    "The target memory was NOT read correctly.");
            else
                log.error(
                    "A timeout was detected trying to talk to the target!\n"
                    "The target memory was NOT programmed correctly.");
            return;
        case DeviceResult::Unrecognized:
            if (read)
                log.error(
                    "An unrecognized response was returned from the target!\n"
                    "The target memory was NOT read correctly.");
            else
                log.error(
                    "An unrecognized response was returned from the target!\n"
                    "The target memory was NOT programmed correctly.");
            return;
        case DeviceResult::ReadbackMismatch:
            if (!read)
                log.error(
                    "Error -- The target failed the program readback check.\n"
                    "The target was NOT programmed correctly.");
            return;
        case DeviceResult::HungUp:
            if (read)
                log.error(
                    "The serial line to the target hung up (was the adapter unplugged?).\nThe target memory was NOT read correctly.");
            else
                log.error(
                    "The serial line to the target hung up (was the adapter unplugged?).\nThe target memory was NOT programmed correctly.");
            return;
        case DeviceResult::WakeTimeout:
            return;  // the link said who did not answer, and for how long
        case DeviceResult::ImageFailed:
            return;  // the image or file check said what failed
        case DeviceResult::OutOfMemory:
            if (read)
                log.error(
                    "There is not enough memory for the configuration image!\n"
                    "The target memory was NOT read correctly.");
            else
                log.error(
                    "There is not enough memory for the configuration image!\n"
                    "The target memory was NOT programmed correctly.");
            return;
        case DeviceResult::Aborted:
            if (read)
                log.warning("The COM open process was aborted.\nThe target memory was NOT read correctly.");
            else
                log.warning(
                    "The COM open process was aborted.\nThe target memory was NOT programmed correctly.");
            return;
        case DeviceResult::UnsupportedFirmware:
            log.error("%s", (read ? imagetext::unsupportedFirmwareRead(family)
                                  : imagetext::unsupportedFirmwareProgram(family))
                                .c_str());
            return;
        case DeviceResult::SelectionDeclined:
            if (!read)
                log.error(
                    "The firmware version selected in the 'Firmware' combo box\n"
                    "does not match that read from the GPS device ('%s').\n"
                    "The target memory was NOT programmed correctly.\n",
                    family.c_str());
            return;
        default:
            if (read)
                log.error("A communication error was detected!\nThe target memory was NOT read correctly.");
            else
                log.error(
                    "A communication error was detected!\nThe target memory was NOT programmed correctly.");
            return;
    }
}

}  // namespace orv
