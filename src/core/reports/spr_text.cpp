// The software programming report text, line by line in its fixed order.

#include "reports/spr_text.h"

#include <algorithm>
#include <string>

#include "app/text_helpers.h"
#include "model/format_value.h"
#include "model/transmitter_type.h"
#include "reports/report_text.h"
#include "reports/reports_messages.h"

namespace orv {

namespace {

constexpr const char* kApplicationTitle = "Halvorn Orv - Vosk  v3.07";
constexpr const char* kSeparator = "--------------------------------------------------------------------";
constexpr const char* kGroupDisabled = "    Disabled";

// Reads the record the way every report line needs it.
class SprWriter {
public:
    SprWriter(const ParameterRecord& record, std::string& text) : record(record), text(text) {}

    double value(int row) const { return record.general(row); }
    int integer(int row) const { return reportInt(value(row)); }
    bool set(int row) const { return value(row) != 0.0; }
    const char* str(int row) const { return record.text(row).c_str(); }
    const char* enabled(int row) const { return set(row) ? "Enabled" : "Disabled"; }
    // The text of the value in the parameter's enumerated list ("" outside it).
    std::string listText(int row) const { return formatValue(value(row), generalDefinitions()[row].kind); }

    void line(const char* literal) { appendReportLine(text, "%s", literal); }
    // The label and "%7d:%02d": seconds as minutes:seconds, or minutes as hours:minutes.
    void sixtieths(const char* label, int row) {
        const int v = integer(row);
        appendReportLine(text, "%s %7d:%02d", label, v / 60, v % 60);
    }

