// The Win32 pieces under the list's editing commands on their own: the
// dialog base (data exchange, validation, idle-time enabling), the system's
// file dialog, the shell file operation, the folder finder and the scan
// over real links.

#include <gtest/gtest.h>

#include <windows.h>
#include <commdlg.h>

#include <algorithm>

#include "EditTestSupport.h"
#include "base/win/PathExists.h"
#include "framework/Prompter.h"
#include "framework/win/Dialog.h"
#include "framework/win/FileDialog.h"
#include "list/MemoryRowStore.h"
#include "list/WallpaperRows.h"
#include "res/resource.h"
#include "view/FolderScan.h"
#include "view/win/FileFinderWin.h"
#include "view/win/ShellFileOp.h"

using namespace edittest;

namespace {

// A dialog on the Add Folder template that takes its edit as a number from
// 5 to 200 and enables Browse only while its check box field is on.
class CNumberDialog : public CDialog {
public:
    CNumberDialog() : CDialog(IDD_ADD_FOLDER) {}
    std::int32_t m_nNumber = 10;
    std::int32_t m_bFlag = 0;
    int m_nKicks = 0;

    bool OnCommand(unsigned id) override {
        if (id != IDC_INCLUDE_SUBFOLDERS)
            return false;
        UpdateData(true);
        return true;
    }
    bool OnUpdateCommand(CCommandUI& ui) override {
        if (ui.Id() == IDC_FOLDER_PATH)
            ++m_nKicks;
        if (ui.Id() != IDC_BROWSE)
            return false;
        ui.Enable(m_bFlag != 0);
        return true;
    }

protected:
    bool OnInitDialog() override {
        SetWindowTextA(GetHwnd(), "Test Dialog");
        return CDialog::OnInitDialog();
    }
    void DoDataExchange(CDataExchange& dx) override {
        dx.Integer(IDC_FOLDER_PATH, m_nNumber, 5, 200);
        dx.Check(IDC_INCLUDE_SUBFOLDERS, m_bFlag);
    }
};

TEST(DialogBase, ValidationKeepsTheDialogOpenAndEnablingRunsWhenIdle) {
    CRecordingPrompter prompter;
    CScopedPrompter scoped(prompter);
    CNumberDialog dialog;
    HWND window = nullptr;
    auto edit = [&] { return GetDlgItem(window, IDC_FOLDER_PATH); };
    auto browseEnabled = [&] { return IsWindowEnabled(GetDlgItem(window, IDC_BROWSE)) != FALSE; };
    std::vector<std::string> notes;
    CUiScript script({
        [&] {
            window = FindThreadWindow("Test Dialog");
            if (!window || dialog.m_nKicks == 0)
                return false;
            if (ItemText(window, IDC_FOLDER_PATH) != "10" || browseEnabled())
                notes.push_back("opening");
            SetDlgItemTextA(window, IDC_FOLDER_PATH, "4");
            SendMessageA(window, WM_COMMAND, IDOK, 0);
            return true;
        },
        [&] {
            if (prompter.Boxes().size() != 1 || !IsWindow(window) || GetFocus() != edit())
                notes.push_back("range refusal");
            SetFocus(GetDlgItem(window, IDCANCEL));
            SetDlgItemTextA(window, IDC_FOLDER_PATH, "abc");
            SendMessageA(window, WM_COMMAND, IDOK, 0);
            return true;
        },
        [&] {
            if (prompter.Boxes().size() != 2 || GetFocus() != edit())
                notes.push_back("number refusal");
            SetDlgItemTextA(window, IDC_FOLDER_PATH, "150");
            // Posted, as a user's click would come, so the loop goes idle after it.
            PostMessageA(GetDlgItem(window, IDC_INCLUDE_SUBFOLDERS), BM_CLICK, 0, 0);
            return true;
        },
        [&] {
            if (!browseEnabled())
                return false;  // enabled at the next idle time
            SendMessageA(window, WM_COMMAND, IDOK, 0);
            return true;
        },
    });
    EXPECT_EQ(dialog.DoModal(nullptr), IDOK);
    EXPECT_TRUE(script.Finished());
    EXPECT_TRUE(script.Failure().empty()) << script.Failure();
    EXPECT_TRUE(notes.empty()) << notes.front();
    EXPECT_EQ(dialog.m_nNumber, 150);
    EXPECT_EQ(dialog.m_bFlag, 1);
    EXPECT_EQ(dialog.GetHwnd(), nullptr);
    ASSERT_EQ(prompter.Boxes().size(), 2u);
    EXPECT_EQ(prompter.Boxes()[0].text, "Please enter an integer between 5 and 200.");
    EXPECT_EQ(prompter.Boxes()[0].caption, "Varnello");
    EXPECT_EQ(prompter.Boxes()[0].style, 0x30u);
    EXPECT_EQ(prompter.Boxes()[1].text, "Please enter an integer.");
}

// The system's file dialog, whose library is loaded when a dialog is first
// shown: it opens with its title in its folder, and a name typed there
// comes back as a full path.
TEST(FileDialog, TheSystemsOpenDialogGivesTheChosenFile) {
    CTempTree tree;
    tree.File("a.jpg");
    FileDialogOptions options;
    options.title = "Pick a Wallpaper";
    options.filter = "Pictures (*.jpg)|*.jpg||";
    options.initialFolder = tree.Path();
    options.bufferSize = 4096;
    options.flags = OFN_FILEMUSTEXIST;
    CUiScript script({[] {
        HWND dialog = FindThreadWindow("Pick a Wallpaper");
        if (!dialog)
            return false;
        SetDlgItemTextA(dialog, 1148, "a.jpg");  // the file name box
        PostMessageA(dialog, WM_COMMAND, IDOK, 0);
        return true;
    }});
    std::vector<std::string> paths;
    EXPECT_EQ(AskOpenFiles(options, paths), FileDialogResult::Ok);
    EXPECT_TRUE(script.Finished() && script.Failure().empty()) << script.Failure();
    EXPECT_EQ(paths, std::vector<std::string>{tree.At("a.jpg")});
}

TEST(ShellFileOp, SilentFlagsAndTheRecycleBin) {
    CShellFileOp op;
    EXPECT_EQ(op.Operation().fFlags, 0x0414);
    EXPECT_EQ(op.Operation().hwnd, nullptr);
    CTempTree tree;
    tree.File("a.jpg");
    EXPECT_EQ(op.DeletePath(tree.At("a.jpg"), false), 0);
    EXPECT_EQ(op.Operation().wFunc, static_cast<UINT>(FO_DELETE));
    EXPECT_EQ(op.Operation().fFlags, 0x4454);  // with the warning before deleting for good
    EXPECT_EQ(op.Operation().pTo, nullptr);
    EXPECT_FALSE(PathExists(tree.At("a.jpg")));
    EXPECT_NE(op.DeletePath(tree.At("a.jpg"), true), 0);  // already gone
    EXPECT_EQ(op.Operation().fFlags, 0x0414);
}

TEST(ShellFileOp, ALongPathIsPassedWhole) {
    CShellFileOp op;
    std::string path = "C:\\" + std::string(300, 'x') + "\\" + std::string(100, 'y') + ".jpg";
    // For good: a recycle that cannot use the Recycle Bin would ask first.
    EXPECT_NE(op.DeletePath(path, true), 0);
    const char* from = op.Operation().pFrom;
    ASSERT_NE(from, nullptr);
    EXPECT_EQ(std::string(from), path);
    EXPECT_EQ(from[path.size() + 1], '\0');
    std::string shortPath = "C:\\nothing here.jpg";
    op.DeletePath(shortPath, true);
    EXPECT_EQ(std::string(op.Operation().pFrom), shortPath);
    EXPECT_EQ(op.Operation().pFrom[shortPath.size() + 1], '\0');
}

TEST(PathExistsWin, OnlyNotFoundCountsAsMissing) {
    CTempTree tree;
    tree.File("a.jpg");
    EXPECT_TRUE(PathExists(tree.At("a.jpg")));
    EXPECT_TRUE(PathExists(tree.Path()));
    EXPECT_FALSE(PathExists(tree.At("b.jpg")));
    EXPECT_FALSE(PathExists(tree.At("no folder\\b.jpg")));
    EXPECT_TRUE(PathExists(tree.At("bad<name>.jpg")));  // an invalid name is not "not found"
}

TEST(FileFinderWin, EntriesCarryFullPaths) {
    CTempTree tree;
    tree.File("a.jpg");
    tree.Folder("sub");
    CFileFinderWin finder;
    std::vector<std::string> seen;
    auto collect = [&](const FolderEntry& entry) {
        if (entry.name != "." && entry.name != "..")
            seen.push_back(entry.path + (entry.isDirectory ? "/" : ""));
        return true;
    };
    ASSERT_TRUE(finder.ListFolder(tree.Path() + "\\", collect));
    std::sort(seen.begin(), seen.end());
    EXPECT_EQ(seen, std::vector<std::string>({tree.At("a.jpg"), tree.At("sub") + "/"}));
    EXPECT_FALSE(finder.ListFolder(tree.At("missing"), collect));

    EXPECT_EQ(finder.FolderIdentity(tree.Path()), finder.FolderIdentity(tree.Path() + "\\"));
    EXPECT_EQ(finder.FolderIdentity(tree.At("sub")),
              finder.FolderIdentity(tree.At("sub\\..\\sub")));
    EXPECT_NE(finder.FolderIdentity(tree.Path()), finder.FolderIdentity(tree.At("sub")));
    EXPECT_FALSE(finder.FolderIdentity(tree.At("missing")).empty());
}

// The Unix name of a path, or "" outside Wine.
std::string UnixPath(const std::string& path) {
    using UnixName = char*(CDECL*)(const wchar_t*);
    auto unixName = reinterpret_cast<UnixName>(reinterpret_cast<void*>(
        GetProcAddress(GetModuleHandleA("kernel32.dll"), "wine_get_unix_file_name")));
    if (!unixName)
        return std::string();
    wchar_t wide[MAX_PATH] = {};
    MultiByteToWideChar(CP_ACP, 0, path.c_str(), -1, wide, MAX_PATH);
    char* name = unixName(wide);
    std::string result = name ? name : "";
    if (name)
        HeapFree(GetProcessHeap(), 0, name);
    return result;
}

// Runs a program of the host (under Wine) and waits for it.
bool RunHostProgram(const char* program, std::string arguments) {
    std::string command = std::string(program) + " " + arguments;
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process = {};
    if (!CreateProcessA(program, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &process))
        return false;
    WaitForSingleObject(process.hProcess, 5000);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return true;
}

// A symbolic link made on the Unix side of Wine (/bin/ln), which leads on
// as links do on the host's file system; removed again with /bin/rm.
class CUnixLink {
public:
    CUnixLink(const std::string& link, const std::string& target) : m_link(link) {
        std::string unixTarget = UnixPath(target);
        std::size_t slash = link.find_last_of('\\');
        std::string unixFolder = UnixPath(link.substr(0, slash));
        if (unixTarget.empty() || unixFolder.empty())
            return;
        m_unixLink = unixFolder + "/" + link.substr(slash + 1);
        if (!RunHostProgram("Z:\\bin\\ln", "-s \"" + unixTarget + "\" \"" + m_unixLink + "\""))
            return;
        for (int i = 0; i < 50 && !m_bMade; ++i) {  // the host's program may end after its handle
            m_bMade = GetFileAttributesA(link.c_str()) != INVALID_FILE_ATTRIBUTES;
            if (!m_bMade)
                Sleep(100);
        }
    }
    ~CUnixLink() {
        if (m_unixLink.empty())
            return;
        RunHostProgram("Z:\\bin\\rm", "-f \"" + m_unixLink + "\"");
        for (int i = 0; i < 50 && GetFileAttributesA(m_link.c_str()) != INVALID_FILE_ATTRIBUTES;
             ++i)
            Sleep(100);
    }
    bool Made() const { return m_bMade; }

private:
    std::string m_link;
    std::string m_unixLink;
    bool m_bMade = false;
};

TEST(FileFinderWin, ALinkBackIntoTheScannedFolderEnds) {
    CTempTree tree;
    tree.File("top.jpg");
    tree.File("sub\\inner.png");
    CUnixLink link(tree.At("sub\\loop"), tree.Path());
    if (!link.Made())
        GTEST_SKIP() << "no symbolic links here";
    ASSERT_NE(GetFileAttributesA(tree.At("sub\\loop\\top.jpg").c_str()), INVALID_FILE_ATTRIBUTES);
    CMemoryRowStore store;
    CWallpaperRows rows(store);
    CFileFinderWin finder;
    EXPECT_EQ(finder.FolderIdentity(tree.At("sub\\loop")), finder.FolderIdentity(tree.Path()));
    CFolderScan scan(rows, finder, "Stretch");
    EXPECT_EQ(scan.ScanFolder(tree.Path(), true), 2);
    EXPECT_EQ(rows.Count(), 2);
    EXPECT_TRUE(rows.IsInList(tree.At("sub\\inner.png")));
    EXPECT_FALSE(rows.IsInList(tree.At("sub\\loop\\top.jpg")));
}

}  // namespace
