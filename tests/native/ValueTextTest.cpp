#include "datawnd/ValueText.h"

#include <listedit/datawnd/ValueType.h>

#include <gtest/gtest.h>

#include <vector>

using namespace listedit::datawnd;

namespace {

// Each text is read from a buffer of exactly its length, so a read past its end fails the run.
template <class Read> auto Exact(std::wstring_view text, Read read) {
    const std::vector<wchar_t> exact(text.begin(), text.end());
    return read({exact.data(), exact.size()});
}

} // namespace

TEST(ValueText, NumbersAreWhatTheNumericEditTakes) {
    const std::pair<std::wstring_view, std::optional<double>> cases[] = {
        {L"0", 0.0},
        {L"12.5", 12.5},
        {L"-2", -2.0},
        {L" \t7 ", 7.0},
        {L"\x3000-1.5\xA0", -1.5},
        {L".5", 0.5},
        {L"5.", 5.0},
        {L"-0.25", -0.25},
        {L"0.1", 0.1},
        {L"123456789012345678901234567890", 123456789012345678901234567890.0},
        {L"", std::nullopt},
        {L" ", std::nullopt},
        {L"-", std::nullopt},
        {L".", std::nullopt},
        {L"-.", std::nullopt},
        {L"+1", std::nullopt},
        {L"1e5", std::nullopt},
        {L"1,5", std::nullopt},
        {L"1.2.3", std::nullopt},
        {L"1-", std::nullopt},
        {L"--1", std::nullopt},
        {L"1 2", std::nullopt},
        {L"0x10", std::nullopt},
        {L"inf", std::nullopt},
        {L"nan", std::nullopt},
    };
    for (const auto& [text, value] : cases)
        EXPECT_EQ(Exact(text, ReadNumber), value) << text.size() << " chars";
    // Longer than the conversion buffer: converted whole, not cut.
    const std::wstring longNumber = L"1" + std::wstring(70, L'0') + L".5";
    EXPECT_EQ(ReadNumber(longNumber), 1e70);
}

TEST(ValueText, DatesAreRealCalendarDaysInEitherForm) {
    const std::pair<std::wstring_view, std::optional<DateFields>> cases[] = {
        {L"1969-7-20", DateFields{1969, 7, 20}},
        {L"1969-07-20", DateFields{1969, 7, 20}},
        {L" 1900-1-1\t", DateFields{1900, 1, 1}},
        {L"9999-12-31", DateFields{9999, 12, 31}},
        {L"2024-2-29", DateFields{2024, 2, 29}},
        {L"2000-02-29", DateFields{2000, 2, 29}},
        {L"1899-12-31", std::nullopt},
        {L"10000-1-1", std::nullopt},
        {L"2023-2-29", std::nullopt},
        {L"1900-2-29", std::nullopt},
        {L"2023-4-31", std::nullopt},
        {L"2023-13-1", std::nullopt},
        {L"2023-0-1", std::nullopt},
        {L"2023-1-0", std::nullopt},
        {L"2023-001-01", std::nullopt},
        {L"2023-1-1 12:00", std::nullopt},
        {L"2023- 1-1", std::nullopt},
        {L"+2023-1-1", std::nullopt},
        {L"2023/1/1", std::nullopt},
        {L"2023-1-", std::nullopt},
        {L"2023-1", std::nullopt},
        {L"", std::nullopt},
    };
    for (const auto& [text, date] : cases) EXPECT_EQ(Exact(text, ReadDate), date) << text.size() << " chars";
    EXPECT_LT(DaySerial({1969, 7, 20}), DaySerial({1969, 10, 1}));
    EXPECT_LT(DaySerial({1969, 12, 31}), DaySerial({1970, 1, 1}));
    EXPECT_EQ(FormatIsoDate({1969, 7, 20}) + L" " + FormatIsoDate({9999, 12, 31}), L"1969-07-20 9999-12-31");
    const std::pair<std::pair<int, int>, int> months[] = {{{2023, 1}, 31},  {{2023, 2}, 28}, {{2024, 2}, 29},
                                                          {{1900, 2}, 28},  {{2000, 2}, 29}, {{2023, 4}, 30},
                                                          {{2023, 12}, 31}, {{2023, 0}, 0},  {{2023, 13}, 0}};
    for (const auto& [ym, days] : months) EXPECT_EQ(DaysInMonth(ym.first, ym.second), days) << ym.second;
}

TEST(ValueText, ListCodeIsWhatStandsBeforeTheSeparator) {
    const std::tuple<std::wstring_view, std::wstring_view, std::wstring_view> cases[] = {
        {L"07-Aix-en-Provence", L"-", L"07"},
        {L"07-Aix-en-Provence", L"", L"07-Aix-en-Provence"},
        {L"07|Aix-en-Provence", L"|", L"07"},
        {L"07 - Aix", L" - ", L"07"},
        {L"Paris", L"-", L"Paris"},
        {L"-x", L"-", L""},
        {L"", L"-", L""},
    };
    for (const auto& [entry, separator, code] : cases)
        EXPECT_EQ(ListCode(entry, separator), code) << entry.size();
}

TEST(ValueType, EachCodeHasItsEditorQuotingAndOrder) {
    using listedit::ValueEditor;
    using listedit::ValueOrder;
    struct Row {
        int type;
        ValueEditor editor;
        bool quoted, listCode, choices;
        ValueOrder order;
    };
    const Row rows[] = {
        {DWT_TEXT, ValueEditor::Text, true, false, false, ValueOrder::Text},
        {DWT_NUMBER, ValueEditor::Number, false, false, false, ValueOrder::Number},
        {DWT_INTEGER, ValueEditor::Digits, false, false, false, ValueOrder::Number},
        {DWT_DATE, ValueEditor::Date, true, false, false, ValueOrder::Date},
        {DWT_NUMBER2, ValueEditor::Number, false, false, false, ValueOrder::Number},
        {DWT_LIST, ValueEditor::List, true, true, true, ValueOrder::Text},
        {DWT_CHECK, ValueEditor::Check, false, false, false, ValueOrder::Number},
        {DWT_COMBO, ValueEditor::Combo, true, false, true, ValueOrder::Text},
        {0, ValueEditor::None, false, false, false, ValueOrder::Number},
        {9, ValueEditor::None, false, false, false, ValueOrder::Number},
        {-1, ValueEditor::None, false, false, false, ValueOrder::Number},
    };
    for (const Row& row : rows) {
        const auto& traits = listedit::TraitsOf(row.type);
        EXPECT_EQ(traits.editor, row.editor) << row.type;
        EXPECT_EQ(traits.quoted, row.quoted) << row.type;
        EXPECT_EQ(traits.listCode, row.listCode) << row.type;
        EXPECT_EQ(traits.choices, row.choices) << row.type;
        EXPECT_EQ(traits.order, row.order) << row.type;
    }
}
