// The rectangle the caption animation runs to or from: the taskbar's
// notification window without its clock, else the shell's report of the
// taskbar, else the corner of the work area.

#include <gtest/gtest.h>

#include <utility>
#include <vector>

#include "app/NotifyAreaRect.h"

namespace {

class FakeSource : public INotifyAreaSource {
public:
    bool hasTaskbar = false;
    AreaRect taskbar;
    std::vector<std::pair<std::string, AreaRect>> children;
    bool shellAnswers = false;
    unsigned edge = 0;
    AreaRect reported;
    AreaRect workArea{0, 0, 1280, 770};
    int childrenVisited = 0;
    int shellAsked = 0;

    bool TaskbarWindow(AreaRect& rect) override {
        rect = taskbar;
        return hasTaskbar;
    }
    void ForEachTaskbarChild(
        const std::function<bool(const std::string&, const AreaRect&)>& visit) override {
        for (const auto& child : children) {
            ++childrenVisited;
            if (!visit(child.first, child.second))
                return;
        }
    }
    bool TaskbarPosition(unsigned& e, AreaRect& rect) override {
        ++shellAsked;
        e = edge;
        rect = reported;
        return shellAnswers;
    }
    AreaRect WorkArea() override { return workArea; }
};

std::string Text(const AreaRect& r) {
    return std::to_string(r.left) + "," + std::to_string(r.top) + "," + std::to_string(r.right) +
           "," + std::to_string(r.bottom);
}

TEST(NotifyAreaRect, TaskbarWindowWithItsNotificationAreaAndClock) {
    FakeSource source;
    source.hasTaskbar = true;
    source.taskbar = {0, 770, 1280, 800};
    // No children: the whole taskbar; the shell is not asked.
    EXPECT_EQ(Text(NotifyAreaRect(source)), "0,770,1280,800");
    EXPECT_EQ(source.shellAsked, 0);

    // A horizontal taskbar: the notification window without the clock at
    // its right; the enumeration stops at the clock.
    source.children = {{"Button", {0, 770, 50, 800}},
                       {"TrayNotifyWnd", {1100, 772, 1278, 798}},
                       {"TrayClockWClass", {1220, 772, 1278, 798}},
                       {"TrayNotifyWnd", {0, 0, 1, 1}}};
    EXPECT_EQ(Text(NotifyAreaRect(source)), "1100,772,1220,798");
    EXPECT_EQ(source.childrenVisited, 3);

    // A vertical taskbar: the clock sits above free space (its bottom more
    // than 5 pixels above the area's), so the area starts below it.
    source.taskbar = {1200, 0, 1280, 800};
    source.children = {{"TrayNotifyWnd", {1200, 600, 1280, 800}},
                       {"TrayClockWClass", {1200, 600, 1280, 640}}};
    EXPECT_EQ(Text(NotifyAreaRect(source)), "1200,640,1280,800");
    // Exactly 5 pixels above counts as beside it.
    source.children[1].second.bottom = 795;
    EXPECT_EQ(Text(NotifyAreaRect(source)), "1200,600,1200,800");
}

TEST(NotifyAreaRect, ShellReportOfTheTaskbar) {
    FakeSource source;
    source.shellAnswers = true;
    source.reported = {1200, 0, 1280, 800};
    for (unsigned edge : {0u, 2u}) {  // left, right: the width, 100 to 16 above the bottom
        source.edge = edge;
        EXPECT_EQ(Text(NotifyAreaRect(source)), "1200,700,1280,784") << edge;
    }
    source.reported = {0, 770, 1280, 800};
    for (unsigned edge : {1u, 3u}) {  // top, bottom: the height, 100 to 16 from the right
        source.edge = edge;
        EXPECT_EQ(Text(NotifyAreaRect(source)), "1180,770,1264,800") << edge;
    }
    source.edge = 7;  // no known edge: nothing
    EXPECT_EQ(Text(NotifyAreaRect(source)), "0,0,0,0");
}

TEST(NotifyAreaRect, WorkAreaCornerWhenNothingElseAnswers) {
    FakeSource source;
    source.workArea = {0, 0, 1024, 738};
    EXPECT_EQ(Text(NotifyAreaRect(source)), "874,708,1024,738");
    EXPECT_EQ(source.shellAsked, 1);
}

}  // namespace
