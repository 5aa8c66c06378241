#pragma once

// A picture kept in the store (JPEG) in the form a user asked for.

#include <optional>
#include <string>
#include <string_view>

namespace rkm {

// `jpeg` encoded as `format` ("png" or "jpg"), or nullopt with `error` set
// when it cannot be decoded. A stored JPEG asked for as JPEG is given as it is.
std::optional<std::string> EncodePicture(std::string_view jpeg, std::string_view format, std::string &error);

} // namespace rkm
