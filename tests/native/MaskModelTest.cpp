#include "edit/MaskModel.h"

#include <gtest/gtest.h>

#include <climits>
#include <vector>

using namespace listedit::mask;

namespace {

Mask Parse(std::wstring_view s) {
    ParsedMask parsed = ParseMask(s);
    EXPECT_TRUE(parsed.ok) << std::wstring(s);
    return parsed.positions;
}

const Mask kDate = Parse(L"[0-9][0-9]/[0-9][0-9]"), kParen = Parse(L"(x[0-9])"), kAbc = Parse(L"abc");
const bool fix = true, var = false; // fixed or variable length

// One typed character (or a pasted string, for the paste control character) the way the window class
// handles it: the default handling replaces the selection, the repair fits the text, the caret it asks
// for is snapped forward.
std::pair<std::wstring, int> Type(bool fixed, std::wstring_view text, int s, int e, std::wstring_view typed) {
    TypingBase base = PrepareTyping(kDate, text, L'_', fixed, e);
    std::wstring after(text);
    after.replace(s, e - s, typed);
    const int caret = s + int(typed.size());
    const std::vector<wchar_t> exact(after.begin(), after.end()); // a read past its end fails the run
    Edit out = RepairTyping(kDate, base.text, {exact.data(), exact.size()}, fixed, s, base.end, caret)
                   .value_or(Edit{after, caret});
    return {out.text,
            SnapSelection(kDate, fixed, true, out.caret, out.caret).value_or(Sel{out.caret, 0}).start};
}

} // namespace

TEST(MaskParse, SetsRangesEscapesLiteralsAndErrors) {
    // Each position's characters, separated by '|'. A range skips what the set already holds, ordinary
    // duplicates stay, a '-' before ']' is dropped, an escaped character opens a range, brackets and
    // marks outside a set are literals, and a '[' ending the string makes no position.
    const std::pair<const wchar_t*, const wchar_t*> rows[] = {
        {L"[0-3]/", L"0123|/"}, {L"[0-3a-cA-C]", L"0123abcABC"},
        {L"[+\\-]", L"+-"},     {L"[a][][?][aa]", L"a|||aa"},
        {L"[ba-c]", L"bac"},    {L"[bbda-e]", L"bbdace"},
        {L"[aa-a]", L"aa"},     {L"[a-][a?]", L"a|a"},
        {L"[\\--/]", L"-./"},   {L"a]\\?-", L"a|]|\\|?|-"},
        {L"abc[", L"a|b|c"},    {L"[", L""},
        {L"[]]][", L"|]|]"},    {L"[e-a]", L"eabcd"},
    };
    for (const auto& [mask, sets] : rows) {
        const Mask parsed = Parse(mask);
        std::wstring got;
        for (std::size_t i = 0; i < parsed.size(); ++i) got += (i ? L"|" : L"") + parsed[i].chars;
        EXPECT_EQ(got, sets) << mask;
    }
    EXPECT_TRUE(kDate[2].IsLiteral() && kDate[0].Accepts(L'9') && !kDate[0].Accepts(L'a'));
    const wchar_t widest[] = {L'[', L'\x1', L'-', wchar_t(sizeof(wchar_t) > 2 ? 0x10FFFF : 0xFFFF), L']', 0};
    EXPECT_EQ(Parse(widest)[0].chars.size(),
              65535u + (sizeof(wchar_t) > 2)); // cut to a UTF-16 code unit's span
    // A syntax error keeps the positions before it.
    for (const wchar_t* bad :
         {L"[ab?]", L"[-a]", L"[a-c-e]", L"[a--b]", L"[a-c", L"[[a]", L"[?", L"[?a]", L"[a-?]", L"[a\\"})
        EXPECT_FALSE(ParseMask(bad).ok) << bad;
    const ParsedMask parsed = ParseMask(L"12[a");
    EXPECT_EQ(std::pair(parsed.ok, parsed.positions), std::pair(false, Mask{{L"1"}, {L"2"}}));
}

