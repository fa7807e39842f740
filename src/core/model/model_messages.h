#pragma once

#include <cstddef>
#include <string>

// The texts of the parameter model: what a typed entry, a settings override and
// the start-up check of the tables tell the user. Texts that carry names or
// numbers are built by the functions below, each from one whole text.

namespace orv::modeltext {

inline constexpr const char* kDefinitionsMismatch =
    "Cannot proceed -- Control definition arrays do not match enumerated lists.\nCall Halvorn support.";

// A value asked of a control the page does not have.
std::string undefinedControl(unsigned dialog, int control);

// Typed entries.
std::string notANumber(const std::string& text, const char* field);
std::string minSecNotRecognized(const char* field);
std::string hourMinNotRecognized(const char* field);
std::string monthNotRecognized(const char* field);
std::string valueModified(double entered, const char* field, double value);
std::string megahertzModified(double enteredMegahertz, const char* field, double valueMegahertz);

// The fix intervals of a season when ARGOS transmissions are enabled.
std::string secondsNotAllowed(const char* field, int season, const char* from, const char* to);
std::string seasonValueModified(double entered, const char* field, int season, double value);

// The default and limit overrides of the settings file.
std::string overrideIgnored(const char* key, const char* section, const std::string& file, std::size_t line,
                            const std::string& reason);
std::string overridesUnreadable(const std::string& file);
std::string overridePieceNotNumber(const std::string& piece);
std::string overrideMinimumAboveMaximum(double minimum, double maximum);
std::string overrideDefaultOutside(double value, double minimum, double maximum);

}  // namespace orv::modeltext
