#pragma once
#include <memory>
#include <string>
#include <vector>

#include "list/ListFile.h"
#include "list/ListSettings.h"

class CWallpaperItem;

// A list as the file reader fills it before it takes the place of the open
// one: the settings and the items in file order, held apart from the list
// window. A read that fails part way, or runs out of memory, thus leaves
// the open list as it was.
//
// Use: CStagedList staged;
//      if (ReadList(in, staged).status == ListReadStatus::Ok)
//          staged.MoveInto(document);
class CStagedList : public IListTarget {
public:
    CStagedList();
    ~CStagedList() override;
    CStagedList(const CStagedList&) = delete;
    CStagedList& operator=(const CStagedList&) = delete;

    // Drops every row and gives the list fresh settings.
    void ResetList() override;
    CListSettings& Settings() override { return m_settings; }
    // Takes the row at the end (the reader inserts in file order); false
    // for any other index.
    bool InsertRow(int index, const std::string& text0, const std::string& text1,
                   std::unique_ptr<CWallpaperItem> item) override;

    int RowCount() const { return static_cast<int>(m_rows.size()); }

    // Resets the target, gives it these settings and hands it every row in
    // order; this list is left empty. Rows the target refuses are dropped.
    void MoveInto(IListTarget& target);

private:
    struct Row {
        std::unique_ptr<CWallpaperItem> item;
        // The column 0 and 1 texts when they are not the ones the item's
        // path gives (an odd version 1 or 2 record); usually none.
        std::unique_ptr<std::string[]> texts;
    };

    CListSettings m_settings;
    std::vector<Row> m_rows;
};
