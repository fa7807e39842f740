#include "workflow/check_differences.h"

#include "app/message_log.h"
#include "db/parameter_db.h"
#include "image/firmware_table.h"
#include "model/definitions.h"
#include "model/record.h"

namespace orv {

std::optional<Configuration> collarConfiguration(const ParameterRecord& shown,
                                                 std::span<const std::uint8_t> image,
                                                 const DecodeRequest& request) {
    // Decoded quietly: a look at the collar, not an operation; the check or
    // the write that follows says what is wrong with the image.
    MessageLog quiet;
    Configuration collar{shown, {}};
    DecodeRequest load = request;
    load.mode = ReadMode::Load;
    if (decodeImage(collar.record, image, load, quiet) != ImageResult::Ok) return std::nullopt;
    collar.held =
        HeldRows::ofImage(findFirmware(collar.record.text(StringRow::FenmodFwVer)), kFirmwareNotSupported);
    return collar;
}

std::vector<Difference> collarDifferences(const ParameterRecord& shown, std::span<const std::uint8_t> image,
                                          const DecodeRequest& request) {
    const std::optional<Configuration> collar = collarConfiguration(shown, image, request);
    if (!collar) return {};
    return compareConfigurations(*collar, Configuration{shown, HeldRows::everything()});
}

std::vector<Difference> storedDifferences(const ParameterDb& db, const std::string& job,
                                          const std::string& ctn, const std::string& status,
                                          const ParameterRecord& shown) {
    MessageLog quiet;
    Configuration stored{shown, HeldRows::everything()};
    ParameterDb reader(quiet, stored.record);
    reader.setCurrentPath(db.currentPath());
    if (reader.readDevice(job, ctn, status, ReadMode::Load) != DbResult::Ok) return {};
    return compareConfigurations(stored, Configuration{shown, HeldRows::everything()});
}

}  // namespace orv
