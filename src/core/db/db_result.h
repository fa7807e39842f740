#pragma once

// Results of the database operations. Each operation shows its own failure;
// the result tells the caller only what happened. Every result has a number
// of its own: an operation that passes on another's result converts it to
// one of its own where it does (a failed open of a save is the save's Failed).

namespace orv {

enum class [[nodiscard]] DbResult{
    Ok,
    Failed,           // the failure's message was shown
    FileMissing,      // an open found no file (shown only when asked)
    Exists,           // a database was found where one was to be created (not shown)
    NotFound,         // a delete found no stored device with the key
    OpenFailed,       // an open failed otherwise (shown by openDatabase)
    EngineFailed,     // an engine call failed; the caller shows it with its own text
    OpenOutOfMemory,  // an open ran out of memory (tryOpenDatabase only)
};

}  // namespace orv
