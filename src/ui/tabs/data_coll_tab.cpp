// The Data Coll. tab: the collection mode, the temperature sensor and the
// activity sensor.

#include <QButtonGroup>
#include <QGridLayout>
#include <QGroupBox>
#include <QVBoxLayout>

#include "model/definition_rows.h"
#include "tabs/parameter_tabs.h"

namespace orv {

DataCollTab::DataCollTab(const BinderContext& binder, PageEnvironment environment)
    : ParameterTabPage(Tab::DataColl, binder, environment) {
    FieldBinder& fields = bind(Page::DataColl);
    auto* outer = new QVBoxLayout(this);

    auto* collection = new QGroupBox("Data Collection");
    auto* collectionGrid = new QGridLayout(collection);
    placeRow(fields, collectionGrid, 0, GeneralRow::DataCollMode);
    outer->addWidget(collection);

    auto* temperature = new QGroupBox("Temperature Sensor");
    auto* temperatureLayout = new QVBoxLayout(temperature);
    temperatureLayout->addWidget(flagRow(fields, GeneralRow::TempSenseEnabled, "Temperature Sensor Active"));
    outer->addWidget(temperature);

    auto* activity = new QGroupBox("Activity Sensor");
    auto* grid = new QGridLayout(activity);
    placeRow(fields, grid, 0, GeneralRow::ActivitySenseInterval, {nullptr, "(hh:mm)"});
    auto* position = new QButtonGroup(this);
    grid->addWidget(radioRow(fields, GeneralRow::ActivitySensingPositional, "Position", position), 1, 0);
    grid->addWidget(radioRow(fields, GeneralRow::ActivitySensePos, "Transition", position), 1, 1);
    auto* event = new QButtonGroup(this);
    grid->addWidget(radioRow(fields, GeneralRow::ActivityEventPositionHigh, "Event Position High", event), 2,
                    0);
    grid->addWidget(radioRow(fields, GeneralRow::ActEventPos, "Event Position Low", event), 2, 1);
    outer->addWidget(activity);
    outer->addStretch();
    applyAccessToForms({Page::DataColl});
}

}  // namespace orv
