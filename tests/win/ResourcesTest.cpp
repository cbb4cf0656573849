// The resources linked into the program: menus, accelerators, strings,
// dialog templates, bitmaps, icons, toolbar layout, version and manifest,
// read back through the Win32 calls the program itself uses.
#include <windows.h>
#include <commctrl.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

#include "framework/ToolbarResource.h"

namespace {

HINSTANCE Module() {
    return GetModuleHandleA(nullptr);
}

// The bytes of one resource of this program, empty when it is missing.
std::string ResourceBytes(int id, int type) {
    HRSRC res = FindResourceA(Module(), MAKEINTRESOURCEA(id), MAKEINTRESOURCEA(type));
    if (!res)
        return {};
    HGLOBAL mem = LoadResource(Module(), res);
    const char* data = static_cast<const char*>(LockResource(mem));
    return data ? std::string(data, SizeofResource(Module(), res)) : std::string();
}

// ------------------------------------------------------------------ menus

// Lists a menu one line per item: "text = id" for commands, "---" for
// separators, "text >" for submenus followed by their items indented by
// two spaces; " [grayed]", " [checked]" and " [default]" mark item states.
void DescribeMenu(HMENU menu, const std::string& indent, std::vector<std::string>& out) {
    int count = GetMenuItemCount(menu);
    for (int i = 0; i < count; ++i) {
        char text[256] = {};
        MENUITEMINFOA info = {};
        info.cbSize = sizeof info;
        info.fMask = MIIM_FTYPE | MIIM_STATE | MIIM_ID | MIIM_SUBMENU | MIIM_STRING;
        info.dwTypeData = text;
        info.cch = sizeof text;
        ASSERT_TRUE(GetMenuItemInfoA(menu, i, TRUE, &info));
        if (info.fType & MFT_SEPARATOR) {
            out.push_back(indent + "---");
            continue;
        }
        std::string line = indent + text;
        line += info.hSubMenu ? " >" : " = " + std::to_string(info.wID);
        if (info.fState & MFS_GRAYED)
            line += " [grayed]";
        if (info.fState & MFS_CHECKED)
            line += " [checked]";
        if (info.fState & MFS_DEFAULT)
            line += " [default]";
        out.push_back(line);
        if (info.hSubMenu)
            DescribeMenu(info.hSubMenu, indent + "  ", out);
    }
}

// Loads a menu resource and describes it.
std::vector<std::string> MenuLines(int id) {
    std::vector<std::string> lines;
    HMENU menu = LoadMenuA(Module(), MAKEINTRESOURCEA(id));
    EXPECT_NE(menu, nullptr) << "menu " << id;
    if (menu) {
        DescribeMenu(menu, "", lines);
        DestroyMenu(menu);
    }
    return lines;
}

TEST(Resources, MainMenu) {
    const std::vector<std::string> expected = {
        "&File >",
        "  &New\tCtrl+N = 57600",
        "  &Open...\tCtrl+O = 57601",
        "  &Save\tCtrl+S = 57603",
        "  Save &As... = 57604",
        "  ---",
        "  A&dd >",
        "    &Files to List...\tIns = 32771",
        "    Fro&m Folder...\tShift+Ins = 32772",
        "  &Remove >",
        "    &Selected Items\tDel = 32774",
        "    Selected Items and &Recycle Files\tShift+Del = 32775",
        "    ---",
        "    All &Dead Items = 32810",
        "    &All Items = 32777",
        "  ---",
        "  Recent File = 57616 [grayed]",
        "  ---",
        "  E&xit = 57665",
        "&Edit >",
        "  &Position >",
        "    &Center = 32798",
        "    &Stretch = 32800",
        "    &Tile = 32801",
        "    &Fill = 32814",
        "    F&it = 32815",
        "    S&pan = 32816",
        "  &Reset Count = 32782",
        "  ---",
        "  &Select All\tCtrl+A = 32812",
        "  ---",
        "  &List Settings... = 32783",
        "&Tools >",
        "  &Apply Selected\tEnter = 32788",
        "  Apply &Random\tCtrl+R = 32813",
        "  ---",
        "  &Clear Wallpaper\tF12 = 32791",
        "  Open Containing &Folder\tF8 = 32792",
        "  ---",
        "  &Options... = 32793",
        "&View >",
        "  &Preview Window\tF5 = 32784",
        "  ---",
        "  &Minimize All Windows\tPgDn = 32785",
        "  &Restore All Windows\tPgUp = 32786",
        "  ---",
        "  &Toolbar = 59392",
        "  &Status Bar = 59393",
        "&Help >",
        "  &Contents...\tF1 = 32787",
        "  &About Varnello... = 57664",
    };
    EXPECT_EQ(MenuLines(128), expected);
}

TEST(Resources, ContextMenu) {
    const std::vector<std::string> expected = {
        "POPUP_MENU >",
        "  &Apply Selected = 32788",
        "  &Open Containing Folder = 32792",
        "  ---",
        "  &Position >",
        "    &Center = 32798",
        "    &Stretch = 32800",
        "    &Tile = 32801",
        "    &Fill = 32814",
        "    F&it = 32815",
        "    S&pan = 32816",
        "  ---",
        "  &Reset Count = 32782",
        "  ---",
        "  A&dd >",
        "    Files to List... = 32771",
        "    From Folder... = 32772",
        "  Re&move >",
        "    Selected Items = 32774",
        "    Selected Items and Recycle Files = 32775",
        "    ---",
        "    All Dead Items = 32810",
        "    All Items = 32777",
    };
    EXPECT_EQ(MenuLines(136), expected);
}

TEST(Resources, TrayMenu) {
    const std::vector<std::string> expected = {
        "TRAY_MENU >",
        "  Apply &Random = 32813",
        "  ---",
        "  &Clear Wallpaper = 32791",
        "  ---",
        "  &Minimize All Windows = 32785",
        "  R&estore All Windows = 32786",
        "  ---",
        "  &Help = 32787",
        "  &About Varnello... = 57664",
        "  ---",
        "  E&xit = 57665",
    };
    EXPECT_EQ(MenuLines(142), expected);
}

// ------------------------------------------------------------ accelerators

TEST(Resources, Accelerators) {
    HACCEL table = LoadAcceleratorsA(Module(), MAKEINTRESOURCEA(128));
    ASSERT_NE(table, nullptr);
    int count = CopyAcceleratorTableA(table, nullptr, 0);
    std::vector<ACCEL> entries(count);
    CopyAcceleratorTableA(table, entries.data(), count);

    const BYTE plain = FVIRTKEY | FNOINVERT;
    const BYTE shift = FVIRTKEY | FNOINVERT | FSHIFT;
    const BYTE ctrl = FVIRTKEY | FNOINVERT | FCONTROL;
    struct Key {
        BYTE flags;
        WORD key;
        WORD cmd;
    };
    const std::vector<Key> expected = {
        {plain, VK_INSERT, 32771}, {shift, VK_INSERT, 32772}, {ctrl, 'A', 32812},
        {ctrl, 'N', 57600},        {ctrl, 'O', 57601},        {ctrl, 'S', 57603},
        {plain, VK_DELETE, 32774}, {shift, VK_DELETE, 32775}, {ctrl, 'R', 32813},
        {plain, VK_RETURN, 32788}, {plain, VK_F12, 32791},    {plain, VK_F8, 32792},
        {plain, VK_NEXT, 32785},   {plain, VK_F5, 32784},     {plain, VK_PRIOR, 32786},
    };
    ASSERT_EQ(entries.size(), expected.size());
    for (size_t i = 0; i < expected.size(); ++i) {
        EXPECT_EQ(entries[i].fVirt, expected[i].flags) << i;
        EXPECT_EQ(entries[i].key, expected[i].key) << i;
        EXPECT_EQ(entries[i].cmd, expected[i].cmd) << i;
    }
    for (const ACCEL& a : entries) {
        EXPECT_NE(a.cmd, 32787) << "Help Contents has no key";
        EXPECT_NE(a.key, VK_F1);
    }
    DestroyAcceleratorTable(table);
}

// ----------------------------------------------------------------- strings

// A string resource, or "<missing>".
std::string LoadText(UINT id) {
    char buffer[1024];
    int n = LoadStringA(Module(), id, buffer, sizeof buffer);
    return n > 0 ? std::string(buffer, n) : "<missing>";
}

TEST(Resources, Strings) {
    const std::vector<std::pair<UINT, std::string>> expected = {
        {128,
         "Varnello\nUntitled\nList\nVarnello Wallpaper Lists (*.vld)\n.vld\nVarnelloList\n"
         "Varnello Wallpaper List"},
        {129, "00000 Wallpaper Files"},
        {130, "VLD Version 3"},
        {57344, "Varnello"},
        {57345, "Ready"},
        {57600, "Create a new document\nNew"},
        {57601, "Open an existing document\nOpen"},
        {57603, "Save the active document\nSave"},
        {57604, "Save the active document with a new name\nSave As"},
        {32771, "Add files to the active list\nAdd Files"},
        {32772, "Add all files from a specified folder to the active list\nAdd From Folder"},
        {32774, "Remove the selected items from the active list\nRemove Selected Items"},
        {32775,
         "Remove the selected items and physically remove the corresponding files\n"
         "Recycle Selected Items"},
        {32810, "Remove all items whose corresponding physical files no longer exist"},
        {32777, "Remove all items from the active list"},
        {57616, "Open this document"},
        {57617, "Open this document"},
        {57618, "Open this document"},
        {57619, "Open this document"},
        {57665, "Quit the application\nExit"},
        {32798, "Change the selected item's position to Center"},
        {32800, "Change the selected item's position to Stretch"},
        {32801, "Change the selected item's position to Tile"},
        {32814, "Change the selected item's position to Fill"},
        {32815, "Change the selected item's position to Fit"},
        {32816, "Change the selected item's position to Span"},
        {32782, "Reset the selected item's count data to zero"},
        {32812, "Select all items in the active list"},
        {32783, "Edit settings specific to the active list"},
        {32788, "Make the selected item the active desktop wallpaper\nApply Selected"},
        {32813, "Make a randomly selected item the active desktop wallpaper\nSelect Random"},
        {32791, "Clear the desktop wallpaper"},
        {32792, "Open the folder which contains the selected item\nOpen Containing Folder"},
        {32793, "Display the program options dialog"},
        {32784, "Display the preview window to preview wallpaper files\nPreview Window"},
        {32785, "Minimize all open windows to the task bar"},
        {32786, "Restore all minimized windows to their previous states"},
        {59392, "Show or hide the toolbar\nToggle ToolBar"},
        {59393, "Show or hide the status bar\nToggle StatusBar"},
        {32787, "Display the documentation table of contents"},
        {57664, "Display program information, version number and copyright\nAbout"},
    };
    for (const auto& [id, text] : expected)
        EXPECT_EQ(LoadText(id), text) << "string " << id;
}

TEST(Resources, OleFailureTextSaysSo) {
    std::string text = LoadText(100);
    EXPECT_NE(text.find("OLE"), std::string::npos) << text;
    EXPECT_NE(text.find("initialise"), std::string::npos) << text;
}

// --------------------------------------------------------------- dialogs

struct DialogItem {
    std::string cls;   // class name, ordinals mapped to their names
    std::string text;  // "#n" for an ordinal (a bitmap id)
    int id;
    short x, y, cx, cy;
    DWORD style;
};

struct DialogTemplate {
    DWORD style = 0;
    short x = 0, y = 0, cx = 0, cy = 0;
    std::string caption;
    WORD pointSize = 0;
    std::string face;
    std::vector<DialogItem> items;
};

// Reads the extended dialog template layout word by word.
class TemplateReader {
public:
    explicit TemplateReader(const std::string& bytes) : m_bytes(bytes) {}
    bool Ok() const { return m_ok; }
    WORD Word() {
        if (m_pos + 2 > m_bytes.size()) {
            m_ok = false;
            return 0;
        }
        WORD w = static_cast<BYTE>(m_bytes[m_pos]) | (static_cast<BYTE>(m_bytes[m_pos + 1]) << 8);
        m_pos += 2;
        return w;
    }
    DWORD Dword() {
        DWORD lo = Word();
        return lo | (static_cast<DWORD>(Word()) << 16);
    }
    BYTE Byte() {
        if (m_pos + 1 > m_bytes.size()) {
            m_ok = false;
            return 0;
        }
        return static_cast<BYTE>(m_bytes[m_pos++]);
    }
    // A zero-terminated UTF-16 string of ASCII characters.
    std::string Text() {
        std::string s;
        for (WORD c = Word(); c != 0 && m_ok; c = Word())
            s += c < 128 ? static_cast<char>(c) : '?';
        return s;
    }
    // A name or ordinal field: empty, "#n", or the text.
    std::string NameOrOrdinal() {
        WORD first = Word();
        if (first == 0)
            return {};
        if (first == 0xFFFF)
            return "#" + std::to_string(Word());
        std::string s(1, static_cast<char>(first));
        return s + Text();
    }
    void AlignDword() { m_pos = (m_pos + 3) & ~size_t(3); }
    void Skip(size_t n) { m_pos += n; }

private:
    const std::string& m_bytes;
    size_t m_pos = 0;
    bool m_ok = true;
};

// The predefined control classes that a template names by ordinal.
std::string ClassName(const std::string& name) {
    if (name == "#128")
        return "Button";
    if (name == "#129")
        return "Edit";
    if (name == "#130")
        return "Static";
    if (name == "#131")
        return "ListBox";
    if (name == "#132")
        return "ScrollBar";
    if (name == "#133")
        return "ComboBox";
    return name;
}

// Parses dialog resource id (an extended template).
DialogTemplate ReadDialog(int id) {
    DialogTemplate dlg;
    std::string bytes = ResourceBytes(id, 5);  // RT_DIALOG
    TemplateReader r(bytes);
    EXPECT_EQ(r.Word(), 1) << "extended template";
    EXPECT_EQ(r.Word(), 0xFFFF);
    r.Dword();  // help id
    r.Dword();  // extended style
    dlg.style = r.Dword();
    WORD count = r.Word();
    dlg.x = r.Word();
    dlg.y = r.Word();
    dlg.cx = r.Word();
    dlg.cy = r.Word();
    EXPECT_EQ(r.NameOrOrdinal(), "") << "no menu";
    EXPECT_EQ(r.NameOrOrdinal(), "") << "default class";
    dlg.caption = r.Text();
    if (dlg.style & DS_SETFONT) {
        dlg.pointSize = r.Word();
        r.Word();  // weight
        r.Byte();  // italic
        r.Byte();  // charset
        dlg.face = r.Text();
    }
    for (WORD i = 0; i < count && r.Ok(); ++i) {
        r.AlignDword();
        DialogItem item;
        r.Dword();  // help id
        r.Dword();  // extended style
        item.style = r.Dword();
        item.x = r.Word();
        item.y = r.Word();
        item.cx = r.Word();
        item.cy = r.Word();
        item.id = static_cast<int32_t>(r.Dword());
        item.cls = ClassName(r.NameOrOrdinal());
        item.text = r.NameOrOrdinal();
        r.Skip(r.Word());  // creation data
        dlg.items.push_back(item);
    }
    EXPECT_TRUE(r.Ok()) << "dialog " << id << " truncated";
    return dlg;
}

struct Expected {
    const char* cls;
    const char* text;
    int id;
    short x, y, cx, cy;
    DWORD mask;   // style bits that are checked...
    DWORD value;  // ...and the value they must have
};

const DWORD kTypeMask = 0x1F;  // control type bits (button and static types)
const DWORD kCheckBox = BS_AUTOCHECKBOX | WS_TABSTOP | WS_VISIBLE;
const DWORD kCheckMask = kTypeMask | WS_TABSTOP | WS_VISIBLE;
const DWORD kDefButton = BS_DEFPUSHBUTTON | WS_TABSTOP | WS_VISIBLE;
const DWORD kButton = BS_PUSHBUTTON | WS_TABSTOP | WS_VISIBLE;
const DWORD kText = SS_LEFT | WS_VISIBLE;
const DWORD kDigits = ES_NUMBER | ES_AUTOHSCROLL | WS_TABSTOP | WS_VISIBLE;
const DWORD kDigitsMask = ES_NUMBER | ES_AUTOHSCROLL | WS_TABSTOP | WS_VISIBLE;
const DWORD kEtched = SS_ETCHEDHORZ | WS_VISIBLE;
const DWORD kSpin = UDS_SETBUDDYINT | UDS_AUTOBUDDY | UDS_ARROWKEYS | WS_VISIBLE;
const DWORD kSpinMask = 0x1FF | WS_VISIBLE;
const DWORD kModal = DS_SETFONT | DS_FIXEDSYS | DS_MODALFRAME | WS_POPUP | WS_CAPTION | WS_SYSMENU;

// Checks one dialog's template against the expected layout, then creates
// it and checks the live controls in their creation order.
void CheckDialog(int id, const char* caption, short cx, short cy, DWORD style,
                 const std::vector<Expected>& expected) {
    SCOPED_TRACE("dialog " + std::to_string(id));
    DialogTemplate dlg = ReadDialog(id);
    EXPECT_EQ(dlg.caption, caption);
    EXPECT_EQ(dlg.cx, cx);
    EXPECT_EQ(dlg.cy, cy);
    EXPECT_EQ(dlg.style, style);
    EXPECT_EQ(dlg.pointSize, 8);
    EXPECT_EQ(dlg.face, "MS Shell Dlg");
    ASSERT_EQ(dlg.items.size(), expected.size());
    for (size_t i = 0; i < expected.size(); ++i) {
        const Expected& e = expected[i];
        const DialogItem& item = dlg.items[i];
        SCOPED_TRACE("control " + std::to_string(i) + " \"" + e.text + "\"");
        EXPECT_EQ(lstrcmpiA(item.cls.c_str(), e.cls), 0) << item.cls;
        EXPECT_EQ(item.text, e.text);
        EXPECT_EQ(item.id, e.id);
        EXPECT_EQ(item.x, e.x);
        EXPECT_EQ(item.y, e.y);
        EXPECT_EQ(item.cx, e.cx);
        EXPECT_EQ(item.cy, e.cy);
        EXPECT_EQ(item.style & WS_CHILD, DWORD(WS_CHILD));
        EXPECT_EQ(item.style & e.mask, e.value);
    }

    HWND wnd = CreateDialogParamA(
        Module(), MAKEINTRESOURCEA(id), nullptr,
        [](HWND, UINT, WPARAM, LPARAM) -> INT_PTR { return FALSE; }, 0);
    ASSERT_NE(wnd, nullptr);
    char text[256];
    GetWindowTextA(wnd, text, sizeof text);
    EXPECT_STREQ(text, caption);
    EXPECT_EQ(IsWindowVisible(wnd), FALSE);
    HWND child = GetWindow(wnd, GW_CHILD);
    for (const Expected& e : expected) {
        SCOPED_TRACE(std::string("live control \"") + e.text + "\"");
        ASSERT_NE(child, nullptr);
        if (e.id != -1) {
            EXPECT_EQ(GetDlgItem(wnd, e.id), child);
        }
        EXPECT_EQ(GetDlgCtrlID(child), e.id);
        char cls[64];
        GetClassNameA(child, cls, sizeof cls);
        EXPECT_EQ(lstrcmpiA(cls, e.cls), 0) << cls;
        if (e.text[0] == '#') {
            HANDLE image =
                reinterpret_cast<HANDLE>(SendMessageA(child, STM_GETIMAGE, IMAGE_BITMAP, 0));
            EXPECT_NE(image, nullptr) << "bitmap shown";
        } else if (lstrcmpiA(cls, "ComboBox") != 0) {
            GetWindowTextA(child, text, sizeof text);
            EXPECT_STREQ(text, e.text);
        }
        child = GetWindow(child, GW_HWNDNEXT);
    }
    EXPECT_EQ(child, nullptr) << "no further controls";
    DestroyWindow(wnd);
}

class ResourceDialogs : public ::testing::Test {
protected:
    void SetUp() override {
        INITCOMMONCONTROLSEX icc = {sizeof icc, ICC_STANDARD_CLASSES | ICC_UPDOWN_CLASS};
        InitCommonControlsEx(&icc);
    }
};

TEST_F(ResourceDialogs, AddFolder) {
    CheckDialog(
        9, "Add Folder", 190, 76, kModal,
        {
            {"Static", "&Folder path:", -1, 4, 4, 180, 8, kTypeMask | WS_VISIBLE, kText},
            {"Edit", "", 1000, 4, 16, 180, 12, ES_AUTOHSCROLL | WS_TABSTOP | WS_BORDER,
             ES_AUTOHSCROLL | WS_TABSTOP | WS_BORDER},
            {"Button", "&Browse...", 1001, 134, 32, 50, 14, kCheckMask, kButton},
            {"Button", "Include all &subfolders", 1002, 4, 34, 83, 10, kCheckMask, kCheckBox},
            {"Static", "", -1, 4, 50, 180, 1, kTypeMask | WS_VISIBLE, kEtched},
            {"Button", "OK", IDOK, 80, 56, 50, 14, kCheckMask, kDefButton},
            {"Button", "Cancel", IDCANCEL, 134, 56, 50, 14, kCheckMask, kButton},
        });
}

TEST_F(ResourceDialogs, Options) {
    CheckDialog(
        133, "Options", 198, 170, kModal,
        {
            {"Button", "Startup Options", -1, 6, 2, 186, 64, kTypeMask, BS_GROUPBOX},
            {"Button", "&Minimize to system tray on startup", 1002, 12, 14, 174, 10, kCheckMask,
             kCheckBox},
            {"Button", "&Reload last wallpaper list on startup", 1003, 12, 26, 174, 10, kCheckMask,
             kCheckBox},
            {"Button", "&Change wallpaper on startup", 1004, 24, 38, 162, 10, kCheckMask,
             kCheckBox},
            {"Button", "Scan for &dead items on startup", 1020, 24, 50, 162, 10, kCheckMask,
             kCheckBox},
            {"Button", "General Settings", -1, 6, 70, 186, 76, kTypeMask, BS_GROUPBOX},
            {"Button", "&Keep main window on top", 1005, 12, 82, 174, 10, kCheckMask, kCheckBox},
            {"Button", "&Warn me before sending a file to the Recycle Bin", 1006, 12, 94, 174, 10,
             kCheckMask, kCheckBox},
            {"Button", "&Automatically save list when exiting", 1009, 12, 106, 174, 10, kCheckMask,
             kCheckBox},
            {"Button", "&Sort list after adding new items", 1010, 12, 118, 174, 10, kCheckMask,
             kCheckBox},
            {"Button", "S&nap main window at", 1007, 12, 130, 82, 10, kCheckMask, kCheckBox},
            {"Edit", "", 1008, 96, 128, 22, 12, kDigitsMask, kDigits},
            {"Static", "pixels", -1, 122, 130, 30, 8, kTypeMask | WS_VISIBLE, kText},
            {"Button", "OK", IDOK, 88, 150, 50, 14, kCheckMask, kDefButton},
            {"Button", "Cancel", IDCANCEL, 142, 150, 50, 14, kCheckMask, kButton},
        });
}

TEST_F(ResourceDialogs, ListSettings) {
    CheckDialog(
        137, "List Settings", 210, 90, kModal,
        {
            {"Button", "General", -1, 8, 4, 194, 62, kTypeMask, BS_GROUPBOX},
            {"Static", "&Default position:", -1, 14, 18, 54, 8, kTypeMask | WS_VISIBLE, kText},
            {"ComboBox", "", 1011, 70, 16, 50, 60, 0x3 | CBS_SORT | WS_TABSTOP,
             CBS_DROPDOWNLIST | CBS_SORT | WS_TABSTOP},
            {"Button", "&Change wallpaper on a specified time interval", 1002, 14, 34, 182, 10,
             kCheckMask, kCheckBox},
            {"Edit", "", 1012, 26, 46, 18, 12, kDigitsMask, kDigits},
            {"msctls_updown32", "", 1013, 44, 46, 11, 12, kSpinMask, kSpin},
            {"Static", "hours", -1, 62, 48, 24, 8, kTypeMask | WS_VISIBLE, kText},
            {"Edit", "", 1014, 90, 46, 18, 12, kDigitsMask, kDigits},
            {"msctls_updown32", "", 1015, 108, 46, 11, 12, kSpinMask, kSpin},
            {"Static", "minutes", -1, 126, 48, 30, 8, kTypeMask | WS_VISIBLE, kText},
            {"Button", "OK", IDOK, 94, 70, 50, 14, kCheckMask, kDefButton},
            {"Button", "Cancel", IDCANCEL, 150, 70, 50, 14, kCheckMask, kButton},
        });
}

TEST_F(ResourceDialogs, ListSettingsSpinsHoldTheirEdits) {
    HWND wnd = CreateDialogParamA(
        Module(), MAKEINTRESOURCEA(137), nullptr,
        [](HWND, UINT, WPARAM, LPARAM) -> INT_PTR { return FALSE; }, 0);
    ASSERT_NE(wnd, nullptr);
    EXPECT_EQ(reinterpret_cast<HWND>(SendDlgItemMessageA(wnd, 1013, UDM_GETBUDDY, 0, 0)),
              GetDlgItem(wnd, 1012));
    EXPECT_EQ(reinterpret_cast<HWND>(SendDlgItemMessageA(wnd, 1015, UDM_GETBUDDY, 0, 0)),
              GetDlgItem(wnd, 1014));
    DestroyWindow(wnd);
}

TEST_F(ResourceDialogs, Preview) {
    CheckDialog(143, "Wallpaper Preview", 254, 177, kModal | WS_MINIMIZEBOX,
                {
                    {"Static", "", 1019, 2, 2, 250, 172, kTypeMask | WS_VISIBLE, SS_BLACKFRAME},
                });
}

TEST_F(ResourceDialogs, About) {
    CheckDialog(
        100, "About Varnello", 216, 161, kModal,
        {
            {"Static", "#147", -1, 8, 8, 200, 46, kTypeMask | WS_VISIBLE, SS_BITMAP | WS_VISIBLE},
            {"Static", "Version 9.40", -1, 87, 60, 41, 8, kTypeMask | WS_VISIBLE, kText},
            {"Static", "", -1, 8, 74, 201, 1, kTypeMask | WS_VISIBLE, kEtched},
            {"Static", "Visit the Varnello Home Page", 1021, 57, 82, 100, 8, kTypeMask | WS_VISIBLE,
             kText},
            {"Static", "Contact the Author", 1022, 76, 96, 63, 8, kTypeMask | WS_VISIBLE, kText},
            {"Static",
             "Copyright (C) Quillfen. All rights reserved.\n"
             "Varnello is freeware: share it freely, but do not sell it.",
             -1, 8, 110, 200, 26, kTypeMask | WS_VISIBLE, kText},
            {"Button", "OK", IDOK, 82, 140, 50, 16, kCheckMask, kDefButton},
        });
}

// ----------------------------------------------------------------- bitmaps

// A 24-bit bitmap resource with access to its pixels.
class BitmapPixels {
public:
    explicit BitmapPixels(int id) : m_bytes(ResourceBytes(id, 2)) {  // RT_BITMAP
        if (m_bytes.size() >= sizeof(BITMAPINFOHEADER))
            std::memcpy(&m_info, m_bytes.data(), sizeof m_info);
    }
    int Width() const { return m_info.biWidth; }
    int Height() const { return m_info.biHeight; }
    int Bits() const { return m_info.biBitCount; }
    // The pixel at (x, y) from the top, as a COLORREF.
    COLORREF At(int x, int y) const {
        size_t stride = (Width() * 3 + 3) & ~3;
        size_t pos = m_info.biSize + (Height() - 1 - y) * stride + x * 3;
        const auto* p = reinterpret_cast<const BYTE*>(m_bytes.data()) + pos;
        return RGB(p[2], p[1], p[0]);
    }

private:
    std::string m_bytes;
    BITMAPINFOHEADER m_info = {};
};

// Size of a bitmap as the program loads it.
SIZE LoadedBitmapSize(int id) {
    HBITMAP bmp =
        static_cast<HBITMAP>(LoadImageA(Module(), MAKEINTRESOURCEA(id), IMAGE_BITMAP, 0, 0, 0));
    BITMAP info = {};
    if (bmp) {
        GetObjectA(bmp, sizeof info, &info);
        DeleteObject(bmp);
    }
    return SIZE{info.bmWidth, info.bmHeight};
}

const COLORREF kMask = RGB(192, 192, 192);
const COLORREF kArrow = RGB(128, 128, 128);

// Widths of the arrow's rows, top to bottom, skipping empty rows; fails
// on any colour other than the arrow's and the mask.
std::vector<int> ArrowRowWidths(int id) {
    BitmapPixels bmp(id);
    std::vector<int> widths;
    for (int y = 0; y < bmp.Height(); ++y) {
        int n = 0;
        for (int x = 0; x < bmp.Width(); ++x) {
            COLORREF c = bmp.At(x, y);
            EXPECT_TRUE(c == kMask || c == kArrow) << std::hex << c;
            n += c == kArrow;
        }
        if (n)
            widths.push_back(n);
    }
    return widths;
}

TEST(Resources, SortArrows) {
    for (int id : {131, 132}) {
        SIZE size = LoadedBitmapSize(id);
        EXPECT_EQ(size.cx, 9);
        EXPECT_EQ(size.cy, 9);
    }
    std::vector<int> up = ArrowRowWidths(131);
    std::vector<int> down = ArrowRowWidths(132);
    ASSERT_GE(up.size(), 3u);
    EXPECT_EQ(up.front(), 1) << "131 points up";
    EXPECT_TRUE(std::is_sorted(up.begin(), up.end()));
    EXPECT_EQ(down.back(), 1) << "132 points down";
    EXPECT_TRUE(std::is_sorted(down.rbegin(), down.rend()));
}

TEST(Resources, ToolbarStrips) {
    BitmapPixels normal(145), hot(144);
    for (const BitmapPixels* strip : {&normal, &hot}) {
        EXPECT_EQ(strip->Width(), 176);
        EXPECT_EQ(strip->Height(), 16);
        EXPECT_EQ(strip->Bits(), 24);
    }
    for (int id : {144, 145}) {
        SIZE size = LoadedBitmapSize(id);
        EXPECT_EQ(size.cx, 176);
        EXPECT_EQ(size.cy, 16);
    }
    long brighter = 0;
    for (int image = 0; image < 11; ++image) {
        int masked = 0, drawn = 0;
        for (int y = 0; y < 16; ++y) {
            for (int x = 16 * image; x < 16 * image + 16; ++x) {
                COLORREF n = normal.At(x, y), h = hot.At(x, y);
                // Both strips show the same shapes: transparency in the same places.
                EXPECT_EQ(n == kMask, h == kMask) << "image " << image << " at " << x << "," << y;
                if (n == kMask) {
                    ++masked;
                    continue;
                }
                ++drawn;
                int gain = GetRValue(h) + GetGValue(h) + GetBValue(h) - GetRValue(n) -
                           GetGValue(n) - GetBValue(n);
                EXPECT_GE(gain, 0) << "hot image " << image << " is not darker";
                brighter += gain;
            }
        }
        EXPECT_GT(masked, 16) << "image " << image << " has a transparent background";
        EXPECT_GT(drawn, 16) << "image " << image << " is drawn";
        EXPECT_EQ(normal.At(16 * image, 15), kMask) << "image " << image << " corner";
    }
    EXPECT_GT(brighter, 0);
}

TEST(Resources, AboutBanner) {
    SIZE size = LoadedBitmapSize(147);
    EXPECT_EQ(size.cx, 300);
    EXPECT_EQ(size.cy, 75);
}

// The toolbar strips and sort arrows drawn for 150 and 200 % (ids 1xxx and
// 2xxx): the sizes of 100 % multiplied, the arrows pointing their way.
TEST(Resources, BitmapsForLargerScales) {
    const int scales[][3] = {{1000, 24, 14}, {2000, 32, 18}};  // offset, button, arrow
    for (const auto& [offset, button, arrow] : scales) {
        for (int id : {144, 145}) {
            SIZE strip = LoadedBitmapSize(offset + id);
            EXPECT_EQ(strip.cx, 11 * button);
            EXPECT_EQ(strip.cy, button);
        }
        EXPECT_EQ(LoadedBitmapSize(offset + 131).cy, arrow);
        EXPECT_EQ(ArrowRowWidths(offset + 131).front(), 1);
        EXPECT_EQ(ArrowRowWidths(offset + 132).back(), 1);
    }
}

// ------------------------------------------------------------------- icons

// Sizes of the images in an icon group, in resource order.
std::vector<int> IconGroupSizes(int id) {
    std::string bytes = ResourceBytes(id, 14);  // RT_GROUP_ICON
    std::vector<int> sizes;
    if (bytes.size() < 6)
        return sizes;
    int count = static_cast<BYTE>(bytes[4]) | (static_cast<BYTE>(bytes[5]) << 8);
    for (int i = 0; i < count && 6 + 14 * (i + 1) <= static_cast<int>(bytes.size()); ++i) {
        int w = static_cast<BYTE>(bytes[6 + 14 * i]), h = static_cast<BYTE>(bytes[7 + 14 * i]);
        EXPECT_EQ(w, h);
        sizes.push_back(w);
    }
    return sizes;
}

// Whether an icon loads at the given size.
bool IconLoads(int id, int size) {
    HICON icon =
        static_cast<HICON>(LoadImageA(Module(), MAKEINTRESOURCEA(id), IMAGE_ICON, size, size, 0));
    if (!icon)
        return false;
    ICONINFO info = {};
    bool ok = GetIconInfo(icon, &info);
    BITMAP bm = {};
    if (ok && info.hbmColor) {
        GetObjectA(info.hbmColor, sizeof bm, &bm);
        ok = bm.bmWidth == size && bm.bmHeight == size;
    }
    if (info.hbmColor)
        DeleteObject(info.hbmColor);
    if (info.hbmMask)
        DeleteObject(info.hbmMask);
    DestroyIcon(icon);
    return ok;
}

TEST(Resources, Icons) {
    EXPECT_EQ(IconGroupSizes(128), (std::vector<int>{32, 16}));
    EXPECT_EQ(IconGroupSizes(129), (std::vector<int>{32, 16}));
    EXPECT_EQ(IconGroupSizes(141), (std::vector<int>{32, 24, 16}));
    EXPECT_TRUE(IconLoads(128, 32));
    EXPECT_TRUE(IconLoads(128, 16));
    EXPECT_TRUE(IconLoads(129, 32));
    EXPECT_TRUE(IconLoads(129, 16));
    EXPECT_TRUE(IconLoads(141, 16));
    EXPECT_TRUE(IconLoads(141, 24));
    EXPECT_TRUE(IconLoads(141, 32));
}

TEST(Resources, DocumentIconIsTheSecondIcon) {
    // The shell registration names the list files' icon by its index.
    std::vector<int> groups;
    EnumResourceNamesA(
        Module(), MAKEINTRESOURCEA(14),
        [](HMODULE, LPCSTR, LPSTR name, LONG_PTR param) -> BOOL {
            if (IS_INTRESOURCE(name))
                reinterpret_cast<std::vector<int>*>(param)->push_back(
                    static_cast<int>(reinterpret_cast<ULONG_PTR>(name)));
            return TRUE;
        },
        reinterpret_cast<LONG_PTR>(&groups));
    ASSERT_GE(groups.size(), 2u);
    EXPECT_EQ(groups[0], 128);
    EXPECT_EQ(groups[1], 129);
}

// ------------------------------------------------------ toolbar, version, manifest

TEST(Resources, ToolbarLayout) {
    std::string bytes = ResourceBytes(128, 241);
    ASSERT_GE(bytes.size(), 8u);
    EXPECT_EQ(bytes.substr(0, 8), std::string("\x01\x00\x10\x00\x10\x00\x10\x00", 8));
    auto layout = ParseToolbarResource(bytes.data(), bytes.size());
    ASSERT_TRUE(layout.has_value());
    EXPECT_EQ(layout->width, 16);
    EXPECT_EQ(layout->height, 16);
    const std::vector<unsigned short> expected = {
        57600, 57601, 57603, 0, 32771, 32772, 0, 32774, 32775, 0, 32788, 32813, 0, 32784, 0, 32792};
    EXPECT_EQ(layout->items, expected);
    int buttons = 0;
    for (unsigned short item : layout->items)
        buttons += item != 0;
    EXPECT_EQ(buttons, 11) << "one image per button in the strips";
}

// The value of a string entry of the version resource.
std::string VersionValue(const std::string& bytes, const char* key) {
    std::string wide;
    for (const char* p = key; *p; ++p)
        wide += std::string{*p, '\0'};
    wide += std::string(2, '\0');
    size_t pos = bytes.find(wide);
    if (pos == std::string::npos)
        return "<missing>";
    pos = (pos + wide.size() + 3) & ~size_t(3);
    std::string value;
    for (; pos + 1 < bytes.size() && (bytes[pos] || bytes[pos + 1]); pos += 2)
        value += bytes[pos];
    return value;
}

TEST(Resources, Version) {
    std::string bytes = ResourceBytes(1, 16);  // RT_VERSION
    const char signature[] = {'\xBD', '\x04', '\xEF', '\xFE'};
    size_t pos = bytes.find(std::string(signature, 4));
    ASSERT_NE(pos, std::string::npos);
    VS_FIXEDFILEINFO info;
    ASSERT_LE(pos + sizeof info, bytes.size());
    std::memcpy(&info, bytes.data() + pos, sizeof info);
    EXPECT_EQ(info.dwFileVersionMS, (9u << 16) | 40u);
    EXPECT_EQ(info.dwProductVersionMS, (9u << 16) | 40u);
    EXPECT_EQ(VersionValue(bytes, "ProductName"), "Varnello");
    EXPECT_EQ(VersionValue(bytes, "ProductVersion"), "9.40");
    EXPECT_EQ(VersionValue(bytes, "OriginalFilename"), "varnello.exe");
}

TEST(Resources, Manifest) {
    ASSERT_NE(FindResourceA(Module(), MAKEINTRESOURCEA(1), MAKEINTRESOURCEA(24)), nullptr);
    std::string xml = ResourceBytes(1, 24);
    EXPECT_NE(xml.find("name=\"Microsoft.Windows.Common-Controls\" version=\"6.0.0.0\""),
              std::string::npos);
    EXPECT_NE(xml.find("level=\"asInvoker\""), std::string::npos);
    EXPECT_NE(xml.find(">true</dpiAware>"), std::string::npos);
    EXPECT_NE(xml.find("<dpiAwareness xmlns=\"http://schemas.microsoft.com/SMI/2016/"
                       "WindowsSettings\">PerMonitorV2, PerMonitor</dpiAwareness>"),
              std::string::npos);
}

TEST(Resources, ManifestBringsCommonControls6) {
    // The version 6 controls live in a side-by-side assembly folder; the
    // manifest is what makes the loader take them instead of version 5.
    InitCommonControls();
    HMODULE comctl = nullptr;
    ASSERT_TRUE(GetModuleHandleExA(
        GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
        reinterpret_cast<LPCSTR>(reinterpret_cast<void*>(&InitCommonControls)), &comctl));
    char path[MAX_PATH] = {};
    GetModuleFileNameA(comctl, path, MAX_PATH);
    CharLowerA(path);
    EXPECT_NE(std::strstr(path, "microsoft.windows.common-controls"), nullptr) << path;
    EXPECT_NE(std::strstr(path, "6.0."), nullptr) << path;
}

}  // namespace
