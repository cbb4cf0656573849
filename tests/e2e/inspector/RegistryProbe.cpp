#include "RegistryProbe.h"

#include <windows.h>

#include <cstdlib>
#include <vector>

namespace {
// Splits "HKCU\Sub\Key" into the root and the subkey path.
bool SplitPath(const std::string& keyPath, HKEY& root, std::string& subKey) {
    std::size_t slash = keyPath.find('\\');
    std::string rootName = keyPath.substr(0, slash);
    subKey = slash == std::string::npos ? std::string() : keyPath.substr(slash + 1);
    if (rootName == "HKCU" || rootName == "HKEY_CURRENT_USER")
        root = HKEY_CURRENT_USER;
    else if (rootName == "HKLM" || rootName == "HKEY_LOCAL_MACHINE")
        root = HKEY_LOCAL_MACHINE;
    else if (rootName == "HKCR" || rootName == "HKEY_CLASSES_ROOT")
        root = HKEY_CLASSES_ROOT;
    else
        return false;
    return true;
}
}  // namespace

std::string CRegistryProbe::Get(const std::string& keyPath, const std::string& name) {
    HKEY root = nullptr;
    std::string subKey;
    if (!SplitPath(keyPath, root, subKey))
        return "none";
    HKEY key = nullptr;
    if (RegOpenKeyExA(root, subKey.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS)
        return "none";
    DWORD type = 0, size = 0;
    std::string result = "none";
    if (RegQueryValueExA(key, name.c_str(), nullptr, &type, nullptr, &size) == ERROR_SUCCESS) {
        std::vector<BYTE> data(size + 2, 0);
        if (RegQueryValueExA(key, name.c_str(), nullptr, &type, data.data(), &size) ==
            ERROR_SUCCESS) {
            if (type == REG_SZ || type == REG_EXPAND_SZ)
                result = "sz:" + std::string(reinterpret_cast<const char*>(data.data()));
            else if (type == REG_DWORD)
                result = "dword:" + std::to_string(*reinterpret_cast<const DWORD*>(data.data()));
            else
                result = "type" + std::to_string(type) + ":" + std::to_string(size) + " bytes";
        }
    }
    RegCloseKey(key);
    return result;
}

bool CRegistryProbe::Set(const std::string& keyPath, const std::string& name,
                         const std::string& type, const std::string& value) {
    HKEY root = nullptr;
    std::string subKey;
    if (!SplitPath(keyPath, root, subKey))
        return false;
    HKEY key = nullptr;
    if (RegCreateKeyExA(root, subKey.c_str(), 0, nullptr, 0, KEY_WRITE, nullptr, &key, nullptr) !=
        ERROR_SUCCESS)
        return false;
    LONG status = ERROR_INVALID_PARAMETER;
    if (type == "sz") {
        status = RegSetValueExA(key, name.c_str(), 0, REG_SZ,
                                reinterpret_cast<const BYTE*>(value.c_str()),
                                static_cast<DWORD>(value.size() + 1));
    } else if (type == "dword") {
        DWORD number = static_cast<DWORD>(std::strtoul(value.c_str(), nullptr, 0));
        status = RegSetValueExA(key, name.c_str(), 0, REG_DWORD,
                                reinterpret_cast<const BYTE*>(&number), sizeof number);
    }
    RegCloseKey(key);
    return status == ERROR_SUCCESS;
}

bool CRegistryProbe::DeleteTree(const std::string& keyPath) {
    HKEY root = nullptr;
    std::string subKey;
    if (!SplitPath(keyPath, root, subKey) || subKey.empty())
        return false;
    LONG status = RegDeleteTreeA(root, subKey.c_str());
    if (status == ERROR_SUCCESS || status == ERROR_FILE_NOT_FOUND)
        return true;
    return false;
}
