// Window-free rules of the masked edit: the mask syntax, fitting a text to a mask, moving a caret or
// selection off literal positions, and repairing the text after the edit control's own handling of a
// typed character, a Delete or a paste.
//
// Every function is total: indexes may be negative or far beyond the text or the mask, texts may have
// any length. States a real edit control never reports are clamped as documented below; nothing throws
// and nothing reads outside a string. All functions assume the mask is in use; with the mask off the
// window class does not call them.
#pragma once
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace listedit::mask {

// One position of the mask. One character: a literal showing it. Empty: an input position accepting any
// character. Two or more (duplicates possible): an input position accepting exactly those.
struct MaskPos {
    std::wstring chars;

    bool IsLiteral() const { return chars.size() == 1; }
    // Asked of input positions only.
    bool Accepts(wchar_t ch) const { return chars.empty() || chars.find(ch) != std::wstring::npos; }
    bool operator==(const MaskPos&) const = default;
};

using Mask = std::vector<MaskPos>;

struct ParsedMask {
    Mask positions; // on a syntax error: the positions completed before it
    bool ok = false;
};

// Reads a mask string: literals, '[...]' sets with ranges, escapes and the '?' any-character mark.
// Where wchar_t is wider than 16 bits, a range is cut to the 65536 code units from its lower end, the
// most a UTF-16 code unit can span; with a 16-bit wchar_t no range is ever cut.
ParsedMask ParseMask(std::wstring_view maskString);

int Length(const Mask& mask);        // n, the number of positions
int FirstInputPos(const Mask& mask); // F: the first input position; n when there is none
int LastInputEnd(const Mask& mask);  // L: one past the last input position; 0 when there is none

// What position i shows when it holds nothing entered: a literal its character, an input position the
// placeholder (so does an index outside the mask). Literals are shown whole, also those outside the
// single-byte range, so the display text and FitText always agree on literal positions.
wchar_t DisplayChar(const Mask& mask, int i, wchar_t placeholder);
std::wstring DisplayText(const Mask& mask, wchar_t placeholder); // the n display characters

// The text fitted to the mask: cut to n in fixed-length mode, padded with spaces to n, each literal
// position given its literal, each input position with a set that lacks its character given the
// placeholder; in variable-length mode the characters after the mask are kept.
std::wstring FitText(const Mask& mask, std::wstring_view text, wchar_t placeholder, bool fixedLength);

// The text after resetting positions [nStart, nEnd) to their display characters; in variable-length
// mode the free characters in the range (from max(n, nStart) to nEnd) are removed. Positions beyond the
// text are left alone (the text is never lengthened). The window class then requests the caret at nEnd
// (forward) or nStart (backward), through SnapSelection.
std::wstring ResetRange(const Mask& mask, std::wstring_view text, wchar_t placeholder, bool fixedLength,
                        int nStart, int nEnd);

struct Sel {
    int start = 0;
    int end = 0;
    bool operator==(const Sel&) const = default;
};

// The selection to hand straight to the default procedure for a selection request (a, b), moved off
// literal positions forward (caretToEnd) or backward. nullopt: pass the request through unchanged
// (a < 0 or b < 0, or variable-length with the whole selection in the free text after the mask).
std::optional<Sel> SnapSelection(const Mask& mask, bool fixedLength, bool caretToEnd, int a, int b);

// Backspace with selection [s, e): the start of the positions to reset (s - 1 for a caret, s for a
// selection); nullopt when nothing happens, a caret at 0 (or before it).
std::optional<int> BackspaceStart(int s, int e);

// In fixed-length mode a character typed with the caret right after the last input position is refused
// with a beep.
bool RefusesTyping(const Mask& mask, bool fixedLength, int s);

// The old text a typed character is fitted against: a text shorter than n is fitted to the mask, and the
// selection end e is moved by the number of characters that added, so it still ends the same selection.
struct TypingBase {
    std::wstring text;
    int end = 0;
};
TypingBase PrepareTyping(const Mask& mask, std::wstring_view text, wchar_t placeholder, bool fixedLength,
                         int e);

// A repaired text and the caret to request (through SnapSelection, forward).
struct Edit {
    std::wstring text;
    int caret = 0;
};

// After a typed character (or a paste made with the paste control character while typing): oldText and
// [nStart, nEnd) from PrepareTyping, newText and caret as the edit control left them. The characters put
// in overwrite the next input positions one by one, stepping over literals, refused ones dropped; in
// variable-length mode selected free characters are removed and those left over are inserted after the
// mask. nullopt when newText equals oldText. A negative nStart counts as 0 and nEnd below nStart as nStart.
std::optional<Edit> RepairTyping(const Mask& mask, std::wstring_view oldText, std::wstring_view newText,
                                 bool fixedLength, int nStart, int nEnd, int caret);

// After the edit control deleted characters for a key, the selection having been [s0, e0): puts back the
// display characters of positions s0 up to e0 (s0 + 1 for a caret), at most n. An index past the text
// inserts at its end. The window class then requests the caret at s0.
std::wstring RepairDelete(const Mask& mask, std::wstring_view text, wchar_t placeholder, int s0, int e0);

// After the edit control changed the text for a key, from `before` to `after`, the selection having
// been [s0, e0) and the caret now at `caret`. Characters it removed (Delete at s0, a word deleted to
// the right, a character deleted to the left of s0) get their display characters back in place, as
// RepairDelete does, and the caret goes where they were removed; characters it put in are laid over
// the input positions as typing lays them, over the selection or not. A change of neither kind is kept
// as it stands.
Edit RepairKey(const Mask& mask, std::wstring_view before, std::wstring_view after, wchar_t placeholder,
               bool fixedLength, int s0, int e0, int caret);

// After WM_PASTE replaced [s0, e0) of oldText, giving newText and caret: the pasted characters laid over
// the positions from s0 one for one, literals using up a character without taking it, refused characters
// leaving their position. The length of oldText is kept. nullopt when newText equals oldText. A negative
// s0 counts as 0 and e0 below s0 as s0.
std::optional<Edit> OverlayPaste(const Mask& mask, std::wstring_view oldText, std::wstring_view newText,
                                 int s0, int e0, int caret);

// The text as a user reads it: the placeholders still standing in input positions left out
// ("05/03/____" gives "05/03/"); literals and the characters after the mask stay.
std::wstring EnteredText(const Mask& mask, std::wstring_view text, wchar_t placeholder);

} // namespace listedit::mask
