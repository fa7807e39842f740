#include "model/transmitter_type.h"

#include <cmath>

namespace orv {

TransmitterType transmitterType(double stored) {
    if (stored == 0) return TransmitterType::None;
    if (stored == 1) return TransmitterType::Petrel;
    if (stored == 2) return TransmitterType::PetrelWithPowerSelect;
    if (stored == 3) return TransmitterType::SpreadSpectrum;
    return TransmitterType::Other;
}

TransmitterType transmitterType(const ParameterRecord& record) {
    return transmitterType(record.general(GeneralRow::XmitterEnblType));
}

TransmitterType wholeTransmitterType(const ParameterRecord& record) {
    const double stored = record.general(GeneralRow::XmitterEnblType);
    return std::isnan(stored) ? TransmitterType::None : transmitterType(std::trunc(stored));
}

bool isArgos(TransmitterType type) {
    return type == TransmitterType::Petrel || type == TransmitterType::PetrelWithPowerSelect;
}

bool transmits(TransmitterType type) {
    return type != TransmitterType::None;
}

}  // namespace orv
