#pragma once
#include <string>

// The seven fields of a document string, separated by "\n": window title,
// default document name, name for a new document, file-dialog filter name,
// filter extension, registry file type id, registry file type name.
struct DocumentStrings {
    std::string windowTitle;
    std::string documentName;
    std::string newFileName;
    std::string filterName;
    std::string filterExtension;
    std::string fileTypeId;
    std::string fileTypeName;

    static DocumentStrings Parse(const std::string& text);
    // The filter of the Open and Save As dialogs: the document files, then all files.
    std::string FileDialogFilter() const;
};
