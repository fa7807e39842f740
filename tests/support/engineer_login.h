#pragma once

// An Engineer for orvctl runs in a test folder: engineerLogin(folder) in
// run_process.h, beside the runs that use it.

#include "run_process.h"
