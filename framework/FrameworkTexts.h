#pragma once

// The framework's own messages for document files. "%1" stands for the
// file's name or title.
namespace texts {
constexpr char kSaveChangesTo[] = "Save changes to %1?";
constexpr char kUnexpectedFileFormat[] = "Unexpected file format.";
constexpr char kFailedToOpenDocument[] = "Failed to open document.";
constexpr char kFileNotFound[] =
    "%1\nCannot find this file.\nPlease verify that the correct path and file name are given.";
constexpr char kFailedToSaveDocument[] = "Failed to save document.";
constexpr char kEnterInteger[] = "Please enter an integer.";
constexpr char kEnterIntegerBetween[] = "Please enter an integer between %1 and %2.";
}  // namespace texts
