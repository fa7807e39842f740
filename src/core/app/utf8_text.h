#pragma once

#include <string>
#include <string_view>

namespace orv {

// The text as well-formed UTF-8: well-formed sequences pass through, any other
// byte outside ASCII is read as Latin-1 (what older files and collars hold),
// so that every stored text can be written where UTF-8 is required.
std::string asUtf8(std::string_view text);

}  // namespace orv
