// End to end through real input: key strokes and clicks pass the input queue, focus, capture and
// hit testing before a control sees them.
#include "ListFixtures.h"

using namespace harness;

using RealInputTest = WindowTest;

TEST_F(RealInputTest, TypingAfterAClickIntoAMaskedAndANumericEdit) {
    BeepCounter beeps;
    CMaskEditEx date;
    CNumEdit number;
    const DWORD style = WS_CHILD | WS_VISIBLE | WS_BORDER | ES_AUTOHSCROLL;
    ASSERT_TRUE(date.Create(style, Rect(10, 10, 200, 34), &host, 1));
    ASSERT_TRUE(number.Create(style, Rect(10, 50, 200, 74), &host, 2));
    date.SetMaskString(L"[0-9][0-9]/[0-9][0-9]/[0-9][0-9][0-9][0-9]", '_');
    real::Click(date, {3, 10}); // before the first character: the caret lands on position 0
    EXPECT_EQ(::GetFocus(), date.m_hWnd);
    real::Type(L"05032024");
    EXPECT_EQ(std::pair(TextOf(date), beeps.count()), std::pair(std::wstring(L"05/03/2024"), size_t(0)));

    real::Click(number, {50, 10});
    real::Type(L"-12a.5"); // the letter is refused with a beep
    EXPECT_EQ(TextOf(number), L"-12.5");
    EXPECT_EQ(beeps.beeps(), std::vector<UINT>{MB_ICONQUESTION});
}

TEST_F(RealInputTest, DataWindowListOpenedAndPickedWithTheMouse) {
    auto* data = new CDataWnd; // deletes itself with its window
    ASSERT_TRUE(data->Create(WS_CHILD | WS_VISIBLE, Rect(10, 10, 210, 34), &host, 1));
    data->SetType(DWT_LIST);
    CStringArray colours;
    data->SetStringArrayBySelectType(Fill(colours, {L"Purple"}));
    data->SetStringArrayBySelectType(Fill(colours, {L"Red", L"Green", L"Blue"})); // replaces the entries
    data->SetText(L"Red");
    real::Pick(data->GetChildDataWnd()->m_hWnd, 2); // opened and picked with the mouse
    EXPECT_EQ(std::tuple(data->IsDroppedDown(), data->GetText(), data->GetModified()),
              std::tuple(FALSE, L"Blue", TRUE)); // the entries as given, in their order
}
