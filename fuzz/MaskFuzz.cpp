// Drives the mask model the way the masked edit window does, over a simulated single-line edit
// control, and checks what the model promises after every step.
#include "edit/MaskModel.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <algorithm>
#include <climits>
#include <cstdint>
#include <cstdlib>

using namespace listedit::mask;

namespace {

void Check(bool ok) {
    if (!ok) __builtin_trap();
}

wchar_t PickChar(FuzzedDataProvider& in, std::wstring_view alphabet) {
    const uint8_t pick = in.ConsumeIntegral<uint8_t>();
    if (pick < 244) return alphabet[pick % alphabet.size()];
    // Arbitrary code units, seldom far apart: a range between distant ones is large and slow.
    if (pick < 254) return static_cast<wchar_t>(in.ConsumeIntegral<uint8_t>());
    if (pick == 254) return static_cast<wchar_t>(in.ConsumeIntegral<uint16_t>());
    // Wider than a UTF-16 code unit where wchar_t allows it.
    return static_cast<wchar_t>(
        in.ConsumeIntegralInRange<uint32_t>(0, sizeof(wchar_t) > 2 ? 0x10FFFF : 0xFFFF));
}

std::wstring PickString(FuzzedDataProvider& in, std::wstring_view alphabet, size_t maxLen) {
    std::wstring s(in.ConsumeIntegralInRange<size_t>(0, maxLen), L' ');
    for (wchar_t& ch : s) ch = PickChar(in, alphabet);
    return s;
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

bool NoLiteralIn(const Mask& mask, int from, int to) {
    for (int p = std::max(from, 0); p < std::min(to, Length(mask)); ++p)
        if (mask[p].IsLiteral()) return false;
    return true;
}

bool IsInput(const Mask& mask, int p) {
    return p >= 0 && p < Length(mask) && !mask[p].IsLiteral();
}

// What snapping promises for the request (a, b).
void CheckSnap(const Mask& mask, bool fixed, bool toEnd, int a, int b, const std::optional<Sel>& r) {
    const int n = Length(mask), first = FirstInputPos(mask), last = LastInputEnd(mask);
    const int s = std::min(a, b), e = std::max(a, b);
    const bool pass = a < 0 || b < 0 || (!fixed && e > n && s >= n);
    Check(pass == !r.has_value());
    if (!r) return;
    Check(r->start <= r->end);
    Check(NoLiteralIn(mask, r->start, r->end)); // a selection never spans a literal
    if (!fixed && e > n) return;
    const bool caret = r->start == r->end;
    if (first >= n) {
        // No input position: nothing starts before the end, except a backward request that does not
        // start at 0, which is left where it starts.
        if (toEnd) Check(r->start >= n);
        if (!toEnd && s == 0) Check(r->start == n);
        return;
    }
    if (toEnd) {
        Check(r->start >= first);
        if (caret) Check(IsInput(mask, r->start) || r->start == last);
    } else if (s <= last) {
        Check(r->end <= last);
        if (!caret) Check(IsInput(mask, r->start));
        if (caret) Check(r->start == first || IsInput(mask, r->start - 1));
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

    // The edit control's own EM_SETSEL: -1 as start drops the selection, other values are clamped
    // (as unsigned, so a negative end reaches the end of the text).
    void DefSetSel(int a, int b) {
        if (a == -1) {
            anchor = caret;
            return;
        }
        auto clamp = [&](int v) { return v < 0 ? Len() : std::min(v, Len()); };
        anchor = clamp(a);
        caret = clamp(b);
    }

    void SetSel(int a, int b, bool toEnd = true) {
        std::optional<Sel> r = SnapSelection(mask, fixed, toEnd, a, b);
        CheckSnap(mask, fixed, toEnd, a, b, r);
        if (r)
            DefSetSel(r->start, r->end);
        else
            DefSetSel(a, b);
    }

    void ReplaceSel(std::wstring_view with) {
        Sel sel = GetSel();
        text.replace(sel.start, sel.end - sel.start, with);
        anchor = caret = sel.start + int(with.size());
    }

    void SetMask(std::wstring_view maskString) {
        ParsedMask parsed = ParseMask(maskString);
        ParsedMask again = ParseMask(maskString);
        Check(parsed.ok == again.ok && parsed.positions == again.positions);
        ParsedMask back = ParseMask(Unparse(parsed.positions));
        Check(back.ok && back.positions == parsed.positions);
        mask = parsed.positions;
        if (!parsed.ok) {
            clean = false; // the positions before the error stay, over the old text
            return;
        }
        text = DisplayText(mask, placeholder);
        Check(text.size() == mask.size());
        anchor = caret = 0;
        clean = true;
    }

    void SetText(std::wstring_view t) {
        std::wstring fitted = FitText(mask, t, placeholder, fixed);
        Check(FitText(mask, fitted, placeholder, fixed) == fitted);
        if (fitted != text) {
            text = fitted;
            anchor = caret = 0;
        }
        clean = true;
    }

    // OnChar, with `typed` what the default handling puts in (the clipboard for the paste character).
    void Type(std::wstring_view typed) {
        Sel sel = GetSel();
        if (RefusesTyping(mask, fixed, sel.start)) return;
        TypingBase base = PrepareTyping(mask, text, placeholder, fixed, sel.end);
        ReplaceSel(typed);
        std::optional<Edit> r = RepairTyping(mask, base.text, text, fixed, sel.start, base.end, caret);
        if (!r) return;
        text = r->text;
        SetSel(r->caret, r->caret);
    }

    void Backspace() {
        Sel sel = GetSel();
        std::optional<int> start = BackspaceStart(sel.start, sel.end);
        if (!start) return;
        text = ResetRange(mask, text, placeholder, fixed, *start, sel.end);
        SetSel(*start, *start, false);
    }

    void CutOrClear() {
        Sel sel = GetSel();
        text = ResetRange(mask, text, placeholder, fixed, sel.start, sel.end);
        SetSel(sel.end, sel.end);
    }

    void Delete() {
        Sel sel = GetSel();
        const std::wstring before = text;
        if (sel.start < sel.end)
            text.erase(sel.start, sel.end - sel.start);
        else if (sel.start < Len())
            text.erase(sel.start, 1);
        anchor = caret = sel.start;
        if (text == before) return;
        text = RepairDelete(mask, text, placeholder, sel.start, sel.end);
        SetSel(sel.start, sel.start);
    }

    // Any other key after which the edit control changed the text: kind 0 removed `count`
    // characters from the caret on (Ctrl+Delete removes a word), kind 1 as many before it, kind 2
    // put `typed` in.
    void Key(int kind, int count, std::wstring_view typed) {
        Sel sel = GetSel();
        const std::wstring before = text;
        if (kind == 2) {
            ReplaceSel(typed);
        } else if (sel.start < sel.end) {
            text.erase(sel.start, sel.end - sel.start);
            anchor = caret = sel.start;
        } else if (kind == 0) {
            text.erase(sel.start, std::min(count, Len() - sel.start));
        } else {
            const int from = std::max(0, sel.start - count);
            text.erase(from, sel.start - from);
            anchor = caret = from;
        }
        if (text == before) return;
        Edit e = RepairKey(mask, before, text, placeholder, fixed, sel.start, sel.end, caret);
        text = e.text;
        SetSel(e.caret, e.caret);
    }

    void Paste(std::wstring_view clip) {
        Sel sel = GetSel();
        const std::wstring old = text;
        ReplaceSel(clip);
        std::optional<Edit> r = OverlayPaste(mask, old, text, sel.start, sel.end, caret);
        if (!r) return;
        Check(r->text.size() == old.size());
        text = r->text;
        SetSel(r->caret, r->caret);
    }

    // Left, Right, Home, End (Up and Down move as Left and Right in a single line).
    void Navigate(int key, bool shift) {
        const Sel before = GetSel();
        int to = key == 0 ? caret - 1 : key == 1 ? caret + 1 : key == 2 ? 0 : Len();
        caret = std::clamp(to, 0, Len());
        if (!shift) anchor = caret;
        const Sel after = GetSel();
        if (after == before) return;
        SetSel(after.start, after.end, key == 1 || key == 3);
    }

    void CheckText() const {
        Check(anchor >= 0 && anchor <= Len() && caret >= 0 && caret <= Len());
        if (!clean) return;
        const size_t n = mask.size();
        Check(fixed ? text.size() == n : text.size() >= n);
        for (size_t i = 0; i < n; ++i)
            if (mask[i].IsLiteral()) Check(text[i] == mask[i].chars[0]);
    }
};

const std::wstring_view kMaskAlphabet = L"[[[]]]--??\\\\abcdef0123456789/";
const std::wstring_view kTextAlphabet = L"0123456789abcdefxz/_ -*";

int PickIndex(FuzzedDataProvider& in, int len) {
    const uint8_t kind = in.ConsumeIntegral<uint8_t>();
    if (kind < 240) return in.ConsumeIntegralInRange<int>(-2, len + 3);
    static constexpr int extremes[] = {INT_MIN, INT_MIN + 1, -1, INT_MAX - 1, INT_MAX};
    return extremes[kind % 5];
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzedDataProvider in(data, size);
    Sim sim;
    sim.fixed = in.ConsumeBool();
    sim.placeholder = PickChar(in, L"_ #0a");
    sim.SetMask(PickString(in, kMaskAlphabet, 40));
    sim.CheckText();

    for (int step = 0; step < 64 && in.remaining_bytes() > 0; ++step) {
        switch (in.ConsumeIntegralInRange<int>(0, 16)) {
        case 0:
        case 1:
            sim.Type(std::wstring(1, PickChar(in, kTextAlphabet)));
            break;
        case 2:
            sim.Type(PickString(in, kTextAlphabet, 8)); // the paste control character while typing
            break;
        case 3:
            sim.Backspace();
            break;
        case 4:
            sim.Delete();
            break;
        case 5:
            sim.Paste(PickString(in, kTextAlphabet, 8));
            break;
        case 6:
            sim.CutOrClear();
            break;
        case 7: {
            const int a = PickIndex(in, sim.Len());
            sim.SetSel(a, PickIndex(in, sim.Len()), in.ConsumeBool());
            break;
        }
        case 8:
            sim.SetSel(0, -1);
            break;
        case 9:
            sim.Navigate(in.ConsumeIntegralInRange<int>(0, 3), in.ConsumeBool());
            break;
        case 10: { // a click: the caret where the mouse landed, then snapped
            sim.anchor = sim.caret = std::clamp(PickIndex(in, sim.Len()), 0, sim.Len());
            const Sel sel = sim.GetSel();
            sim.SetSel(sel.start, sel.end);
            break;
        }
        case 11:
            sim.SetText(PickString(in, kTextAlphabet, 12));
            break;
        case 12:
            sim.SetText(std::wstring(sim.text)); // ReMask
            break;
        case 13: // WM_SETTEXT from outside is not filtered by the mask
            sim.text = PickString(in, kTextAlphabet, 12);
            sim.anchor = sim.caret = 0;
            sim.clean = false;
            break;
        case 14:
            sim.fixed = !sim.fixed;
            if (sim.fixed && sim.text.size() != sim.mask.size()) sim.clean = false;
            break;
        case 15:
            if (in.ConsumeBool())
                sim.placeholder = PickChar(in, L"_ #0a");
            else
                sim.SetMask(PickString(in, kMaskAlphabet, 40));
            break;
        case 16: {
            const int kind = in.ConsumeIntegralInRange<int>(0, 2);
            sim.Key(kind, in.ConsumeIntegralInRange<int>(1, 12), PickString(in, kTextAlphabet, 8));
            break;
        }
        }
        sim.CheckText();
        // Odd requests straight at the repairs must be harmless too.
        if (in.ConsumeBool()) {
            const int a = PickIndex(in, sim.Len()), b = PickIndex(in, sim.Len());
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
