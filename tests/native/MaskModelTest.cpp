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

std::vector<std::wstring> Sets(std::wstring_view s) {
    std::vector<std::wstring> sets;
    for (const MaskPos& pos : Parse(s)) sets.push_back(pos.chars);
    return sets;
}

const Mask kDate = Parse(L"[0-9][0-9]/[0-9][0-9]");
const Mask kParen = Parse(L"(x[0-9])");

Sel Snap(const Mask& mask, bool toEnd, int a, int b) {
    return SnapSelection(mask, true, toEnd, a, b).value_or(Sel{-99, -99});
}

// One typed character (or a pasted string, for the paste control character) the way the window class
// handles it: the default handling replaces the selection, the repair fits the text, the caret it asks
// for is snapped forward.
Edit Type(const Mask& mask, bool fixed, std::wstring_view text, int s, int e, std::wstring_view typed) {
    TypingBase base = PrepareTyping(mask, text, L'_', fixed, e);
    std::wstring after(text);
    after.replace(s, e - s, typed);
    const int caret = s + int(typed.size());
    const std::vector<wchar_t> exact(after.begin(), after.end()); // a read past its end fails the run
    Edit out = RepairTyping(mask, base.text, {exact.data(), exact.size()}, fixed, s, base.end, caret)
                   .value_or(Edit{after, caret});
    out.caret = SnapSelection(mask, fixed, true, out.caret, out.caret).value_or(Sel{out.caret, 0}).start;
    return out;
}

} // namespace

TEST(MaskParse, SetsRangesAndLiterals) {
    EXPECT_EQ(kDate.size(), 5u);
    EXPECT_TRUE(kDate[2].IsLiteral());
    EXPECT_EQ(kDate[0].chars, L"0123456789");
    Mask hex = Parse(L"[0-9a-fA-F]");
    ASSERT_EQ(hex.size(), 1u);
    EXPECT_TRUE(hex[0].Accepts(L'c') && hex[0].Accepts(L'F') && !hex[0].Accepts(L'g'));
    EXPECT_EQ(Sets(L"[+\\-]"), std::vector<std::wstring>{L"+-"});
    EXPECT_EQ(Sets(L"[a][][?][aa]"), (std::vector<std::wstring>{L"a", L"", L"", L"aa"}));
    EXPECT_EQ(Sets(L"[z-a]")[0].size(), 26u);
    EXPECT_EQ(Sets(L"[ba-c]")[0], L"bac"); // a range skips what is already there
    EXPECT_EQ(Sets(L"[bbda-e]")[0], L"bbdace");
    EXPECT_EQ(Sets(L"[aa-a]")[0], L"aa"); // ordinary duplicates stay
    EXPECT_EQ(Sets(L"[a-][a?]"), (std::vector<std::wstring>{L"a", L"a"}));
    EXPECT_EQ(Sets(L"[\\--/]")[0], L"-./"); // an escaped character opens a range
    EXPECT_EQ(Sets(L"a]\\?-"), (std::vector<std::wstring>{L"a", L"]", L"\\", L"?", L"-"}));
    EXPECT_EQ(Sets(L"abc["), (std::vector<std::wstring>{L"a", L"b", L"c"}));
    EXPECT_TRUE(Parse(L"[").empty());
}

TEST(MaskParse, SyntaxErrorsKeepThePositionsBefore) {
    for (const wchar_t* bad :
         {L"[ab?]", L"[-a]", L"[a-c-e]", L"[a--b]", L"[a-c", L"[[a]", L"[?", L"[?a]", L"[a-?]", L"[a\\"}) {
        EXPECT_FALSE(ParseMask(bad).ok) << bad;
    }
    EXPECT_TRUE(ParseMask(L"[]]][").ok); // closing brackets outside a set are literals
    ParsedMask parsed = ParseMask(L"12[a");
    EXPECT_FALSE(parsed.ok);
    EXPECT_EQ(parsed.positions, (Mask{{L"1"}, {L"2"}}));
}

TEST(MaskModel, InputBoundsAndDisplay) {
    EXPECT_EQ(FirstInputPos(kDate), 0);
    EXPECT_EQ(LastInputEnd(kDate), 5);
    EXPECT_EQ(FirstInputPos(kParen), 2);
    EXPECT_EQ(LastInputEnd(kParen), 3);
    const Mask literals = Parse(L"abc");
    EXPECT_EQ(FirstInputPos(literals), 3);
    EXPECT_EQ(LastInputEnd(literals), 0);
    EXPECT_EQ(DisplayText(kDate, L'_'), L"__/__");
    EXPECT_EQ(DisplayText(literals, L'_'), L"abc");
    EXPECT_EQ(DisplayText(Parse(L"[?]"), L'#'), L"#");
    EXPECT_EQ(DisplayChar(kDate, -1, L'_'), L'_');
    EXPECT_EQ(DisplayChar(kDate, 5, L'_'), L'_');
}

