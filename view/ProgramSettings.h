#pragma once
#include <array>
#include <cstdint>
#include <string>

#include "framework/DpiScale.h"

class IProfile;

// The program's options and remembered values, stored in the unnamed section
// of the profile (HKEY_CURRENT_USER\Software\Quillfen\Varnello). The list
// window loads them just before its window is created and saves them when
// it is destroyed.
class CProgramSettings {
public:
    // Value names of the profile.
    static constexpr const char kSection[] = "";
    static constexpr const char kAutoSave[] = "Auto Save";
    static constexpr const char kAutoSort[] = "Auto Sort";
    static constexpr const char kChangeOnStart[] = "Change On Start";
    static constexpr const char kKeepOnTop[] = "Keep On Top";
    static constexpr const char kMinimizeOnStart[] = "Minimize On Start";
    static constexpr const char kReloadLastList[] = "Reload Last List";
    static constexpr const char kScanDeadOnStart[] = "Scan Dead On Start";
    static constexpr const char kSnapLimit[] = "Snap Limit";
    static constexpr const char kSnapWindow[] = "Snap Window";
    static constexpr const char kSortColumn[] = "Sort Column";
    static constexpr const char kWarnOnRecycle[] = "Warn On Recycle";
    static constexpr const char kSortAscending[] = "Sort Ascending";
    static constexpr const char kLastListFolder[] = "Last List Folder";
    static constexpr const char kPreviewX[] = "Preview X";               // int, default 0
    static constexpr const char kPreviewY[] = "Preview Y";               // int, default 0
    static constexpr const char kWindowPos[] = "WindowPos";              // string, no default
    static constexpr const char kLastDocument[] = "Last Document";       // string, default ""
    static constexpr const char kRecentFileList[] = "Recent File List";  // section
    static constexpr const char kRecentFileEntry[] = "File%d";           // File1 to File4

    // The list's columns: value names and default widths, columns 0 to 3.
    static constexpr int kColumnCount = 4;
    static constexpr const char* kColumnWidthNames[kColumnCount] = {"Col_Name", "Col_Path",
                                                                    "Col_Position", "Col_Count"};
    static constexpr std::int32_t kColumnWidthDefaults[kColumnCount] = {150, 200, 50, 42};
    using ColumnWidths = std::array<std::int32_t, kColumnCount>;

    // Reads the options, "Sort Ascending" (into g_bSortAscending) and
    // "Last List Folder" (default: the program's folder), in that order.
    void Load(IProfile& profile);
    // Writes the column widths, the options, "Sort Ascending" (from
    // g_bSortAscending) and "Last List Folder", in that order.
    void Save(IProfile& profile, const ColumnWidths& columnWidths) const;

    // Reads the four column widths, for the creation of the columns. A width
    // that is not stored is the default width (at 96 dpi) scaled to the dpi;
    // a stored one is used as it was stored.
    static ColumnWidths LoadColumnWidths(IProfile& profile, int dpi = kDefaultDpi);

    // Option values (booleans 0 or 1), with their defaults.
    std::int32_t m_bAutoSave = 0;
    std::int32_t m_bAutoSort = 1;
    std::int32_t m_bChangeOnStart = 0;
    std::int32_t m_bKeepOnTop = 0;
    std::int32_t m_bMinimizeOnStart = 0;
    std::int32_t m_bReloadLastList = 0;
    std::int32_t m_bScanDeadOnStart = 0;
    std::int32_t m_nSnapLimit = 10;
    std::int32_t m_bSnapWindow = 1;
    std::int32_t m_nSortColumn = 0;
    std::int32_t m_bWarnOnRecycle = 1;
    // A remembered folder, written back as it was read.
    std::string m_strLastListFolder;
};
