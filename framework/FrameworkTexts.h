#pragma once

// The framework's own messages: document files, dialog fields and failed
// operations. "%1" stands for the file's name or title.
namespace texts {
constexpr char kSaveChangesTo[] = "Save changes to %1?";
constexpr char kUnexpectedFileFormat[] = "Unexpected file format.";
constexpr char kFailedToOpenDocument[] = "Failed to open document.";
constexpr char kFileNotFound[] =
    "%1\nCannot find this file.\nPlease verify that the correct path and file name are given.";
constexpr char kFailedToSaveDocument[] = "Failed to save document.";
// The new contents were written completely, but the file could not be
// replaced by them: %1 is the file that holds them now.
constexpr char kFailedToSaveKept[] = "Failed to save document.\nThe new contents were kept in %1.";
constexpr char kEnterInteger[] = "Please enter an integer.";
constexpr char kEnterIntegerBetween[] = "Please enter an integer between %1 and %2.";
// An operation stopped by an exception: memory ran out, or anything else.
constexpr char kNotEnoughMemory[] = "Not enough memory to complete this operation.";
constexpr char kOperationFailed[] = "An unexpected error stopped this operation.";
}  // namespace texts
