// Helpers of the list-editing tests under Wine: a tree of real folders and
// files, a script of steps that drives modal windows from a thread timer
// while their loops run, and a data object that carries a shell file list.
#pragma once
#include <windows.h>
#include <ole2.h>

#include <functional>
#include <string>
#include <vector>

#include "TempFolder.h"

namespace edittest {

// A fresh folder under the temporary folder, removed with everything in
// it (read-only and hidden files included) by the destructor.
class CTempTree {
public:
    CTempTree() : m_folder("edit") {}
    const std::string& Path() const { return m_folder.Path(); }
    // The full path of a relative path in the tree.
    std::string At(const std::string& relative) const { return m_folder.File(relative); }
    // Makes a folder (and its parents) in the tree.
    void Folder(const std::string& relative) const;
    // Makes an empty file with the attributes, and its folders.
    void File(const std::string& relative, DWORD attributes = FILE_ATTRIBUTE_NORMAL) const;

private:
    CTempFolder m_folder;
};

using ::RemoveTree;

// Steps run one per tick of a thread timer (every 30 ms) while a modal loop
// of the thread runs. A step returns true when done (the next one runs at
// the next tick) or false to be tried again. If a step is not done after
// about ten seconds, the script gives up, records the failure and presses
// Cancel on the dialogs it can find, so that no test hangs.
class CUiScript {
public:
    using Step = std::function<bool()>;
    explicit CUiScript(std::vector<Step> steps);
    ~CUiScript();
    bool Finished() const { return m_next >= m_steps.size(); }
    const std::string& Failure() const { return m_failure; }

private:
    static void CALLBACK OnTick(HWND, UINT, UINT_PTR id, DWORD);
    void Tick();

    std::vector<Step> m_steps;
    std::size_t m_next = 0;
    int m_tries = 0;
    bool m_busy = false;
    UINT_PTR m_timer = 0;
    std::string m_failure;
};

// A visible top-level window of this thread with the caption, or null.
HWND FindThreadWindow(const std::string& caption);
// The text of a control of a dialog.
std::string ItemText(HWND dialog, int id);

// A data object offering a shell file list (CF_HDROP in global memory) of
// the paths, and, when asked, the program's own list format as well.
class CFileDropData : public IDataObject {
public:
    CFileDropData(const std::vector<std::string>& paths, UINT privateFormat, bool withFiles = true);
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** object) override;
    ULONG STDMETHODCALLTYPE AddRef() override;
    ULONG STDMETHODCALLTYPE Release() override;
    HRESULT STDMETHODCALLTYPE GetData(FORMATETC* format, STGMEDIUM* medium) override;
    HRESULT STDMETHODCALLTYPE GetDataHere(FORMATETC*, STGMEDIUM*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE QueryGetData(FORMATETC* format) override;
    HRESULT STDMETHODCALLTYPE GetCanonicalFormatEtc(FORMATETC*, FORMATETC* out) override {
        if (out)
            out->ptd = nullptr;
        return E_NOTIMPL;
    }
    HRESULT STDMETHODCALLTYPE SetData(FORMATETC*, STGMEDIUM*, BOOL) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE EnumFormatEtc(DWORD, IEnumFORMATETC**) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE DAdvise(FORMATETC*, DWORD, IAdviseSink*, DWORD*) override {
        return OLE_E_ADVISENOTSUPPORTED;
    }
    HRESULT STDMETHODCALLTYPE DUnadvise(DWORD) override { return OLE_E_ADVISENOTSUPPORTED; }
    HRESULT STDMETHODCALLTYPE EnumDAdvise(IEnumSTATDATA**) override {
        return OLE_E_ADVISENOTSUPPORTED;
    }

private:
    virtual ~CFileDropData() = default;
    LONG m_nRefs = 1;
    std::string m_fileList;  // the DROPFILES block
    UINT m_cfPrivate;
    bool m_bWithFiles;
};

}  // namespace edittest
