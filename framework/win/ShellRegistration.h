#pragma once
#include <string>

struct DocumentStrings;

// Registers the document type with the shell for the current user (under
// HKEY_CURRENT_USER\Software\Classes, which HKEY_CLASSES_ROOT shows), so it
// works without administrator rights. The extension is pointed at the type
// unless it already names it. Returns false when a value could not be written.
bool RegisterShellFileTypes(const std::string& programPath, const DocumentStrings& strings);
// Removes what RegisterShellFileTypes wrote for the current user.
void UnregisterShellFileTypes(const DocumentStrings& strings);
