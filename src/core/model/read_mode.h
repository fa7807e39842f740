#pragma once

namespace orv {

// What reading a stored configuration (from the database, the collar or an
// image) does with it: loads it into the record, or checks the record against it.
enum class ReadMode { Load, Check };

}  // namespace orv
