#include "view/ProgramSettings.h"

#include "base/PathParts.h"
#include "framework/Profile.h"
#include "view/SortOrder.h"

namespace {

// The options in the order they are read and written; their defaults are
// the values of a fresh CProgramSettings.
struct OptionEntry {
    const char* name;
    std::int32_t CProgramSettings::*member;
};

const OptionEntry kOptions[] = {
    {CProgramSettings::kAutoSave, &CProgramSettings::m_bAutoSave},
    {CProgramSettings::kAutoSort, &CProgramSettings::m_bAutoSort},
    {CProgramSettings::kChangeOnStart, &CProgramSettings::m_bChangeOnStart},
    {CProgramSettings::kKeepOnTop, &CProgramSettings::m_bKeepOnTop},
    {CProgramSettings::kMinimizeOnStart, &CProgramSettings::m_bMinimizeOnStart},
    {CProgramSettings::kReloadLastList, &CProgramSettings::m_bReloadLastList},
    {CProgramSettings::kScanDeadOnStart, &CProgramSettings::m_bScanDeadOnStart},
    {CProgramSettings::kSnapLimit, &CProgramSettings::m_nSnapLimit},
    {CProgramSettings::kSnapWindow, &CProgramSettings::m_bSnapWindow},
    {CProgramSettings::kSortColumn, &CProgramSettings::m_nSortColumn},
    {CProgramSettings::kWarnOnRecycle, &CProgramSettings::m_bWarnOnRecycle},
};

constexpr std::int32_t kSortAscendingDefault = 1;

}  // namespace

// Reads every option; runs just before the list window is created.
void CProgramSettings::Load(IProfile& profile) {
    const CProgramSettings defaults;
    for (const OptionEntry& option : kOptions)
        this->*option.member = profile.GetInt(kSection, option.name, defaults.*option.member);
    g_bSortAscending = profile.GetInt(kSection, kSortAscending, kSortAscendingDefault);
    m_strLastListFolder = profile.GetString(kSection, kLastListFolder, ProgramFolder());
}

// Writes every value; runs when the list window is destroyed.
void CProgramSettings::Save(IProfile& profile, const ColumnWidths& columnWidths) const {
    for (int column = 0; column < kColumnCount; ++column)
        profile.WriteInt(kSection, kColumnWidthNames[column], columnWidths[column]);
    for (const OptionEntry& option : kOptions)
        profile.WriteInt(kSection, option.name, this->*option.member);
    profile.WriteInt(kSection, kSortAscending, g_bSortAscending);
    profile.WriteString(kSection, kLastListFolder, m_strLastListFolder);
}

// Reads the column widths with their defaults at the dpi.
CProgramSettings::ColumnWidths CProgramSettings::LoadColumnWidths(IProfile& profile, int dpi) {
    ColumnWidths widths{};
    for (int column = 0; column < kColumnCount; ++column)
        widths[column] = profile.GetInt(kSection, kColumnWidthNames[column],
                                        ScaleForDpi(kColumnWidthDefaults[column], dpi));
    return widths;
}
