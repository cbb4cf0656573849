#pragma once
#include <string>

// What the Add Folder dialog takes as a folder to add.
namespace add_folder_rules {

// True when the folder text names no folder at all: empty, or blanks only.
// A scan of it would start at the root of the current drive.
bool NamesNoFolder(const std::string& folder);

// The dialog's answer to such a text on OK; the dialog stays open.
constexpr char kNoFolderText[] = "Please enter a folder path, or click Browse to select a folder.";

}  // namespace add_folder_rules
