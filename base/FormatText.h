#pragma once
#include <string>
#include <vector>

// Replaces %1 to %9 in a message with the given arguments ("%%" stays as is;
// a placeholder without argument is left out).
std::string FormatText(const std::string& format, const std::vector<std::string>& args);

// Splits text at each "\n" (a text without one gives one field).
std::vector<std::string> SplitLines(const std::string& text);
