#pragma once

// Where a database lives: a file path for the embedded engine, or a connection
// URI ("postgresql://user@host:port/dbname", "postgres://...") for a shared
// server. Every place that takes a database path takes a URI as well.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace orv {

bool isServerUri(std::string_view path);

// A connection URI taken apart once, each part as it was written:
//   scheme "//" [user [":" password] "@"] hosts ["/" dbname] ["?" key=value ("&" key=value)*]
// The credentials end at the last "@" before the first "/", so a password
// holding "?", ":" or "@" stays one password. A URI with no "@" there but one
// further on (a password holding "/") cannot be told apart from a database or
// parameter holding "@": everything up to that last "@" then counts as
// credentials that are never shown (credentialsHidden).
struct DatabaseUri {
    std::string scheme;  // "postgresql://" or "postgres://", as written
    bool hasCredentials = false;
    bool credentialsHidden = false;  // the whole credentials part is shown as "***"
    std::string user;
    bool hasPassword = false;
    std::string password;
    std::string hosts;  // host[:port][,host[:port]...]
    bool hasDatabase = false;
    std::string database;
    bool hasQuery = false;
    struct Parameter {
        std::string key;
        std::optional<std::string> value;  // nothing: the key stood without "="
    };
    std::vector<Parameter> parameters;  // the query's key=value pairs, in order
};

// Nothing for a file path.
std::optional<DatabaseUri> parseDatabaseUri(std::string_view path);

// The path as it may be shown or logged: a file path as it is; a URI rebuilt
// from its parts with its password (the "user:password@" part or a "password="
// parameter) replaced by "***".
std::string displayName(std::string_view path);

// The password a URI carries ("" when none), as written in it.
std::string uriPassword(std::string_view uri);

}  // namespace orv