    const ParameterRecord& record;
    std::string& text;
};

constexpr const char* kCtnLineLead = "     CTN/Sequence #:  '";

void appendHeader(SprWriter& w, const std::string& titleSuffix) {
    const std::string title = titleSuffix.empty() ? "" : "                    -- " + titleSuffix + " -- ";
    appendReportLine(w.text, "* * * * * Halvorn Inc. Software Programming Report * * * * * %s",
                     title.c_str());
    appendReportLine(w.text, "%s", kApplicationTitle);
    w.line(kBlankLine);
    appendReportLine(w.text, "%s%s'", kCtnLineLead, w.str(StringRow::CtnNumber));
    appendReportLine(w.text, "              JOB #:  '%s'", w.str(StringRow::JobNumber));
    w.line(kBlankLine);
    appendReportLine(w.text, "      Customer Name:   %s", w.str(StringRow::Customer));
    w.line(kBlankLine);
    appendReportLine(w.text, "Coordinator Signoff:   %s  --  %s", w.str(StringRow::CoordSignoff),
                     w.str(StringRow::CoordSignoffDate));
    appendReportLine(w.text, "      Programmed By:   %s  --  %s", w.str(StringRow::ProgrammedBy),
                     w.str(StringRow::ProgByDate));
    w.line(kBlankLine);
    for (const auto& note : sprNoteLines(w.record.text(StringRow::Notes))) w.line(note.c_str());
    w.line(kBlankLine);
    appendReportLine(w.text, "  Firmware versions:                 Fenmod:  %s",
                     w.str(StringRow::FenmodFwVer));
    appendReportLine(w.text, "                                    RTC PIC:  %s",
                     w.str(StringRow::RtcPicFwVer));
    appendReportLine(w.text, "                            VHF Beacon Xmtr:  %s",
                     w.str(StringRow::MiscDevFwVer));
    // The two processor lines pair their labels and texts crosswise, as the report always has.
    appendReportLine(w.text, "                   Trimble Signal Processor:  %s",
                     w.str(StringRow::NavProcFwVer));
    appendReportLine(w.text, "                     Trimble Nav. Processor:  %s",
                     w.str(StringRow::SigProcFwVer));
}

void appendHardware(SprWriter& w) {
    w.line(kSeparator);
    w.line("Hardware Information:");
    static constexpr const char* kTransmitters[] = {
        "   Transmitter ..............................       None",
        "   Transmitter ............................. ARGOS Petrel",
        "   Transmitter .............. ARGOS Petrel w/Power Select",
        "   Transmitter ............. Spread Spectrum Transceiver",
    };
    static constexpr const char* kBeacons[] = {
        "   VHF Beacon ...............................       None",
        "   VHF Beacon ...............................       Wren-1",
        "   VHF Beacon ...............................       Wren-2",
    };
    const TransmitterType transmitter = wholeTransmitterType(w.record);
    if (transmitter != TransmitterType::Other) w.line(kTransmitters[static_cast<int>(transmitter)]);
    const int beacon = w.integer(GeneralRow::BeaconType);
    if (beacon >= 0 && beacon < 3) w.line(kBeacons[beacon]);
    if (w.set(GeneralRow::InstReedSw)) w.line("   Reed Switch ..............................  Installed");
    if (w.set(GeneralRow::InstHgSw)) w.line("   Mercury Switch ...........................  Installed");
    if (w.set(GeneralRow::InstSWSw)) w.line("   Salt-Water Switch ........................  Installed");

    w.line(kSeparator);
    w.line("System CTN's:");
    appendReportLine(w.text, "   System CTN ...............................     %s",
                     w.str(StringRow::FactSysCTN));
    appendReportLine(w.text, "   Controller CTN ...........................     %s",
                     w.str(StringRow::FactContrCTN));
    appendReportLine(w.text, "   GPS Receiver CTN .........................     %s",
                     w.str(StringRow::FactRecCTN));
    appendReportLine(w.text, "   Transmitter CTN ..........................     %s",
                     w.str(StringRow::FactXmtCTN));
    appendReportLine(w.text, "   VHF Beacon CTN ...........................     %s",
                     w.str(StringRow::FactBcnCTN));
    appendReportLine(w.text, "   Miscellaneous CTN ........................     %s",
                     w.str(StringRow::FactMiscCTN));
}

void appendGps(SprWriter& w) {
    w.line(kSeparator);
    w.line("GPS Parameters:");
    if (!w.set(GeneralRow::GpsFixingEnabled)) {
        w.line(kGroupDisabled);
        return;
    }
    std::string& t = w.text;
    appendReportLine(t, "   Fix Dimension ............................ %10s",
                     w.listText(GeneralRow::Dimension).c_str());
    appendReportLine(t, "   Dynamics Code ............................ %10s",
                     w.listText(GeneralRow::Dynamics).c_str());
    appendReportLine(t, "   Elevation Angle Mask (deg) ............... %10.1lf",
                     w.value(GeneralRow::ElevAngle));
    appendReportLine(t, "   Signal Level Mask ........................ %10.1lf",
                     w.value(GeneralRow::SigLevel));
    appendReportLine(t, "   PDOP Mask ................................ %10.1lf",
                     w.value(GeneralRow::PdopMask));
    appendReportLine(t, "   PDOP Switch .............................. %10.1lf", w.value(GeneralRow::PdopSw));
    w.sixtieths("   Almanac Timeout (mm:ss)...................", GeneralRow::AlmanacTimeout);
    w.sixtieths("   Fix Timeout (mm:ss) ......................", GeneralRow::FixTimeout);
    w.sixtieths("   3D Timeout (mm:ss) .......................", GeneralRow::_3dTimeout);
    appendReportLine(t, "   Differential Correction .................. %10s",
                     w.enabled(GeneralRow::DiffCorrection));
    appendReportLine(t, "   Position-Velocity Filter ................. %10s",
                     w.enabled(GeneralRow::PosVelFilter));
    appendReportLine(t, "   Static Filter ............................ %10s",
                     w.enabled(GeneralRow::StaticFilter));
    appendReportLine(t, "   Altitude Filter .......................... %10s",
                     w.enabled(GeneralRow::AltitudeFilter));
    appendReportLine(t, "   Number of Fix Retries .................... %10d",
                     w.integer(GeneralRow::NumFixRetries));
    w.sixtieths("   Fix Retry Interval (mm:ss) ...............", GeneralRow::FixRetryInverval);
    w.sixtieths("   Usable Satellite Eval Time (mm:ss) .......", GeneralRow::SigStrengthEvalTime);
    appendReportLine(t, "   GPS Week Threshold ....................... %10d",
                     w.integer(GeneralRow::GpsWeekThreshold));
    appendReportLine(t, "   GPS Week Adjustment ...................... %10d",
                     w.integer(GeneralRow::GpsWeekAdjustment));
    w.sixtieths(kCachedFixLifefimeLine, GeneralRow::CachedFixLifetime);
    appendReportLine(t, "   GPS Fixes to Discard ..................... %10d",
                     w.integer(GeneralRow::FixesToDiscard));
}

void appendAuxiliary(SprWriter& w) {
    w.line(kSeparator);
    w.line("Auxiliary Parameters:                                   ");
    std::string& t = w.text;
    appendReportLine(t, "   Temperature Sensing ...................... %10s",
                     w.enabled(GeneralRow::TempSenseEnabled));
    const double mode = w.value(GeneralRow::DataCollMode);
    const char* modeText = mode == 0.0 ? "Disabled  " : mode == 1.0 ? "ACTIVITY  " : "EVENT DETECT";
    appendReportLine(t, "   Data Collection Mode ..................... %12s", modeText);
    if (mode != 0.0) {
        appendReportLine(t, "   Activity Sensor Type ..................... %12s",
                         w.set(GeneralRow::ActivitySensePos) ? "TRANSITIONAL" : "POSITIONAL  ");
        appendReportLine(t, "   Activity Position Level .................. %10s",
                         w.set(GeneralRow::ActEventPos) ? "LOW" : "HIGH");
        w.sixtieths("   Activity Sensor Interval (hh:mm)..........", GeneralRow::ActivitySenseInterval);
    }
    w.line(kSeparator);
}

void appendArgos(SprWriter& w) {
    std::string& t = w.text;
    w.line("ARGOS PTT Parameters:");
    if (transmitterType(w.record) == TransmitterType::PetrelWithPowerSelect)
        appendReportLine(t, "   Power Output Level........................ %10s",
                         w.set(GeneralRow::PwrLevelSel) ? "HIGH" : "LOW");
    appendReportLine(t, "   ARGOS PTT ID Code ........................ %10d",
                     w.integer(GeneralRow::PttIdCode));
    appendReportLine(t, "   ARGOS PTT Hexadecimal String ............. %10s", w.str(StringRow::IDHexValue));
    appendReportLine(t, "   PTT Root ID Code ......................... %10d",
                     w.integer(GeneralRow::RootIDCode));
    const int extension = w.integer(GeneralRow::ExtensionAndProtectionCode);
    appendReportLine(t, "   PTT Extension && Protection Code ......... (%3d) 0x%02X", extension,
                     static_cast<unsigned>(extension));
    w.sixtieths("   PTT Transmit Interval (mm:ss) ............", GeneralRow::PttPriInterval);
    w.line("   PTT Transmit Channel .....................          0");
    appendReportLine(t, "   PTT Transmit Frequency (specified)(MHz)... %10.4lf",
                     w.value(GeneralRow::SpecifiedPTTFreq) / 1000000.0);
    appendReportLine(t, "   PTT Startup Hours (hrs) .................. %10d",
                     w.integer(GeneralRow::PttStartupHours));
    appendReportLine(t, "   PTT Fixes per Transmission ............... %10d",
                     w.integer(GeneralRow::MaxHistFixes));
    appendReportLine(t, "   PTT Times to Transmit Data ............... %10s",
                     w.listText(GeneralRow::MaxDataXmissions).c_str());
    appendReportLine(t, "   PTT Transmission Format .................. %10s",
                     w.listText(GeneralRow::StartupXmitFmt).c_str());
    appendReportLine(t, "   PTT Transmitter Type ..................... %10s",
                     w.listText(GeneralRow::XmitterType).c_str());
    if (w.set(GeneralRow::XmitEncryption)) {
        const double encode = w.value(GeneralRow::TimeEncode);
        if (encode == 0.0) w.line("   PTT Message Encryption ...................   Disabled");
        if (encode == 1.0) w.line("   PTT Message Encryption ...................     Type 1");
        if (encode == 2.0) w.line("   PTT Message Encryption ...................     Type 2");
        if (encode != 0.0)
            appendReportLine(t, "   PN Encryption Seed ....................... %10d",
                             w.integer(GeneralRow::PNSeedValue));
    }
    w.line(kSeparator);
}

void appendSpreadSpectrum(SprWriter& w) {
    std::string& t = w.text;
    w.line("Spread Spectrum Parameters:");
    if (!w.set(GeneralRow::XmitnsEnabled)) {
        w.line(kGroupDisabled);
    } else {
        appendReportLine(t, "   Network Startup Hours .................... %10d",
                         w.integer(GeneralRow::NetStartupHrs));
        appendReportLine(t, "   Network Listen Interval .................. %10d",
                         w.integer(GeneralRow::NetListenInt));
        appendReportLine(t, "   Network Connect Timeout .................. %10d",
                         w.integer(GeneralRow::NetConnTimeOut));
        appendReportLine(t, "   Network Packet Timeout ................... %10d",
                         w.integer(GeneralRow::NetPacketTimeOut));
        appendReportLine(t, "   Network ETFTP Port ....................... %10d",
                         w.integer(GeneralRow::NetETFTPPort));
        appendReportLine(t, "   Network IP Address .................. %s", w.str(StringRow::NetIPAddr));
        appendReportLine(t, "   IP SubNet Mask ...................... %s", w.str(StringRow::IPSubMask));
        // The line is labelled MAC Address, so it shows the collar's MAC address
        // text (right-aligned in the same ten columns), not the subnet mask.
        appendReportLine(t, "   MAC Address .............................. %10s",
                         w.str(StringRow::MACAddress));
    }
    w.line(kSeparator);
}

void appendSaltWaterAndBeacon(SprWriter& w) {
    std::string& t = w.text;
    w.line("Salt Water Switch Parameters:");
    if (!w.set(GeneralRow::OOWThreshold)) {
        w.line(kGroupDisabled);
    } else {
        w.sixtieths("   Out-of-Water Threshold (mm:ss)............", GeneralRow::OOWThreshold);
        w.sixtieths("   Under-Water Threshold (mm:ss).............", GeneralRow::UWThreshold);
        const auto hhmmss = [&](const char* label, int row) {
            const int v = w.integer(row);
            appendReportLine(t, "%s%5d:%02d:%02d", label, v / 3600, (v % 3600) / 60, v % 60);
        };
        hhmmss("   Fail-Safe Threshold (hh:mm:ss)............", GeneralRow::FailsafeThreshold);
        hhmmss("   Haul-Out Threshold (hh:mm:ss).............", GeneralRow::HauloutThreshold);
    }
    w.line(kSeparator);

    w.line("VHF Beacon Parameters:");
    if (!w.set(GeneralRow::VHFBeaconEnabled)) {
        w.line(kGroupDisabled);
    } else {
        w.line("   Beacon Pulse Patterns:  ");
        static constexpr const char* kPatternLabels[] = {
            "    Successful GPS Startup:................", "    Unsuccessful- too few satellites, etc..",
            "    Unsuccessful- hard failure:............", "    UnSpecified (3) .......................",
            "    UnSpecified (4) .......................", "    Beacon Event Input ....................",
            "    UnSpecified (6) .......................", "    UnSpecified (7) .......................",
        };
        for (int n = 0; n < 8; ++n)
            appendReportLine(t, "%s %12s", kPatternLabels[n], w.str(StringRow::VHFPattern1 + n));
    }
    w.line(kSeparator);
}

}  // namespace

std::size_t buildSprText(const ParameterRecord& record, const std::string& titleSuffix, std::string& text) {
    text.clear();
    SprWriter w(record, text);
    appendHeader(w, titleSuffix);
    appendHardware(w);
    appendGps(w);
    appendAuxiliary(w);
    const TransmitterType transmitter = transmitterType(record);
    if (isArgos(transmitter)) appendArgos(w);
    if (transmitter == TransmitterType::SpreadSpectrum) appendSpreadSpectrum(w);
    appendSaltWaterAndBeacon(w);
    w.line(kBlankLine);
    w.line("Season Parameters:");
    appendSprSeasonTable(record, text);
    return text.size();
}

std::optional<std::string> sprCtn(std::string_view text) {
    const std::string_view lead = kCtnLineLead;
    for (std::size_t at = 0; at < text.size();) {
        const std::size_t end = std::min(text.find('\n', at), text.size());
        const std::string_view line = withoutTrailing(text.substr(at, end - at), "\r");
        if (line.substr(0, lead.size()) == lead && line.size() > lead.size() && line.back() == '\'')
            return std::string(line.substr(lead.size(), line.size() - lead.size() - 1));
        at = end + 1;
    }
    return std::nullopt;
}

}  // namespace orv
