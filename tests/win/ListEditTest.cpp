// Adding, removing and the item commands of the list window in the real
// application, on real folders and files: the Add Folder dialog driven
// while its loop runs, the Add Files dialog's options, the drop target with
// data objects built here, the Recycle Bin, dead items and the boxes.

#include "AppFixture.h"
#include "EditTestSupport.h"

#include <commdlg.h>

#include "dialogs/win/AddFromFolderDlg.h"
#include "framework/win/SystemServicesWin.h"
#include "list/ListSettings.h"
#include "list/WallpaperItem.h"
#include "res/resource.h"

using namespace apptest;
using edittest::CFileDropData;
using edittest::CTempTree;
using edittest::CUiScript;
using edittest::FindThreadWindow;
using edittest::ItemText;

namespace {

const char kRecycleTail[] =
    " encountered while attempting to\n"
    "recycle the selected files. Either the files were already\n"
    "removed, or they were locked by another process.\n"
    "\n"
    "The items have been removed from the list, but the files\n"
    "may still be present on disk.";

class ListEdit : public AppFixture {
protected:
    // Starts the program and opens a list of these items.
    void StartWithList(const std::vector<FileItem>& items) {
        ASSERT_TRUE(WriteBytes(m_temp.File("start.vld"), V3File(items)));
        ASSERT_TRUE(StartApp());
        AnswerDialog(m_temp.File("start.vld"));
        Command(ID_FILE_OPEN);
        ASSERT_EQ(RowCount(), static_cast<int>(items.size()));
    }

    // Runs Add From Folder, answering its dialog with the folder and flag
    // (or Cancel); checks what the dialog showed when it opened.
    void AddFolder(const std::string& folder, bool subfolders, bool ok = true) {
        std::string shownFolder;
        bool shownCheck = false;
        CUiScript script({[&] {
            HWND dialog = FindThreadWindow("Add Folder");
            if (!dialog)
                return false;
            shownFolder = ItemText(dialog, IDC_FOLDER_PATH);
            shownCheck = IsDlgButtonChecked(dialog, IDC_INCLUDE_SUBFOLDERS) == BST_CHECKED;
            SetDlgItemTextA(dialog, IDC_FOLDER_PATH, folder.c_str());
            if (shownCheck != subfolders)
                SendDlgItemMessageA(dialog, IDC_INCLUDE_SUBFOLDERS, BM_CLICK, 0, 0);
            PostMessageA(dialog, WM_COMMAND, ok ? IDOK : IDCANCEL, 0);
            return true;
        }});
        CListSettings* settings = Doc()->GetSettings();
        std::string expectedFolder = settings->GetLastFolder();
        bool expectedCheck = settings->GetIncludeSubfolders() != 0;
        Command(ID_ADD_FOLDER);
        EXPECT_TRUE(script.Finished() && script.Failure().empty()) << script.Failure();
        EXPECT_EQ(shownFolder, expectedFolder);
        EXPECT_EQ(shownCheck, expectedCheck);
    }

    // The paths of the items of every row, joined by ",".
    std::string ItemPaths() {
        std::string out;
        for (int row = 0; row < RowCount(); ++row)
            out += (row ? "," : "") + View()->Rows().Item(row)->GetPath();
        return out;
    }

