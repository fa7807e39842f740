#pragma once

#include <string>

#include "binding/page_context.h"

namespace orv {

class PageHandlerRegistry;

// The GPS Parms tab: the group title and enabling by "GpsFixingEnabled", the
// PDOP switch only with "2D/3D Auto", the six firmware texts ("Unknown" until
// read), and the "Advanced Parameters" and "Elevation Angle Mask" dialogs.
void gpsPageRules(const PageContext& context);
void registerGpsPage(PageHandlerRegistry& registry);

inline constexpr const char* kFirmwareUnknown = "Unknown";

// "Advanced Parameters": the label of the signal-strength evaluation time
// follows the firmware family chosen on the main window.
std::string signalEvalTimeLabel(const std::string& firmwareVersion);
// Opening: all eight values and the label shown.
void showAdvancedDialog(const PageContext& context);
// OK: the eight values read back in their fixed order.
void advancedDialogOk(const PageContext& context);

// "Elevation Angle Mask": the mask for a base station angle and distance, the
// angle plus distance / 100 rounded up to the next half degree.
double elevationMask(double baseStationAngle, double baseStationDistance);
void showElevationDialog(const PageContext& context);
// OK: both edits read, the mask stored into "ElevAngle" and shown.
void elevationDialogOk(const PageContext& context);

}  // namespace orv
