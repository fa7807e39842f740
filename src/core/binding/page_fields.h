#pragma once

#include "binding/tabs.h"
#include "model/page.h"

namespace orv {

class FieldConverter;
class PageSet;
struct ParameterRecord;

// What every page does when its tab is left or the screen is collected, and
// when the record is shown, as far as its rows are concerned; a page adds its
// own rules around these. A page without controls (not built) does nothing.

// Stores the tab: the general tabs by readGeneralPages and their text rows,
// the Schedule tab by its season selector and the season it names.
void storeTabFields(Tab tab, FieldConverter& converter, PageSet& pages, ParameterRecord& record);

// The text rows of a page from their controls into the record.
void storePageTexts(Page page, FieldConverter& converter, PageSet& pages, ParameterRecord& record);

// Shows the page's rows: general rows with showField, text rows as texts, the
// Schedule tab's selector and its season.
void showPageFields(Page page, FieldConverter& converter, PageSet& pages, ParameterRecord& record);

// Every tab page, both Transmitter forms and the Schedule panels.
void showAllPageFields(FieldConverter& converter, PageSet& pages, ParameterRecord& record);

}  // namespace orv
