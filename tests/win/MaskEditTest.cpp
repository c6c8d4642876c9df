// The masked edit in a real window. Where a repair ends is the mask model's rule, checked natively;
// here, that each way in (typing, keys, clicks, clipboard messages, selection and text set from
// outside) reaches it with the window's state, and that repairs are never painted half done.
#include "ListFixtures.h"

using namespace harness;

using Sel = std::pair<int, int>;
using Msg = MessageRecorder::Msg;

class MaskEditTest : public WindowTest {
protected:
    // Opens the display character of a position, which raises outside the mask.
    struct Edit : CMaskEditEx {
        using CMaskEditEx::GetMaskChar;
    } edit;
    BeepCounter beeps;
    void SetUp() override {
        ASSERT_TRUE(
            edit.Create(WS_CHILD | WS_VISIBLE | WS_BORDER | ES_AUTOHSCROLL, Rect(10, 10, 200, 34), &host, 1));
        ASSERT_TRUE(edit.SetMaskString(L"[0-9][0-9]/[0-9][0-9]", '_'));
    }
    // Puts the selection where the edit control would, without the snapping.
    void PlaceSel(Sel sel) { edit.DefWindowProc(EM_SETSEL, static_cast<WPARAM>(sel.first), sel.second); }
    // Clicks the left part of the character at pos.
    void ClickOn(int pos) {
        const auto at = static_cast<DWORD>(edit.SendMessage(EM_POSFROMCHAR, static_cast<WPARAM>(pos)));
        Click(edit, LOWORD(at) + 1, HIWORD(at) + 2);
    }
};

// The clipboard must hold afterwards what it held before: the masked edit only ever reads it.
TEST_F(MaskEditTest, EachWayInReachesTheRepair) {
    // One step of a user: characters typed, a key pressed (with Shift or Ctrl held), a message sent,
    // a selection set from outside, or a click on a character.
    using Act = std::function<void()>;
    auto Chars = [this](const wchar_t* s) -> Act { return [=, this] { TypeChars(edit, s); }; };
    auto Key = [this](UINT vk, int held = 0) -> Act {
        return [=, this] {
            KeysDown keys{held};
            PressKey(edit, vk);
        };
    };
    auto Message = [this](UINT message) -> Act { return [=, this] { edit.SendMessage(message); }; };
    auto Select = [this](int start, int end) -> Act { return [=, this] { SetSel(edit, start, end); }; };
    auto Click = [this](int pos) -> Act { return [=, this] { ClickOn(pos); }; };
    // What the step does, from what text and selection, to what text and selection, with how many beeps.
    const std::tuple<const char*, const wchar_t*, Sel, Act, const wchar_t*, Sel, size_t> rows[] = {
        {"typed over the literal", L"1", {1, 1}, Chars(L"2"), L"12/__", {3, 3}, 0},
        {"past the end beeps", L"", {5, 5}, Chars(L"1"), L"__/__", {5, 5}, 1},
        {"backspace", L"12/34", {2, 2}, Chars(L"\b"), L"1_/34", {1, 1}, 0},
        {"delete", L"12/34", {0, 0}, Key(VK_DELETE), L"_2/34", {0, 0}, 0},
        {"shift+right at the literal", L"12/34", {1, 2}, Key(VK_RIGHT, VK_SHIFT), L"12/34", {1, 2}, 0},
        {"left back over the literal", L"12/34", {4, 4}, Key(VK_LEFT), L"12/34", {2, 2}, 0},
        {"set on the literal", L"12/34", {0, 0}, Select(2, 4), L"12/34", {3, 3}, 0},
        {"select-all unsnapped", L"12/34", {0, 0}, Select(0, -1), L"12/34", {0, 5}, 0},
        {"click on the literal", L"12/34", {0, 0}, Click(2), L"12/34", {3, 3}, 0},
        // Pasted characters lay over positions one for one; a typed paste steps over literals.
        {"paste", L"", {0, 0}, Message(WM_PASTE), L"12/4_", {4, 4}, 0},
        {"ctrl+v", L"", {0, 0}, Chars(L"\x16"), L"12/34", {5, 5}, 0},
        {"shift+insert", L"", {0, 0}, Key(VK_INSERT, VK_SHIFT), L"12/4_", {4, 4}, 0},
        // Cutting resets the positions and puts nothing on the clipboard.
        {"cut", L"12/34", {0, 2}, Message(WM_CUT), L"__/34", {3, 3}, 0},
        {"ctrl+x", L"__/34", {3, 4}, Chars(L"\x18"), L"__/_4", {4, 4}, 0},
        {"shift+delete", L"12/4_", {0, 2}, Key(VK_DELETE, VK_SHIFT), L"__/4_", {3, 3}, 0},
        {"clear", L"__/_4", {4, 5}, Message(WM_CLEAR), L"__/__", {5, 5}, 0},
        {"undo", L"12/34", {0, 0}, Message(WM_UNDO), L"12/34", {0, 0}, 0},
    };
    for (const auto& [name, text, at, act, after, sel, beeps] : rows) {
        SCOPED_TRACE(name);
        SetClipboardText(L"1234");
        edit.SetText(text);
        PlaceSel(at);
        BeepCounter counted;
        act();
        EXPECT_EQ(std::tuple(TextOf(edit), SelOf(edit), counted.count(), GetClipboardText()),
                  std::tuple(after, sel, beeps, L"1234"));
    }
    // However much the edit control deletes with Ctrl+Delete, the mask stays whole.
    edit.SetText(L"12/34");
    PlaceSel({0, 0});
    KeysDown ctrl{VK_CONTROL};
    PressKey(edit, VK_DELETE);
    EXPECT_EQ(std::tuple(TextOf(edit).size(), TextOf(edit)[2], SelOf(edit)), std::tuple(5u, L'/', Sel(0, 0)));
}

