// Opening and saving lists in the real application, with real files: every
// outcome and the message box each one shows, the file dialogs, the recent
// files, the close with "Auto Save", and the shell registration.

#include "AppFixture.h"
#include "RegistryValues.h"

#include <commdlg.h>

#include "framework/RecentFileList.h"
#include "res/resource.h"

using namespace apptest;

namespace {

constexpr UINT kMbOk = 0x0000;
constexpr UINT kMbOkError = 0x0010;              // MB_OK | MB_ICONERROR
constexpr UINT kMbYesNoCancelQuestion = 0x0023;  // MB_YESNOCANCEL | MB_ICONQUESTION

const char kSignatureCaption[] = "File Corruption Error";
const char kSignatureText[] =
    "The VLD file signature is either incorrect or has been\n"
    "corrupted. File loading will not continue.";

std::string TwoItems() {
    return V3File({{"C:\\Pics\\a.jpg", "Center", 3, 0}, {"D:\\b.png", "Tile", 0, 1}});
}

class ListDocument : public AppFixture {
protected:
    // Starts with LIST.vld (two items) from the command line.
    void StartWithList() {
        ASSERT_TRUE(WriteBytes(m_temp.File("LIST.vld"), TwoItems()));
        ASSERT_TRUE(StartApp({m_temp.File("LIST.vld")}));
        ASSERT_EQ(FrameTitle(), "LIST.vld - Varnello");
    }

    // Changes the list as applying row 0 would: its count goes up by one.
    void ChangeFirstRow() {
        View()->Rows().MarkApplied(0);
        Doc()->SetModifiedFlag(true);
        Idle();
    }

    // The files of the temporary folder, without the empty "rf*.tmp" stand-in
    // that Wine's ReplaceFile leaves behind when it cannot move the old file
    // out of the way (Windows leaves none).
    std::vector<std::string> FilesBesideTheList() {
        std::vector<std::string> names;
        for (const std::string& name : m_temp.FileNames()) {
            bool wineStandIn = name.size() > 6 && name.compare(0, 2, "rf") == 0 &&
                               name.compare(name.size() - 4, 4, ".tmp") == 0 &&
                               ReadBytes(m_temp.File(name)).empty();
            if (!wineStandIn)
                names.push_back(name);
        }
        return names;
    }

    void OpenThroughTheDialog(const std::string& path) {
        AnswerDialog(path);
        Command(ID_FILE_OPEN);
    }

    void ExpectBox(std::size_t index, HWND owner, const std::string& caption,
                   const std::string& text, UINT style) {
        ASSERT_GT(m_prompter.Boxes().size(), index);
        const CRecordingPrompter::Box& box = m_prompter.Boxes()[index];
        EXPECT_EQ(box.owner, owner);
        EXPECT_EQ(box.caption, caption);
        EXPECT_EQ(box.text, text);
        EXPECT_EQ(box.style, style);
    }
};

}  // namespace

// ---- Opening ----

TEST_F(ListDocument, UnknownSignatureShowsTheBoxAndKeepsTheList) {
    StartWithList();
    ChangeFirstRow();
    const std::string rows = AllRows();
    const std::string rejected = S8("VLD Version 4") + I32(0) + I32(0) + I32(0) + S8("Stretch");
    ASSERT_TRUE(WriteBytes(m_temp.File("bad.vld"), rejected));

    m_prompter.Answer(7);  // No: do not save the changes first
    OpenThroughTheDialog(m_temp.File("bad.vld"));
    ASSERT_EQ(m_prompter.Boxes().size(), 2u);
    ExpectBox(0, Frame(), "Varnello", "Save changes to LIST.vld?", kMbYesNoCancelQuestion);
    ExpectBox(1, List(), kSignatureCaption, kSignatureText, kMbOk);

    EXPECT_EQ(AllRows(), rows);
    EXPECT_EQ(FrameTitle(), "LIST.vld * - Varnello");
    EXPECT_EQ(Doc()->GetPathName(), m_temp.File("LIST.vld"));
    EXPECT_TRUE(Doc()->IsModified());

    // Save writes the list to its own file, never over the rejected one.
    Command(ID_FILE_SAVE);
    EXPECT_EQ(m_prompter.Boxes().size(), 2u);
    EXPECT_EQ(ReadBytes(m_temp.File("bad.vld")), rejected);
    EXPECT_EQ(ReadBytes(m_temp.File("LIST.vld")),
              V3File({{"C:\\Pics\\a.jpg", "Center", 4, 0}, {"D:\\b.png", "Tile", 0, 1}}));
    EXPECT_EQ(FrameTitle(), "LIST.vld - Varnello");
}

