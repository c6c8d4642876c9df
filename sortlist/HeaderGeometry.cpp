// Window-free geometry of a sorted header item.
#include "HeaderGeometry.h"

#include <algorithm>

namespace listedit::sortlist {

Align TitleAlign(unsigned format) {
    if (format & kFormatCenter) return Align::Center;
    if (format & kFormatRight) return Align::Right;
    return Align::Left;
}

Rect TitleRect(const Rect& item, int space, bool pressed, bool sorted) {
    Rect r = item;
    if (pressed) {
        r.left += 1;
        r.top += 2;
        r.right += 1;
    }
    if (sorted) r.right -= 3 * space;
    r.left += space;
    r.right -= space;
    return r;
}

Rect RankRect(const Rect& item, int space, int width) {
    const int right = item.right - 5 * space / 2 - 3;
    return {right - width, item.top, right, item.bottom};
}

Rect TitleBesideRank(const Rect& title, const Rect& rank, int space) {
    Rect r = title;
    r.right = std::min(r.right, rank.left - space);
    return r;
}

std::vector<Stroke> TriangleStrokes(const Rect& item, int o, bool ascending) {
    const int R = item.right, B = item.bottom;
    const int o3h = 3 * o / 2, o5h = 5 * o / 2;
    using enum Pen;
    using enum Op;
    if (ascending) {
        return {
            {Light, MoveTo, {R - 2 * o, o - 1}},   {Light, LineTo, {R - o3h, B - o}},
            {Light, LineTo, {R - o5h - 2, B - o}}, {Dark, MoveTo, {R - o5h - 1, B - o - 1}},
            {Dark, LineTo, {R - 2 * o, o - 2}},
        };
    }
    return {
        {Light, MoveTo, {R - o3h, o - 1}},       {Light, LineTo, {R - 2 * o - 1, B - o + 1}},
        {Light, MoveTo, {R - 2 * o - 1, B - o}}, {Dark, LineTo, {R - o5h - 1, o - 1}},
        {Dark, LineTo, {R - o3h, o - 1}},
    };
}

} // namespace listedit::sortlist
