#include "edit/NumModel.h"

#include <gtest/gtest.h>

#include <cfloat>

using namespace listedit::num;

TEST(NumFormat, FixedDigitsRoundedWithTrailingZeros) {
    EXPECT_EQ(FormatNumber(0.0, 2), L"0.00");
    EXPECT_EQ(FormatNumber(2.0, 0), L"2");
    EXPECT_EQ(FormatNumber(2.0, 3), L"2.000");
    EXPECT_EQ(FormatNumber(1.23456, 2), L"1.23");
    EXPECT_EQ(FormatNumber(-1.5, 1), L"-1.5");
    EXPECT_EQ(FormatNumber(1234567.0, 2), L"1234567.00"); // no grouping
    EXPECT_EQ(FormatNumber(1.0, -1), L"1.000000");        // negative count: the formatter's default
    EXPECT_EQ(FormatNumber(DBL_MAX, 2).size(), 309u + 3u);
}

TEST(NumFilter, CharactersThatDoNotDependOnTheText) {
    EXPECT_EQ(FilterChar(L'7', -DBL_MAX), CharVerdict::Accept);
    EXPECT_EQ(FilterChar(L'\b', 0), CharVerdict::Accept);
    EXPECT_EQ(FilterChar(L'-', 0), CharVerdict::Drop); // no negative values: silent
    EXPECT_EQ(FilterChar(L'-', -1), std::nullopt);
    EXPECT_EQ(FilterChar(L'.', 0), std::nullopt);
    for (wchar_t c : {L'a', L'\t', L'\r', wchar_t(0x16), L'+', L'e', L' '}) {
        EXPECT_EQ(FilterChar(c, -1), CharVerdict::Refuse) << int(c);
    }
}

TEST(NumFilter, OnePointAndOneLeadingSign) {
    EXPECT_EQ(FilterSignOrPoint(L'.', L"", 0, 0), CharVerdict::Accept);
    EXPECT_EQ(FilterSignOrPoint(L'.', L"12.5", 2, 2), CharVerdict::Refuse);
    EXPECT_EQ(FilterSignOrPoint(L'.', L"12.5", 2, 4), CharVerdict::Accept); // ".5" selected
    EXPECT_EQ(FilterSignOrPoint(L'.', L"12.5", 0, 4), CharVerdict::Accept); // all selected
    EXPECT_EQ(FilterSignOrPoint(L'-', L"-3", 0, 2), CharVerdict::Accept);
    EXPECT_EQ(FilterSignOrPoint(L'-', L"-3", 1, 1), CharVerdict::Refuse);
    EXPECT_EQ(FilterSignOrPoint(L'-', L"3", 0, 0), CharVerdict::Accept);
    EXPECT_EQ(FilterSignOrPoint(L'-', L"3", 1, 1), CharVerdict::Refuse); // not at the start
    EXPECT_EQ(FilterSignOrPoint(L'-', L"-3", 0, 0), CharVerdict::Refuse);
    // A selection that a real control never reports must not read outside the text.
    EXPECT_EQ(FilterSignOrPoint(L'.', L"1.", 5, 9), CharVerdict::Refuse);
}