TEST(MaskModel, InputBoundsDisplayFitAndReset) {
    // Without input positions, the first is the end and the last end 0; outside the mask, the placeholder.
    EXPECT_EQ(std::tuple(FirstInputPos(kDate), LastInputEnd(kDate), FirstInputPos(kParen),
                         LastInputEnd(kParen), FirstInputPos(kAbc), LastInputEnd(kAbc)),
              std::tuple(0, 5, 2, 3, 3, 0));
    EXPECT_EQ(DisplayText(kDate, L'_') + DisplayText(kAbc, L'_') + DisplayText(Parse(L"[?]"), L'#'),
              L"__/__abc#");
    EXPECT_EQ(std::pair(DisplayChar(kDate, -1, L'_'), DisplayChar(kDate, 5, L'_')), std::pair(L'_', L'_'));
    // Padding stays at any-character positions; a new placeholder replaces the old one only where the
    // set lacks it.
    EXPECT_EQ(FitText(kDate, L"abcde", L'_', true), L"__/__");
    EXPECT_EQ(FitText(kDate, L"1234567", L'_', true), L"12/45");
    EXPECT_EQ(FitText(kDate, L"1", L'_', true), L"1_/__");
    EXPECT_EQ(FitText(kDate, L"12x45zz", L'_', false), L"12/45zz");
    EXPECT_EQ(FitText(Parse(L"[]-[]"), L"a", L'_', true), L"a- ");
    EXPECT_EQ(FitText(Parse(L"[0-9][_*]"), L"__", L'*', true), L"*_");
    // Reset never lengthens the text; in variable length it removes the free characters in the range.
    const std::tuple<const wchar_t*, bool, int, int, const wchar_t*> resets[] = {
        {L"12/34", fix, 0, 2, L"__/34"},
        {L"12/34zz", var, 3, 7, L"12/__"},
        {L"12/34zz", var, 6, 7, L"12/34z"},
        {L"12", fix, -3, 10, L"__"},
        {L"12/34zz", var, INT_MIN, INT_MAX, L"__/__"},
    };
    for (const auto& [text, fixed, s, e, reset] : resets)
        EXPECT_EQ(ResetRange(kDate, text, L'_', fixed, s, e), reset) << text << " " << s << " " << e;
}

TEST(MaskSnap, ForwardBackwardAndPassThrough) {
    // Never over a literal; starting on one gives a caret after it; behind the trailing literal a
    // backward request is left as asked; without input positions, the end. In variable length a
    // selection within the mask snaps as in fixed length, one into the free text from the mask, one
    // wholly in it passes through, as does a negative index.
    const std::optional<Sel> pass;
    const std::tuple<const Mask*, bool, bool, int, int, std::optional<Sel>> rows[] = {
        {&kDate, true, true, 2, 2, Sel{3, 3}},   {&kDate, true, true, 1, 2, Sel{1, 2}},
        {&kDate, true, true, 1, 3, Sel{1, 2}},   {&kDate, true, true, 3, 1, Sel{1, 2}},
        {&kDate, true, true, 2, 4, Sel{3, 3}},   {&kDate, true, false, 3, 3, Sel{2, 2}},
        {&kDate, true, false, 0, 5, Sel{3, 5}},  {&kParen, true, true, 0, 0, Sel{2, 2}},
        {&kParen, true, true, 4, 4, Sel{3, 3}},  {&kParen, true, false, 0, 0, Sel{2, 2}},
        {&kParen, true, true, 0, 1, Sel{2, 2}},  {&kParen, true, false, 4, 4, Sel{4, 4}},
        {&kAbc, true, true, 1, 1, Sel{3, 3}},    {&kAbc, true, false, 0, 0, Sel{3, 3}},
        {&kAbc, true, true, 3, 3, Sel{3, 3}},    {&kDate, true, true, INT_MAX, INT_MAX, Sel{5, 5}},
        {&kDate, true, true, 0, -1, pass},       {&kDate, true, false, -1, -1, pass},
        {&kDate, false, true, 5, 7, pass},       {&kDate, false, true, 0, 7, Sel{0, 2}},
        {&kDate, false, false, 0, 7, Sel{3, 7}}, {&kDate, false, true, 2, 2, Sel{3, 3}},
    };
    for (const auto& [mask, fixed, toEnd, a, b, sel] : rows)
        EXPECT_EQ(SnapSelection(*mask, fixed, toEnd, a, b), sel)
            << mask->size() << fixed << toEnd << " " << a << " " << b;
}

TEST(MaskTyping, OverwritesInputPositionsAndFreeText) {
    // A refused character leaves the caret where the edit control left it; a short text is fitted
    // first. In variable length, selected free characters are replaced, an input position is only
    // overwritten, and left-over characters go in behind as many free characters as positions were used.
    const std::tuple<bool, const wchar_t*, int, int, const wchar_t*, const wchar_t*, int> rows[] = {
        {fix, L"__/__", 0, 0, L"1", L"1_/__", 1},       {fix, L"1_/__", 1, 1, L"2", L"12/__", 3},
        {fix, L"__/__", 0, 0, L"x", L"__/__", 1},       {fix, L"__/__", 2, 2, L"5", L"__/5_", 4},
        {fix, L"12/34", 0, 5, L"9", L"92/34", 1},       {fix, L"__/__", 0, 0, L"1234", L"12/34", 5},
        {fix, L"1", 1, 1, L"2", L"12/__", 3},           {var, L"12/34", 5, 5, L"z", L"12/34z", 6},
        {var, L"12/34ab", 5, 7, L"z", L"12/34z", 6},    {var, L"12/34ab", 4, 6, L"z", L"12/34b", 5},
        {var, L"12/34ab", 4, 4, L"99", L"12/39a9b", 7},
    };
    for (const auto& [fixed, text, s, e, typed, after, caret] : rows)
        EXPECT_EQ(Type(fixed, text, s, e, typed), std::pair(std::wstring(after), caret))
            << text << " " << typed;
    EXPECT_FALSE(RepairTyping(kDate, L"12/34", L"12/34", true, 0, 0, 0));
    // Refused right after the last input position in fixed length only; behind a trailing literal not.
    EXPECT_EQ(std::tuple(RefusesTyping(kDate, true, 5), RefusesTyping(kDate, false, 5),
                         RefusesTyping(kParen, true, 4)),
              std::tuple(true, false, false));
    EXPECT_EQ(std::tuple(BackspaceStart(0, 0), BackspaceStart(3, 3), BackspaceStart(1, 3)),
              std::tuple(std::optional<int>(), 2, 1));
}

