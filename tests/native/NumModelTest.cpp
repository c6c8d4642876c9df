#include "edit/NumModel.h"

#include <gtest/gtest.h>

#include <cfloat>

using namespace listedit::num;

TEST(NumFormat, FixedDigitsRoundedHalfAwayFromZero) {
    const std::wstring max309 = L"179769313486231570814527423731704356798070567525844996598917476803157260780"
                                L"02853876058955863276687817154"
                                L"045895351438246423432132688946418276846754670353751698604991057655128207624"
                                L"54900903893289440758685084551"
                                L"339423045832369032229481658085593321233482747978262041447231687381771809192"
                                L"99881250404026184124858368";
    const struct {
        double value;
        int digits;
        std::wstring expected;
    } rows[] = {
        {0.0, 2, L"0.00"},
        {2.0, 0, L"2"},
        {2.0, 3, L"2.000"},
        {1.23456, 2, L"1.23"},
        {1234567.0, 2, L"1234567.00"}, // no grouping
        {1.0, -1, L"1.000000"},        // negative count: the formatter's default
        // Exact halves go away from zero.
        {0.125, 2, L"0.13"},
        {-0.125, 2, L"-0.13"},
        {2.5, 0, L"3"},
        {0.5, 0, L"1"},
        {-2.5, 0, L"-3"},
        {9.995, 2, L"9.99"}, // the double lies below 9.995
        {99.5, 0, L"100"},   // the carry adds an integer digit
        {-9.5, 0, L"-10"},
        {0.375, 2, L"0.38"},
        // Below the half by the binary value, whatever the decimal text says.
        {1.005, 2, L"1.00"},
        {2.675, 2, L"2.67"},
        {-0.001, 2, L"-0.00"},
        {1e-300, 2, L"0.00"},
        {4.9406564584124654e-324, 0, L"0"},
        {DBL_MAX, 2, max309 + L".00"},
        {-DBL_MAX, 0, L"-" + max309},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(FormatNumber(row.value, row.digits), row.expected) << row.value << " with " << row.digits;
    }
}

TEST(NumFilter, CharactersThatDoNotDependOnTheText) {
    const std::optional<CharVerdict> depends; // on the text: the sign and the point
    const struct {
        wchar_t ch;
        double lower; // of the range
        std::optional<CharVerdict> verdict;
    } rows[] = {
        {L'0', -DBL_MAX, CharVerdict::Accept},
        {L'9', -DBL_MAX, CharVerdict::Accept},
        {L'\b', 0, CharVerdict::Accept},
        {L'-', 0, CharVerdict::Drop}, // no negative values: silent
        {L'-', -1, depends},
        {L'.', 0, depends},
        {L'/', -1, CharVerdict::Refuse},
        {L':', -1, CharVerdict::Refuse},
        {L'a', -1, CharVerdict::Refuse},
        {L'\t', -1, CharVerdict::Refuse},
        {L'\r', -1, CharVerdict::Refuse},
        {wchar_t(0x16), -1, CharVerdict::Refuse},
        {L'+', -1, CharVerdict::Refuse},
        {L'e', -1, CharVerdict::Refuse},
        {L' ', -1, CharVerdict::Refuse},
    };
    for (const auto& r : rows) EXPECT_EQ(FilterChar(r.ch, r.lower), r.verdict) << int(r.ch);
}

TEST(NumFilter, OnePointAndOneLeadingSign) {
    const struct {
        wchar_t ch;
        const wchar_t* text;
        int start, end;
        CharVerdict verdict;
    } rows[] = {
        {L'.', L"", 0, 0, CharVerdict::Accept},
        {L'.', L"12.5", 2, 2, CharVerdict::Refuse},
        {L'.', L"12.5", 2, 4, CharVerdict::Accept}, // ".5" selected
        {L'.', L"12.5", 0, 4, CharVerdict::Accept}, // all selected
        {L'-', L"-3", 0, 2, CharVerdict::Accept},
        {L'-', L"-3", 1, 1, CharVerdict::Refuse},
        {L'-', L"3", 0, 0, CharVerdict::Accept},
        {L'-', L"3", 1, 1, CharVerdict::Refuse}, // not at the start
        {L'-', L"-3", 0, 0, CharVerdict::Refuse},
        {L'.', L"1.", 5, 9, CharVerdict::Refuse}, // a selection no real control reports: no read outside
    };
    for (const auto& r : rows)
        EXPECT_EQ(FilterSignOrPoint(r.ch, r.text, r.start, r.end), r.verdict) << r.text << " " << r.start;
}
