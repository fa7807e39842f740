// The groups of the printed programming report, in the order they print.

#include "reports/printed_spr.h"

#include "app/format_text.h"
#include "model/format_value.h"
#include "model/lists.h"
#include "model/transmitter_type.h"
#include "reports/report_text.h"
#include "reports/spr_text.h"

namespace orv {

namespace {

constexpr double kLargestShortIdCode = 32767;
constexpr std::size_t kNoteLead = 23;  // the lead of the text report's note lines, the quote included

class GroupWriter {
public:
    explicit GroupWriter(const ParameterRecord& record) : r(record) {}

    double value(int row) const { return r.general(row); }
    int integer(int row) const { return reportInt(value(row)); }
    bool set(int row) const { return value(row) != 0.0; }
    const std::string& str(int row) const { return r.text(row); }
    const char* enabled(int row) const { return set(row) ? "Enabled" : "Disabled"; }
    std::string listText(int row) const { return formatValue(value(row), generalDefinitions()[row].kind); }
    std::string minutesSeconds(int row) const {
        const int v = integer(row);
        return formatText("%d:%02d", v / 60, v % 60);
    }
    std::string hoursMinutesSeconds(int row) const {
        const int v = integer(row);
        return formatText("%d:%02d:%02d", v / 3600, (v % 3600) / 60, v % 60);
    }
    bool firmwareN4() const { return str(StringRow::FenmodFwVer).rfind("N4", 0) == 0; }

    PrintedGroup& group(const char* heading) { return groups.emplace_back(PrintedGroup{heading, {}}); }
    void entry(const std::string& label, const std::string& value, const std::string& unit = "") {
        groups.back().lines.push_back({PrintedLine::Kind::Entry, label, value, unit, true, false});
    }
    void identity(const std::string& label, const std::string& value) {
        groups.back().lines.push_back({PrintedLine::Kind::Entry, label, value, "", false, true});
    }
    void text(const std::string& line) {
        groups.back().lines.push_back({PrintedLine::Kind::Text, line, "", "", false, false});
    }

