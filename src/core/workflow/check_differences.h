#pragma once

// Every difference behind a check's first: Check Device and the database's
// Check stop at the first difference they meet, and the user may then open
// the whole list ("Show Details..."); orvctl's check --all prints it.

#include <optional>
#include <string>
#include <vector>

#include "compare/configuration_diff.h"
#include "image/image_codec.h"

namespace orv {

class ParameterDb;

// What the collar's configuration image holds, decoded as a read decodes it,
// over the record (values the image does not keep stay as the record has
// them), quietly; nothing when the image does not decode.
std::optional<Configuration> collarConfiguration(const ParameterRecord& shown,
                                                 std::span<const std::uint8_t> image,
                                                 const DecodeRequest& request);

// From what the collar's configuration image holds to what the record shows. Empty when the image does not
// decode: the check then says why itself.
std::vector<Difference> collarDifferences(const ParameterRecord& shown, std::span<const std::uint8_t> image,
                                          const DecodeRequest& request);

// From the stored device Job/CTN/status in db's database to what the record
// shows. Empty when nothing can be read: the check then says why itself.
std::vector<Difference> storedDifferences(const ParameterDb& db, const std::string& job,
                                          const std::string& ctn, const std::string& status,
                                          const ParameterRecord& shown);

}  // namespace orv
