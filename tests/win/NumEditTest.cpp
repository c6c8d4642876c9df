// The numeric edit in a real window. Which character the filter takes and how a value is rounded
// are the numeric model's rules, checked natively; here, that the window applies them to its own
// text, selection and range.
#include "Harness.h"

using namespace harness;

class NumEditTest : public WindowTest {
protected:
    CNumEdit edit;
    BeepCounter beeps;
    void SetUp() override {
        ASSERT_TRUE(edit.Create(WS_CHILD | WS_VISIBLE | WS_BORDER, Rect(10, 10, 200, 34), &host, 1));
    }
};

// The filter judges a character on the window's text and selection; what it refuses beeps and
// changes nothing, the selection included (Ctrl+V does not paste).
TEST_F(NumEditTest, TypingIsFilteredOnTheTextAndSelection) {
    for (auto [text, start, end, typed, after, beeps] : {std::tuple{L"", 0, 0, L"-1.5", L"-1.5", 0},
                                                         {L"-1.5", 4, 4, L".\x16", L"-1.5", 2},
                                                         {L"12.5", 2, 4, L".", L"12.", 0}}) {
        ::SetWindowTextW(edit, text);
        SetSel(edit, start, end);
        BeepCounter counted;
        TypeChars(edit, typed);
        const int caret =
            static_cast<int>(std::wstring_view(after).size()); // where accepted typing leaves it
        EXPECT_EQ(std::tuple(TextOf(edit), counted.beeps(), SelOf(edit)),
                  std::tuple(after, std::vector<UINT>(beeps, MB_ICONQUESTION),
                             beeps ? std::pair(start, end) : std::pair(caret, caret)));
    }
}

// WM_SETTEXT takes only a value in the range; IsValueInRange also wants a number in the text.
// Values are read and shown through the formatting.
TEST_F(NumEditTest, TextFromOutsideIsTestedAgainstTheRange) {
    edit.SetRange(-5, 5); // either order; read back upper bound first
    double upper = 0, lower = 0;
    edit.GetRange(upper, lower);
    EXPECT_EQ(std::pair(upper, lower), std::pair(5.0, -5.0));
    for (auto [text, result, inRange] :
         {std::tuple{L"5", 1, true}, {L"", 1, false}, {L".", 1, false}, {L"-", 1, true}, {L"6", -1, true}}) {
        EXPECT_EQ(edit.SendMessage(WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text)), result) << text;
        EXPECT_EQ(edit.IsValueInRange() != FALSE, inRange) << text;
    }
    EXPECT_EQ(TextOf(edit), L"-"); // the refused "6" changed nothing
    edit.SetWindowText(L"-0.125");
    EXPECT_EQ(edit.GetValueString(), CString(L"-0.13")); // read through the formatting
    EXPECT_DOUBLE_EQ(edit.GetValue(), -0.13);
    edit.SetDecimalDigits(0);
    EXPECT_EQ(TextOf(edit), L"-0.125"); // storing the count does not reformat
    EXPECT_FALSE(edit.SetValue(6));
    EXPECT_TRUE(edit.SetValue(2.5));
    EXPECT_EQ(std::pair(TextOf(edit), beeps.count()), std::pair(std::wstring(L"3"), size_t(0)));
}

// With a decimal comma the user types, sees and is read in it; '.' is refused; the values are the
// same as with the point, and a separator that could be part of a number is refused.
TEST_F(NumEditTest, DecimalCommaIsTypedShownAndRead) {
    edit.SetDecimalSeparator(L',');
    for (auto [typed, after, beeps, value] :
         {std::tuple{L"-1,5", L"-1,5", 0, -1.5}, {L"2.5", L"25", 1, 25.0}, {L"3,,7", L"3,7", 1, 3.7}}) {
        ::SetWindowTextW(edit, L"");
        BeepCounter counted;
        TypeChars(edit, typed);
        EXPECT_EQ(std::tuple(TextOf(edit), counted.beeps().size(), edit.GetValue()),
                  std::tuple(std::wstring(after), size_t(beeps), value))
            << typed;
    }
    EXPECT_TRUE(edit.SetValue(2.25));
    EXPECT_EQ(std::pair(TextOf(edit), edit.GetValueString()),
              std::pair(std::wstring(L"2,25"), CString(L"2,25")));
    ::SetWindowTextW(edit, L",");
    EXPECT_FALSE(edit.IsValueInRange());
    EXPECT_TRUE(RaisesInvalidArg([&] { edit.SetDecimalSeparator(L'5'); }));
    EXPECT_EQ(edit.GetDecimalSeparator(), L',');
}
