// Drives the mask model the way the masked edit window does, over a simulated single-line edit
// control, and checks what the model promises after every step.
#include "edit/MaskModel.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <algorithm>
#include <climits>
#include <cstdint>
#include <functional>

using namespace listedit::mask;

namespace {

void Check(bool ok) {
    if (!ok) __builtin_trap();
}

const std::wstring_view kMaskAlphabet = L"[[[]]]--??\\\\abcdef0123456789/",
                        kTextAlphabet = L"0123456789abcdefxz/_ -*";

wchar_t PickChar(FuzzedDataProvider& in, std::wstring_view alphabet) {
    const uint8_t pick = in.ConsumeIntegral<uint8_t>();
    if (pick < 244) return alphabet[pick % alphabet.size()];
    // Arbitrary code units, seldom far apart (a range between distant ones is large and slow), and
    // now and then one wider than a UTF-16 code unit where wchar_t allows it.
    if (pick < 254) return static_cast<wchar_t>(in.ConsumeIntegral<uint8_t>());
    if (pick == 254) return static_cast<wchar_t>(in.ConsumeIntegral<uint16_t>());
    return static_cast<wchar_t>(
        in.ConsumeIntegralInRange<uint32_t>(0, sizeof(wchar_t) > 2 ? 0x10FFFF : 0xFFFF));
}

std::wstring PickString(FuzzedDataProvider& in, std::wstring_view alphabet, size_t maxLen) {
    std::wstring s(in.ConsumeIntegralInRange<size_t>(0, maxLen), L' ');
    for (wchar_t& ch : s) ch = PickChar(in, alphabet);
    return s;
}

// Mostly near the text, sometimes at the extremes of int.
int PickIndex(FuzzedDataProvider& in, int len) {
    static constexpr int extremes[] = {INT_MIN, INT_MIN + 1, -1, INT_MAX - 1, INT_MAX};
    const uint8_t kind = in.ConsumeIntegral<uint8_t>();
    return kind < 240 ? in.ConsumeIntegralInRange<int>(-2, len + 3) : extremes[kind % 5];
}

// A mask string that parses back to the same positions.
std::wstring Unparse(const Mask& mask) {
    std::wstring s;
    for (const MaskPos& pos : mask) {
        if (pos.IsLiteral() && pos.chars[0] != L'[') {
            s += pos.chars;
            continue;
        }
        s += L'[';
        for (wchar_t ch : pos.chars) {
            if (std::wstring_view(L"[]-?\\").find(ch) != std::wstring_view::npos) s += L'\\';
            s += ch;
        }
        s += L']';
    }
    return s;
}

// What snapping promises for the request (a, b).
void CheckSnap(const Mask& mask, bool fixed, bool toEnd, int a, int b, const std::optional<Sel>& r) {
    const int n = Length(mask), first = FirstInputPos(mask), last = LastInputEnd(mask);
    const int s = std::min(a, b), e = std::max(a, b);
    auto isInput = [&](int p) { return p >= 0 && p < n && !mask[p].IsLiteral(); };
    Check((a < 0 || b < 0 || (!fixed && e > n && s >= n)) == !r.has_value());
    if (!r) return;
    Check(r->start <= r->end);
    for (int p = std::max(r->start, 0); p < std::min(r->end, n); ++p) Check(isInput(p)); // spans no literal
    if (!fixed && e > n) return;
    const bool caret = r->start == r->end;
    if (first >= n) {
        // No input position: nothing starts before the end, except a backward request that does not
        // start at 0, which is left where it starts.
        Check(toEnd ? r->start >= n : s != 0 || r->start == n);
    } else if (toEnd) {
        Check(r->start >= first && (!caret || isInput(r->start) || r->start == last));
    } else if (s <= last) {
        Check(r->end <= last && (caret ? r->start == first || isInput(r->start - 1) : isInput(r->start)));
    }
}

struct Sim {
    Mask mask;
    bool fixed = true;
    wchar_t placeholder = L'_';
    std::wstring text;
    int anchor = 0, caret = 0;
    bool clean = false; // the text is the mask's own (set through the mask or repaired since)

    int Len() const { return int(text.size()); }
    Sel GetSel() const { return {std::min(anchor, caret), std::max(anchor, caret)}; }
    void Caret(int at) { anchor = caret = at; }

