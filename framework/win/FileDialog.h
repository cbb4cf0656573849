#pragma once
#include <windows.h>

#include <functional>
#include <optional>
#include <string>
#include <vector>

// The standard Open and Save As dialogs. Filters are written as
// "Name|pattern|Name|pattern||".
struct FileDialogOptions {
    HWND owner = nullptr;
    std::string title;  // empty: the system's own
    std::string filter;
    std::string defaultExtension;  // without the dot; empty: none
    std::string initialFolder;
    std::string fileName;  // initial file name
    DWORD flags = 0;       // on top of the explorer-style defaults
    // Bytes for the file name(s): room for a path of MAX_PATH characters
    // even in UTF-8, where a character takes up to three bytes.
    std::size_t bufferSize = 3 * MAX_PATH;
};

enum class FileDialogResult { Ok, Cancelled, BufferTooSmall, Failed };

// Runs the Open dialog; with OFN_ALLOWMULTISELECT the chosen files come back
// one full path each, in the order the dialog lists them.
FileDialogResult AskOpenFiles(const FileDialogOptions& options, std::vector<std::string>& paths);
// Runs the Save As dialog.
FileDialogResult AskSaveFile(const FileDialogOptions& options, std::string& path);

// Replaces the system's dialogs (tests): the function sees the options and
// whether it is the Save As dialog, and gives the result and the paths.
using FileDialogOverride = std::function<FileDialogResult(
    const FileDialogOptions& options, bool save, std::vector<std::string>& paths)>;
void SetFileDialogOverride(FileDialogOverride handler);
