#include "datawnd/DateText.h"

#include <gtest/gtest.h>

#include <vector>

using namespace listedit::datawnd;

TEST(DateText, ReadsLikeScanfWritesBackAndCountsOnPastTheMonthsEnd) {
    // Each text is read from a buffer of exactly its length, so a read past its end fails the run.
    auto parse = [](std::wstring_view text) {
        const std::vector<wchar_t> exact(text.begin(), text.end());
        return ParseDateText({exact.data(), exact.size()});
    };
    const std::pair<std::wstring_view, DateFields> read[] = {
        {L"2024-03-05", {2024, 3, 5}},
        {L"\t2024- 3-\r+5 12:30", {2024, 3, 5}}, // white space and signs before numbers, a tail
        {L"1899-0--1", {1899, 0, -1}},           // ranges are the calendar's
        {L"2147483647-1-1", {2147483647, 1, 1}},
        {L"-2147483648-1-1", {-2147483647 - 1, 1, 1}},
    };
    for (const auto& [text, date] : read) EXPECT_EQ(parse(text), date) << text.size() << " chars";
    for (std::wstring_view bad :
         {L"2147483648-1-1", L"", L"abc", L"2024", L"2024-", L"2024-3", L"2024-3-", L"2024-3- ", L"2024-3-+",
          L"2024 -3-5", L"2024/3/5", L"2024--", L"-2024-x-5"})
        EXPECT_EQ(parse(bad), std::nullopt) << bad.size() << " chars";
    EXPECT_EQ(FormatDateText({2024, 3, 5}) + L" " + FormatDateText({1970, 12, 31}), L"2024-3-5 1970-12-31");
    // The calendar checks the fields, then counts a day past its month's end into the next month.
    const std::pair<DateFields, std::optional<DateFields>> cases[] = {
        {{1900, 1, 1}, DateFields{1900, 1, 1}},
        {{9999, 12, 31}, DateFields{9999, 12, 31}},
        {{2023, 4, 31}, DateFields{2023, 5, 1}},
        {{2024, 2, 30}, DateFields{2024, 3, 1}},
        {{1900, 2, 29}, DateFields{1900, 3, 1}},
        {{2000, 2, 29}, DateFields{2000, 2, 29}},
        {{1899, 12, 31}, std::nullopt},
        {{2024, 13, 1}, std::nullopt},
        {{2024, 1, 0}, std::nullopt},
        {{10000, 1, 1}, std::nullopt}};
    for (const auto& [fields, day] : cases)
        EXPECT_EQ(CalendarDay(fields), day) << fields.year << "-" << fields.month << "-" << fields.day;
}
