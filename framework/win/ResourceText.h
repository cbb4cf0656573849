#pragma once
#include <windows.h>

#include <string>

// The text of a string table entry of the program; empty when there is none.
std::string LoadResourceString(UINT id);
// The first line of a command's string (its status-bar prompt).
std::string CommandPrompt(UINT id);
// The second line of a command's string (its tooltip); empty when there is none.
std::string CommandTooltip(UINT id);
