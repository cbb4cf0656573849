#include "view/EditTexts.h"

std::string RecycleErrorText(int errors) {
    return "A total of " + std::to_string(errors) + " " +
           (errors == 1 ? "error was" : "errors were") +
           " encountered while attempting to\n"
           "recycle the selected files. Either the files were already\n"
           "removed, or they were locked by another process.\n"
           "\n"
           "The items have been removed from the list, but the files\n"
           "may still be present on disk.";
}

std::string DeadFilesRemovedText(int removed) {
    return std::to_string(removed) + (removed == 1 ? " dead file removed from the active list."
                                                   : " dead files removed from the active list.");
}

std::string ItemsKeptText(int kept) {
    return std::to_string(kept) +
           (kept == 1 ? " item was kept because its drive or network share is not available."
                      : " items were kept because their drive or network share is not available.");
}

std::string FolderNotFoundText(const std::string& folder) {
    return "The containing folder was not found!\n\nExpected Path: " + folder;
}

std::string ScanProgressText(const std::string& folder, int added) {
    return "Scanning " + folder + "... " + std::to_string(added) +
           (added == 1 ? " file added" : " files added");
}
