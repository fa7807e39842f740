#pragma once

// A firmware's memory layouts as a table, one line a row: the offset in the
// image, the width in bytes (and the encoding where the width does not say
// it), the bits of a bit field, and the parameter the row stores. Committed
// once per firmware, the table shows any edit of a layout as a diff.

#include <optional>
#include <string>
#include <string_view>

namespace orv {

// The configuration image, then the factory image where the firmware has one;
// nothing when the version is not supported.
std::optional<std::string> layoutText(std::string_view version);

}  // namespace orv
