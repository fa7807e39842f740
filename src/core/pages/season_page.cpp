#include "pages/season_page.h"

#include <algorithm>

#include "model/combo_entries.h"

namespace orv {
namespace {

constexpr Page kSchedulePage = Page::Schedule;
constexpr int kDaysInYear = 365;

// A label keeps the change marker it carries when its text changes.
std::string withMarker(const std::string& shown, const std::string& text) {
    const std::string marker = kLabelMarker;
    return shown.starts_with(marker) ? marker + text : text;
}

}  // namespace

int seasonLengthLabelId() {
    return seasonRow(SeasonRow::NumberOfDays).labelId;
}
int seasonRangeLabelId() {
    return seasonRow(SeasonRow::NumberOfDays).extraId;
}
int leapYearNoteId() {
    return seasonRow(SeasonRow::LengthOfSeasonSeasonStartDay).extraId;
}

SeasonPage::SeasonPage(FieldConverter& converter, PageSet& pages)
    : converter(converter), pages(pages), gps(converter, pages), transmitter(converter, pages) {}

int SeasonPage::lengthRow() const {
    const ParameterRecord& record = converter.parameterRecord();
    return record.season(record.currentSeason(), SeasonRow::SeasonType) == 1
               ? SeasonRow::LengthOfSeasonSeasonStartDay
               : SeasonRow::NumberOfDays;
}

void SeasonPage::setUp() {
    if (FieldControls* controls = pages.controls(kSchedulePage)) {
        controls->setComboItems(
            seasonRow(SeasonRow::NextSeason).controlId,
            comboEntries(DefinitionTable::Season, SeasonRow::NextSeason, converter.parameterRecord()));
    }
    gps.forgetUnitsList();
    loadSeason(converter.parameterRecord().currentSeason());
    setUpDone = true;
}

void SeasonPage::loadSeason(int season) {
    season = std::clamp(season, 1, kSeasons);
    converter.parameterRecord().setCurrentSeason(season);
    converter.showField(kSchedulePage, SeasonRow::Season);
    converter.showSeason(season);
    applySeasonTypeView();
    // The change markers are those of this season.
    converter.refreshMarkers();
}

void SeasonPage::applySeasonTypeView() {
    FieldControls* controls = pages.controls(kSchedulePage);
    if (controls == nullptr) return;
    const bool numberOfDays = lengthRow() == SeasonRow::NumberOfDays;
    const int label = seasonLengthLabelId();
    controls->setText(label,
                      withMarker(controls->text(label), numberOfDays ? kNumberOfDaysLabel : kStartDayLabel));
    controls->setText(
        seasonRangeLabelId(),
        "1-" + std::to_string(
                   std::min(kDaysInYear, static_cast<int>(seasonRow(SeasonRow::NumberOfDays).maxValue))));
    controls->showControl(seasonRangeLabelId(), numberOfDays);
    controls->setText(leapYearNoteId(), kLeapYearNote);
    controls->showControl(leapYearNoteId(), !numberOfDays);

    // One edit shows the slot both rows share, by the row the type selects.
    const ParameterDefinition& days = seasonRow(SeasonRow::NumberOfDays);
    const ParameterDefinition& start = seasonRow(SeasonRow::LengthOfSeasonSeasonStartDay);
    for (const int id : {days.controlId, days.spinId}) controls->showControl(id, numberOfDays);
    for (const int id : {start.controlId, start.spinId}) controls->showControl(id, !numberOfDays);
    controls->showControl(start.labelId, false);
    converter.showField(kSchedulePage, lengthRow());
    rules();
}

void SeasonPage::seasonTypeChosen(bool dayOfYear) {
    if (FieldControls* controls = pages.controls(kSchedulePage)) {
        // The pair is one radio group: choosing one clears the other.
        controls->setCheckState(seasonRow(SeasonRow::SeasonType).controlId, dayOfYear);
        controls->setCheckState(seasonRow(SeasonRow::NumDaysCheck).controlId, !dayOfYear);
    }
    converter.readField(kSchedulePage, SeasonRow::SeasonType);
    applySeasonTypeView();
}

void SeasonPage::seasonChosen(int delta) {
    // A step only put the season it leads to into the edit: the selector then
    // stores the tab into the season being left and shows the new one.
    if (delta != 0) converter.fieldEdited(kSchedulePage, SeasonRow::Season);
    loadSeason(converter.parameterRecord().currentSeason());
    FieldControls* controls = pages.controls(kSchedulePage);
    const int spin = seasonRow(SeasonRow::Season).spinId;
    if (delta != 0 && controls != nullptr)
        controls->setSpinPosition(spin, controls->spinPosition(spin) - delta);
}

bool SeasonPage::rowEdited(Page page, int row, int delta) {
    if (!isSchedulePage(page) || row < 0 || row >= kSeasonCount || seasonRow(row).page != page) return false;
    if (!setUpDone) return true;
    FieldControls* controls = pages.controls(page);
    const bool checked = controls != nullptr && controls->checkState(seasonRow(row).controlId);
    switch (row) {
        case SeasonRow::SeasonType:
            seasonTypeChosen(checked);
            break;
        case SeasonRow::NumDaysCheck:
            // The converter shows this button as the type stored so far, so its
            // state says nothing now; a click on a radio button chooses it.
            seasonTypeChosen(false);
            break;
        case SeasonRow::Season:
            seasonChosen(delta);
            break;
        case SeasonRow::NextSeason:
            rules();
            break;
        default:
            if (page == Page::ScheduleGpsPanel) {
                gps.rowEdited(row, delta);
            } else if (page == Page::ScheduleTransmitterPanel) {
                transmitter.rowEdited(row, delta);
            } else {
                storeStep(converter, pages, page, row, delta);  // the season length
            }
            break;
    }
    return true;
}

void SeasonPage::pageShown() {
    for (const GpsCycleRows& cycle : kGpsCycles)
        converter.showField(Page::ScheduleGpsPanel, cycle.fixInterval);
    rules();
}

void SeasonPage::rules() {
    gps.rules();
    transmitter.rules();
}

}  // namespace orv
