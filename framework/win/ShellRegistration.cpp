#include "framework/win/ShellRegistration.h"

#include <windows.h>
#include <shlobj.h>

#include "framework/DocumentStrings.h"
#include "framework/FileTypeRegistration.h"
#include "framework/win/ClassesRoot.h"

namespace {

const char kClassesKey[] = "Software\\Classes\\";

// Reads a value under HKEY_CLASSES_ROOT (the merged view); false when absent.
bool ReadClassesValue(const std::string& key, const std::string& name, std::string& value) {
    std::optional<std::string> text = ReadClassesRootText(key, name, 1023, false);
    if (text)
        value = *text;
    return text.has_value();
}

// Writes one entry for the current user; sets changed when it differed.
bool WriteEntry(const RegistryEntry& entry, bool& changed) {
    std::string current;
    if (ReadClassesValue(entry.key, entry.name, current) && current == entry.value) {
        // Make sure the user's own key holds it, not only the machine's.
        HKEY own;
        std::string path = kClassesKey + entry.key;
        if (RegOpenKeyExA(HKEY_CURRENT_USER, path.c_str(), 0, KEY_QUERY_VALUE, &own) ==
            ERROR_SUCCESS) {
            RegCloseKey(own);
            return true;
        }
    }
    HKEY handle;
    std::string path = kClassesKey + entry.key;
    if (RegCreateKeyExA(HKEY_CURRENT_USER, path.c_str(), 0, nullptr, 0, KEY_SET_VALUE, nullptr,
                        &handle, nullptr) != ERROR_SUCCESS)
        return false;
    LONG result = RegSetValueExA(handle, entry.name.empty() ? nullptr : entry.name.c_str(), 0,
                                 REG_SZ, reinterpret_cast<const BYTE*>(entry.value.c_str()),
                                 static_cast<DWORD>(entry.value.size() + 1));
    RegCloseKey(handle);
    changed = true;
    return result == ERROR_SUCCESS;
}

}  // namespace

bool RegisterShellFileTypes(const std::string& programPath, const DocumentStrings& strings) {
    if (strings.fileTypeId.empty())
        return true;
    bool ok = true;
    bool changed = false;
    for (const RegistryEntry& entry :
         FileTypeEntries(programPath, strings.fileTypeId, strings.fileTypeName))
        ok = WriteEntry(entry, changed) && ok;
    std::string current;
    if (!strings.filterExtension.empty() &&
        !(ReadClassesValue(strings.filterExtension, "", current) &&
          current == strings.fileTypeId)) {
        for (const RegistryEntry& entry :
             ExtensionEntries(strings.filterExtension, strings.fileTypeId))
            ok = WriteEntry(entry, changed) && ok;
    }
    if (changed)
        SHChangeNotify(SHCNE_ASSOCCHANGED, SHCNF_IDLIST, nullptr, nullptr);
    return ok;
}

void UnregisterShellFileTypes(const DocumentStrings& strings) {
    if (strings.fileTypeId.empty())
        return;
    std::string current;
    std::string extensionKey = kClassesKey + strings.filterExtension;
    HKEY handle;
    if (!strings.filterExtension.empty() &&
        RegOpenKeyExA(HKEY_CURRENT_USER, extensionKey.c_str(), 0, KEY_QUERY_VALUE, &handle) ==
            ERROR_SUCCESS) {
        char buffer[256] = {};
        DWORD size = sizeof buffer - 1;
        bool ours = RegQueryValueExA(handle, nullptr, nullptr, nullptr,
                                     reinterpret_cast<BYTE*>(buffer), &size) == ERROR_SUCCESS &&
                    strings.fileTypeId == buffer;
        RegCloseKey(handle);
        if (ours)
            RegDeleteTreeA(HKEY_CURRENT_USER, extensionKey.c_str());
    }
    std::string typeKey = kClassesKey + strings.fileTypeId;
    RegDeleteTreeA(HKEY_CURRENT_USER, typeKey.c_str());
    SHChangeNotify(SHCNE_ASSOCCHANGED, SHCNF_IDLIST, nullptr, nullptr);
}
