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

// A path that is not a regular file, or is reached through a link where nothing is written
// through one: nothing was read or written, and the message names the file.
struct RefusedFileError : FileAccessError {
    using FileAccessError::FileAccessError;
};

// Another computer has held the folder's lock for the whole wait: nothing was saved.
struct FolderBusyError : FileAccessError {
    using FileAccessError::FileAccessError;
};

// The folder cannot give what safe saving needs (two computers could save over each other):
// nothing was saved, and saving there will not work until the folder is set up differently.
struct UnsafeFolderError : FileAccessError {
    using FileAccessError::FileAccessError;
};

// The data is outside what the format allows (a count that is no number, too many names).
struct FormatError : FileError {
    using FileError::FileError;
};
