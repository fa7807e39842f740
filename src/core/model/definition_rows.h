#pragma once

// Row indices of the definition tables, by key (or, for keyless rows, by the
// label spelled as a name; the control rows by what they are). A row's index is its position: the lists below are
// in table order, and a test holds every name to the key or label of its row.

namespace orv {

// clang-format off
#define ORV_GENERAL_ROWS(ROW) \
    ROW(Dimension) \
    ROW(Dynamics) \
    ROW(StartupXmitFmt) \
    ROW(XmitterType) \
    ROW(XmitterEnblType) \
    ROW(BeaconRate) \
    ROW(DataCollMode) \
    ROW(ArgosCh) \
    ROW(BrazilCh) \
    ROW(BeaconType) \
    ROW(Startup) \
    ROW(DiffCorrection) \
    ROW(PosVelFilter) \
    ROW(StaticFilter) \
    ROW(AltitudeFilter) \
    ROW(GpsFixingEnabled) \
    ROW(XmitnsEnabled) \
    ROW(SWSEnabled) \
    ROW(ScheduledNetwork) \
    ROW(VHFBeaconEnabled) \
    ROW(NetHoldoffEnabled) \
    ROW(XmitEncryption) \
    ROW(InstReedSw) \
    ROW(InstHgSw) \
    ROW(InstSWSw) \
    ROW(SynthOld) \
    ROW(SynthSel) \
    ROW(PowerLevelHalfWatt) \
    ROW(PwrLevelSel) \
    ROW(SelectSpecificFrequency) \
    ROW(SelectTableFrequency) \
    ROW(SelectTableChannel) \
    ROW(TimeEncodeTypeNone) \
    ROW(TimeEncodeType1) \
    ROW(TimeEncodeType2) \
    ROW(TimeEncode) \
    ROW(PNTimeEncode) \
    ROW(TempSenseEnabled) \
    ROW(ActivitySensingPositional) \
    ROW(ActivitySensePos) \
    ROW(ActivityEventPositionHigh) \
    ROW(ActEventPos) \
    ROW(ElevAngle) \
    ROW(SigLevel) \
    ROW(PdopMask) \
    ROW(PdopSw) \
    ROW(AlmanacTimeout) \
    ROW(FixTimeout) \
    ROW(_3dTimeout) \
    ROW(PttIdCode) \
    ROW(RootIDCode) \
    ROW(ExtensionAndProtectionCode) \
    ROW(PttPriInterval) \
    ROW(PttAltInterval) \
    ROW(PttStartupHours) \
    ROW(PttOscWarmup) \
    ROW(PttLoopWarmup) \
    ROW(MaxHistFixes) \
    ROW(MaxDataXmissions) \
    ROW(OOWThreshold) \
    ROW(UWThreshold) \
    ROW(FailsafeThreshold) \
    ROW(HauloutThreshold) \
    ROW(SpecifiedPTTFreq) \
    ROW(SelectFreqIndex) \
    ROW(PNSeedValue) \
    ROW(StartYear) \
    ROW(DiscOffset) \
    ROW(PaPwrLvl) \
    ROW(NetStartupHrs) \
    ROW(NetListenInt) \
    ROW(NetConnTimeOut) \
    ROW(NetPacketTimeOut) \
    ROW(NetETFTPPort) \
    ROW(NetworkIPAddressValue) \
    ROW(IPSubNetMaskValue) \
    ROW(NetHoldoff) \
    ROW(NumFixRetries) \
    ROW(FixRetryInverval) \
    ROW(SigStrengthEvalTime) \
    ROW(MinAveSigStrength) \
    ROW(GpsWeekThreshold) \
    ROW(GpsWeekAdjustment) \
    ROW(CachedFixLifetime) \
    ROW(FixesToDiscard) \
    ROW(BaseStationElevMaskAngle) \
    ROW(BaseStationDistance) \
    ROW(VHFPW1) \
    ROW(VHFPW2) \
    ROW(VHFPW3) \
    ROW(VHFPW4) \
    ROW(VHFPW5) \
    ROW(VHFPW6) \
    ROW(VHFPW7) \
    ROW(VHFPW8) \
    ROW(VHFIPD1) \
    ROW(VHFIPD2) \
    ROW(VHFIPD3) \
    ROW(VHFIPD4) \
    ROW(VHFIPD5) \
    ROW(VHFIPD6) \
    ROW(VHFIPD7) \
    ROW(VHFIPD8) \
    ROW(VHFRpdly1) \
    ROW(VHFRpdly2) \
    ROW(VHFRpdly3) \
    ROW(VHFRpdly4) \
    ROW(VHFRpdly5) \
    ROW(VHFRpdly6) \
    ROW(VHFRpdly7) \
    ROW(VHFRpdly8) \
    ROW(VHFPatternMap1) \
    ROW(VHFPatternMap2) \
    ROW(VHFPatternMap3) \
    ROW(VHFPatternMap4) \
    ROW(VHFPatternMap5) \
    ROW(VHFPatternMap6) \
    ROW(VHFPatternMap7) \
    ROW(VHFPatternMap8) \
    ROW(VHFPatternMap1Len) \
    ROW(VHFPatternMap2Len) \
    ROW(VHFPatternMap3Len) \
    ROW(VHFPatternMap4Len) \
    ROW(VHFPatternMap5Len) \
    ROW(VHFPatternMap6Len) \
    ROW(VHFPatternMap7Len) \
    ROW(VHFPatternMap8Len) \
    ROW(VHFRcnt1) \
    ROW(VHFRcnt2) \
    ROW(VHFRcnt3) \
    ROW(VHFRcnt4) \
    ROW(VHFRcnt5) \
    ROW(VHFRcnt6) \
    ROW(VHFRcnt7) \
    ROW(VHFRcnt8) \
    ROW(ActivitySenseInterval) \
    ROW(SimulationYears)

#define ORV_SEASON_ROWS(ROW) \
    ROW(NextSeason) \
    ROW(FixIntervalUnits) \
    ROW(SeasonType) \
    ROW(NumDaysCheck) \
    ROW(Season) \
    ROW(NumberOfDays) \
    ROW(LengthOfSeasonSeasonStartDay) \
    ROW(GpsDcbDuration) \
    ROW(GpsDcbDay_1) \
    ROW(GpsStartTime_1) \
    ROW(GpsNumHours_1) \
    ROW(GpsFixInterval_1) \
    ROW(GpsDcbDay_2) \
    ROW(GpsStartTime_2) \
    ROW(GpsNumHours_2) \
    ROW(GpsFixInterval_2) \
    ROW(GpsDcbDay_3) \
    ROW(GpsStartTime_3) \
    ROW(GpsNumHours_3) \
    ROW(GpsFixInterval_3) \
    ROW(ArgosDcbDuration) \
    ROW(ArgosDcbDay_1) \
    ROW(ArgosStartTime_1) \
    ROW(ArgosNumHours_1) \
    ROW(ArgosDcbDay_2) \
    ROW(ArgosStartTime_2) \
    ROW(ArgosNumHours_2) \
    ROW(ArgosDcbDay_3) \
    ROW(ArgosStartTime_3) \
    ROW(ArgosNumHours_3)

#define ORV_STRING_ROWS(ROW) \
    ROW(JobNumber) \
    ROW(CtnNumber) \
    ROW(DevStatus) \
    ROW(Notes) \
    ROW(Customer) \
    ROW(IDHexValue) \
    ROW(FenmodFwVer) \
    ROW(RtcPicFwVer) \
    ROW(CmdRecFwVer) \
    ROW(MiscDevFwVer) \
    ROW(NavProcFwVer) \
    ROW(SigProcFwVer) \
    ROW(CoordSignoff) \
    ROW(CoordSignoffDate) \
    ROW(ProgrammedBy) \
    ROW(ProgByDate) \
    ROW(UserName) \
    ROW(UserAccessLevel) \
    ROW(NetIPAddr) \
    ROW(IPSubMask) \
    ROW(FactSysCTN) \
    ROW(FactContrCTN) \
    ROW(FactRecCTN) \
    ROW(FactXmtCTN) \
    ROW(FactBcnCTN) \
    ROW(FactMiscCTN) \
    ROW(MACAddress) \
    ROW(SSTNotes) \
    ROW(VHFPattern1) \
    ROW(VHFPattern2) \
    ROW(VHFPattern3) \
    ROW(VHFPattern4) \
    ROW(VHFPattern5) \
    ROW(VHFPattern6) \
    ROW(VHFPattern7) \
    ROW(VHFPattern8)

// clang-format on

namespace detail {
#define ORV_ROW_POSITION(name) name,
enum class GeneralPosition : int { ORV_GENERAL_ROWS(ORV_ROW_POSITION) Count };
enum class SeasonPosition : int { ORV_SEASON_ROWS(ORV_ROW_POSITION) Count };
enum class StringPosition : int { ORV_STRING_ROWS(ORV_ROW_POSITION) Count };
#undef ORV_ROW_POSITION
}  // namespace detail

namespace GeneralRow {
#define ORV_ROW_CONSTANT(name) inline constexpr int name = static_cast<int>(detail::GeneralPosition::name);
ORV_GENERAL_ROWS(ORV_ROW_CONSTANT)
#undef ORV_ROW_CONSTANT
inline constexpr int Count = static_cast<int>(detail::GeneralPosition::Count);
}  // namespace GeneralRow

namespace SeasonRow {
#define ORV_ROW_CONSTANT(name) inline constexpr int name = static_cast<int>(detail::SeasonPosition::name);
ORV_SEASON_ROWS(ORV_ROW_CONSTANT)
#undef ORV_ROW_CONSTANT
inline constexpr int Count = static_cast<int>(detail::SeasonPosition::Count);
}  // namespace SeasonRow

namespace StringRow {
#define ORV_ROW_CONSTANT(name) inline constexpr int name = static_cast<int>(detail::StringPosition::name);
ORV_STRING_ROWS(ORV_ROW_CONSTANT)
#undef ORV_ROW_CONSTANT
inline constexpr int Count = static_cast<int>(detail::StringPosition::Count);
}  // namespace StringRow

// The rows of the control table: buttons, frames, labels and combos that take
// their access mask from the table. A group of labels is named by its first row.
namespace ControlRow {
// Main window: the "Change" buttons beside the Job and the CTN.
inline constexpr int ChangeJob = 0;
inline constexpr int ChangeCtn = 1;
// GPS Parms: the buttons opening the "Elevation Angle Mask" and "Advanced
// Parameters" dialogs, and the frames around the GPS and the PTT parameters.
inline constexpr int ElevationButton = 2;
inline constexpr int AdvancedButton = 3;
inline constexpr int GpsFrame = 4;
inline constexpr int PttFrame = 5;
// Beacon: the button starting the beacon configuration program.
inline constexpr int BeaconProgramButton = 6;
// Schedule: the season frame, and frame, row and column labels of the two duty-cycle grids.
inline constexpr int SeasonFrame = 7;
inline constexpr int GpsGridFrame = 8;
inline constexpr int GpsGridRowLabels = 9;      // three
inline constexpr int GpsGridColumnLabels = 12;  // four
inline constexpr int TransmitterGridFrame = 16;
inline constexpr int TransmitterGridRowLabels = 17;     // three
inline constexpr int TransmitterGridColumnLabels = 20;  // three
// "Advanced Parameters" dialog: the frame around its parameters.
inline constexpr int AdvancedFrame = 23;
// "COM Port Parameters" dialog: the combos with their labels, and the single-pin I/O button.
inline constexpr int PortCombo = 24;
inline constexpr int BaudRateCombo = 25;
inline constexpr int ParityCombo = 26;
inline constexpr int DataBitsCombo = 27;
inline constexpr int StopBitsCombo = 28;
inline constexpr int VoltageCombo = 29;
inline constexpr int SinglePinButton = 31;
// Main window: the Range combo with its label.
inline constexpr int Range = 30;
// Fact. Parms: "Read Factory Parameters" and "Program Factory Parameters".
inline constexpr int ReadFactoryButton = 32;
inline constexpr int ProgramFactoryButton = 33;
// Main window: its buttons and the frames around the database and device buttons.
inline constexpr int DatabaseUtility = 34;
inline constexpr int GetDefaults = 35;
inline constexpr int DatabaseFrame = 36;
inline constexpr int Save = 37;
inline constexpr int Read = 38;
inline constexpr int Delete = 39;
inline constexpr int Export = 40;
inline constexpr int Import = 41;
inline constexpr int DeviceFrame = 42;
inline constexpr int ReadDevice = 43;
inline constexpr int WriteDevice = 44;
inline constexpr int ComPort = 45;
inline constexpr int Print = 46;
inline constexpr int Clock = 47;
inline constexpr int Shutdown = 48;
inline constexpr int Count = 49;
}  // namespace ControlRow

}  // namespace orv
