// Any bytes as a .ppf file: the import and the decoding that follows must stay
// inside what the file holds and inside the images, whatever the content.
// Inputs whose first byte is odd get a valid header and a supported version
// text laid over them and, mostly, the length of that version's file, so that
// most runs reach the decoder. Whatever loads must be stable under write,
// read, write.

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <vector>

#include "app/message_log.h"
#include "files/ppf_file.h"
#include "files/ppf_layout.h"
#include "image/firmware_selection.h"
#include "image/firmware_table.h"
#include "model/record.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::vector<std::uint8_t> file(data, data + size);
    if (size >= 2 && (data[0] & 1) != 0) {
        if (file.size() < orv::ppf::kImageAt) file.resize(orv::ppf::kImageAt);
        std::memcpy(file.data(), orv::ppf::kHeaderText, std::strlen(orv::ppf::kHeaderText) + 1);
        const char* version = orv::firmwareTable()[data[1] % orv::kFirmwareCount].version;
        std::memcpy(file.data() + orv::ppf::kFenmodVersion.at, version, std::strlen(version));
        const std::size_t length = orv::ppfFileLength(version);
        file.resize(data[0] % 4 == 1 || length == 0 ? file.size() : length);
    }

    orv::ParameterRecord record;
    orv::resetRecord(record);
    orv::MessageLog log;  // no presenter: every box is answered with its default
    orv::RecordFirmwareSelection selection(record);
    orv::PpfImages images;
    if (orv::importPpfBytes(record, file, selection, log, images) == orv::ImageResult::Ok &&
        orv::decodePpfImages(record, images, log) == orv::ImageResult::Ok) {
        // What was loaded must build again, and what that built must read
        // back into a record that builds the same bytes (write, read, write).
        orv::PpfImages rebuilt;
        rebuilt.hasFactory = images.hasFactory;
        if (orv::buildImage(record, rebuilt.image) != orv::ImageResult::Ok) return 0;
        if (rebuilt.hasFactory && orv::buildFactoryImage(record, rebuilt.factory) != orv::ImageResult::Ok)
            return 0;
        orv::ParameterRecord reread = record;
        if (orv::decodePpfImages(reread, rebuilt, log) != orv::ImageResult::Ok) __builtin_trap();
        orv::PpfImages again;
        if (orv::buildImage(reread, again.image) != orv::ImageResult::Ok) __builtin_trap();
        if (again.image != rebuilt.image) __builtin_trap();
        if (rebuilt.hasFactory && (orv::buildFactoryImage(reread, again.factory) != orv::ImageResult::Ok ||
                                   again.factory != rebuilt.factory))
            __builtin_trap();
    }
    return 0;
}
