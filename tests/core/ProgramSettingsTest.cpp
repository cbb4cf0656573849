#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "base/PathParts.h"
#include "framework/Profile.h"
#include "view/ProgramSettings.h"
#include "view/SortOrder.h"

namespace {

// A profile in memory that records the names read and written, in order.
class CFakeProfile : public IProfile {
public:
    std::int32_t GetInt(const std::string& section, const std::string& name,
                        std::int32_t defaultValue) override {
        reads.push_back(section + "|" + name);
        auto it = ints.find(name);
        return section.empty() && it != ints.end() ? it->second : defaultValue;
    }
    std::string GetString(const std::string& section, const std::string& name,
                          const std::string& defaultValue) override {
        reads.push_back(section + "|" + name);
        auto it = strings.find(name);
        return section.empty() && it != strings.end() ? it->second : defaultValue;
    }
    void WriteInt(const std::string& section, const std::string& name,
                  std::int32_t value) override {
        writes.push_back(section + "|" + name + "=" + std::to_string(value));
    }
    void WriteString(const std::string& section, const std::string& name,
                     const std::string& value) override {
        writes.push_back(section + "|" + name + "='" + value + "'");
    }

    std::map<std::string, std::int32_t> ints;
    std::map<std::string, std::string> strings;
    std::vector<std::string> reads;
    std::vector<std::string> writes;
};

class ProgramSettingsTest : public ::testing::Test {
protected:
    ProgramSettingsTest() {
        SetModuleFileNameSource([] { return std::string("C:\\Tools\\Varnello\\Varnello.exe"); });
        g_bSortAscending = -99;
    }
    ~ProgramSettingsTest() override {
        SetModuleFileNameSource(nullptr);
        g_bSortAscending = 1;
    }
    CFakeProfile profile;
};

}  // namespace

// A fresh profile: every value takes its default, read in order.
TEST_F(ProgramSettingsTest, LoadFromFreshProfile) {
    CProgramSettings settings;
    settings.m_nSnapLimit = 77;
    settings.Load(profile);
    EXPECT_EQ(profile.reads, (std::vector<std::string>{
                                 "|Auto Save", "|Auto Sort", "|Change On Start", "|Keep On Top",
                                 "|Minimize On Start", "|Reload Last List", "|Scan Dead On Start",
                                 "|Snap Limit", "|Snap Window", "|Sort Column", "|Warn On Recycle",
                                 "|Sort Ascending", "|Last List Folder"}));
    EXPECT_EQ(settings.m_bAutoSave, 0);
    EXPECT_EQ(settings.m_bAutoSort, 1);
    EXPECT_EQ(settings.m_bChangeOnStart, 0);
    EXPECT_EQ(settings.m_bKeepOnTop, 0);
    EXPECT_EQ(settings.m_bMinimizeOnStart, 0);
    EXPECT_EQ(settings.m_bReloadLastList, 0);
    EXPECT_EQ(settings.m_bScanDeadOnStart, 0);
    EXPECT_EQ(settings.m_nSnapLimit, 10);
    EXPECT_EQ(settings.m_bSnapWindow, 1);
    EXPECT_EQ(settings.m_nSortColumn, 0);
    EXPECT_EQ(settings.m_bWarnOnRecycle, 1);
    EXPECT_EQ(g_bSortAscending, 1);
    EXPECT_EQ(settings.m_strLastListFolder, "C:\\Tools\\Varnello");
}

// Stored values are taken as they are, without any clamping.
TEST_F(ProgramSettingsTest, LoadStoredValues) {
    profile.ints = {{"Auto Save", 1},          {"Auto Sort", 0},         {"Change On Start", 1},
                    {"Keep On Top", 1},        {"Minimize On Start", 1}, {"Reload Last List", 1},
                    {"Scan Dead On Start", 1}, {"Snap Limit", -4},       {"Snap Window", 0},
                    {"Sort Column", 3},        {"Warn On Recycle", 0},   {"Sort Ascending", 0}};
    profile.strings = {{"Last List Folder", "E:\\by hand\\"}};
    CProgramSettings settings;
    settings.Load(profile);
    EXPECT_EQ(settings.m_bAutoSave, 1);
    EXPECT_EQ(settings.m_bAutoSort, 0);
    EXPECT_EQ(settings.m_bChangeOnStart, 1);
    EXPECT_EQ(settings.m_bKeepOnTop, 1);
    EXPECT_EQ(settings.m_bMinimizeOnStart, 1);
    EXPECT_EQ(settings.m_bReloadLastList, 1);
    EXPECT_EQ(settings.m_bScanDeadOnStart, 1);
    EXPECT_EQ(settings.m_nSnapLimit, -4);
    EXPECT_EQ(settings.m_bSnapWindow, 0);
    EXPECT_EQ(settings.m_nSortColumn, 3);
    EXPECT_EQ(settings.m_bWarnOnRecycle, 0);
    EXPECT_EQ(g_bSortAscending, 0);
    EXPECT_EQ(settings.m_strLastListFolder, "E:\\by hand\\");
}

// Save writes the column widths, the options and the folder, in that order.
TEST_F(ProgramSettingsTest, SaveWritesEveryValueInOrder) {
    CProgramSettings settings;
    settings.m_bAutoSave = 1;
    settings.m_nSnapLimit = 25;
    settings.m_nSortColumn = 2;
    settings.m_strLastListFolder = "E:\\by hand\\";
    g_bSortAscending = 0;
    settings.Save(profile, {151, 202, 53, 44});
    EXPECT_EQ(profile.writes,
              (std::vector<std::string>{
                  "|Col_Name=151", "|Col_Path=202", "|Col_Position=53", "|Col_Count=44",
                  "|Auto Save=1", "|Auto Sort=1", "|Change On Start=0", "|Keep On Top=0",
                  "|Minimize On Start=0", "|Reload Last List=0", "|Scan Dead On Start=0",
                  "|Snap Limit=25", "|Snap Window=1", "|Sort Column=2", "|Warn On Recycle=1",
                  "|Sort Ascending=0", "|Last List Folder='E:\\by hand\\'"}));
}

TEST_F(ProgramSettingsTest, ColumnWidths) {
    EXPECT_EQ(CProgramSettings::LoadColumnWidths(profile),
              (CProgramSettings::ColumnWidths{150, 200, 50, 42}));
    EXPECT_EQ(profile.reads,
              (std::vector<std::string>{"|Col_Name", "|Col_Path", "|Col_Position", "|Col_Count"}));
    profile.ints = {{"Col_Path", 0}, {"Col_Count", -5}};
    EXPECT_EQ(CProgramSettings::LoadColumnWidths(profile),
              (CProgramSettings::ColumnWidths{150, 0, 50, -5}));
}
