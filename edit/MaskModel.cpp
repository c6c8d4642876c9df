#include "edit/MaskModel.h"

#include <algorithm>
#include <climits>
#include <cstdint>
#include <type_traits>

namespace listedit::mask {
namespace {

// Indexes are computed wide so that no sum of caller-supplied ints can overflow.
using Index = long long;

int ToInt(Index v) {
    return static_cast<int>(std::clamp<Index>(v, INT_MIN, INT_MAX));
}
Index Len(std::wstring_view s) {
    return static_cast<Index>(s.size());
}
size_t At(Index i) {
    return static_cast<size_t>(i);
}

// Code values compare unsigned whatever the signedness of wchar_t.
using Unit = std::make_unsigned_t<wchar_t>;
std::uint64_t Code(wchar_t ch) {
    return static_cast<Unit>(ch);
}

bool IsLiteralAt(const Mask& mask, Index i) {
    return mask[At(i)].IsLiteral();
}

// The characters of a set being read, with their code values kept sorted for the ranges, so that a set
// with many wide ranges is read in time proportional to its size.
class SetBuilder {
public:
    void Add(wchar_t ch) { chars_ += ch; }
    bool Empty() const { return chars_.empty(); }

    // Adds the characters between x and y, both included, in ascending order, skipping those already in
    // the set.
    void AddRange(wchar_t x, wchar_t y) {
        const std::uint64_t lo = std::min(Code(x), Code(y));
        const std::uint64_t hi = std::min(std::max(Code(x), Code(y)), lo + 0xFFFF);
        Sync();
        // Fill the gaps between the codes already present, one run at a time.
        auto it = std::lower_bound(sorted_.begin(), sorted_.end(), lo);
        for (std::uint64_t c = lo; c <= hi;) {
            const std::uint64_t stop = it == sorted_.end() ? hi + 1 : std::min(*it, hi + 1);
            const size_t old = chars_.size();
            chars_.resize(old + (stop - c));
            for (wchar_t* out = chars_.data() + old; c < stop; ++c)
                *out++ = static_cast<wchar_t>(static_cast<Unit>(c));
            if (it == sorted_.end()) break;
            c = *it + 1;
            while (it != sorted_.end() && *it < c) ++it;
        }
        Sync();
    }

    std::wstring Take() { return std::move(chars_); }

private:
    // Brings the characters added since the last call into the sorted codes.
    void Sync() {
        const auto mid = static_cast<std::ptrdiff_t>(sorted_.size());
        sorted_.reserve(chars_.size());
        for (size_t i = sorted_.size(); i < chars_.size(); ++i) sorted_.push_back(Code(chars_[i]));
        const auto tail = sorted_.begin() + mid;
        if (!std::is_sorted(tail, sorted_.end())) std::sort(tail, sorted_.end()); // a range comes sorted
        std::inplace_merge(sorted_.begin(), tail, sorted_.end());
    }

