#pragma once
#include <string>

// The full path of a path, relative parts resolved against the current
// folder (GetFullPathNameA, any length); the path itself when the system
// cannot make one.
std::string FullPathName(const std::string& path);
