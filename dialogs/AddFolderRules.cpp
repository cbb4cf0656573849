#include "dialogs/AddFolderRules.h"

namespace add_folder_rules {

bool NamesNoFolder(const std::string& folder) {
    return folder.find_first_not_of(" \t\r\n") == std::string::npos;
}

}  // namespace add_folder_rules
