#pragma once
#include <string>

// The program's existence test for files and folders: false only when the
// system reports the file or a folder on its path as not found
// (ERROR_FILE_NOT_FOUND, ERROR_PATH_NOT_FOUND). Any other failure, such as
// access denied or an unreachable network share, counts as present.
bool PathExists(const std::string& path);