    static bool Exists(const std::string& path) {
        return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
    }
};

TEST_F(ListEdit, AddFolderWithAndWithoutSubfolders) {
    CTempTree tree;
    tree.File("b.PNG");
    tree.File("a.jpg");
    tree.File("notes.txt");
    tree.File("hidden.bmp", FILE_ATTRIBUTE_HIDDEN);
    tree.File("locked.jpeg", FILE_ATTRIBUTE_READONLY);
    tree.File("sub\\c.jpg");
    tree.File("sub\\deep\\d.bmp");
    tree.File("sub.jpg\\e.png");
    ASSERT_TRUE(StartApp());
    Doc()->GetSettings()->SetDefaultPosition("Tile");

    AddFolder(tree.Path(), false);
    EXPECT_EQ(FileNameColumn(), "a.jpg,b.PNG,hidden.bmp,locked.jpeg");  // sorted: "Auto Sort"
    EXPECT_EQ(RowText(0, 1), tree.Path());
    EXPECT_EQ(RowText(0, 2), "Tile");
    EXPECT_EQ(RowText(0, 3), "0");
    EXPECT_EQ(Doc()->GetSettings()->GetLastFolder(), tree.Path());
    EXPECT_EQ(Doc()->GetSettings()->GetIncludeSubfolders(), 0);
    EXPECT_TRUE(Doc()->IsModified());
    EXPECT_EQ(FrameTitle().find("Untitled *"), 0u) << FrameTitle();
    EXPECT_EQ(StatusCountText(), "\t\t4 Wallpaper Files");

    AddFolder(tree.Path() + "\\", true);  // the dialog shows the folder of the last add
    EXPECT_EQ(FileNameColumn(), "a.jpg,b.PNG,c.jpg,d.bmp,e.png,hidden.bmp,locked.jpeg");
    EXPECT_EQ(Doc()->GetSettings()->GetIncludeSubfolders(), 1);
    std::string paths = ItemPaths();
    EXPECT_NE(paths.find(tree.At("sub\\deep\\d.bmp")), std::string::npos) << paths;
    EXPECT_EQ(paths.find("\\\\"), std::string::npos) << "a doubled backslash: " << paths;
    EXPECT_TRUE(m_prompter.Boxes().empty());
}

TEST_F(ListEdit, AddFolderOnAMissingFolderOrCancelled) {
    CTempTree tree;
    tree.File("a.jpg");
    ASSERT_TRUE(StartApp());
    AddFolder(tree.At("no such folder"), true);
    EXPECT_EQ(RowCount(), 0);
    EXPECT_FALSE(Doc()->IsModified());
    EXPECT_EQ(Doc()->GetSettings()->GetLastFolder(), tree.At("no such folder"));
    EXPECT_EQ(Doc()->GetSettings()->GetIncludeSubfolders(), 1);
    EXPECT_TRUE(m_prompter.Boxes().empty());

    AddFolder(tree.Path(), false, false);  // Cancel
    EXPECT_EQ(RowCount(), 0);
    EXPECT_EQ(Doc()->GetSettings()->GetLastFolder(), tree.At("no such folder"));
    EXPECT_EQ(Doc()->GetSettings()->GetIncludeSubfolders(), 1);
}

TEST_F(ListEdit, AddFolderDialogBrowsesTheShellsFolders) {
    CTempTree tree;
    tree.Folder("Pictures");
    tree.File("Pictures\\p.jpg");
    ASSERT_TRUE(StartApp());  // OLE, which the shell's browser needs
    CAddFromFolderDlg dialog;
    dialog.m_strFolderPath = tree.At("Pictures") + "\\  ";  // trailing backslash and blanks
    dialog.m_bIncludeSubfolders = 1;
    std::string browserTitle, editAfter;
    bool checkAfter = false;
    CUiScript script({
        [&] {
            HWND add = FindThreadWindow("Add Folder");
            if (!add)
                return false;
            PostMessageA(add, WM_COMMAND, MAKEWPARAM(IDC_BROWSE, BN_CLICKED),
                         reinterpret_cast<LPARAM>(GetDlgItem(add, IDC_BROWSE)));
            return true;
        },
        [&] {
            HWND browser = FindThreadWindow("Select Folder");
            if (!browser)
                return false;
            PostMessageA(browser, WM_COMMAND, IDOK, 0);
            return true;
        },
        [&] {
            HWND add = FindThreadWindow("Add Folder");
            if (!add || FindThreadWindow("Select Folder"))
                return false;
            editAfter = ItemText(add, IDC_FOLDER_PATH);
            checkAfter = IsDlgButtonChecked(add, IDC_INCLUDE_SUBFOLDERS) == BST_CHECKED;
            PostMessageA(add, WM_COMMAND, IDOK, 0);
            return true;
        },
    });
    EXPECT_EQ(dialog.DoModal(nullptr), IDOK);
    ASSERT_TRUE(script.Failure().empty()) << script.Failure();
    EXPECT_EQ(editAfter, tree.At("Pictures"));  // the shell's path of the chosen folder
    EXPECT_TRUE(checkAfter);
    EXPECT_EQ(dialog.m_strFolderPath, tree.At("Pictures"));
}

TEST_F(ListEdit, AddFilesDialogAndCaseDifferentDuplicates) {
    StartWithList({{"C:\\Pics\\a.jpg", "Stretch", 0, 1}});
    Doc()->GetSettings()->SetLastFolder("C:\\Last");
    View()->Options().m_bAutoSort = 0;  // rows stay in the order they were added
    std::vector<FileDialogOptions> shown;
    std::vector<std::string> answer = {"C:\\Pics\\a.jpg", "C:\\Pics\\A.JPG",
                                       "D:\\Notes\\readme.txt"};
    SetFileDialogOverride(
        [&](const FileDialogOptions& options, bool save, std::vector<std::string>& paths) {
            EXPECT_FALSE(save);
            shown.push_back(options);
            paths = answer;
            return FileDialogResult::Ok;
        });
    Command(ID_ADD_FILES);
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0].title, "Add Wallpaper Files");
    EXPECT_EQ(shown[0].filter,
              "Wallpaper Files (*.bmp, *.jpg, *.jpeg, *.png)|*.bmp;*.jpg;*.jpeg;*.png|All Files "
              "(*.*)|*.*||");
    EXPECT_EQ(shown[0].flags & 0x1A04u, 0x1A04u);
    EXPECT_TRUE(shown[0].defaultExtension.empty());
    EXPECT_TRUE(shown[0].fileName.empty());
    EXPECT_EQ(shown[0].initialFolder, "C:\\Last");
    EXPECT_EQ(shown[0].owner, Frame());
    EXPECT_GE(shown[0].bufferSize, 1048576u);
    EXPECT_EQ(AllRows(),
              "a.jpg|C:\\Pics|Stretch|0,A.JPG|C:\\Pics|Stretch|0,readme.txt|D:\\Notes|Stretch|0");
    EXPECT_EQ(Doc()->GetSettings()->GetLastFolder(), "C:\\Pics");
    EXPECT_TRUE(Doc()->IsModified());

    // Everything picked is listed already: nothing changes.
    Doc()->SetModifiedFlag(false);
    Command(ID_ADD_FILES);
    EXPECT_EQ(RowCount(), 3);
    EXPECT_FALSE(Doc()->IsModified());
    EXPECT_TRUE(m_prompter.Boxes().empty());
}

