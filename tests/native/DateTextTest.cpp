#include "datawnd/DateText.h"

#include <gtest/gtest.h>

#include <vector>

using namespace listedit::datawnd;

// Each text is read from a buffer of exactly its length, so a read past its end fails the run.
TEST(DateText, ReadsThreeNumbersLikeScanf) {
    const std::optional<DateFields> none;
    const struct {
        std::wstring_view text;
        std::optional<DateFields> date;
    } rows[] = {
        {L"2024-03-05", DateFields{2024, 3, 5}},
        {L" 2024- 3-+5", DateFields{2024, 3, 5}},          // blanks and signs before numbers
        {L"\t2024-\r3-\n5", DateFields{2024, 3, 5}},       // every kind of white space
        {L"2024-3-5 12:30", DateFields{2024, 3, 5}},       // the rest is ignored
        {L"1899-0--1", DateFields{1899, 0, -1}},           // ranges are the calendar's
        {L"2147483647-1-1", DateFields{2147483647, 1, 1}}, // the largest int
        {L"-2147483648-1-1", DateFields{-2147483647 - 1, 1, 1}},
        {L"2147483648-1-1", none},
        {L"", none},
        {L"abc", none},
        {L"2024", none},
        {L"2024-", none},
        {L"2024-3", none},
        {L"2024-3-", none},
        {L"2024-3- ", none},
        {L"2024-3-+", none},
        {L"2024 -3-5", none},
        {L"2024/3/5", none},
        {L"2024--", none},
        {L"-2024-x-5", none},
    };
    for (const auto& r : rows) {
        const std::vector<wchar_t> exact(r.text.begin(), r.text.end());
        EXPECT_EQ(ParseDateText({exact.data(), exact.size()}), r.date) << r.text.size() << " chars";
    }
}

TEST(DateText, FormatsWithoutLeadingZeros) {
    EXPECT_EQ(FormatDateText({2024, 3, 5}), L"2024-3-5");
    EXPECT_EQ(FormatDateText({1970, 12, 31}), L"1970-12-31");
}
