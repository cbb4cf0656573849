// The Options and List Settings fields against their controls: validation
// edges, and what a refused transfer leaves (enabling included).
#include <gtest/gtest.h>

#include <map>
#include <tuple>

#include "dialogs/ListSettingsFields.h"
#include "dialogs/OptionsFields.h"
#include "framework/DataExchange.h"

namespace {

class DialogFieldsTest : public ::testing::Test, public IDialogControls {
protected:
    std::string GetControlText(int id) override { return text[id]; }
    void SetControlText(int id, const std::string& value) override { text[id] = value; }
    int GetCheck(int id) override { return check[id]; }
    void SetCheck(int id, int state) override { check[id] = state; }

    // Takes the controls into the fields; the refusal's text, or "" when none.
    template <class Fields>
    std::string Take(Fields& fields) {
        std::size_t before = prompter.Boxes().size();
        CDataExchange dx(*this, true, nullptr, "Varnello");
        fields.Exchange(dx);
        return prompter.Boxes().size() == before ? "" : prompter.Boxes().back().text;
    }

    std::map<int, std::string> text;
    std::map<int, int> check;
    CRecordingPrompter prompter;
    CScopedPrompter scoped{prompter};
};

const char kNumber[] = "Please enter an integer.";

}  // namespace

// Snap limits 5 and 200 pass; 4, 201 and an empty edit are refused, and a
// refused transfer leaves every field (the reload check too) as it was.
TEST_F(DialogFieldsTest, OptionsSnapLimitEdges) {
    COptionsFields fields;
    check[1003] = 1;
    const char range[] = "Please enter an integer between 5 and 200.";
    for (auto [edit, refusal] : std::map<std::string, std::string>{
             {"4", range}, {"201", range}, {"", kNumber}, {"5", ""}, {"200", ""}}) {
        text[1008] = edit;
        EXPECT_EQ(Take(fields), refusal) << "'" << edit << "'";
        EXPECT_EQ(fields.StartupActionsEnabled(), refusal.empty());
        EXPECT_EQ(fields.m_nSnapLimit, refusal.empty() ? std::stoi(edit) : 0);
        fields = COptionsFields();
    }
}

// Hours 0 to 24, minutes 0 to 59. A click on the check box while a number is
// refused leaves the enabling as it was until a transfer passes.
TEST_F(DialogFieldsTest, ListSettingsHoursAndMinutesEdges) {
    CListSettingsFields fields;
    check[1002] = 1;
    for (auto [hours, minutes, refusal] :
         {std::tuple{"25", "0", "Please enter an integer between 0 and 24."},
          {"0", "60", "Please enter an integer between 0 and 59."},
          {"0", "", kNumber}}) {
        text[1012] = hours;
        text[1014] = minutes;
        EXPECT_EQ(Take(fields), refusal);
        EXPECT_FALSE(fields.IntervalEnabled());
    }
    text[1012] = "24";
    text[1014] = "59";
    EXPECT_EQ(Take(fields), "");
    EXPECT_TRUE(fields.IntervalEnabled());
    EXPECT_EQ(fields.m_nHours * 100 + fields.m_nMinutes, 2459);
}
