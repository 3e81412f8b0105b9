// A problem with what the user asked for: one line to stderr, exit code 2.
#pragma once

#include <stdexcept>
#include <string>

class CliError : public std::runtime_error {
public:
    explicit CliError(const std::string& message) : std::runtime_error(message) {}
};
