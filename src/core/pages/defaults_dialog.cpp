#include "pages/defaults_dialog.h"

#include "model/definitions.h"
#include "pages/duty_cycle_panels.h"

namespace orv {
namespace {

// The one box that stands for no control of the main window's pages: the
// frequency table frame of the transmitter page carries no parameter.
constexpr int kFrequencyTableBoxId = 50000;

int general(int row) {
    return generalDefinitions()[static_cast<std::size_t>(row)].controlId;
}
int season(int row) {
    return seasonDefinitions()[static_cast<std::size_t>(row)].controlId;
}
int text(int row) {
    return stringDefinitions()[static_cast<std::size_t>(row)].controlId;
}

DefaultsBox box(const char* label, int id, bool enabled = true, const char* group = "") {
    return DefaultsBox{label, label, id, enabled, group};
}

DefaultsBox gridBox(std::string label, std::string name, int id, bool enabled, const char* group, int row,
                    int column) {
    return DefaultsBox{std::move(label), std::move(name), id, enabled, group, row, column};
}

std::string numbered(const std::string& name, int n) {
    return name + "[" + std::to_string(n) + "]";
}

DefaultsTab gpsTab() {
    using namespace GeneralRow;
    return {"Gps Parameters",
            {box("Fix Dimension", general(Dimension)),
             box("Dynamics Code", general(Dynamics)),
             box("Elev. Angle Mask", general(ElevAngle)),
             box("Signal Level Mask", general(SigLevel)),
             box("PDOP Mask", general(PdopMask)),
             box("PDOP Switch", general(PdopSw)),
             box("Almanac Timeout (mm:ss)", general(AlmanacTimeout)),
             box("Fix Timeout (mm:ss)", general(FixTimeout)),
             box("3D Timeout (mm:ss)", general(_3dTimeout)),
             box("Slow Beacon after", general(BeaconRate)),
             box("Number of Fix Retries", general(NumFixRetries)),
             box("Fix Retry Interval", general(FixRetryInverval)),
             box("Usable Satellites Eval. Time", general(SigStrengthEvalTime)),
             box("Min. Avg. Signal Strength", general(MinAveSigStrength)),
             box("GPS Week Threshold", general(GpsWeekThreshold)),
             box("GPS Week Adjustment", general(GpsWeekAdjustment)),
             box("Cached Fix Lifetime (mm:ss)", general(CachedFixLifetime)),
             box("Fixes to Discard", general(FixesToDiscard)),
             box("Sched. Fixing Enabled", general(GpsFixingEnabled), false),
             box("Differential Correction", general(DiffCorrection), false),
             box("Position Velocity Filter", general(PosVelFilter), false),
             box("Static Filter", general(StaticFilter), false),
             box("Altitude Filter", general(AltitudeFilter), false)},
            {},
            ""};
}

DefaultsTab miscTab() {
    using namespace GeneralRow;
    constexpr const char* group = "Salt Water Switch";
    return {"Misc. Parameters",
            {box("Out of Water Threshold (sec)", general(OOWThreshold), true, group),
             box("UnderWater Threshold (sec)", general(UWThreshold), true, group),
             box("Failsafe Threshold (sec)", general(FailsafeThreshold), true, group),
             box("Haul-Out Threshold (sec)", general(HauloutThreshold), true, group),
             box("SWS Enabled", general(SWSEnabled), false, group)},
            {},
            ""};
}

DefaultsTab pttTab() {
    using namespace GeneralRow;
    return {
        "ARGOS PTT",
        {box("Transmission Format", general(StartupXmitFmt)), box("Assigned PTT ID Code", general(PttIdCode)),
         box("Transmit Interval (mm:ss)", general(PttPriInterval)),
         box("Alternate Transmit Interval (mm:ss)", general(PttAltInterval)),
         box("Times to Transmit Buffer", general(MaxDataXmissions)),
         box("PTT Startup Hours", general(PttStartupHours)),
         box("Fixes Per Transmission", general(MaxHistFixes)),
         box("PTT Oscillator Warmup (ms)", general(PttOscWarmup)),
         box("PTT Loop Warmup (ms)", general(PttLoopWarmup)),
         box("Specific Frequency", general(SelectSpecificFrequency)),
         box("Transmit Freq (MHz)", general(SpecifiedPTTFreq)),
         box("Transmitter Type", general(XmitterType), false),
         box("Frequency Table Select", general(SelectTableFrequency), false),
         box("Channel Table Select", general(SelectTableChannel), false),
         box("Argos", general(ArgosCh), false), box("Brazil", general(BrazilCh), false),
         box("Channel Table", general(SelectFreqIndex), false),
         box("Frequency Table", kFrequencyTableBoxId, false),
         box("ARGOS Transmissions Enabled", general(XmitnsEnabled), false)},
        {},
        ""};
}

DefaultsTab beaconTab() {
    // Grid rows in the order the dialog lists the events; the number is the
    // event's parameter set (Beacon Event Input is the sixth).
    struct Event {
        const char* label;
        int index;  // 0..7
        bool enabled;
    };
    static constexpr Event kEvents[] = {
        {"Successful GPS Startup", 0, true},
        {"Unsuccessful GPS Startup, too few satellites, etc.", 1, true},
        {"Unsuccessful Startup, hard failure", 2, true},
        {"Beacon Event Input", 5, true},
        {"Unspecified 3", 3, false},
        {"Unspecified 4", 4, false},
        {"Unspecified 6", 6, false},
        {"Unspecified 7", 7, false},
    };
    constexpr const char* group = "Beacon Events";
    DefaultsTab tab{"Beacon", {box("VHF Beacon Enable", general(GeneralRow::VHFBeaconEnabled))}, {}, ""};
    tab.grids.push_back(
        {group, {"Pulse Width", "InterPulse Delay", "Repeat Delay", "Pulse Pattern", "Repeat Count"}, {}});
    int gridRow = 0;
    for (const Event& event : kEvents) {
        const int n = gridRow + 1;
        tab.boxes.push_back(gridBox(event.label, event.label, general(GeneralRow::VHFPW1 + event.index),
                                    event.enabled, group, gridRow, 0));
        tab.boxes.push_back(gridBox("", numbered("InterPulse Delay", n),
                                    general(GeneralRow::VHFIPD1 + event.index), event.enabled, group, gridRow,
                                    1));
        tab.boxes.push_back(gridBox("", numbered("Repeat Delay", n),
                                    general(GeneralRow::VHFRpdly1 + event.index), event.enabled, group,
                                    gridRow, 2));
        // The pattern is typed as text; its box carries the text's control.
        tab.boxes.push_back(gridBox("", numbered("Pulse Pattern", n),
                                    text(StringRow::VHFPattern1 + event.index), event.enabled, group, gridRow,
                                    3));
        tab.boxes.push_back(gridBox("", numbered("Repeat Count", n),
                                    general(GeneralRow::VHFRcnt1 + event.index), event.enabled, group,
                                    gridRow, 4));
        ++gridRow;
    }
    return tab;
}

DefaultsTab dataCollectionTab() {
    using namespace GeneralRow;
    constexpr const char* temperature = "Temperature Sensor";
    constexpr const char* activity = "Activity Sensor";
    return {"Data Collection",
            {box("Temperature Sensor Active", general(TempSenseEnabled), true, temperature),
             box("Activity Data Collection Mode", general(DataCollMode), true, activity),
             box("Interval (hh:mm)", general(ActivitySenseInterval), true, activity),
             box("Positional", general(ActivitySensingPositional), true, activity),
             box("Transitional", general(ActivitySensePos), true, activity),
             box("Event Position High", general(ActivityEventPositionHigh), true, activity),
             box("Event Position Low", general(ActEventPos), true, activity)},
            {},
            ""};
}

DefaultsTab scheduleTab() {
    using namespace SeasonRow;
    DefaultsTab tab{
        "Schedule",
        {box("Season Type", season(SeasonType)),
         box("Length of Season /  Start Day of Year", season(NumberOfDays)),
         box("Next Season", season(NextSeason)), box("Fix Interval Units", season(FixIntervalUnits)),
         box("GPS Duty Cycle Block Duration", season(GpsDcbDuration)),
         box("ARGOS Duty Cycle Block Duration", season(ArgosDcbDuration))},
        {},
        kSeasonDefaultsNote};
    constexpr const char* gpsGroup = "GPS Duty Cycles";
    constexpr const char* argosGroup = "ARGOS Duty Cycles";
    tab.grids.push_back({gpsGroup, {"DCB Day", "Start Time", "# Hours", "Fix Interval"}, {"1", "2", "3"}});
    tab.grids.push_back({argosGroup, {"DCB Day", "Start Time", "# Hours"}, {"1", "2", "3"}});
    for (int cycle = 0; cycle < 3; ++cycle) {
        const GpsCycleRows& rows = kGpsCycles[static_cast<std::size_t>(cycle)];
        const int n = cycle + 1;
        tab.boxes.push_back(
            gridBox("", numbered("GPS DCB Day", n), season(rows.day), true, gpsGroup, cycle, 0));
        tab.boxes.push_back(
            gridBox("", numbered("GPS Start Time", n), season(rows.startTime), true, gpsGroup, cycle, 1));
        tab.boxes.push_back(
            gridBox("", numbered("GPS # Hours", n), season(rows.hours), true, gpsGroup, cycle, 2));
        tab.boxes.push_back(
            gridBox("", numbered("GPS Fix Interval", n), season(rows.fixInterval), true, gpsGroup, cycle, 3));
    }
    for (int cycle = 0; cycle < 3; ++cycle) {
        const TransmitterCycleRows& rows = kTransmitterCycles[static_cast<std::size_t>(cycle)];
        const int n = cycle + 1;
        tab.boxes.push_back(
            gridBox("", numbered("ARGOS DCB Day", n), season(rows.day), true, argosGroup, cycle, 0));
        tab.boxes.push_back(
            gridBox("", numbered("ARGOS Start Time", n), season(rows.startTime), true, argosGroup, cycle, 1));
        tab.boxes.push_back(
            gridBox("", numbered("ARGOS # Hours", n), season(rows.hours), true, argosGroup, cycle, 2));
    }
    return tab;
}

}  // namespace

const std::array<DefaultsTab, kDefaultsTabCount>& defaultsDialogTabs() {
    static const std::array<DefaultsTab, kDefaultsTabCount> tabs = {
        gpsTab(), miscTab(), pttTab(), beaconTab(), dataCollectionTab(), scheduleTab()};
    return tabs;
}

DefaultsBoxRef findDefaultsBox(const std::string& name) {
    const auto& tabs = defaultsDialogTabs();
    for (std::size_t tab = 0; tab < tabs.size(); ++tab) {
        for (const DefaultsBox& candidate : tabs[tab].boxes) {
            if (candidate.name == name) return {static_cast<int>(tab), &candidate};
        }
    }
    return {-1, nullptr};
}

std::vector<std::string> defaultsBoxNames() {
    std::vector<std::string> names;
    for (const DefaultsTab& tab : defaultsDialogTabs()) {
        for (const DefaultsBox& candidate : tab.boxes) names.push_back(candidate.name);
    }
    return names;
}

void addDefaultsTabControls(MemoryFieldControls& page, int tab) {
    if (tab < 0 || tab >= kDefaultsTabCount) return;
    for (const DefaultsBox& candidate : defaultsDialogTabs()[static_cast<std::size_t>(tab)].boxes) {
        page.addControl(candidate.controlId);
        page.setText(candidate.controlId, candidate.label);
        page.enableControl(candidate.controlId, candidate.enabled);
    }
}

DefaultsDialog::DefaultsDialog(const std::array<FieldControls*, kDefaultsTabCount>& pages) : pages(pages) {}

FieldControls* DefaultsDialog::generalBoxPage(int id) const {
    if (id == 0) return nullptr;
    for (int tab = 0; tab < kDefaultsScheduleTab; ++tab) {
        FieldControls* page = pages[static_cast<std::size_t>(tab)];
        if (page != nullptr && page->hasControl(id)) return page;
    }
    return nullptr;
}

FieldControls* DefaultsDialog::seasonBoxPage(int id) const {
    FieldControls* page = pages[kDefaultsScheduleTab];
    return id != 0 && page != nullptr && page->hasControl(id) ? page : nullptr;
}

void DefaultsDialog::setAll(bool checked) {
    for (const ParameterDefinition& definition : generalDefinitions()) {
        if (FieldControls* page = generalBoxPage(definition.controlId))
            page->setCheckState(definition.controlId, checked);
    }
    for (const ParameterDefinition& definition : seasonDefinitions()) {
        if (FieldControls* page = seasonBoxPage(definition.controlId))
            page->setCheckState(definition.controlId, checked);
    }
}

void DefaultsDialog::selectAll() {
    setAll(true);
}

void DefaultsDialog::clearAll() {
    setAll(false);
}

DefaultsSelection DefaultsDialog::selection() const {
    DefaultsSelection chosen;
    const auto general = generalDefinitions();
    for (std::size_t row = 0; row < general.size() && row < chosen.general.size(); ++row) {
        const int id = general[row].controlId;
        const FieldControls* page = generalBoxPage(id);
        chosen.general[row] = page != nullptr && page->checkState(id);
    }
    const auto season = seasonDefinitions();
    for (std::size_t row = 0; row < season.size() && row < chosen.season.size(); ++row) {
        const int id = season[row].controlId;
        const FieldControls* page = seasonBoxPage(id);
        chosen.season[row] = page != nullptr && page->checkState(id);
    }
    return chosen;
}

void DefaultsDialog::accept(ParameterRecord& record) const {
    applyDefaults(record, selection());
}

}  // namespace orv