    // The edit control's own EM_SETSEL: -1 as start drops the selection, other values are clamped
    // (as unsigned, so a negative end reaches the end of the text).
    void DefSetSel(int a, int b) {
        auto clamp = [&](int v) { return v < 0 ? Len() : std::min(v, Len()); };
        if (a == -1)
            anchor = caret;
        else
            anchor = clamp(a), caret = clamp(b);
    }
    void SetSel(int a, int b, bool toEnd = true) {
        const std::optional<Sel> r = SnapSelection(mask, fixed, toEnd, a, b);
        CheckSnap(mask, fixed, toEnd, a, b, r);
        r ? DefSetSel(r->start, r->end) : DefSetSel(a, b);
    }
    void Apply(const std::optional<Edit>& r) {
        if (r) text = r->text, SetSel(r->caret, r->caret);
    }
    void ReplaceSel(std::wstring_view with) {
        const Sel sel = GetSel();
        text.replace(sel.start, sel.end - sel.start, with);
        Caret(sel.start + int(with.size()));
    }

    void SetMask(std::wstring_view maskString) {
        const ParsedMask parsed = ParseMask(maskString), again = ParseMask(maskString);
        Check(parsed.ok == again.ok && parsed.positions == again.positions);
        const ParsedMask back = ParseMask(Unparse(parsed.positions));
        Check(back.ok && back.positions == parsed.positions);
        mask = parsed.positions;
        clean = parsed.ok; // after an error the positions before it stay, over the old text
        if (!parsed.ok) return;
        text = DisplayText(mask, placeholder);
        Check(text.size() == mask.size());
        Caret(0);
    }
    void SetText(std::wstring_view t) {
        const std::wstring fitted = FitText(mask, t, placeholder, fixed);
        Check(FitText(mask, fitted, placeholder, fixed) == fitted);
        if (fitted != text) text = fitted, Caret(0);
        clean = true;
    }

    // OnChar, with `typed` what the default handling puts in (the clipboard for the paste character).
    void Type(std::wstring_view typed) {
        const Sel sel = GetSel();
        if (RefusesTyping(mask, fixed, sel.start)) return;
        const TypingBase base = PrepareTyping(mask, text, placeholder, fixed, sel.end);
        ReplaceSel(typed);
        Apply(RepairTyping(mask, base.text, text, fixed, sel.start, base.end, caret));
    }
    void Backspace() {
        const Sel sel = GetSel();
        if (const std::optional<int> start = BackspaceStart(sel.start, sel.end)) {
            text = ResetRange(mask, text, placeholder, fixed, *start, sel.end);
            SetSel(*start, *start, false);
        }
    }
    void CutOrClear() {
        const Sel sel = GetSel();
        text = ResetRange(mask, text, placeholder, fixed, sel.start, sel.end);
        SetSel(sel.end, sel.end);
    }
    // A key after which the edit control changed the text: kind 0 removed `count` characters from
    // the caret on (Delete removes one, Ctrl+Delete a word), kind 1 as many before it, kind 2 put
    // `typed` in. Delete is repaired by its own rule, the others by the general one.
    void Key(int kind, int count, std::wstring_view typed, bool isDelete = false) {
        const Sel sel = GetSel();
        const std::wstring before = text;
        if (kind == 2) {
            ReplaceSel(typed);
        } else if (sel.start < sel.end) {
            text.erase(sel.start, sel.end - sel.start), Caret(sel.start);
        } else if (kind == 0) {
            text.erase(sel.start, std::min(count, Len() - sel.start));
        } else {
            const int from = std::max(0, sel.start - count);
            text.erase(from, sel.start - from), Caret(from);
        }
        if (text == before) return;
        if (isDelete)
            Apply(Edit{RepairDelete(mask, text, placeholder, sel.start, sel.end), sel.start});
        else
            Apply(RepairKey(mask, before, text, placeholder, fixed, sel.start, sel.end, caret));
    }
    void Paste(std::wstring_view clip) {
        const Sel sel = GetSel();
        const std::wstring old = text;
        ReplaceSel(clip);
        const std::optional<Edit> r = OverlayPaste(mask, old, text, sel.start, sel.end, caret);
        Check(!r || r->text.size() == old.size());
        Apply(r);
    }
    // Left, Right, Home, End (Up and Down move as Left and Right in a single line).
    void Navigate(int key, bool shift) {
        const Sel before = GetSel();
        caret = std::clamp(key == 0 ? caret - 1 : key == 1 ? caret + 1 : key == 2 ? 0 : Len(), 0, Len());
        if (!shift) anchor = caret;
        if (const Sel after = GetSel(); after != before) SetSel(after.start, after.end, key == 1 || key == 3);
    }