TEST_F(ListEdit, AddFilesSelectionTooLargeIsReported) {
    ASSERT_TRUE(StartApp());
    SetFileDialogOverride([&](const FileDialogOptions&, bool, std::vector<std::string>& paths) {
        paths = {"C:\\a.jpg"};
        return FileDialogResult::BufferTooSmall;
    });
    Command(ID_ADD_FILES);
    EXPECT_EQ(RowCount(), 0);
    EXPECT_FALSE(Doc()->IsModified());
    ASSERT_EQ(m_prompter.Boxes().size(), 1u);
    EXPECT_EQ(m_prompter.Boxes()[0].caption, "Add Wallpaper Files");
    EXPECT_NE(m_prompter.Boxes()[0].text.find("Too many files"), std::string::npos);
    EXPECT_EQ(m_prompter.Boxes()[0].style, 0x10u);
    EXPECT_EQ(m_prompter.Boxes()[0].owner, List());
}

// Each menu command reaches its handler in the view (the rules behind them
// are tested natively).
TEST_F(ListEdit, CommandsReachTheirHandlers) {
    CTempTree tree;
    tree.File("a.jpg");
    tree.File("b.jpg");
    StartWithList({{tree.At("a.jpg"), "Stretch", 7, 0},
                   {tree.At("b.jpg"), "Stretch", 3, 0},
                   {tree.At("gone away\\c.jpg"), "Stretch", 2, 0}});
    Select({0, 2});
    Command(ID_POSITION_TILE);
    Select({1});
    Command(ID_POSITION_CENTER);
    Command(ID_RESET_COUNT);
    Select({0});
    Command(ID_POSITION_STRETCH);
    EXPECT_EQ(AllRows(), "a.jpg|" + tree.Path() + "|Stretch|7,b.jpg|" + tree.Path() +
                             "|Center|0,c.jpg|" + tree.At("gone away") + "|Tile|2");
    EXPECT_TRUE(Doc()->IsModified());

    Select({2});
    Command(ID_OPEN_FOLDER);
    ASSERT_EQ(m_prompter.Boxes().size(), 1u);
    EXPECT_EQ(m_prompter.Boxes()[0].text,
              "The containing folder was not found!\n\nExpected Path: " + tree.At("gone away"));
    EXPECT_EQ(m_prompter.Boxes()[0].owner, List());

    Select({0});
    Command(ID_REMOVE_SELECTED);
    EXPECT_EQ(FileNameColumn(), "b.jpg,c.jpg");
    EXPECT_EQ(SelectedCount(), 1);
    int shown = wait_cursor::TimesShown();
    View()->RemoveDeadItems();  // as the start-up scan calls it
    EXPECT_EQ(FileNameColumn(), "b.jpg");
    EXPECT_GT(wait_cursor::TimesShown(), shown);
    m_prompter.Answer(mb::kIdYes);
    Command(ID_REMOVE_ALL);
    EXPECT_EQ(RowCount(), 0);
    ASSERT_EQ(m_prompter.Boxes().size(), 3u);
    EXPECT_EQ(m_prompter.Boxes()[1].text, "1 dead file removed from the active list.");
    EXPECT_EQ(m_prompter.Boxes()[2].caption, "Remove All Items");
}

