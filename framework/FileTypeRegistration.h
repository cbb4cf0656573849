#pragma once
#include <string>
#include <vector>

// The registry values that make the shell open a document type with the
// program: keys relative to the classes root, value name ("" for the
// key's default value) and text.
struct RegistryEntry {
    std::string key;
    std::string name;
    std::string value;
};

// The file type itself: its name, document icon (the program's second icon)
// and the open, print and print-to commands.
std::vector<RegistryEntry> FileTypeEntries(const std::string& programPath,
                                           const std::string& fileTypeId,
                                           const std::string& fileTypeName);
// The extension pointing to the file type, with an empty "NullFile" under
// its "ShellNew" key so that the shell's New menu can make an empty file.
std::vector<RegistryEntry> ExtensionEntries(const std::string& extension,
                                            const std::string& fileTypeId);
