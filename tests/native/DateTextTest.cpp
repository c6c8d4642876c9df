#include "datawnd/DateText.h"

#include <gtest/gtest.h>

using namespace listedit::datawnd;

TEST(DateText, ReadsThreeNumbersLikeScanf) {
    EXPECT_EQ(ParseDateText(L"2024-03-05"), (DateFields{2024, 3, 5}));
    EXPECT_EQ(ParseDateText(L" 2024- 3-+5"), (DateFields{2024, 3, 5}));    // blanks and signs before numbers
    EXPECT_EQ(ParseDateText(L"2024-3-5 12:30"), (DateFields{2024, 3, 5})); // the rest is ignored
    EXPECT_EQ(ParseDateText(L"1899-0--1"), (DateFields{1899, 0, -1}));     // ranges are the calendar's
}

TEST(DateText, RefusesWhatIsNotThreeNumbers) {
    for (const wchar_t* text : {L"", L"abc", L"2024", L"2024-3", L"2024-3-", L"2024 -3-5", L"2024/3/5",
                                L"2024--", L"-2024-x-5", L"2147483648-1-1"}) {
        EXPECT_EQ(ParseDateText(text), std::nullopt) << std::wstring(text).size();
    }
    EXPECT_EQ(ParseDateText(L"-2147483648-1-1"), (DateFields{-2147483647 - 1, 1, 1}));
}

TEST(DateText, FormatsWithoutLeadingZeros) {
    EXPECT_EQ(FormatDateText({2024, 3, 5}), L"2024-3-5");
    EXPECT_EQ(FormatDateText({1970, 12, 31}), L"1970-12-31");
}