TEST(MaskModel, FitText) {
    EXPECT_EQ(FitText(kDate, L"abcde", L'_', true), L"__/__");
    EXPECT_EQ(FitText(kDate, L"1234567", L'_', true), L"12/45");
    EXPECT_EQ(FitText(kDate, L"1", L'_', true), L"1_/__");
    EXPECT_EQ(FitText(kDate, L"12x45zz", L'_', false), L"12/45zz");
    EXPECT_EQ(FitText(Parse(L"[]-[]"), L"a", L'_', true), L"a- "); // padding stays at any-character positions
    // A new placeholder replaces the old one only where the set lacks it.
    EXPECT_EQ(FitText(Parse(L"[0-9][_*]"), L"__", L'*', true), L"*_");
}

TEST(MaskModel, ResetRange) {
    EXPECT_EQ(ResetRange(kDate, L"12/34", L'_', true, 0, 2), L"__/34");
    EXPECT_EQ(ResetRange(kDate, L"12/34zz", L'_', false, 3, 7), L"12/__");
    EXPECT_EQ(ResetRange(kDate, L"12/34zz", L'_', false, 6, 7), L"12/34z");
    EXPECT_EQ(ResetRange(kDate, L"12", L'_', true, -3, 10), L"__"); // never lengthens the text
    EXPECT_EQ(ResetRange(kDate, L"12/34zz", L'_', false, INT_MIN, INT_MAX), L"__/__");
}

TEST(MaskSnap, ForwardAndBackward) {
    EXPECT_EQ(Snap(kDate, true, 2, 2), (Sel{3, 3}));
    EXPECT_EQ(Snap(kDate, true, 1, 2), (Sel{1, 2})); // Shift+Right from 1 ...
    EXPECT_EQ(Snap(kDate, true, 1, 3), (Sel{1, 2})); // ... and again: never over the '/'
    EXPECT_EQ(Snap(kDate, true, 3, 1), (Sel{1, 2}));
    EXPECT_EQ(Snap(kDate, true, 2, 4), (Sel{3, 3})); // starting on a literal: a caret after it
    EXPECT_EQ(Snap(kDate, false, 3, 3), (Sel{2, 2}));
    EXPECT_EQ(Snap(kDate, false, 0, 5), (Sel{3, 5}));
    EXPECT_EQ(Snap(kParen, true, 0, 0), (Sel{2, 2}));
    EXPECT_EQ(Snap(kParen, true, 4, 4), (Sel{3, 3}));  // End
    EXPECT_EQ(Snap(kParen, false, 0, 0), (Sel{2, 2})); // Home
    EXPECT_EQ(Snap(kParen, true, 0, 1), (Sel{2, 2}));
    EXPECT_EQ(Snap(kParen, false, 4, 4), (Sel{4, 4})); // behind the trailing literal, left as asked
    EXPECT_EQ(Snap(Parse(L"abc"), true, 1, 1), (Sel{3, 3}));
    EXPECT_EQ(Snap(Parse(L"abc"), false, 0, 0), (Sel{3, 3}));
    EXPECT_EQ(Snap(Parse(L"abc"), true, 3, 3), (Sel{3, 3})); // no input position: the end
    EXPECT_EQ(Snap(kDate, true, INT_MAX, INT_MAX), (Sel{5, 5}));
}

TEST(MaskSnap, PassThroughAndVariableLength) {
    EXPECT_FALSE(SnapSelection(kDate, true, true, 0, -1));
    EXPECT_FALSE(SnapSelection(kDate, true, false, -1, -1));
    EXPECT_FALSE(SnapSelection(kDate, false, true, 5, 7));
    EXPECT_EQ(SnapSelection(kDate, false, true, 0, 7), (Sel{0, 2}));
    EXPECT_EQ(SnapSelection(kDate, false, false, 0, 7), (Sel{3, 7}));
    EXPECT_EQ(SnapSelection(kDate, false, true, 2, 2), (Sel{3, 3})); // within the mask: as fixed length
}

TEST(MaskTyping, OverwritesInputPositions) {
    Edit e = Type(kDate, true, L"__/__", 0, 0, L"1");
    EXPECT_EQ(e.text, L"1_/__");
    EXPECT_EQ(e.caret, 1);
    e = Type(kDate, true, e.text, 1, 1, L"2");
    EXPECT_EQ(e.text, L"12/__");
    EXPECT_EQ(e.caret, 3); // stepped over the '/'
    e = Type(kDate, true, L"__/__", 0, 0, L"x");
    EXPECT_EQ(e.text, L"__/__");
    EXPECT_EQ(e.caret, 1); // where the edit control left it
    e = Type(kDate, true, L"__/__", 2, 2, L"5");
    EXPECT_EQ(e.text, L"__/5_");
    EXPECT_EQ(e.caret, 4);
    e = Type(kDate, true, L"12/34", 0, 5, L"9"); // select-all then 9
    EXPECT_EQ(e.text, L"92/34");
    EXPECT_EQ(e.caret, 1);
    e = Type(kDate, true, L"__/__", 0, 0, L"1234"); // the paste control character while typing
    EXPECT_EQ(e.text, L"12/34");
    EXPECT_EQ(e.caret, 5);
    e = Type(kDate, true, L"1", 1, 1, L"2"); // a short text is fitted first
    EXPECT_EQ(e.text, L"12/__");
    EXPECT_FALSE(RepairTyping(kDate, L"12/34", L"12/34", true, 0, 0, 0));

    EXPECT_TRUE(RefusesTyping(kDate, true, 5));
    EXPECT_FALSE(RefusesTyping(kDate, false, 5));
    EXPECT_FALSE(RefusesTyping(kParen, true, 4)); // behind the trailing literal: not refused here
    EXPECT_EQ(BackspaceStart(0, 0), std::nullopt);
    EXPECT_EQ(BackspaceStart(3, 3), 2);
    EXPECT_EQ(BackspaceStart(1, 3), 1);
}