    void CheckText() const {
        Check(anchor >= 0 && anchor <= Len() && caret >= 0 && caret <= Len());
        if (!clean) return;
        Check(fixed ? text.size() == mask.size() : text.size() >= mask.size());
        for (size_t i = 0; i < mask.size(); ++i) Check(!mask[i].IsLiteral() || text[i] == mask[i].chars[0]);
    }
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzedDataProvider in(data, size);
    Sim sim;
    sim.fixed = in.ConsumeBool();
    sim.placeholder = PickChar(in, L"_ #0a");
    sim.SetMask(PickString(in, kMaskAlphabet, 40));
    sim.CheckText();
    auto index = [&] { return PickIndex(in, sim.Len()); };
    auto type = [&] { sim.Type(std::wstring(1, PickChar(in, kTextAlphabet))); };
    const std::function<void()> steps[] = {
        type,
        type,
        [&] { sim.Type(PickString(in, kTextAlphabet, 8)); }, // the paste control character while typing
        [&] { sim.Backspace(); },
        [&] { sim.Key(0, 1, L"", true); }, // Delete
        [&] { sim.Paste(PickString(in, kTextAlphabet, 8)); },
        [&] { sim.CutOrClear(); },
        [&] {
            const int a = index();
            sim.SetSel(a, index(), in.ConsumeBool());
        },
        [&] { sim.SetSel(0, -1); },
        [&] { sim.Navigate(in.ConsumeIntegralInRange<int>(0, 3), in.ConsumeBool()); },
        [&] { // a click: the caret where the mouse landed, then snapped
            sim.Caret(std::clamp(index(), 0, sim.Len()));
            sim.SetSel(sim.caret, sim.caret);
        },
        [&] { sim.SetText(PickString(in, kTextAlphabet, 12)); },
        [&] { sim.SetText(std::wstring(sim.text)); }, // ReMask
        [&] {                                         // WM_SETTEXT from outside is not filtered by the mask
            sim.text = PickString(in, kTextAlphabet, 12), sim.Caret(0), sim.clean = false;
        },
        [&] {
            sim.fixed = !sim.fixed;
            if (sim.fixed && sim.text.size() != sim.mask.size()) sim.clean = false;
        },
        [&] {
            if (in.ConsumeBool())
                sim.placeholder = PickChar(in, L"_ #0a");
            else
                sim.SetMask(PickString(in, kMaskAlphabet, 40));
        },
        [&] {
            const int kind = in.ConsumeIntegralInRange<int>(0, 2);
            sim.Key(kind, in.ConsumeIntegralInRange<int>(1, 12), PickString(in, kTextAlphabet, 8));
        },
    };
    for (int step = 0; step < 64 && in.remaining_bytes() > 0; ++step) {
        steps[in.ConsumeIntegralInRange<size_t>(0, std::size(steps) - 1)]();
        sim.CheckText();
        // Odd requests straight at the repairs must be harmless too.
        if (in.ConsumeBool()) {
            const int a = index(), b = index();
            (void)ResetRange(sim.mask, sim.text, sim.placeholder, sim.fixed, a, b);
            (void)RepairDelete(sim.mask, sim.text, sim.placeholder, a, b);
            (void)RepairTyping(sim.mask, sim.text, L"x", sim.fixed, a, b, a);
            (void)OverlayPaste(sim.mask, sim.text, L"12345", a, b, b);
            (void)PrepareTyping(sim.mask, L"1", sim.placeholder, sim.fixed, b);
            (void)DisplayChar(sim.mask, a, sim.placeholder);
            CheckSnap(sim.mask, sim.fixed, a & 1, a, b, SnapSelection(sim.mask, sim.fixed, a & 1, a, b));
        }
    }
    return 0;
}
