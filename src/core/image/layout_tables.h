#pragma once

// Every layout the supported firmware uses. The general and extra blocks refer
// to general parameters, the season block to season parameters; in the factory
// blocks the 32-bit rows of parameters 20..26 are the factory CTN texts and the
// MAC address, the other rows general parameters. Layouts that differ in a few
// places are joined from shared runs of rows.

#include "image/layout.h"
#include "model/definition_rows.h"

namespace orv::layouts {

namespace G = GeneralRow;
namespace S = SeasonRow;

using Rows1 = std::array<LayoutField, 1>;

// ---- General blocks ----

inline constexpr Rows1 kConfigMarker{constant(EncodingUint8, 162)};

inline constexpr std::array kStartupBitsN4{
    bits(G::PwrLevelSel, 7),      bits(G::Startup, 6), bits(G::StartupXmitFmt, 4, 3),
    bits(G::BeaconRate, 3),       zeroBits(2),         bits(G::XmitnsEnabled, 1),
    bits(G::GpsFixingEnabled, 0),
};
// No power level and no start-up choice.
inline constexpr std::array kStartupBitsN3{
    zeroBits(7, G::PwrLevelSel),
    zeroBits(6, G::Startup),
    bits(G::StartupXmitFmt, 4, 3),
    bits(G::BeaconRate, 3),
    zeroBits(2),
    bits(G::XmitnsEnabled, 1),
    bits(G::GpsFixingEnabled, 0),
};
// The network collars schedule their network instead of a transmitter.
inline constexpr std::array kStartupBitsDs{
    zeroBits(7),
    zeroBits(6),
    zeroBits(5),
    zeroBits(4),
    bits(G::BeaconRate, 3),
    zeroBits(2),
    bits(G::ScheduledNetwork, 1),
    bits(G::GpsFixingEnabled, 0),
};

// Offsets 2..23.
inline constexpr std::array kGpsSettings{
    field(G::GpsWeekThreshold, EncodingUint16), field(G::GpsWeekAdjustment, EncodingUint16),
    field(G::Dimension, EncodingUint8),         field(G::Dynamics, EncodingUint8),
    field(G::ElevAngle, EncodingFloat),         field(G::SigLevel, EncodingFloat),
    field(G::PdopMask, EncodingFloat),          field(G::PdopSw, EncodingFloat),
};

// Offsets 24..26.
inline constexpr std::array kFilters{
    field(G::PosVelFilter, EncodingUint8),
    field(G::StaticFilter, EncodingUint8),
    field(G::AltitudeFilter, EncodingUint8),
};
inline constexpr std::array kNoFilters{
    constant(EncodingUint8, 0, G::PosVelFilter),
    constant(EncodingUint8, 0, G::StaticFilter),
    constant(EncodingUint8, 0, G::AltitudeFilter),
};

// Offsets 27..47.
inline constexpr std::array kFixSettings{
    field(G::MaxHistFixes, EncodingUint8),
    field(G::SigStrengthEvalTime, EncodingUint16),
    field(G::MinAveSigStrength, EncodingFloat),
    field(G::AlmanacTimeout, EncodingUint16),
    field(G::FixTimeout, EncodingUint16),
    field(G::_3dTimeout, EncodingUint16),
    field(G::CachedFixLifetime, EncodingUint16),
    field(G::FixesToDiscard, EncodingUint16),
    constant(EncodingUint8, 5),
    field(G::NumFixRetries, EncodingUint8),
    field(G::FixRetryInverval, EncodingUint16),
};

// Offsets 48..63.
inline constexpr std::array kTransmitter{
    field(G::PttStartupHours, EncodingUint8),
    field(G::PttPriInterval, EncodingUint8),
    field(G::PttAltInterval, EncodingUint8),
    field(G::PttIdCode, EncodingUint32),
    constant(EncodingUint8, 0),
    field(G::SpecifiedPTTFreq, EncodingUint32),
    field(G::PttOscWarmup, EncodingUint16),
    field(G::PttLoopWarmup, EncodingUint16),
};
// Offsets 48..55: the ID word without its low byte, no frequency, no loop warm-up.
inline constexpr std::array kTransmitterN1{
    field(G::PttStartupHours, EncodingUint8), field(G::PttPriInterval, EncodingUint8),
    field(G::PttAltInterval, EncodingUint8),  field(G::PttIdCode, EncodingUint24),
    field(G::PttOscWarmup, EncodingUint16),
};
// Offsets 48..63.
inline constexpr std::array kNetwork{
    field(G::NetStartupHrs, EncodingUint8),      field(G::NetListenInt, EncodingUint8),
    field(G::NetConnTimeOut, EncodingUint16),    field(G::NetPacketTimeOut, EncodingUint16),
    field(G::NetETFTPPort, EncodingUint16),      field(G::NetworkIPAddressValue, EncodingUint32),
    field(G::IPSubNetMaskValue, EncodingUint32),
};

inline constexpr auto kGeneralN4A =
    joinRows(kConfigMarker, kStartupBitsN4, kGpsSettings, kFilters, kFixSettings, kTransmitter);
inline constexpr auto kGeneralN4B =
    joinRows(kConfigMarker, kStartupBitsN4, kGpsSettings, kNoFilters, kFixSettings, kTransmitter);
inline constexpr auto kGeneralN3 =
    joinRows(kConfigMarker, kStartupBitsN3, kGpsSettings, kFilters, kFixSettings, kTransmitter);
inline constexpr auto kGeneralN1 =
    joinRows(kConfigMarker, kStartupBitsN3, kGpsSettings, kFilters, kFixSettings, kTransmitterN1);
inline constexpr auto kGeneralDsA =
    joinRows(kConfigMarker, kStartupBitsDs, kGpsSettings, kFilters, kFixSettings, kNetwork);
inline constexpr auto kGeneralDsB =
    joinRows(kConfigMarker, kStartupBitsDs, kGpsSettings, kNoFilters, kFixSettings, kNetwork);

// ---- Season block, the same for all firmware and each of the 12 seasons ----

inline constexpr std::array kSeason{
    bits(S::SeasonType, 7),
    zeroBits(6),
    bits(S::FixIntervalUnits, 4, 3),
    bits(S::NextSeason, 0, 15),
    constant(EncodingUint8, 0),
    field(S::NumberOfDays, EncodingUint16),
    // GPS duty-cycle block
    field(S::GpsDcbDuration, EncodingUint8),
    constant(EncodingUint8, 0),
    field(S::GpsDcbDay_1, EncodingUint8),
    constant(EncodingUint8, 0),
    field(S::GpsStartTime_1, EncodingUint16),
    field(S::GpsNumHours_1, EncodingUint16),
    field(S::GpsDcbDay_2, EncodingUint8),
    constant(EncodingUint8, 0),
    field(S::GpsStartTime_2, EncodingUint16),
    field(S::GpsNumHours_2, EncodingUint16),
    field(S::GpsDcbDay_3, EncodingUint8),
    constant(EncodingUint8, 0),
    field(S::GpsStartTime_3, EncodingUint16),
    field(S::GpsNumHours_3, EncodingUint16),
    // transmitter duty-cycle block
    field(S::ArgosDcbDuration, EncodingUint8),
    constant(EncodingUint8, 0),
    field(S::ArgosDcbDay_1, EncodingUint8),
    constant(EncodingUint8, 0),
    field(S::ArgosStartTime_1, EncodingUint16),
    field(S::ArgosNumHours_1, EncodingUint16),
    field(S::ArgosDcbDay_2, EncodingUint8),
    constant(EncodingUint8, 0),
    field(S::ArgosStartTime_2, EncodingUint16),
    field(S::ArgosNumHours_2, EncodingUint16),
    field(S::ArgosDcbDay_3, EncodingUint8),
    constant(EncodingUint8, 0),
    field(S::ArgosStartTime_3, EncodingUint16),
    field(S::ArgosNumHours_3, EncodingUint16),
    field(S::GpsFixInterval_1, EncodingUint8),
    field(S::GpsFixInterval_2, EncodingUint8),
    field(S::GpsFixInterval_3, EncodingUint8),
    constant(EncodingUint8, 0),
};

// ---- Extra blocks ----

inline constexpr Rows1 kMaxDataXmissions{field(G::MaxDataXmissions, EncodingUint16)};
inline constexpr Rows1 kZeroByte{constant(EncodingUint8, 0)};
inline constexpr std::array kSensorBits{
    bits(G::TempSenseEnabled, 7),
    bits(G::DataCollMode, 5, 3),
    bits(G::ActivitySensePos, 4),
    bits(G::ActEventPos, 3),
};
inline constexpr std::array kSensorBitsN1{
    bits(G::TempSenseEnabled, 7),
    bits(G::ActivitySensePos, 6),
};
inline constexpr Rows1 kActivityInterval{field(G::ActivitySenseInterval, EncodingUint32)};
inline constexpr std::array kBeaconSwitch{
    field(G::VHFBeaconEnabled, EncodingUint8),
    constant(EncodingUint8, 0),
};

// Eight 10-byte groups, one per VHF pattern.
constexpr std::array<LayoutField, 48> vhfPatterns() {
    std::array<LayoutField, 48> rows{};
    for (int n = 0; n < 8; ++n) {
        const auto at = static_cast<std::size_t>(6 * n);
        rows[at + 0] = field(G::VHFPW1 + n, EncodingUint16);
        rows[at + 1] = field(G::VHFIPD1 + n, EncodingUint16);
        rows[at + 2] = field(G::VHFRpdly1 + n, EncodingUint16);
        rows[at + 3] = field(G::VHFPatternMap1 + n, EncodingUint16);
        rows[at + 4] = field(G::VHFPatternMap1Len + n, EncodingUint8);
        rows[at + 5] = field(G::VHFRcnt1 + n, EncodingUint8);
    }
    return rows;
}
inline constexpr auto kVhfPatterns = vhfPatterns();

inline constexpr std::array kThresholds{
    field(G::OOWThreshold, EncodingUint8),
    field(G::UWThreshold, EncodingUint8),
    field(G::FailsafeThreshold, EncodingUint32),
    field(G::HauloutThreshold, EncodingUint32),
};
inline constexpr std::array kPnTail{
    constant(EncodingUint8, 0),
    bits(G::PNTimeEncode, 7),
    field(G::PNSeedValue, EncodingUint16),
};
inline constexpr std::array kNetworkTail{
    constant(EncodingUint8, 5),
    field(G::NetHoldoff, EncodingUint8),
};

inline constexpr auto kExtraN4 = joinRows(kMaxDataXmissions, kSensorBits, kZeroByte, kActivityInterval,
                                          kBeaconSwitch, kVhfPatterns, kThresholds, kPnTail);
inline constexpr auto kExtraN3 = joinRows(kMaxDataXmissions, kSensorBits, kZeroByte, kActivityInterval,
                                          kBeaconSwitch, kVhfPatterns, kThresholds, kZeroByte, kZeroByte);
inline constexpr auto kExtraDs = joinRows(kSensorBits, kZeroByte, kActivityInterval, kBeaconSwitch,
                                          kVhfPatterns, kThresholds, kNetworkTail);
inline constexpr auto kExtraN1 =
    joinRows(kMaxDataXmissions, kSensorBitsN1, kZeroByte, kActivityInterval, kZeroByte);

// ---- Factory blocks ----

inline constexpr std::array kFactoryMarker{
    constant(EncodingUint8, 163),
    constant(EncodingUint8, 0),
};
inline constexpr std::array kFactoryCtns{
    field(StringRow::FactSysCTN, EncodingUint32), field(StringRow::FactContrCTN, EncodingUint32),
    field(StringRow::FactRecCTN, EncodingUint32), field(StringRow::FactXmtCTN, EncodingUint32),
    field(StringRow::FactBcnCTN, EncodingUint32), field(StringRow::FactMiscCTN, EncodingUint32),
};
inline constexpr Rows1 kMacAddress{field(StringRow::MACAddress, EncodingUint32)};
inline constexpr std::array kReceiverBits{
    bits(G::XmitEncryption, 7), bits(G::DiffCorrection, 6), bits(G::PosVelFilter, 5),
    bits(G::StaticFilter, 4),   bits(G::AltitudeFilter, 3),
};
inline constexpr std::array kReceiverBitsNoEncryption{
    zeroBits(7, G::XmitEncryption), bits(G::DiffCorrection, 6), bits(G::PosVelFilter, 5),
    bits(G::StaticFilter, 4),       bits(G::AltitudeFilter, 3),
};
inline constexpr std::array kHardwareBits{
    bits(G::InstReedSw, 7),         bits(G::InstHgSw, 6),      bits(G::InstSWSw, 5),
    bits(G::XmitterEnblType, 3, 3), bits(G::BeaconType, 1, 3), bits(G::SynthSel, 0),
};
inline constexpr std::array kHardwareBitsNoSynth{
    bits(G::InstReedSw, 7),         bits(G::InstHgSw, 6),      bits(G::InstSWSw, 5),
    bits(G::XmitterEnblType, 3, 3), bits(G::BeaconType, 1, 3), zeroBits(0, G::SynthSel),
};
inline constexpr std::array kFactoryPad4{
    constant(EncodingUint8, 0),
    constant(EncodingUint8, 0),
    constant(EncodingUint8, 0),
    constant(EncodingUint8, 0),
};
inline constexpr std::array kNetworkRadio{
    field(G::DiscOffset, EncodingUint8),
    field(G::PaPwrLvl, EncodingUint8),
    constant(EncodingUint16, 0),
};
inline constexpr std::array kFactoryPad28{
    constant(EncodingUint32, 0), constant(EncodingUint32, 0), constant(EncodingUint32, 0),
    constant(EncodingUint32, 0), constant(EncodingUint32, 0), constant(EncodingUint32, 0),
    constant(EncodingUint32, 0),
};
inline constexpr Rows1 kDiscOffset{field(G::DiscOffset, EncodingUint8)};

inline constexpr auto kFactoryN4B =
    joinRows(kFactoryMarker, kFactoryCtns, kReceiverBits, kHardwareBits, kFactoryPad4);
inline constexpr auto kFactoryN4A =
    joinRows(kFactoryMarker, kFactoryCtns, kReceiverBits, kHardwareBitsNoSynth, kFactoryPad4);
inline constexpr auto kFactoryDsB = joinRows(kFactoryMarker, kFactoryCtns, kReceiverBitsNoEncryption,
                                             kHardwareBitsNoSynth, kMacAddress, kNetworkRadio, kFactoryPad28);
inline constexpr auto kFactoryDsA =
    joinRows(kFactoryMarker, kFactoryCtns, kMacAddress, kDiscOffset, kHardwareBitsNoSynth);

// The block sizes the collars expect.
static_assert(blockSize(kGeneralN4A, PackingRule::Configuration) == 64);
static_assert(blockSize(kGeneralN4B, PackingRule::Configuration) == 64);
static_assert(blockSize(kGeneralN3, PackingRule::Configuration) == 64);
static_assert(blockSize(kGeneralN1, PackingRule::Configuration) == 56);
static_assert(blockSize(kGeneralDsA, PackingRule::Configuration) == 64);
static_assert(blockSize(kGeneralDsB, PackingRule::Configuration) == 64);
static_assert(blockSize(kSeason, PackingRule::Configuration) == 48);
static_assert(blockSize(kExtraN4, PackingRule::Configuration) == 104);
static_assert(blockSize(kExtraN3, PackingRule::Configuration) == 102);
static_assert(blockSize(kExtraDs, PackingRule::Configuration) == 100);
static_assert(blockSize(kExtraN1, PackingRule::Configuration) == 9);
static_assert(blockSize(kFactoryN4B, PackingRule::Factory) == 32);
static_assert(blockSize(kFactoryN4A, PackingRule::Factory) == 32);
static_assert(blockSize(kFactoryDsB, PackingRule::Factory) == 64);
static_assert(blockSize(kFactoryDsA, PackingRule::Factory) == 32);

}  // namespace orv::layouts
