#include "AppFixture.h"

#include <algorithm>

#include "app/win/InstanceSystemWin.h"
#include "view/SortOrder.h"

namespace apptest {

namespace {
const char kProgramKey[] = "Software\\Quillfen\\Varnello";
}

std::string I32(std::int32_t value) {
    const std::uint32_t v = static_cast<std::uint32_t>(value);
    std::string out;
    for (int i = 0; i < 4; ++i)
        out.push_back(static_cast<char>((v >> (8 * i)) & 0xFF));
    return out;
}

std::string S8(const std::string& text) {
    return std::string(1, static_cast<char>(text.size())) + text;
}

std::string V3File(const std::vector<FileItem>& items) {
    return ListWithInterval(0, 0, 0, items);
}

std::string ListWithInterval(std::int32_t flag, std::int32_t hours, std::int32_t minutes,
                             const std::vector<FileItem>& items) {
    std::string out = S8("VLD Version 3") + I32(flag) + I32(hours) + I32(minutes) + S8("Stretch") +
                      S8("") + I32(0) + I32(static_cast<std::int32_t>(items.size()));
    for (const FileItem& item : items)
        out += S8(item.path) + S8(item.position) + I32(item.count) + I32(item.pending);
    return out;
}

bool WriteBytes(const std::string& path, const std::string& bytes) {
    HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return false;
    DWORD written = 0;
    BOOL ok = bytes.empty() ||
              WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
    CloseHandle(file);
    return ok && written == bytes.size();
}

std::string ReadBytes(const std::string& path) {
    HANDLE file = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                              nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return "<missing>";
    std::string bytes;
    char buffer[4096];
    DWORD read = 0;
    while (ReadFile(file, buffer, sizeof buffer, &read, nullptr) && read > 0)
        bytes.append(buffer, read);
    CloseHandle(file);
    return bytes;
}

void AppFixture::SetUp() {
    m_savedSortAscending = g_bSortAscending;
    g_bClosing = 0;
    // A first start: no settings, no recent files, no window placement.
    RegDeleteTreeA(HKEY_CURRENT_USER, kProgramKey);
    SetPrompter(&m_prompter);
    SetFileDialogOverride(
        [this](const FileDialogOptions& options, bool save, std::vector<std::string>& paths) {
            m_dialogs.push_back({options, save});
            if (m_dialogAnswers.empty())
                return FileDialogResult::Cancelled;
            std::string answer = m_dialogAnswers.front();
            m_dialogAnswers.erase(m_dialogAnswers.begin());
            if (answer.empty())
                return FileDialogResult::Cancelled;
            paths = {answer};
            return FileDialogResult::Ok;
        });
}

void AppFixture::TearDown() {
    if (m_app) {
        CFrameWindow* frame = m_app->MainFrame();
        if (frame && frame->IsWindow()) {
            // Close as the user would, with nothing left to save.
            if (Doc() && Doc()->IsModified())
                Doc()->SetModifiedFlag(false);
            std::size_t boxes = m_prompter.Boxes().size();
            HWND hwnd = frame->GetHwnd();
            SendMessageA(hwnd, WM_CLOSE, 0, 0);
            EXPECT_FALSE(IsWindow(hwnd)) << "the frame did not close";
            EXPECT_EQ(m_prompter.Boxes().size(), boxes) << "closing showed a box";
        }
        // Drop what is left in the queue, the quit request included.
        MSG msg;
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE))
            if (msg.message != WM_QUIT)
                DispatchMessageA(&msg);
        m_app.reset();
    }
    CloseInstanceMapping(InstanceSystem());
    SetFileDialogOverride(nullptr);
    SetPrompter(nullptr);
    SetPlatformPrompter(nullptr);
    g_bClosing = 0;
    g_bSortAscending = m_savedSortAscending;
    RegDeleteTreeA(HKEY_CURRENT_USER, kProgramKey);
}

bool AppFixture::StartApp(const std::vector<std::string>& arguments) {
    // Each start is a first instance, as a new process would be.
    CloseInstanceMapping(InstanceSystem());
    m_app = std::make_unique<CVarnelloApp>();
    m_app->SetArguments(arguments);
    bool started = m_app->InitInstance();
    if (started)
        Idle();
    return started;
}

void AppFixture::Command(UINT id) {
    SendMessageA(Frame(), WM_COMMAND, MAKEWPARAM(id, 0), 0);
    Idle();
}

void AppFixture::Idle() {
    m_app->PumpMessages();
}

void AppFixture::AnswerDialog(const std::string& path) {
    m_dialogAnswers.push_back(path);
}

HWND AppFixture::Frame() const {
    CFrameWindow* frame = m_app ? m_app->MainFrame() : nullptr;
    return frame ? frame->GetHwnd() : nullptr;
}

HWND AppFixture::List() const {
    return GetDlgItem(Frame(), kViewWindowId);
}

HWND AppFixture::Header() const {
    return reinterpret_cast<HWND>(SendMessageA(List(), LVM_GETHEADER, 0, 0));
}

HWND AppFixture::ToolBar() const {
    return GetDlgItem(Frame(), 0xE800);
}

