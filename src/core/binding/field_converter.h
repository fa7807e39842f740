#pragma once

#include <string>

#include "app/message_log.h"
#include "binding/page_set.h"
#include "model/definitions.h"
#include "model/record.h"
#include "model/resolve.h"

namespace orv {

// An up-down control's step, as the page reports it before the control moves.
struct SpinNotification {
    int spinId;    // the up-down control
    int position;  // its position before the step
    int delta;     // the step; the control moves by it after spinDelta returns
};

// Moves every numeric value between its control and the record: parses typed
// text by the row's kind, clamps, rounds to the step, applies the fix-interval
// rules, warns when the entry was altered, and keeps the change markers ("* "
// before a changed field's label, " *" after the main window title).
//
// A page is addressed by its Page; a row by its index in the table that
// resolve() picks for that page (the season table for the Schedule tab and its
// panels, the general table for every other page).
class FieldConverter {
public:
    FieldConverter(ParameterRecord& record, MessageLog& log, PageSet& pages);

    ParameterRecord& parameterRecord() { return record; }

    // Parses, validates and stores one field from its control; returns the value.
    double readField(Page page, int row);
    // The last readField refused its text (not a number) and kept the value.
    bool entryRefused() const { return lastEntryRefused; }
    // An edit's text as it is being typed: stored when the field takes it as
    // it stands (a number of its kind, within the limits, on the step), with no
    // notice and without touching the control; anything else waits for
    // readField when the edit is left. True when stored.
    bool storeTyped(Page page, int row);
    // Puts one field's value into its control (correcting values outside the limits).
    void showField(Page page, int row);
    // A value control lost the focus or a combo/check changed. On the Schedule
    // tab's season selector it first stores the tab into the season being left
    // and then shows the season selected.
    void fieldEdited(Page page, int row);

    // An up-down step: sets the edit text to the value the step leads to (the
    // value is stored when the edit is read). row -1: found by the spin id.
    double spinDelta(Page page, const SpinNotification& step, int row = -1);
    // For up-down controls that do not move themselves: reports the step to
    // spinDelta and then moves the control's position by it within its range.
    double stepSpin(Page page, int spinId, int delta);

    // Every general row of the GPS Parms, Transmitter (both forms), Data Coll.,
    // Misc., Beacon and Fact. Parms tabs whose window exists.
    void readGeneralPages();
    // Every season row of the Schedule tab into the given season (1..12).
    // The season length is read through row 5 for a number-of-days season and
    // through row 6 (the start day as a date) for a day-of-year season.
    void readSeasonPage(int season);
    // Makes the season (1..12) current and shows its rows, the season length
    // through the one of rows 5 and 6 its type selects (as it is read).
    void showSeason(int season);

    void storeValue(double& slot, double newValue, Page page, DefinitionTable table, int row);
    void storeText(std::string& slot, const std::string& newText, Page page, int row);

    void markChanged(Page page, DefinitionTable table, int row);
    // The record as a whole has unsaved changes (title marker, no field marker).
    void markRecordDirty();
    void clearChanges();
    void refreshMarkers();

    // With unsaved changes asks the question (Yes/No/Cancel when threeWay, else
    // Yes/No) and returns the answer; a clean record asks nothing and gives 0.
    int askUnsavedChanges(const char* question, bool threeWay);

    // Turning ARGOS transmissions on: no season may keep its fix intervals in
    // seconds, and every fix interval becomes one the collar accepts.
    void enforceArgosMinutes();

    // Act only when the page and the control exist.
    void showControl(Page page, int id, bool show);
    void enableControl(Page page, int id, bool enable);

private:
    double unitsOfCurrentSeason() const;
    int findSpinRow(int spinId, Page page) const;
    void labelMarker(Page page, const ParameterDefinition& definition, bool on);
    void refreshTableMarkers(DefinitionTable table);
    void clearShownFirmwareTexts();
    bool* changedFlag(DefinitionTable table, int row);

    ParameterRecord& record;
    MessageLog& log;
    PageSet& pages;
    bool lastEntryRefused = false;
};

// The marker after the main window title while the record has unsaved changes.
inline constexpr const char* kTitleMarker = " *";
// The marker before a changed field's label.
inline constexpr const char* kLabelMarker = "* ";

}  // namespace orv
