#pragma once

// Where a database lives: a file path for the embedded engine, or a connection
// URI ("postgresql://user@host:port/dbname", "postgres://...") for a shared
// server. Every place that takes a database path takes a URI as well.

#include <string>
#include <string_view>

namespace orv {

bool isServerUri(std::string_view path);

// The path as it may be shown or logged: a password inside a URI (the
// "user:password@" part or a "password=" parameter) is replaced by "***".
std::string displayName(std::string_view path);

// The password a URI carries ("" when none), as written in it.
std::string uriPassword(std::string_view uri);

}  // namespace orv
