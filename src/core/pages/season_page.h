#pragma once

// The Schedule tab: one season of the twelve at a time, its length or start
// day, its type, the season that follows it, and the GPS and transmitter
// duty-cycle panels on two inner tabs. Switching seasons never changes the
// record by itself: values are stored when their field is left or stepped.

#include <string>

#include "binding/field_converter.h"
#include "binding/page_set.h"
#include "pages/duty_cycle_panels.h"

namespace orv {

// The season-type texts of the page.
inline constexpr const char* kNumberOfDaysLabel = "Length of Season (days)";
inline constexpr const char* kStartDayLabel = "Start Day of Year";
inline constexpr const char* kLeapYearNote =
    "In leap years, the Start Day here is shifted by one day -- the Simulation Tab is correct.  See the help entry for more information.";
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

    // After the converter took the user's action on a row of the tab or of
    // one of its panels: fieldEdited for an edit left, an entry chosen or a
    // button clicked (delta 0), spinDelta for an up-down step of delta (the
    // up-down control takes the step after this). Runs the row's handler:
    // the season type view, loading the season chosen, storing a stepped
    // value, the panels' rules. False when the row is none of the page's.
    bool rowEdited(Page page, int row, int delta = 0);

    // The page became visible: the fix intervals again and both panels' rules.
    void pageShown();
    // The page's rules (both panels).
    void rules();

    // The row the length edit carries now: 5 (number of days) or 6 (start day).
    int lengthRow() const;

private:
    void seasonTypeChosen(bool dayOfYear);
    void seasonChosen(int delta);

    FieldConverter& converter;
    PageSet& pages;
    GpsDutyCyclePanel gps;
    TransmitterDutyCyclePanel transmitter;
    bool setUpDone = false;
};

}  // namespace orv
