#pragma once
#include <windows.h>

#include <optional>
#include <string>

// Reads a text value of a key under HKEY_CLASSES_ROOT (the merged view of
// the user's and the machine's classes); name empty: the key's default
// value. None when the key or value is missing, is no REG_SZ (nor
// REG_EXPAND_SZ, when expandable ones are taken), or holds more than
// maxBytes bytes. The text ends at its first zero byte.
std::optional<std::string> ReadClassesRootText(const std::string& key, const std::string& name,
                                               DWORD maxBytes, bool takeExpandable);
