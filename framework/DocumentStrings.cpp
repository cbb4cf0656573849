#include "framework/DocumentStrings.h"

#include "base/FormatText.h"

DocumentStrings DocumentStrings::Parse(const std::string& text) {
    std::vector<std::string> fields = SplitLines(text);
    fields.resize(7);
    DocumentStrings strings;
    strings.windowTitle = fields[0];
    strings.documentName = fields[1];
    strings.newFileName = fields[2];
    strings.filterName = fields[3];
    strings.filterExtension = fields[4];
    strings.fileTypeId = fields[5];
    strings.fileTypeName = fields[6];
    return strings;
}

std::string DocumentStrings::FileDialogFilter() const {
    std::string filter;
    if (!filterName.empty() && !filterExtension.empty())
        filter += filterName + "|*" + filterExtension + "|";
    filter += "All Files (*.*)|*.*||";
    return filter;
}
