// The numeric edit in a real window, driven by the messages typing produces.
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

TEST_F(NumEditTest, TypingSignDigitsAndOnePoint) {
    TypeChars(edit, L"-1.5");
    EXPECT_EQ(Text(), L"-1.5");
    EXPECT_EQ(beeps.count(), 0u);
    TypeChars(edit, L".");
    SetSel(edit, 0, 0);
    TypeChars(edit, L".-");
    SetSel(edit, 2, 2);
    TypeChars(edit, L"-");
    EXPECT_EQ(Text(), L"-1.5");
    EXPECT_EQ(beeps.beeps(),
              (std::vector<UINT>{MB_ICONQUESTION, MB_ICONQUESTION, MB_ICONQUESTION, MB_ICONQUESTION}));
}

TEST_F(NumEditTest, RefusedCharactersBeepAndChangeNothing) {
    TypeChars(edit, L"12");
    SetSel(edit, 1, 1);
    TypeChars(edit, L"a\t\r+");
    TypeChars(edit, std::wstring(1, wchar_t(0x16))); // Ctrl+V is not let through
    EXPECT_EQ(Text(), L"12");
    EXPECT_EQ(SelOf(edit), std::make_pair(1, 1));
    EXPECT_EQ(beeps.count(), 5u);
    TypeChars(edit, L"\b");
    EXPECT_EQ(Text(), L"2");
}

TEST_F(NumEditTest, PointAndSignAgainstTheSelection) {
    edit.SetWindowText(L"12.5");
    SetSel(edit, 2, 2);
    TypeChars(edit, L".");
    EXPECT_EQ(beeps.count(), 1u);
    SetSel(edit, 2, 4); // ".5" selected: the point replaces itself
    TypeChars(edit, L".");
    EXPECT_EQ(Text(), L"12.");
    edit.SetWindowText(L"-3");
    SetSel(edit, 1, 1);
    TypeChars(edit, L"-");
    EXPECT_EQ(beeps.count(), 2u);
    SetSel(edit, 0, -1);
    TypeChars(edit, L"-");
    EXPECT_EQ(Text(), L"-");
    SetSel(edit, 0, 0);
    TypeChars(edit, L"7"); // digits may go in front of the sign
    EXPECT_EQ(Text(), L"7-");
}

TEST_F(NumEditTest, NonNegativeRangeSwallowsTheSignSilently) {
    edit.SetRange(100, 0);
    double a = 0, b = 0;
    edit.GetRange(a, b);
    EXPECT_EQ(a, 100);
    EXPECT_EQ(b, 0);
    TypeChars(edit, L"-5");
    EXPECT_EQ(Text(), L"5");
    EXPECT_EQ(beeps.count(), 0u);
    edit.SetRange(0, 100);
    edit.GetRange(a, b);
    EXPECT_EQ(a, 100);
    EXPECT_EQ(b, 0);
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

TEST_F(NumEditTest, ValueFormattingAndRounding) {
    EXPECT_EQ(edit.GetValueString(), CString(L"0.00"));
    TypeChars(edit, L"1.23456");
    EXPECT_EQ(Text(), L"1.23456");
    EXPECT_EQ(edit.GetValueString(), CString(L"1.23"));
    EXPECT_DOUBLE_EQ(edit.GetValue(), 1.23);
    edit.SetDecimalDigits(0);
    EXPECT_EQ(Text(), L"1.23456"); // storing the count does not reformat
    EXPECT_TRUE(edit.SetValue(2.0));
    EXPECT_EQ(Text(), L"2");
    edit.SetDecimalDigits(3);
    EXPECT_TRUE(edit.SetValue(2.0));
    EXPECT_EQ(Text(), L"2.000");
}

// The DLL rounds as the native unit does: halves away from zero, by the exact binary value.
TEST_F(NumEditTest, HalvesRoundAwayFromZeroInTheWindow) {
    const struct {
        double value;
        int digits;
        const wchar_t* shown;
    } rows[] = {
        {0.125, 2, L"0.13"}, {-0.125, 2, L"-0.13"}, {2.5, 0, L"3"},    {0.5, 0, L"1"},
        {-2.5, 0, L"-3"},    {1.005, 2, L"1.00"},   {0.0, 2, L"0.00"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.shown);
        edit.SetDecimalDigits(row.digits);
        EXPECT_TRUE(edit.SetValue(row.value));
        EXPECT_EQ(Text(), row.shown);
        EXPECT_EQ(edit.GetValueString(), CString(row.shown));
        EXPECT_EQ(edit.GetValue(), ::_wtof(row.shown));
    }
    // Typed text is rounded when it is read.
    edit.SetDecimalDigits(2);
    edit.SetWindowText(L"");
    TypeChars(edit, L"-0.125");
    EXPECT_EQ(edit.GetValueString(), CString(L"-0.13"));
    EXPECT_TRUE(edit.SetValue(DBL_MAX));
    EXPECT_EQ(Text().size(), 309u + 3u);
    EXPECT_EQ(Text().substr(0, 17) + Text().substr(306), L"17976931348623157368.00");
}

TEST_F(NumEditTest, ValueInRangeJudgesTheText) {
    edit.SetRange(-5, 5);
    EXPECT_FALSE(edit.IsValueInRange()); // empty
    edit.SetWindowText(L".");
    EXPECT_FALSE(edit.IsValueInRange());
    edit.SetWindowText(L"-");
    EXPECT_TRUE(edit.IsValueInRange()); // the value 0
    edit.SetRange(1, 5);
    EXPECT_FALSE(edit.IsValueInRange());
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

TEST_F(NumEditTest, RunTimeClass) {
    EXPECT_TRUE(edit.IsKindOf(RUNTIME_CLASS(CEdit)));
    EXPECT_TRUE(edit.IsKindOf(RUNTIME_CLASS(CNumEdit)));
    EXPECT_STREQ(edit.GetRuntimeClass()->m_lpszClassName, "CNumEdit");
    EXPECT_EQ(CRuntimeClass::FromName(L"CNumEdit"), RUNTIME_CLASS(CNumEdit));
    EXPECT_EQ(CRuntimeClass::FromName("CNumEdit")->m_pBaseClass, RUNTIME_CLASS(CEdit));
}

} // namespace
