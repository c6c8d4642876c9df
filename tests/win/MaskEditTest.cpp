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

struct Step;

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
    void Run(std::initializer_list<Step> steps);
};

// One step of a user: characters typed, a key pressed (Shift or Ctrl held), a message sent, or a
// selection set from outside, on a text set first with the selection `at` put as the edit control
// would. Where a step ends is the mask model's rule; the rows check that the window takes each way
// in through it, and that the clipboard (`clip`, when given) is only ever read.
struct Act {
    enum Kind { Chars, Key, Message, Select } kind;
    const wchar_t* chars = nullptr;
    UINT code = 0; // key or message
    int modifier = 0;
    Sel sel{};
};
Act Chars(const wchar_t* s) {
    return {Act::Chars, s};
}
Act Key(UINT vk, int modifier = 0) {
    return {Act::Key, nullptr, vk, modifier};
}
Act Message(UINT message) {
    return {Act::Message, nullptr, message};
}
Act Select(int start, int end) {
    return {Act::Select, nullptr, 0, 0, {start, end}};
}

struct Step {
    const char* name;
    const wchar_t* text;
    Sel at;
    Act act;
    const wchar_t* after;
    Sel sel;
    size_t beeps = 0;
    const wchar_t* clip = nullptr;
};

void MaskEditTest::Run(std::initializer_list<Step> steps) {
    for (const Step& st : steps) {
        SCOPED_TRACE(st.name);
        if (st.clip) SetClipboardText(st.clip);
        edit.SetText(st.text);
        edit.DefWindowProc(EM_SETSEL, static_cast<WPARAM>(st.at.first), st.at.second);
        BeepCounter counted;
        const Act& act = st.act;
        if (act.kind == Act::Chars) TypeChars(edit, act.chars);
        if (act.kind == Act::Key) {
            KeysDown held{act.modifier};
            PressKey(edit, act.code);
        }
        if (act.kind == Act::Message) edit.SendMessage(act.code);
        if (act.kind == Act::Select) SetSel(edit, act.sel.first, act.sel.second);
        EXPECT_EQ(Text(), st.after);
        EXPECT_EQ(Selection(), st.sel);
        EXPECT_EQ(counted.count(), st.beeps);
        if (st.clip) {
            EXPECT_EQ(GetClipboardText(), st.clip);
        }
    }
}

TEST_F(MaskEditTest, TypingOverwritesAndStepsOverLiterals) {
    Run({
        {"types over a placeholder", L"", {0, 0}, Chars(L"1"), L"1_/__", {1, 1}},
        {"steps over the literal", L"1", {1, 1}, Chars(L"2"), L"12/__", {3, 3}},
        {"refused by its position, silently", L"", {0, 0}, Chars(L"x"), L"__/__", {1, 1}},
        {"before the literal", L"", {2, 2}, Chars(L"5"), L"__/5_", {4, 4}},
        {"past the end beeps", L"", {5, 5}, Chars(L"1"), L"__/__", {5, 5}, 1},
        {"all selected: overwrites one", L"12/34", {0, 5}, Chars(L"9"), L"92/34", {1, 1}},
        {"backspace over the literal", L"12/34", {3, 3}, Chars(L"\b"), L"12/34", {2, 2}},
        {"backspace puts the placeholder", L"12/34", {2, 2}, Chars(L"\b"), L"1_/34", {1, 1}},
        {"backspace at the start", L"12/34", {0, 0}, Chars(L"\b"), L"12/34", {0, 0}},
        {"delete", L"12/34", {0, 0}, Key(VK_DELETE), L"_2/34", {0, 0}},
        {"delete across the literal", L"12/34", {1, 4}, Key(VK_DELETE), L"1_/_4", {1, 1}},
        {"shift+right at the literal", L"12/34", {1, 2}, Key(VK_RIGHT, VK_SHIFT), L"12/34", {1, 2}},
        {"left back over the literal", L"12/34", {4, 4}, Key(VK_LEFT), L"12/34", {2, 2}},
        {"set on the literal: after it", L"12/34", {0, 0}, Select(2, 4), L"12/34", {3, 3}},
        {"set backward: to the literal", L"12/34", {0, 0}, Select(4, 0), L"12/34", {0, 2}},
        {"select-all passes unsnapped", L"12/34", {0, 0}, Select(0, -1), L"12/34", {0, 5}},
    });
}

TEST_F(MaskEditTest, LiteralsAtBothEndsBoundTheCaret) {
    ASSERT_TRUE(edit.SetMaskString(L"(x[0-9])", '_'));
    EXPECT_EQ(Text(), L"(x_)");
    EXPECT_EQ(edit.GetFirstNoMaskPos(), 2);
    EXPECT_EQ(edit.GetLastNoMaskPos(), 3);
    for (auto [set, vk, expected] :
         {std::tuple{0, 0u, 2}, {4, 0u, 3}, {4, UINT(VK_HOME), 2}, {2, UINT(VK_END), 3}}) {
        SetSel(edit, set, set);
        if (vk) PressKey(edit, vk);
        EXPECT_EQ(Selection(), Sel(expected, expected)) << set << " " << vk;
    }
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
    Run({
        {"pasted", L"", {0, 0}, Message(WM_PASTE), L"12/4_", {4, 4}, 0, L"1234"},
        {"ctrl+v", L"", {0, 0}, Chars(L"\x16"), L"12/34", {5, 5}, 0, L"1234"}, // WM_PASTE to itself
        {"shift+insert", L"", {0, 0}, Key(VK_INSERT, VK_SHIFT), L"12/4_", {4, 4}, 0, L"1234"},
        {"refusals keep their places", L"12/34", {0, 0}, Message(WM_PASTE), L"92/37", {5, 5}, 0, L"9/8x7"},
    });
}

TEST_F(MaskEditTest, CutClearAndUndoLeaveTheClipboardAlone) {
    Run({
        {"cut", L"12/34", {0, 2}, Message(WM_CUT), L"__/34", {3, 3}, 0, L"keep"},
        {"ctrl+x: no fitting after", L"__/34", {3, 4}, Chars(L"\x18"), L"__/_4", {4, 4}, 0, L"keep"},
        {"shift+delete", L"12/4_", {0, 2}, Key(VK_DELETE, VK_SHIFT), L"__/4_", {3, 3}, 0, L"keep"},
        {"shift+delete, nothing selected",
         L"__/4_",
         {4, 4},
         Key(VK_DELETE, VK_SHIFT),
         L"__/4_",
         {4, 4},
         0,
         L"keep"},
        {"clear", L"__/_4", {4, 5}, Message(WM_CLEAR), L"__/__", {5, 5}, 0, L"keep"},
        {"undo", L"__/__", {0, 0}, Message(WM_UNDO), L"__/__", {0, 0}, 0, L"keep"},
    });
    // However much the edit control deletes with Ctrl+Delete, the mask stays whole.
    edit.SetText(L"12/34");
    PlaceCaret(0);
    {
        KeysDown ctrl{VK_CONTROL};
        PressKey(edit, VK_DELETE);
    }
    EXPECT_EQ(Text().size(), 5u);
    EXPECT_EQ(Text()[2], L'/');
    EXPECT_EQ(Selection(), Sel(0, 0));
}

TEST_F(MaskEditTest, VariableLengthKeepsFreeCharactersAfterTheMask) {
    edit.SetTextLengthByMask(FALSE);
    edit.SetText(L"12x45zz");
    EXPECT_EQ(Text(), L"12/45zz");
    edit.SetText(L"12/34");
    PlaceCaret(5);
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

} // namespace
