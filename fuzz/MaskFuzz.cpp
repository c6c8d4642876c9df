// Drives the mask model from any mask string the way the masked edit window does, over a simulated edit
// control: after every step the text keeps the mask's length (at least, in variable length) and its
// literals, the selection stays within the text, and a snapped selection never spans a literal.
#include "edit/MaskModel.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <algorithm>
#include <cstdint>

using namespace listedit::mask;

namespace {

void Check(bool ok) {
    if (!ok) __builtin_trap();
}

// Mostly from a small alphabet, now and then any 16-bit code unit (far apart, a wide range).
std::wstring PickString(FuzzedDataProvider& in, std::wstring_view alphabet, size_t maxLen) {
    std::wstring s(in.ConsumeIntegralInRange<size_t>(0, maxLen), L' ');
    for (wchar_t& ch : s) {
        const uint8_t pick = in.ConsumeIntegral<uint8_t>();
        ch = pick < 240 ? alphabet[pick % alphabet.size()]
                        : static_cast<wchar_t>(in.ConsumeIntegral<uint16_t>());
    }
    return s;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzedDataProvider in(data, size);
    const bool fixed = in.ConsumeBool();
    const wchar_t ph = in.PickValueInArray({L'_', L' ', L'#', L'0', L'a'});
    const Mask mask = ParseMask(PickString(in, L"[[[]]]--??\\\\abcdef0123456789/", 40)).positions;
    const int n = Length(mask);
    std::wstring text = DisplayText(mask, ph);
    int s = 0, e = 0; // the selection
    auto len = [&] { return int(text.size()); };
    auto select = [&](int a, int b, bool toEnd) {
        if (const std::optional<Sel> r = SnapSelection(mask, fixed, toEnd, a, b)) {
            for (int p = std::max(r->start, 0); p < std::min(r->end, n); ++p) Check(!mask[p].IsLiteral());
            Check(r->start <= r->end), a = r->start, b = r->end;
        }
        s = std::clamp(std::min(a, b), 0, len()), e = std::clamp(std::max(a, b), 0, len());
    };
    auto apply = [&](const std::optional<Edit>& r) {
        if (r) text = r->text, select(r->caret, r->caret, true);
    };
    for (int step = 0; step < 64 && in.remaining_bytes() > 0; ++step) {
        const std::wstring typed = PickString(in, L"0123456789abcdefxz/_ -*", 8);
        const int a = in.ConsumeIntegralInRange(-2, len() + 3), b = in.ConsumeIntegralInRange(-2, len() + 3);
        const int op = in.ConsumeIntegralInRange(0, 6), count = std::clamp(b, 1, 12);
        std::wstring after = text;
        after.replace(s, e - s, typed);
        const int caret = s + int(typed.size());
        if (op == 0) {
            select(a, b, in.ConsumeBool());
        } else if (op == 1 && !RefusesTyping(mask, fixed, s)) { // typed, or pasted by the control character
            const TypingBase base = PrepareTyping(mask, text, ph, fixed, e);
            apply(RepairTyping(mask, base.text, after, fixed, s, base.end, caret));
        } else if (op == 2 && e > 0) { // Backspace
            const int start = BackspaceStart(s, e).value();
            text = ResetRange(mask, text, ph, fixed, start, e);
            select(start, start, false);
        } else if (op == 3) { // WM_PASTE
            const std::optional<Edit> r = OverlayPaste(mask, text, after, s, e, caret);
            Check(!r || r->text.size() == text.size());
            apply(r);
        } else if (op == 4) { // a key that deleted the selection, or characters right or left of the caret
            const int from = s < e || (a & 1) ? s : std::max(0, s - count);
            const int to = s < e ? e : (a & 1) ? std::min(len(), s + count) : s;
            after = text.substr(0, from) + text.substr(to);
            if ((a & 2) && from == s && (s < e || to == s + 1)) // Delete, repaired by its own rule
                apply(Edit{RepairDelete(mask, after, ph, s, e), s});
            else
                apply(RepairKey(mask, text, after, ph, fixed, s, e, from));
        } else if (op == 5) { // a key that put characters in
            apply(RepairKey(mask, text, after, ph, fixed, s, e, caret));
        } else if (op == 6) { // SetWindowText through the mask
            text = FitText(mask, typed, ph, fixed);
            Check(FitText(mask, text, ph, fixed) == text);
            select(0, 0, true);
        }
        Check((fixed ? len() == n : len() >= n) && 0 <= s && s <= e && e <= len());
        for (int i = 0; i < n; ++i) Check(!mask[i].IsLiteral() || text[i] == mask[i].chars[0]);
    }
    return 0;
}
