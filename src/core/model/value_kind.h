#pragma once

namespace orv {

// How a parameter is edited, shown and parsed. The numbers are stored in the
// definition tables and must not change.
enum ValueKind : int {
    KindReal1 = 0,          // "%2.1lf"
    KindReal2 = 1,          // "%4.2lf"
    KindMegahertz = 2,      // Hz stored, MHz shown "%3.4lf"
    KindInteger = 3,        // "%d"
    KindUnsigned = 4,       // "%u", 32-bit network values
    KindNoLimit = 5,        // "%d", 0 shown as "no limit"
    KindMinSec = 6,         // seconds shown "%2d:%02d"
    KindHourMin = 7,        // minutes shown "%2d:%02d"
    KindDayOfYear = 8,      // "Mar 15"
    KindFlag = 9,           // check box / radio button
    KindFirmwareHex = 10,   // "%c%c %02X%02X%02X %02X"
    KindFirmwareDate = 11,  // "%02d.%02d %02d/%02d/%4d"
    KindText = 12,
    KindStatusList = 13,
    KindFixDimensionList = 14,
    KindDynamicsList = 15,
    KindBeaconRateList = 16,
    KindStartupFormatList = 17,
    KindPageList = 18,  // list supplied by the page; text form uses the transmitter list
    KindDataCollectionList = 19,
    KindNextSeasonList = 20,
    KindIntervalUnitsList = 21,
    KindFixInterval = 22,
    KindArgosChannelList = 23,
    KindBrazilChannelList = 24,
};

inline constexpr int kValueKindCount = 25;

// Kinds whose control is a combo box; the stored value is the list position.
constexpr bool isComboKind(int kind) {
    return (kind >= KindStatusList && kind <= KindIntervalUnitsList) || kind == KindArgosChannelList ||
           kind == KindBrazilChannelList;
}

// Kinds edited in a text box (and so possibly paired with an up-down control).
constexpr bool isEditKind(int kind) {
    return kind == KindReal1 || kind == KindReal2 || kind == KindMegahertz || kind == KindInteger ||
           kind == KindNoLimit || kind == KindMinSec || kind == KindHourMin || kind == KindDayOfYear ||
           kind == KindFixInterval;
}

}  // namespace orv
