#pragma once

#include <stdexcept>
#include <string>

namespace rkm {

// An operation that cannot go on raises this with the text the user is shown.
class RackmereError : public std::runtime_error {
public:
    explicit RackmereError(const std::string &message) : std::runtime_error(message) {}
};

} // namespace rkm