TEST(MaskTyping, VariableLengthFreeText) {
    Edit e = Type(kDate, false, L"12/34", 5, 5, L"z");
    EXPECT_EQ(e.text, L"12/34z");
    EXPECT_EQ(e.caret, 6);
    e = Type(kDate, false, L"12/34ab", 5, 7, L"z"); // selected free characters are replaced
    EXPECT_EQ(e.text, L"12/34z");
    e = Type(kDate, false, L"12/34ab", 4, 6, L"z"); // the '4' is only overwritten (refused), 'a' goes
    EXPECT_EQ(e.text, L"12/34b");
    // Left-over characters go in at p + used, behind as many free characters as positions were used.
    e = Type(kDate, false, L"12/34ab", 4, 4, L"99");
    EXPECT_EQ(e.text, L"12/39a9b");
    EXPECT_EQ(e.caret, 7);
}

TEST(MaskRepair, DeleteAndPaste) {
    EXPECT_EQ(RepairDelete(kDate, L"2/34", L'_', 0, 0), L"_2/34");
    EXPECT_EQ(RepairDelete(kDate, L"/34", L'_', 0, 2), L"__/34");
    EXPECT_EQ(RepairDelete(kDate, L"1234", L'_', 2, 2), L"12/34");
    EXPECT_EQ(RepairDelete(kDate, L"12/34z", L'_', 6, 6), L"12/34z"); // free text: really deleted
    EXPECT_EQ(RepairDelete(kDate, L"2", L'_', 3, 9), L"2__");         // past the text: appended
    EXPECT_EQ(RepairDelete(kDate, L"", L'_', INT_MAX, INT_MAX), L"");

    // Whatever a key made the edit control do, the mask comes back whole.
    auto key = [](std::wstring_view before, std::wstring_view after, int s0, int e0, int caret) {
        Edit e = RepairKey(kDate, before, after, L'_', true, s0, e0, caret);
        return std::pair(e.text, e.caret);
    };
    EXPECT_EQ(key(L"12/34", L"2/34", 0, 0, 0), std::pair(std::wstring(L"_2/34"), 0));      // Delete
    EXPECT_EQ(key(L"12/34", L"/34", 0, 0, 0), std::pair(std::wstring(L"__/34"), 0));       // a word
    EXPECT_EQ(key(L"12/34", L"1/34", 2, 2, 1), std::pair(std::wstring(L"1_/34"), 1));      // to the left
    EXPECT_EQ(key(L"12/34", L"/34", 2, 2, 0), std::pair(std::wstring(L"__/34"), 0));       // a word left
    EXPECT_EQ(key(L"__/__", L"1234__/__", 0, 0, 4), std::pair(std::wstring(L"12/34"), 5)); // put in
    EXPECT_EQ(key(L"12/34", L"9/34", 0, 2, 1), std::pair(std::wstring(L"92/34"), 1));      // over a selection
    EXPECT_EQ(key(L"12/34", L"12/35", 4, 4, 4).first, L"12/35");

    std::optional<Edit> p = OverlayPaste(kDate, L"__/__", L"1234__/__", 0, 0, 4);
    ASSERT_TRUE(p);
    EXPECT_EQ(p->text, L"12/4_"); // literals use up a pasted character
    EXPECT_EQ(p->caret, 4);
    p = OverlayPaste(kDate, L"__/__", L"12/34__/__", 0, 0, 5);
    EXPECT_EQ(p->text, L"12/34");
    p = OverlayPaste(kDate, L"12/34", L"1x/34", 1, 2, 2); // refused: the position keeps its '2'
    EXPECT_EQ(p->text, L"12/34");
    EXPECT_EQ(p->caret, 2);
    p = OverlayPaste(kDate, L"12/34zz", L"12/34zz99", 7, 7, 9); // beyond the mask: dropped
    EXPECT_EQ(p->text, L"12/34zz");
    EXPECT_FALSE(OverlayPaste(kDate, L"ab", L"ab", 0, 0, 0));
    p = OverlayPaste(kDate, L"", L"123456789", INT_MIN, INT_MAX, INT_MAX);
    EXPECT_EQ(p->text, L"");
}
