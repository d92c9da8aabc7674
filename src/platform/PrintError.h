#pragma once

#include <stdexcept>

// A printing operation failed: no printer, or the printer refused.
struct PrintError : std::runtime_error {
    using std::runtime_error::runtime_error;
};