HWND AppFixture::StatusBar() const {
    return GetDlgItem(Frame(), 0xE801);
}

CVarnelloDoc* AppFixture::Doc() const {
    CFrameWindow* frame = m_app ? m_app->MainFrame() : nullptr;
    return frame ? static_cast<CVarnelloDoc*>(frame->GetActiveDocument()) : nullptr;
}

CVarnelloView* AppFixture::View() const {
    CFrameWindow* frame = m_app ? m_app->MainFrame() : nullptr;
    return frame ? static_cast<CVarnelloView*>(frame->GetActiveView()) : nullptr;
}

std::string AppFixture::FrameTitle() const {
    char text[512] = {};
    GetWindowTextA(Frame(), text, sizeof text);
    return text;
}

int AppFixture::RowCount() const {
    return static_cast<int>(SendMessageA(List(), LVM_GETITEMCOUNT, 0, 0));
}

std::string AppFixture::RowText(int row, int column) const {
    char text[1024] = {};
    LVITEMA item = {};
    item.iSubItem = column;
    item.pszText = text;
    item.cchTextMax = sizeof text;
    SendMessageA(List(), LVM_GETITEMTEXTA, static_cast<WPARAM>(row),
                 reinterpret_cast<LPARAM>(&item));
    return text;
}

std::string AppFixture::FileNameColumn() const {
    std::string out;
    for (int row = 0; row < RowCount(); ++row)
        out += (row ? "," : "") + RowText(row, 0);
    return out;
}

std::string AppFixture::AllRows() const {
    std::string out;
    for (int row = 0; row < RowCount(); ++row) {
        out += row ? "," : "";
        for (int column = 0; column < 4; ++column)
            out += (column ? "|" : "") + RowText(row, column);
    }
    return out;
}

void AppFixture::Select(const std::vector<int>& rows) {
    LVITEMA item = {};
    item.stateMask = LVIS_SELECTED;
    item.state = 0;
    SendMessageA(List(), LVM_SETITEMSTATE, static_cast<WPARAM>(-1),
                 reinterpret_cast<LPARAM>(&item));
    for (int row : rows) {
        item.state = LVIS_SELECTED;
        SendMessageA(List(), LVM_SETITEMSTATE, static_cast<WPARAM>(row),
                     reinterpret_cast<LPARAM>(&item));
    }
}

int AppFixture::SelectedCount() const {
    return static_cast<int>(SendMessageA(List(), LVM_GETSELECTEDCOUNT, 0, 0));
}

std::string AppFixture::StatusCountText() const {
    char text[256] = {};
    SendMessageA(StatusBar(), SB_GETTEXTA, 1, reinterpret_cast<LPARAM>(text));
    return text;
}

namespace {
// The popup of the menu (or of one of its submenus) that holds the command,
// and the popup's position in its parent.
HMENU FindPopup(HMENU menu, UINT id, UINT& index) {
    int count = GetMenuItemCount(menu);
    for (int i = 0; i < count; ++i) {
        HMENU sub = GetSubMenu(menu, i);
        if (!sub)
            continue;
        int subCount = GetMenuItemCount(sub);
        for (int j = 0; j < subCount; ++j) {
            if (!GetSubMenu(sub, j) && GetMenuItemID(sub, j) == id) {
                index = static_cast<UINT>(i);
                return sub;
            }
        }
        if (HMENU deeper = FindPopup(sub, id, index))
            return deeper;
    }
    return nullptr;
}
}  // namespace

bool AppFixture::MenuItemEnabled(UINT id) {
    UINT index = 0;
    HMENU popup = FindPopup(GetMenu(Frame()), id, index);
    EXPECT_NE(popup, nullptr) << "no menu item " << id;
    if (!popup)
        return false;
    SendMessageA(Frame(), WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(popup),
                 MAKELPARAM(index, FALSE));
    UINT state = GetMenuState(popup, id, MF_BYCOMMAND);
    return (state & (MF_GRAYED | MF_DISABLED)) == 0;
}

bool AppFixture::MenuItemChecked(UINT id) {
    MenuItemEnabled(id);
    UINT index = 0;
    HMENU popup = FindPopup(GetMenu(Frame()), id, index);
    return popup && (GetMenuState(popup, id, MF_BYCOMMAND) & MF_CHECKED) != 0;
}

bool AppFixture::ToolButtonEnabled(UINT id) const {
    return SendMessageA(ToolBar(), TB_ISBUTTONENABLED, id, 0) != 0;
}

int AppFixture::HeaderArrow(int column) const {
    HDITEMA item = {};
    item.mask = HDI_FORMAT | HDI_IMAGE;
    SendMessageA(Header(), HDM_GETITEMA, static_cast<WPARAM>(column),
                 reinterpret_cast<LPARAM>(&item));
    bool image = (item.fmt & HDF_IMAGE) != 0;
    bool right = (item.fmt & HDF_BITMAP_ON_RIGHT) != 0;
    if (!image && !right)
        return -1;
    return image && right ? item.iImage : -2;
}

}  // namespace apptest
