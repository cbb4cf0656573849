#pragma once
#include <windows.h>

#include <string>

// The shell's folder browser (SHBrowseForFolder), limited to folders of the
// file system. Set the fields, call Browse, read the chosen path.
//
// Use: CFolderPicker picker;
//      picker.SetInitialFolder(folder);
//      picker.SetPrompt("Select the folder that you would like to parse:");
//      picker.SetCaption("Select Folder");
//      if (picker.Browse(nullptr) == 1) folder = picker.GetPath();
class CFolderPicker {
public:
    CFolderPicker();
    virtual ~CFolderPicker();

    void SetCaption(const std::string& caption) { m_strCaption = caption; }
    void SetRootFolder(const std::string& folder) { m_strRootFolder = folder; }
    void SetInitialFolder(const std::string& folder) { m_strInitialFolder = folder; }
    void SetPrompt(const std::string& prompt) { m_strPrompt = prompt; }
    void SetStatusText(bool on) { m_bStatusText = on ? 1 : 0; }

    // The chosen folder's path, after Browse returned 1.
    std::string GetPath() const { return m_strPath; }
    // The system image index of the chosen folder.
    int GetImageIndex() const { return m_nImageIndex; }
    // The initial folder as Browse used it.
    const std::string& GetInitialFolder() const { return m_strInitialFolder; }

    // Runs the browser. Returns 1 when a folder was chosen and its path
    // stored, 0 when the user cancelled or a shell step failed.
    int Browse(HWND owner);

protected:
    // A new folder was selected in the browser (path empty when it is not
    // a file-system folder). Returns whether OK may be pressed; may fill
    // the status text, which shows when the status line is on.
    virtual bool OnSelectionChanged(const std::string& path, std::string& statusText);

private:
    static int CALLBACK BrowseCallback(HWND hwnd, UINT message, LPARAM lParam, LPARAM data);

    std::string m_strCaption;
    char m_szPath[MAX_PATH];  // the chosen folder's display name
    std::string m_strPath;
    std::string m_strRootFolder;
    std::string m_strInitialFolder;
    std::string m_strPrompt;
    int m_nImageIndex = 0;
    int m_bStatusText = 0;
};
