#include <gtest/gtest.h>

#include <functional>

#include "FakeListEdit.h"
#include "framework/Prompter.h"
#include "view/EditTexts.h"
#include "view/RemoveCommands.h"

using namespace edittest;

namespace {

// Records each box with whether the wait cursor was up while it showed,
// and checks that the list was redrawing then.
class WaitPrompter : public CRecordingPrompter {
public:
    WaitPrompter(FakeServices& services, FakeHost& host) : m_services(services), m_host(host) {}
    int Show(WindowHandle owner, const std::string& text, const std::string& caption,
             unsigned style) override {
        waiting.push_back(m_services.waitDepth > 0);
        EXPECT_EQ(m_host.bulkDepth, 0) << "a box while the list does not redraw: " << text;
        return CRecordingPrompter::Show(owner, text, caption, style);
    }
    std::vector<bool> waiting;

private:
    FakeServices& m_services;
    FakeHost& m_host;
};

class RemoveCommandsTest : public ::testing::Test {
protected:
    RemoveCommandsTest() : prompter(services, host), scoped(prompter), commands(host, services) {}
    void TearDown() override { EXPECT_EQ(host.bulkDepth, 0); }

    void AddSix() {
        host.Add({"C:\\p\\0.jpg", "C:\\p\\1.jpg", "C:\\p\\2.jpg", "C:\\p\\3.jpg", "C:\\p\\4.jpg",
                  "C:\\p\\5.jpg"});
    }