TEST_F(ListEdit, RecycleSendsFilesAwayAndCountsWhatIsGone) {
    CTempTree tree;
    tree.File("keep.jpg");
    tree.File("bin.jpg");
    StartWithList({{tree.At("bin.jpg"), "Stretch", 0, 1},
                   {tree.At("gone.jpg"), "Stretch", 0, 1},
                   {tree.At("keep.jpg"), "Stretch", 0, 1}});
    Select({0});
    m_prompter.Answer(mb::kIdYes);
    Command(ID_REMOVE_RECYCLE);
    EXPECT_FALSE(Exists(tree.At("bin.jpg")));
    EXPECT_TRUE(Exists(tree.At("keep.jpg")));
    EXPECT_EQ(FileNameColumn(), "gone.jpg,keep.jpg");
    ASSERT_EQ(m_prompter.Boxes().size(), 1u);
    EXPECT_EQ(m_prompter.Boxes()[0].text, "Are you sure you want to recycle the selected files?");
    EXPECT_EQ(m_prompter.Boxes()[0].caption, "Recycle Selected Files");
    EXPECT_EQ(m_prompter.Boxes()[0].style, 0x24u);
    EXPECT_EQ(SelectedCount(), 1);  // the row that took its place

    View()->Options().m_bWarnOnRecycle = 0;
    Select({0});
    Command(ID_REMOVE_RECYCLE);
    EXPECT_EQ(FileNameColumn(), "keep.jpg");
    ASSERT_EQ(m_prompter.Boxes().size(), 2u);  // no question, one error box
    EXPECT_EQ(m_prompter.Boxes()[1].text, std::string("A total of 1 error was") + kRecycleTail);
    EXPECT_EQ(m_prompter.Boxes()[1].caption, "Recycle Files Error");
    EXPECT_EQ(m_prompter.Boxes()[1].style, 0x10u);
    EXPECT_EQ(m_prompter.Boxes()[1].owner, List());
    EXPECT_TRUE(Doc()->IsModified());
}

