#pragma once

#include <stdexcept>
#include <string>

namespace korvalin {

// A start-up step that leaves the game unplayable, with the message that
// tells the player why.
class StartupError : public std::runtime_error {
public:
    explicit StartupError(const std::string& message) : std::runtime_error(message) {}
};

}  // namespace korvalin
