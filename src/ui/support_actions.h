#pragma once

// The window's way to the computer check and the support bundle (its menu).

#include "support/doctor.h"

class QWidget;

namespace orv {

struct AppParts;
struct ModalRunner;

// What the window checks: its data folder, its profile's COM slots, the display it runs on.
DoctorSetup windowCheckSetup(AppParts& app);

// "Check this computer...": the list, checked off the window's thread.
void showComputerCheck(QWidget* window, AppParts& app, ModalRunner& runner);

// "Support bundle...": asks where, writes it, and says where it went or why not.
void saveSupportBundle(QWidget* window, AppParts& app, ModalRunner& runner);

}  // namespace orv