    std::wstring chars_;
    std::vector<std::uint64_t> sorted_; // codes of chars_, duplicates included
};

// Reads one set whose '[' has been consumed; i ends after its ']'. nullopt on a syntax error.
std::optional<std::wstring> ParseSet(std::wstring_view src, size_t& i) {
    SetBuilder set;
    // Plain flags rather than optionals: g++ 12 at -O2 reports a false maybe-uninitialized on an
    // optional's payload here.
    wchar_t pending = 0; // the ordinary character held back
    bool hasPending = false;
    wchar_t rangeStart = 0; // while a '-' waits for the character closing the range
    bool inRange = false;
    while (i < src.size()) {
        wchar_t ch = src[i++];
        switch (ch) {
        case L']':
            // A '-' still open here is dropped; its start was added when the '-' came.
            if (hasPending) set.Add(pending);
            return set.Take();
        case L'[':
            return std::nullopt;
        case L'?':
            // The any-character mark: only as "?]" and only before anything was added.
            if (i < src.size() && src[i] == L']' && set.Empty()) continue;
            return std::nullopt;
        case L'-':
            if (!hasPending) return std::nullopt; // first in the set, after a range, or a second '-'
            set.Add(pending);
            rangeStart = pending;
            inRange = true;
            hasPending = false;
            continue;
        case L'\\':
            if (i == src.size()) return std::nullopt; // ignored, which leaves the set unterminated
            ch = src[i++];
            break;
        default:
            break;
        }
        if (inRange) {
            set.AddRange(rangeStart, ch);
            inRange = false;
        } else {
            if (hasPending) set.Add(pending);
            pending = ch;
            hasPending = true;
        }
    }
    return std::nullopt; // the mask string ended inside the set
}

// The number of characters the default handling put in over the selection [s, e).
Index InsertedCount(std::wstring_view oldText, std::wstring_view newText, Index s, Index e) {
    Index k = Len(oldText) - Len(newText) + s - e;
    return k < 0 ? -k : k;
}

} // namespace

ParsedMask ParseMask(std::wstring_view maskString) {
    ParsedMask result;
    size_t i = 0;
    while (i < maskString.size()) {
        wchar_t ch = maskString[i++];
        if (ch != L'[') {
            result.positions.push_back({std::wstring(1, ch)});
            continue;
        }
        if (i == maskString.size()) break; // a '[' ending the string makes no position
        std::optional<std::wstring> set = ParseSet(maskString, i);
        if (!set) return result;
        result.positions.push_back({std::move(*set)});
    }
    result.ok = true;
    return result;
}

int Length(const Mask& mask) {
    return ToInt(static_cast<Index>(mask.size()));
}

int FirstInputPos(const Mask& mask) {
    const int n = Length(mask);
    for (int i = 0; i < n; ++i)
        if (!IsLiteralAt(mask, i)) return i;
    return n;
}

int LastInputEnd(const Mask& mask) {
    for (int i = Length(mask); i > 0; --i)
        if (!IsLiteralAt(mask, i - 1)) return i;
    return 0;
}

wchar_t DisplayChar(const Mask& mask, int i, wchar_t placeholder) {
    if (i < 0 || i >= Length(mask) || !IsLiteralAt(mask, i)) return placeholder;
    return mask[At(i)].chars[0];
}

std::wstring DisplayText(const Mask& mask, wchar_t placeholder) {
    std::wstring text;
    for (int i = 0; i < Length(mask); ++i) text += DisplayChar(mask, i, placeholder);
    return text;
}

std::wstring FitText(const Mask& mask, std::wstring_view text, wchar_t placeholder, bool fixedLength) {
    const size_t n = mask.size();
    std::wstring out(text);
    if (fixedLength && out.size() > n) out.resize(n);
    if (out.size() < n) out.resize(n, L' ');
    for (size_t i = 0; i < n; ++i) {
        const MaskPos& pos = mask[i];
        if (pos.IsLiteral())
            out[i] = pos.chars[0];
        else if (!pos.Accepts(out[i]))
            out[i] = placeholder;
    }
    return out;
}

std::wstring ResetRange(const Mask& mask, std::wstring_view text, wchar_t placeholder, bool fixedLength,
                        int nStart, int nEnd) {
    const Index n = Length(mask);
    std::wstring out(text);
    for (Index i = std::max(nStart, 0); i < nEnd && i < n && i < Len(out); ++i)
        out[At(i)] = DisplayChar(mask, ToInt(i), placeholder);
    if (!fixedLength) {
        const Index p = std::max<Index>(n, nStart);
        if (p < nEnd && p < Len(out)) out.erase(At(p), At(nEnd - p));
    }
    return out;
}

std::optional<Sel> SnapSelection(const Mask& mask, bool fixedLength, bool caretToEnd, int a, int b) {
    if (a < 0 || b < 0) return std::nullopt;
    const int n = Length(mask), first = FirstInputPos(mask), last = LastInputEnd(mask);
    int s = std::min(a, b), e = std::max(a, b);

    if (!fixedLength && e > n) { // reaching into the free text after the mask
        if (s >= n) return std::nullopt;
        if (caretToEnd) {
            if (s <= first) s = first;
            for (int p = s; p < n; ++p) {
                if (IsLiteralAt(mask, p)) {
                    e = p;
                    break;
                }
            }
        } else {
            for (int p = n; p > 0; --p) {
                if (IsLiteralAt(mask, p - 1)) {
                    s = p;
                    break;
                }
            }
        }
        return Sel{s, e};
    }

    if (caretToEnd) {
        if (s <= first) s = first;
        for (int p = s; p < e && p < n; ++p) {
            if (IsLiteralAt(mask, p)) {
                e = p;
                break;
            }
        }
        if (s < e) return Sel{s, e};
        if (s > e) return Sel{s, s};
        if (last <= 0) return Sel{n, n};
        if (s >= last) return Sel{last, last};
        int p = s;
        while (p < last && IsLiteralAt(mask, p)) ++p;
        return Sel{p, p};
    }

    if (e >= last) e = last;
    for (int p = e; p > s; --p) {
        if (IsLiteralAt(mask, p - 1)) {
            s = p;
            break;
        }
    }
    if (s < e) return Sel{s, e};
    if (s > e) return Sel{s, s};
    if (first >= n) return Sel{n, n};
    if (e <= first) return Sel{first, first};
    int p = e;
    while (p > first && IsLiteralAt(mask, p - 1)) --p;
    return Sel{p, p};
}

std::optional<int> BackspaceStart(int s, int e) {
    if (s != e) return s;
    if (s <= 0) return std::nullopt;
    return s - 1;
}

bool RefusesTyping(const Mask& mask, bool fixedLength, int s) {
    return fixedLength && s == LastInputEnd(mask);
}

TypingBase PrepareTyping(const Mask& mask, std::wstring_view text, wchar_t placeholder, bool fixedLength,
                         int e) {
    if (text.size() >= mask.size()) return {std::wstring(text), e};
    std::wstring fitted = FitText(mask, text, placeholder, fixedLength);
    return {fitted, ToInt(Index{e} + Len(fitted) - Len(text))};
}

std::optional<Edit> RepairTyping(const Mask& mask, std::wstring_view oldText, std::wstring_view newText,
                                 bool fixedLength, int nStart, int nEnd, int caret) {
    if (newText == oldText) return std::nullopt;
    const Index n = Length(mask);
    const Index s = std::max(nStart, 0), e = std::max<Index>(nEnd, s);
    const Index k = InsertedCount(oldText, newText, s, e);

    Edit out{std::wstring(oldText), caret};
    Index c = caret, used = 0;
    for (Index i = s, j = s; used < k && i < n; ++i) {
        if (IsLiteralAt(mask, i)) continue;
        if (j < Len(newText) && i < Len(out.text) && mask[At(i)].Accepts(newText[At(j)])) {
            out.text[At(i)] = newText[At(j)];
            c = i + 1;
        }
        ++used;
        ++j;
    }

    if (!fixedLength) {
        const Index p = std::max(n, s);
        if (p < e && p < Len(out.text)) out.text.erase(At(p), At(e - p));
        // The characters left over go after the mask, the first at p + used.
        const Index from = s + used;
        if (from < Len(newText)) {
            const Index count = std::min(k - used, Len(newText) - from);
            if (count > 0) {
                const Index at = std::min(p + used, Len(out.text));
                out.text.insert(At(at), newText.substr(At(from), At(count)));
                c = at + count;
            }
        }
    }
    out.caret = ToInt(c);
    return out;
}

std::wstring RepairDelete(const Mask& mask, std::wstring_view text, wchar_t placeholder, int s0, int e0) {
    std::wstring out(text);
    const Index end = std::min<Index>(s0 == e0 ? Index{s0} + 1 : e0, Length(mask));
    for (Index p = std::max(s0, 0); p < end; ++p)
        out.insert(out.begin() + static_cast<std::ptrdiff_t>(std::min(p, Len(out))),
                   DisplayChar(mask, ToInt(p), placeholder));
    return out;
}

Edit RepairKey(const Mask& mask, std::wstring_view before, std::wstring_view after, wchar_t placeholder,
               bool fixedLength, int s0, int e0, int caret) {
    const Index s = std::clamp<Index>(s0, 0, Len(before)), e = std::clamp<Index>(e0, s, Len(before));
    if (Len(after) > Len(before) - (e - s)) {
        // More is left than removing the selection leaves: something was put in.
        std::optional<Edit> typed = RepairTyping(mask, before, after, fixedLength, s0, e0, caret);
        return typed ? *typed : Edit{std::wstring(after), caret};
    }
    const Index k = Len(before) - Len(after);
    if (k == 0) return {std::wstring(after), caret};
    // Whether `after` is `before` less the k characters from index `at`.
    auto removedAt = [&](Index at) {
        return at >= 0 && at + k <= Len(before) && before.substr(0, At(at)) == after.substr(0, At(at)) &&
               before.substr(At(at + k)) == after.substr(At(at));
    };
    Index start = s;
    if (!removedAt(start) && removedAt(start - k)) start -= k;
    return {RepairDelete(mask, after, placeholder, ToInt(start), ToInt(start + k)), ToInt(start)};
}

std::optional<Edit> OverlayPaste(const Mask& mask, std::wstring_view oldText, std::wstring_view newText,
                                 int s0, int e0, int caret) {
    if (newText == oldText) return std::nullopt;
    const Index n = Length(mask);
    const Index s = std::max(s0, 0), e = std::max<Index>(e0, s);
    const Index k = InsertedCount(oldText, newText, s, e);

    Edit out{std::wstring(oldText), caret};
    for (Index i = s; i - s < k && i < n; ++i) {
        if (IsLiteralAt(mask, i) || i >= Len(newText) || i >= Len(out.text)) continue;
        if (mask[At(i)].Accepts(newText[At(i)])) {
            out.text[At(i)] = newText[At(i)];
            out.caret = ToInt(i + 1);
        }
    }
    return out;
}

std::wstring EnteredText(const Mask& mask, std::wstring_view text, wchar_t placeholder) {
    std::wstring out;
    for (size_t i = 0; i < text.size(); ++i)
        if (i >= mask.size() || mask[i].IsLiteral() || text[i] != placeholder) out += text[i];
    return out;
}

} // namespace listedit::mask
