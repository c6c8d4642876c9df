// Window-free geometry of a sorted header item: where its title goes and the strokes of the
// embossed sort triangle. Everything is measured in the width of one space of the header's font,
// except the few single pixels (the pressed offset, the gap before a rank, the triangle's pen and
// the ends of its strokes), which are `px` pixels each: a pixel at 96 dots per inch, at the
// header's DPI (1 at 96, 2 at 192).
#pragma once
#include "ModelGeometry.h"

#include <vector>

namespace listedit::sortlist {

// The header item's format bits that choose the title's alignment (as the header stores them).
constexpr unsigned kFormatRight = 0x0001;
constexpr unsigned kFormatCenter = 0x0002;

// Centre wins over right when both bits are set.
Align TitleAlign(unsigned format);

// The title's rectangle in a header item: shifted by the pressed offset (1 right, 2 down) while the
// item is pressed, narrowed by 3 spaces on the sorted column to keep the triangle clear, then
// inset by one space on each side.
Rect TitleRect(const Rect& item, int space, bool pressed, bool sorted, int px = 1);

// Where the rank of a key (a text `width` pixels wide) goes when a list is sorted by several keys:
// just left of the triangle, as high as the item.
Rect RankRect(const Rect& item, int space, int width, int px = 1);
// The title's rectangle beside a rank: it ends a space before the rank, so that the title never
// runs into the rank, whichever way it is aligned.
Rect TitleBesideRank(const Rect& title, const Rect& rank, int space);

// One pen step of the triangle. The light pen is selected first; a step whose pen differs from the
// current one selects that pen before it is carried out. LineTo draws up to, not including, `pt`.
enum class Pen { Light, Dark };
enum class Op { MoveTo, LineTo };
struct Stroke {
    Pen pen;
    Op op;
    Point pt;
    friend bool operator==(const Stroke&, const Stroke&) = default;
};

// The triangle at the right end of the (unpressed) item: pointing up when ascending, down when
// descending, lit on the right-hand slope and shadowed on the left. Its top is measured from the
// top of the header window, its bottom from the item's bottom edge.
std::vector<Stroke> TriangleStrokes(const Rect& item, int space, bool ascending, int px = 1);

} // namespace listedit::sortlist
