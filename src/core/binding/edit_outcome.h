#pragma once

namespace orv {

// What became of a user's action on a parameter's control, on the way from the
// typed text (typeIntoControl) through the page's handler (the page handler
// registry) to the action as a whole (actOnControl). orvctl turns it into its
// exit status.
enum class EditOutcome {
    Taken,         // the control took it and the page's handler accepted it
    Refused,       // the page refused it after its message
    NoSuchRow,     // no value row of that table (or the control table)
    NoSuchSeason,  // season outside 1..12
    NotAChoice,    // no entry of the list, or no TRUE/FALSE/1/0 for a flag
};

}  // namespace orv
