#pragma once

// The few parameters whose stored form differs from the screen value, as their
// rows declare it (StoredForm): the elevation mask in radians, the dynamics list
// position plus one, next-season codes above 12 plus one (13 "shutdown" is 14 in
// the collar, which has no code 13) and the activity interval in seconds.

#include "model/definitions.h"

namespace orv {

double toStoredValue(DefinitionTable table, int parameter, double screenValue);
double fromStoredValue(DefinitionTable table, int parameter, double storedValue);

}  // namespace orv
