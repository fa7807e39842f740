#pragma once

// What Write Device makes sure of before any traffic, for every front end:
// only some levels may program without saving, and an assigned PTT ID code of
// zero is programmed only when the user agreed, and then the collar gets the
// root ID (the "Programmed ID Code") instead.

namespace orv {

struct ParameterRecord;

// May this user program a collar without saving it as "Programmed"? Every
// other user's programming is saved under their name.
bool mayProgramWithoutSaving(int userMask);

// Transmissions are on, by an ARGOS transmitter type, and the assigned PTT ID
// code is zero: the user must agree before the collar is programmed.
bool zeroPttIdNeedsConsent(const ParameterRecord& record);

}  // namespace orv
