#include "datawnd/DateText.h"

#include <gtest/gtest.h>

using namespace listedit::datawnd;

TEST(CalendarDay, ChecksTheFieldsThenCountsOnPastTheMonthsEnd) {
    struct Case {
        DateFields fields;
        std::optional<DateFields> day;
    } cases[] = {
        {{1900, 1, 1}, DateFields{1900, 1, 1}},
        {{9999, 12, 31}, DateFields{9999, 12, 31}},
        {{1960, 6, 15}, DateFields{1960, 6, 15}},
        {{2023, 4, 31}, DateFields{2023, 5, 1}},
        {{2023, 2, 31}, DateFields{2023, 3, 3}},
        {{2024, 2, 29}, DateFields{2024, 2, 29}},
        {{2024, 2, 30}, DateFields{2024, 3, 1}},
        {{1900, 2, 29}, DateFields{1900, 3, 1}},
        {{2000, 2, 29}, DateFields{2000, 2, 29}},
        {{9999, 11, 31}, DateFields{9999, 12, 1}},
        {{1899, 12, 31}, std::nullopt},
        {{2024, 13, 1}, std::nullopt},
        {{2024, 0, 1}, std::nullopt},
        {{2024, 1, 0}, std::nullopt},
        {{2024, 1, 32}, std::nullopt},
        {{10000, 1, 1}, std::nullopt},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(CalendarDay(c.fields), c.day)
            << c.fields.year << "-" << c.fields.month << "-" << c.fields.day;
        EXPECT_EQ(DateFieldsInRange(c.fields), c.day.has_value() || c.fields.year > 9999);
    }
}
