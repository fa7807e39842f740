#pragma once

// The parameter tabs: layout bound by the field binder; their rules and
// handlers are the core page units (src/core/pages).

#include "tabs/parameter_tab_page.h"

class QDialog;
class QStackedWidget;

namespace orv {

class GpsParmsTab : public ParameterTabPage {
    Q_OBJECT
public:
    GpsParmsTab(const BinderContext& binder, PageEnvironment environment);

    QDialog* advancedDialog() const { return advanced; }
    QDialog* elevationAngleDialog() const { return elevationDialog; }
    void runAdvancedDialog();
    void runElevationDialog();

private:
    void buildAdvancedDialog();
    void buildElevationDialog();

    QDialog* advanced = nullptr;
    QDialog* elevationDialog = nullptr;
};

class MiscTab : public ParameterTabPage {
    Q_OBJECT
public:
    MiscTab(const BinderContext& binder, PageEnvironment environment);
};

// Two forms on one tab: the ARGOS PTT form, and the spread-spectrum network
// form in its place while the transmitter enable type is "Spread_Spectrum".
class TransmitterTab : public ParameterTabPage {
    Q_OBJECT
public:
    TransmitterTab(const BinderContext& binder, PageEnvironment environment);

    void pageShown(Page page) override;
    // The form the tab shows now.
    Page shownForm() const;

private:
    QWidget* buildPttForm();
    QWidget* buildNetworkForm();
    void showFormOfType();

    QStackedWidget* forms = nullptr;
    QWidget* pttForm = nullptr;
    QWidget* networkForm = nullptr;
};

class DataCollTab : public ParameterTabPage {
    Q_OBJECT
public:
    DataCollTab(const BinderContext& binder, PageEnvironment environment);
};

class BeaconTab : public ParameterTabPage {
    Q_OBJECT
public:
    BeaconTab(const BinderContext& binder, PageEnvironment environment);
};

class FactParmsTab : public ParameterTabPage {
    Q_OBJECT
public:
    FactParmsTab(const BinderContext& binder, PageEnvironment environment);
};

}  // namespace orv
