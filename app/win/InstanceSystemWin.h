#pragma once
#include <windows.h>

#include "app/InstanceChecker.h"

// The single-instance guard's system services on Windows: a named mutex,
// a named mapping backed by the page file, and the windows of the running
// instance reached with SendMessageTimeout.
class CInstanceSystemWin : public IInstanceSystem {
public:
    KernelHandle CreateNamedMutex(const std::string& name) override;
    bool WaitForMutex(KernelHandle mutex, std::uint32_t timeoutMs) override;
    void ReleaseMutex(KernelHandle mutex) override;
    void CloseHandle(KernelHandle handle) override;
    KernelHandle OpenMapping(const std::string& name) override;
    KernelHandle CreateMapping(const std::string& name, std::uint32_t size) override;
    void* MapView(KernelHandle mapping, std::uint32_t size) override;
    void UnmapView(void* view) override;
    InstanceWindow MainWindow() override;
    InstanceWindow LastActivePopup(InstanceWindow window) override;
    bool HasVisibleStyle(InstanceWindow window) override;
    bool IsMinimized(InstanceWindow window) override;
    void Restore(InstanceWindow window) override;
    void SetForeground(InstanceWindow window) override;
    void SendRestoreRequest(InstanceWindow window, std::uint32_t timeoutMs) override;
    bool SendCopyData(InstanceWindow window, InstanceWindow sender, std::uintptr_t dataValue,
                      const std::vector<char>& bytes, std::uint32_t timeoutMs) override;
};

// The process's one instance of it; its mapping is closed when the process ends.
IInstanceSystem& InstanceSystem();
