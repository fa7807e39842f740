#include "pages/season_page.h"

#include <algorithm>

#include "model/lists.h"

namespace orv {
namespace {

constexpr Page kPage = Page::Schedule;
constexpr int kDaysInYear = 365;

const ParameterDefinition& seasonRow(int row) {
    return seasonDefinitions()[static_cast<std::size_t>(row)];
}

std::vector<std::string> listTexts(std::span<const char* const> list) {
    return {list.begin(), list.end()};
}

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
    : converter(converter), pages(pages), gps(converter, pages), transmitter(converter) {}

int SeasonPage::lengthRow() const {
    const ParameterRecord& record = converter.parameterRecord();
    const int season = std::clamp(record.currentSeason(), 1, kSeasons);
    return record.season(season, SeasonRow::SeasonType) == 1 ? SeasonRow::LengthOfSeasonSeasonStartDay
                                                             : SeasonRow::NumberOfDays;
}

void SeasonPage::setUp() {
    if (FieldControls* controls = pages.controls(kPage)) {
        controls->setComboItems(seasonRow(SeasonRow::NextSeason).controlId, listTexts(nextSeasonList()));
    }
    gps.forgetUnitsList();
    loadSeason(converter.parameterRecord().currentSeason());
    setUpDone = true;
}

void SeasonPage::loadSeason(int season) {
    season = std::clamp(season, 1, kSeasons);
    converter.parameterRecord().setCurrentSeason(season);
    converter.showField(kPage, SeasonRow::Season);
    converter.showSeason(season);
    applySeasonTypeView();
}

void SeasonPage::applySeasonTypeView() {
    FieldControls* controls = pages.controls(kPage);
    if (controls == nullptr) return;
    const bool numberOfDays = lengthRow() == SeasonRow::NumberOfDays;
    const int label = seasonLengthLabelId();
    controls->setText(label, withMarker(controls->text(label), numberOfDays ? kNumberOfDaysLabel : kStartDayLabel));
    controls->setText(seasonRangeLabelId(), "1-" + std::to_string(std::min(
                                                      kDaysInYear, static_cast<int>(seasonRow(SeasonRow::NumberOfDays).maxValue))));
    controls->showControl(seasonRangeLabelId(), numberOfDays);
    controls->setText(leapYearNoteId(), kLeapYearNote);
    controls->showControl(leapYearNoteId(), !numberOfDays);

    // One edit shows the slot both rows share, by the row the type selects.
    const ParameterDefinition& days = seasonRow(SeasonRow::NumberOfDays);
    const ParameterDefinition& start = seasonRow(SeasonRow::LengthOfSeasonSeasonStartDay);
    for (const int id : {days.controlId, days.spinId}) controls->showControl(id, numberOfDays);
    for (const int id : {start.controlId, start.spinId}) controls->showControl(id, !numberOfDays);
    controls->showControl(start.labelId, false);
    converter.showField(kPage, lengthRow());
    rules();
}

void SeasonPage::seasonTypeChosen(bool dayOfYear) {
    if (!setUpDone) return;
    if (FieldControls* controls = pages.controls(kPage)) {
        // The pair is one radio group: choosing one clears the other.
        controls->setCheckState(seasonRow(SeasonRow::SeasonType).controlId, dayOfYear ? 1 : 0);
        controls->setCheckState(seasonRow(SeasonRow::NumDaysCheck).controlId, dayOfYear ? 0 : 1);
    }
    converter.fieldEdited(kPage, SeasonRow::SeasonType);
    converter.showField(kPage, SeasonRow::NumDaysCheck);
    applySeasonTypeView();
}

void SeasonPage::nextSeasonChosen() {
    if (!setUpDone) return;
    converter.fieldEdited(kPage, SeasonRow::NextSeason);
    rules();
}

void SeasonPage::seasonStepped(int delta) {
    if (!setUpDone) return;
    ParameterRecord& record = converter.parameterRecord();
    // The tab still shows the season being left: what was typed there is kept.
    converter.readSeasonPage(record.currentSeason());
    converter.stepSpin(kPage, seasonRow(SeasonRow::Season).spinId, delta);
    converter.readField(kPage, SeasonRow::Season);
    loadSeason(record.currentSeason());
}

void SeasonPage::seasonEdited() {
    if (!setUpDone) return;
    converter.fieldEdited(kPage, SeasonRow::Season);
    loadSeason(converter.parameterRecord().currentSeason());
}

void SeasonPage::lengthStepped(int delta) {
    if (!setUpDone) return;
    const int row = lengthRow();
    converter.stepSpin(kPage, seasonRow(row).spinId, delta);
    converter.fieldEdited(kPage, row);
}

void SeasonPage::lengthEdited() {
    if (!setUpDone) return;
    converter.fieldEdited(kPage, lengthRow());
}

bool SeasonPage::controlActed(Page page, int id, int delta) {
    if (id == 0) return false;
    FieldControls* controls = pages.controls(page);
    for (int row = 0; row < kSeasonCount; ++row) {
        const ParameterDefinition& definition = seasonRow(row);
        if (definition.page != page || (id != definition.controlId && id != definition.spinId)) continue;
        const bool spin = id == definition.spinId;
        const int checked = controls != nullptr ? controls->checkState(id) : 0;
        switch (row) {
            case SeasonRow::SeasonType:
                seasonTypeChosen(checked == 1);
                return true;
            case SeasonRow::NumDaysCheck:
                seasonTypeChosen(checked == 0);
                return true;
            case SeasonRow::NextSeason:
                nextSeasonChosen();
                return true;
            case SeasonRow::Season:
                spin ? seasonStepped(delta) : seasonEdited();
                return true;
            case SeasonRow::NumberOfDays:
            case SeasonRow::LengthOfSeasonSeasonStartDay:
                spin ? lengthStepped(delta) : lengthEdited();
                return true;
            case SeasonRow::FixIntervalUnits:
                if (setUpDone) gps.unitChosen();
                return true;
            default:
                break;
        }
        if (!setUpDone) return true;
        const int step = spin ? delta : 0;
        const bool day = std::ranges::any_of(kGpsCycles, [row](const GpsCycleRows& c) { return c.day == row; }) ||
                         std::ranges::any_of(kTransmitterCycles,
                                             [row](const TransmitterCycleRows& c) { return c.day == row; });
        if (page == Page::ScheduleGpsPanel) {
            day ? gps.dayChanged(row, step) : gps.fieldChanged(row, step);
        } else {
            day ? transmitter.dayChanged(row, step) : transmitter.fieldChanged(row, step);
        }
        return true;
    }
    return false;
}

void SeasonPage::pageShown() {
    for (const GpsCycleRows& cycle : kGpsCycles) converter.showField(Page::ScheduleGpsPanel, cycle.fixInterval);
    rules();
}

void SeasonPage::rules() {
    gps.rules();
    transmitter.rules();
}

void SeasonPage::collect() {
    converter.readSeasonPage(converter.parameterRecord().currentSeason());
}

}  // namespace orv