TEST_F(ListDocument, EmptyFileOpensAsAnEmptyListUnderItsName) {
    StartWithList();
    ASSERT_TRUE(WriteBytes(m_temp.File("empty.vld"), ""));
    OpenThroughTheDialog(m_temp.File("empty.vld"));
    EXPECT_TRUE(m_prompter.Boxes().empty());
    EXPECT_EQ(RowCount(), 0);
    EXPECT_EQ(FrameTitle(), "empty.vld - Varnello");
    EXPECT_EQ(Doc()->GetPathName(), m_temp.File("empty.vld"));
    EXPECT_EQ(Doc()->GetSettings()->GetDefaultPosition(), "Stretch");
    EXPECT_EQ(StatusCountText(), "\t\t0 Wallpaper Files");

    // Saved, it becomes the smallest list file.
    Doc()->SetModifiedFlag(true);
    Command(ID_FILE_SAVE);
    EXPECT_EQ(ReadBytes(m_temp.File("empty.vld")), V3File({}));
}

// The shell's New menu makes an empty ".vld" file and opens it.
TEST_F(ListDocument, EmptyFileOnTheCommandLineStartsWithAnEmptyList) {
    ASSERT_TRUE(WriteBytes(m_temp.File("New List.vld"), ""));
    ASSERT_TRUE(StartApp({m_temp.File("New List.vld")}));
    EXPECT_TRUE(m_prompter.Boxes().empty());
    EXPECT_EQ(FrameTitle(), "New List.vld - Varnello");
    EXPECT_EQ(RowCount(), 0);
}

TEST_F(ListDocument, FileEndingEarlyGivesUnexpectedFormatThenANewList) {
    StartWithList();
    const std::string full = TwoItems();
    ASSERT_TRUE(WriteBytes(m_temp.File("cut.vld"), full.substr(0, full.size() - 3)));
    OpenThroughTheDialog(m_temp.File("cut.vld"));
    ASSERT_EQ(m_prompter.Boxes().size(), 1u);
    ExpectBox(0, Frame(), "Varnello", "Unexpected file format.", kMbOkError);
    EXPECT_EQ(RowCount(), 0);
    EXPECT_EQ(FrameTitle(), "Untitled - Varnello");
    EXPECT_EQ(Doc()->GetPathName(), "");
    EXPECT_FALSE(Doc()->IsModified());
    EXPECT_EQ(StatusCountText(), "\t\t0 Wallpaper Files");
}

TEST_F(ListDocument, ImpossibleLengthGivesFailedToOpenThenANewList) {
    StartWithList();
    std::string file = S8("VLD Version 3") + I32(0) + I32(0) + I32(0) + std::string(7, '\xFF') +
                       I32(0) + I32(1) + "Stretch";  // 8-byte length 0x100000000
    ASSERT_TRUE(WriteBytes(m_temp.File("huge.vld"), file));
    OpenThroughTheDialog(m_temp.File("huge.vld"));
    ASSERT_EQ(m_prompter.Boxes().size(), 1u);
    ExpectBox(0, Frame(), "Varnello", "Failed to open document.", kMbOkError);
    EXPECT_EQ(RowCount(), 0);
    EXPECT_EQ(FrameTitle(), "Untitled - Varnello");
}

