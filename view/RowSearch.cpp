#include "view/RowSearch.h"

#include "base/CodePage.h"
#include "list/RowStore.h"

int FindRowByText(const IRowStore& rows, int start, const std::string& text, bool prefix,
                  bool wrap) {
    const int count = rows.RowCount();
    if (start < 0)
        start = 0;
    if (start >= count) {
        if (!wrap)
            return -1;
        start = 0;
    }
    const ICodePage& codePage = CurrentCodePage();
    const std::string wanted = codePage.ToLower(text);
    auto matches = [&](int row) {
        std::string shown = codePage.ToLower(rows.GetText(row, 0));
        return prefix ? shown.compare(0, wanted.size(), wanted) == 0 : shown == wanted;
    };
    for (int row = start; row < count; ++row)
        if (matches(row))
            return row;
    for (int row = 0; wrap && row < start; ++row)
        if (matches(row))
            return row;
    return -1;
}
