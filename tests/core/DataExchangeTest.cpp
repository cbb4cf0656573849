#include <gtest/gtest.h>

#include <climits>
#include <map>

#include "framework/DataExchange.h"

namespace {

// Controls held in maps.
class FakeControls : public IDialogControls {
public:
    std::string GetControlText(int id) override { return text[id]; }
    void SetControlText(int id, const std::string& value) override { text[id] = value; }
    int GetCheck(int id) override { return check[id]; }
    void SetCheck(int id, int state) override { check[id] = state; }
    std::map<int, std::string> text;
    std::map<int, int> check;
};

class DataExchangeTest : public ::testing::Test {
protected:
    DataExchangeTest() : scoped(prompter) {}
    CRecordingPrompter prompter;
    CScopedPrompter scoped;
    FakeControls controls;
    WindowHandle owner = reinterpret_cast<WindowHandle>(0x77);
};

TEST_F(DataExchangeTest, LoadingWritesTextChecksAndNumbers) {
    std::string folder = "C:\\Pics";
    std::int32_t subfolders = 1, limit = -25;
    CDataExchange dx(controls, false, owner, "Varnello");
    dx.Text(1000, folder);
    dx.Check(1002, subfolders);
    dx.Integer(1008, limit, -100, 100);
    EXPECT_FALSE(dx.Failed());
    EXPECT_EQ(controls.text[1000], "C:\\Pics");
    EXPECT_EQ(controls.check[1002], 1);
    EXPECT_EQ(controls.text[1008], "-25");
}

TEST_F(DataExchangeTest, SavingReadsTheControlsBack) {
    controls.text[1000] = "  typed as is  ";
    controls.check[1002] = 0;
    controls.text[1008] = " 200 ";
    std::string folder;
    std::int32_t subfolders = 1, limit = 0;
    CDataExchange dx(controls, true, owner, "Varnello");
    dx.Text(1000, folder);
    dx.Check(1002, subfolders);
    dx.Integer(1008, limit, 5, 200);
    EXPECT_FALSE(dx.Failed());
    EXPECT_EQ(folder, "  typed as is  ");
    EXPECT_EQ(subfolders, 0);
    EXPECT_EQ(limit, 200);
    EXPECT_TRUE(prompter.Boxes().empty());
}

TEST_F(DataExchangeTest, TextThatIsNoNumberIsRefusedAndStopsTheTransfer) {
    for (const char* text : {"", "   ", "-", "+", "12a", "1 2", "0x10", "1.5"}) {
        prompter.Clear();
        controls.text[1012] = text;
        controls.check[1002] = 1;
        std::int32_t hours = 3, flag = 0;
        CDataExchange dx(controls, true, owner, "Varnello");
        dx.Integer(1012, hours, 0, 24);
        dx.Check(1002, flag);
        EXPECT_TRUE(dx.Failed()) << text;
        EXPECT_EQ(dx.FailedControl(), 1012);
        EXPECT_EQ(hours, 3);
        EXPECT_EQ(flag, 0) << "the transfer went on after the failure";
        ASSERT_EQ(prompter.Boxes().size(), 1u);
        EXPECT_EQ(prompter.Boxes()[0].text, "Please enter an integer.");
        EXPECT_EQ(prompter.Boxes()[0].caption, "Varnello");
        EXPECT_EQ(prompter.Boxes()[0].style, 0x30u);
        EXPECT_EQ(prompter.Boxes()[0].owner, owner);
    }
}

TEST_F(DataExchangeTest, NumbersOutsideTheRangeGetTheRangeMessage) {
    struct Case {
        const char* text;
        std::int32_t min, max;
        const char* message;
    };
    const Case cases[] = {
        {"4", 5, 200, "Please enter an integer between 5 and 200."},
        {"201", 5, 200, "Please enter an integer between 5 and 200."},
        {"25", 0, 24, "Please enter an integer between 0 and 24."},
        {"-1", 0, 59, "Please enter an integer between 0 and 59."},
        {"99999999999", 0, 59, "Please enter an integer between 0 and 59."},
    };
    for (const Case& c : cases) {
        prompter.Clear();
        controls.text[1] = c.text;
        std::int32_t value = 7;
        CDataExchange dx(controls, true, owner, "Varnello");
        dx.Integer(1, value, c.min, c.max);
        EXPECT_EQ(dx.FailedControl(), 1) << c.text;
        EXPECT_EQ(value, 7);
        ASSERT_EQ(prompter.Boxes().size(), 1u);
        EXPECT_EQ(prompter.Boxes()[0].text, c.message);
    }
    for (const char* text : {"5", "200", "+17", "\t42\t"}) {
        controls.text[1] = text;
        std::int32_t value = 0;
        CDataExchange dx(controls, true, owner, "Varnello");
        dx.Integer(1, value, 5, 200);
        EXPECT_FALSE(dx.Failed()) << text;
    }
}

TEST_F(DataExchangeTest, ParsingKeepsToThirtyTwoBits) {
    bool overflow = false;
    EXPECT_EQ(CDataExchange::ParseInteger("2147483647", &overflow), INT32_MAX);
    EXPECT_FALSE(overflow);
    EXPECT_EQ(CDataExchange::ParseInteger("-2147483648", &overflow), INT32_MIN);
    EXPECT_FALSE(overflow);
    EXPECT_EQ(CDataExchange::ParseInteger("2147483648", &overflow), INT32_MAX);
    EXPECT_TRUE(overflow);
    EXPECT_EQ(CDataExchange::ParseInteger("-99999999999999999999", &overflow), INT32_MIN);
    EXPECT_TRUE(overflow);
    EXPECT_EQ(CDataExchange::ParseInteger("007"), 7);

    controls.text[5] = "2147483648";
    std::int32_t value = 1;
    CDataExchange dx(controls, true, owner, "Varnello");
    dx.Integer(5, value);
    EXPECT_EQ(dx.FailedControl(), 5);
    EXPECT_EQ(prompter.Boxes().at(0).text, "Please enter an integer.");
}

}  // namespace
