#pragma once

// The main window's own controls as the workflows reach them through page
// Main: the value control of a string or general row.

namespace orv {

int mainStringControl(int stringRow);
int mainGeneralControl(int generalRow);

}  // namespace orv
