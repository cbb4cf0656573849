// The fields of the Options and List Settings dialogs against their
// controls: validation edges, what a refused transfer leaves, and the
// enabling the fields decide.
#include <gtest/gtest.h>

#include <map>

#include "dialogs/ListSettingsFields.h"
#include "dialogs/OptionsFields.h"
#include "framework/DataExchange.h"

namespace {

class FakeControls : public IDialogControls {
public:
    std::string GetControlText(int id) override { return text[id]; }
    void SetControlText(int id, const std::string& value) override { text[id] = value; }
    int GetCheck(int id) override { return check[id]; }
    void SetCheck(int id, int state) override { check[id] = state; }
    std::map<int, std::string> text;
    std::map<int, int> check;
};

class DialogFieldsTest : public ::testing::Test {
protected:
    DialogFieldsTest() : scoped(prompter) {}

    // Takes the controls into the fields; the refusal's text, or "" when none.
    template <class Fields>
    std::string Take(Fields& fields) {
        std::size_t before = prompter.Boxes().size();
        CDataExchange dx(controls, true, nullptr, "Varnello");
        fields.Exchange(dx);
        if (prompter.Boxes().size() == before)
            return dx.Failed() ? "failed without a box" : "";
        return prompter.Boxes().back().text;
    }

    CRecordingPrompter prompter;
    CScopedPrompter scoped;
    FakeControls controls;
};

const std::string kEnterInteger = "Please enter an integer.";

}  // namespace

// Snap limits 5 and 200 pass; 4, 201 and an empty edit are refused, and a
// refused transfer leaves every field, the reload check included, as it was.
TEST_F(DialogFieldsTest, OptionsSnapLimitEdges) {
    COptionsFields fields;
    fields.m_nSnapLimit = 10;
    controls.check[1003] = 1;
    controls.check[1020] = 1;
    const std::string range = "Please enter an integer between 5 and 200.";
    for (auto [text, refusal] : std::map<std::string, std::string>{
             {"4", range}, {"201", range}, {"", kEnterInteger}, {"-7", range}}) {
        controls.text[1008] = text;
        EXPECT_EQ(Take(fields), refusal) << "'" << text << "'";
        EXPECT_EQ(fields.m_nSnapLimit, 10);
        EXPECT_EQ(fields.m_bReloadLastList, 0);
        EXPECT_FALSE(fields.StartupActionsEnabled());
    }
    for (auto [text, value] : std::map<std::string, int>{{"5", 5}, {"200", 200}}) {
        controls.text[1008] = text;
        EXPECT_EQ(Take(fields), "");
        EXPECT_EQ(fields.m_nSnapLimit, value);
    }
    EXPECT_EQ(prompter.Boxes().front().caption, "Varnello");
}

// The two indented boxes are enabled exactly while the reload field is on;
// their checks are kept and stored either way.
TEST_F(DialogFieldsTest, OptionsStartupActionsFollowTheReloadCheck) {
    COptionsFields fields;
    fields.m_bChangeOnStart = 1;
    fields.m_bScanDeadOnStart = 1;
    fields.m_nSnapLimit = 10;
    CDataExchange load(controls, false, nullptr, "Varnello");
    fields.Exchange(load);
    EXPECT_EQ(controls.check[1004], 1);
    EXPECT_EQ(controls.check[1020], 1);
    EXPECT_EQ(controls.text[1008], "10");
    EXPECT_FALSE(fields.StartupActionsEnabled());

    controls.check[1003] = 1;
    EXPECT_EQ(Take(fields), "");
    EXPECT_TRUE(fields.StartupActionsEnabled());
    controls.check[1003] = 0;
    EXPECT_EQ(Take(fields), "");
    EXPECT_FALSE(fields.StartupActionsEnabled());
    EXPECT_EQ(fields.m_bChangeOnStart, 1);
    EXPECT_EQ(fields.m_bScanDeadOnStart, 1);
}

// Hours 0 to 24 and minutes 0 to 59, checked also while disabled.
TEST_F(DialogFieldsTest, ListSettingsHoursAndMinutesEdges) {
    CListSettingsFields fields;
    controls.text[1012] = "24";
    controls.text[1014] = "59";
    EXPECT_EQ(Take(fields), "");
    EXPECT_EQ(fields.m_nHours, 24);
    EXPECT_EQ(fields.m_nMinutes, 59);
    EXPECT_FALSE(fields.IntervalEnabled());

    controls.text[1012] = "25";
    EXPECT_EQ(Take(fields), "Please enter an integer between 0 and 24.");
    controls.text[1012] = "0";
    controls.text[1014] = "60";
    EXPECT_EQ(Take(fields), "Please enter an integer between 0 and 59.");
    controls.text[1014] = "";
    EXPECT_EQ(Take(fields), kEnterInteger);
    controls.text[1014] = "0";
    EXPECT_EQ(Take(fields), "");
    EXPECT_EQ(fields.m_nHours, 0);
    EXPECT_EQ(fields.m_nMinutes, 0);
}

// A click on the check box while a number is out of range shows the message
// and leaves the enabling as it was until a later transfer succeeds.
TEST_F(DialogFieldsTest, ListSettingsCheckClickWithABadNumber) {
    CListSettingsFields fields;
    fields.m_strDefaultPosition = "Tile";
    controls.check[1002] = 1;
    controls.text[1012] = "99";
    controls.text[1014] = "5";
    EXPECT_EQ(Take(fields), "Please enter an integer between 0 and 24.");
    EXPECT_FALSE(fields.IntervalEnabled());
    controls.text[1012] = "2";
    EXPECT_EQ(Take(fields), "");
    EXPECT_TRUE(fields.IntervalEnabled());
    EXPECT_EQ(fields.m_nHours, 2);
    EXPECT_EQ(fields.m_nMinutes, 5);
    EXPECT_EQ(fields.m_strDefaultPosition, "Tile");  // not a control's value
}
