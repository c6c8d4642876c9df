// The numeric edit in a real window, driven by the messages typing produces. Which character the
// filter takes and how a value is rounded are the numeric model's rules, checked natively; here,
// that the window applies them.
#include "Harness.h"

#include <cfloat>

using namespace harness;

namespace {

class NumEditTest : public WindowTest {
protected:
    CNumEdit edit;
    BeepCounter beeps;
    void SetUp() override {
        ASSERT_TRUE(edit.Create(WS_CHILD | WS_VISIBLE | WS_BORDER, Rect(10, 10, 200, 34), &host, 1));
    }
    std::wstring Text() { return TextOf(edit.m_hWnd); }
};

// What the filter refuses beeps and changes nothing (the caret stays); what it drops is silent.
TEST_F(NumEditTest, TypingSignDigitsAndOnePoint) {
    const std::wstring ctrlV(1, wchar_t(0x16));
    struct Row {
        const wchar_t* text;
        int start, end;
        std::wstring typed;
        double lower; // of the range
        const wchar_t* after;
        size_t beeps;
    } rows[] = {
        {L"", 0, 0, L"-1.5", -DBL_MAX, L"-1.5", 0},
        {L"-1.5", 4, 4, L".", -DBL_MAX, L"-1.5", 1},
        {L"-1.5", 0, 0, L".-", -DBL_MAX, L"-1.5", 2},
        {L"12", 1, 1, L"a\t\r+" + ctrlV, -DBL_MAX, L"12", 5}, // Ctrl+V is not let through
        {L"12", 1, 1, L"\b", -DBL_MAX, L"2", 0},
        {L"12.5", 2, 4, L".", -DBL_MAX, L"12.", 0}, // ".5" selected: the point replaces itself
        {L"-3", 0, -1, L"-", -DBL_MAX, L"-", 0},
        {L"-3", 0, 0, L"7", -DBL_MAX, L"7-3", 0}, // digits may go in front of the sign
        {L"", 0, 0, L"-5", 0, L"5", 0},           // no negative values: the sign is swallowed
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(testing::Message() << "\"" << r.text << "\" + " << r.typed.size() << " chars");
        edit.SetRange(r.lower, 100);
        ::SetWindowTextW(edit, r.text);
        SetSel(edit, r.start, r.end);
        BeepCounter counted;
        TypeChars(edit, r.typed);
        EXPECT_EQ(Text(), r.after);
        EXPECT_EQ(counted.beeps(), std::vector<UINT>(r.beeps, MB_ICONQUESTION));
        if (r.beeps) {
            EXPECT_EQ(SelOf(edit), std::make_pair(r.start, r.end));
        }
    }
}

TEST_F(NumEditTest, NonNegativeRangeSwallowsTheSignSilently) {
    for (auto [a, b] : {std::pair{100.0, 0.0}, std::pair{0.0, 100.0}}) {
        edit.SetRange(a, b);
        double upper = 0, lower = 0;
        edit.GetRange(upper, lower);
        EXPECT_EQ(upper, 100); // in either order
        EXPECT_EQ(lower, 0);
    }
}

TEST_F(NumEditTest, TextFromOutsideIsTestedAgainstTheRange) {
    edit.SetRange(1, 10);
    edit.SetWindowText(L"5");
    EXPECT_EQ(Text(), L"5");
    EXPECT_EQ(edit.SendMessage(WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L"")), -1);
    EXPECT_EQ(edit.SendMessage(WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L"abc")), -1);
    edit.SetWindowText(L"11");
    EXPECT_EQ(Text(), L"5");
    EXPECT_FALSE(edit.SetValue(11));
    EXPECT_TRUE(edit.SetValue(10));
    EXPECT_EQ(Text(), L"10.00");
    EXPECT_EQ(beeps.count(), 0u);
}

// The window shows and reads values through the model's formatting: the digits it keeps, halves
// away from zero.
TEST_F(NumEditTest, ValueFormattingAndRounding) {
    EXPECT_EQ(edit.GetValueString(), CString(L"0.00"));
    TypeChars(edit, L"-0.125");
    EXPECT_EQ(Text(), L"-0.125"); // typed text is rounded when it is read
    EXPECT_EQ(edit.GetValueString(), CString(L"-0.13"));
    EXPECT_DOUBLE_EQ(edit.GetValue(), -0.13);
    edit.SetDecimalDigits(0);
    EXPECT_EQ(Text(), L"-0.125"); // storing the count does not reformat
    const struct {
        double value;
        int digits;
        const wchar_t* shown;
    } rows[] = {{2.5, 0, L"3"}, {2.0, 3, L"2.000"}, {0.125, 2, L"0.13"}};
    for (const auto& row : rows) {
        SCOPED_TRACE(row.shown);
        edit.SetDecimalDigits(row.digits);
        EXPECT_TRUE(edit.SetValue(row.value));
        EXPECT_EQ(Text(), row.shown);
        EXPECT_EQ(edit.GetValueString(), CString(row.shown));
    }
}

TEST_F(NumEditTest, ValueInRangeJudgesTheText) {
    struct Row {
        double lower;
        const wchar_t* text;
        bool inRange;
    } rows[] = {{-5, L"", false}, {-5, L".", false}, {-5, L"-", true}, {1, L"-", false}}; // "-" is 0
    for (const Row& r : rows) {
        SCOPED_TRACE(r.text);
        edit.SetRange(r.lower, 5);
        edit.SetWindowText(r.text);
        EXPECT_EQ(edit.IsValueInRange() != FALSE, r.inRange);
    }
}

// SetValue bypasses the class's own text handling, so a derived refusal does not apply.
class RefusingNumEdit : public CNumEdit {
public:
    int calls = 0;

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override {
        if (message == WM_SETTEXT) {
            ++calls;
            return -1;
        }
        return CNumEdit::WindowProc(message, wParam, lParam);
    }
};

TEST_F(NumEditTest, SetValueGoesStraightToTheEditControl) {
    RefusingNumEdit refusing;
    ASSERT_TRUE(refusing.Create(WS_CHILD | WS_VISIBLE | WS_BORDER, Rect(10, 40, 200, 64), &host, 2));
    EXPECT_TRUE(refusing.SetValue(3.5));
    EXPECT_EQ(TextOf(refusing), L"3.50");
    EXPECT_EQ(refusing.calls, 0);
}

} // namespace
