#include "datawnd/DateText.h"

#include <gtest/gtest.h>

using namespace listedit::datawnd;

TEST(CalendarDay, ChecksTheFieldsThenCountsOnPastTheMonthsEnd) {
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
        {{10000, 1, 1}, std::nullopt},
    };
    for (const auto& [fields, day] : cases)
        EXPECT_EQ(CalendarDay(fields), day) << fields.year << "-" << fields.month << "-" << fields.day;
}
