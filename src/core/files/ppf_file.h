#pragma once

// .ppf configuration files: one configuration exactly as it would be
// programmed (the version texts, the memory image and, for the N4 and DS
// families, the factory image). The file dialogs belong to the window; these
// functions take the chosen path.

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

#include "image/image_codec.h"

namespace orv {

class FirmwareSelection;

struct PpfImages {
    MemoryImage image;
    FactoryImage factory;
    bool hasFactory = false;  // N4 and DS families
};

// The bytes of the file for the record: Ok, or the build failure. A firmware
// of the N4 or DS family without a factory layout gives UnsupportedFirmware.
ImageResult ppfFileBytes(const ParameterRecord& record, bool rootIdFlag, std::string& bytes);

// Checks the firmware selection (asking), builds the images and writes the file
// through a temporary file beside it, so a failed write leaves any earlier file
// whole. Shows the failure or the success message. Ok, UnsupportedFirmware,
// SelectionDeclined, FileFailed or a build failure.
ImageResult exportPpf(ParameterRecord& record, const std::string& path, FirmwareSelection& selection,
                      MessageLog& log, bool rootIdFlag = false);

// The length of a .ppf file of that firmware version; 0 for a version that
// cannot be configured.
std::size_t ppfFileLength(std::string_view version);

// Reads the file and takes the version texts and images from it
// (importPpfBytes); a file whose length is not that of its firmware's layout is
// refused with a message giving both (FileFailed). Ok: the images are ready
// for decoding.
ImageResult importPpf(ParameterRecord& record, const std::string& path, FirmwareSelection& selection,
                      MessageLog& log, PpfImages& images);

// The import of bytes already read (only the first 1200 count; bytes the file
// does not hold are zero): NotPpfFile when the header is not the .ppf header
// (nothing is loaded), UnsupportedFirmware when the firmware is not supported
// (the not-supported message is shown; the version texts are already set),
// else Ok with the version texts set, the selection following the file (automatic check) and the images
// filled.
ImageResult importPpfBytes(ParameterRecord& record, std::span<const std::uint8_t> bytes,
                           FirmwareSelection& selection, MessageLog& log, PpfImages& images);

// What the window does after a successful import: decode the image in load
// mode, and the factory image too when there is one.
ImageResult decodePpfImages(ParameterRecord& record, const PpfImages& images, MessageLog& log);

// The messages of a dialog the user cancelled.
void reportExportCancelled(MessageLog& log);
void reportImportCancelled(MessageLog& log);

// The export messages for a failed firmware check or build (UnsupportedFirmware,
// SelectionDeclined, other),
// naming the family of the record's firmware; the same texts as programming.
void reportExportFailure(ImageResult code, const ParameterRecord& record, MessageLog& log);

}  // namespace orv