TEST_F(MaskEditTest, SetTextFitsWhatIsNotShownYetAndWmSetTextIsNotFiltered) {
    edit.SetText(L"1234567");
    EXPECT_EQ(TextOf(edit), L"12/45");
    MessageRecorder rec(edit, [](UINT m) { return m == WM_SETTEXT; });
    edit.SetText(L"12/45");
    EXPECT_TRUE(rec.messages.empty());
    edit.SetText(L"1");
    edit.SetPlaceHolder('#');
    EXPECT_EQ(TextOf(edit), L"1_/__");
    edit.ReMask();
    EXPECT_EQ(TextOf(edit), L"1#/##");
    edit.SetWindowText(L"abc");
    EXPECT_EQ(TextOf(edit), L"abc");
    // With a variable length, free characters may follow the mask.
    edit.SetTextLengthByMask(FALSE);
    edit.SetText(L"12x45zz");
    EXPECT_EQ(TextOf(edit), L"12/45zz");
    PlaceSel({7, 7});
    TypeChars(edit, L"z");
    EXPECT_EQ(std::pair(TextOf(edit), beeps.count()), std::pair(std::wstring(L"12/45zzz"), size_t(0)));
}

TEST_F(MaskEditTest, UnparsableMaskKeepsWhatCameBeforeTheError) {
    EXPECT_FALSE(edit.SetMaskString(L"12[a", '#'));
    EXPECT_EQ(std::tuple(edit.GetMaskChar(0), edit.GetMaskChar(1), edit.GetPlaceHolder(), TextOf(edit)),
              std::tuple('1', '2', '_', L"__/__"));
    EXPECT_TRUE(RaisesInvalidArg([&] { edit.GetMaskChar(2); })); // past the mask
}

