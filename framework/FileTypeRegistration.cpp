#include "framework/FileTypeRegistration.h"

std::vector<RegistryEntry> FileTypeEntries(const std::string& programPath,
                                           const std::string& fileTypeId,
                                           const std::string& fileTypeName) {
    const std::string program = "\"" + programPath + "\"";
    return {
        {fileTypeId, "", fileTypeName},
        {fileTypeId + "\\DefaultIcon", "", programPath + ",1"},
        {fileTypeId + "\\shell\\open\\command", "", program + " \"%1\""},
        {fileTypeId + "\\shell\\print\\command", "", program + " /p \"%1\""},
        {fileTypeId + "\\shell\\printto\\command", "",
         program + " /pt \"%1\" \"%2\" \"%3\" \"%4\""},
    };
}

std::vector<RegistryEntry> ExtensionEntries(const std::string& extension,
                                            const std::string& fileTypeId) {
    return {
        {extension, "", fileTypeId},
        {extension + "\\ShellNew", "NullFile", ""},
    };
}
