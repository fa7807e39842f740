#pragma once

// Which parts of a configuration a source really holds. A record from the
// database or the defaults holds every value and text; a collar image (read
// from a collar, a .ppf file or a .bin copy) holds only the values its
// firmware's layout places, and of the texts only the firmware version.

#include <bitset>

#include "model/definitions.h"

namespace orv {

struct HeldRows {
    std::bitset<kGeneralCount> general;
    std::bitset<kSeasonCount> season;
    bool texts = false;            // the record's texts (Job, CTN, Customer, Notes, ...)
    bool firmwareVersion = false;  // FenmodFwVer, which chooses the layout

    // A whole record.
    static HeldRows everything();
    // The configuration image of that firmware row, with the factory block of
    // the factory row when one was read with it (kFirmwareNotSupported: none).
    static HeldRows ofImage(int firmwareRow, int factoryRow);
    // What a Write Device programs and a read gives back as programmed: the
    // configuration image of that firmware row without the values a read takes
    // from the factory block of the factory row (the factory's, not the write's).
    static HeldRows ofProgrammed(int firmwareRow, int factoryRow);
};

}  // namespace orv
