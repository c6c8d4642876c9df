#include "edit/NumModel.h"

#include <gtest/gtest.h>

#include <cfloat>

using namespace listedit::num;

TEST(NumFormat, FixedDigitsRoundedHalfAwayFromZero) {
    // Exact digits, no grouping; a negative count is the formatter's default. Halves go away from zero,
    // a carry may add an integer digit; judged on the binary value, so the doubles nearest 9.995 and
    // 1.005 lie below the half. Then the extremes of the doubles.
    const std::tuple<double, int, const wchar_t*> rows[] = {
        {0.0, 2, L"0.00"},      {2.0, 3, L"2.000"},    {1.23456, 2, L"1.23"}, {1234567.0, 2, L"1234567.00"},
        {1.0, -1, L"1.000000"}, {0.125, 2, L"0.13"},   {-0.125, 2, L"-0.13"}, {2.5, 0, L"3"},
        {-2.5, 0, L"-3"},       {99.5, 0, L"100"},     {-9.5, 0, L"-10"},     {9.995, 2, L"9.99"},
        {1.005, 2, L"1.00"},    {-0.001, 2, L"-0.00"}, {1e-300, 2, L"0.00"},  {DBL_TRUE_MIN, 0, L"0"},
    };
    for (const auto& [value, digits, text] : rows)
        EXPECT_EQ(FormatNumber(value, digits), text) << value << " " << digits;
    // The largest doubles have 309 integer digits.
    EXPECT_EQ(FormatNumber(-DBL_MAX, 2).substr(0, 18) + FormatNumber(-DBL_MAX, 2).substr(307),
              L"-17976931348623157368.00");
}

TEST(NumFilter, DigitsOnePointAndOneLeadingSign) {
    // A character and the range's lower bound: '-' is dropped silently when no negative value is
    // admitted; '.' and '-' otherwise depend on the text.
    const std::optional<CharVerdict> depends;
    const auto accept = CharVerdict::Accept, refuse = CharVerdict::Refuse, drop = CharVerdict::Drop;
    const std::tuple<wchar_t, double, std::optional<CharVerdict>> chars[] = {
        {L'0', -DBL_MAX, accept}, {L'9', -DBL_MAX, accept}, {L'\b', 0, accept}, {L'-', 0, drop},
        {L'-', -1, depends},      {L'.', 0, depends},       {L'/', -1, refuse}, {L':', -1, refuse},
        {L'a', -1, refuse},       {L'+', -1, refuse},       {L' ', -1, refuse},
    };
    for (const auto& [ch, lower, verdict] : chars) EXPECT_EQ(FilterChar(ch, lower), verdict) << int(ch);
    // Then with the text and the selection: a selection holding the point or sign may be replaced by it;
    // the sign only at the start. The last row is a selection no real control reports: nothing is read
    // outside the text.
    const std::tuple<wchar_t, const wchar_t*, int, int, CharVerdict> rows[] = {
        {L'.', L"", 0, 0, accept},     {L'.', L"12.5", 2, 2, refuse}, {L'.', L"12.5", 2, 4, accept},
        {L'.', L"12.5", 0, 4, accept}, {L'-', L"-3", 0, 2, accept},   {L'-', L"-3", 1, 1, refuse},
        {L'-', L"3", 0, 0, accept},    {L'-', L"3", 1, 1, refuse},    {L'-', L"-3", 0, 0, refuse},
        {L'.', L"1.", 5, 9, refuse},
    };
    for (const auto& [ch, text, start, end, verdict] : rows)
        EXPECT_EQ(FilterSignOrPoint(ch, text, start, end), verdict) << text << " " << start;
}

// Another decimal separator takes the point's place in the filter, and a '.' is then refused like
// any other character; only a printable character that is no digit or sign can be one.
TEST(NumFilter, AnotherDecimalSeparator) {
    const std::optional<CharVerdict> depends;
    const std::tuple<wchar_t, wchar_t, std::optional<CharVerdict>> chars[] = {
        {L',', L',', depends}, {L'.', L',', CharVerdict::Refuse}, {L',', L'.', CharVerdict::Refuse},
        {L'-', L',', depends}, {L'7', L',', CharVerdict::Accept},
    };
    for (const auto& [ch, point, verdict] : chars) EXPECT_EQ(FilterChar(ch, -1, point), verdict) << int(ch);
    EXPECT_EQ(FilterSignOrPoint(L',', L"1,5", 3, 3), CharVerdict::Refuse); // one separator only
    const std::pair<wchar_t, bool> separators[] = {
        {L',', true},  {L'.', true},  {L'\x066B', true}, {L'0', false},  {L'9', false},
        {L'-', false}, {L' ', false}, {L'\t', false},    {L'\0', false}, {L'\x7F', false}};
    for (const auto& [ch, valid] : separators) EXPECT_EQ(IsDecimalSeparator(ch), valid) << int(ch);
    EXPECT_EQ(ReplacePoint(L"-1,5,", L',', L'.'), L"-1.5.");
    EXPECT_EQ(ReplacePoint(L"2.25", L'.', L'.'), L"2.25");
}