TEST(MaskRepair, DeleteKeysAndPaste) {
    // Free text is really deleted; an index past the text appends.
    const std::tuple<const wchar_t*, int, int, const wchar_t*> deletes[] = {
        {L"2/34", 0, 0, L"_2/34"},    {L"/34", 0, 2, L"__/34"}, {L"1234", 2, 2, L"12/34"},
        {L"12/34z", 6, 6, L"12/34z"}, {L"2", 3, 9, L"2__"},     {L"", INT_MAX, INT_MAX, L""},
    };
    for (const auto& [text, s, e, repaired] : deletes)
        EXPECT_EQ(RepairDelete(kDate, text, L'_', s, e), repaired) << text << " " << s << " " << e;

    // Whatever a key made the edit control do (Delete, a word either way, a character to the left,
    // something put in, over a selection or a plain change), the mask comes back whole.
    const std::tuple<const wchar_t*, const wchar_t*, int, int, int, const wchar_t*, int> keys[] = {
        {L"12/34", L"2/34", 0, 0, 0, L"_2/34", 0},      {L"12/34", L"/34", 0, 0, 0, L"__/34", 0},
        {L"12/34", L"1/34", 2, 2, 1, L"1_/34", 1},      {L"12/34", L"/34", 2, 2, 0, L"__/34", 0},
        {L"__/__", L"1234__/__", 0, 0, 4, L"12/34", 5}, {L"12/34", L"9/34", 0, 2, 1, L"92/34", 1},
        {L"12/34", L"12/35", 4, 4, 4, L"12/35", 4},
    };
    for (const auto& [before, after, s, e, caret, text, at] : keys) {
        const Edit r = RepairKey(kDate, before, after, L'_', true, s, e, caret);
        EXPECT_EQ(std::pair(r.text, r.caret), std::pair(std::wstring(text), at)) << before << " " << after;
    }

    // Literals use up a pasted character; a refused one keeps its position's; beyond the mask they
    // are dropped; the old length is kept; an unchanged text needs no repair.
    const std::tuple<const wchar_t*, const wchar_t*, int, int, int, const wchar_t*, int> pastes[] = {
        {L"__/__", L"1234__/__", 0, 0, 4, L"12/4_", 4},
        {L"__/__", L"12/34__/__", 0, 0, 5, L"12/34", 5},
        {L"12/34", L"1x/34", 1, 2, 2, L"12/34", 2},
        {L"12/34zz", L"12/34zz99", 7, 7, 9, L"12/34zz", 9},
        {L"", L"123456789", INT_MIN, INT_MAX, INT_MAX, L"", INT_MAX},
        {L"ab", L"ab", 0, 0, 0, L"none", -1},
    };
    for (const auto& [before, after, s, e, caret, text, at] : pastes) {
        const Edit p = OverlayPaste(kDate, before, after, s, e, caret).value_or(Edit{L"none", -1});
        EXPECT_EQ(std::pair(p.text, p.caret), std::pair(std::wstring(text), at)) << before << " " << after;
    }
}

// What a reader is told: placeholders standing in input positions go, a literal equal to the
// placeholder and the free text after the mask stay.
TEST(MaskModel, EnteredTextLeavesOutThePlaceholders) {
    const std::tuple<const Mask*, const wchar_t*, const wchar_t*> cases[] = {
        {&kDate, L"__/__", L"/"},
        {&kDate, L"05/3_", L"05/3"},
        {&kDate, L"12/34zz_", L"12/34zz_"},
        {&kParen, L"(x_)", L"(x)"},
    };
    const Mask underscore = Parse(L"[0-9]_[0-9]");
    EXPECT_EQ(EnteredText(underscore, L"1__", L'_'), L"1_");
    for (const auto& [mask, text, entered] : cases)
        EXPECT_EQ(EnteredText(*mask, text, L'_'), entered) << text;
}
