// The rectangle the caption animation runs to or from: the taskbar's
// notification window without its clock, else the shell's report of the
// taskbar, else the corner of the work area.

#include <gtest/gtest.h>

#include <utility>
#include <vector>

#include "app/NotifyAreaRect.h"

namespace {

struct FakeSource : INotifyAreaSource {
    bool hasTaskbar = false, shellAnswers = false;
    AreaRect taskbar, reported, workArea{0, 0, 1024, 738};
    std::vector<std::pair<std::string, AreaRect>> children;
    unsigned edge = 0;
    int visited = 0;

    bool TaskbarWindow(AreaRect& rect) override { return rect = taskbar, hasTaskbar; }
    void ForEachTaskbarChild(
        const std::function<bool(const std::string&, const AreaRect&)>& visit) override {
        for (const auto& child : children)
            if (++visited, !visit(child.first, child.second))
                return;
    }
    bool TaskbarPosition(unsigned& e, AreaRect& rect) override {
        e = edge;
        rect = reported;
        return shellAnswers;
    }
    AreaRect WorkArea() override { return workArea; }
};

std::string Area(INotifyAreaSource& source) {
    AreaRect r = NotifyAreaRect(source);
    return std::to_string(r.left) + "," + std::to_string(r.top) + "," + std::to_string(r.right) +
           "," + std::to_string(r.bottom);
}

TEST(NotifyAreaRect, TaskbarWindowWithItsNotificationAreaAndClock) {
    FakeSource source;
    source.hasTaskbar = source.shellAnswers = true;  // the shell is not asked
    source.taskbar = {0, 770, 1280, 800};
    EXPECT_EQ(Area(source), "0,770,1280,800");
    // Horizontal: without the clock at the right; the search stops there.
    source.children = {{"Button", {0, 770, 50, 800}},
                       {"TrayNotifyWnd", {1100, 772, 1278, 798}},
                       {"TrayClockWClass", {1220, 772, 1278, 798}},
                       {"TrayNotifyWnd", {0, 0, 1, 1}}};
    EXPECT_EQ(Area(source), "1100,772,1220,798");
    EXPECT_EQ(source.visited, 3);
    // Vertical: the clock's bottom more than 5 pixels above the area's.
    source.children = {{"TrayNotifyWnd", {1200, 600, 1280, 800}},
                       {"TrayClockWClass", {1200, 600, 1280, 640}}};
    EXPECT_EQ(Area(source), "1200,640,1280,800");
    source.children[1].second.bottom = 795;  // exactly 5: beside it
    EXPECT_EQ(Area(source), "1200,600,1200,800");
}

TEST(NotifyAreaRect, ShellReportElseTheWorkArea) {
    FakeSource source;
    EXPECT_EQ(Area(source), "874,708,1024,738");
    source.shellAnswers = true;
    source.reported = {1200, 0, 1280, 800};
    for (unsigned edge : {0u, 2u}) {  // left, right
        source.edge = edge;
        EXPECT_EQ(Area(source), "1200,700,1280,784") << edge;
    }
    source.reported = {0, 770, 1280, 800};
    for (unsigned edge : {1u, 3u}) {  // top, bottom
        source.edge = edge;
        EXPECT_EQ(Area(source), "1180,770,1264,800") << edge;
    }
    source.edge = 7;
    EXPECT_EQ(Area(source), "0,0,0,0");
}

}  // namespace