// A recent file that is gone: the framework's message with its path; the
// open list stays and the entry leaves the recent files.
TEST_F(ListDocument, VanishedRecentFileLeavesTheListAsItWas) {
    ASSERT_TRUE(WriteBytes(m_temp.File("gone.vld"), V3File({})));
    StartWithList();
    OpenThroughTheDialog(m_temp.File("gone.vld"));
    OpenThroughTheDialog(m_temp.File("LIST.vld"));
    ChangeFirstRow();
    const std::string rows = AllRows();
    ASSERT_EQ(m_app->RecentFiles()->Entry(1), m_temp.File("gone.vld"));
    ASSERT_TRUE(DeleteFileA(m_temp.File("gone.vld").c_str()));

    m_prompter.Answer(7);
    Command(ID_FILE_MRU_FIRST + 1);
    ASSERT_EQ(m_prompter.Boxes().size(), 2u);
    ExpectBox(1, Frame(), "Varnello",
              m_temp.File("gone.vld") +
                  "\nCannot find this file.\nPlease verify that the correct path and file name are "
                  "given.",
              kMbOkError);
    EXPECT_EQ(AllRows(), rows);
    EXPECT_EQ(FrameTitle(), "LIST.vld * - Varnello");
    EXPECT_EQ(m_app->RecentFiles()->Count(), 1);
}

