#pragma once

// Results of the database operations. Each operation shows its own failure;
// the result tells the caller only what happened. The numbers are those the
// operations have always returned; names that share a number are the same
// result seen by different operations.

namespace orv {

enum class [[nodiscard]] DbResult : int{
    Ok = 0,
    Failed = 1,         // the failure's message was shown
    FileMissing = 1,    // an open found no file (shown only when asked)
    Exists = 2,         // a database was found where one was to be created (not shown)
    NotFound = -1,      // a delete found no stored device with the key
    OpenFailed = -1,    // an open failed otherwise (shown)
    EngineFailed = -1,  // an engine call failed; the caller shows it with its own text
    OpenOutOfMemory = -2,
};

}  // namespace orv
