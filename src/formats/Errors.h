#pragma once

#include <stdexcept>
#include <string>

// The failures that file handling passes to its callers; the screens catch them
// in their recovery blocks and show their own message.
struct FileError : std::runtime_error {
    using std::runtime_error::runtime_error;
};

// Reading went past the end of the file before an item started.
struct ReadPastEndError : FileError {
    ReadPastEndError() : FileError("Input past end of file") {}
};

// The file could not be opened, written or replaced.
struct FileAccessError : FileError {
    using FileError::FileError;
};

// The data is outside what the format allows (a count that is no number, too many names).
struct FormatError : FileError {
    using FileError::FileError;
};
