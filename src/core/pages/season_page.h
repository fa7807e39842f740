#pragma once

// The Schedule tab: one season of the twelve at a time, its length or start
// day, its type, the season that follows it, and the GPS and transmitter
// duty-cycle panels on two inner tabs. Switching seasons never changes the
// record by itself: values are stored when their field is left or stepped.

#include <string>

#include "model/field_converter.h"
#include "model/page_set.h"
#include "pages/duty_cycle_panels.h"

namespace orv {

// The season-type texts of the page.
inline constexpr const char* kNumberOfDaysLabel = "Length of Season (days)";
inline constexpr const char* kStartDayLabel = "Start Day of Year";
inline constexpr const char* kLeapYearNote =
    "In leap years, the Start Day here is shifted by one day -- the Simulation Tab is correct.  See the help "
    "entry for more information.";
inline constexpr const char* kGpsBlockTab = "GPS Duty Cycle Block";
inline constexpr const char* kTransmitterBlockTab = "Transmitter Duty Cycle Block";

// Where the page shows its season-type texts: the length edit's label (row 5),
// the "1-365" range label (row 5's extra static) and the leap-year note (row
// 6's extra static). The edit itself is row 5's for a number-of-days season
// and row 6's (the start day as a date) for a day-of-year season.
int seasonLengthLabelId();
int seasonRangeLabelId();
int leapYearNoteId();

class SeasonPage {
public:
    SeasonPage(FieldConverter& converter, PageSet& pages);

    // Fills the lists, loads the current season and marks the page set up;
    // handlers before that do nothing.
    void setUp();
    bool isSetUp() const { return setUpDone; }

    // The season n (1..12) becomes current and every control shows it.
    void loadSeason(int season);
    // The length edit, its label, the range label and the leap-year note by
    // the season's type.
    void applySeasonTypeView();

    // "Day of Year" (dayOfYear) or "Number of Days" was clicked.
    void seasonTypeChosen(bool dayOfYear);
    // The "Next Season:" list chose an entry.
    void nextSeasonChosen();
    // The season spin stepped by delta; the season edit was left.
    void seasonStepped(int delta);
    void seasonEdited();
    // The length / start-day spin stepped by delta; its edit was left.
    void lengthStepped(int delta);
    void lengthEdited();

    // A control of the tab or of one of its panels was acted on: the user
    // changed it (a step of delta for an up-down control) and its handler
    // runs. False when the control is none of this page's.
    bool controlActed(Page page, int id, int delta = 0);

    // The page became visible: the fix intervals again and both panels' rules.
    void pageShown();
    // The page's rules (both panels).
    void rules();
    // The season shown back into the record (the selector is the main window's).
    void collect();

    // The row the length edit carries now: 5 (number of days) or 6 (start day).
    int lengthRow() const;

    GpsDutyCyclePanel& gpsPanel() { return gps; }
    TransmitterDutyCyclePanel& transmitterPanel() { return transmitter; }

private:
    FieldConverter& converter;
    PageSet& pages;
    GpsDutyCyclePanel gps;
    TransmitterDutyCyclePanel transmitter;
    bool setUpDone = false;
};

}  // namespace orv
