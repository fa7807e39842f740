#pragma once

#include "model/record.h"

namespace orv {

// The transmitter the collar is built with ("XmitterEnblType"), in the order
// of the transmitter list: "None", "Petrel", "Petrel w/PS", "Spread_Spectrum".
// Other stands for any value outside that list (the three bits of a collar
// hold up to 7; a raw setting or a hand-edited file may hold anything).
enum class TransmitterType { None = 0, Petrel = 1, PetrelWithPowerSelect = 2, SpreadSpectrum = 3, Other };

// The type a stored value names: exactly 0, 1, 2 or 3, else Other.
TransmitterType transmitterType(double stored);
TransmitterType transmitterType(const ParameterRecord& record);

// The type of the stored value cut to a whole number, as the collar is
// programmed with it (NaN as 0): 1.5 is then "Petrel".
TransmitterType wholeTransmitterType(const ParameterRecord& record);

// The two ARGOS transmitters: "Petrel" and "Petrel w/PS".
bool isArgos(TransmitterType type);

// Any value but "None": the collar then transmits (Other included).
bool transmits(TransmitterType type);

}  // namespace orv
