#pragma once

// The main window's own controls as the workflows reach them through page
// Main: the value control of a string, general or control row, and the
// control rows of its buttons.

namespace orv {

int mainStringControl(int stringRow);
int mainGeneralControl(int generalRow);
int controlRowId(int controlRow);

// Control rows of the main window's buttons.
namespace MainControlRow {
inline constexpr int ChangeJob = 0;
inline constexpr int ChangeCtn = 1;
inline constexpr int Range = 30;
inline constexpr int DatabaseUtility = 34;
inline constexpr int GetDefaults = 35;
inline constexpr int DatabaseFrame = 36;
inline constexpr int Save = 37;
inline constexpr int Read = 38;
inline constexpr int Delete = 39;
inline constexpr int Export = 40;
inline constexpr int Import = 41;
inline constexpr int DeviceFrame = 42;
inline constexpr int ReadDevice = 43;
inline constexpr int WriteDevice = 44;
inline constexpr int ComPort = 45;
inline constexpr int Print = 46;
inline constexpr int Clock = 47;
inline constexpr int Shutdown = 48;
}  // namespace MainControlRow

}  // namespace orv
