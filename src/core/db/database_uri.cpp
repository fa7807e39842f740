#include "db/database_uri.h"

#include <array>
#include <cctype>

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

// [begin, end) of the password in "user:password@host", or begin == end.
std::pair<std::size_t, std::size_t> authorityPassword(std::string_view uri) {
    const std::size_t start = schemeLength(uri);
    const std::size_t authorityEnd = std::min(uri.find_first_of("/?", start), uri.size());
    const std::size_t at = uri.rfind('@', authorityEnd == 0 ? 0 : authorityEnd - 1);
    if (at == std::string_view::npos || at < start) return {0, 0};
    const std::size_t colon = uri.find(':', start);
    if (colon == std::string_view::npos || colon > at) return {0, 0};
    return {colon + 1, at};
}

// [begin, end) of the value of a "password=" query parameter, or begin == end.
std::pair<std::size_t, std::size_t> queryPassword(std::string_view uri) {
    const std::size_t query = uri.find('?');
    if (query == std::string_view::npos) return {0, 0};
    constexpr std::string_view kKey = "password=";
    std::size_t at = query + 1;
    while (at < uri.size()) {
        const std::size_t end = std::min(uri.find('&', at), uri.size());
        if (uri.substr(at, kKey.size()) == kKey) return {at + kKey.size(), end};
        at = end + 1;
    }
    return {0, 0};
}

}  // namespace

bool isServerUri(std::string_view path) {
    return schemeLength(path) != 0;
}

std::string displayName(std::string_view path) {
    std::string shown(path);
    if (!isServerUri(path)) return shown;
    // The query part comes after the authority, so it is replaced first.
    for (const auto& [begin, end] : {queryPassword(shown), authorityPassword(shown)}) {
        if (end > begin) shown.replace(begin, end - begin, kHidden);
    }
    return shown;
}

std::string uriPassword(std::string_view uri) {
    if (!isServerUri(uri)) return {};
    const auto [begin, end] = authorityPassword(uri);
    if (end > begin) return std::string(uri.substr(begin, end - begin));
    const auto [queryBegin, queryEnd] = queryPassword(uri);
    return std::string(uri.substr(queryBegin, queryEnd - queryBegin));
}

}  // namespace orv
