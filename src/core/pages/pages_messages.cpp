#include "pages/pages_messages.h"

#include "app/format_text.h"

namespace orv {

std::string badAddressMessage(const std::string& text, const char* field) {
    return formatText(
        "'%s' in field '%s' is not an address.\nEnter four numbers from 0 to 255 separated by dots (192.168.0.1).",
        text.c_str(), field);
}

std::string badPatternMessage(const std::string& text, const char* field) {
    return formatText(
        "'%s' in field '%s' is not a pulse pattern.\nOnly the characters '0' and '1' may be entered, at most 12 of them.",
        text.c_str(), field);
}

std::string badIdHexMessage(const std::string& text) {
    return formatText(
        "'%s' is not a PTT ID hex value.\nOnly the hexadecimal digits 0 to 9 and A to F may be entered, at most 8 of them.",
        text.c_str());
}

std::string textLimitMessage(const std::string& label, int limit) {
    return formatText("The %s field can only hold %d characters.", label.c_str(), limit);
}

std::string notesLimitMessage(int limit) {
    return formatText("The Notes field can only hold %d characters.", limit);
}

}  // namespace orv
