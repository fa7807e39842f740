#pragma once

#include "workflow/device_workflow.h"
#include "workflow/identity_workflow.h"
#include "workflow/main_screen.h"
#include "workflow/record_workflow.h"

namespace orv {

// The main window's workflows, without widgets, by concern; every button and
// field event of the main window ends up in one of them. They share the one
// screen.
struct MainWorkflows {
    MainWorkflows(const WorkflowParts& parts, MainView& view)
        : screen(parts, view), identity(screen), records(screen), devices(screen) {}
    MainWorkflows(const MainWorkflows&) = delete;
    MainWorkflows& operator=(const MainWorkflows&) = delete;

    MainScreen screen;
    IdentityWorkflow identity;
    RecordWorkflow records;
    DeviceWorkflow devices;
};

}  // namespace orv
