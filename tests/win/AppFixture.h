// The real application in the test process: CVarnelloApp started as the
// program starts it, with its frame, list view and list control, Wine's
// registry of the test prefix, and a recording prompter in place of the
// message boxes. Each test starts its own application and closes it again.
#pragma once

#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <memory>
#include <string>
#include <vector>

#include "TempFolder.h"

#include "app/win/MainFrame.h"
#include "app/win/VarnelloApp.h"
#include "framework/Prompter.h"
#include "framework/win/FileDialog.h"
#include "list/VarnelloDoc.h"
#include "view/win/VarnelloView.h"

namespace apptest {

// ---- The list file's encodings ----
std::string I32(std::int32_t value);
std::string S8(const std::string& text);
struct FileItem {
    std::string path;
    std::string position;
    std::int32_t count;
    std::int32_t pending;
};
// A version 3 list file with fresh settings and these items.
std::string V3File(const std::vector<FileItem>& items);
// The same with the list's interval settings.
std::string ListWithInterval(std::int32_t flag, std::int32_t hours, std::int32_t minutes,
                             const std::vector<FileItem>& items);

// ---- Files ----
bool WriteBytes(const std::string& path, const std::string& bytes);
// The file's bytes; "<missing>" when it cannot be read.
std::string ReadBytes(const std::string& path);

using ::CTempFolder;

// A dialog answer for SetFileDialogOverride, with the options it was shown with.
struct DialogCall {
    FileDialogOptions options;
    bool save;
};

// ---- The fixture ----
class AppFixture : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // Starts the application with these command-line parameters; false when
    // its start-up routine failed.
    bool StartApp(const std::vector<std::string>& arguments = {});

    // Sends a command as a menu choice would, then lets idle time pass.
    void Command(UINT id);
    // Handles the waiting messages and runs the idle-time enabling.
    void Idle();

    // The next Open or Save As dialog answers with this path (empty: cancel).
    void AnswerDialog(const std::string& path);

    HWND Frame() const;
    HWND List() const;
    HWND Header() const;
    HWND ToolBar() const;
    HWND StatusBar() const;
    CVarnelloDoc* Doc() const;
    CVarnelloView* View() const;

    std::string FrameTitle() const;
    int RowCount() const;
    std::string RowText(int row, int column) const;
    // Column 0 texts of every row, joined by ",".
    std::string FileNameColumn() const;
    // The four texts of every row, "a|b|c|d" joined by ",".
    std::string AllRows() const;
    // Selects exactly these rows.
    void Select(const std::vector<int>& rows);
    int SelectedCount() const;
    std::string StatusCountText() const;

    // Enabled state of a menu item after its popup was opened.
    bool MenuItemEnabled(UINT id);
    // Whether the main menu's item has its check mark, once its menu opened.
    bool MenuItemChecked(UINT id);
    bool ToolButtonEnabled(UINT id) const;

    // Header item: has the arrow on the right, and its image (-1 without).
    int HeaderArrow(int column) const;

    std::unique_ptr<CVarnelloApp> m_app;
    CRecordingPrompter m_prompter;
    std::vector<DialogCall> m_dialogs;
    std::vector<std::string> m_dialogAnswers;
    CTempFolder m_temp;

private:
    int m_savedSortAscending = 1;
};

}  // namespace apptest