TEST_F(ListEdit, DropTargetFeedbackAndDrops) {
    CTempTree tree;
    tree.File("x.jpg");
    tree.File("y.gif");
    tree.Folder("folder.jpg");
    tree.Folder("plain");
    ASSERT_TRUE(StartApp());
    IDropTarget* target = View()->EditCommands().DropTarget();
    ASSERT_NE(target, nullptr);
    // The list window is registered: a second registration is refused.
    EXPECT_EQ(RegisterDragDrop(List(), target), DRAGDROP_E_ALREADYREGISTERED);

    const DWORD all = DROPEFFECT_COPY | DROPEFFECT_MOVE | DROPEFFECT_LINK;
    POINTL point = {10, 10};
    auto* files = new CFileDropData({tree.At("x.jpg"), tree.At("y.gif"), tree.At("folder.jpg"),
                                     tree.At("plain"), tree.At("x.jpg")},
                                    0);
    auto* ours = new CFileDropData({tree.At("x.jpg")}, g_cfVarnelloList);
    auto* other = new CFileDropData({}, 0, false);

    DWORD effect = all;
    EXPECT_EQ(target->DragEnter(ours, MK_LBUTTON, point, &effect), S_OK);
    EXPECT_EQ(effect, static_cast<DWORD>(DROPEFFECT_NONE));
    effect = all;
    target->DragOver(MK_LBUTTON | MK_SHIFT, point, &effect);
    EXPECT_EQ(effect, static_cast<DWORD>(DROPEFFECT_NONE));
    target->DragLeave();

    effect = all;
    target->DragEnter(other, MK_LBUTTON, point, &effect);
    EXPECT_EQ(effect, static_cast<DWORD>(DROPEFFECT_NONE));
    effect = all;
    EXPECT_EQ(target->Drop(other, 0, point, &effect), S_OK);
    EXPECT_EQ(effect, static_cast<DWORD>(DROPEFFECT_NONE));

    effect = all;
    target->DragEnter(files, MK_LBUTTON, point, &effect);
    EXPECT_EQ(effect, static_cast<DWORD>(DROPEFFECT_COPY));
    effect = all;
    target->DragOver(MK_RBUTTON | MK_CONTROL, {500, 500}, &effect);
    EXPECT_EQ(effect, static_cast<DWORD>(DROPEFFECT_COPY));
    effect = all;
    EXPECT_EQ(target->Drop(files, 0, point, &effect), S_OK);
    EXPECT_EQ(effect, static_cast<DWORD>(DROPEFFECT_COPY));
    Idle();
    EXPECT_EQ(FileNameColumn(), "x.jpg");  // a folder named like an image is no item
    EXPECT_TRUE(Doc()->IsModified());
    EXPECT_TRUE(Doc()->GetSettings()->GetLastFolder().empty());

    effect = all;
    target->Drop(ours, 0, point, &effect);
    EXPECT_EQ(RowCount(), 1);
    files->Release();
    ours->Release();
    other->Release();
    EXPECT_TRUE(m_prompter.Boxes().empty());
}

// The shell hands dropped names over in UTF-16; the process takes them in
// UTF-8, whatever their script.
TEST_F(ListEdit, DroppedNamesInAnyScript) {
    CTempTree tree;
    tree.File("\xE6\x97\xA5\xCE\xB1\xF0\x9F\x8C\x84.jpg");  // 日α🌄.jpg
    ASSERT_TRUE(StartApp());
    IDropTarget* target = View()->EditCommands().DropTarget();
    auto* files = new CFileDropData({tree.At("\xE6\x97\xA5\xCE\xB1\xF0\x9F\x8C\x84.jpg")}, 0);
    DWORD effect = DROPEFFECT_COPY;
    target->DragEnter(files, MK_LBUTTON, {10, 10}, &effect);
    EXPECT_EQ(target->Drop(files, 0, {10, 10}, &effect), S_OK);
    files->Release();
    Idle();
    EXPECT_EQ(FileNameColumn(), "\xE6\x97\xA5\xCE\xB1\xF0\x9F\x8C\x84.jpg");
}

}  // namespace
