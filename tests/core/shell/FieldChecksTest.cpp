#include "shell/FieldChecks.h"

#include "support/RecordingPrompter.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace torval {
namespace {

using testing::RecordingPrompter;
using Check = bool (*)(Prompter&, std::string_view, std::string_view);

constexpr std::string_view Field = "Body Weight";

struct CheckCase {
    std::string text;
    const char* checkName;
    Check check;
    std::string warning; // empty: the text passes
};

TEST(FieldChecks, EachCheckFailsOnlyOnItsOwnKindOfTextAndSaysSo) {
    const std::vector<CheckCase> cases = {
        {"", "IsEmptyField", IsEmptyField, "Body Weight is empty!\r"},
        {"   ", "IsEmptyField", IsEmptyField, "Body Weight is empty!\r"},
        {" 0 ", "IsEmptyField", IsEmptyField, ""},

        {"", "IsNotNumeric", IsNotNumeric, "Body Weight is not a numeric value!\r"},
        {"abc", "IsNotNumeric", IsNotNumeric, "Body Weight is not a numeric value!\r"},
        {" 70 ", "IsNotNumeric", IsNotNumeric, ""},
        {"-1.5e-3", "IsNotNumeric", IsNotNumeric, ""},

        {"0", "IsZero", IsZero, "Body Weight is equal to zero!\r"},
        {"-0", "IsZero", IsZero, "Body Weight is equal to zero!\r"},
        {"abc", "IsZero", IsZero, "Body Weight is equal to zero!\r"},
        {"0.001", "IsZero", IsZero, ""},
        {"5abc", "IsZero", IsZero, ""},
        {"-2", "IsZero", IsZero, ""},

        {"-2", "IsNegative", IsNegative, "Body Weight is less than zero!\r"},
        {" -0.5 ", "IsNegative", IsNegative, "Body Weight is less than zero!\r"},
        {"-3x", "IsNegative", IsNegative, "Body Weight is less than zero!\r"},
        {"-0", "IsNegative", IsNegative, ""},
        {"abc", "IsNegative", IsNegative, ""},
        {"x-3", "IsNegative", IsNegative, ""},
    };

    for (const CheckCase& c : cases) {
        SCOPED_TRACE(std::string(c.checkName) + " of \"" + c.text + "\"");
        RecordingPrompter prompter;

        const bool fails = c.check(prompter, c.text, Field);

        EXPECT_EQ(fails, !c.warning.empty());
        if (c.warning.empty()) {
            EXPECT_TRUE(prompter.messages.empty());
        } else {
            ASSERT_EQ(prompter.messages.size(), 1u);
            EXPECT_EQ(prompter.messages[0], (Message{c.warning, "Warning", MessageIcon::Information,
                                                     MessageButtons::Ok, MessageAnswer::Ok}));
        }
    }
}

struct AllChecksCase {
    std::string text;
    std::string warning; // the one message expected; empty: the field is accepted
};

TEST(FieldChecks, FailsFieldChecksStopsAtTheFirstFailure) {
    const std::vector<AllChecksCase> cases = {
        {"", "Body Weight is empty!\r"},
        {"abc", "Body Weight is not a numeric value!\r"},
        {"-5abc", "Body Weight is not a numeric value!\r"},
        {"0", "Body Weight is equal to zero!\r"},
        {"-0", "Body Weight is equal to zero!\r"},
        {"-70", "Body Weight is less than zero!\r"},
        {" 70 ", ""},
    };

    for (const AllChecksCase& c : cases) {
        SCOPED_TRACE("\"" + c.text + "\"");
        RecordingPrompter prompter;

        const bool fails = failsFieldChecks(prompter, c.text, Field);

        EXPECT_EQ(fails, !c.warning.empty());
        std::vector<std::string> shown;
        for (const Message& m : prompter.messages) {
            shown.push_back(m.text);
        }
        EXPECT_EQ(shown, c.warning.empty() ? std::vector<std::string>{}
                                           : std::vector<std::string>{c.warning});
    }
}

} // namespace
} // namespace torval
