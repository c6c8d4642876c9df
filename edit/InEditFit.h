// Window-free geometry of the in-place edit: how wide an editor becomes for its text, and where
// the list's cell editor opens over a cell.
#pragma once
#include <optional>

namespace listedit::inedit {

// The measured text always carries this pad behind it (one full-width ideograph and a space), so
// that the caret and the next typed character still fit before the editor refits.
inline constexpr wchar_t kWidthPad[] = L"\u4E2D ";

// The in-place edit's lengths at 96 dots per inch; the list scales them to its window's DPI.
struct InEditLayout {
    int cellEditorDrop = 3; // how much lower than its cell a cell editor reaches
};
inline constexpr InEditLayout kInEditLayout{};

// A rectangle in one window's client coordinates.
struct Box {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
    friend bool operator==(const Box&, const Box&) = default;
};

// The width an in-place edit takes for a padded text of width `textWidth`, given its client width,
// its left edge and the right edge of the parent's client area (both in the parent's coordinates),
// and its width threshold. nullopt: the width stays. The editor widens whenever the text outgrows
// it, follows the text (narrowing too) while the text is wider than the threshold, and never
// reaches past the parent's right edge; it is never given a negative width.
std::optional<int> FitWidth(int textWidth, int clientWidth, int left, int parentRight, int minLength);

// Where a cell editor opens and the width threshold it gets.
struct CellEditor {
    Box rect;
    int minLength = 0; // twice the editor's height: the narrowest it starts
};

// The editor over `cell` (its bounds in the list's client coordinates): it starts right of the
// cell's image (`icon`, when the cell shows one), reaches `drop` pixels lower than the cell, is as
// wide as the padded text `textWidth` but at least twice its own height, and ends at the list's
// client right edge at the latest.
CellEditor PlaceCellEditor(Box cell, std::optional<Box> icon, int textWidth, int clientRight,
                           int drop = kInEditLayout.cellEditorDrop);

} // namespace listedit::inedit
