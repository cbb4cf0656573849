#include "app/InstanceChecker.h"

#include <cstring>

#include "base/CodePage.h"

KernelHandle g_hInstanceMapping = nullptr;

namespace {
constexpr char kMappingSuffix[] = "_CInstanceChecker_MMF";
constexpr std::uint32_t kMappingSize = 4;  // the window handle, 32 bits

InstanceWindow ReadWindow(const void* view) {
    const auto* bytes = static_cast<const unsigned char*>(view);
    return static_cast<InstanceWindow>(bytes[0]) | static_cast<InstanceWindow>(bytes[1]) << 8 |
           static_cast<InstanceWindow>(bytes[2]) << 16 |
           static_cast<InstanceWindow>(bytes[3]) << 24;
}

void WriteWindow(void* view, InstanceWindow window) {
    auto* bytes = static_cast<unsigned char*>(view);
    for (int i = 0; i < 4; ++i)
        bytes[i] = static_cast<unsigned char>(window >> (8 * i));
}
}  // namespace

void CloseInstanceMapping(IInstanceSystem& system) {
    if (g_hInstanceMapping) {
        system.CloseHandle(g_hInstanceMapping);
        g_hInstanceMapping = nullptr;
    }
}

CStartupLock::CStartupLock(IInstanceSystem& system, KernelHandle mutex)
    : m_system(system), m_mutex(mutex) {}

CStartupLock::~CStartupLock() {
    Unlock();
}

bool CStartupLock::Lock(std::uint32_t timeoutMs) {
    if (!m_bLocked)
        m_bLocked = m_system.WaitForMutex(m_mutex, timeoutMs);
    return m_bLocked;
}

void CStartupLock::Unlock() {
    if (m_bLocked) {
        m_system.ReleaseMutex(m_mutex);
        m_bLocked = false;
    }
}

CInstanceChecker::CInstanceChecker(IInstanceSystem& system, const std::string& name)
    : m_system(system), m_mutexStartup(system.CreateNamedMutex(name)), m_strName(name) {}

CInstanceChecker::~CInstanceChecker() {
    ReleaseStartupLock();
    if (m_mutexStartup)
        m_system.CloseHandle(m_mutexStartup);
}

std::string CInstanceChecker::MappingName() const {
    return m_strName + kMappingSuffix;
}

InstanceWindow CInstanceChecker::WindowToActivate() {
    return m_system.MainWindow();
}

bool CInstanceChecker::TakeStartupLock(std::uint32_t timeoutMs) {
    if (!m_mutexStartup)
        return false;
    m_pStartupLock = std::make_unique<CStartupLock>(m_system, m_mutexStartup);
    if (m_pStartupLock->Lock(timeoutMs))
        return true;
    m_pStartupLock.reset();
    return false;
}

void CInstanceChecker::ReleaseStartupLock() {
    if (m_pStartupLock) {
        m_pStartupLock->Unlock();
        m_pStartupLock.reset();
    }
}

bool CInstanceChecker::IsAnotherInstanceRunning() {
    KernelHandle mapping = m_system.OpenMapping(MappingName());
    if (!mapping)
        return false;
    m_system.CloseHandle(mapping);
    return true;
}

InstanceWindow CInstanceChecker::ActivateRunningInstance(const std::optional<std::string>& text,
                                                         std::uintptr_t dataValue,
                                                         std::uint32_t timeoutMs) {
    return ReachRunningInstance(text, dataValue, timeoutMs, true);
}

InstanceWindow CInstanceChecker::SendRequestToRunningInstance(std::uintptr_t dataValue,
                                                              std::uint32_t timeoutMs) {
    return ReachRunningInstance(std::string(), dataValue, timeoutMs, false);
}

InstanceWindow CInstanceChecker::ReachRunningInstance(const std::optional<std::string>& text,
                                                      std::uintptr_t dataValue,
                                                      std::uint32_t timeoutMs, bool bringForward) {
    KernelHandle mapping = m_system.OpenMapping(MappingName());
    if (!mapping)
        return 0;
    InstanceWindow result = 0;
    if (void* view = m_system.MapView(mapping, kMappingSize)) {
        InstanceWindow window = ReadWindow(view);
        result = window;
        if (window != 0 && bringForward) {
            InstanceWindow popup = m_system.LastActivePopup(window);
            // Parked in the notification area: ask it to come back first.
            if (!m_system.HasVisibleStyle(window))
                m_system.SendRestoreRequest(window, timeoutMs);
            if (m_system.IsMinimized(window))
                m_system.Restore(window);
            if (popup != 0)
                m_system.SetForeground(popup);
        }
        std::uintptr_t value = dataValue;
        if (window != 0 && text) {
            const std::vector<char> bytes = CopyDataBytes(*text, value);
            if (!m_system.SendCopyData(window, m_system.MainWindow(), value, bytes, timeoutMs))
                result = 0;
        }
        m_system.UnmapView(view);
    }
    m_system.CloseHandle(mapping);
    ReleaseStartupLock();
    return result;
}

bool CInstanceChecker::PublishThisInstance() {
    if (IsAnotherInstanceRunning())
        return false;
    KernelHandle mapping = m_system.CreateMapping(MappingName(), kMappingSize);
    if (!mapping)
        return false;
    g_hInstanceMapping = mapping;
    void* view = m_system.MapView(mapping, kMappingSize);
    if (!view)
        return false;
    WriteWindow(view, WindowToActivate());
    m_system.UnmapView(view);
    ReleaseStartupLock();
    return true;
}

std::vector<char> CopyDataBytes(const std::string& text, std::uintptr_t& dataValue) {
    std::string converted = text;
    if (dataValue == 0 && !ToSystemText(text, converted)) {
        converted = ToUtf8(text);
        dataValue = kCopyDataUtf8;
    }
    std::vector<char> bytes(converted.begin(), converted.end());
    bytes.push_back('\0');
    return bytes;
}

std::optional<std::string> FileNameFromCopyData(std::uintptr_t dataValue, const void* data,
                                                std::size_t size) {
    if ((dataValue != 0 && dataValue != kCopyDataUtf8) || !data || size == 0)
        return std::nullopt;
    const char* text = static_cast<const char*>(data);
    const void* end = std::memchr(text, '\0', size);
    if (!end)
        return std::nullopt;
    const std::string bytes(text, static_cast<const char*>(end));
    return dataValue == 0 ? FromSystemText(bytes) : FromUtf8(bytes);
}
