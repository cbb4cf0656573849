#pragma once
#include <memory>
#include <string>

#include "list/ListFile.h"
#include "list/ListSettings.h"

class CWallpaperRows;

// A list as the file reader fills it, without a document: the rows through
// the list operations, and a settings record of its own.
class CListTarget : public IListTarget {
public:
    explicit CListTarget(CWallpaperRows& rows);

    // Frees every row and its item and gives the list fresh settings.
    void ResetList() override;
    CListSettings& Settings() override { return m_settings; }
    // Inserts the row through the list operations; false when that failed.
    bool InsertRow(int index, const std::string& text0, const std::string& text1,
                   std::unique_ptr<CWallpaperItem> item) override;

    const CListSettings& GetSettings() const { return m_settings; }
    CWallpaperRows& Rows() const { return m_rows; }

private:
    CWallpaperRows& m_rows;
    CListSettings m_settings;
};