TEST_F(ListDocument, FileInUseLeavesTheListAsItWas) {
    StartWithList();
    const std::string rows = AllRows();
    ASSERT_TRUE(WriteBytes(m_temp.File("busy.vld"), TwoItems()));
    HANDLE busy = CreateFileA(m_temp.File("busy.vld").c_str(), GENERIC_READ | GENERIC_WRITE, 0,
                              nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(busy, INVALID_HANDLE_VALUE);
    OpenThroughTheDialog(m_temp.File("busy.vld"));
    CloseHandle(busy);
    ASSERT_EQ(m_prompter.Boxes().size(), 1u);
    const CRecordingPrompter::Box& box = m_prompter.Boxes()[0];
    EXPECT_EQ(box.owner, Frame());
    EXPECT_EQ(box.style, kMbOkError);
    EXPECT_EQ(
        box.text.compare(0, m_temp.File("busy.vld").size() + 1, m_temp.File("busy.vld") + "\n"), 0)
        << box.text;
    EXPECT_EQ(AllRows(), rows);
    EXPECT_EQ(FrameTitle(), "LIST.vld - Varnello");
}

// A list named on the command line that cannot be opened ends the start
// after the framework's message.
TEST_F(ListDocument, CommandLineListThatIsMissingEndsTheStart) {
    EXPECT_FALSE(StartApp({m_temp.File("missing.vld")}));
    ASSERT_EQ(m_prompter.Boxes().size(), 1u);
    EXPECT_EQ(m_prompter.Boxes()[0].text, m_temp.File("missing.vld") +
                                              "\nCannot find this file.\nPlease verify that the "
                                              "correct path and file name are given.");
    EXPECT_EQ(m_prompter.Boxes()[0].style, kMbOkError);
}

TEST_F(ListDocument, OpenDialogOffersListFiles) {
    ASSERT_TRUE(StartApp());
    Command(ID_FILE_OPEN);  // cancelled
    ASSERT_EQ(m_dialogs.size(), 1u);
    EXPECT_FALSE(m_dialogs[0].save);
    EXPECT_EQ(m_dialogs[0].options.owner, Frame());
    EXPECT_EQ(m_dialogs[0].options.filter.compare(0, 39, "Varnello Wallpaper Lists (*.vld)|*.vld|"),
              0)
        << m_dialogs[0].options.filter;
    EXPECT_EQ(FrameTitle(), "Untitled - Varnello");
}

// ---- Saving ----

// Save As through the dialog to a new file: the dialog suggests
// "Untitled.vld", and the list takes the new file's name.
TEST_F(ListDocument, SaveAsWritesANewFile) {
    ASSERT_TRUE(StartApp());
    View()->Rows().AppendNew("C:\\Pics\\a.jpg", "Stretch");
    Doc()->SetModifiedFlag(true);
    AnswerDialog(m_temp.File("new.vld"));
    Command(ID_FILE_SAVE);

    ASSERT_EQ(m_dialogs.size(), 1u);
    const FileDialogOptions& options = m_dialogs[0].options;
    EXPECT_TRUE(m_dialogs[0].save);
    EXPECT_EQ(options.owner, Frame());
    EXPECT_EQ(options.fileName, "Untitled.vld");
    EXPECT_EQ(options.defaultExtension, "vld");
    EXPECT_EQ(options.filter.compare(0, 39, "Varnello Wallpaper Lists (*.vld)|*.vld|"), 0);
    EXPECT_TRUE(options.flags & OFN_OVERWRITEPROMPT);

    EXPECT_EQ(ReadBytes(m_temp.File("new.vld")), V3File({{"C:\\Pics\\a.jpg", "Stretch", 0, 1}}));
    EXPECT_EQ(m_temp.FileNames(), (std::vector<std::string>{"new.vld"}));
    EXPECT_EQ(FrameTitle(), "new.vld - Varnello");
    EXPECT_EQ(Doc()->GetPathName(), m_temp.File("new.vld"));
    EXPECT_EQ(m_app->RecentFiles()->Entry(0), m_temp.File("new.vld"));
    EXPECT_TRUE(m_prompter.Boxes().empty());

    // Save As on a named list suggests its name and leaves the old file.
    Doc()->SetModifiedFlag(true);
    AnswerDialog(m_temp.File("copy.vld"));
    Command(ID_FILE_SAVE_AS);
    ASSERT_EQ(m_dialogs.size(), 2u);
    EXPECT_EQ(m_dialogs[1].options.fileName, "new.vld");
    EXPECT_EQ(ReadBytes(m_temp.File("copy.vld")), ReadBytes(m_temp.File("new.vld")));
    EXPECT_EQ(FrameTitle(), "copy.vld - Varnello");
}

TEST_F(ListDocument, SaveReplacesTheFileWhole) {
    StartWithList();
    ChangeFirstRow();
    Command(ID_FILE_SAVE);
    EXPECT_TRUE(m_prompter.Boxes().empty());
    EXPECT_TRUE(m_dialogs.empty());
    EXPECT_EQ(ReadBytes(m_temp.File("LIST.vld")),
              V3File({{"C:\\Pics\\a.jpg", "Center", 4, 0}, {"D:\\b.png", "Tile", 0, 1}}));
    EXPECT_EQ(m_temp.FileNames(), (std::vector<std::string>{"LIST.vld"}));
    EXPECT_EQ(FrameTitle(), "LIST.vld - Varnello");
}

// The old file cannot be replaced (another program holds it): the old bytes
// stay intact, the complete new file stays beside it and the message names
// it, the list is still modified.
TEST_F(ListDocument, FailedReplaceKeepsTheNewFileAndNamesIt) {
    StartWithList();
    ChangeFirstRow();
    HANDLE busy = CreateFileA(m_temp.File("LIST.vld").c_str(), GENERIC_READ, 0, nullptr,
                              OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(busy, INVALID_HANDLE_VALUE);
    Command(ID_FILE_SAVE);
    CloseHandle(busy);

    std::vector<std::string> files = FilesBesideTheList();
    ASSERT_EQ(files.size(), 2u);
    EXPECT_EQ(files[0], "LIST.vld");
    std::string kept = m_temp.File(files[1]);
    ASSERT_EQ(m_prompter.Boxes().size(), 1u);
    ExpectBox(0, Frame(), "Varnello",
              "Failed to save document.\nThe new contents were kept in " + kept + ".", kMbOkError);
    EXPECT_EQ(ReadBytes(kept),
              V3File({{"C:\\Pics\\a.jpg", "Center", 4, 0}, {"D:\\b.png", "Tile", 0, 1}}));
    EXPECT_EQ(ReadBytes(m_temp.File("LIST.vld")), TwoItems());
    EXPECT_TRUE(Doc()->IsModified());
    EXPECT_EQ(FrameTitle(), "LIST.vld * - Varnello");

    // Once the file is free, Save works.
    m_prompter.Clear();
    Command(ID_FILE_SAVE);
    EXPECT_TRUE(m_prompter.Boxes().empty());
    EXPECT_EQ(ReadBytes(m_temp.File("LIST.vld")),
              V3File({{"C:\\Pics\\a.jpg", "Center", 4, 0}, {"D:\\b.png", "Tile", 0, 1}}));
}

TEST_F(ListDocument, SaveAsIntoAMissingFolderFails) {
    StartWithList();
    ChangeFirstRow();
    AnswerDialog(m_temp.File("no such folder\\x.vld"));
    Command(ID_FILE_SAVE_AS);
    ASSERT_EQ(m_prompter.Boxes().size(), 1u);
    ExpectBox(0, Frame(), "Varnello", "Failed to save document.", kMbOkError);
    EXPECT_EQ(Doc()->GetPathName(), m_temp.File("LIST.vld"));
    EXPECT_EQ(FrameTitle(), "LIST.vld * - Varnello");
    EXPECT_EQ(ReadBytes(m_temp.File("LIST.vld")), TwoItems());
}

TEST_F(ListDocument, SaveOfAReadOnlyFileAsksForAName) {
    StartWithList();
    ChangeFirstRow();
    ASSERT_TRUE(SetFileAttributesA(m_temp.File("LIST.vld").c_str(), FILE_ATTRIBUTE_READONLY));
    Command(ID_FILE_SAVE);  // the dialog is cancelled
    ASSERT_EQ(m_dialogs.size(), 1u);
    EXPECT_TRUE(m_dialogs[0].save);
    EXPECT_EQ(m_dialogs[0].options.fileName, "LIST.vld");
    EXPECT_EQ(ReadBytes(m_temp.File("LIST.vld")), TwoItems());
    EXPECT_TRUE(Doc()->IsModified());
    EXPECT_TRUE(m_prompter.Boxes().empty());
}

// ---- Closing ----

TEST_F(ListDocument, CancelAtCloseKeepsTheProgramRunning) {
    StartWithList();
    ChangeFirstRow();
    m_prompter.Answer(2);  // Cancel
    SendMessageA(Frame(), WM_CLOSE, 0, 0);
    Idle();
    ASSERT_TRUE(IsWindow(Frame()));
    ASSERT_EQ(m_prompter.Boxes().size(), 1u);
    ExpectBox(0, Frame(), "Varnello", "Save changes to LIST.vld?", kMbYesNoCancelQuestion);
    EXPECT_EQ(ReadBytes(m_temp.File("LIST.vld")), TwoItems());
    EXPECT_EQ(FrameTitle(), "LIST.vld * - Varnello");
}

// "Auto Save" on: closing saves the list without a question and remembers it.
TEST_F(ListDocument, AutoSaveAtCloseSavesWithoutAsking) {
    HKEY key;
    ASSERT_EQ(RegCreateKeyExA(HKEY_CURRENT_USER, "Software\\Quillfen\\Varnello", 0, nullptr, 0,
                              KEY_WRITE, nullptr, &key, nullptr),
              ERROR_SUCCESS);
    DWORD on = 1;
    RegSetValueExA(key, "Auto Save", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&on), sizeof on);
    RegCloseKey(key);

    StartWithList();
    ChangeFirstRow();
    HWND frame = Frame();
    SendMessageA(frame, WM_CLOSE, 0, 0);
    EXPECT_FALSE(IsWindow(frame));
    EXPECT_TRUE(m_prompter.Boxes().empty());
    EXPECT_EQ(ReadBytes(m_temp.File("LIST.vld")),
              V3File({{"C:\\Pics\\a.jpg", "Center", 4, 0}, {"D:\\b.png", "Tile", 0, 1}}));
    EXPECT_EQ(test_registry::StringValue("Software\\Quillfen\\Varnello", "Last Document"),
              m_temp.File("LIST.vld"));
}

// ---- Recent files ----

TEST_F(ListDocument, RecentFilesInTheMenuAndTheRegistry) {
    ASSERT_TRUE(WriteBytes(m_temp.File("first.vld"), V3File({})));
    ASSERT_TRUE(WriteBytes(m_temp.File("second & more.vld"), TwoItems()));
    ASSERT_TRUE(StartApp());
    OpenThroughTheDialog(m_temp.File("first.vld"));
    OpenThroughTheDialog(m_temp.File("second & more.vld"));

    // The File menu, as it opens, lists them newest first.
    HMENU file = GetSubMenu(GetMenu(Frame()), 0);
    SendMessageA(Frame(), WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(file), MAKELPARAM(0, FALSE));
    char text[256] = {};
    ASSERT_GT(GetMenuStringA(file, ID_FILE_MRU_FIRST, text, sizeof text, MF_BYCOMMAND), 0);
    std::string first = text;
    ASSERT_GT(GetMenuStringA(file, ID_FILE_MRU_FIRST + 1, text, sizeof text, MF_BYCOMMAND), 0);
    std::string second = text;
    EXPECT_EQ(first.compare(0, 3, "&1 "), 0);
    EXPECT_LE(first.size(), 34u);  // "&1 ", 30 characters, one "&" doubled
    EXPECT_EQ(first.substr(first.size() - 19), "\\second && more.vld");
    EXPECT_EQ(second.substr(second.size() - 10), "\\first.vld");
    EXPECT_EQ(second.compare(0, 3, "&2 "), 0);
    EXPECT_LE(second.size(), 33u);
    EXPECT_EQ(GetMenuState(file, ID_FILE_MRU_FIRST + 2, MF_BYCOMMAND), static_cast<UINT>(-1));

    // Choosing the second entry opens it.
    Command(ID_FILE_MRU_FIRST + 1);
    EXPECT_EQ(FrameTitle(), "first.vld - Varnello");

    // The exit step writes them.
    m_app->ExitInstance();
    const std::string section = "Software\\Quillfen\\Varnello\\Recent File List";
    EXPECT_EQ(test_registry::StringValue(section.c_str(), "File1"), m_temp.File("first.vld"));
    EXPECT_EQ(test_registry::StringValue(section.c_str(), "File2"),
              m_temp.File("second & more.vld"));
    // No third entry: the value is gone or empty.
    const std::string third = test_registry::StringValue(section.c_str(), "File3");
    EXPECT_TRUE(third == "<none>" || third.empty()) << third;
}

// ---- The shell ----

// Every start registers ".vld" for the current user: the file type, its
// icon and commands, and the extension with its ShellNew entry.
TEST_F(ListDocument, StartRegistersTheListFileType) {
    RegDeleteTreeA(HKEY_CURRENT_USER, "Software\\Classes\\VarnelloList");
    RegDeleteTreeA(HKEY_CURRENT_USER, "Software\\Classes\\.vld");
    ASSERT_TRUE(StartApp());
    char module[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, module, sizeof module);
    const std::string program = module;
    const std::string classes = "Software\\Classes\\";
    EXPECT_EQ(test_registry::StringValue((classes + "VarnelloList").c_str(), nullptr),
              "Varnello Wallpaper List");
    EXPECT_EQ(test_registry::StringValue((classes + "VarnelloList\\DefaultIcon").c_str(), nullptr),
              program + ",1");
    EXPECT_EQ(test_registry::StringValue((classes + "VarnelloList\\shell\\open\\command").c_str(),
                                         nullptr),
              "\"" + program + "\" \"%1\"");
    EXPECT_EQ(test_registry::StringValue((classes + "VarnelloList\\shell\\print\\command").c_str(),
                                         nullptr),
              "\"" + program + "\" /p \"%1\"");
    EXPECT_EQ(test_registry::StringValue(
                  (classes + "VarnelloList\\shell\\printto\\command").c_str(), nullptr),
              "\"" + program + "\" /pt \"%1\" \"%2\" \"%3\" \"%4\"");
    EXPECT_EQ(test_registry::StringValue((classes + ".vld").c_str(), nullptr), "VarnelloList");
    EXPECT_EQ(test_registry::StringValue((classes + ".vld\\ShellNew").c_str(), "NullFile"), "");
    // (Windows shows these under HKEY_CLASSES_ROOT too; Wine 8 does not merge
    // the user's classes into it, so that is not checked here.)
}