    const ParameterRecord& r;
    std::vector<PrintedGroup> groups;
};

void identityGroups(GroupWriter& w) {
    w.group("");
    w.identity("CTN #:", w.str(StringRow::CtnNumber));
    w.identity("Job #:", w.str(StringRow::JobNumber));
    w.identity("Customer Name:", w.str(StringRow::Customer));
    w.identity("Coordinator Signoff:",
               w.str(StringRow::CoordSignoff) + "  --  " + w.str(StringRow::CoordSignoffDate));
    w.identity("Programmed By:", w.str(StringRow::ProgrammedBy) + "  --  " + w.str(StringRow::ProgByDate));

    w.group("Firmware Versions:");
    w.entry("Fenmod:", w.str(StringRow::FenmodFwVer));
    w.entry("RTC PIC:", w.str(StringRow::RtcPicFwVer));
    w.entry("VHF Beacon Transmitter:", w.str(StringRow::MiscDevFwVer));
    // The processor lines pair labels and texts crosswise, as the text report does.
    w.entry("Trimble Signal Processor:", w.str(StringRow::NavProcFwVer));
    w.entry("Trimble Nav. Processor:", w.str(StringRow::SigProcFwVer));

    w.group("Notes:");
    // The note without the text report's lead; the first line keeps the opening quote.
    const std::vector<std::string> lines = sprNoteLines(w.str(StringRow::Notes));
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const std::size_t lead = i == 0 ? kNoteLead - 1 : kNoteLead;
        w.text(lines[i].size() > lead ? lines[i].substr(lead) : std::string());
    }
}

void gpsGroup(GroupWriter& w) {
    w.group("GPS Parameters:");
    if (!w.set(GeneralRow::GpsFixingEnabled)) {
        w.text("Disabled");
        return;
    }
    w.entry("Fix Dimension:", w.listText(GeneralRow::Dimension));
    w.entry("Dynamics Code:", w.listText(GeneralRow::Dynamics));
    w.entry("Elevation Angle Mask (deg.):", formatText("%.1f", w.value(GeneralRow::ElevAngle)));
    w.entry("Signal Level Mask:", formatText("%.1f", w.value(GeneralRow::SigLevel)));
    w.entry("PDOP Mask:", formatText("%.1f", w.value(GeneralRow::PdopMask)));
    w.entry("PDOP Switch:", formatText("%.1f", w.value(GeneralRow::PdopSw)));
    w.entry("Almanac Timeout (mm:ss):", w.minutesSeconds(GeneralRow::AlmanacTimeout));
    w.entry("Fix Timeout (mm:ss):", w.minutesSeconds(GeneralRow::FixTimeout));
    w.entry("3D Timeout (mm:ss):", w.minutesSeconds(GeneralRow::_3dTimeout));
    w.entry("Differential Correction:", w.enabled(GeneralRow::DiffCorrection));
    w.entry("Position-Velocity Filter:", w.enabled(GeneralRow::PosVelFilter));
    w.entry("Static Filter:", w.enabled(GeneralRow::StaticFilter));
    w.entry("Altitude Filter:", w.enabled(GeneralRow::AltitudeFilter));
    w.entry("Usable Satellite Eval Time (mm:ss):", w.minutesSeconds(GeneralRow::SigStrengthEvalTime));
    w.entry("GPS Week Threshold:", formatText("%d", w.integer(GeneralRow::GpsWeekThreshold)));
    w.entry("GPS Week Adjustment:", formatText("%d", w.integer(GeneralRow::GpsWeekAdjustment)));
    w.entry("GPS Fixes to Discard:", formatText("%d", w.integer(GeneralRow::FixesToDiscard)));
}

void spreadSpectrumGroup(GroupWriter& w) {
    w.group("Spread Spectrum Parameters:");
    w.entry("Scheduled Network:", w.enabled(GeneralRow::ScheduledNetwork));
    w.entry("Network Startup Hours:", formatText("%d", w.integer(GeneralRow::NetStartupHrs)), "hrs.");
    w.entry("Network Listen Interval:", formatText("%d", w.integer(GeneralRow::NetListenInt)), "secs.");
    w.entry("Network Connect Timeout:", formatText("%d", w.integer(GeneralRow::NetConnTimeOut)), "ticks**");
    w.entry("Network Packet Timeout:", formatText("%d", w.integer(GeneralRow::NetPacketTimeOut)), "ticks");
    w.entry("Network ETFTP Port:", formatText("%d", w.integer(GeneralRow::NetETFTPPort)));
    w.entry("Network IP Address:", w.str(StringRow::NetIPAddr));
    w.entry("IP SubNet Mask:", w.str(StringRow::IPSubMask));
    w.entry("Network Holdoff Delay:", formatText("%d", w.integer(GeneralRow::NetHoldoff)), "mins.");
    w.entry("MAC Address:", w.str(StringRow::MACAddress));
}

void argosGroup(GroupWriter& w, TransmitterType transmitter) {
    w.group("ARGOS PTT Parameters:");
    if (transmitter == TransmitterType::PetrelWithPowerSelect)
        w.entry("Power Output Level:", w.set(GeneralRow::PwrLevelSel) ? "High" : "Low");
    w.entry("ARGOS PTT ID Code:", formatText("%d", w.integer(GeneralRow::PttIdCode)));
    if (w.value(GeneralRow::PttIdCode) > kLargestShortIdCode) {
        w.entry("ARGOS PTT Hexadecimal String:", w.str(StringRow::IDHexValue));
        w.entry("PTT Root ID Code:", formatText("%d", w.integer(GeneralRow::RootIDCode)));
        const int extension = w.integer(GeneralRow::ExtensionAndProtectionCode);
        w.entry("PTT Extension & Protection Code:",
                formatText("(%3d)   0x%02X", extension, static_cast<unsigned>(extension) & 0xFFu));
    }
    w.entry("PTT Transmit Interval (secs):", formatText("%d", w.integer(GeneralRow::PttPriInterval)));
    const double band = w.value(GeneralRow::SelectFreqIndex);
    if (band == 2.0) {
        const auto names = argosChannelShortNames();
        const int channel = w.integer(GeneralRow::ArgosCh);
        const bool known = channel >= 0 && static_cast<std::size_t>(channel) < names.size();
        w.entry("'ARGOS' Frequency Channel:", known ? names[static_cast<std::size_t>(channel)] : "");
    } else if (band == 3.0) {
        w.entry("'Brazil' Frequency Channel::", formatText("C%d", w.integer(GeneralRow::BrazilCh) + 1));
    }
    w.entry("PTT Transmit Frequency (MHz):", formatText("%.4f", w.value(GeneralRow::SpecifiedPTTFreq) / 1e6));
    w.entry("PTT Startup Hours (hrs):", formatText("%d", w.integer(GeneralRow::PttStartupHours)));
    w.entry("PTT Maximum Fixes per Transmission:", formatText("%d", w.integer(GeneralRow::MaxHistFixes)));
    w.entry("PTT Times to Transmit Data:", w.listText(GeneralRow::MaxDataXmissions));
    w.entry("PTT Transmission Format:", w.listText(GeneralRow::StartupXmitFmt));
    if (w.set(GeneralRow::XmitEncryption)) {
        const double encode = w.value(GeneralRow::TimeEncode);
        if (encode == 0.0) w.entry("PTT Message Encryption:", "Disabled");
        if (encode == 1.0) w.entry("PTT Message Encryption:", "Type 1");
        if (encode == 2.0) w.entry("PTT Message Encryption:", "Type 2");
        if (encode != 0.0)
            w.entry("PN Encryption Seed:", formatText("%d", w.integer(GeneralRow::PNSeedValue)));
    }
}

void saltWaterAndBeaconGroups(GroupWriter& w) {
    w.group("Salt Water Switch Parameters:");
    if (!w.set(GeneralRow::SWSEnabled)) {
        w.text("Disabled");
    } else {
        w.entry("Out-of-Water Threshold (mm:ss):", w.minutesSeconds(GeneralRow::OOWThreshold));
        w.entry("Under-Water Threshold (mm:ss):", w.minutesSeconds(GeneralRow::UWThreshold));
        w.entry("Fail-Safe Threshold (hh:mm:ss):", w.hoursMinutesSeconds(GeneralRow::FailsafeThreshold));
        w.entry("Haul-Out Threshold (hh:mm:ss):", w.hoursMinutesSeconds(GeneralRow::HauloutThreshold));
    }

    w.group("VHF Beacon Parameters:");
    if (!w.set(GeneralRow::VHFBeaconEnabled)) {
        w.text("Beacon Disabled");
        return;
    }
    w.text("Beacon Enabled");
    w.text("Beacon Special Pulse Patterns:");
    static constexpr const char* kPatternLabels[] = {
        "Successful GPS Startup:",
        "Unsuccessful - too few satellites, etc.:",
        "Unsuccessful - hard failure:",
        "UnSpecified (3):",
        "UnSpecified (4):",
        "Beacon Event Input:",
        "UnSpecified (6):",
        "UnSpecified (7):",
    };
    w.entry(kPatternLabels[0], "* " + w.str(StringRow::VHFPattern1));
    for (int n = 1; n < 8; ++n) w.entry(kPatternLabels[n], w.str(StringRow::VHFPattern1 + n));
}

void auxiliaryGroup(GroupWriter& w) {
    w.group("Auxiliary Parameters:");
    w.entry("Temperature Sensing:", w.enabled(GeneralRow::TempSenseEnabled));
    const double mode = w.value(GeneralRow::DataCollMode);
    if (mode == 0.0) {
        w.entry("Data Collection:", "Disabled");
    } else {
        w.entry("Data Collection Mode:", mode == 1.0 ? "Activity" : "Event Detect");
        const bool transitional = w.set(GeneralRow::ActivitySensePos);
        w.entry("Activity Sensor Type:", transitional ? "Transitional" : "Positional");
        const std::string level = w.value(GeneralRow::ActivitySensePos) == 1.0 ? "n/a"
                                  : w.set(GeneralRow::ActEventPos)             ? "Low"
                                                                               : "High";
        w.entry("Activity Position Level:", level);
        w.entry("Activity Sensor Interval (hh:mm):", w.minutesSeconds(GeneralRow::ActivitySenseInterval));
    }
    if (w.firmwareN4())
        w.entry("StartUp Behavior:", w.set(GeneralRow::Startup) ? "Environmental" : "Wildlife");
}

void notesAndHardwareGroups(GroupWriter& w, TransmitterType transmitter) {
    w.group("Other Notes:");
    w.text("- Season start dates and time are in UTC");
    if (w.set(GeneralRow::VHFBeaconEnabled)) {
        w.text("- * 1 indicates a 'beep', 0 indicates a pause");
        w.groups.back().lines.push_back(
            {PrintedLine::Kind::BeepNote, "   ie. 1100 = ", "", "", false, false});
    }
    if (transmitter == TransmitterType::SpreadSpectrum) w.text("- **50 ms. per tick");

    w.group("Hardware Information:");
    const bool argos = isArgos(transmitter);
    if (transmitter == TransmitterType::PetrelWithPowerSelect)
        w.text("Transmitter:    ARGOS Petrel w/Power Select");
    if (transmitter == TransmitterType::Petrel) w.text("Transmitter:  ARGOS Petrel");
    if (transmitter == TransmitterType::SpreadSpectrum) w.text("Transmitter:  Spread Spectrum Transceiver");
    if (argos && w.firmwareN4())
        w.text(w.set(GeneralRow::SynthSel) ? "     Synthesizer:    MB 15E03"
                                           : "     Synthesizer:    MB 15E07");
    static constexpr const char* kBeacons[] = {"VHF Beacon:  Wren-1", "VHF Beacon:  Wren-2",
                                               "VHF Beacon:  Wren-2 2400"};
    const double beacon = w.value(GeneralRow::BeaconType);
    for (int type = 1; type <= 3; ++type)
        if (beacon == type) w.text(kBeacons[type - 1]);
    if (w.set(GeneralRow::InstReedSw)) w.text("Reed Switch Installed");
    if (w.set(GeneralRow::InstHgSw)) w.text("Mercury Switch Installed");
    if (w.set(GeneralRow::InstSWSw)) w.text("Salt Water Switch Installed");

    w.group("System CTN's:");
    w.entry("System CTN:", w.str(StringRow::FactSysCTN));
    w.entry("Controller CTN:", w.str(StringRow::FactContrCTN));
    w.entry("GPS Receiver CTN:", w.str(StringRow::FactRecCTN));
    w.entry("Transmitter CTN:", w.str(StringRow::FactXmtCTN));
    w.entry("VHF Beacon CTN:", w.str(StringRow::FactBcnCTN));
    w.entry("Miscellaneous CTN:", w.str(StringRow::FactMiscCTN));
}

}  // namespace

