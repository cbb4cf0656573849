// The single-instance guard over fake kernel objects that fake processes
// share: publishing, activating a running instance, the failure paths, two
// starts at the same moment, and the file name a second start hands over.

#include <gtest/gtest.h>

#include <array>
#include <chrono>
#include <condition_variable>
#include <map>
#include <mutex>
#include <thread>

#include "TestCodePages.h"
#include "app/InstanceChecker.h"

namespace {

const std::string kName = "Varnello-619438ce-c736-4ac7-a835-59b2591670ba";
const std::string kMapping = kName + "_CInstanceChecker_MMF";

// The named objects of one log-on, the windows and what happened, in order.
struct World {
    std::mutex lock;
    std::condition_variable changed;
    std::map<std::string, int> mutexOwner;                                         // 0: free
    std::map<std::string, std::pair<int, std::array<unsigned char, 4>>> mappings;  // handles, bytes
    struct Window {
        bool visibleStyle, minimized;
        InstanceWindow popup;
    };
    std::map<InstanceWindow, Window> windows;
    std::vector<std::string> log;
};

// One process's view of the system; it logs "<id> <what>". Handles are
// names: "m" plus the mutex's name, or the mapping's name.
class FakeProcess : public IInstanceSystem {
public:
    FakeProcess(World& world, int id) : w(world), m_id(id) {}
    World& w;
    InstanceWindow mainWindow = 0;
    bool failMutex = false, failCreateMapping = false, failMapView = false, failCopyData = false;

