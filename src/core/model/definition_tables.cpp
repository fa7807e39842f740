// The parameter definition tables. Row order is the stored order everywhere:
// database columns, settings-file entries, memory layouts and reports. A row's
// index is its position; the constants of definition_rows.h name the positions.

#include <array>

#include "model/access.h"
#include "model/combo_lists.h"
#include "model/definitions.h"

namespace orv {
namespace {

// A value or text row as written below: limits, kind, database column, label,
// and the properties that set it apart (a radio companion, a stored form that
// differs from the screen value, a combo list other than its kind's, a combo
// that offers part of its list).
struct Row {
    Page page;
    int mask;
    double def = 0;
    double max = 0;
    double min = 0;
    double step = 0;  // 0 counts as 1
    ValueKind kind = KindInteger;
    const char* key = "";
    ColumnType column = ColumnByte;
    int width = 0;
    const char* label = "";
    RadioCompanion companion = RadioCompanion::None;
    StoredForm stored = StoredForm::AsShown;
    std::span<const char* const> list{};  // none: the list of the kind
    ComboOffer offer = ComboOffer::WholeList;
};

// A row that gives a further control (a button, a frame) its access mask.
struct ControlRow {
    Page page;
    int mask;
    bool labelled;  // with a static label of its own
};

// Every value and text row gets a value control, a label and an extra static;
// edit kinds also get an up-down control. A page creates the controls it has;
// the others simply do not exist for it.
template <std::size_t N>
constexpr std::array<ParameterDefinition, N> definitionsOf(int tableBase, const Row (&rows)[N]) {
    std::array<ParameterDefinition, N> table{};
    for (std::size_t index = 0; index < N; ++index) {
        const Row& r = rows[index];
        const int id = controlIdFor(tableBase, static_cast<int>(index));
        table[index] =
            ParameterDefinition{r.page,
                                r.mask,
                                id + kValueControlOffset,
                                r.column != ColumnText && isEditKind(r.kind) ? id + kSpinControlOffset : 0,
                                id + kLabelControlOffset,
                                id + kExtraControlOffset,
                                r.def,
                                r.max,
                                r.min,
                                r.step,
                                r.kind,
                                r.key,
                                r.column,
                                r.width,
                                r.label,
                                r.companion,
                                r.stored,
                                r.list.empty() ? listForKind(r.kind) : r.list,
                                r.offer};
    }
    return table;
}

template <std::size_t N>
constexpr std::array<ParameterDefinition, N> definitionsOf(const ControlRow (&rows)[N]) {
    std::array<ParameterDefinition, N> table{};
    for (std::size_t index = 0; index < N; ++index) {
        const ControlRow& r = rows[index];
        const int id = controlIdFor(kControlTableBase, static_cast<int>(index));
        table[index] = ParameterDefinition{r.page,
                                           r.mask,
                                           id + kValueControlOffset,
                                           0,
                                           r.labelled ? id + kLabelControlOffset : 0,
                                           0,
                                           0,
                                           0,
                                           0,
                                           0,
                                           KindInteger,
                                           "",
                                           ColumnNone,
                                           0,
                                           "",
                                           RadioCompanion::None,
                                           StoredForm::AsShown,
                                           {},
                                           ComboOffer::WholeList};
    }
    return table;
}

// clang-format off
constexpr Row kGeneralRows[] = {
    {.page = Page::GpsParms, .mask = Access::Everyone, .def = 0.0, .max = 2.0, .min = 0.0, .step = 1.0, .kind = KindFixDimensionList, .key = "Dimension", .column = ColumnByte, .width = 1, .label = "Fix Dimension"},
    {.page = Page::GpsParms, .mask = Access::Everyone, .def = 0.0, .max = 3.0, .min = 0.0, .step = 1.0, .kind = KindDynamicsList, .key = "Dynamics", .column = ColumnByte, .width = 1, .label = "Dynamics Code", .stored = StoredForm::ListPositionPlusOne},
    {.page = Page::Transmitter, .mask = Access::Everyone, .def = 0.0, .max = 1.0, .min = 0.0, .step = 1.0, .kind = KindStartupFormatList, .key = "StartupXmitFmt", .column = ColumnByte, .width = 1, .label = "Startup Transmission Format"},
    {.page = Page::Transmitter, .mask = Access::Nobody, .def = 0.0, .max = 1.0, .min = 0.0, .step = 1.0, .kind = KindPageList, .key = "XmitterType", .column = ColumnByte, .width = 1, .label = "Transmitter Type"},
    {.page = Page::FactParms, .mask = Access::CoordinatorAndEngineer, .def = 0.0, .max = 3.0, .min = 0.0, .step = 1.0, .kind = KindPageList, .key = "XmitterEnblType", .column = ColumnByte, .width = 1, .label = "Transmitter Enable Type"},
    {.page = Page::GpsParms, .mask = Access::EngineerOnly, .def = 0.0, .max = 1.0, .min = 0.0, .step = 1.0, .kind = KindBeaconRateList, .key = "BeaconRate", .column = ColumnByte, .width = 1, .label = "Beacon Rate"},
    {.page = Page::DataColl, .mask = Access::UsersSeeStaffEdits, .def = 0.0, .max = 2.0, .min = 0.0, .step = 1.0, .kind = KindDataCollectionList, .key = "DataCollMode", .column = ColumnByte, .width = 1, .label = "Data Collection Mode"},
    {.page = Page::Transmitter, .mask = Access::UsersSeeCoordinatorEdits, .def = 1.0, .max = 30.0, .min = 0.0, .step = 1.0, .kind = KindArgosChannelList, .key = "ArgosCh", .column = ColumnByte, .width = 1, .label = "Argos Channel Selection"},
    {.page = Page::Transmitter, .mask = Access::UsersSeeCoordinatorEdits, .def = 1.0, .max = 8.0, .min = 0.0, .step = 1.0, .kind = KindBrazilChannelList, .key = "BrazilCh", .column = ColumnByte, .width = 1, .label = "Brazil Channel Selection"},
    {.page = Page::FactParms, .mask = Access::CoordinatorAndEngineer, .def = 0.0, .max = 3.0, .min = 0.0, .step = 1.0, .kind = KindPageList, .key = "BeaconType", .column = ColumnByte, .width = 1, .label = "VHF Beacon Type", .list = combo::kBeaconType},
    {.page = Page::FactParms, .mask = Access::CoordinatorAndEngineer, .def = 0.0, .max = 1.0, .min = 0.0, .step = 1.0, .kind = KindPageList, .key = "Startup", .column = ColumnByte, .width = 1, .label = "GPS Startup Behavior", .list = combo::kStartupBehavior},
    {.page = Page::FactParms, .mask = Access::CoordinatorAndEngineer, .def = 0.0, .max = 1.0, .min = 0.0, .step = 1.0, .kind = KindFlag, .key = "DiffCorrection", .column = ColumnByte, .width = 1, .label = "Differential Correction"},
    {.page = Page::FactParms, .mask = Access::CoordinatorAndEngineer, .def = 1.0, .max = 1.0, .min = 0.0, .step = 1.0, .kind = KindFlag, .key = "PosVelFilter", .column = ColumnByte, .width = 1, .label = "Position Velocity Filter"},
    {.page = Page::FactParms, .mask = Access::CoordinatorAndEngineer, .def = 0.0, .max = 1.0, .min = 0.0, .step = 1.0, .kind = KindFlag, .key = "StaticFilter", .column = ColumnByte, .width = 1, .label = "Static Filter"},
    {.page = Page::FactParms, .mask = Access::CoordinatorAndEngineer, .def = 1.0, .max = 1.0, .min = 0.0, .step = 1.0, .kind = KindFlag, .key = "AltitudeFilter", .column = ColumnByte, .width = 1, .label = "Altitude Filter"},
    {.page = Page::FactParms, .mask = Access::CoordinatorAndEngineer, .def = 1.0, .max = 1.0, .min = 0.0, .step = 1.0, .kind = KindFlag, .key = "GpsFixingEnabled", .column = ColumnByte, .width = 1, .label = "GPS Fixing Enabled"},
    {.page = Page::Transmitter, .mask = Access::Nobody, .def = 0.0, .max = 1.0, .min = 0.0, .step = 1.0, .kind = KindFlag, .key = "XmitnsEnabled", .column = ColumnByte, .width = 1, .label = "Transmissions Enabled"},
    {.page = Page::FactParms, .mask = Access::CoordinatorAndEngineer, .def = 0.0, .max = 1.0, .min = 0.0, .step = 1.0, .kind = KindFlag, .key = "SWSEnabled", .column = ColumnByte, .width = 1, .label = "Salt Water Switch Enabled"},
    {.page = Page::FactParms, .mask = Access::CoordinatorAndEngineer, .def = 0.0, .max = 1.0, .min = 0.0, .step = 1.0, .kind = KindFlag, .key = "ScheduledNetwork", .column = ColumnByte, .width = 1, .label = "Scheduled Network"},
    {.page = Page::Beacon, .mask = Access::Staff, .def = 0.0, .max = 1.0, .min = 0.0, .step = 1.0, .kind = KindFlag, .key = "VHFBeaconEnabled", .column = ColumnByte, .width = 1, .label = "VHF Beacon Enabled"},
    {.page = Page::TransmitterNetwork, .mask = Access::UsersSeeCoordinatorEdits, .def = 0.0, .max = 1.0, .min = 0.0, .step = 1.0, .kind = KindFlag, .key = "NetHoldoffEnabled", .column = ColumnByte, .width = 1, .label = "Network Holdoff Delay Enabled"},
    {.page = Page::FactParms, .mask = Access::CoordinatorAndEngineer, .def = 0.0, .max = 1.0, .min = 0.0, .step = 1.0, .kind = KindFlag, .key = "XmitEncryption", .column = ColumnByte, .width = 1, .label = "ARGOS Xmit Encryption"},
    {.page = Page::FactParms, .mask = Access::CoordinatorAndEngineer, .def = 0.0, .max = 1.0, .min = 0.0, .step = 1.0, .kind = KindFlag, .key = "InstReedSw", .column = ColumnByte, .width = 1, .label = "Installed Reed Switch"},
    {.page = Page::FactParms, .mask = Access::CoordinatorAndEngineer, .def = 0.0, .max = 1.0, .min = 0.0, .step = 1.0, .kind = KindFlag, .key = "InstHgSw", .column = ColumnByte, .width = 1, .label = "Installed Hg Switch"},
    {.page = Page::FactParms, .mask = Access::CoordinatorAndEngineer, .def = 0.0, .max = 1.0, .min = 0.0, .step = 1.0, .kind = KindFlag, .key = "InstSWSw", .column = ColumnByte, .width = 1, .label = "Installed Salt Water Switch"},
    {.page = Page::FactParms, .mask = Access::CoordinatorAndEngineer, .def = 1.0, .max = 1.0, .min = 0.0, .step = 1.0, .kind = KindFlag, .key = "", .column = ColumnByte, .width = 1, .label = "Synth. (old)"},
    {.page = Page::FactParms, .mask = Access::CoordinatorAndEngineer, .def = 0.0, .max = 1.0, .min = 0.0, .step = 1.0, .kind = KindFlag, .key = "SynthSel", .column = ColumnByte, .width = 1, .label = "Synth. (new)"},
    {.page = Page::Transmitter, .mask = Access::UsersSeeStaffEdits, .def = 1.0, .max = 1.0, .min = 0.0, .step = 1.0, .kind = KindFlag, .key = "", .column = ColumnByte, .width = 1, .label = "Power Level ½ Watt"},
    {.page = Page::Transmitter, .mask = Access::UsersSeeStaffEdits, .def = 0.0, .max = 1.0, .min = 0.0, .step = 1.0, .kind = KindFlag, .key = "PwrLevelSel", .column = ColumnByte, .width = 1, .label = "Power Level 1 Watt"},
    {.page = Page::Transmitter, .mask = Access::UsersSeeCoordinatorEdits, .def = 1.0, .max = 1.0, .min = 0.0, .step = 1.0, .kind = KindFlag, .key = "", .column = ColumnByte, .width = 1, .label = "Select Specific Frequency"},
    {.page = Page::Transmitter, .mask = Access::UsersSeeCoordinatorEdits, .def = 0.0, .max = 1.0, .min = 0.0, .step = 1.0, .kind = KindFlag, .key = "", .column = ColumnByte, .width = 1, .label = "Select Table Frequency"},
    {.page = Page::Transmitter, .mask = Access::UsersSeeCoordinatorEdits, .def = 0.0, .max = 1.0, .min = 0.0, .step = 1.0, .kind = KindFlag, .key = "", .column = ColumnByte, .width = 1, .label = "Select Table Channel"},
    {.page = Page::Transmitter, .mask = Access::Everyone, .def = 1.0, .max = 1.0, .min = 0.0, .step = 1.0, .kind = KindFlag, .key = "", .column = ColumnByte, .width = 1, .label = "Time Encode Type None"},
    {.page = Page::Transmitter, .mask = Access::Everyone, .def = 0.0, .max = 1.0, .min = 0.0, .step = 1.0, .kind = KindFlag, .key = "", .column = ColumnByte, .width = 1, .label = "Time Encode Type 1"},
    {.page = Page::Transmitter, .mask = Access::Everyone, .def = 0.0, .max = 1.0, .min = 0.0, .step = 1.0, .kind = KindFlag, .key = "", .column = ColumnByte, .width = 1, .label = "Time Encode Type 2"},
    {.page = Page::Transmitter, .mask = Access::Nobody, .def = 0.0, .max = 2.0, .min = 0.0, .step = 1.0, .kind = KindInteger, .key = "TimeEncode", .column = ColumnByte, .width = 1, .label = "Time Encode Type"},
    {.page = Page::Transmitter, .mask = Access::Nobody, .def = 0.0, .max = 1.0, .min = 0.0, .step = 1.0, .kind = KindInteger, .key = "", .column = ColumnByte, .width = 1, .label = "PN Time Encode"},
    {.page = Page::DataColl, .mask = Access::Everyone, .def = 0.0, .max = 1.0, .min = 0.0, .step = 1.0, .kind = KindFlag, .key = "TempSenseEnabled", .column = ColumnByte, .width = 1, .label = "Temperature Sensing Enabled"},
    {.page = Page::DataColl, .mask = Access::Everyone, .def = 0.0, .max = 1.0, .min = 0.0, .step = 1.0, .kind = KindFlag, .key = "", .column = ColumnByte, .width = 1, .label = "Activity Sensing Positional", .companion = RadioCompanion::OfNextRow},
    {.page = Page::DataColl, .mask = Access::Everyone, .def = 0.0, .max = 1.0, .min = 0.0, .step = 1.0, .kind = KindFlag, .key = "ActivitySensePos", .column = ColumnByte, .width = 1, .label = "Activity Sensing Transitional"},
    {.page = Page::DataColl, .mask = Access::Everyone, .def = 0.0, .max = 1.0, .min = 0.0, .step = 1.0, .kind = KindFlag, .key = "", .column = ColumnByte, .width = 1, .label = "Activity Event Position High", .companion = RadioCompanion::OfNextRow},
    {.page = Page::DataColl, .mask = Access::Everyone, .def = 0.0, .max = 1.0, .min = 0.0, .step = 1.0, .kind = KindFlag, .key = "ActEventPos", .column = ColumnByte, .width = 1, .label = "Activity Event Position Low"},
    {.page = Page::GpsParms, .mask = Access::Everyone, .def = 10.0, .max = 90.0, .min = 0.0, .step = 0.5, .kind = KindReal1, .key = "ElevAngle", .column = ColumnDouble, .width = 8, .label = "Elev. Mask Angle (deg)", .stored = StoredForm::Radians},
    {.page = Page::GpsParms, .mask = Access::Everyone, .def = 4.0, .max = 20.0, .min = 0.0, .step = 1.0, .kind = KindReal1, .key = "SigLevel", .column = ColumnDouble, .width = 8, .label = "Signal Level Mask"},
    {.page = Page::GpsParms, .mask = Access::Everyone, .def = 12.0, .max = 20.0, .min = 0.0, .step = 1.0, .kind = KindReal1, .key = "PdopMask", .column = ColumnDouble, .width = 8, .label = "PDOP Mask"},
    {.page = Page::GpsParms, .mask = Access::Everyone, .def = 5.0, .max = 20.0, .min = 0.0, .step = 1.0, .kind = KindReal1, .key = "PdopSw", .column = ColumnDouble, .width = 8, .label = "PDOP Switch"},
    {.page = Page::GpsParms, .mask = Access::Everyone, .def = 780.0, .max = 3600.0, .min = 0.0, .step = 5.0, .kind = KindMinSec, .key = "AlmanacTimeout", .column = ColumnInt16, .width = 2, .label = "Almanac Timeout (mm:ss)"},
    {.page = Page::GpsParms, .mask = Access::Everyone, .def = 180.0, .max = 600.0, .min = 0.0, .step = 1.0, .kind = KindMinSec, .key = "FixTimeout", .column = ColumnInt16, .width = 2, .label = "Fix Timeout (mm:ss)"},
    {.page = Page::GpsParms, .mask = Access::Everyone, .def = 30.0, .max = 120.0, .min = 0.0, .step = 1.0, .kind = KindMinSec, .key = "_3dTimeout", .column = ColumnInt16, .width = 2, .label = "3D Timeout (mm:ss)"},
    {.page = Page::Transmitter, .mask = Access::Everyone, .def = 0.0, .max = 999999.0, .min = 0.0, .step = 1.0, .kind = KindInteger, .key = "PttIdCode", .column = ColumnInt32, .width = 4, .label = "PTT ID code"},
    {.page = Page::Transmitter, .mask = Access::Everyone, .def = 0.0, .max = 32767.0, .min = 0.0, .step = 1.0, .kind = KindInteger, .key = "", .column = ColumnInt16, .width = 2, .label = "Root ID Code"},
    {.page = Page::Transmitter, .mask = Access::Everyone, .def = 0.0, .max = 255.0, .min = 0.0, .step = 0.0, .kind = KindInteger, .key = "", .column = ColumnByte, .width = 1, .label = "Extension & Protection Code"},
    {.page = Page::Transmitter, .mask = Access::Everyone, .def = 60.0, .max = 255.0, .min = 0.0, .step = 1.0, .kind = KindInteger, .key = "PttPriInterval", .column = ColumnByte, .width = 1, .label = "PTT Primary Transmit Interval (sec)"},
    {.page = Page::Transmitter, .mask = Access::CoordinatorSeesEngineerEdits, .def = 0.0, .max = 255.0, .min = 0.0, .step = 1.0, .kind = KindInteger, .key = "PttAltInterval", .column = ColumnByte, .width = 1, .label = "PTT Alternate Transmit Interval (sec)"},
    {.page = Page::Transmitter, .mask = Access::UsersSeeEngineerEdits, .def = 1.0, .max = 255.0, .min = 0.0, .step = 1.0, .kind = KindInteger, .key = "PttStartupHours", .column = ColumnByte, .width = 1, .label = "PTT Startup Hours"},
    {.page = Page::Transmitter, .mask = Access::CoordinatorSeesEngineerEdits, .def = 100.0, .max = 1000.0, .min = 0.0, .step = 1.0, .kind = KindReal2, .key = "PttOscWarmup", .column = ColumnDouble, .width = 8, .label = "PTT Oscillator Warmup (ms)"},
    {.page = Page::Transmitter, .mask = Access::CoordinatorSeesEngineerEdits, .def = 300.0, .max = 1000.0, .min = 0.0, .step = 1.0, .kind = KindReal2, .key = "PttLoopWarmup", .column = ColumnDouble, .width = 8, .label = "PTT Loop Warmup (ms)"},
    {.page = Page::Transmitter, .mask = Access::Everyone, .def = 6.0, .max = 6.0, .min = 1.0, .step = 1.0, .kind = KindInteger, .key = "MaxHistFixes", .column = ColumnInt16, .width = 2, .label = "Fixes per Transmission"},
    {.page = Page::Transmitter, .mask = Access::Everyone, .def = 0.0, .max = 32000.0, .min = 0.0, .step = 1.0, .kind = KindNoLimit, .key = "MaxDataXmissions", .column = ColumnInt16, .width = 2, .label = "Maximum Data Transmissions"},
    {.page = Page::Misc, .mask = Access::UsersSeeStaffEdits, .def = 0.0, .max = 255.0, .min = 0.0, .step = 1.0, .kind = KindInteger, .key = "OOWThreshold", .column = ColumnByte, .width = 1, .label = "Out of Water Threshold"},
    {.page = Page::Misc, .mask = Access::UsersSeeStaffEdits, .def = 6.0, .max = 255.0, .min = 0.0, .step = 1.0, .kind = KindInteger, .key = "UWThreshold", .column = ColumnByte, .width = 1, .label = "Under Water Threshold"},
    {.page = Page::Misc, .mask = Access::UsersSeeStaffEdits, .def = 86400.0, .max = 16777215.0, .min = 0.0, .step = 1.0, .kind = KindInteger, .key = "FailsafeThreshold", .column = ColumnInt32, .width = 4, .label = "Failsafe Threshold"},
    {.page = Page::Misc, .mask = Access::UsersSeeStaffEdits, .def = 6777215.0, .max = 16777215.0, .min = 0.0, .step = 1.0, .kind = KindInteger, .key = "HauloutThreshold", .column = ColumnInt32, .width = 4, .label = "Haul-out Threshold"},
    {.page = Page::Transmitter, .mask = Access::UsersSeeCoordinatorEdits, .def = 401650000.0, .max = 401680000.0, .min = 401620000.0, .step = 500.0, .kind = KindMegahertz, .key = "SpecifiedPTTFreq", .column = ColumnDouble, .width = 8, .label = "Specified PTT Frequency"},
    {.page = Page::Transmitter, .mask = Access::Nobody, .def = 1.0, .max = 3.0, .min = 1.0, .step = 1.0, .kind = KindInteger, .key = "SelectFreqIndex", .column = ColumnInt16, .width = 2, .label = "Select Frequency Index"},
    {.page = Page::Transmitter, .mask = Access::Everyone, .def = 0.0, .max = 65535.0, .min = 0.0, .step = 1.0, .kind = KindInteger, .key = "PNSeedValue", .column = ColumnInt16, .width = 2, .label = "PNEncode Seed Value"},
    {.page = Page::Main, .mask = Access::Everyone, .def = 2006.0, .max = 2020.0, .min = 2000.0, .step = 1.0, .kind = KindInteger, .key = "StartYear", .column = ColumnInt16, .width = 2, .label = "Deployment Year"},
    {.page = Page::FactParms, .mask = Access::Everyone, .def = 0.0, .max = 3.0, .min = 0.0, .step = 1.0, .kind = KindInteger, .key = "DiscOffset", .column = ColumnByte, .width = 1, .label = "Discriminator Offset"},
    {.page = Page::FactParms, .mask = Access::Everyone, .def = 0.0, .max = 7.0, .min = 0.0, .step = 1.0, .kind = KindInteger, .key = "PaPwrLvl", .column = ColumnByte, .width = 1, .label = "PA Power Level Select"},
    {.page = Page::TransmitterNetwork, .mask = Access::UsersSeeEngineerEdits, .def = 2.0, .max = 255.0, .min = 0.0, .step = 1.0, .kind = KindInteger, .key = "NetStartupHrs", .column = ColumnByte, .width = 1, .label = "Network Startup Hours"},
    {.page = Page::TransmitterNetwork, .mask = Access::UsersSeeEngineerEdits, .def = 10.0, .max = 255.0, .min = 0.0, .step = 1.0, .kind = KindInteger, .key = "NetListenInt", .column = ColumnByte, .width = 1, .label = "Network Listen Interval"},
    {.page = Page::TransmitterNetwork, .mask = Access::UsersSeeEngineerEdits, .def = 240.0, .max = 65535.0, .min = 0.0, .step = 1.0, .kind = KindInteger, .key = "NetConnTimeOut", .column = ColumnInt16, .width = 2, .label = "Network Connect Time-Out"},
    {.page = Page::TransmitterNetwork, .mask = Access::UsersSeeEngineerEdits, .def = 18.0, .max = 65535.0, .min = 0.0, .step = 1.0, .kind = KindInteger, .key = "NetPacketTimeOut", .column = ColumnInt16, .width = 2, .label = "Network Packet Time-Out"},
    {.page = Page::TransmitterNetwork, .mask = Access::UsersSeeEngineerEdits, .def = 1818.0, .max = 65535.0, .min = 0.0, .step = 1.0, .kind = KindInteger, .key = "NetETFTPPort", .column = ColumnInt16, .width = 2, .label = "Network ETFTP Port"},
    {.page = Page::TransmitterNetwork, .mask = Access::Nobody, .def = 3232235520.0, .max = 4294967295.0, .min = 0.0, .step = 1.0, .kind = KindUnsigned, .key = "", .column = ColumnInt32, .width = 4, .label = "Network IP Address Value"},
    {.page = Page::TransmitterNetwork, .mask = Access::Nobody, .def = 4294967040.0, .max = 4294967295.0, .min = 0.0, .step = 1.0, .kind = KindUnsigned, .key = "", .column = ColumnInt32, .width = 4, .label = "IP Sub Net Mask Value"},
    {.page = Page::TransmitterNetwork, .mask = Access::Everyone, .def = 60.0, .max = 255.0, .min = 0.0, .step = 1.0, .kind = KindInteger, .key = "NetHoldoff", .column = ColumnByte, .width = 1, .label = "Network Hold-off"},
    {.page = Page::AdvancedDialog, .mask = Access::UsersSeeEngineerEdits, .def = 0.0, .max = 10.0, .min = 0.0, .step = 1.0, .kind = KindInteger, .key = "NumFixRetries", .column = ColumnByte, .width = 1, .label = "Number of Fix Retries"},
    {.page = Page::AdvancedDialog, .mask = Access::UsersSeeEngineerEdits, .def = 0.0, .max = 3600.0, .min = 0.0, .step = 1.0, .kind = KindMinSec, .key = "FixRetryInverval", .column = ColumnInt16, .width = 2, .label = "Fix Retry Interval"},
    {.page = Page::AdvancedDialog, .mask = Access::UsersSeeEngineerEdits, .def = 0.0, .max = 3600.0, .min = 0.0, .step = 1.0, .kind = KindMinSec, .key = "SigStrengthEvalTime", .column = ColumnInt16, .width = 2, .label = "Usable Satellite Eval. Time"},
    {.page = Page::AdvancedDialog, .mask = Access::UsersSeeEngineerEdits, .def = 0.0, .max = 0.0, .min = 0.0, .step = 1.0, .kind = KindReal1, .key = "MinAveSigStrength", .column = ColumnDouble, .width = 8, .label = "Min. Avg. Signal Strength"},
    {.page = Page::AdvancedDialog, .mask = Access::UsersSeeEngineerEdits, .def = 952.0, .max = 952.0, .min = 952.0, .step = 1.0, .kind = KindInteger, .key = "GpsWeekThreshold", .column = ColumnInt16, .width = 2, .label = "GPS Week Threshold"},
    {.page = Page::AdvancedDialog, .mask = Access::UsersSeeEngineerEdits, .def = 1024.0, .max = 1024.0, .min = 1024.0, .step = 1.0, .kind = KindInteger, .key = "GpsWeekAdjustment", .column = ColumnInt16, .width = 2, .label = "GPS Week Adjustment"},
    {.page = Page::AdvancedDialog, .mask = Access::UsersSeeEngineerEdits, .def = 0.0, .max = 3600.0, .min = 0.0, .step = 1.0, .kind = KindMinSec, .key = "CachedFixLifetime", .column = ColumnInt16, .width = 2, .label = "Cached Fix Lifetime (mm:ss)"},
    {.page = Page::AdvancedDialog, .mask = Access::UsersSeeEngineerEdits, .def = 0.0, .max = 50.0, .min = 0.0, .step = 1.0, .kind = KindInteger, .key = "FixesToDiscard", .column = ColumnInt16, .width = 2, .label = "Fixes to Discard"},
    {.page = Page::ElevationAngleDialog, .mask = Access::Everyone, .def = 5.0, .max = 90.0, .min = 0.0, .step = 0.5, .kind = KindReal1, .key = "", .column = ColumnDouble, .width = 8, .label = "Base Station Elev. Mask Angle"},
    {.page = Page::ElevationAngleDialog, .mask = Access::Everyone, .def = 100.0, .max = 500.0, .min = 0.0, .step = 1.0, .kind = KindInteger, .key = "", .column = ColumnInt16, .width = 2, .label = "Base Station Distance"},
    {.page = Page::Beacon, .mask = Access::UsersSeeCoordinatorEdits, .def = 164.0, .max = 200.0, .min = 10.0, .step = 1.0, .kind = KindInteger, .key = "VHFPW1", .column = ColumnInt16, .width = 2, .label = "VHF Pulse Width 1"},
    {.page = Page::Beacon, .mask = Access::UsersSeeCoordinatorEdits, .def = 164.0, .max = 200.0, .min = 10.0, .step = 1.0, .kind = KindInteger, .key = "VHFPW2", .column = ColumnInt16, .width = 2, .label = "VHF Pulse Width 2"},
    {.page = Page::Beacon, .mask = Access::UsersSeeCoordinatorEdits, .def = 164.0, .max = 200.0, .min = 10.0, .step = 1.0, .kind = KindInteger, .key = "VHFPW3", .column = ColumnInt16, .width = 2, .label = "VHF Pulse Width 3"},
    {.page = Page::Beacon, .mask = Access::UsersSeeEngineerEdits, .def = 164.0, .max = 200.0, .min = 10.0, .step = 1.0, .kind = KindInteger, .key = "VHFPW4", .column = ColumnInt16, .width = 2, .label = "VHF Pulse Width 4"},
    {.page = Page::Beacon, .mask = Access::UsersSeeEngineerEdits, .def = 164.0, .max = 200.0, .min = 10.0, .step = 1.0, .kind = KindInteger, .key = "VHFPW5", .column = ColumnInt16, .width = 2, .label = "VHF Pulse Width 5"},
    {.page = Page::Beacon, .mask = Access::UsersSeeCoordinatorEdits, .def = 164.0, .max = 200.0, .min = 10.0, .step = 1.0, .kind = KindInteger, .key = "VHFPW6", .column = ColumnInt16, .width = 2, .label = "VHF Pulse Width 6"},
    {.page = Page::Beacon, .mask = Access::UsersSeeEngineerEdits, .def = 164.0, .max = 200.0, .min = 10.0, .step = 1.0, .kind = KindInteger, .key = "VHFPW7", .column = ColumnInt16, .width = 2, .label = "VHF Pulse Width 7"},
    {.page = Page::Beacon, .mask = Access::UsersSeeEngineerEdits, .def = 164.0, .max = 200.0, .min = 10.0, .step = 1.0, .kind = KindInteger, .key = "VHFPW8", .column = ColumnInt16, .width = 2, .label = "VHF Pulse Width 8"},
    {.page = Page::Beacon, .mask = Access::UsersSeeCoordinatorEdits, .def = 860.0, .max = 65535.0, .min = 0.0, .step = 1.0, .kind = KindInteger, .key = "VHFIPD1", .column = ColumnInt16, .width = 2, .label = "VHF InterPulse Delay 1"},
    {.page = Page::Beacon, .mask = Access::UsersSeeCoordinatorEdits, .def = 860.0, .max = 65535.0, .min = 0.0, .step = 1.0, .kind = KindInteger, .key = "VHFIPD2", .column = ColumnInt16, .width = 2, .label = "VHF InterPulse Delay 2"},
    {.page = Page::Beacon, .mask = Access::UsersSeeCoordinatorEdits, .def = 860.0, .max = 65535.0, .min = 0.0, .step = 1.0, .kind = KindInteger, .key = "VHFIPD3", .column = ColumnInt16, .width = 2, .label = "VHF InterPulse Delay 3"},
    {.page = Page::Beacon, .mask = Access::UsersSeeEngineerEdits, .def = 860.0, .max = 65535.0, .min = 0.0, .step = 1.0, .kind = KindInteger, .key = "VHFIPD4", .column = ColumnInt16, .width = 2, .label = "VHF InterPulse Delay 4"},
    {.page = Page::Beacon, .mask = Access::UsersSeeEngineerEdits, .def = 860.0, .max = 65535.0, .min = 0.0, .step = 1.0, .kind = KindInteger, .key = "VHFIPD5", .column = ColumnInt16, .width = 2, .label = "VHF InterPulse Delay 5"},
    {.page = Page::Beacon, .mask = Access::UsersSeeCoordinatorEdits, .def = 860.0, .max = 65535.0, .min = 0.0, .step = 1.0, .kind = KindInteger, .key = "VHFIPD6", .column = ColumnInt16, .width = 2, .label = "VHF InterPulse Delay 6"},
    {.page = Page::Beacon, .mask = Access::UsersSeeEngineerEdits, .def = 860.0, .max = 65535.0, .min = 0.0, .step = 1.0, .kind = KindInteger, .key = "VHFIPD7", .column = ColumnInt16, .width = 2, .label = "VHF InterPulse Delay 7"},
    {.page = Page::Beacon, .mask = Access::UsersSeeEngineerEdits, .def = 860.0, .max = 65535.0, .min = 0.0, .step = 1.0, .kind = KindInteger, .key = "VHFIPD8", .column = ColumnInt16, .width = 2, .label = "VHF InterPulse Delay 8"},
    {.page = Page::Beacon, .mask = Access::UsersSeeCoordinatorEdits, .def = 0.0, .max = 10000.0, .min = 0.0, .step = 1.0, .kind = KindInteger, .key = "VHFRpdly1", .column = ColumnInt16, .width = 2, .label = "VHF Repeat Delay 1"},
    {.page = Page::Beacon, .mask = Access::UsersSeeCoordinatorEdits, .def = 0.0, .max = 10000.0, .min = 0.0, .step = 1.0, .kind = KindInteger, .key = "VHFRpdly2", .column = ColumnInt16, .width = 2, .label = "VHF Repeat Delay 2"},
    {.page = Page::Beacon, .mask = Access::UsersSeeCoordinatorEdits, .def = 0.0, .max = 10000.0, .min = 0.0, .step = 1.0, .kind = KindInteger, .key = "VHFRpdly3", .column = ColumnInt16, .width = 2, .label = "VHF Repeat Delay 3"},
    {.page = Page::Beacon, .mask = Access::UsersSeeEngineerEdits, .def = 8192.0, .max = 10000.0, .min = 0.0, .step = 1.0, .kind = KindInteger, .key = "VHFRpdly4", .column = ColumnInt16, .width = 2, .label = "VHF Repeat Delay 4"},
    {.page = Page::Beacon, .mask = Access::UsersSeeEngineerEdits, .def = 8192.0, .max = 10000.0, .min = 0.0, .step = 1.0, .kind = KindInteger, .key = "VHFRpdly5", .column = ColumnInt16, .width = 2, .label = "VHF Repeat Delay 5"},
    {.page = Page::Beacon, .mask = Access::UsersSeeCoordinatorEdits, .def = 8192.0, .max = 10000.0, .min = 0.0, .step = 1.0, .kind = KindInteger, .key = "VHFRpdly6", .column = ColumnInt16, .width = 2, .label = "VHF Repeat Delay 6"},
    {.page = Page::Beacon, .mask = Access::UsersSeeEngineerEdits, .def = 8192.0, .max = 10000.0, .min = 0.0, .step = 1.0, .kind = KindInteger, .key = "VHFRpdly7", .column = ColumnInt16, .width = 2, .label = "VHF Repeat Delay 7"},
    {.page = Page::Beacon, .mask = Access::UsersSeeEngineerEdits, .def = 8192.0, .max = 10000.0, .min = 0.0, .step = 1.0, .kind = KindInteger, .key = "VHFRpdly8", .column = ColumnInt16, .width = 2, .label = "VHF Repeat Delay 8"},
    {.page = Page::Beacon, .mask = Access::Nobody, .def = 12.0, .max = 4095.0, .min = 0.0, .step = 1.0, .kind = KindInteger, .key = "", .column = ColumnInt16, .width = 2, .label = "VHF Pattern Map 1"},
    {.page = Page::Beacon, .mask = Access::Nobody, .def = 56.0, .max = 4095.0, .min = 0.0, .step = 1.0, .kind = KindInteger, .key = "", .column = ColumnInt16, .width = 2, .label = "VHF Pattern Map 2"},
    {.page = Page::Beacon, .mask = Access::Nobody, .def = 240.0, .max = 4095.0, .min = 0.0, .step = 1.0, .kind = KindInteger, .key = "", .column = ColumnInt16, .width = 2, .label = "VHF Pattern Map 3"},
    {.page = Page::Beacon, .mask = Access::Nobody, .def = 0.0, .max = 4095.0, .min = 0.0, .step = 1.0, .kind = KindInteger, .key = "", .column = ColumnInt16, .width = 2, .label = "VHF Pattern Map 4"},
    {.page = Page::Beacon, .mask = Access::Nobody, .def = 0.0, .max = 4095.0, .min = 0.0, .step = 1.0, .kind = KindInteger, .key = "", .column = ColumnInt16, .width = 2, .label = "VHF Pattern Map 5"},
    {.page = Page::Beacon, .mask = Access::Nobody, .def = 0.0, .max = 4095.0, .min = 0.0, .step = 1.0, .kind = KindInteger, .key = "", .column = ColumnInt16, .width = 2, .label = "VHF Pattern Map 6"},
    {.page = Page::Beacon, .mask = Access::Nobody, .def = 0.0, .max = 4095.0, .min = 0.0, .step = 1.0, .kind = KindInteger, .key = "", .column = ColumnInt16, .width = 2, .label = "VHF Pattern Map 7"},
    {.page = Page::Beacon, .mask = Access::Nobody, .def = 0.0, .max = 4095.0, .min = 0.0, .step = 1.0, .kind = KindInteger, .key = "", .column = ColumnInt16, .width = 2, .label = "VHF Pattern Map 8"},
    {.page = Page::Beacon, .mask = Access::Nobody, .def = 0.0, .max = 12.0, .min = 0.0, .step = 1.0, .kind = KindInteger, .key = "", .column = ColumnInt16, .width = 1, .label = "VHF Pattern Map 1 Len"},
    {.page = Page::Beacon, .mask = Access::Nobody, .def = 0.0, .max = 12.0, .min = 0.0, .step = 1.0, .kind = KindInteger, .key = "", .column = ColumnInt16, .width = 1, .label = "VHF Pattern Map 2 Len"},
    {.page = Page::Beacon, .mask = Access::Nobody, .def = 0.0, .max = 12.0, .min = 0.0, .step = 1.0, .kind = KindInteger, .key = "", .column = ColumnInt16, .width = 1, .label = "VHF Pattern Map 3 Len"},
    {.page = Page::Beacon, .mask = Access::Nobody, .def = 0.0, .max = 12.0, .min = 0.0, .step = 1.0, .kind = KindInteger, .key = "", .column = ColumnInt16, .width = 1, .label = "VHF Pattern Map 4 Len"},
    {.page = Page::Beacon, .mask = Access::Nobody, .def = 0.0, .max = 12.0, .min = 0.0, .step = 1.0, .kind = KindInteger, .key = "", .column = ColumnInt16, .width = 1, .label = "VHF Pattern Map 5 Len"},
    {.page = Page::Beacon, .mask = Access::Nobody, .def = 0.0, .max = 12.0, .min = 0.0, .step = 1.0, .kind = KindInteger, .key = "", .column = ColumnInt16, .width = 1, .label = "VHF Pattern Map 6 Len"},
    {.page = Page::Beacon, .mask = Access::Nobody, .def = 0.0, .max = 12.0, .min = 0.0, .step = 1.0, .kind = KindInteger, .key = "", .column = ColumnInt16, .width = 1, .label = "VHF Pattern Map 7 Len"},
    {.page = Page::Beacon, .mask = Access::Nobody, .def = 0.0, .max = 12.0, .min = 0.0, .step = 1.0, .kind = KindInteger, .key = "", .column = ColumnInt16, .width = 1, .label = "VHF Pattern Map 8 Len"},
    {.page = Page::Beacon, .mask = Access::UsersSeeCoordinatorEdits, .def = 120.0, .max = 255.0, .min = 0.0, .step = 1.0, .kind = KindInteger, .key = "VHFRcnt1", .column = ColumnByte, .width = 1, .label = "VHF Repeat Count 1"},
    {.page = Page::Beacon, .mask = Access::UsersSeeCoordinatorEdits, .def = 80.0, .max = 255.0, .min = 0.0, .step = 1.0, .kind = KindInteger, .key = "VHFRcnt2", .column = ColumnByte, .width = 1, .label = "VHF Repeat Count 2"},
    {.page = Page::Beacon, .mask = Access::UsersSeeCoordinatorEdits, .def = 60.0, .max = 255.0, .min = 0.0, .step = 1.0, .kind = KindInteger, .key = "VHFRcnt3", .column = ColumnByte, .width = 1, .label = "VHF Repeat Count 3"},
    {.page = Page::Beacon, .mask = Access::UsersSeeEngineerEdits, .def = 24.0, .max = 255.0, .min = 0.0, .step = 1.0, .kind = KindInteger, .key = "VHFRcnt4", .column = ColumnByte, .width = 1, .label = "VHF Repeat Count 4"},
    {.page = Page::Beacon, .mask = Access::UsersSeeEngineerEdits, .def = 24.0, .max = 255.0, .min = 0.0, .step = 1.0, .kind = KindInteger, .key = "VHFRcnt5", .column = ColumnByte, .width = 1, .label = "VHF Repeat Count 5"},
    {.page = Page::Beacon, .mask = Access::UsersSeeCoordinatorEdits, .def = 240.0, .max = 255.0, .min = 0.0, .step = 1.0, .kind = KindInteger, .key = "VHFRcnt6", .column = ColumnByte, .width = 1, .label = "VHF Repeat Count 6"},
    {.page = Page::Beacon, .mask = Access::UsersSeeEngineerEdits, .def = 24.0, .max = 255.0, .min = 0.0, .step = 1.0, .kind = KindInteger, .key = "VHFRcnt7", .column = ColumnByte, .width = 1, .label = "VHF Repeat Count 7"},
    {.page = Page::Beacon, .mask = Access::UsersSeeEngineerEdits, .def = 24.0, .max = 255.0, .min = 0.0, .step = 1.0, .kind = KindInteger, .key = "VHFRcnt8", .column = ColumnByte, .width = 1, .label = "VHF Repeat Count 8"},
    {.page = Page::DataColl, .mask = Access::Everyone, .def = 0.0, .max = 279620.0, .min = 0.0, .step = 1.0, .kind = KindHourMin, .key = "ActivitySenseInterval", .column = ColumnInt32, .width = 4, .label = "Activity Sensor Interval", .stored = StoredForm::Seconds},
    {.page = Page::Simulation, .mask = Access::Everyone, .def = 4.0, .max = 8.0, .min = 1.0, .step = 1.0, .kind = KindInteger, .key = "", .column = ColumnByte, .width = 1, .label = "Simulation Years"},
};

constexpr Row kSeasonRows[] = {
    {.page = Page::Schedule, .mask = Access::Everyone, .def = 14.0, .max = 14.0, .min = 0.0, .step = 1.0, .kind = KindNextSeasonList, .key = "NextSeason", .column = ColumnByte, .width = 1, .label = "Next Season", .stored = StoredForm::SeasonCodeSkipping13},
    {.page = Page::ScheduleGpsPanel, .mask = Access::Everyone, .def = 1.0, .max = 3.0, .min = 0.0, .step = 1.0, .kind = KindIntervalUnitsList, .key = "FixIntervalUnits", .column = ColumnByte, .width = 1, .label = "GPS Fix Interval Units", .offer = ComboOffer::FromSecondWithArgos},
    {.page = Page::Schedule, .mask = Access::Everyone, .def = 0.0, .max = 1.0, .min = 0.0, .step = 1.0, .kind = KindFlag, .key = "SeasonType", .column = ColumnByte, .width = 1, .label = "Day Of Year Check"},
    {.page = Page::Schedule, .mask = Access::Everyone, .def = 1.0, .max = 1.0, .min = 0.0, .step = 1.0, .kind = KindFlag, .key = "", .column = ColumnByte, .width = 1, .label = "Num Days Check", .companion = RadioCompanion::InverseOfPreviousRow},
    {.page = Page::Schedule, .mask = Access::Everyone, .def = 1.0, .max = 12.0, .min = 1.0, .step = 1.0, .kind = KindInteger, .key = "", .column = ColumnByte, .width = 1, .label = "Season"},
    {.page = Page::Schedule, .mask = Access::Everyone, .def = 1.0, .max = 365.0, .min = 0.0, .step = 1.0, .kind = KindInteger, .key = "NumberOfDays", .column = ColumnInt16, .width = 2, .label = "Length of Season/Season Start Day"},
    {.page = Page::Schedule, .mask = Access::Everyone, .def = 1.0, .max = 365.0, .min = 1.0, .step = 1.0, .kind = KindDayOfYear, .key = "", .column = ColumnInt16, .width = 2, .label = "Length of Season/Season Start Day"},
    {.page = Page::ScheduleGpsPanel, .mask = Access::Everyone, .def = 1.0, .max = 255.0, .min = 0.0, .step = 1.0, .kind = KindInteger, .key = "GpsDcbDuration", .column = ColumnByte, .width = 1, .label = "GPS Duty Cycle Block Duration (days)"},
    {.page = Page::ScheduleGpsPanel, .mask = Access::Everyone, .def = 1.0, .max = 255.0, .min = 0.0, .step = 1.0, .kind = KindInteger, .key = "GpsDcbDay_1", .column = ColumnByte, .width = 1, .label = "GPS Duty Cycle 1 - DCB Day"},
    {.page = Page::ScheduleGpsPanel, .mask = Access::Everyone, .def = 0.0, .max = 1439.0, .min = 0.0, .step = 1.0, .kind = KindHourMin, .key = "GpsStartTime_1", .column = ColumnInt16, .width = 2, .label = "GPS Duty Cycle 1 - Start Time"},
    {.page = Page::ScheduleGpsPanel, .mask = Access::Everyone, .def = 24.0, .max = 30000.0, .min = 0.0, .step = 1.0, .kind = KindInteger, .key = "GpsNumHours_1", .column = ColumnInt16, .width = 2, .label = "GPS Duty Cycle 1 - # Hours"},
    {.page = Page::ScheduleGpsPanel, .mask = Access::Everyone, .def = 60.0, .max = 255.0, .min = 0.0, .step = 1.0, .kind = KindFixInterval, .key = "GpsFixInterval_1", .column = ColumnByte, .width = 1, .label = "GPS Duty Cycle 1 - Fix Interval"},
    {.page = Page::ScheduleGpsPanel, .mask = Access::Everyone, .def = 0.0, .max = 255.0, .min = 0.0, .step = 1.0, .kind = KindInteger, .key = "GpsDcbDay_2", .column = ColumnByte, .width = 1, .label = "GPS Duty Cycle 2 - DCB Day"},
    {.page = Page::ScheduleGpsPanel, .mask = Access::Everyone, .def = 0.0, .max = 1439.0, .min = 0.0, .step = 1.0, .kind = KindHourMin, .key = "GpsStartTime_2", .column = ColumnInt16, .width = 2, .label = "GPS Duty Cycle 2 - Start Time"},
    {.page = Page::ScheduleGpsPanel, .mask = Access::Everyone, .def = 0.0, .max = 30000.0, .min = 0.0, .step = 1.0, .kind = KindInteger, .key = "GpsNumHours_2", .column = ColumnInt16, .width = 2, .label = "GPS Duty Cycle 2 - # Hours"},
    {.page = Page::ScheduleGpsPanel, .mask = Access::Everyone, .def = 0.0, .max = 255.0, .min = 0.0, .step = 1.0, .kind = KindFixInterval, .key = "GpsFixInterval_2", .column = ColumnByte, .width = 1, .label = "GPS Duty Cycle 2 - Fix Interval"},
    {.page = Page::ScheduleGpsPanel, .mask = Access::Everyone, .def = 0.0, .max = 255.0, .min = 0.0, .step = 1.0, .kind = KindInteger, .key = "GpsDcbDay_3", .column = ColumnByte, .width = 1, .label = "GPS Duty Cycle 3 - DCB Day"},
    {.page = Page::ScheduleGpsPanel, .mask = Access::Everyone, .def = 0.0, .max = 1439.0, .min = 0.0, .step = 1.0, .kind = KindHourMin, .key = "GpsStartTime_3", .column = ColumnInt16, .width = 2, .label = "GPS Duty Cycle 3 - Start Time"},
    {.page = Page::ScheduleGpsPanel, .mask = Access::Everyone, .def = 0.0, .max = 30000.0, .min = 0.0, .step = 1.0, .kind = KindInteger, .key = "GpsNumHours_3", .column = ColumnInt16, .width = 2, .label = "GPS Duty Cycle 3 - # Hours"},
    {.page = Page::ScheduleGpsPanel, .mask = Access::Everyone, .def = 0.0, .max = 255.0, .min = 0.0, .step = 1.0, .kind = KindFixInterval, .key = "GpsFixInterval_3", .column = ColumnByte, .width = 1, .label = "GPS Duty Cycle 3 - Fix Interval"},
    {.page = Page::ScheduleTransmitterPanel, .mask = Access::Everyone, .def = 1.0, .max = 255.0, .min = 0.0, .step = 1.0, .kind = KindInteger, .key = "ArgosDcbDuration", .column = ColumnByte, .width = 1, .label = "Xmittr Duty Cycle Block Duration (days)"},
    {.page = Page::ScheduleTransmitterPanel, .mask = Access::Everyone, .def = 1.0, .max = 255.0, .min = 0.0, .step = 1.0, .kind = KindInteger, .key = "ArgosDcbDay_1", .column = ColumnByte, .width = 1, .label = "Xmittr Duty Cycle 1 - DCB Day"},
    {.page = Page::ScheduleTransmitterPanel, .mask = Access::Everyone, .def = 360.0, .max = 1439.0, .min = 0.0, .step = 1.0, .kind = KindHourMin, .key = "ArgosStartTime_1", .column = ColumnInt16, .width = 2, .label = "Xmittr Duty Cycle 1 - Start Time"},
    {.page = Page::ScheduleTransmitterPanel, .mask = Access::Everyone, .def = 6.0, .max = 30000.0, .min = 0.0, .step = 1.0, .kind = KindInteger, .key = "ArgosNumHours_1", .column = ColumnInt16, .width = 2, .label = "Xmittr Duty Cycle 1 - # Hours"},
    {.page = Page::ScheduleTransmitterPanel, .mask = Access::Everyone, .def = 0.0, .max = 255.0, .min = 0.0, .step = 1.0, .kind = KindInteger, .key = "ArgosDcbDay_2", .column = ColumnByte, .width = 1, .label = "Xmittr Duty Cycle 2 - DCB Day"},
    {.page = Page::ScheduleTransmitterPanel, .mask = Access::Everyone, .def = 0.0, .max = 1439.0, .min = 0.0, .step = 1.0, .kind = KindHourMin, .key = "ArgosStartTime_2", .column = ColumnInt16, .width = 2, .label = "Xmittr Duty Cycle 2 - Start Time"},
    {.page = Page::ScheduleTransmitterPanel, .mask = Access::Everyone, .def = 0.0, .max = 30000.0, .min = 0.0, .step = 1.0, .kind = KindInteger, .key = "ArgosNumHours_2", .column = ColumnInt16, .width = 2, .label = "Xmittr Duty Cycle 2 - # Hours"},
    {.page = Page::ScheduleTransmitterPanel, .mask = Access::Everyone, .def = 0.0, .max = 255.0, .min = 0.0, .step = 1.0, .kind = KindInteger, .key = "ArgosDcbDay_3", .column = ColumnByte, .width = 1, .label = "Xmittr Duty Cycle 3 - DCB Day"},
    {.page = Page::ScheduleTransmitterPanel, .mask = Access::Everyone, .def = 0.0, .max = 1439.0, .min = 0.0, .step = 1.0, .kind = KindHourMin, .key = "ArgosStartTime_3", .column = ColumnInt16, .width = 2, .label = "Xmittr Cycle 3 - Start Time"},
    {.page = Page::ScheduleTransmitterPanel, .mask = Access::Everyone, .def = 0.0, .max = 30000.0, .min = 0.0, .step = 1.0, .kind = KindInteger, .key = "ArgosNumHours_3", .column = ColumnInt16, .width = 2, .label = "Xmittr Cycle 3 - # Hours"},
};

constexpr Row kStringRows[] = {
    {.page = Page::Main, .mask = Access::Everyone, .kind = KindText, .key = "JobNumber", .column = ColumnText, .width = 40, .label = "Job Number"},
    {.page = Page::Main, .mask = Access::Everyone, .kind = KindText, .key = "CtnNumber", .column = ColumnText, .width = 40, .label = "CTN Number"},
    {.page = Page::Main, .mask = Access::Everyone, .kind = KindStatusList, .key = "DevStatus", .column = ColumnText, .width = 40, .label = "Device Status"},
    {.page = Page::Main, .mask = Access::Everyone, .kind = KindText, .key = "Notes", .column = ColumnText, .width = 240, .label = "Notes"},
    {.page = Page::Main, .mask = Access::Everyone, .kind = KindText, .key = "Customer", .column = ColumnText, .width = 25, .label = "Customer Name"},
    {.page = Page::Transmitter, .mask = Access::Everyone, .kind = KindText, .key = "IDHexValue", .column = ColumnText, .width = 40, .label = "ID Hex Value"},
    {.page = Page::GpsParms, .mask = Access::Everyone, .kind = KindFirmwareHex, .key = "FenmodFwVer", .column = ColumnText, .width = 18, .label = "Fenmod firmware version text"},
    {.page = Page::GpsParms, .mask = Access::Everyone, .kind = KindFirmwareHex, .key = "RtcPicFwVer", .column = ColumnText, .width = 18, .label = "RTC PIC firmware version text"},
    {.page = Page::GpsParms, .mask = Access::Everyone, .kind = KindFirmwareHex, .key = "CmdRecFwVer", .column = ColumnText, .width = 18, .label = "Command Receiver firmware version text"},
    {.page = Page::GpsParms, .mask = Access::Everyone, .kind = KindFirmwareHex, .key = "MiscDevFwVer", .column = ColumnText, .width = 18, .label = "Misc. Device firmware version text"},
    {.page = Page::GpsParms, .mask = Access::Everyone, .kind = KindFirmwareDate, .key = "NavProcFwVer", .column = ColumnText, .width = 18, .label = "Nav Proc firmware version text"},
    {.page = Page::GpsParms, .mask = Access::Everyone, .kind = KindFirmwareDate, .key = "SigProcFwVer", .column = ColumnText, .width = 18, .label = "Signal Proc firmware version text"},
    {.page = Page::Main, .mask = Access::Everyone, .kind = KindText, .key = "CoordSignoff", .column = ColumnText, .width = 25, .label = "Coordinator Signoff"},
    {.page = Page::Main, .mask = Access::Everyone, .kind = KindText, .key = "CoordSignoffDate", .column = ColumnText, .width = 25, .label = "Coordinator Signoff Date"},
    {.page = Page::Main, .mask = Access::Everyone, .kind = KindText, .key = "ProgrammedBy", .column = ColumnText, .width = 25, .label = "Programmed By"},
    {.page = Page::Main, .mask = Access::Everyone, .kind = KindText, .key = "ProgByDate", .column = ColumnText, .width = 25, .label = "Programmed By Date"},
    {.page = Page::Main, .mask = Access::Everyone, .kind = KindText, .key = "", .column = ColumnText, .width = 25, .label = "User Name"},
    {.page = Page::Main, .mask = Access::Everyone, .kind = KindText, .key = "", .column = ColumnText, .width = 25, .label = "User Access Level"},
    {.page = Page::TransmitterNetwork, .mask = Access::Everyone, .step = 1, .kind = KindText, .key = "NetIPAddr", .column = ColumnText, .width = 18, .label = "Network IP Address"},
    {.page = Page::TransmitterNetwork, .mask = Access::Everyone, .step = 1, .kind = KindText, .key = "IPSubMask", .column = ColumnText, .width = 18, .label = "IP Sub Net Mask"},
    {.page = Page::FactParms, .mask = Access::CoordinatorAndEngineer, .kind = KindText, .key = "FactSysCTN", .column = ColumnText, .width = 18, .label = "Factory System CTN"},
    {.page = Page::FactParms, .mask = Access::CoordinatorAndEngineer, .kind = KindText, .key = "FactContrCTN", .column = ColumnText, .width = 18, .label = "Factory Controller CTN"},
    {.page = Page::FactParms, .mask = Access::CoordinatorAndEngineer, .kind = KindText, .key = "FactRecCTN", .column = ColumnText, .width = 18, .label = "Factory Receiver CTN"},
    {.page = Page::FactParms, .mask = Access::CoordinatorAndEngineer, .kind = KindText, .key = "FactXmtCTN", .column = ColumnText, .width = 18, .label = "Factory Xmitter CTN"},
    {.page = Page::FactParms, .mask = Access::CoordinatorAndEngineer, .kind = KindText, .key = "FactBcnCTN", .column = ColumnText, .width = 18, .label = "Factory Beacon CTN"},
    {.page = Page::FactParms, .mask = Access::CoordinatorAndEngineer, .kind = KindText, .key = "FactMiscCTN", .column = ColumnText, .width = 18, .label = "Factory Misc. CTN"},
    {.page = Page::FactParms, .mask = Access::CoordinatorAndEngineer, .kind = KindText, .key = "MACAddress", .column = ColumnText, .width = 18, .label = "MAC Address"},
    {.page = Page::FactParms, .mask = Access::CoordinatorAndEngineer, .kind = KindText, .key = "SSTNotes", .column = ColumnText, .width = 240, .label = "SST Notes"},
    {.page = Page::Beacon, .mask = Access::UsersSeeCoordinatorEdits, .step = 1, .kind = KindText, .key = "VHFPattern1", .column = ColumnText, .width = 18, .label = "VHF Pattern Map 1"},
    {.page = Page::Beacon, .mask = Access::UsersSeeCoordinatorEdits, .step = 1, .kind = KindText, .key = "VHFPattern2", .column = ColumnText, .width = 18, .label = "VHF Pattern Map 2"},
    {.page = Page::Beacon, .mask = Access::UsersSeeCoordinatorEdits, .step = 1, .kind = KindText, .key = "VHFPattern3", .column = ColumnText, .width = 18, .label = "VHF Pattern Map 3"},
    {.page = Page::Beacon, .mask = Access::UsersSeeEngineerEdits, .step = 1, .kind = KindText, .key = "VHFPattern4", .column = ColumnText, .width = 18, .label = "VHF Pattern Map 4"},
    {.page = Page::Beacon, .mask = Access::UsersSeeEngineerEdits, .step = 1, .kind = KindText, .key = "VHFPattern5", .column = ColumnText, .width = 18, .label = "VHF Pattern Map 5"},
    {.page = Page::Beacon, .mask = Access::UsersSeeCoordinatorEdits, .step = 1, .kind = KindText, .key = "VHFPattern6", .column = ColumnText, .width = 18, .label = "VHF Pattern Map 6"},
    {.page = Page::Beacon, .mask = Access::UsersSeeEngineerEdits, .step = 1, .kind = KindText, .key = "VHFPattern7", .column = ColumnText, .width = 18, .label = "VHF Pattern Map 7"},
    {.page = Page::Beacon, .mask = Access::UsersSeeEngineerEdits, .step = 1, .kind = KindText, .key = "VHFPattern8", .column = ColumnText, .width = 18, .label = "VHF Pattern Map 8"},
};

constexpr ControlRow kControlRows[] = {
    {.page = Page::Main, .mask = Access::StaffSeeEngineerEdits, .labelled = false},
    {.page = Page::Main, .mask = Access::CoordinatorAndEngineer, .labelled = false},
    {.page = Page::GpsParms, .mask = Access::Everyone, .labelled = false},
    {.page = Page::GpsParms, .mask = Access::EngineerOnly, .labelled = false},
    {.page = Page::GpsParms, .mask = Access::Everyone, .labelled = false},
    {.page = Page::GpsParms, .mask = Access::Everyone, .labelled = false},
    {.page = Page::Beacon, .mask = Access::Nobody, .labelled = false},
    {.page = Page::Schedule, .mask = Access::Everyone, .labelled = false},
    {.page = Page::Schedule, .mask = Access::Everyone, .labelled = false},
    {.page = Page::Schedule, .mask = Access::Everyone, .labelled = false},
    {.page = Page::Schedule, .mask = Access::Everyone, .labelled = false},
    {.page = Page::Schedule, .mask = Access::Everyone, .labelled = false},
    {.page = Page::Schedule, .mask = Access::Everyone, .labelled = false},
    {.page = Page::Schedule, .mask = Access::Everyone, .labelled = false},
    {.page = Page::Schedule, .mask = Access::Everyone, .labelled = false},
    {.page = Page::Schedule, .mask = Access::Everyone, .labelled = false},
    {.page = Page::Schedule, .mask = Access::Everyone, .labelled = false},
    {.page = Page::Schedule, .mask = Access::Everyone, .labelled = false},
    {.page = Page::Schedule, .mask = Access::Everyone, .labelled = false},
    {.page = Page::Schedule, .mask = Access::Everyone, .labelled = false},
    {.page = Page::Schedule, .mask = Access::Everyone, .labelled = false},
    {.page = Page::Schedule, .mask = Access::Everyone, .labelled = false},
    {.page = Page::Schedule, .mask = Access::Everyone, .labelled = false},
    {.page = Page::AdvancedDialog, .mask = Access::UsersSeeStaffEdits, .labelled = false},
    {.page = Page::ComPortDialog, .mask = Access::Everyone, .labelled = true},
    {.page = Page::ComPortDialog, .mask = Access::UsersSeeEngineerEdits, .labelled = true},
    {.page = Page::ComPortDialog, .mask = Access::UsersSeeEngineerEdits, .labelled = true},
    {.page = Page::ComPortDialog, .mask = Access::UsersSeeEngineerEdits, .labelled = true},
    {.page = Page::ComPortDialog, .mask = Access::UsersSeeEngineerEdits, .labelled = true},
    {.page = Page::ComPortDialog, .mask = Access::Everyone, .labelled = true},
    {.page = Page::Main, .mask = Access::Staff, .labelled = true},
    {.page = Page::ComPortDialog, .mask = Access::Everyone, .labelled = false},
    {.page = Page::FactParms, .mask = Access::EngineerOnly, .labelled = true},
    {.page = Page::FactParms, .mask = Access::EngineerOnly, .labelled = true},
    {.page = Page::Main, .mask = Access::Nobody, .labelled = false},
    {.page = Page::Main, .mask = Access::EngineerOnly, .labelled = true},
    {.page = Page::Main, .mask = Access::Everyone, .labelled = false},
    {.page = Page::Main, .mask = Access::Everyone, .labelled = false},
    {.page = Page::Main, .mask = Access::Everyone, .labelled = false},
    {.page = Page::Main, .mask = Access::Everyone, .labelled = false},
    {.page = Page::Main, .mask = Access::Everyone, .labelled = false},
    {.page = Page::Main, .mask = Access::Everyone, .labelled = false},
    {.page = Page::Main, .mask = Access::Everyone, .labelled = false},
    {.page = Page::Main, .mask = Access::Everyone, .labelled = false},
    {.page = Page::Main, .mask = Access::Everyone, .labelled = false},
    {.page = Page::Main, .mask = Access::Everyone, .labelled = false},
    {.page = Page::Main, .mask = Access::Everyone, .labelled = false},
    {.page = Page::Main, .mask = Access::Nobody, .labelled = true},
    {.page = Page::Main, .mask = Access::StaffSeeProductionEdits, .labelled = true},
};
// clang-format on

constexpr auto kGeneral = definitionsOf(kGeneralTableBase, kGeneralRows);
constexpr auto kSeason = definitionsOf(kSeasonTableBase, kSeasonRows);
constexpr auto kString = definitionsOf(kStringTableBase, kStringRows);
constexpr auto kControl = definitionsOf(kControlRows);

static_assert(kGeneral.size() == kGeneralCount && kSeason.size() == kSeasonCount &&
              kString.size() == kStringCount && kControl.size() == kControlCount);

}  // namespace

const ParameterDefinition* const builtinGeneralDefinitions = kGeneral.data();
const ParameterDefinition* const builtinSeasonDefinitions = kSeason.data();
const ParameterDefinition* const builtinStringDefinitions = kString.data();
const ParameterDefinition* const builtinControlDefinitions = kControl.data();
const int builtinGeneralCount = static_cast<int>(kGeneral.size());
const int builtinSeasonCount = static_cast<int>(kSeason.size());
const int builtinStringCount = static_cast<int>(kString.size());
const int builtinControlCount = static_cast<int>(kControl.size());

}  // namespace orv
