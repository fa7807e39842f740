#include "binding/page_fields.h"

#include <gtest/gtest.h>

#include "binding/field_converter.h"
#include "binding/memory_page_set.h"
#include "scripted_presenter.h"

namespace orv {
namespace {

// Showing the Schedule tab puts the season length through the row its type
// selects: a number-of-days season of 0 days stays 0 and shows "0".
TEST(PageFields, ScheduleTabShowsTheSeasonLengthByItsType) {
    restoreBuiltinDefinitions();
    ParameterRecord record;
    resetRecord(record);
    test::ScriptedPresenter presenter;
    MessageLog log{&presenter};
    MemoryPageSet pages{true};
    FieldConverter converter{record, log, pages};
    record.season(1, SeasonRow::NumberOfDays) = 0;
    record.season(2, SeasonRow::NumberOfDays) = 60;
    record.season(2, SeasonRow::SeasonType) = 1;

    showPageFields(Page::Schedule, converter, pages, record);
    EXPECT_EQ(record.season(1, SeasonRow::NumberOfDays), 0);
    EXPECT_EQ(pages.page(Page::Schedule)->text(seasonDefinitions()[SeasonRow::NumberOfDays].controlId), "0");
    EXPECT_FALSE(record.recordDirty);

    record.setCurrentSeason(2);
    showPageFields(Page::Schedule, converter, pages, record);
    EXPECT_EQ(pages.page(Page::Schedule)
                  ->text(seasonDefinitions()[SeasonRow::LengthOfSeasonSeasonStartDay].controlId),
              "Mar 1");
}

}  // namespace
}  // namespace orv
