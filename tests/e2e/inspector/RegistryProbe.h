#pragma once
#include <string>

// Reads and changes the registry of the prefix the inspector runs in. Key
// paths start with HKCU\ or HKLM\ (or the long root names).
class CRegistryProbe {
public:
    // The value as text ("sz:TEXT", "dword:N" or "none" when missing).
    static std::string Get(const std::string& keyPath, const std::string& name);
    // Writes a REG_SZ (type "sz") or REG_DWORD (type "dword") value.
    static bool Set(const std::string& keyPath, const std::string& name, const std::string& type,
                    const std::string& value);
    // Deletes the key with all its subkeys; a missing key counts as deleted.
    static bool DeleteTree(const std::string& keyPath);
};
