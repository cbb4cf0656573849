#pragma once
#include <string>

// Message boxes of the list's editing commands: captions, texts and the
// texts built from numbers and paths.
namespace texts {
constexpr char kRemoveAllCaption[] = "Remove All Items";
constexpr char kRemoveAllQuestion[] = "Are you sure you want to remove all items from this list?";
constexpr char kRecycleCaption[] = "Recycle Selected Files";
constexpr char kRecycleQuestion[] = "Are you sure you want to recycle the selected files?";
constexpr char kRecycleErrorCaption[] = "Recycle Files Error";
constexpr char kNoDeadFilesCaption[] = "No Dead Files Found";
constexpr char kNoDeadFilesText[] = "No dead files were found in the active list.";
constexpr char kDeadFilesRemovedCaption[] = "Dead Files Removed";
constexpr char kPathNotFoundCaption[] = "Path Not Found";
constexpr char kAddFilesTitle[] = "Add Wallpaper Files";
constexpr char kAddFilesFilter[] =
    "Wallpaper Files (*.bmp, *.jpg, *.jpeg, *.png)|*.bmp;*.jpg;*.jpeg;*.png|All Files (*.*)|*.*||";
// Shown when a selection in the Add Files dialog is too large to be taken.
constexpr char kTooManyFilesCaption[] = "Add Wallpaper Files";
constexpr char kTooManyFilesText[] =
    "Too many files were selected at once, so none of them were added.\n\n"
    "Please select fewer files, or use Add From Folder to add a whole folder.";
}  // namespace texts

// "A total of N error(s) ..." after a recycle with failures.
std::string RecycleErrorText(int errors);
// "N dead file(s) removed from the active list."
std::string DeadFilesRemovedText(int removed);
// "N item(s) ... kept because ... drive or network share is not available."
// after a dead-item scan that could not look at some items.
std::string ItemsKeptText(int kept);
// "The containing folder was not found!" with the folder it looked for.
std::string FolderNotFoundText(const std::string& folder);
// The status bar during a long folder scan: "Scanning C:\Photos... 1234
// files added".
std::string ScanProgressText(const std::string& folder, int added);
