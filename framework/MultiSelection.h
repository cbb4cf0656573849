#pragma once
#include <cstddef>
#include <string>
#include <vector>

// Splits what the Open dialog hands back with multi-selection on: either one
// full path, or the folder followed by the chosen names, each ended by a
// NUL and the whole ended by a second NUL. Gives one full path per file, in
// the dialog's order; a backslash is put between folder and name unless the
// folder ends in one (as a character of the current code page).
std::vector<std::string> SplitMultiSelection(const char* buffer, std::size_t size);
