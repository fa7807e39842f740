#include "support/support_messages.h"

#include "app/format_text.h"

namespace orv::doctortext {

std::string summary(int warnings, int failures) {
    return formatText("%d failed, %d warning%s", failures, warnings, warnings == 1 ? "" : "s");
}

std::string folderName(const std::string& folder) {
    return formatText("Data folder %s", folder.c_str());
}

std::string folderMissingFix(const std::string& folder) {
    return formatText("mkdir -p '%s'", folder.c_str());
}

std::string folderNotWritable(const std::string& reason) {
    return formatText("cannot write in it (%s)", reason.c_str());
}

std::string folderNotWritableFix(const std::string& folder) {
    return formatText(
        "give yourself write access (chmod u+w '%s'), or work in a folder of your own (ORV_DATA_DIR, orv3 "
        "--data-dir)",
        folder.c_str());
}

std::string settingsName(const std::string& file) {
    return formatText("Settings file %s", file.c_str());
}

std::string settingsAccessFix(const std::string& file) {
    return formatText("chmod u+rw '%s'", file.c_str());
}

std::string settingsDefaulted(const std::string& list) {
    return formatText("readable and writable; these settings are absent and take their defaults: %s",
                      list.c_str());
}

std::string databaseName(const char* which, const std::string& shownPath) {
    return formatText("%s %s", which, shownPath.c_str());
}

std::string databaseFileAbsentFix(const char* settingKey) {
    return formatText(
        "nothing to do for a new station; otherwise set [Files] \"%s\" in Orv3.cfg to the database",
        settingKey);
}

std::string databaseOpenFailed(const std::string& reason) {
    return formatText("cannot be opened: %s", reason.c_str());
}

std::string serverOpenFailedFix(const char* settingKey) {
    return formatText(
        "check that the server runs and answers, and the URI of [Files] \"%s\" in Orv3.cfg (try: psql 'URI')",
        settingKey);
}

std::string fileOpenFailedFix(const std::string& path) {
    return formatText("check the file and its permissions (ls -l '%s')", path.c_str());
}

std::string databaseTablesMissing(const std::string& tables) {
    return formatText("opens, but the tables %s are missing", tables.c_str());
}

std::string fileDatabaseOk(const std::string& tables) {
    return formatText("opens; tables %s present", tables.c_str());
}

std::string serverDatabaseOk(double connectMs, double roundTripMs, const std::string& tables) {
    return formatText("server reached (connected in %.1f ms, round trip %.1f ms); tables %s present",
                      connectMs, roundTripMs, tables.c_str());
}

std::string slotPortName(int slot, const std::string& path) {
    return formatText("COM %d (%s)", slot + 1, path.c_str());
}

std::string portName(const std::string& path) {
    return formatText("Port %s", path.c_str());
}

std::string portDenied(const std::string& user, const std::string& group) {
    return formatText("%s may not open it: it belongs to the group '%s'", user.c_str(), group.c_str());
}

std::string portDeniedFix(const std::string& user, const std::string& group) {
    return formatText("sudo usermod -aG %s %s, then log out and in again", group.c_str(), user.c_str());
}

std::string portOpenFailed(const std::string& reason) {
    return formatText("cannot be opened: %s", reason.c_str());
}

std::string portHeld(const std::string& holders) {
    return formatText("held open by %s", holders.c_str());
}

std::string moreHolders(std::size_t count) {
    return formatText(" and %zu more", count);
}

std::string portHeldFix(const std::string& name, int pid) {
    return formatText("close %s, or end it: kill %d", name.c_str(), pid);
}

std::string grabberRunning(const std::string& name, int pid) {
    return formatText("%s runs (PID %d): it takes new serial adapters and may hold the collar's port",
                      name.c_str(), pid);
}

std::string queuesFound(const std::string& list, const std::string& defaultQueue) {
    if (defaultQueue.empty()) return formatText("answers; queues: %s", list.c_str());
    return formatText("answers; queues: %s (default %s)", list.c_str(), defaultQueue.c_str());
}

std::string windowRuns(const std::string& platform) {
    return formatText("the window runs on the Qt platform '%s'", platform.c_str());
}

std::string displayReady(const std::string& display, const std::string& plugin) {
    return formatText("%s; the Qt platform plugin '%s' is installed", display.c_str(), plugin.c_str());
}

std::string pluginMissing(const std::string& plugin, const std::string& folder) {
    return formatText("the Qt platform plugin '%s' is not in %s: the window cannot open", plugin.c_str(),
                      folder.c_str());
}

std::string pluginMissingFix(const std::string& plugin) {
    return formatText("sudo apt install %s", plugin == "wayland" ? "qt6-wayland" : "qt6-qpa-plugins");
}

std::string bundleWritten(const std::string& path) {
    return formatText("The support bundle was written to %s.", path.c_str());
}

std::string bundleFailed(const std::string& path, const std::string& reason) {
    return formatText("The support bundle could not be written to %s: %s", path.c_str(), reason.c_str());
}

}  // namespace orv::doctortext
