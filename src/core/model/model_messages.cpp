#include "model/model_messages.h"

#include "app/format_text.h"

namespace orv::modeltext {

std::string undefinedControl(unsigned dialog, int control) {
    return formatText(
        "Internal error - a value was requested from an undefined control.\nDialog '0x%X' -- Control '%d'\n\nQuit and rerun the program.  If the problem occurs again, call Halvorn support.",
        dialog, control);
}

std::string notANumber(const std::string& text, const char* field) {
    return formatText("'%s' in field '%s' is not a number.\nThe field keeps its value.", text.c_str(), field);
}

std::string minSecNotRecognized(const char* field) {
    return formatText(
        "Did not recognize a time (mm:ss) in field '%s'\nWill try to interpret the entry as an integer number of seconds.",
        field);
}

std::string hourMinNotRecognized(const char* field) {
    return formatText(
        "Did not recognize a time (hh:mm) in field '%s'\nWill try to interpret the entry as an integer number of minutes.",
        field);
}

std::string monthNotRecognized(const char* field) {
    return formatText("Did not recognize a month in field '%s'\nWill default to the start of the year.",
                      field);
}

std::string valueModified(double entered, const char* field, double value) {
    return formatText(
        "'%6.4lf' in field '%s' was modified to '%6.4lf'\nto meet data format or range requirements.",
        entered, field, value);
}

std::string megahertzModified(double enteredMegahertz, const char* field, double valueMegahertz) {
    return formatText(
        "'%3.4lf' in field '%s' was modified to '%3.4lf'\nto meet data format or range requirements.",
        enteredMegahertz, field, valueMegahertz);
}

std::string secondsNotAllowed(const char* field, int season, const char* from, const char* to) {
    return formatText(
        "Field '%s' in season '%d' was changed from '%s' to '%s'\nbecause intervals in seconds are not allowed when ARGOS PTT transmissions are enabled.",
        field, season, from, to);
}

std::string seasonValueModified(double entered, const char* field, int season, double value) {
    return formatText(
        "'%6.4lf' in field '%s' in season '%d' was modified to '%6.4lf'\nto meet data format or range requirements.",
        entered, field, season, value);
}

std::string overrideIgnored(const char* key, const char* section, const std::string& file, std::size_t line,
                            const std::string& reason) {
    return formatText("The entry '%s' in section [%s] of the settings file '%s' (line %zu) is ignored:\n%s.",
                      key, section, file.c_str(), line, reason.c_str());
}

std::string overridesUnreadable(const std::string& file) {
    return formatText(
        "The settings file '%s' could not be read: its default and limit overrides are not used,\nand the file is left as it is.",
        file.c_str());
}

std::string overridePieceNotNumber(const std::string& piece) {
    return formatText("'%s' is not a number", piece.c_str());
}

std::string overrideMinimumAboveMaximum(double minimum, double maximum) {
    return formatText("its minimum %g is above its maximum %g", minimum, maximum);
}

std::string overrideDefaultOutside(double value, double minimum, double maximum) {
    return formatText("its default %g lies outside its minimum %g and maximum %g", value, minimum, maximum);
}

}  // namespace orv::modeltext