    KernelHandle CreateNamedMutex(const std::string& name) override {
        return failMutex ? nullptr : new std::string("m" + name);
    }
    bool WaitForMutex(KernelHandle mutex, std::uint32_t timeoutMs) override {
        std::unique_lock<std::mutex> guard(w.lock);
        int& owner = w.mutexOwner[Name(mutex).substr(1)];
        if (!w.changed.wait_for(guard, std::chrono::milliseconds(timeoutMs),
                                [&] { return owner == 0; }))
            return false;
        owner = m_id;
        Log("lock");
        return true;
    }
    void ReleaseMutex(KernelHandle mutex) override {
        std::lock_guard<std::mutex> guard(w.lock);
        w.mutexOwner[Name(mutex).substr(1)] = 0;
        Log("unlock");
        w.changed.notify_all();
    }
    void CloseHandle(KernelHandle handle) override {
        std::lock_guard<std::mutex> guard(w.lock);
        if (Name(handle)[0] != 'm' && --w.mappings[Name(handle)].first == 0)
            w.mappings.erase(Name(handle));
        delete static_cast<std::string*>(handle);
    }
    KernelHandle OpenMapping(const std::string& name) override {
        std::lock_guard<std::mutex> guard(w.lock);
        auto it = w.mappings.find(name);
        return it == w.mappings.end() ? nullptr : (++it->second.first, new std::string(name));
    }
    KernelHandle CreateMapping(const std::string& name, std::uint32_t size) override {
        if (failCreateMapping || size != 4)
            return nullptr;
        std::lock_guard<std::mutex> guard(w.lock);
        ++w.mappings[name].first;
        Log("create " + name.substr(kName.size()));
        return new std::string(name);
    }
    void* MapView(KernelHandle mapping, std::uint32_t size) override {
        std::lock_guard<std::mutex> guard(w.lock);
        return failMapView || size != 4 ? nullptr : w.mappings[Name(mapping)].second.data();
    }
    void UnmapView(void* view) override {
        const auto* b = static_cast<unsigned char*>(view);
        std::lock_guard<std::mutex> guard(w.lock);
        Log("unmap " + std::to_string(b[0] | b[1] << 8 | b[2] << 16 | b[3] << 24));
    }
    InstanceWindow MainWindow() override { return mainWindow; }
    InstanceWindow LastActivePopup(InstanceWindow h) override { return w.windows[h].popup; }
    bool HasVisibleStyle(InstanceWindow h) override { return w.windows[h].visibleStyle; }
    bool IsMinimized(InstanceWindow h) override { return w.windows[h].minimized; }
    void Restore(InstanceWindow h) override { Log("restore " + std::to_string(h)); }
    void SetForeground(InstanceWindow h) override { Log("foreground " + std::to_string(h)); }
    void SendRestoreRequest(InstanceWindow h, std::uint32_t timeout) override {
        Log("restore request " + std::to_string(h) + " " + std::to_string(timeout));
    }
    bool SendCopyData(InstanceWindow h, InstanceWindow sender, std::uintptr_t dataValue,
                      const std::vector<char>& bytes, std::uint32_t timeout) override {
        Log("copy data " + std::to_string(h) + " " + std::to_string(sender) + " " +
            std::to_string(dataValue) + " " + std::string(bytes.begin(), bytes.end()) + " " +
            std::to_string(timeout));
        return !failCopyData;
    }

private:
    static const std::string& Name(KernelHandle h) { return *static_cast<std::string*>(h); }
    void Log(const std::string& what) { w.log.push_back(std::to_string(m_id) + " " + what); }
    int m_id;
};

// Runs a start-up as the program does: the lock, then either activating the
// running instance or (after its window was shown) publishing this one.
bool StartUp(FakeProcess& process, InstanceWindow window, InstanceWindow* activated = nullptr,
             const std::optional<std::string>& text = std::string()) {
    CInstanceChecker guard(process, kName);
    guard.TakeStartupLock(30000);
    if (guard.IsAnotherInstanceRunning()) {
        InstanceWindow found = guard.ActivateRunningInstance(text, 0, 30000);
        if (activated)
            *activated = found;
        return false;
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(2));  // the window is made
    process.mainWindow = window;
    return guard.PublishThisInstance();
}

class InstanceGuard : public ::testing::Test {
protected:
    void TearDown() override { CloseInstanceMapping(first); }
    World world;
    FakeProcess first{world, 1};
    FakeProcess second{world, 2};
};

// The first start writes its window (32 bits, little-endian) into the
// mapping before it lets the lock go; the mapping lives until the process's
// clean-up closes it.
TEST_F(InstanceGuard, FirstStartPublishesItsWindowBeforeLettingTheLockGo) {
    ASSERT_TRUE(StartUp(first, 0x00012345));
    EXPECT_EQ(world.log, (std::vector<std::string>{"1 lock", "1 create _CInstanceChecker_MMF",
                                                   "1 unmap 74565", "1 unlock"}));
    const unsigned char* bytes = world.mappings[kMapping].second.data();
    EXPECT_EQ(std::vector<int>(bytes, bytes + 4), (std::vector<int>{0x45, 0x23, 0x01, 0x00}));
    CloseInstanceMapping(first);
    EXPECT_EQ(world.mappings.count(kMapping), 0u);
    EXPECT_TRUE(StartUp(second, 7));
}

// A later start brings a parked, minimised window back (the restore
// request, then SW_RESTORE), raises its last active pop-up and hands over
// the file name with its zero byte; a shown window is only raised.
TEST_F(InstanceGuard, LaterStartActivatesTheRunningWindowAndHandsOverTheText) {
    ASSERT_TRUE(StartUp(first, 100));
    world.windows[100] = {false, true, 200};
    world.log.clear();
    InstanceWindow activated = 0;
    EXPECT_FALSE(StartUp(second, 0, &activated, std::string("C:\\a b.vld")));
    EXPECT_EQ(activated, 100u);
    EXPECT_EQ(world.log,
              (std::vector<std::string>{
                  "2 lock", "2 restore request 100 30000", "2 restore 100", "2 foreground 200",
                  std::string("2 copy data 100 0 0 C:\\a b.vld") + '\0' + " 30000", "2 unmap 100",
                  "2 unlock"}));

    world.windows[100] = {true, false, 100};
    world.log.clear();
    EXPECT_FALSE(StartUp(second, 0, &activated, std::nullopt));
    EXPECT_EQ(world.log,
              (std::vector<std::string>{"2 lock", "2 foreground 100", "2 unmap 100", "2 unlock"}));
}

TEST_F(InstanceGuard, FailuresAreReportedAndTheLockIsNeverKept) {
    // The running window does not take the text: no window is reported.
    ASSERT_TRUE(StartUp(first, 100));
    second.failCopyData = true;
    InstanceWindow activated = 1;
    StartUp(second, 0, &activated);
    EXPECT_EQ(activated, 0u);

    // The first instance ended between the test and the activation: nothing
    // happens, and the lock is held until the guard goes.
    {
        CInstanceChecker guard(second, kName);
        guard.TakeStartupLock(30000);
        CloseInstanceMapping(first);
        EXPECT_EQ(guard.ActivateRunningInstance(std::string("x.vld"), 0, 30000), 0u);
        EXPECT_EQ(world.mutexOwner[kName], 2);
    }
    EXPECT_EQ(world.mutexOwner[kName], 0);

    // No mapping, or no view of it: publishing fails and writes nothing.
    first.failCreateMapping = true;
    EXPECT_FALSE(StartUp(first, 100));
    EXPECT_EQ(g_hInstanceMapping, nullptr);
    first.failCreateMapping = false;
    first.failMapView = true;
    EXPECT_FALSE(StartUp(first, 100));
    EXPECT_EQ(world.mappings[kMapping].second[0], 0);
    EXPECT_EQ(world.mutexOwner[kName], 0);
}

// Two starts at the same moment: one publishes, the other activates it.
// And a first start that fails before publishing lets the waiting one
// become the first.
TEST_F(InstanceGuard, StartsAtTheSameMomentGiveOneInstance) {
    for (int round = 0; round < 20; ++round) {
        World w;
        FakeProcess a(w, 1), b(w, 2);
        InstanceWindow activated[2] = {};
        bool published[2] = {};
        std::thread ta([&] { published[0] = StartUp(a, 10, &activated[0]); });
        std::thread tb([&] { published[1] = StartUp(b, 20, &activated[1]); });
        ta.join();
        tb.join();
        ASSERT_NE(published[0], published[1]) << "round " << round;
        EXPECT_EQ(activated[published[0] ? 1 : 0], published[0] ? 10u : 20u);
        CloseInstanceMapping(a);
    }

    bool laterIsFirst = false;
    std::thread waiting;
    {
        CInstanceChecker guard(first, kName);
        guard.TakeStartupLock(30000);
        waiting = std::thread([&] { laterIsFirst = StartUp(second, 20); });
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
        EXPECT_EQ(world.mutexOwner[kName], 1);
    }
    waiting.join();
    EXPECT_TRUE(laterIsFirst);
}

// WM_COPYDATA of a later start: data value 0 and a text whose zero byte
// lies inside the data; the text up to it is the file name.
TEST(InstanceCopyData, OnlyAZeroTerminatedTextWithDataValue0IsAFileName) {
    std::uintptr_t value = 0;
    const std::vector<char> bytes = CopyDataBytes("C:\\Lists\\a.vld", value);
    EXPECT_EQ(value, 0u);
    EXPECT_EQ(std::string(bytes.begin(), bytes.end()), std::string("C:\\Lists\\a.vld") + '\0');
    EXPECT_EQ(FileNameFromCopyData(0, bytes.data(), bytes.size()), "C:\\Lists\\a.vld");
    EXPECT_EQ(FileNameFromCopyData(0, "\0", 1), "");
    EXPECT_EQ(FileNameFromCopyData(0, "a.vld\0junk", 10), "a.vld");
    EXPECT_FALSE(FileNameFromCopyData(1, bytes.data(), bytes.size()));
    EXPECT_FALSE(FileNameFromCopyData(0, bytes.data(), bytes.size() - 1));
    EXPECT_FALSE(FileNameFromCopyData(0, "abc", 0));
    EXPECT_FALSE(FileNameFromCopyData(0, nullptr, 4));
}

// A process in UTF-8 on a Windows-1252 system hands a name over in 1252
// when that holds it (every version of the program reads it), else in
// UTF-8 with data value 65001; it reads both.
TEST(InstanceCopyData, NamesOutsideTheSystemCodePageGoInUtf8) {
    const CUtf8CodePage utf8;
    const CWindows1252CodePage cp1252;
    ScopedCodePage scope(utf8, &cp1252);
    std::uintptr_t value = 0;
    std::vector<char> bytes = CopyDataBytes("C:\\caf\xC3\xA9.vld", value);
    EXPECT_EQ(value, 0u);
    EXPECT_EQ(std::string(bytes.begin(), bytes.end()), std::string("C:\\caf\xE9.vld\0", 12));
    EXPECT_EQ(FileNameFromCopyData(0, bytes.data(), bytes.size()), "C:\\caf\xC3\xA9.vld");
    bytes = CopyDataBytes("C:\\\xE5\xA3\x81.vld", value);  // 壁
    EXPECT_EQ(value, 65001u);
    EXPECT_EQ(std::string(bytes.begin(), bytes.end()), std::string("C:\\\xE5\xA3\x81.vld\0", 11));
    EXPECT_EQ(FileNameFromCopyData(65001, bytes.data(), bytes.size()), "C:\\\xE5\xA3\x81.vld");
}

}  // namespace