    FakeHost host;
    FakeServices services;
    WaitPrompter prompter;
    CScopedPrompter scoped;
    CRemoveCommands commands;
};

const char kRecycleTail[] =
    " encountered while attempting to\n"
    "recycle the selected files. Either the files were already\n"
    "removed, or they were locked by another process.\n"
    "\n"
    "The items have been removed from the list, but the files\n"
    "may still be present on disk.";

TEST_F(RemoveCommandsTest, RemovingTwoRowsSelectsTheRowAfterTheLastRemoved) {
    AddSix();
    host.Select({1, 3});
    EXPECT_EQ(commands.RemoveSelected(), 2);
    EXPECT_EQ(host.Names(), "0.jpg,2.jpg,4.jpg,5.jpg");
    EXPECT_EQ(host.Selected(), std::vector<int>({2}));  // the former row 4
    EXPECT_EQ(host.store.GetRowState(2) & kRowFocused, 0u);
    EXPECT_EQ(host.marks, 1);
    EXPECT_FALSE(host.rows.IsInList("C:\\p\\1.jpg"));
    EXPECT_TRUE(prompter.Boxes().empty());
}

TEST_F(RemoveCommandsTest, RemovingTheFinalRowSelectsTheNewFinalRow) {
    AddSix();
    host.Select({2, 5});
    commands.RemoveSelected();
    EXPECT_EQ(host.Names(), "0.jpg,1.jpg,3.jpg,4.jpg");
    EXPECT_EQ(host.Selected(), std::vector<int>({3}));
}

TEST_F(RemoveCommandsTest, RemovingEveryRowOrNoneLeavesNoSelection) {
    AddSix();
    host.Select({});
    EXPECT_EQ(commands.RemoveSelected(), 0);
    EXPECT_EQ(host.marks, 0);
    EXPECT_EQ(host.rows.Count(), 6);

    host.Select({0, 1, 2, 3, 4, 5});
    EXPECT_EQ(commands.RemoveSelected(), 6);
    EXPECT_EQ(host.rows.Count(), 0);
    EXPECT_EQ(host.marks, 1);
    EXPECT_TRUE(prompter.Boxes().empty());
}

TEST_F(RemoveCommandsTest, RemoveAllAsksWithNoAsDefault) {
    AddSix();
    prompter.Answer(mb::kIdNo);
    EXPECT_EQ(commands.RemoveAll(), 0);
    EXPECT_EQ(host.rows.Count(), 6);
    EXPECT_EQ(host.marks, 0);
    ASSERT_EQ(prompter.Boxes().size(), 1u);
    EXPECT_EQ(prompter.Boxes()[0].text,
              "Are you sure you want to remove all items from this list?");
    EXPECT_EQ(prompter.Boxes()[0].caption, "Remove All Items");
    EXPECT_EQ(prompter.Boxes()[0].style, 0x124u);
    EXPECT_EQ(prompter.Boxes()[0].owner, host.Owner());

    prompter.Answer(mb::kIdYes);
    EXPECT_EQ(commands.RemoveAll(), 6);
    EXPECT_EQ(host.rows.Count(), 0);
    EXPECT_EQ(host.marks, 1);
    EXPECT_EQ(services.waitShown, 1);
    EXPECT_FALSE(host.rows.IsInList("C:\\p\\0.jpg"));
}

TEST_F(RemoveCommandsTest, RecycleAsksOnlyWhenWarningIsOn) {
    AddSix();
    host.Select({0});
    prompter.Answer(mb::kIdNo);
    EXPECT_EQ(commands.RemoveAndRecycle(), 0);
    ASSERT_EQ(prompter.Boxes().size(), 1u);
    EXPECT_EQ(prompter.Boxes()[0].text, "Are you sure you want to recycle the selected files?");
    EXPECT_EQ(prompter.Boxes()[0].caption, "Recycle Selected Files");
    EXPECT_EQ(prompter.Boxes()[0].style, 0x24u);
    EXPECT_TRUE(services.recycled.empty());
    EXPECT_EQ(host.rows.Count(), 6);

    host.warnOnRecycle = false;
    host.Select({1, 4});
    EXPECT_EQ(commands.RemoveAndRecycle(), 2);
    EXPECT_EQ(prompter.Boxes().size(), 1u);  // no second question, no error box
    EXPECT_EQ(services.recycled, std::vector<std::string>({"C:\\p\\1.jpg", "C:\\p\\4.jpg"}));
    EXPECT_EQ(host.Names(), "0.jpg,2.jpg,3.jpg,5.jpg");
    EXPECT_EQ(host.Selected(), std::vector<int>({3}));
    EXPECT_EQ(host.marks, 1);
}

// While the question is open a timer tick applies another row and selects
// only that one, and a chosen row goes or gets another path: Yes recycles
// exactly the files that were selected when it asked and are still listed.
TEST_F(RemoveCommandsTest, RecycleActsOnTheItemsSelectedWhenItAsked) {
    AddSix();
    host.Select({1, 3, 4, 5});
    struct TickPrompter : CRecordingPrompter {
        std::function<void()> tick;
        int Show(WindowHandle o, const std::string& t, const std::string& c, unsigned s) override {
            tick();
            return CRecordingPrompter::Show(o, t, c, s);
        }
    } ticking;
    ticking.tick = [&] {
        host.rows.MarkApplied(0);
        host.Select({0});
        host.rows.RemoveRow(3);                        // 3.jpg goes
        host.rows.Item(4)->SetPath("C:\\p\\new.jpg");  // 5.jpg is another file now
    };
    ticking.Answer(mb::kIdYes);
    CScopedPrompter scope(ticking);
    EXPECT_EQ(commands.RemoveAndRecycle(), 2);
    EXPECT_EQ(services.recycled, std::vector<std::string>({"C:\\p\\1.jpg", "C:\\p\\4.jpg"}));
    EXPECT_EQ(host.Names(), "0.jpg,2.jpg,5.jpg");
    EXPECT_EQ(host.marks, 1);
}

TEST_F(RemoveCommandsTest, RecycleFailuresAreCountedInOneBox) {
    AddSix();
    host.warnOnRecycle = false;
    services.failRecycle = {"C:\\p\\2.jpg"};
    host.Select({2});
    commands.RemoveAndRecycle();
    EXPECT_EQ(host.rows.Count(), 5);  // removed anyway
    ASSERT_EQ(prompter.Boxes().size(), 1u);
    EXPECT_EQ(prompter.Boxes()[0].text, std::string("A total of 1 error was") + kRecycleTail);
    EXPECT_EQ(prompter.Boxes()[0].caption, "Recycle Files Error");
    EXPECT_EQ(prompter.Boxes()[0].style, 0x10u);

    services.failRecycle = {"C:\\p\\0.jpg", "C:\\p\\1.jpg", "C:\\p\\3.jpg"};
    host.Select({0, 1, 2});
    commands.RemoveAndRecycle();
    ASSERT_EQ(prompter.Boxes().size(), 2u);
    EXPECT_EQ(prompter.Boxes()[1].text, std::string("A total of 3 errors were") + kRecycleTail);
    EXPECT_EQ(host.Names(), "4.jpg,5.jpg");
}

TEST_F(RemoveCommandsTest, RecycleErrorTextForZeroAndLargeCounts) {
    EXPECT_EQ(RecycleErrorText(0), std::string("A total of 0 errors were") + kRecycleTail);
    EXPECT_EQ(RecycleErrorText(1000), std::string("A total of 1000 errors were") + kRecycleTail);
}

TEST_F(RemoveCommandsTest, DeadItemsOnAnEmptyList) {
    commands.RemoveDeadItems();
    ASSERT_EQ(prompter.Boxes().size(), 1u);
    EXPECT_EQ(prompter.Boxes()[0].text, "No dead files were found in the active list.");
    EXPECT_EQ(prompter.Boxes()[0].caption, "No Dead Files Found");
    EXPECT_EQ(prompter.Boxes()[0].style, 0u);
    EXPECT_EQ(prompter.waiting, std::vector<bool>({true}));
    EXPECT_EQ(host.marks, 0);
    EXPECT_EQ(services.waitDepth, 0);
}

TEST_F(RemoveCommandsTest, DeadItemsAreFoundFromTheLastRowUp) {
    AddSix();
    host.Select({3, 4});
    services.missing = {"C:\\p\\4.jpg"};
    EXPECT_EQ(commands.RemoveDeadItems(), 1);
    EXPECT_EQ(services.existenceTests.front(), "C:\\p\\5.jpg");
    EXPECT_EQ(services.existenceTests.back(), "C:\\p\\0.jpg");
    EXPECT_EQ(host.Names(), "0.jpg,1.jpg,2.jpg,3.jpg,5.jpg");
    EXPECT_EQ(host.Selected(), std::vector<int>({3}));  // left as it was
    ASSERT_EQ(prompter.Boxes().size(), 1u);
    EXPECT_EQ(prompter.Boxes()[0].text, "1 dead file removed from the active list.");
    EXPECT_EQ(prompter.Boxes()[0].caption, "Dead Files Removed");
    EXPECT_EQ(prompter.Boxes()[0].style, 0u);
    EXPECT_EQ(prompter.waiting, std::vector<bool>({true}));
    EXPECT_GE(host.marks, 1);

    services.missing = {"C:\\p\\0.jpg", "C:\\p\\1.jpg", "C:\\p\\2.jpg", "C:\\p\\3.jpg",
                        "C:\\p\\5.jpg"};
    EXPECT_EQ(commands.RemoveDeadItems(), 5);
    EXPECT_EQ(prompter.Boxes()[1].text, "5 dead files removed from the active list.");
    EXPECT_EQ(DeadFilesRemovedText(12), "12 dead files removed from the active list.");
}

TEST_F(RemoveCommandsTest, NothingDeadLeavesTheListUnmarked) {
    AddSix();
    EXPECT_EQ(commands.RemoveDeadItems(), 0);
    EXPECT_EQ(prompter.Boxes()[0].text, "No dead files were found in the active list.");
    EXPECT_EQ(host.marks, 0);
    EXPECT_EQ(host.rows.Count(), 6);
}

}  // namespace
