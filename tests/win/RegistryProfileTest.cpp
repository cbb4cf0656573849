#include <gtest/gtest.h>

#include <windows.h>

#include "framework/win/RegistryProfile.h"
#include "view/ProgramSettings.h"
#include "view/SortOrder.h"

namespace {

const char kCompany[] = "Quillfen Wall Test";
const char kApplication[] = "Varnello";
const char kKey[] = "Software\\Quillfen Wall Test\\Varnello";

// Reads a value's type and bytes straight from the registry.
bool RawValue(const std::string& keyPath, const char* name, DWORD& type, std::string& data) {
    HKEY key = nullptr;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, keyPath.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS)
        return false;
    char buffer[4096];
    DWORD size = sizeof buffer;
    LONG result =
        RegQueryValueExA(key, name, nullptr, &type, reinterpret_cast<BYTE*>(buffer), &size);
    RegCloseKey(key);
    data.assign(buffer, result == ERROR_SUCCESS ? size : 0);
    return result == ERROR_SUCCESS;
}

void SetRaw(const char* name, DWORD type, const std::string& data) {
    HKEY key = nullptr;
    ASSERT_EQ(
        RegCreateKeyExA(HKEY_CURRENT_USER, kKey, 0, nullptr, 0, KEY_WRITE, nullptr, &key, nullptr),
        ERROR_SUCCESS);
    RegSetValueExA(key, name, 0, type, reinterpret_cast<const BYTE*>(data.data()),
                   static_cast<DWORD>(data.size()));
    RegCloseKey(key);
}

class RegistryProfileTest : public ::testing::Test {
protected:
    void SetUp() override { RegDeleteTreeA(HKEY_CURRENT_USER, "Software\\Quillfen Wall Test"); }
    void TearDown() override { RegDeleteTreeA(HKEY_CURRENT_USER, "Software\\Quillfen Wall Test"); }
    CRegistryProfile profile{kCompany, kApplication};
};

}  // namespace

TEST(RegistryProfile, ProgramKey) {
    CRegistryProfile program("Quillfen", "Varnello");
    EXPECT_EQ(program.KeyPath(), "Software\\Quillfen\\Varnello");
}

// Nothing stored: every read gives the default and creates no key.
TEST_F(RegistryProfileTest, MissingValuesGiveDefaults) {
    EXPECT_EQ(profile.GetInt("", "Snap Limit", 10), 10);
    EXPECT_EQ(profile.GetString("", "Last Document", "none"), "none");
    EXPECT_EQ(profile.GetString("Recent File List", "File1", ""), "");
    HKEY key = nullptr;
    EXPECT_NE(RegOpenKeyExA(HKEY_CURRENT_USER, kKey, 0, KEY_READ, &key), ERROR_SUCCESS);
}

// Integers are REG_DWORD and come back signed; strings are REG_SZ.
TEST_F(RegistryProfileTest, RoundTrips) {
    profile.WriteInt("", "Snap Limit", -5);
    profile.WriteInt("", "Col_Name", 150);
    profile.WriteString("", "Last List Folder", "C:\\Pictures\\Wallpapers");
    profile.WriteString("", "Empty", "");
    EXPECT_EQ(profile.GetInt("", "Snap Limit", 10), -5);
    EXPECT_EQ(profile.GetInt("", "Col_Name", 0), 150);
    EXPECT_EQ(profile.GetString("", "Last List Folder", ""), "C:\\Pictures\\Wallpapers");
    EXPECT_EQ(profile.GetString("", "Empty", "default"), "");

    DWORD type = 0;
    std::string data;
    ASSERT_TRUE(RawValue(kKey, "Snap Limit", type, data));
    EXPECT_EQ(type, static_cast<DWORD>(REG_DWORD));
    EXPECT_EQ(data, std::string("\xFB\xFF\xFF\xFF", 4));
    ASSERT_TRUE(RawValue(kKey, "Last List Folder", type, data));
    EXPECT_EQ(type, static_cast<DWORD>(REG_SZ));
    EXPECT_EQ(data, std::string("C:\\Pictures\\Wallpapers\0", 23));
}