// The repairs hold back painting: WM_SETREDRAW FALSE before the edit control acts, TRUE and a full
// invalidation at the end, only TRUE when nothing changed.
TEST_F(MaskEditTest, RepairsAreBracketedByRedrawOff) {
    const Msg off{WM_SETREDRAW, FALSE, 0}, on{WM_SETREDRAW, TRUE, 0}, set{WM_SETTEXT, 0, 0},
        scroll{EM_SCROLLCARET, 0, 0}, paste{WM_PASTE, 0, 0}, copy{WM_COPY, 0, 0};
    auto caret = [](int pos) { return Msg{EM_SETSEL, WPARAM(pos), pos}; };
    // From a text with the caret at a place and the clipboard holding clip, the message sent, what it
    // leads to (a WM_PASTE sent is recorded itself too) and whether the window is invalid afterwards.
    const std::tuple<const wchar_t*, int, UINT, WPARAM, const wchar_t*, std::vector<Msg>, bool> rows[] = {
        {L"", 0, WM_CHAR, '1', L"", {off, set, caret(1), scroll, on}, true},
        {L"1", 1, WM_CHAR, 0x03, L"", {off, copy, on}, false}, // Ctrl+C: the text stays
        // Ctrl+V: the edit control pastes through its own WM_PASTE, the character handler fits it.
        {L"1", 1, WM_CHAR, 0x16, L"34", {off, paste, set, caret(4), scroll, on}, true},
        {L"12/34", 0, WM_KEYDOWN, VK_DELETE, L"", {off, set, caret(0), scroll, on}, true},
        {L"12/34", 0, WM_KEYDOWN, VK_LEFT, L"", {off, on}, false}, // at the start already
        {L"12/34", 0, WM_PASTE, 0, L"", {paste, off, on}, false},
    };
    HWND hWnd = edit;
    for (const auto& [text, at, message, wParam, clip, expected, invalidated] : rows) {
        SCOPED_TRACE(testing::Message() << std::hex << message << " " << wParam);
        SetClipboardText(clip);
        edit.SetText(text);
        PlaceSel({at, at});
        Pump();
        ::UpdateWindow(edit);
        // The window is validated as each WM_SETREDRAW arrives, so what is invalid afterwards was
        // invalidated once redraw was back on.
        MessageRecorder rec(edit, [hWnd](UINT m) {
            if (m == WM_SETREDRAW) ::ValidateRect(hWnd, nullptr);
            return m == WM_SETREDRAW || m == WM_SETTEXT || m == EM_SETSEL || m == EM_SCROLLCARET ||
                   m == WM_PASTE || m == WM_COPY;
        });
        edit.SendMessage(message, wParam, message == WM_PASTE ? 0 : 1);
        for (auto& m : rec.messages)
            if (m.message == WM_SETTEXT) m.lParam = 0;
        EXPECT_EQ(rec.messages, expected);
        RECT update{}, client{};
        edit.GetClientRect(&client);
        const bool invalid = ::GetUpdateRect(edit, &update, FALSE); // all or nothing
        EXPECT_EQ(invalid ? CRect(update) : CRect(), invalidated ? CRect(client) : CRect());
    }
}

TEST_F(MaskEditTest, MaskOffIsAPlainOrNumericEdit) {
    edit.SetUseMask(FALSE);
    edit.SetWindowText(L"");
    TypeChars(edit, L"a/");
    EXPECT_EQ(TextOf(edit), L"a/");
    ClickOn(1); // no snapping either
    EXPECT_EQ(SelOf(edit), Sel(1, 1));
    edit.SetUseNumEdit(TRUE);
    edit.SetRange(100, 0);
    edit.SetWindowText(L"");
    TypeChars(edit, L"-1x2.5");
    EXPECT_EQ(TextOf(edit), L"12.5");
    EXPECT_EQ(beeps.count(), 1u); // the 'x'; the '-' is swallowed silently

    SetClipboardText(L"");
    SetSel(edit, 0, 2);
    edit.SendMessage(WM_CUT); // the edit control's own cut
    EXPECT_EQ(std::pair(TextOf(edit), GetClipboardText()),
              std::pair(std::wstring(L".5"), std::wstring(L"12")));

    edit.SetUseMask(TRUE); // the range applies to text set from outside with the mask on, too
    edit.SetWindowText(L"500");
    EXPECT_EQ(TextOf(edit), L".5");
}
