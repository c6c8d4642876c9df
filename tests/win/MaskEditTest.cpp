// The masked edit in a real window: typing, keys, clicks, clipboard and text set from outside,
// with the repairs checked against what the edit control itself did.
#include "Harness.h"

using namespace harness;

namespace {

using Sel = std::pair<int, int>;

class TestMaskEdit : public CMaskEditEx {
public:
    using CMaskEditEx::GetFirstNoMaskPos;
    using CMaskEditEx::GetLastNoMaskPos;
    using CMaskEditEx::GetMaskChar;
    INT_PTR MaskSize() const { return m_arrayMask.GetSize(); }
};

constexpr LPCWSTR kDate = L"[0-9][0-9]/[0-9][0-9]";

class MaskEditTest : public WindowTest {
protected:
    TestMaskEdit edit;
    BeepCounter beeps;
    void SetUp() override {
        ASSERT_TRUE(
            edit.Create(WS_CHILD | WS_VISIBLE | WS_BORDER | ES_AUTOHSCROLL, Rect(10, 10, 200, 34), &host, 1));
        ASSERT_TRUE(edit.SetMaskString(kDate, '_'));
    }
    std::wstring Text() { return TextOf(edit); }
    Sel Selection() { return SelOf(edit); }
    // Puts the caret where the edit control would, without the snapping.
    void PlaceCaret(int pos) { edit.DefWindowProc(EM_SETSEL, static_cast<WPARAM>(pos), pos); }
    void Fill(LPCWSTR text, int caret) {
        edit.SetText(text);
        PlaceCaret(caret);
    }
};

TEST_F(MaskEditTest, TypingOverwritesAndStepsOverLiterals) {
    EXPECT_EQ(Text(), L"__/__");
    PlaceCaret(0);
    TypeChars(edit, L"1");
    EXPECT_EQ(Text(), L"1_/__");
    EXPECT_EQ(Selection(), Sel(1, 1));
    TypeChars(edit, L"2");
    EXPECT_EQ(Text(), L"12/__");
    EXPECT_EQ(Selection(), Sel(3, 3));

    Fill(L"", 0);
    TypeChars(edit, L"x"); // refused by its position, silently
    EXPECT_EQ(Text(), L"__/__");
    EXPECT_EQ(Selection(), Sel(1, 1));
    PlaceCaret(2); // before the '/'
    TypeChars(edit, L"5");
    EXPECT_EQ(Text(), L"__/5_");
    EXPECT_EQ(Selection(), Sel(4, 4));
    EXPECT_EQ(beeps.count(), 0u);

    PlaceCaret(5);
    TypeChars(edit, L"1");
    EXPECT_EQ(Text(), L"__/5_");
    EXPECT_EQ(beeps.beeps(), std::vector<UINT>{MB_ICONQUESTION});
}

TEST_F(MaskEditTest, SelectAllThenTypingOverwritesOnePosition) {
    edit.SetText(L"12/34");
    SetSel(edit, 0, -1);
    EXPECT_EQ(Selection(), Sel(0, 5)); // select-all passes through unsnapped
    TypeChars(edit, L"9");
    EXPECT_EQ(Text(), L"92/34");
    EXPECT_EQ(Selection(), Sel(1, 1));
}

TEST_F(MaskEditTest, BackspaceAndDeletePutDisplayCharactersBack) {
    Fill(L"12/34", 3);
    TypeChars(edit, L"\b"); // over the literal: only the caret moves
    EXPECT_EQ(Text(), L"12/34");
    EXPECT_EQ(Selection(), Sel(2, 2));
    TypeChars(edit, L"\b");
    EXPECT_EQ(Text(), L"1_/34");
    EXPECT_EQ(Selection(), Sel(1, 1));

    Fill(L"12/34", 0);
    TypeChars(edit, L"\b"); // nothing before the caret, and no sound
    EXPECT_EQ(Text(), L"12/34");
    PressKey(edit, VK_DELETE);
    EXPECT_EQ(Text(), L"_2/34");
    EXPECT_EQ(Selection(), Sel(0, 0));
    edit.DefWindowProc(EM_SETSEL, 1, 4);
    PressKey(edit, VK_DELETE);
    EXPECT_EQ(Text(), L"__/_4");
    EXPECT_EQ(Selection(), Sel(1, 1));
    EXPECT_EQ(beeps.count(), 0u);
}

TEST_F(MaskEditTest, SelectionNeverReachesOverALiteral) {
    Fill(L"12/34", 1);
    {
        KeysDown shift{VK_SHIFT};
        PressKey(edit, VK_RIGHT);
        EXPECT_EQ(Selection(), Sel(1, 2));
        PressKey(edit, VK_RIGHT);
        EXPECT_EQ(Selection(), Sel(1, 2));
    }
    SetSel(edit, 2, 4); // starts on the literal: a caret at the next input position
    EXPECT_EQ(Selection(), Sel(3, 3));
    SetSel(edit, 4, 0);
    EXPECT_EQ(Selection(), Sel(0, 2));
    SetSel(edit, 4, 4);
    PressKey(edit, VK_LEFT); // snapped backward, over the '/'
    EXPECT_EQ(Selection(), Sel(2, 2));
}

TEST_F(MaskEditTest, LiteralsAtBothEndsBoundTheCaret) {
    ASSERT_TRUE(edit.SetMaskString(L"(x[0-9])", '_'));
    EXPECT_EQ(Text(), L"(x_)");
    EXPECT_EQ(edit.GetFirstNoMaskPos(), 2);
    EXPECT_EQ(edit.GetLastNoMaskPos(), 3);
    SetSel(edit, 0, 0);
    EXPECT_EQ(Selection(), Sel(2, 2));
    SetSel(edit, 4, 4);
    EXPECT_EQ(Selection(), Sel(3, 3));
    PressKey(edit, VK_HOME);
    EXPECT_EQ(Selection(), Sel(2, 2));
    PressKey(edit, VK_END);
    EXPECT_EQ(Selection(), Sel(3, 3));
}

TEST_F(MaskEditTest, ClickLandsOnTheNextInputPosition) {
    edit.SetText(L"12/34");
    auto slash = static_cast<DWORD>(edit.SendMessage(EM_POSFROMCHAR, 2));
    Click(edit, LOWORD(slash) + 1, HIWORD(slash) + 2);
    EXPECT_EQ(Selection(), Sel(3, 3));
    edit.SetUseMask(FALSE);
    Click(edit, LOWORD(slash) + 1, HIWORD(slash) + 2);
    EXPECT_EQ(Selection(), Sel(2, 2));
}

TEST_F(MaskEditTest, PasteLaysOverPositionsButTypedPasteStepsOverLiterals) {
    SetClipboardText(L"1234");
    PlaceCaret(0);
    edit.SendMessage(WM_PASTE);
    EXPECT_EQ(Text(), L"12/4_");
    EXPECT_EQ(Selection(), Sel(4, 4));

    Fill(L"", 0);
    TypeChars(edit, L"\x16"); // Ctrl+V: the edit control sends itself WM_PASTE
    EXPECT_EQ(Text(), L"12/34");
    EXPECT_EQ(Selection(), Sel(5, 5));

    SetClipboardText(L"9/8x7");
    PlaceCaret(0);
    edit.SendMessage(WM_PASTE); // refused characters keep their positions; the rest is dropped
    EXPECT_EQ(Text(), L"92/37");
    EXPECT_EQ(Selection(), Sel(5, 5));
    EXPECT_EQ(beeps.count(), 0u);
}

TEST_F(MaskEditTest, CutClearAndUndoLeaveTheClipboardAlone) {
    SetClipboardText(L"keep");
    Fill(L"12/34", 0);
    SetSel(edit, 0, 2);
    EXPECT_EQ(edit.SendMessage(WM_CUT), 0);
    EXPECT_EQ(Text(), L"__/34");
    EXPECT_EQ(Selection(), Sel(3, 3));

    SetSel(edit, 3, 4);
    TypeChars(edit, L"\x18"); // Ctrl+X: no fitting follows the cut
    EXPECT_EQ(Text(), L"__/_4");
    SetSel(edit, 4, 5);
    EXPECT_EQ(edit.SendMessage(WM_CLEAR), 0);
    EXPECT_EQ(Text(), L"__/__");
    EXPECT_EQ(GetClipboardText(), L"keep");

    EXPECT_EQ(edit.SendMessage(WM_UNDO), 0);
    EXPECT_EQ(Text(), L"__/__");
}

TEST_F(MaskEditTest, ClipboardAndWordKeysKeepTheMask) {
    SetClipboardText(L"1234");
    PlaceCaret(0);
    {
        KeysDown shift{VK_SHIFT};
        PressKey(edit, VK_INSERT); // the keyboard's paste: as WM_PASTE
        EXPECT_EQ(Text(), L"12/4_");
        SetSel(edit, 0, 2);
        PressKey(edit, VK_DELETE); // the keyboard's cut: as WM_CUT, the clipboard untouched
        EXPECT_EQ(Text(), L"__/4_");
        PlaceCaret(4);
        PressKey(edit, VK_DELETE);
        EXPECT_EQ(Text(), L"__/4_");
    }
    EXPECT_EQ(GetClipboardText(), L"1234");

    Fill(L"12/34", 0);
    {
        KeysDown ctrl{VK_CONTROL};
        PressKey(edit, VK_DELETE); // however much the edit control deletes, the mask stays whole
    }
    EXPECT_EQ(Text().size(), 5u);
    EXPECT_EQ(Text()[2], L'/');
    EXPECT_EQ(Selection(), Sel(0, 0));
}

TEST_F(MaskEditTest, VariableLengthKeepsFreeCharactersAfterTheMask) {
    edit.SetTextLengthByMask(FALSE);
    edit.SetText(L"12x45zz");
    EXPECT_EQ(Text(), L"12/45zz");
    Fill(L"12/34", 5);
    TypeChars(edit, L"z");
    EXPECT_EQ(Text(), L"12/34z");
    EXPECT_EQ(Selection(), Sel(6, 6));
    SetSel(edit, 6, 4); // may reach into the free text
    EXPECT_EQ(Selection(), Sel(4, 6));
    SetSel(edit, 6, 1); // but not back over a literal
    EXPECT_EQ(Selection(), Sel(1, 2));
    EXPECT_EQ(beeps.count(), 0u);
}

TEST_F(MaskEditTest, SetTextFitsAndReMaskAppliesANewPlaceholder) {
    edit.SetText(L"abcde");
    EXPECT_EQ(Text(), L"__/__");
    edit.SetText(L"1234567");
    EXPECT_EQ(Text(), L"12/45");
    edit.SetText(L"1");
    EXPECT_EQ(Text(), L"1_/__");
    {
        MessageRecorder rec(edit, [](UINT m) { return m == WM_SETTEXT; });
        edit.SetText(L"1"); // already shown: the text is not set again
        EXPECT_TRUE(rec.messages.empty());
    }
    edit.SetPlaceHolder('#');
    EXPECT_EQ(Text(), L"1_/__");
    edit.ReMask();
    EXPECT_EQ(Text(), L"1#/##");
    // The mask never filters WM_SETTEXT itself.
    edit.SetWindowText(L"abc");
    EXPECT_EQ(Text(), L"abc");
}

TEST_F(MaskEditTest, UnparsableMaskKeepsWhatCameBeforeTheError) {
    EXPECT_FALSE(edit.SetMaskString(L"12[a", '#'));
    ASSERT_EQ(edit.MaskSize(), 2);
    EXPECT_EQ(edit.GetMaskChar(0), '1');
    EXPECT_EQ(edit.GetMaskChar(1), '2');
    EXPECT_EQ(edit.GetPlaceHolder(), '_');
    EXPECT_EQ(Text(), L"__/__");
    for (int pos : {-1, 2}) {
        bool thrown = false;
        try {
            edit.GetMaskChar(pos);
        } catch (CInvalidArgException* e) {
            thrown = true;
            e->Delete();
        }
        EXPECT_TRUE(thrown) << pos;
    }
    EXPECT_TRUE(edit.SetMaskString(L"[", '_')); // a lone '[' is an empty mask
    EXPECT_EQ(edit.MaskSize(), 0);
    EXPECT_EQ(Text(), L"");
}

// The repairs hold back painting: WM_SETREDRAW FALSE before the edit control acts, TRUE and a
// full invalidation at the end, only TRUE when nothing changed.
class MaskEditRedrawTest : public MaskEditTest {
protected:
    MessageRecorder::Msg M(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) {
        return {message, wParam, lParam};
    }
    std::vector<MessageRecorder::Msg> Recorded(const MessageRecorder& rec) {
        auto msgs = rec.messages;
        for (auto& m : msgs)
            if (m.message == WM_SETTEXT || m.message == WM_CHAR || m.message == WM_KEYDOWN) m.lParam = 0;
        return msgs;
    }
    bool WhollyInvalid() {
        RECT update{}, client{};
        edit.GetClientRect(&client);
        return ::GetUpdateRect(edit, &update, FALSE) && ::EqualRect(&update, &client);
    }
    bool Invalid() { return ::GetUpdateRect(edit, nullptr, FALSE); }
    // Records the messages of a repair. The window is validated as each WM_SETREDRAW arrives, so
    // what is invalid afterwards was invalidated once redraw was back on.
    MessageRecorder Record() {
        HWND hWnd = edit;
        return MessageRecorder(edit, [hWnd](UINT m) {
            if (m == WM_SETREDRAW) ::ValidateRect(hWnd, nullptr);
            return m == WM_CHAR || m == WM_KEYDOWN || m == WM_SETREDRAW || m == WM_SETTEXT ||
                   m == EM_SETSEL || m == EM_SCROLLCARET || m == WM_PASTE || m == WM_COPY;
        });
    }
    void SetUp() override {
        MaskEditTest::SetUp();
        Pump();
        ::UpdateWindow(edit);
    }
};

TEST_F(MaskEditRedrawTest, TypedCharacters) {
    PlaceCaret(0);
    MessageRecorder rec = Record();
    edit.SendMessage(WM_CHAR, '1', 1);
    EXPECT_EQ(Recorded(rec), (std::vector{M(WM_CHAR, '1'), M(WM_SETREDRAW, FALSE), M(WM_SETTEXT),
                                          M(EM_SETSEL, 1, 1), M(EM_SCROLLCARET), M(WM_SETREDRAW, TRUE)}));
    EXPECT_TRUE(WhollyInvalid());

    ::UpdateWindow(edit);
    rec.clear();
    edit.SendMessage(WM_CHAR, 0x03, 1); // Ctrl+C copies; the text stays
    EXPECT_EQ(Recorded(rec),
              (std::vector{M(WM_CHAR, 0x03), M(WM_SETREDRAW, FALSE), M(WM_COPY), M(WM_SETREDRAW, TRUE)}));
    EXPECT_FALSE(Invalid());

    // Ctrl+V: the edit control pastes through its own WM_PASTE, the character handler fits it.
    SetClipboardText(L"34");
    rec.clear();
    edit.SendMessage(WM_CHAR, 0x16, 1);
    EXPECT_EQ(Recorded(rec),
              (std::vector{M(WM_CHAR, 0x16), M(WM_SETREDRAW, FALSE), M(WM_PASTE), M(WM_SETTEXT),
                           M(EM_SETSEL, 4, 4), M(EM_SCROLLCARET), M(WM_SETREDRAW, TRUE)}));
    EXPECT_TRUE(WhollyInvalid());
}

TEST_F(MaskEditRedrawTest, KeysAndPaste) {
    edit.SetText(L"12/34");
    PlaceCaret(0);
    ::UpdateWindow(edit);
    MessageRecorder rec = Record();
    edit.SendMessage(WM_KEYDOWN, VK_DELETE, 1);
    EXPECT_EQ(Recorded(rec), (std::vector{M(WM_KEYDOWN, VK_DELETE), M(WM_SETREDRAW, FALSE), M(WM_SETTEXT),
                                          M(EM_SETSEL, 0, 0), M(EM_SCROLLCARET), M(WM_SETREDRAW, TRUE)}));
    EXPECT_TRUE(WhollyInvalid());

    ::UpdateWindow(edit);
    rec.clear();
    edit.SendMessage(WM_KEYDOWN, VK_LEFT, 1); // at the start already
    EXPECT_EQ(Recorded(rec),
              (std::vector{M(WM_KEYDOWN, VK_LEFT), M(WM_SETREDRAW, FALSE), M(WM_SETREDRAW, TRUE)}));
    EXPECT_FALSE(Invalid());

    SetClipboardText(L"");
    rec.clear();
    edit.SendMessage(WM_PASTE);
    EXPECT_EQ(Recorded(rec), (std::vector{M(WM_PASTE), M(WM_SETREDRAW, FALSE), M(WM_SETREDRAW, TRUE)}));
    EXPECT_FALSE(Invalid());
}

TEST_F(MaskEditTest, MaskOffIsAPlainOrNumericEdit) {
    edit.SetUseMask(FALSE);
    edit.SetWindowText(L"");
    TypeChars(edit, L"a/");
    EXPECT_EQ(Text(), L"a/");
    edit.SetUseNumEdit(TRUE);
    edit.SetRange(100, 0);
    edit.SetWindowText(L"");
    TypeChars(edit, L"-1x2.5");
    EXPECT_EQ(Text(), L"12.5");
    EXPECT_EQ(beeps.count(), 1u); // the 'x'; the '-' is swallowed silently
    edit.SetWindowText(L"500");
    EXPECT_EQ(Text(), L"12.5");
    EXPECT_EQ(edit.SendMessage(WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L"-1")), -1);

    SetClipboardText(L"");
    SetSel(edit, 0, 2);
    edit.SendMessage(WM_CUT); // the edit control's own cut
    EXPECT_EQ(Text(), L".5");
    EXPECT_EQ(GetClipboardText(), L"12");

    // The range applies to text set from outside with the mask on, too.
    edit.SetUseMask(TRUE);
    edit.SetWindowText(L"500");
    EXPECT_EQ(Text(), L".5");
}

TEST_F(MaskEditTest, RunTimeClass) {
    EXPECT_TRUE(edit.IsKindOf(RUNTIME_CLASS(CNumEdit)));
    EXPECT_STREQ(RUNTIME_CLASS(CMaskEditEx)->m_lpszClassName, "CMaskEditEx");
    EXPECT_EQ(CRuntimeClass::FromName(L"CMaskEditEx")->m_pBaseClass, RUNTIME_CLASS(CNumEdit));
}

} // namespace
