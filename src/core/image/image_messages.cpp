#include "image/image_messages.h"

#include "app/format_text.h"

namespace orv::imagetext {

std::string unsupportedFirmwareRead(const std::string& family) {
    return formatText(
        "The GPS system firmware version ('%s') is not supported.\nThe target memory was NOT read correctly.\n\nContact Halvorn support to get a Orv upgrade.\n",
        family.c_str());
}

std::string unsupportedFirmwareProgram(const std::string& family) {
    return formatText(
        "The GPS system firmware version ('%s') is not supported.\nThe target memory was NOT programmed correctly.\n\nContact Halvorn support to get a Orv upgrade.\n",
        family.c_str());
}

std::string selectionDeclinedProgram(const std::string& family) {
    return formatText(
        "The firmware version selected in the 'Firmware' combo box\ndoes not match that read from the GPS device ('%s').\nThe target memory was NOT programmed correctly.\n",
        family.c_str());
}

std::string deviceMismatch(const char* field, const std::string& device, const std::string& screen) {
    return formatText(
        "The current screen data does NOT match the device. The first detected error\nwas: the '%s' field has '%s' in the device and '%s' on the screen.",
        field, device.c_str(), screen.c_str());
}

std::string deviceSeasonMismatch(const char* field, int season, const std::string& device,
                                 const std::string& screen) {
    return formatText(
        "The current screen data does NOT match the device. The first detected error\nwas: the '%s' field in season %d has '%s' in the device and '%s' on the screen.",
        field, season, device.c_str(), screen.c_str());
}

}  // namespace orv::imagetext
