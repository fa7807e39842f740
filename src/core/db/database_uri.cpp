#include "db/database_uri.h"

#include <array>

#include "app/text_helpers.h"

namespace orv {
namespace {

constexpr std::array<std::string_view, 2> kSchemes = {"postgresql://", "postgres://"};
constexpr std::string_view kHidden = "***";

std::size_t schemeLength(std::string_view path) {
    for (const std::string_view scheme : kSchemes) {
        if (startsWithIgnoringCase(path, scheme)) return scheme.size();
    }
    return 0;
}

// "%70assword" is "password" to the server as well.
std::string percentDecoded(std::string_view text) {
    std::string decoded;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const int high = text[i] == '%' && i + 2 < text.size() ? hexDigitValue(text[i + 1]) : -1;
        const int low = high >= 0 ? hexDigitValue(text[i + 2]) : -1;
        if (low >= 0) {
            decoded += static_cast<char>(high * 16 + low);
            i += 2;
        } else {
            decoded += text[i];
        }
    }
    return decoded;
}

bool isPasswordKey(std::string_view key) {
    return equalIgnoringCase(percentDecoded(key), "password");
}

// Characters that never belong to a plain user name: a "user" holding them is
// more likely a piece of a URI the credentials were cut from wrongly.
bool looksLikeUser(std::string_view user) {
    return user.find_first_of("/?=&") == std::string_view::npos;
}

}  // namespace

bool isServerUri(std::string_view path) {
    return schemeLength(path) != 0;
}

std::optional<DatabaseUri> parseDatabaseUri(std::string_view path) {
    const std::size_t schemeEnd = schemeLength(path);
    if (schemeEnd == 0) return std::nullopt;
    DatabaseUri uri;
    uri.scheme = std::string(path.substr(0, schemeEnd));
    std::string_view rest = path.substr(schemeEnd);

    const std::size_t slash = rest.find('/');
    std::size_t at = rest.rfind('@', slash);  // the last "@" before the first "/"
    if (at == std::string_view::npos && slash != std::string_view::npos) {
        // No credentials before the first "/", yet perhaps an "@" after it.
        at = rest.rfind('@');
        uri.credentialsHidden = at != std::string_view::npos;
    }
    if (at != std::string_view::npos) {
        uri.hasCredentials = true;
        const std::string_view credentials = rest.substr(0, at);
        const std::size_t colon = credentials.find(':');
        uri.user = std::string(credentials.substr(0, colon));
        if (colon != std::string_view::npos) {
            uri.hasPassword = true;
            uri.password = std::string(credentials.substr(colon + 1));
        }
        if (!looksLikeUser(uri.user)) uri.credentialsHidden = true;
        rest.remove_prefix(at + 1);
    }

    const std::size_t hostsEnd = std::min(rest.find_first_of("/?"), rest.size());
    uri.hosts = std::string(rest.substr(0, hostsEnd));
    rest.remove_prefix(hostsEnd);
    if (!rest.empty() && rest.front() == '/') {
        const std::size_t databaseEnd = std::min(rest.find('?'), rest.size());
        uri.hasDatabase = true;
        uri.database = std::string(rest.substr(1, databaseEnd - 1));
        rest.remove_prefix(databaseEnd);
    }
    if (!rest.empty() && rest.front() == '?') {
        uri.hasQuery = true;
        rest.remove_prefix(1);
        while (true) {
            const std::size_t end = std::min(rest.find('&'), rest.size());
            const std::string_view pair = rest.substr(0, end);
            const std::size_t eq = pair.find('=');
            DatabaseUri::Parameter parameter{std::string(pair.substr(0, eq)), std::nullopt};
            if (eq != std::string_view::npos) parameter.value = std::string(pair.substr(eq + 1));
            uri.parameters.push_back(std::move(parameter));
            if (end == rest.size()) break;
            rest.remove_prefix(end + 1);
        }
    }
    return uri;
}

std::string displayName(std::string_view path) {
    const auto uri = parseDatabaseUri(path);
    if (!uri) return std::string(path);
    std::string shown = uri->scheme;
    if (uri->credentialsHidden) {
        shown += std::string(kHidden) + "@";
    } else if (uri->hasCredentials) {
        shown += uri->user;
        if (uri->hasPassword) shown += ":" + std::string(kHidden);
        shown += "@";
    }
    shown += uri->hosts;
    if (uri->hasDatabase) shown += "/" + uri->database;
    if (uri->hasQuery) {
        shown += "?";
        bool first = true;
        for (const auto& [key, value] : uri->parameters) {
            if (!first) shown += "&";
            first = false;
            shown += key;
            // A password's value is never shown, whatever stands there.
            if (isPasswordKey(key)) {
                shown += "=" + std::string(kHidden);
            } else if (value) {
                shown += "=" + *value;
            }
        }
    }
    return shown;
}

std::string uriPassword(std::string_view uri) {
    const auto parsed = parseDatabaseUri(uri);
    if (!parsed) return {};
    if (parsed->hasPassword && !parsed->password.empty()) return parsed->password;
    for (const auto& [key, value] : parsed->parameters)
        if (isPasswordKey(key) && value) return *value;
    return {};
}

}  // namespace orv