// The unnamed section is the key itself, other sections are subkeys.
TEST_F(RegistryProfileTest, SectionsAreSubkeys) {
    profile.WriteString("Recent File List", "File1", "C:\\lists\\one.vld");
    DWORD type = 0;
    std::string data;
    EXPECT_TRUE(RawValue(std::string(kKey) + "\\Recent File List", "File1", type, data));
    EXPECT_FALSE(RawValue(kKey, "File1", type, data));
    EXPECT_EQ(profile.GetString("Recent File List", "File1", ""), "C:\\lists\\one.vld");
    EXPECT_EQ(profile.GetString("", "File1", "x"), "x");
}

// Deleting removes the value; deleting what is not there is harmless.
TEST_F(RegistryProfileTest, DeleteValue) {
    profile.WriteString("Recent File List", "File2", "C:\\b.vld");
    profile.DeleteValue("Recent File List", "File2");
    EXPECT_EQ(profile.GetString("Recent File List", "File2", "gone"), "gone");
    DWORD type = 0;
    std::string data;
    EXPECT_FALSE(RawValue(std::string(kKey) + "\\Recent File List", "File2", type, data));
    profile.DeleteValue("Recent File List", "File2");
    profile.DeleteValue("No Such Section", "File1");
}

// Values of another type, or of the wrong size, read as missing.
TEST_F(RegistryProfileTest, WrongTypesGiveDefaults) {
    SetRaw("Text Number", REG_SZ, std::string("12\0", 3));
    SetRaw("Short Number", REG_BINARY, std::string("\x01\x02", 2));
    SetRaw("Binary Text", REG_BINARY, "abc");
    SetRaw("Number Text", REG_DWORD, std::string("\x01\0\0\0", 4));
    EXPECT_EQ(profile.GetInt("", "Text Number", 7), 7);
    EXPECT_EQ(profile.GetInt("", "Short Number", 7), 7);
    EXPECT_EQ(profile.GetString("", "Binary Text", "d"), "d");
    EXPECT_EQ(profile.GetString("", "Number Text", "d"), "d");
}

// Long strings and strings stored without their terminator read whole.
TEST_F(RegistryProfileTest, LongAndUnterminatedStrings) {
    std::string longText(3000, 'x');
    longText[1500] = '\\';
    profile.WriteString("", "Long", longText);
    EXPECT_EQ(profile.GetString("", "Long", ""), longText);
    SetRaw("Unterminated", REG_SZ, "abc");
    EXPECT_EQ(profile.GetString("", "Unterminated", ""), "abc");
    std::string exact(255, 'y');  // fills the first buffer with its terminator
    profile.WriteString("", "Exact", exact);
    EXPECT_EQ(profile.GetString("", "Exact", ""), exact);
}

// The program settings go through the registry and come back; a fresh
// profile gives the defaults and the first save writes every value.
TEST_F(RegistryProfileTest, ProgramSettingsRoundTrip) {
    CProgramSettings fresh;
    fresh.Load(profile);
    EXPECT_EQ(fresh.m_nSnapLimit, 10);
    EXPECT_EQ(fresh.m_bAutoSort, 1);
    EXPECT_EQ(g_bSortAscending, 1);

    CProgramSettings settings;
    settings.m_bAutoSave = 1;
    settings.m_nSnapLimit = 0;
    settings.m_nSortColumn = 3;
    settings.m_strLastListFolder = "D:\\edited by hand\\";
    g_bSortAscending = 0;
    settings.Save(profile, {120, 220, 60, 40});

    CProgramSettings loaded;
    loaded.Load(profile);
    EXPECT_EQ(loaded.m_bAutoSave, 1);
    EXPECT_EQ(loaded.m_nSnapLimit, 0);
    EXPECT_EQ(loaded.m_nSortColumn, 3);
    EXPECT_EQ(loaded.m_strLastListFolder, "D:\\edited by hand\\");
    EXPECT_EQ(g_bSortAscending, 0);
    EXPECT_EQ(CProgramSettings::LoadColumnWidths(profile),
              (CProgramSettings::ColumnWidths{120, 220, 60, 40}));
    DWORD type = 0;
    std::string data;
    for (const char* name :
         {"Auto Save", "Auto Sort", "Change On Start", "Keep On Top", "Minimize On Start",
          "Reload Last List", "Scan Dead On Start", "Snap Limit", "Snap Window", "Sort Column",
          "Warn On Recycle", "Sort Ascending", "Col_Name", "Col_Path", "Col_Position",
          "Col_Count"}) {
        EXPECT_TRUE(RawValue(kKey, name, type, data)) << name;
        EXPECT_EQ(type, static_cast<DWORD>(REG_DWORD)) << name;
    }
    g_bSortAscending = 1;
}
