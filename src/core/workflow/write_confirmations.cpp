#include "workflow/write_confirmations.h"

#include "model/access.h"
#include "model/record.h"
#include "model/transmitter_type.h"
#include "workflow/main_rules.h"

namespace orv {

bool mayProgramWithoutSaving(int userMask) {
    return isEngineer(userMask);
}

bool zeroPttIdNeedsConsent(const ParameterRecord& record) {
    return record.general(GeneralRow::XmitnsEnabled) != 0 && isArgos(wholeTransmitterType(record)) &&
           record.general(GeneralRow::PttIdCode) == 0;
}

}  // namespace orv