std::string printedApplicationTitle() {
    return std::string("Halvorn Orv - Vosk v") + kPrintedVersion;
}

std::vector<PrintedGroup> printedIdentityGroups(const ParameterRecord& record) {
    GroupWriter w(record);
    identityGroups(w);
    return std::move(w.groups);
}

std::vector<PrintedGroup> printedSprGroups(const ParameterRecord& record) {
    GroupWriter w(record);
    identityGroups(w);
    gpsGroup(w);
    const TransmitterType transmitter = transmitterType(record);
    if (transmitter == TransmitterType::SpreadSpectrum) spreadSpectrumGroup(w);
    if (isArgos(transmitter)) argosGroup(w, transmitter);
    saltWaterAndBeaconGroups(w);
    auxiliaryGroup(w);
    notesAndHardwareGroups(w, transmitter);
    return std::move(w.groups);
}

std::string printedSeasonWarning(const ParameterRecord& record) {
    if (transmitterType(record) != TransmitterType::SpreadSpectrum) return "";
    return formatText(
        "Warning!  This device must be initialized in %d, otherwise the schedule will not be accurate!",
        reportInt(record.general(GeneralRow::StartYear)));
}

std::size_t printedGroupLines(const PrintedGroup& group, bool first) {
    return (first ? 0 : 1) + (group.heading.empty() ? 0 : 1) + group.lines.size();
}

std::size_t printedColumnSplit(const std::vector<PrintedGroup>& groups) {
    if (groups.size() < 2) return groups.size();
    // The split that makes the taller column shortest; on a tie, the one with the
    // taller column on the left. Each column's first group has no blank line before it.
    std::size_t best = groups.size();
    std::size_t bestHeight = 0;
    for (std::size_t split = 1; split < groups.size(); ++split) {
        std::size_t left = 0, right = 0;
        for (std::size_t i = 0; i < groups.size(); ++i) {
            if (i < split)
                left += printedGroupLines(groups[i], i == 0);
            else
                right += printedGroupLines(groups[i], i == split);
        }
        if (left < right) continue;
        if (best == groups.size() || left < bestHeight) {
            best = split;
            bestHeight = left;
        }
    }
    return best;
}

}  // namespace orv
