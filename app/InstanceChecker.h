#pragma once
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

// A window handle as the instance mapping stores it: 32 bits (window
// handles fit, also in a 64-bit process).
using InstanceWindow = std::uint32_t;
// A kernel object's handle or a view's address; null when there is none.
using KernelHandle = void*;

// The system services the single-instance guard works with: a named mutex,
// a named shared-memory mapping and the windows of the running instance.
class IInstanceSystem {
public:
    virtual ~IInstanceSystem() = default;

    // A named mutex, not owned (an existing one is opened); null on failure.
    virtual KernelHandle CreateNamedMutex(const std::string& name) = 0;
    // Takes the mutex, waiting at most timeoutMs; false when the time ran
    // out (or the mutex cannot be waited for).
    virtual bool WaitForMutex(KernelHandle mutex, std::uint32_t timeoutMs) = 0;
    virtual void ReleaseMutex(KernelHandle mutex) = 0;
    virtual void CloseHandle(KernelHandle handle) = 0;

    // Opens an existing mapping with full access; null when there is none.
    virtual KernelHandle OpenMapping(const std::string& name) = 0;
    // Creates a page-file-backed mapping of the size, readable and writable.
    virtual KernelHandle CreateMapping(const std::string& name, std::uint32_t size) = 0;
    // Maps the first size bytes for reading and writing; null on failure.
    virtual void* MapView(KernelHandle mapping, std::uint32_t size) = 0;
    virtual void UnmapView(void* view) = 0;

    // The current thread's main window, 0 when there is none.
    virtual InstanceWindow MainWindow() = 0;
    virtual InstanceWindow LastActivePopup(InstanceWindow window) = 0;
    // Whether the window's style has WS_VISIBLE.
    virtual bool HasVisibleStyle(InstanceWindow window) = 0;
    virtual bool IsMinimized(InstanceWindow window) = 0;
    // ShowWindow with SW_RESTORE.
    virtual void Restore(InstanceWindow window) = 0;
    virtual void SetForeground(InstanceWindow window) = 0;
    // Sends the restore request (SendMessageTimeout, abort if hung); the
    // answer is not used.
    virtual void SendRestoreRequest(InstanceWindow window, std::uint32_t timeoutMs) = 0;
    // Sends WM_COPYDATA with the bytes (SendMessageTimeout, abort if hung);
    // false when the send failed or timed out.
    virtual bool SendCopyData(InstanceWindow window, InstanceWindow sender,
                              std::uintptr_t dataValue, const std::vector<char>& bytes,
                              std::uint32_t timeoutMs) = 0;
};

// The handle of the mapping this process published; it stays open until
// the process ends (CloseInstanceMapping at exit).
extern KernelHandle g_hInstanceMapping;
void CloseInstanceMapping(IInstanceSystem& system);

// Holds the start-up mutex while it is alive (or until Unlock).
class CStartupLock {
public:
    CStartupLock(IInstanceSystem& system, KernelHandle mutex);
    ~CStartupLock();
    CStartupLock(const CStartupLock&) = delete;
    CStartupLock& operator=(const CStartupLock&) = delete;
    // Takes the mutex, waiting at most timeoutMs; false when it is not held.
    bool Lock(std::uint32_t timeoutMs);
    void Unlock();

private:
    IInstanceSystem& m_system;
    KernelHandle m_mutex;
    bool m_bLocked = false;
};

// Keeps the program to one running instance per log-on. The first instance
// publishes its main window in a named mapping; a later start finds it,
// brings that window forward, hands it its file name and ends. A named
// mutex, held from the start of start-up until the window is published,
// orders two starts at the same moment; a start waits for it a bounded
// time, so that a first start held up (by a box before its window shows)
// does not keep later starts waiting for ever.
class CInstanceChecker {
public:
    // Creates (or opens) the start-up mutex named by the instance name.
    CInstanceChecker(IInstanceSystem& system, const std::string& name);
    virtual ~CInstanceChecker();
    CInstanceChecker(const CInstanceChecker&) = delete;
    CInstanceChecker& operator=(const CInstanceChecker&) = delete;

    // The instance name with "_CInstanceChecker_MMF" appended.
    virtual std::string MappingName() const;
    // The window a later start brings forward: this thread's main window.
    virtual InstanceWindow WindowToActivate();

    // False when the start-up mutex could not be created.
    bool IsValid() const { return m_mutexStartup != nullptr; }
    // Takes the start-up mutex, waiting at most timeoutMs; false when the
    // time ran out (the start should then end).
    bool TakeStartupLock(std::uint32_t timeoutMs);
    // Whether another instance has published its window.
    bool IsAnotherInstanceRunning();
    // Brings the published window forward (out of the notification area
    // when it is parked there), hands it the text (when there is one), and
    // lets the start-up mutex go; returns that window, or 0 when there is
    // none or the text could not be handed over.
    InstanceWindow ActivateRunningInstance(const std::optional<std::string>& text,
                                           std::uintptr_t dataValue, std::uint32_t timeoutMs);
    // Hands the running instance a request, WM_COPYDATA with the data value
    // and an empty text, without bringing its window forward (a scheduled
    // change must not pull the program out of the notification area), and
    // lets the start-up mutex go; returns that window, or 0 when there is
    // none or the request could not be handed over.
    InstanceWindow SendRequestToRunningInstance(std::uintptr_t dataValue, std::uint32_t timeoutMs);
    // Publishes this instance's main window and lets the start-up mutex go;
    // false when another instance runs or the mapping cannot be made.
    bool PublishThisInstance();

private:
    void ReleaseStartupLock();
    InstanceWindow ReachRunningInstance(const std::optional<std::string>& text,
                                        std::uintptr_t dataValue, std::uint32_t timeoutMs,
                                        bool bringForward);

    IInstanceSystem& m_system;
    KernelHandle m_mutexStartup = nullptr;
    std::unique_ptr<CStartupLock> m_pStartupLock;
    std::string m_strName;
};

// The data value of WM_COPYDATA for a file name in UTF-8 (the number of
// that code page). Data value 0 stands for a file name in the system's
// ANSI code page, which every version of the program takes.
constexpr std::uintptr_t kCopyDataUtf8 = 65001;
// The data value of WM_COPYDATA with which a start with "/random" asks the
// running instance to change the wallpaper at random ("RAND"; the text is
// empty).
constexpr std::uintptr_t kRandomChangeRequest = 0x52414E44;

// The bytes of WM_COPYDATA for a text: the text with its zero byte. A file
// name (data value 0) goes in the system's ANSI code page when that holds
// it; otherwise in UTF-8, and dataValue becomes kCopyDataUtf8 (an older
// program refuses it rather than open a wrong name). Other data values
// leave the text as it is.
std::vector<char> CopyDataBytes(const std::string& text, std::uintptr_t& dataValue);
// The file name a second start hands over in WM_COPYDATA: data value 0
// (the system's ANSI code page) or kCopyDataUtf8, and a text whose zero
// byte lies inside the data; none for anything else.
std::optional<std::string> FileNameFromCopyData(std::uintptr_t dataValue, const void* data,
                                                std::size_t size);
